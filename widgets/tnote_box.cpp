#include "widgets/tnote_box.h"

#include <QTextCursor>

namespace rimora {

TNoteBox::TNoteBox(QWidget* parent, const QString& name, int maxLength) : QPlainTextEdit(parent), maxLength_(maxLength)
{
    setObjectName(name);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab moves on to the next control; a tab character is no remark.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &TNoteBox::KeepToLength);
}

void TNoteBox::SetText(const QString& text)
{
    if (text != toPlainText()) setPlainText(text.left(maxLength_));
}

void TNoteBox::KeepToLength()
{
    if (document()->characterCount() - 1 <= maxLength_) return;
    QTextCursor cut(document());
    cut.setPosition(maxLength_);
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

}  // namespace rimora
