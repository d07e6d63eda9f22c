#pragma once
// A red frame over an input whose text does not convert. The frame is a
// child drawn over the input, so the input keeps its own look, font and
// size, and the layout around it does not move.
class QWidget;

namespace rimora {

void SetInputMarked(QWidget* input, bool marked);
bool InputMarked(const QWidget* input);

}  // namespace rimora
