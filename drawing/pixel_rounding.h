#pragma once
// Turning measurements into pixel coordinates. The wheel is laid out with
// halves rounded to the even neighbour, so that the same inputs always land on
// the same pixels. A value that no pixel coordinate can hold is an input
// error, never a silent wrap-around.
namespace rimora {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Throws EWheelInputError when the value is not a finite 32-bit number.
int RoundHalfEven(double value);

}  // namespace rimora
