#pragma once
// A text of the wheel (a part's name, the builder's remarks) kept on one
// line of an INI file: line breaks are written as \n and backslashes as \\,
// and a text that the file's reader would trim or unquote is quoted, so
// that every text reads back exactly as it was written.
#include <QString>

namespace rimora {

// The value to write for `text`. Any line break (CR LF, CR or LF) becomes \n.
QString WheelTextForFile(const QString& text);
// The text of a value as the file's reader returns it. A backslash before
// anything but "n" or another backslash stays as it is.
QString WheelTextFromFile(const QString& value);

}  // namespace rimora
