#include "platform/text_stamp.h"

#include <QCache>
#include <QFontMetrics>
#include <QPaintEngine>

#include <cmath>

namespace rimora {

namespace {

// Qt's raster engine fills glyphs larger than this as outlines.
constexpr int kLargestCachedGlyph = 64;
// Room for the stamps of a 4K wheel's hole numbers, hub numbers and title at
// once, with some to spare: while the wheel stays the same, no stamp is
// dropped to make room for another and made again at the next frame.
constexpr qsizetype kStampBytes = 8 * 1024 * 1024;

struct Stamp {
    QImage image;
    QPoint offset;  // of the image's top-left corner from the baseline origin
};

QCache<QString, Stamp>& Stamps()
{
    static QCache<QString, Stamp> stamps(kStampBytes);
    return stamps;
}

Stamp StampOf(const QFont& font, const QColor& color, const QString& text)
{
    const QString key = font.key() + QLatin1Char('|') + QString::number(color.rgba(), 16) + QLatin1Char('|') + text;
    if (const Stamp* kept = Stamps().object(key)) return *kept;

    // Glyphs may reach past their advance and their ascent: two pixels round
    // the inked box keep every blended edge.
    const QRect box = QFontMetrics(font).boundingRect(text).adjusted(-2, -2, 2, 2);
    Stamp stamp{QImage(box.size(), QImage::Format_ARGB32_Premultiplied), box.topLeft()};
    stamp.image.fill(Qt::transparent);
    QPainter painter(&stamp.image);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(-box.topLeft(), text);
    painter.end();
    const qsizetype bytes = stamp.image.sizeInBytes();
    if (bytes <= kStampBytes) Stamps().insert(key, new Stamp(stamp), bytes);
    return stamp;
}

}  // namespace

bool GlyphsFilledAsOutlines(const QFont& font)
{
    // Only fonts sized in pixels: a size in points would measure differently
    // on a stamp's image than on the screen.
    return font.pixelSize() > kLargestCachedGlyph;
}

bool WorthStamping(const QPainter& painter, const QFont& font)
{
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return false;
    if (!painter.device() || painter.device()->devicePixelRatio() != 1.0) return false;
    const QTransform& t = painter.deviceTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != std::round(t.dx()) || t.dy() != std::round(t.dy())) return false;
    return GlyphsFilledAsOutlines(font);
}

void DrawTextStamp(QPainter& painter, QPoint origin, const QFont& font, const QColor& color, const QString& text)
{
    const Stamp stamp = StampOf(font, color, text);
    painter.drawImage(origin + stamp.offset, stamp.image);
}

}  // namespace rimora
