#pragma once

namespace ombrana::versione {

inline constexpr int major = 1;
inline constexpr int minor = 0;
inline constexpr int revisione = 2;

}  // namespace ombrana::versione
