// What a spin box takes while it is typed into, and what an overlong number
// settles to, for every short text of the characters that matter: the sign,
// digits of two scripts, a space, a letter and a decimal mark. The answers
// are held against patterns that say the rule in one line each.
#include "widgets/tspin_edit.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace rimora {
namespace {

QStringList TextsUpTo(int length)
{
    const QString alphabet = QStringLiteral("+-07 a.") + QChar(0x0663);  // ٣, an Arabic-Indic three
    QStringList texts = {QString()};
    QStringList last = texts;
    for (int n = 1; n <= length; ++n) {
        QStringList next;
        for (const QString& t : last)
            for (const QChar c : alphabet) next << t + c;
        texts << next;
        last = next;
    }
    return texts;
}

TEST(SpinText, TypedTextIsTakenWhenItIsASignAndDigits)
{
    const QRegularExpression complete(QStringLiteral("^[+-]?\\d+$"));
    const QRegularExpression partial(QStringLiteral("^[+-]?$"));
    TSpinEdit spin(nullptr, QStringLiteral("RIMBK"), 0, 20, 8);
    for (QString text : TextsUpTo(4)) {
        const QValidator::State expected = complete.match(text).hasMatch() ? QValidator::Acceptable
                                           : partial.match(text).hasMatch() ? QValidator::Intermediate
                                                                            : QValidator::Invalid;
        int pos = 0;
        EXPECT_EQ(spin.validate(text, pos), expected) << '"' << text.toStdString() << '"';
    }
}

// More digits than a whole number holds settle on the nearer end of the
// range; any other text the box cannot read settles as a plainly unreadable
// text does.
int SettledValue(const QString& text)
{
    TSpinEdit spin(nullptr, QStringLiteral("RIMBK"), 0, 20, 8);
    spin.SetText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&spin, &out);
    return spin.Value();
}

TEST(SpinText, OverlongNumbersSettleOnTheNearerEnd)
{
    const QRegularExpression overlong(QStringLiteral("^ *[+-]?\\d+$"));
    const int unreadable = SettledValue(QStringLiteral("x"));
    for (const QString& lead : TextsUpTo(3)) {
        const QString text = lead + QStringLiteral("99999999999");
        const int expected = !overlong.match(text).hasMatch()  ? unreadable
                             : text.trimmed().startsWith(u'-') ? 0
                                                               : 20;
        EXPECT_EQ(SettledValue(text), expected) << '"' << text.toStdString() << '"';
    }
}

}  // namespace
}  // namespace rimora
