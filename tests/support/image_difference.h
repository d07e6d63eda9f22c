#pragma once
// How far apart two pictures of the same size are, pixel by pixel.
#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace rimora::test {

struct ImageDifference {
    int pixels = 0;   // pixels that differ at all
    int largest = 0;  // largest difference of one colour channel
};

inline ImageDifference CompareImages(const QImage& first, const QImage& second)
{
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    ImageDifference d;
    if (a.size() != b.size()) {
        d.pixels = -1;
        d.largest = 255;
        return d;
    }
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (pa[x] == pb[x]) continue;
            ++d.pixels;
            d.largest = std::max({d.largest, std::abs(qRed(pa[x]) - qRed(pb[x])),
                                  std::abs(qGreen(pa[x]) - qGreen(pb[x])), std::abs(qBlue(pa[x]) - qBlue(pb[x]))});
        }
    }
    return d;
}

}  // namespace rimora::test
