#pragma once
// The wheel's description at the head of the summary: the main window's
// texts, shown exactly as they stand ("27.50" stays "27.50").
#include <QString>
#include <QStringList>

namespace rimora {

struct WheelDescriptionTexts {
    QString profile;      // ProfL caption, the profile file's name
    QString rimType;      // TyCB, e.g. "700c:622"
    QString hubHoles;     // HubCB
    QString rimHoles;     // RimCB
    QString erd;          // ErdE
    QString leftOffset;   // WLE
    QString rightOffset;  // WRE
    QString leftFlange;   // dLE
    QString rightFlange;  // dRE
    QString spokeHole;    // ShE
    QString leftCross;    // CLE
    QString rightCross;   // CRE
};

// The ten lines, the last of them empty, that head the summary.
QStringList WheelDescriptionLines(const WheelDescriptionTexts& texts);

// One text for the memo, every line ended by CR LF.
QString JoinSummaryText(const QStringList& lines);

}  // namespace rimora
