#pragma once
// The items of the wheel's drop-down lists. A profile stores the index of
// the chosen item, so whoever reads a profile maps indices through these lists.
#include <QCoreApplication>
#include <QStringList>

namespace rimora {

struct RimSize {
    const char* name;  // as the list shows it: a name, a colon and the bead seat
    int beadSeat;      // mm
};

inline constexpr RimSize kRimSizes[] = {
    {"700c:622", 622},     {"26MTB:559", 559},    {"650C:571", 571},     {"650B:584", 584},
    {"650A:590", 590},     {"26*1 3/8:590", 590}, {"24*1 3/8:540", 540}, {"24\"BMX:507", 507},
    {"20*1 3/8:451", 451}, {"20\"BMX:406", 406},  {"17*1 1/4:369", 369}, {"16\"1 3/8:349", 349},
    {"16*1.75:305", 305},  {"550A:490", 490},     {"500A:448", 448},     {"400A:340", 340},
    {"27\":630", 630}};

// Rim sizes, as the list shows them.
inline QStringList RimSizeItems()
{
    QStringList items;
    for (const RimSize& size : kRimSizes) items << QString::fromUtf8(size.name);
    return items;
}

// Hole counts of hubs and rims, most holes first.
inline QStringList HoleCountItems()
{
    return {QStringLiteral("36"), QStringLiteral("32"), QStringLiteral("28"), QStringLiteral("24"),
            QStringLiteral("20"), QStringLiteral("18"), QStringLiteral("16")};
}

// Steps, in mm, in which spokes are sold.
inline QStringList OrderStepItems()
{
    return {QStringLiteral("1"), QStringLiteral("2")};
}

// The drawing's side choice, in the user's language; stored by its index.
inline QStringList SpokeSideItems()
{
    return {QCoreApplication::translate("Wheel", "both side"), QCoreApplication::translate("Wheel", "left side"),
            QCoreApplication::translate("Wheel", "right side")};
}

// The hub kinds (HubKind), in the user's language; stored by its index.
inline QStringList HubKindItems()
{
    return {QCoreApplication::translate("Wheel", "J-bend"), QCoreApplication::translate("Wheel", "straight-pull")};
}

// Which spokes sit heads out (HeadsPattern); stored by its index.
inline QStringList HeadsItems()
{
    return {QCoreApplication::translate("Wheel", "trailing heads out"),
            QCoreApplication::translate("Wheel", "leading heads out"), QCoreApplication::translate("Wheel", "all heads in"),
            QCoreApplication::translate("Wheel", "all heads out")};
}

// The hub's split between its flanges (HubSplit); stored by its index.
inline QStringList HubSplitItems()
{
    return {QCoreApplication::translate("Wheel", "equal flanges"),
            QCoreApplication::translate("Wheel", "2:1, more holes right"),
            QCoreApplication::translate("Wheel", "2:1, more holes left")};
}

// The rim's drilling (RimDrilling); stored by its index.
inline QStringList RimDrillingItems()
{
    return {QCoreApplication::translate("Wheel", "alternate"), QCoreApplication::translate("Wheel", "in groups for 2:1"),
            QCoreApplication::translate("Wheel", "centred")};
}

// The crossed side's pattern of a 2:1 wheel (CrossedPattern); stored by its
// index. The dialog adds the span each gives.
inline QStringList CrossedPatternItems()
{
    return {QCoreApplication::translate("Wheel", "shorter span"), QCoreApplication::translate("Wheel", "longer span")};
}

}  // namespace rimora
