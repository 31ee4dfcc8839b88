#include "app/PrintJob.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <dlfcn.h>
#include <link.h>
#include <vector>

namespace ombrana {
namespace {

using PrintEntry = bool (*)(const PrintJob&);

// The folders the dynamic loader searches for the program's own libraries,
// in its order: the program's run path among them, $ORIGIN made absolute.
// The module is opened by its full path from these: a bare file name would
// be searched from whoever calls dlopen(), and a sanitizer runtime or a
// preloaded library that wraps dlopen() has a run path of its own.
std::vector<QString> searchFolders() {
    std::vector<QString> folders;
    void* program = dlopen(nullptr, RTLD_LAZY);
    Dl_serinfo size;
    if (!program || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return folders;
    std::vector<char> buffer(size.dls_size);
    auto* info = reinterpret_cast<Dl_serinfo*>(buffer.data());
    *info = size;
    if (dlinfo(program, RTLD_DI_SERINFO, info) != 0) return folders;
    for (unsigned i = 0; i < info->dls_cnt; ++i)
        folders.push_back(QString::fromLocal8Bit(info->dls_serpath[i].dls_name));
    return folders;
}

PrintEntry loadPrinterModule() {
    const QString name = QStringLiteral(OMBRANA_PRINTER_MODULE);
    void* module = nullptr;
    for (const QString& folder : searchFolders()) {
        const QString path = folder + QLatin1Char('/') + name;
        if (QFileInfo::exists(path) && (module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL)))
            break;
    }
    if (!module) {
        qWarning("Stampa: %s not found beside the program", OMBRANA_PRINTER_MODULE);
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
