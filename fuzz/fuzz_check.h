#pragma once
// A broken promise found while fuzzing: print what and stop, so that libFuzzer
// keeps the input that showed it.
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace rimora::fuzz {

[[noreturn]] inline void Broken(const QString& what)
{
    std::fprintf(stderr, "broken: %s\n", what.toUtf8().constData());
    std::abort();
}

inline void Check(bool ok, const QString& what)
{
    if (!ok) Broken(what);
}

// Text with control characters shown, for messages.
inline QString Shown(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

}  // namespace rimora::fuzz
