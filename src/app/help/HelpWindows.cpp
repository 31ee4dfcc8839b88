#include "HelpWindows.h"

namespace ombrana {

void registerHelpWindows() {}

}  // namespace ombrana
