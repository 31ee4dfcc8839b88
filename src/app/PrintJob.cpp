#include "app/PrintJob.h"

#include <QtGlobal>

#include <dlfcn.h>

namespace ombrana {
namespace {

using PrintEntry = bool (*)(const PrintJob&);

PrintEntry loadPrinterModule() {
    // Called from the program itself, dlopen() searches the program's own
    // run path: the build folder, or the module folder of the installation.
    // (QLibrary would search from Qt's library, whose run path is not ours.)
    void* module = dlopen(OMBRANA_PRINTER_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        qWarning("Stampa: %s", dlerror());
        return nullptr;
    }
    auto entry = reinterpret_cast<PrintEntry>(dlsym(module, "ombrana_print_job"));
    if (!entry) qWarning("Stampa: %s", dlerror());
    return entry;
}

}  // namespace

bool printOnDefaultPrinter(const PrintJob& job) {
    static const PrintEntry entry = loadPrinterModule();
    return entry && entry(job);
}

}  // namespace ombrana
