#pragma once
// Large text drawn from a picture made once. Qt keeps glyphs up to 64 pixels
// in its glyph cache; larger ones are loaded, hinted and filled as outlines
// at every paint, so on a large window the wheel's hole numbers and title
// would be a large share of every frame. A stamp is the text painted once onto
// a clear image; drawn over a picture it gives the same pixels, give or take
// one step of a colour channel where a glyph's edge is blended.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>

namespace rimora {

// Whether Qt fills this font's glyphs as outlines at every paint: fonts
// sized in pixels, past the largest glyph Qt's glyph cache keeps.
bool GlyphsFilledAsOutlines(const QFont& font);

// Whether `painter` would fill `font`'s glyphs as outlines and a stamp can
// stand in: a font sized in pixels on a raster device at one device pixel per
// pixel, moved by whole pixels only.
bool WorthStamping(const QPainter& painter, const QFont& font);

// `text` in `font` and `color` with its baseline's left end at `origin`, as
// painter.drawText(origin, text) draws it. The stamps of recent texts are kept.
void DrawTextStamp(QPainter& painter, QPoint origin, const QFont& font, const QColor& color, const QString& text);

// A picture of what `paint` draws into a clear image of `size`, kept until
// `key` changes: for a widget whose own painting is large text.
class StampedPainting {
public:
    template <typename Paint>
    const QImage& Picture(const QString& key, QSize size, Paint&& paint)
    {
        if (key != key_ || picture_.size() != size) {
            picture_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
            picture_.fill(Qt::transparent);
            paint(picture_);
            key_ = key;
        }
        return picture_;
    }

private:
    QString key_;
    QImage picture_;
};

}  // namespace rimora
