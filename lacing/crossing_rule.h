#pragma once
// The crossing rule: which hole a spoke from a given hole reaches when it
// crosses c other spokes on its flange. Odd holes are on the left flange and
// use the left cross number, even holes the right one. Holes whose number
// leaves 0 or 1 when divided by 4 lead forward by 2c positions, those leaving
// 2 or 3 trail back by 2c, so the spokes of each flange alternate direction.
#include <QString>

namespace rimora {

constexpr int kMaxCrossNumber = 4;
// More holes than any hub or rim has. The lacing and the drawing share it, so
// a count the table laces is one the drawing draws; it keeps the hole numbers'
// texts and the work of both bounded.
constexpr int kMaxHoleCount = 999;

// Cross numbers can be typed out of range before their spin box pulls them
// back; the rule only ever sees 0 .. 4, so a partner is never negative.
int LimitCrossNumber(int cross);

// A hole count as a whole number from 1 to kMaxHoleCount. EConvertError for a
// text that is no whole number, EWheelInputError for one out of that range.
int HoleCountFromText(const QString& text);

// The partner of hole `hole` on a circle of `holeCount` holes, 1 .. holeCount
// (hole holeCount stands in for hole 0). EWheelInputError unless holeCount >= 1.
int CrossedHoleNumber(int hole, int holeCount, int leftCross, int rightCross);

// The same for a hole number given as text, the partner written "%.2d".
// EConvertError when the text is no whole number.
QString CrossedHole(const QString& holeText, int hubCount, int leftCross, int rightCross);

}  // namespace rimora
