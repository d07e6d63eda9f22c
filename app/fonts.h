#pragma once
// The faces the window asks for, with the faces a Linux desktop has in their
// place: Tahoma falls back to the narrower DejaVu Sans Condensed, the Japanese Gothic faces to IPA
// Gothic. Sizes are in pixels so that they do not grow with the screen's dpi.
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

// The inputs' monospaced Japanese face.
inline QFont GothicMonoFont(int pixelSize)
{
    return FaceFont({QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                     QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")},
                    pixelSize);
}

inline QFont UiGothicFont(int pixelSize, bool bold, bool italic)
{
    return FaceFont({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                     QStringLiteral("DejaVu Sans")},
                    pixelSize, bold, italic);
}

}  // namespace rimora
