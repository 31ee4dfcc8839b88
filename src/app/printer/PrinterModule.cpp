// The program's printing module: the one place that links Qt PrintSupport.
// The program loads it at its first print job (app/PrintJob.cpp) and paints
// on the printer it hands back.
#include "app/PrintJob.h"

#include <QPrinter>
#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT QPagedPaintDevice* ombrana_default_printer(const ombrana::PrintJob& job) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    auto* printer = new QPrinter(info, QPrinter::HighResolution);
    printer->setDocName(job.docName);
    if (job.pageSize) printer->setPageSize(*job.pageSize);
    printer->setPageOrientation(job.orientation);
    return printer;
}
