#pragma once

#include "verifica/BuildSheet.h"
#include "verifica/core/ResponseCurve.h"

#include <QString>

#include <vector>

class QWidget;

// The verification's files: the build sheet as a PDF, the curves as a CSV
// for a spreadsheet. Each file appears whole or not at all; a failure is
// told in a message box over the window.
namespace ombrana {

bool exportSheetPdf(QWidget* window, const QString& path, const BuildSheet& sheet);
bool exportCurveCsv(QWidget* window, const QString& path, const std::vector<ResponsePoint>& curve);

// Where to write, asked in the save dialog; empty when the user cancels.
QString askExportPath(QWidget* window, const QString& title, const QString& filter);

}  // namespace ombrana
