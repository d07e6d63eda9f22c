#pragma once
// The lacing steps of a laced wheel in the command line's two forms: lines
// to read (each step's title and text, then its spokes), and one JSON object
// (every step with its text and spokes {hub, rim, side, head, direction}).
#include "lacing/lacing_steps.h"
#include "sheet/laced_wheel.h"

#include <QString>

namespace rimora {

// The steps of a prepared wheel (PrepareWheel), its table as it stands.
LacingSteps StepsOfWheel(const LacedWheel& wheel);

QString StepsLines(const LacingSteps& steps);
QString StepsJson(const QString& fileName, const LacingSteps& steps);

}  // namespace rimora
