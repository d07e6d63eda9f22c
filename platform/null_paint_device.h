#pragma once
// A paint device that takes every drawing and keeps none. Running a drawing
// on it tells where the drawing puts things (what its code works out as it
// goes) at the cost of the arithmetic alone: no pixel is touched. Its
// metrics are those of a plain 96 dpi surface of the given size.
#include <QPaintDevice>
#include <QPaintEngine>

#include <memory>

namespace rimora {

class NullPaintDevice : public QPaintDevice {
public:
    NullPaintDevice(int width, int height);
    ~NullPaintDevice() override;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int width_;
    int height_;
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace rimora
