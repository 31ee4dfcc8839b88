#include "ToroidWindows.h"

#include "ToroidWindow.h"
#include "WindowNames.h"
#include "WindowRegistry.h"

namespace ombrana {

void registerToroidWindows() {
    finestre().registerWindow(nomi::tabelle, [] { return new ToroidWindow; });
}

}  // namespace ombrana
