#pragma once

namespace ombrana {

// The windows were designed with fonts that Linux lacks; each gets a free
// look-alike: metric-compatible sans faces for MS Sans Serif, Arial, Tahoma
// and System, a playful face for Balloon. The design's family names stay on
// the fonts; each is an alias of the first look-alike installed, so that Qt
// finds it without a search for fallbacks.
void installFontSubstitutes();

}  // namespace ombrana
