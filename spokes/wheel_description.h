#pragma once
// The wheel's description at the head of the summary.
#include "wheel/wheel.h"

#include <QString>
#include <QStringList>

namespace rimora {

// The ten lines, the last of them empty, that head the summary: the profile's
// name, the rim size and every dimension, numbers in the region's notation.
QStringList WheelDescriptionLines(const Wheel& wheel, const QString& profileName);

// One text for the memo, every line ended by CR LF.
QString JoinSummaryText(const QStringList& lines);

}  // namespace rimora
