#include "AppWindows.h"

#include "MenuWindow.h"
#include "SplashWindow.h"
#include "WindowNames.h"
#include "WindowRegistry.h"

namespace ombrana {

void registerAppWindows() {
    finestre().registerWindow(nomi::splash, [] { return new SplashWindow; });
    finestre().registerWindow(nomi::menu, [] { return new MenuWindow; });
}

}  // namespace ombrana
