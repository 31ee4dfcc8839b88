#pragma once

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <climits>
#include <vector>

namespace ombrana::test {

// A paint engine that keeps where each run of text is painted: its ink, in
// device pixels, and its size. Everything else is dropped.
class TextRecorder : public QPaintEngine {
public:
    struct Run {
        QString text;
        QRectF ink;
        double points;
    };

    explicit TextRecorder(const QPaintDevice* device) : QPaintEngine(AllFeatures), m_device(device) {}
    std::vector<Run> runs;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform) m_transform = state.transform();
    }
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        const QRectF ink = QFontMetricsF(item.font(), m_device).tightBoundingRect(item.text()).translated(at);
        runs.push_back({item.text(), m_transform.mapRect(ink), item.font().pointSizeF()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}

private:
    const QPaintDevice* m_device;
    QTransform m_transform;
};

// The first run with exactly that text; nullptr when none was painted.
inline const TextRecorder::Run* findRun(const std::vector<TextRecorder::Run>& runs, const QString& text) {
    for (const TextRecorder::Run& r : runs)
        if (r.text == text) return &r;
    return nullptr;
}

// A surface of the given size in pixels and resolution that keeps what is
// written on it.
class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(double widthMm, double heightMm, int dpi) : m_widthMm(widthMm), m_heightMm(heightMm), m_dpi(dpi) {}
    TextRecorder engine{this};

    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth: return qRound(m_widthMm / 25.4 * m_dpi);
            case PdmHeight: return qRound(m_heightMm / 25.4 * m_dpi);
            case PdmWidthMM: return qRound(m_widthMm);
            case PdmHeightMM: return qRound(m_heightMm);
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return m_dpi;
            case PdmDepth: return 32;
            case PdmNumColors: return INT_MAX;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return qRound(devicePixelRatioFScale());
            default: return QPaintDevice::metric(m);
        }
    }

private:
    double m_widthMm;
    double m_heightMm;
    int m_dpi;
};

}  // namespace ombrana::test
