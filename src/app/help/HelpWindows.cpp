#include "HelpWindows.h"

#include "ExampleDesigns.h"
#include "ReadmeWindow.h"
#include "WindowNames.h"
#include "WindowRegistry.h"

namespace ombrana {

void registerHelpWindows() {
    for (const ReadmeVariant& v : variantiLeggimi())
        finestre().registerWindow(*v.windowName, [&v] { return new ReadmeWindow(v); });
    finestre().registerWindow(nomi::esempi, &creaEsempi);
    finestre().registerWindow(nomi::passabanda, &creaPassabanda);
}

}  // namespace ombrana
