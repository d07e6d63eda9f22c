#include "persist/wheel_text.h"

namespace rimora {

namespace {

// What the file's reader takes off a value's ends: blanks, and a pair of
// double quotes around it.
bool ReaderWouldChange(const QString& value)
{
    if (value.isEmpty()) return false;
    const auto loose = [](QChar c) { return c == QLatin1Char('"') || c.isSpace(); };
    return loose(value.front()) || loose(value.back());
}

}  // namespace

QString WheelTextForFile(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            out += QLatin1String("\\\\");
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            out += QLatin1String("\\n");
        } else {
            out += c;
        }
    }
    return ReaderWouldChange(out) ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

QString WheelTextFromFile(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        if (c == QLatin1Char('\\') && next == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            ++i;
        } else if (c == QLatin1Char('\\') && next == QLatin1Char('n')) {
            out += QLatin1Char('\n');
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace rimora
