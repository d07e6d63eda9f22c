#pragma once
// Colour values as the program stores them: 32 bits, red in the low byte,
// green, blue above it; 0xFF in the top byte marks a system colour whose
// index is in the low byte.
#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

namespace rimora {

using TColor = std::int32_t;

constexpr TColor RGBColor(int red, int green, int blue)
{
    return static_cast<TColor>(static_cast<std::uint32_t>(red & 0xFF) | (static_cast<std::uint32_t>(green & 0xFF) << 8)
                               | (static_cast<std::uint32_t>(blue & 0xFF) << 16));
}

constexpr TColor SystemColor(int index)
{
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}

constexpr bool IsSystemColor(TColor color)
{
    return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

namespace colors {
constexpr TColor Black = RGBColor(0, 0, 0);
constexpr TColor Maroon = RGBColor(128, 0, 0);
constexpr TColor Green = RGBColor(0, 128, 0);
constexpr TColor Olive = RGBColor(128, 128, 0);
constexpr TColor Navy = RGBColor(0, 0, 128);
constexpr TColor Purple = RGBColor(128, 0, 128);
constexpr TColor Teal = RGBColor(0, 128, 128);
constexpr TColor Gray = RGBColor(128, 128, 128);
constexpr TColor Silver = RGBColor(192, 192, 192);
constexpr TColor Red = RGBColor(255, 0, 0);
constexpr TColor Lime = RGBColor(0, 255, 0);
constexpr TColor Yellow = RGBColor(255, 255, 0);
constexpr TColor Blue = RGBColor(0, 0, 255);
constexpr TColor Fuchsia = RGBColor(255, 0, 255);
constexpr TColor Aqua = RGBColor(0, 255, 255);
constexpr TColor White = RGBColor(255, 255, 255);
constexpr TColor MoneyGreen = RGBColor(192, 220, 192);
constexpr TColor SkyBlue = RGBColor(166, 202, 240);
constexpr TColor Cream = RGBColor(255, 251, 240);
constexpr TColor MedGray = RGBColor(160, 160, 164);
// System colours used by name in the program.
constexpr TColor WindowBackground = SystemColor(5);
constexpr TColor InactiveBorder = SystemColor(11);
constexpr TColor ButtonFace = SystemColor(15);
// What a colour box with nothing selected reports.
constexpr TColor NoSelection = SystemColor(0);
}  // namespace colors

struct NamedColor {
    TColor value;
    QString name;
};

// The lists a colour box offers, in the order it shows them.
const std::vector<NamedColor>& StandardColors();
const std::vector<NamedColor>& ExtendedColors();
const std::vector<NamedColor>& SystemColors();

// A readable name for a colour of one of the lists, else "#RRGGBB".
QString ColorName(TColor color);

// System colours become the current palette's colour; plain colours are unchanged.
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

}  // namespace rimora
