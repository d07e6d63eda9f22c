#include "widgets/tnote_box.h"

#include <QTextCursor>
#include <algorithm>

namespace rimora {

TNoteBox::TNoteBox(QWidget* parent, const QString& name, int maxLength)
    : QPlainTextEdit(parent), maxLength_(maxLength), limit_(maxLength)
{
    setObjectName(name);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab moves on to the next control; a tab character is no remark.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &TNoteBox::KeepToLength);
}

void TNoteBox::SetText(const QString& text)
{
    // A longer text read from a file is kept whole: saving must not cut it.
    limit_ = std::max<qsizetype>(maxLength_, text.size());
    if (text != toPlainText()) setPlainText(text);
}

void TNoteBox::KeepToLength()
{
    if (document()->characterCount() - 1 <= limit_) return;
    QTextCursor cut(document());
    cut.setPosition(static_cast<int>(limit_));
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

}  // namespace rimora
