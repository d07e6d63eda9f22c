#pragma once
// The controls that hold no stored value: captions, panels, buttons, an
// image, a memo, tabs and the status bar, each with the notices the program
// uses.
#include "platform/component.h"
#include "widgets/notice.h"
#include "platform/text_stamp.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>

namespace rimora {

using MouseNotice = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers)>;

class TLabel : public QLabel, public Component {
    Q_OBJECT
public:
    TLabel(QWidget* parent, const QString& name, const QString& caption);
    QString Name() const override { return objectName(); }
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

    // Points at 96 pixels per inch, as the drawing measures its type.
    void SetFontSize(int points);
    void SetFontColor(TColor color);

    Notice OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A caption in large type (the title over the wheel) is painted once
    // into a picture and drawn from it while it stays the same.
    void paintEvent(QPaintEvent* event) override;

private:
    bool PaintsPlainCaption() const;

    StampedPainting stamped_;
};

class TPanel : public QFrame, public Component {
    Q_OBJECT
public:
    TPanel(QWidget* parent, const QString& name);
    QString Name() const override { return objectName(); }
};

class TButton : public QPushButton, public Component {
    Q_OBJECT
public:
    TButton(QWidget* parent, const QString& name, const QString& caption);
    QString Name() const override { return objectName(); }

    Notice OnClick;
    MouseNotice OnMouseDown;  // any mouse button pressed on the button

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Fusion marks a focused button only by a slightly bluer outline; the
    // button reached with Tab shows the focus frame a check box shows.
    void paintEvent(QPaintEvent* event) override;
};

// A picture stretched to the control's size.
class TImage : public QWidget, public Component {
    Q_OBJECT
public:
    TImage(QWidget* parent, const QString& name);
    QString Name() const override { return objectName(); }
    void SetPicture(const QPixmap& pixmap);
    const QPixmap& Picture() const { return picture_; }

    Notice OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

class TMemo : public QPlainTextEdit, public Component {
    Q_OBJECT
public:
    TMemo(QWidget* parent, const QString& name);
    QString Name() const override { return objectName(); }
    QString Text() const { return toPlainText(); }
    void SetText(const QString& text) { setPlainText(text); }
};

class TPageControl : public QTabWidget, public Component {
    Q_OBJECT
public:
    TPageControl(QWidget* parent, const QString& name);
    QString Name() const override { return objectName(); }
};

class TStatusBar : public QStatusBar, public Component {
    Q_OBJECT
public:
    TStatusBar(QWidget* parent, const QString& name);
    QString Name() const override { return objectName(); }
    // The bar's own message. A text wider than the window wraps onto more
    // lines and the bar grows to show it whole.
    QString SimpleText() const;
    void SetSimpleText(const QString& text);
    // A note that stays for the whole run at the bar's right end, beside
    // whatever the simple text says; `detail` is its tooltip. Empty: none.
    QString Note() const;
    void SetNote(const QString& text, const QString& detail = {});
    // What the user has just had done ("Saved ..."), in the simple text's
    // place for a few seconds or until the simple text changes.
    void ShowDone(const QString& text);
    // The message of something done while it is shown, else empty.
    QString DoneText() const { return done_; }

private:
    void ShowMessage(const QString& text);

    QLabel* message_ = nullptr;
    QLabel* note_ = nullptr;
    QString simple_;
    QString done_;
    QTimer* doneTimer_ = nullptr;
};

}  // namespace rimora
