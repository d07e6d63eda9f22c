#pragma once
// Everything one drawing of the wheel reads, as the controls hold it at the
// moment of the drawing. Texts stay texts: the drawing reads them all before
// it paints, and a text that does not convert gives a note naming its input in
// place of the wheel. The defaults are the design values of the controls.
#include "drawing/credits_overlay.h"
#include "platform/color.h"
#include "wheel/wheel.h"

#include <QString>

namespace rimora {


struct WheelDrawingInputs {
    int width = 482;   // paint box, logical pixels
    int height = 354;
    int beadSeat = 622;  // mm, from BeadSeatDiameter() of the rim-type text

    QString erdText = QStringLiteral("590");  // ErdE, decimal mm
    int rimInnerMm = 1;                       // RIMID: rim's inner edge inside the ERD radius
    int rimBandMm = 8;                        // RIMBK: radial height of the outer band
    QString rightFlangeText = QStringLiteral("41");  // dRE, decimal mm
    QString leftFlangeText = QStringLiteral("41");   // dLE, decimal mm
    int hubMarginMm = 6;                      // HUBOD: hub disc beyond the flange hole circle
    int spokeWidth = 2;                       // SpkD, pixels
    QString hubCountText;                     // HubCB, empty until a count is chosen
    QString rimCountText;                     // RimCB
    QString angleDiffText = QStringLiteral("0");  // AdE, decimal degrees

    TColor background = colors::SkyBlue;  // CL1, also the inside of the rim
    TColor rimOuter = colors::Silver;     // CL2, outer band
    TColor rimInner = colors::Gray;       // CL3, inner band; text contrasts with it
    TColor hub = colors::MedGray;         // CL4
    TColor rightSpoke = colors::Blue;     // CL5, even hub holes
    TColor leftSpoke = colors::Lime;      // CL6, odd hub holes

    int sideIndex = BothSides;  // Ssd; -1 (nothing selected) draws both sides
    bool numbers = true;        // RNCB: rim hole numbers
    bool hubNumbers = false;    // HNCB: hub hole numbers, in the side colours
    bool credits = true;        // ShowCredits != 0
    CreditsTitle creditsTitle;  // the title label's text and face, to find it room
};

}  // namespace rimora
