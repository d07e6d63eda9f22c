#pragma once
// The items of the wheel's drop-down lists. A profile stores the index of
// the chosen item, so whoever reads a profile maps indices through these lists.
#include <QCoreApplication>
#include <QStringList>

namespace rimora {

// Rim sizes: a name, a colon and the bead seat diameter in millimetres.
inline QStringList RimSizeItems()
{
    return {QStringLiteral("700c:622"),     QStringLiteral("26MTB:559"),    QStringLiteral("650C:571"),
            QStringLiteral("650B:584"),     QStringLiteral("650A:590"),     QStringLiteral("26*1 3/8:590"),
            QStringLiteral("24*1 3/8:540"), QStringLiteral("24\"BMX:507"),  QStringLiteral("20*1 3/8:451"),
            QStringLiteral("20\"BMX:406"),  QStringLiteral("17*1 1/4:369"), QStringLiteral("16\"1 3/8:349"),
            QStringLiteral("16*1.75:305"),  QStringLiteral("550A:490"),     QStringLiteral("500A:448"),
            QStringLiteral("400A:340"),     QStringLiteral("27\":630")};
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

}  // namespace rimora
