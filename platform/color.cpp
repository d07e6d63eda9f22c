#include "platform/color.h"

#include <QGuiApplication>
#include <QPalette>

namespace rimora {

namespace {

struct SystemEntry {
    int index;
    const char* name;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    TColor fallback;  // used when no application palette exists
};

// The system colours of the classic desktop, each taken from the nearest role
// of the running style's palette so that they follow the user's theme.
const SystemEntry kSystemEntries[] = {
    {0, "Scroll Bar", QPalette::Active, QPalette::Mid, RGBColor(200, 200, 200)},
    {1, "Desktop", QPalette::Active, QPalette::Dark, RGBColor(0, 0, 0)},
    {2, "Active Caption", QPalette::Active, QPalette::Highlight, RGBColor(153, 180, 209)},
    {3, "Inactive Caption", QPalette::Inactive, QPalette::Mid, RGBColor(191, 205, 219)},
    {4, "Menu", QPalette::Active, QPalette::Window, RGBColor(240, 240, 240)},
    {5, "Window Background", QPalette::Active, QPalette::Base, RGBColor(255, 255, 255)},
    {6, "Window Frame", QPalette::Active, QPalette::Shadow, RGBColor(100, 100, 100)},
    {7, "Menu Text", QPalette::Active, QPalette::WindowText, RGBColor(0, 0, 0)},
    {8, "Window Text", QPalette::Active, QPalette::Text, RGBColor(0, 0, 0)},
    {9, "Caption Text", QPalette::Active, QPalette::HighlightedText, RGBColor(0, 0, 0)},
    {10, "Active Border", QPalette::Active, QPalette::Midlight, RGBColor(180, 180, 180)},
    {11, "Inactive Border", QPalette::Active, QPalette::AlternateBase, RGBColor(244, 247, 252)},
    {12, "Application Workspace", QPalette::Active, QPalette::Dark, RGBColor(171, 171, 171)},
    {13, "Highlight", QPalette::Active, QPalette::Highlight, RGBColor(0, 120, 215)},
    {14, "Highlighted Text", QPalette::Active, QPalette::HighlightedText, RGBColor(255, 255, 255)},
    {15, "Button Face", QPalette::Active, QPalette::Button, RGBColor(240, 240, 240)},
    {16, "Button Shadow", QPalette::Active, QPalette::Dark, RGBColor(160, 160, 160)},
    {17, "Grey Text", QPalette::Disabled, QPalette::Text, RGBColor(109, 109, 109)},
    {18, "Button Text", QPalette::Active, QPalette::ButtonText, RGBColor(0, 0, 0)},
    {19, "Inactive Caption Text", QPalette::Inactive, QPalette::WindowText, RGBColor(0, 0, 0)},
    {20, "Button Highlight", QPalette::Active, QPalette::Light, RGBColor(255, 255, 255)},
    {21, "3D Dark Shadow", QPalette::Active, QPalette::Shadow, RGBColor(105, 105, 105)},
    {22, "3D Light", QPalette::Active, QPalette::Midlight, RGBColor(227, 227, 227)},
    {23, "Info Text", QPalette::Active, QPalette::ToolTipText, RGBColor(0, 0, 0)},
    {24, "Info Background", QPalette::Active, QPalette::ToolTipBase, RGBColor(255, 255, 225)},
    {26, "Hot Light", QPalette::Active, QPalette::Link, RGBColor(0, 102, 204)},
    {27, "Gradient Active Caption", QPalette::Active, QPalette::Highlight, RGBColor(185, 209, 234)},
    {28, "Gradient Inactive Caption", QPalette::Inactive, QPalette::Midlight, RGBColor(215, 228, 242)},
    {29, "Menu Highlight", QPalette::Active, QPalette::Highlight, RGBColor(0, 120, 215)},
    {30, "Menu Bar", QPalette::Active, QPalette::Window, RGBColor(240, 240, 240)},
};

}  // namespace

const std::vector<NamedColor>& StandardColors()
{
    static const std::vector<NamedColor> list = {
        {colors::Black, QStringLiteral("Black")},   {colors::Maroon, QStringLiteral("Maroon")},
        {colors::Green, QStringLiteral("Green")},   {colors::Olive, QStringLiteral("Olive")},
        {colors::Navy, QStringLiteral("Navy")},     {colors::Purple, QStringLiteral("Purple")},
        {colors::Teal, QStringLiteral("Teal")},     {colors::Gray, QStringLiteral("Grey")},
        {colors::Silver, QStringLiteral("Silver")}, {colors::Red, QStringLiteral("Red")},
        {colors::Lime, QStringLiteral("Lime")},     {colors::Yellow, QStringLiteral("Yellow")},
        {colors::Blue, QStringLiteral("Blue")},     {colors::Fuchsia, QStringLiteral("Fuchsia")},
        {colors::Aqua, QStringLiteral("Aqua")},     {colors::White, QStringLiteral("White")},
    };
    return list;
}

const std::vector<NamedColor>& ExtendedColors()
{
    static const std::vector<NamedColor> list = {
        {colors::MoneyGreen, QStringLiteral("Money Green")},
        {colors::SkyBlue, QStringLiteral("Sky Blue")},
        {colors::Cream, QStringLiteral("Cream")},
        {colors::MedGray, QStringLiteral("Medium Grey")},
    };
    return list;
}

const std::vector<NamedColor>& SystemColors()
{
    static const std::vector<NamedColor> list = [] {
        std::vector<NamedColor> out;
        for (const SystemEntry& e : kSystemEntries) out.push_back({SystemColor(e.index), QString::fromLatin1(e.name)});
        return out;
    }();
    return list;
}

QString ColorName(TColor color)
{
    for (const auto* list : {&StandardColors(), &ExtendedColors(), &SystemColors()})
        for (const NamedColor& c : *list)
            if (c.value == color) return c.name;
    const QColor q = ToQColor(color);
    return q.name(QColor::HexRgb).toUpper();
}

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color)) return color;
    const int index = static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF);
    for (const SystemEntry& e : kSystemEntries) {
        if (e.index != index) continue;
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return e.fallback;
        return FromQColor(QGuiApplication::palette().color(e.group, e.role));
    }
    return colors::Black;
}

QColor ToQColor(TColor color)
{
    const auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>((rgb >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color)
{
    return RGBColor(color.red(), color.green(), color.blue());
}

}  // namespace rimora
