#pragma once
// The two numbers every lacing starts from: the hole counts and the cross
// numbers, each brought into the range the pattern can be laced in.

namespace rimora {

constexpr int kMaxCrossNumber = 4;
// More holes than any hub or rim has. The lacing and the drawing share it, so
// a count the table laces is one the drawing draws; it keeps the hole numbers'
// texts and the work of both bounded.
constexpr int kMaxHoleCount = 999;

// Cross numbers can be typed out of range before their spin box pulls them
// back; the lacing only ever sees 0 .. 4.
int LimitCrossNumber(int cross);

// The hole count when it is one from 1 to kMaxHoleCount; else
// EWheelInputError: for 0 or less, that no count is chosen yet.
int CheckHoleCount(int count);

}  // namespace rimora
