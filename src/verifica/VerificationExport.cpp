#include "verifica/VerificationExport.h"

#include "app/MessageBox.h"

#include <QFileDialog>
#include <QSaveFile>

namespace ombrana {
namespace {

bool reportFailure(QWidget* window, const QString& path, const QString& reason) {
    showMessage(window, {.title = QStringLiteral("Verifica"),
                         .text = QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, reason)});
    return false;
}

}  // namespace

bool exportSheetPdf(QWidget* window, const QString& path, const BuildSheet& sheet) {
    QString error;
    return writeBuildSheetPdf(path, sheet, &error) || reportFailure(window, path, error);
}

bool exportCurveCsv(QWidget* window, const QString& path, const std::vector<ResponsePoint>& curve) {
    const QByteArray bytes = QByteArray::fromStdString(responseCsv(curve));
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    const QString reason = file.errorString();
    file.cancelWriting();
    return reportFailure(window, path, reason);
}

QString askExportPath(QWidget* window, const QString& title, const QString& filter) {
    return QFileDialog::getSaveFileName(window, title, QString(), filter);
}

}  // namespace ombrana
