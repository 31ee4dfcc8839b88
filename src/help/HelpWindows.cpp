#include "help/HelpWindows.h"

#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "help/ExampleDesigns.h"
#include "help/ReadmeWindow.h"

namespace ombrana {

void registerHelpWindows() {
    for (const ReadmeVariant& v : readmeVariants())
        finestre().registerWindow(*v.windowName, [&v] { return new ReadmeWindow(v); });
    finestre().registerWindow(nomi::esempi, &creaEsempi);
    finestre().registerWindow(nomi::passabanda, &creaPassabanda);
}

}  // namespace ombrana
