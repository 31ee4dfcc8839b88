#include "verifica/BuildSheet.h"

#include "app/DesignLook.h"
#include "app/LadderDrawing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

namespace ombrana {
namespace {

using design::colour;

// The page within its margins, in millimetres; every size below follows
// from it.
constexpr double kMarginMm = 15;
constexpr double kWidthMm = 210 - 2 * kMarginMm, kHeightMm = 297 - 2 * kMarginMm;
constexpr double kDrawingWidthMm = 100;  // the navy box
constexpr double kDrawingHeightMm = 40;  // the ladder in it, above the values
constexpr double kPlotLeastMm = 60, kPlotMostMm = 100;
constexpr double kPlotDroppedMm = 30;  // with less room than this, no plot
// The text sizes tried, largest first, until the page holds everything.
constexpr std::array kTextPoints{10.0, 9.5, 9.0, 8.5, 8.0, 7.5, 7.0};

// Column widths in millimetres.
constexpr std::array kPartColumns{14.0, 13.0, 28.0, 67.0, 58.0};
constexpr std::array kLossColumns{80.0, 50.0, 50.0};

// A paragraph laid out in a width: wrapped between words, or inside a word
// longer than the line.
class Block {
public:
    Block(const QString& text, const QFont& font, QPaintDevice* device, double width,
          Qt::Alignment align = Qt::AlignLeft) {
        QString lines = text;
        lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
        m_layout = std::make_unique<QTextLayout>(lines, font, device);
        QTextOption option(align);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_layout->setTextOption(option);
        m_layout->beginLayout();
        for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
            line.setLineWidth(std::max(1.0, width));
            line.setPosition(QPointF(0, m_height));
            m_height += line.height();
        }
        m_layout->endLayout();
    }

    double height() const { return m_height; }
    void draw(QPainter& p, const QPointF& at) const { m_layout->draw(&p, at); }

private:
    std::unique_ptr<QTextLayout> m_layout;
    double m_height = 0;
};

struct Fonts {
    QFont text, bold, heading, title;
};

// The page, laid out from the top: once to measure, once to paint. Nothing
// is painted that would pass the bottom edge.
class Page {
public:
    Page(QPainter& p, const QRectF& rect, const BuildSheet& sheet, double textPoints)
        : m_p(p), m_rect(rect), m_sheet(sheet), m_mm(std::min(rect.width() / kWidthMm, rect.height() / kHeightMm)) {
        // Points on the device, scaled as the rectangle is to a real page.
        const double scale = m_mm * 25.4 / std::max(1, p.device()->logicalDpiY());
        const auto font = [&](double points, bool bold) {
            return design::makeFont({.family = design::kMsSansSerif, .points = points * scale, .bold = bold}, p.font());
        };
        m_fonts = {font(textPoints, false), font(textPoints, true), font(textPoints * 1.2, true),
                   font(textPoints * 1.6, true)};
    }

    // Only the first notes, when all of them would not fit.
    void limitNotes(qsizetype count) { m_notes = count; }

    // The height the page takes with a plot plotMm high; painted when paint.
    double flow(double plotMm, bool paint) {
        m_paint = paint;
        m_full = false;
        m_y = m_rect.top();
        const double line = Block(QStringLiteral("X"), m_fonts.text, device(), m_rect.width()).height();
        text(m_sheet.title, m_fonts.title, m_rect.left(), m_rect.width(), colour(design::kNavy));
        m_y += line * 0.6;
        band(line);
        if (!m_sheet.parts.empty()) {
            m_y += line;
            heading(QStringLiteral("Componenti"));
            std::vector<std::array<QString, 5>> rows{{QStringLiteral("Parte"), QStringLiteral("Pezzi"),
                                                      QStringLiteral("Valore"), QStringLiteral("Costruzione"),
                                                      QStringLiteral("Sollecitazione")}};
            for (const BuildSheet::PartRow& r : m_sheet.parts)
                rows.push_back({r.name, r.count, r.value, r.making, r.stress});
            table(rows, kPartColumns);
        }
        if (!m_sheet.notes.isEmpty()) m_y += line * 0.5;
        const qsizetype shown = std::min(m_notes, m_sheet.notes.size());
        for (qsizetype i = 0; i < shown; ++i) {
            text(m_sheet.notes[i], m_fonts.text, m_rect.left(), m_rect.width(), colour(design::kBlack));
            m_y += line * 0.15;
        }
        if (const qsizetype hidden = m_sheet.notes.size() - shown; hidden > 0)
            text(hidden == 1 ? QStringLiteral("\u2026 un'altra nota non entra nella pagina.")
                             : QStringLiteral("\u2026 altre %1 note non entrano nella pagina.").arg(hidden),
                 m_fonts.bold, m_rect.left(), m_rect.width(), colour(design::kBlack));
        if (plotMm > 0) {
            m_y += line;
            const QRectF box(m_rect.left(), m_y, m_rect.width(), plotMm * m_mm);
            if (fits(box.height()) && m_paint) {
                m_p.save();
                m_p.setFont(m_fonts.text);
                ResponsePlot::paint(m_p, box, m_sheet.plot);
                m_p.restore();
            }
            m_y = box.bottom();
        }
        if (!m_sheet.losses.empty()) {
            m_y += line;
            heading(QStringLiteral("Perdite"));
            std::vector<std::array<QString, 3>> rows{
                {QString(), QStringLiteral("Progetto"), QStringLiteral("Costruito")}};
            for (const BuildSheet::LossRow& r : m_sheet.losses) rows.push_back({r.caption, r.designed, r.built});
            table(rows, kLossColumns);
        }
        return m_y - m_rect.top();
    }

private:
    QPaintDevice* device() const { return m_p.device(); }

    // Whether a block of that height still fits above the bottom edge; once
    // one does not, nothing further is painted.
    bool fits(double height) {
        if (m_y + height > m_rect.bottom() + 0.01) m_full = true;
        return !m_full;
    }

    void text(const QString& s, const QFont& font, double left, double width, const QColor& ink) {
        if (s.isEmpty()) return;
        const Block b(s, font, device(), width);
        if (fits(b.height()) && m_paint) {
            m_p.setPen(ink);
            b.draw(m_p, QPointF(left, m_y));
        }
        m_y += b.height();
    }

    void heading(const QString& s) {
        text(s, m_fonts.heading, m_rect.left(), m_rect.width(), colour(design::kNavy));
        m_y += m_mm;
    }

    // The ladder on the program's navy with the values as built under it, and
    // beside it what the figures come from.
    void band(double line) {
        const double pad = 2 * m_mm;
        const QRectF drawing(m_rect.left() + pad, m_y + pad, kDrawingWidthMm * m_mm - 2 * pad, kDrawingHeightMm * m_mm);
        std::vector<Block> values;
        double valuesHeight = 0;
        for (const QString& v : {m_sheet.builtC1, m_sheet.builtL1}) {
            if (v.isEmpty()) continue;
            values.emplace_back(v, m_fonts.bold, device(), drawing.width(), Qt::AlignHCenter);
            valuesHeight += values.back().height();
        }
        const QRectF box(m_rect.left(), m_y, kDrawingWidthMm * m_mm,
                         drawing.height() + 2 * pad + valuesHeight + (values.empty() ? 0 : pad));

        const double columnLeft = box.right() + 5 * m_mm;
        const double columnWidth = m_rect.right() - columnLeft;
        std::vector<Block> data;
        double dataHeight = 0;
        data.emplace_back(QStringLiteral("Dati del filtro"), m_fonts.bold, device(), columnWidth);
        for (const QString& d : m_sheet.design) data.emplace_back(d, m_fonts.text, device(), columnWidth);
        for (const Block& b : data) dataHeight += b.height() + line * 0.15;

        if (fits(std::max(box.height(), dataHeight)) && m_paint) {
            m_p.fillRect(box, colour(design::kNavy));
            const DrawingOptions options{.penScale = m_mm * 25.4 / 96};
            m_p.setFont(m_fonts.bold);
            LadderDrawing::paint(m_p, drawing, m_sheet.shape, DrawingStyle{}, options, m_mm * 25.4 / 1440);
            m_p.setPen(colour(design::kWhite));
            double y = drawing.bottom() + pad;
            for (const Block& b : values) {
                b.draw(m_p, QPointF(drawing.left(), y));
                y += b.height();
            }
            m_p.setPen(colour(design::kBlack));
            y = m_y;
            for (const Block& b : data) {
                b.draw(m_p, QPointF(columnLeft, y));
                y += b.height() + line * 0.15;
            }
        }
        m_y += std::max(box.height(), dataHeight);
    }

    // A table with a header row, its cells wrapped in their columns, rows
    // ruled apart.
    template <std::size_t N>
    void table(const std::vector<std::array<QString, N>>& rows, const std::array<double, N>& columnsMm) {
        const double pad = 1.2 * m_mm;
        double total = 0;
        for (double w : columnsMm) total += w;
        const double unit = m_rect.width() / total;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const QFont& font = r == 0 ? m_fonts.bold : m_fonts.text;
            std::vector<Block> cells;
            double height = 0;
            for (std::size_t c = 0; c < N; ++c) {
                cells.emplace_back(rows[r][c], font, device(), columnsMm[c] * unit - 2 * pad);
                height = std::max(height, cells.back().height());
            }
            height += 2 * pad;
            if (fits(height) && m_paint) {
                const QRectF row(m_rect.left(), m_y, m_rect.width(), height);
                if (r == 0) m_p.fillRect(row, colour(design::kLightGrey));
                m_p.setPen(QPen(colour(design::kDarkGrey), 0.25 * m_mm));
                m_p.drawLine(row.bottomLeft(), row.bottomRight());
                if (r == 0) m_p.drawLine(row.topLeft(), row.topRight());
                m_p.setPen(colour(design::kBlack));
                double x = row.left();
                for (std::size_t c = 0; c < N; ++c) {
                    cells[c].draw(m_p, QPointF(x + pad, m_y + pad));
                    x += columnsMm[c] * unit;
                }
            }
            m_y += height;
        }
    }

    QPainter& m_p;
    QRectF m_rect;
    const BuildSheet& m_sheet;
    double m_mm;  // a millimetre of the page, in device pixels
    Fonts m_fonts;
    qsizetype m_notes = std::numeric_limits<qsizetype>::max();
    bool m_paint = false;
    bool m_full = false;
    double m_y = 0;
};

// The sheet's rectangle in the painter's coordinates: the paper less the
// margin on every side, also where a printer's own margins are a few
// millimetres or none, and within what the device prints.
QRectF sheetRect(const QRectF& page, const QRectF& printable, double dpi) {
    const double margin = kMarginMm / 25.4 * dpi;
    return page.adjusted(margin, margin, -margin, -margin) & printable;
}

}  // namespace

void paintBuildSheet(QPainter& p, const QRectF& rect, const BuildSheet& sheet) {
    p.save();
    // The largest text with which everything fits beside a plot of the least
    // height; the plot then takes the room left, up to its most. When nothing
    // fits, the smallest text, as many notes as leave the plot its least
    // height, and then the plot in what is left, or none.
    const double mm = std::min(rect.width() / kWidthMm, rect.height() / kHeightMm);
    double points = kTextPoints.back();
    double used = 0;
    for (double step : kTextPoints) {
        points = step;
        used = Page(p, rect, sheet, step).flow(kPlotLeastMm, false);
        if (used <= rect.height()) break;
    }
    Page page(p, rect, sheet, points);
    for (qsizetype notes = sheet.notes.size(); notes > 0 && used > rect.height(); --notes) {
        page.limitNotes(notes - 1);
        used = page.flow(kPlotLeastMm, false);
    }
    double plotMm = std::min(kPlotMostMm, kPlotLeastMm + (rect.height() - used) / mm);
    if (plotMm < kPlotDroppedMm) plotMm = 0;
    page.flow(plotMm, true);
    p.restore();
}

PrintJob buildSheetJob(const QString& docName, std::function<BuildSheet()> sheet) {
    return {.docName = docName,
            .pageSize = QPageSize(QPageSize::A4),
            .paint = [sheet = std::move(sheet)](QPainter& painter, const QRectF& page, const QRectF& printable) {
                paintBuildSheet(painter, sheetRect(page, printable, painter.device()->logicalDpiY()), sheet());
            }};
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
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setResolution(300);
        pdf.setTitle(sheet.title);
        pdf.setCreator(QStringLiteral("Ombrana"));
        if (!paintJob(buildSheetJob(sheet.title, [&sheet] { return sheet; }), pdf)) {
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
