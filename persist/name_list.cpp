#include "persist/name_list.h"

namespace rimora {

namespace {

bool IsSeparatorBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

}  // namespace

QStringList ParseNameList(const QString& text)
{
    QStringList items;
    const qsizetype n = text.size();
    // A NUL character ends the text, as it always has for this list.
    auto at = [&](qsizetype i) { return i < n ? text[i] : QChar(); };
    qsizetype i = 0;
    while (IsSeparatorBlank(at(i))) ++i;
    while (!at(i).isNull()) {
        QString item;
        if (at(i) == QLatin1Char('"')) {
            ++i;
            while (!at(i).isNull()) {
                if (at(i) == QLatin1Char('"')) {
                    if (at(i + 1) != QLatin1Char('"')) {
                        ++i;
                        break;
                    }
                    ++i;  // a doubled quote stands for one
                }
                item += at(i);
                ++i;
            }
        } else {
            const qsizetype start = i;
            while (at(i).unicode() > 32 && at(i) != QLatin1Char(',')) ++i;
            item = text.mid(start, i - start);
        }
        items << item;
        while (IsSeparatorBlank(at(i))) ++i;
        if (at(i) == QLatin1Char(',')) {
            if (at(i + 1).isNull()) items << QString();
            ++i;
            while (IsSeparatorBlank(at(i))) ++i;
        }
    }
    return items;
}

}  // namespace rimora
