#pragma once
// Shared by the sheet tests: profile files written into a temporary folder,
// and a paint device that records where each text was painted.
#include "support/file_bytes.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextItem>
#include <gtest/gtest.h>

#include <vector>

namespace rimora::test {

// The records of a wheel as the window saves them, before the table rows:
// the design defaults with both hole counts at 36 (item 0 of the lists).
inline QByteArray DefaultWheelRecords()
{
    return "[MainF]\n"
           "TyCB=0\n"
           "HubCB=0\n"
           "RimCB=0\n"
           "dRE=41\n"
           "dLE=41\n"
           "CLE=3\n"
           "WLE=27.5\n"
           "WRE=18.1\n"
           "ShE=2.5\n"
           "ErdE=590\n"
           "CRE=3\n";
}

inline QByteArray DrawingRecords()
{
    return "AdE=0\n"
           "CL1=15780518\n"
           "CL2=12632256\n"
           "CL3=8421504\n"
           "CL4=10789024\n"
           "CL5=16711680\n"
           "CL6=65280\n"
           "CL7=255\n"
           "RIMBK=8\n"
           "RIMID=1\n"
           "HUBOD=6\n"
           "SpkD=2\n"
           "AuCB=1\n"
           "RNCB=1\n"
           "Ssd=0\n";
}

class ProfileFolder {
public:
    ProfileFolder() { EXPECT_TRUE(dir_.isValid()); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = Path(name);
        WriteBytes(path, bytes);
        return path;
    }

private:
    QTemporaryDir dir_;
};

// A paint device of one A4 page at 96 dots per inch that paints nothing and
// keeps every text with the device point of its baseline start.
class TextRecordingDevice : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF at;
        int pixels = 0;  // the font's pixel size
    };

    TextRecordingDevice(int width = 794, int height = 1123) : width_(width), height_(height) {}
    ~TextRecordingDevice() override = default;

    const std::vector<Text>& Texts() const { return engine_.texts; }
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return width_;
        case PdmHeight: return height_;
        case PdmWidthMM: return width_ * 254 / 960;
        case PdmHeightMM: return height_ * 254 / 960;
        case PdmNumColors: return 0x7FFFFFFF;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override
        {
            if (state.state() & QPaintEngine::DirtyTransform) transform = state.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        void drawLines(const QLineF*, int) override {}
        void drawLines(const QLine*, int) override {}
        void drawRects(const QRectF*, int) override {}
        void drawRects(const QRect*, int) override {}
        void drawEllipse(const QRectF&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            texts.push_back({item.text(), transform.map(p), item.font().pixelSize()});
        }
        Type type() const override { return QPaintEngine::User; }

        QTransform transform;
        std::vector<Text> texts;
    };

    int width_;
    int height_;
    mutable Engine engine_;
};

}  // namespace rimora::test
