#include "InductorWindows.h"

namespace ombrana {

void registerInductorWindows() {}

}  // namespace ombrana
