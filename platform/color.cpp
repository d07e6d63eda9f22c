#include "platform/color.h"

#include <QCoreApplication>
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
    {0, QT_TRANSLATE_NOOP("Colors", "Scroll Bar"), QPalette::Active, QPalette::Mid, RGBColor(200, 200, 200)},
    {1, QT_TRANSLATE_NOOP("Colors", "Desktop"), QPalette::Active, QPalette::Dark, RGBColor(0, 0, 0)},
    {2, QT_TRANSLATE_NOOP("Colors", "Active Caption"), QPalette::Active, QPalette::Highlight, RGBColor(153, 180, 209)},
    {3, QT_TRANSLATE_NOOP("Colors", "Inactive Caption"), QPalette::Inactive, QPalette::Mid, RGBColor(191, 205, 219)},
    {4, QT_TRANSLATE_NOOP("Colors", "Menu"), QPalette::Active, QPalette::Window, RGBColor(240, 240, 240)},
    {5, QT_TRANSLATE_NOOP("Colors", "Window Background"), QPalette::Active, QPalette::Base, RGBColor(255, 255, 255)},
    {6, QT_TRANSLATE_NOOP("Colors", "Window Frame"), QPalette::Active, QPalette::Shadow, RGBColor(100, 100, 100)},
    {7, QT_TRANSLATE_NOOP("Colors", "Menu Text"), QPalette::Active, QPalette::WindowText, RGBColor(0, 0, 0)},
    {8, QT_TRANSLATE_NOOP("Colors", "Window Text"), QPalette::Active, QPalette::Text, RGBColor(0, 0, 0)},
    {9, QT_TRANSLATE_NOOP("Colors", "Caption Text"), QPalette::Active, QPalette::HighlightedText, RGBColor(0, 0, 0)},
    {10, QT_TRANSLATE_NOOP("Colors", "Active Border"), QPalette::Active, QPalette::Midlight, RGBColor(180, 180, 180)},
    {11, QT_TRANSLATE_NOOP("Colors", "Inactive Border"), QPalette::Active, QPalette::AlternateBase,
     RGBColor(244, 247, 252)},
    {12, QT_TRANSLATE_NOOP("Colors", "Application Workspace"), QPalette::Active, QPalette::Dark,
     RGBColor(171, 171, 171)},
    {13, QT_TRANSLATE_NOOP("Colors", "Highlight"), QPalette::Active, QPalette::Highlight, RGBColor(0, 120, 215)},
    {14, QT_TRANSLATE_NOOP("Colors", "Highlighted Text"), QPalette::Active, QPalette::HighlightedText,
     RGBColor(255, 255, 255)},
    {15, QT_TRANSLATE_NOOP("Colors", "Button Face"), QPalette::Active, QPalette::Button, RGBColor(240, 240, 240)},
    {16, QT_TRANSLATE_NOOP("Colors", "Button Shadow"), QPalette::Active, QPalette::Dark, RGBColor(160, 160, 160)},
    {17, QT_TRANSLATE_NOOP("Colors", "Grey Text"), QPalette::Disabled, QPalette::Text, RGBColor(109, 109, 109)},
    {18, QT_TRANSLATE_NOOP("Colors", "Button Text"), QPalette::Active, QPalette::ButtonText, RGBColor(0, 0, 0)},
    {19, QT_TRANSLATE_NOOP("Colors", "Inactive Caption Text"), QPalette::Inactive, QPalette::WindowText,
     RGBColor(0, 0, 0)},
    {20, QT_TRANSLATE_NOOP("Colors", "Button Highlight"), QPalette::Active, QPalette::Light, RGBColor(255, 255, 255)},
    {21, QT_TRANSLATE_NOOP("Colors", "3D Dark Shadow"), QPalette::Active, QPalette::Shadow, RGBColor(105, 105, 105)},
    {22, QT_TRANSLATE_NOOP("Colors", "3D Light"), QPalette::Active, QPalette::Midlight, RGBColor(227, 227, 227)},
    {23, QT_TRANSLATE_NOOP("Colors", "Info Text"), QPalette::Active, QPalette::ToolTipText, RGBColor(0, 0, 0)},
    {24, QT_TRANSLATE_NOOP("Colors", "Info Background"), QPalette::Active, QPalette::ToolTipBase,
     RGBColor(255, 255, 225)},
    {26, QT_TRANSLATE_NOOP("Colors", "Hot Light"), QPalette::Active, QPalette::Link, RGBColor(0, 102, 204)},
    {27, QT_TRANSLATE_NOOP("Colors", "Gradient Active Caption"), QPalette::Active, QPalette::Highlight,
     RGBColor(185, 209, 234)},
    {28, QT_TRANSLATE_NOOP("Colors", "Gradient Inactive Caption"), QPalette::Inactive, QPalette::Midlight,
     RGBColor(215, 228, 242)},
    {29, QT_TRANSLATE_NOOP("Colors", "Menu Highlight"), QPalette::Active, QPalette::Highlight, RGBColor(0, 120, 215)},
    {30, QT_TRANSLATE_NOOP("Colors", "Menu Bar"), QPalette::Active, QPalette::Window, RGBColor(240, 240, 240)},
};

}  // namespace

const std::vector<NamedColor>& StandardColors()
{
    static const std::vector<NamedColor> list = {
        {colors::Black, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Black"))},
        {colors::Maroon, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Maroon"))},
        {colors::Green, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Green"))},
        {colors::Olive, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Olive"))},
        {colors::Navy, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Navy"))},
        {colors::Purple, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Purple"))},
        {colors::Teal, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Teal"))},
        {colors::Gray, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Grey"))},
        {colors::Silver, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Silver"))},
        {colors::Red, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Red"))},
        {colors::Lime, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Lime"))},
        {colors::Yellow, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Yellow"))},
        {colors::Blue, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Blue"))},
        {colors::Fuchsia, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Fuchsia"))},
        {colors::Aqua, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Aqua"))},
        {colors::White, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "White"))},
    };
    return list;
}

const std::vector<NamedColor>& ExtendedColors()
{
    static const std::vector<NamedColor> list = {
        {colors::MoneyGreen, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Money Green"))},
        {colors::SkyBlue, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Sky Blue"))},
        {colors::Cream, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Cream"))},
        {colors::MedGray, QString::fromLatin1(QT_TRANSLATE_NOOP("Colors", "Medium Grey"))},
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
