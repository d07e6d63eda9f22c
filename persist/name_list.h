#pragma once
// The list of control names that a store leaves out of its control-value
// records, written as one line of text.
#include <QString>
#include <QStringList>

namespace rimora {

// Items are separated by commas; blanks and control characters (codes 1 to
// 32) also end an item and are skipped around items and after each comma. An
// item that begins with a double quote runs to its closing quote and may hold
// commas and blanks, two double quotes standing for one. A comma at the very
// end adds one empty item.
QStringList ParseNameList(const QString& text);

}  // namespace rimora
