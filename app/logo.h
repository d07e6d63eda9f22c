#pragma once
#include <QPixmap>

namespace rimora {

// The program's logo: a small laced wheel beside the name, drawn in code so
// that it stays sharp at any size and needs no picture file.
QPixmap RimoraLogo(qreal devicePixelRatio = 2.0);
// The window icon, the same wheel alone.
QIcon RimoraIcon();

}  // namespace rimora
