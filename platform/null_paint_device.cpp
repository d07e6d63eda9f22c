#include "platform/null_paint_device.h"

#include <algorithm>

namespace rimora {

namespace {

class NullPaintEngine : public QPaintEngine {
public:
    NullPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Every shape is dropped here, before the default engine would turn it
    // into a path (text into glyph outlines) only to drop that.
    void drawRects(const QRect*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawEllipse(const QRect&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawPoints(const QPoint*, int) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    Type type() const override { return QPaintEngine::User; }
};

constexpr int kDotsPerInch = 96;

}  // namespace

NullPaintDevice::NullPaintDevice(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)), engine_(std::make_unique<NullPaintEngine>())
{
}

NullPaintDevice::~NullPaintDevice() = default;

QPaintEngine* NullPaintDevice::paintEngine() const
{
    return engine_.get();
}

int NullPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return width_ * 254 / (kDotsPerInch * 10);
    case PdmHeightMM: return height_ * 254 / (kDotsPerInch * 10);
    case PdmNumColors: return 0x7FFFFFFF;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDotsPerInch;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return 0;
    }
}

}  // namespace rimora
