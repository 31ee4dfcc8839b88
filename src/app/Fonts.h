#pragma once

namespace ombrana {

// The windows were designed with fonts that Linux lacks; each gets a free
// look-alike: metric-compatible sans faces for MS Sans Serif, Arial, Tahoma
// and System, a playful face for Balloon.
void installFontSubstitutes();

}  // namespace ombrana
