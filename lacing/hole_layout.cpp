#include "lacing/hole_layout.h"

#include "lacing/lacing_pattern.h"
#include "platform/convert.h"
#include "platform/number_text.h"

#include <QCoreApplication>
#include <cmath>

namespace rimora {

bool HoleLayout::Plain() const
{
    return split == EqualFlanges && flangeOffset == kUsualFlangeOffset && hubPair == 0 && rimPair == 0;
}

int HoleLayout::FlangeHoles(bool left) const
{
    if (!TwoToOne()) return left ? (hubCount + 1) / 2 : hubCount / 2;
    const int fewer = hubCount / 3;
    return left == FewerOnLeft() ? fewer : hubCount - fewer;
}

bool HoleLayout::HubLeft(int hole) const
{
    if (!TwoToOne()) return hole % 2 != 0;
    const bool fewer = (hole - 1) % 3 == 0;
    return fewer == FewerOnLeft();
}

double UsualFlangeOffset(const HoleLayout& layout)
{
    const int more = std::max(layout.FlangeHoles(true), layout.FlangeHoles(false));
    return more > 0 ? 180.0 / more : 0.0;
}

double HoleLayout::HubAngle(int hole) const
{
    if (hubCount < 1) return 0;
    if (!TwoToOne() && flangeOffset == kUsualFlangeOffset && hubPair == 0)
        return hole * 360.0 / hubCount;
    const double offset = flangeOffset == kUsualFlangeOffset ? UsualFlangeOffset(*this) : flangeOffset;
    if (TwoToOne()) {
        // Groups of three: the lone hole `offset` behind the first of the two.
        const int more = hubCount - hubCount / 3;
        const double pitch = 360.0 / more;
        const int group = (hole - 1) / 3;
        switch ((hole - 1) % 3) {
        case 0: return (2 * group + 1) * pitch - offset;
        case 1: return (2 * group + 1) * pitch;
        default: return (2 * group + 2) * pitch;
        }
    }
    // Equal flanges: the right holes at q * P, each left hole `offset` behind one.
    const double pitch = 720.0 / hubCount;
    const bool left = hole % 2 != 0;
    const int position = left ? (hole - 1) / 2 : (hole - 2) / 2;
    double angle = left ? (position + 1) * pitch - offset : (position + 1) * pitch;
    if (hubPair > 0) {
        // The lacing takes the hub hole ahead of its rim hole (a trailing
        // spoke) at flange positions of one parity, turned by the cross
        // number; the leading hole of each pair sits ahead, so each hole moves
        // half the pair's closing toward its partner.
        const int side = left ? 0 : 1;
        const int cross = left ? leftCross : rightCross;
        const bool leading = ((position - cross + side) % 2 + 2) % 2 != 0;
        const double shift = (pitch - hubPair) / 2.0;
        angle += leading ? -shift : shift;
    }
    return angle;
}

double HoleLayout::RimAngle(int hole) const
{
    if (rimCount < 1) return 0;
    if (rimPair == 0) return hole * 360.0 / rimCount;
    // Holes 2q − 1 and 2q about the place their middle had, q = 1 .. n / 2.
    const int pair = (hole + 1) / 2;
    const double middle = (2 * pair - 0.5) * 360.0 / rimCount;
    return hole % 2 != 0 ? middle - rimPair / 2.0 : middle + rimPair / 2.0;
}

int HoleLayout::RimSide(int hole) const
{
    switch (drilling) {
    case CentredDrilling: return 0;
    case GroupDrilling:
        if (TwoToOne()) return (((hole - 1) % 3 == 0) == FewerOnLeft()) ? 1 : -1;
        [[fallthrough]];
    default: return hole % 2 != 0 ? 1 : -1;
    }
}

double HoleLayout::Span(int hub, int rim) const
{
    if (Plain()) return SpokeSpan(hub, hubCount, rim, rimCount);
    return FoldedSpan(RimAngle(rim) - HubAngle(hub));
}

int KnownHubSplit(int hubSplit)
{
    return hubSplit == MoreRight || hubSplit == MoreLeft ? hubSplit : EqualFlanges;
}

HoleLayout LayoutOf(const Wheel& wheel)
{
    HoleLayout layout;
    layout.hubCount = wheel.hubHoles;
    layout.rimCount = wheel.rimHoles;
    layout.split = KnownHubSplit(wheel.hubSplit);
    layout.drilling = wheel.rimDrilling;
    layout.flangeOffset = wheel.flangeOffset > 0 ? wheel.flangeOffset : kUsualFlangeOffset;
    layout.hubPair = wheel.hubPairAngle > 0 ? wheel.hubPairAngle : 0;
    layout.rimPair = wheel.rimPairAngle > 0 ? wheel.rimPairAngle : 0;
    layout.leftCross = wheel.leftCross;
    layout.rightCross = wheel.rightCross;
    return layout;
}

QString LayoutProblem(const HoleLayout& l)
{
    if (l.hubCount < 1 || l.rimCount < 1) return {};
    if (l.TwoToOne()) {
        if (l.hubCount % 3 != 0)
            return QCoreApplication::translate("Lacing", "A 2:1 hub shares its holes in groups of three; %1 HUB holes is no multiple of 3.")
                .arg(l.hubCount);
        if (l.rimCount != l.hubCount)
            return QCoreApplication::translate("Lacing", "A 2:1 hub of %1 holes laces a rim of as many holes; RIM has %2.").arg(l.hubCount).arg(l.rimCount);
        if (l.hubPair > 0 || l.rimPair > 0)
            return QCoreApplication::translate("Lacing", "Paired holes go with equal flanges; set the pair angles to 0 for a 2:1 hub.");
    }
    if (l.hubPair > 0) {
        if (l.hubCount % 4 != 0 || l.rimCount != l.hubCount)
            return QCoreApplication::translate("Lacing", "A paired hub needs an even number of holes on each flange and a rim of as many holes; "
                      "HUB has %1, RIM %2.")
                .arg(l.hubCount)
                .arg(l.rimCount);
        if (l.hubPair >= 720.0 / l.hubCount)
            return QCoreApplication::translate("Lacing", "The hub's pair angle %1° reaches the flange's pitch of %2°.")
                .arg(FloatToStr(l.hubPair), AngleText(720.0 / l.hubCount, Marks::RegionUngrouped, 2));
    }
    if (l.rimPair > 0) {
        if (l.rimCount % 2 != 0) return QCoreApplication::translate("Lacing", "A paired rim needs an even hole count; RIM has %1.").arg(l.rimCount);
        if (l.rimPair >= 360.0 / l.rimCount)
            return QCoreApplication::translate("Lacing", "The rim's pair angle %1° reaches the rim's pitch of %2°.")
                .arg(FloatToStr(l.rimPair), AngleText(360.0 / l.rimCount, Marks::RegionUngrouped, 2));
    }
    if (l.flangeOffset != kUsualFlangeOffset) {
        const int more = std::max(l.FlangeHoles(true), l.FlangeHoles(false));
        const double pitch = 360.0 / more;
        if (l.flangeOffset >= pitch)
            return QCoreApplication::translate("Lacing", "The flange offset %1° reaches the pitch of the flange with more holes, %2°.")
                .arg(FloatToStr(l.flangeOffset), AngleText(pitch, Marks::RegionUngrouped, 2));
    }
    return {};
}

}  // namespace rimora
