#pragma once
// The pictures of the profile bar's Save and Open buttons.
#include <QIcon>

class QStyle;

namespace rimora {

QIcon SaveProfileIcon(const QStyle& style);
QIcon OpenProfileIcon(const QStyle& style);

}  // namespace rimora
