#include "ToroidWindows.h"

namespace ombrana {

void registerToroidWindows() {}

}  // namespace ombrana
