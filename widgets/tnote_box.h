#pragma once
#include "platform/component.h"

#include <QPlainTextEdit>

namespace rimora {

// A box of text over several lines, wrapped at the box's width, that keeps
// at most `maxLength` characters: a paste beyond them is cut at the limit.
class TNoteBox : public QPlainTextEdit, public Component, public ITextControl {
    Q_OBJECT
public:
    TNoteBox(QWidget* parent, const QString& name, int maxLength);
    QString Name() const override { return objectName(); }
    QString Text() const override { return toPlainText(); }
    void SetText(const QString& text) override;

private:
    void KeepToLength();

    int maxLength_;
    qsizetype limit_ = 0;  // maxLength_, or the longer text last set
};

}  // namespace rimora
