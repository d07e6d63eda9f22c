#pragma once
// The faces the window asks for, with the faces a Linux desktop has in their
// place: Tahoma falls back to the narrower DejaVu Sans Condensed, the Japanese Gothic faces to IPA
// Gothic, the inputs' face to DejaVu Sans Mono. Sizes are in pixels so that they do not grow with the screen's dpi.
#include <QFont>
#include <QStringList>

namespace rimora {

inline QFont FaceFont(const QStringList& families, int pixelSize, bool bold = false, bool italic = false)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

inline QFont TahomaFont(int pixelSize)
{
    return FaceFont({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                     QStringLiteral("Sans Serif")},
                    pixelSize);
}

// The inputs' monospaced face: a Latin one first, so that digits and the
// decimal mark sit evenly ("27.5", not "27. 5" with a half-width gap); the
// Japanese Gothic faces only stand in for Japanese text.
inline QFont InputFont(int pixelSize)
{
    return FaceFont({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("Consolas"),
                     QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("Monospace")},
                    pixelSize);
}

inline QFont UiGothicFont(int pixelSize, bool bold, bool italic)
{
    return FaceFont({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                     QStringLiteral("DejaVu Sans")},
                    pixelSize, bold, italic);
}

}  // namespace rimora
