#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QFont;
class QPaintDevice;
class QPainter;

namespace ombrana {

// One response curve: x is the frequency in MHz, y the insertion loss in dB
// (0 or more), points in rising frequency.
struct PlotCurve {
    QString label{};
    QColor colour{};
    std::vector<QPointF> points{};
};

// A vertical line at a frequency of interest, such as a harmonic.
struct PlotMarker {
    double frequencyMHz = 0;
    QString label{};
};

struct PlotData {
    double fromMHz = 0;
    double toMHz = 0;
    std::vector<PlotCurve> curves{};
    std::vector<PlotMarker> markers{};
};

// Where the plot's values land: a logarithmic frequency axis across the
// area and a loss axis running down from 0 dB at the top edge.
struct PlotAxes {
    QRectF area;
    double fromMHz = 1;
    double toMHz = 10;
    double bottomDb = 10;

    double xOf(double frequencyMHz) const;
    double frequencyAt(double x) const;
    double yOf(double lossDb) const;
};

// What the pointer reads: the frequency under it and each curve's loss
// there, empty where a curve does not reach.
struct PlotReadout {
    double frequencyMHz = 0;
    std::vector<std::optional<double>> lossesDb{};
};

// Insertion loss against frequency, for the screen, a printed page or a PDF
// alike: all drawing goes through paint().
class ResponsePlot : public QWidget {
    Q_OBJECT
public:
    explicit ResponsePlot(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void setData(PlotData data);
    const PlotData& data() const { return m_data; }

    // The reading under the mouse pointer, empty while it is outside the
    // plot area or there is nothing to read.
    std::optional<PlotReadout> readout() const;

    static void paint(QPainter& painter, const QRectF& rect, const PlotData& data);

    // Data that can be drawn: a positive, rising frequency range and a curve.
    static bool drawable(const PlotData& data);

    // The axes that paint() uses in rect, its texts measured with base's
    // family on device (the painter's font and device).
    static PlotAxes axes(const QRectF& rect, const PlotData& data, const QFont& base, const QPaintDevice* device);

    // The bottom of the loss axis: the largest loss shown, rounded up to ten
    // dB, at least 10 and at most 80.
    static double lossRange(const PlotData& data);

    // A curve's loss at a frequency, interpolated linearly on the logarithmic
    // frequency axis; empty outside the curve.
    static std::optional<double> lossAt(const PlotCurve& curve, double frequencyMHz);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    PlotData m_data;
    std::optional<QPointF> m_pointer;
};

}  // namespace ombrana
