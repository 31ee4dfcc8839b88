// The program's printing module: the one place that links Qt PrintSupport.
// The program loads it at its first print job (app/PrintJob.cpp).
#include "app/PrintJob.h"

#include <QPrinter>
#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT bool ombrana_print_job(const ombrana::PrintJob& job) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || !job.paint) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(job.docName);
    if (job.pageSize) printer.setPageSize(*job.pageSize);
    printer.setPageOrientation(job.orientation);
    return job.paint(printer);
}
