#include "app/AppWindows.h"

#include "app/MenuWindow.h"
#include "app/SplashWindow.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

namespace ombrana {

void registerAppWindows() {
    finestre().registerWindow(nomi::splash, [] { return new SplashWindow; });
    finestre().registerWindow(nomi::menu, [] { return new MenuWindow; });
}

}  // namespace ombrana
