#pragma once

namespace ombrana::version {

inline constexpr int major = 1;
inline constexpr int minor = 0;
inline constexpr int revision = 2;

}  // namespace ombrana::version
