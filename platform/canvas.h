#pragma once
// A small drawing surface over a QPainter with the operations the lacing table
// and the wheel drawing use. Coordinates are logical pixels; the painter's
// device pixel ratio makes the same drawing sharp on dense screens. Font sizes
// are in points at 96 pixels per inch, whatever the device reports, so that a
// drawing has the same proportions on every screen and in an image.
#include "platform/color.h"

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

namespace rimora {

enum class BrushStyle { Solid, Clear };
enum class PenStyle { Solid, Dash, Dot, Clear };

// Flags of DrawText.
enum DrawTextFlags : unsigned {
    DT_Left = 0x0,
    DT_Center = 0x1,
    DT_Right = 0x2,
    DT_VCenter = 0x4,
    DT_SingleLine = 0x20,
};

class Canvas {
public:
    // Shortcuts leave covered areas alone (LeaveAlone) and draw large text
    // from stamps; without them every operation is Qt's own, for comparing.
    enum class Shortcuts { On, Off };
    explicit Canvas(QPainter& painter, Shortcuts shortcuts = Shortcuts::On);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void SetBrushStyle(BrushStyle style) { brushStyle_ = style; }
    void SetBrushColor(TColor color);

    void SetPenColor(TColor color);
    void SetPenStyle(PenStyle style);
    void SetPenWidth(int width);

    void SetFontName(const QString& family);
    void SetFontSize(int points);
    void SetFontStyle(bool bold, bool italic);
    void SetFontColor(TColor color) { fontColor_ = color; }
    const QFont& Font() const { return font_; }

    void FillRect(const QRect& rect);
    // Ellipse inside the box from (x1, y1) up to, not including, (x2, y2),
    // filled with the brush and outlined with the pen.
    void Ellipse(int x1, int y1, int x2, int y2);
    void MoveTo(int x, int y) { pen_ = QPoint(x, y); }
    void LineTo(int x, int y);
    // Text with its top-left corner at (x, y); a solid brush fills behind it.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // Text in a rectangle by DrawTextFlags. Without DT_SingleLine a vertical
    // centre request has no effect: the text starts at the top.
    void DrawText(const QRect& rect, unsigned flags, const QString& text);

    // What later opaque painting will cover: on a raster device the
    // operations that follow leave it alone until the next call (an empty
    // region paints everywhere again). Elsewhere it changes nothing: a vector
    // file would carry the clip, and a scaled painter could round it onto
    // pixels nothing covers later.
    void LeaveAlone(const QRegion& covered);

private:
    void ApplyPen();
    bool ClipsCheaply() const;

    QPainter& painter_;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    TColor brushColor_ = colors::White;
    TColor penColor_ = colors::Black;
    PenStyle penStyle_ = PenStyle::Solid;
    int penWidth_ = 1;
    QFont font_;
    TColor fontColor_ = colors::Black;
    QPoint pen_;
    bool shortcuts_ = true;
    bool leavingAlone_ = false;
};

}  // namespace rimora
