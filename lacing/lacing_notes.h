#pragma once
// Plain words for the status bar when a laced pattern cannot be quite what was
// asked: a flange whose spokes cannot all alternate leading and trailing, or a
// cross number that sends spokes off their hub holes across the flange.
#include "lacing/lacing_pattern.h"

#include <QString>
#include <vector>

namespace rimora {

// How far each flange's hole circle reaches towards the rim: flange radius
// over rim radius (half the ERD). 0 when unknown, which still catches every
// spoke leaving its hole at a right angle or more.
struct FlangeReach {
    double left = 0;
    double right = 0;
};

// From the ERD and the two flange diameters, mm; a diameter that gives no
// reach (0 or less, or not finite) gives 0 for what it feeds.
FlangeReach FlangeReachOf(double erd, double leftFlange, double rightFlange);

// A laced spoke by its hub hole and the angle from that hole to its rim hole,
// degrees in (-180, 180], positive clockwise; the notes below judge a wheel
// from nothing else, so a table laced by hand is judged as one laced here.
struct SpannedSpoke {
    int hub = 0;
    double span = 0;
    int side = -1;  // 1 left, 0 right; -1 by the hole's number, odd holes left
};

// The spokes of a plan with the spans its holes give (SpokeSpan).
std::vector<SpannedSpoke> SpannedSpokesOf(const LacingPlan& plan, int hubCount, int rimCount);

// Names, per flange, the neighbouring hub holes whose spokes head the same way
// ("... cannot all alternate leading and trailing ..."); empty when they all
// alternate or the flange is laced radially. Spokes straight through the axle
// (half a turn) head neither way.
QString AlternationNote(const std::vector<SpannedSpoke>& spokes, int leftCross, int rightCross);
QString AlternationNote(const LacingPlan& plan, int hubCount, int rimCount, int leftCross, int rightCross);

// A warning per side whose spokes leave the hub beyond the tangent: the angle
// θ from hub hole to rim hole has cos θ below the flange's reach. It names the
// side and the largest cross number that stays within the tangent there.
QString BeyondTangentNote(const std::vector<SpannedSpoke>& spokes, int leftCross, int rightCross,
                          const FlangeReach& reach);
QString BeyondTangentNote(const LacingPlan& plan, int hubCount, int rimCount, int leftCross, int rightCross,
                          const FlangeReach& reach);

}  // namespace rimora
