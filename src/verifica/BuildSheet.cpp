#include "verifica/BuildSheet.h"

#include "app/CellDrawing.h"
#include "app/DesignLook.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace ombrana {
namespace {

// Lines of text from the top of box; returns where the next block starts.
double writeLines(QPainter& p, const QRectF& box, const QStringList& lines, const QFont& font) {
    p.setFont(font);
    double y = box.top();
    for (const QString& line : lines) {
        const QRectF bound = p.boundingRect(QRectF(box.left(), y, box.width(), box.height()),
                                            Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line);
        p.drawText(bound, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line);
        y = bound.bottom() + p.fontMetrics().height() * 0.2;
    }
    return y;
}

}  // namespace

void paintBuildSheet(QPainter& p, const QRectF& rect, const BuildSheet& sheet) {
    p.save();
    const double unit = rect.width() / 180;  // the page in 180 steps across
    QFont base(QString::fromLatin1(design::kMsSansSerif));
    base.setPixelSize(qMax(1, qRound(unit * 3.2)));
    QFont heading = base;
    heading.setBold(true);
    heading.setPixelSize(qMax(1, qRound(unit * 5.5)));

    p.setPen(Qt::black);
    p.setFont(heading);
    const QRectF titleBox(rect.left(), rect.top(), rect.width(), unit * 10);
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, sheet.title);

    // The cell on the program's navy, with the values as built under it.
    const QRectF cellBox(rect.left(), titleBox.bottom() + unit * 2, unit * 80, unit * 52);
    p.fillRect(cellBox, design::colour(design::kNavy));
    const QRectF drawingBox = cellBox.adjusted(unit * 2, unit * 2, -unit * 2, -unit * 12);
    CellDrawing::paint(p, drawingBox, sheet.shape, CellStyle{}, CellOptions{}, drawingBox.width() / 4095.0);
    p.setPen(Qt::white);
    QFont values = base;
    values.setBold(true);
    p.setFont(values);
    p.drawText(QRectF(cellBox.left(), cellBox.bottom() - unit * 11, cellBox.width(), unit * 10), Qt::AlignCenter,
               sheet.builtC1 + QStringLiteral("     ") + sheet.builtL1);

    p.setPen(Qt::black);
    const QRectF side(cellBox.right() + unit * 5, cellBox.top(), rect.right() - cellBox.right() - unit * 5,
                      cellBox.height());
    QFont bold = base;
    bold.setBold(true);
    double y = writeLines(p, side, {QStringLiteral("Dati del filtro")}, bold);
    y = writeLines(p, QRectF(side.left(), y, side.width(), side.bottom() - y), sheet.design, base);

    double top = cellBox.bottom() + unit * 4;
    top = writeLines(p, QRectF(rect.left(), top, rect.width(), unit * 10), {QStringLiteral("Componenti")}, bold);
    QStringList parts;
    for (const BuildSheet::PartRow& row : sheet.parts)
        parts << QStringList{row.count + QStringLiteral(" x ") + row.name, row.value, row.making, row.stress}.join(
            QStringLiteral("  "));
    parts += sheet.notes;
    top = writeLines(p, QRectF(rect.left(), top, rect.width(), unit * 40), parts, base) + unit * 3;

    const QRectF plotBox(rect.left(), top, rect.width(), unit * 85);
    ResponsePlot::paint(p, plotBox, sheet.plot);

    top = plotBox.bottom() + unit * 4;
    top = writeLines(p, QRectF(rect.left(), top, rect.width(), unit * 10), {QStringLiteral("Perdite")}, bold);
    QStringList table{QStringLiteral("(progetto / costruito)")};
    for (const BuildSheet::LossRow& row : sheet.losses)
        table << QStringLiteral("%1:  %2 / %3").arg(row.caption, row.designed, row.built);
    writeLines(p, QRectF(rect.left(), top, rect.width(), rect.bottom() - top), table, base);
    p.restore();
}

bool printBuildSheet(QPagedPaintDevice& device, const BuildSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    paintBuildSheet(painter, QRectF(painter.viewport()), sheet);
    return painter.end();
}

bool writeBuildSheetPdf(const QString& path, const BuildSheet& sheet, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(sheet.title);
        pdf.setCreator(QStringLiteral("Ombrana"));
        if (!printBuildSheet(pdf, sheet)) {
            file.cancelWriting();
            if (error) *error = QStringLiteral("impossibile disegnare la pagina");
            return false;
        }
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace ombrana
