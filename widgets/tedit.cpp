#include "widgets/tedit.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace rimora {

TEdit::TEdit(QWidget* parent, const QString& name) : QLineEdit(parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, [this] { Fire(OnChange); });
}

void TEdit::SetText(const QString& value)
{
    if (value == text()) return;
    // A longer text than typing may reach (one read from a file) is kept
    // whole: the next save must not cut it.
    if (value.size() > maxLength()) setMaxLength(static_cast<int>(value.size()));
    setText(value);
}

int WidthShowing(const QLineEdit& edit, const QString& longest)
{
    // What QLineEdit itself adds around its text: a fixed margin of 2 on each
    // side, the text margins, room for the cursor, then the style's frame.
    constexpr int kLineEditMargin = 2;
    const QFontMetrics metrics(edit.font());
    const QMargins text = edit.textMargins();
    const QSize content(metrics.horizontalAdvance(longest) + 2 * kLineEditMargin + text.left() + text.right() + 1,
                        metrics.height());
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, content, &edit).width();
}

}  // namespace rimora
