#pragma once

namespace ombrana {

// The windows were designed with fonts that Linux lacks; DesignLook.h names
// the free look-alike installed with the program in place of each
// (metric-compatible Liberation Sans for the sans faces, Comic Neue for the
// playful one). This names the faces Qt takes instead on a machine without
// them, as QFont substitutions.
void installFontSubstitutes();

}  // namespace ombrana
