#include "toroids/ToroidWindows.h"

#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "toroids/ToroidWindow.h"

namespace ombrana {

void registerToroidWindows() {
    finestre().registerWindow(nomi::tabelle, [] { return new ToroidWindow; });
}

}  // namespace ombrana
