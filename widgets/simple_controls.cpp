#include "widgets/simple_controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QTimer>

namespace rimora {

TLabel::TLabel(QWidget* parent, const QString& name, const QString& caption) : QLabel(caption, parent)
{
    setObjectName(name);
}

void TLabel::SetFontSize(int points)
{
    QFont f = font();
    f.setPixelSize(std::max(1, qRound(points * 96.0 / 72.0)));
    setFont(f);
}

void TLabel::SetFontColor(TColor color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(color));
    setPalette(p);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Fire(OnClick);
}

// A label drawn as Qt draws a frameless plain-text caption: the style's item
// text over the whole label, in the label's font and foreground colour. Other
// labels (rich text, frames, margins, a picture, selectable text) keep Qt's
// own painting.
bool TLabel::PaintsPlainCaption() const
{
    const bool plain = textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
    return plain && frameWidth() == 0 && margin() == 0 && indent() <= 0 && pixmap().isNull() && !buddy()
           && !(textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
}

void TLabel::paintEvent(QPaintEvent* event)
{
    if (!GlyphsFilledAsOutlines(font()) || devicePixelRatio() != 1.0 || !PaintsPlainCaption()) {
        QLabel::paintEvent(event);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    const int flags = QStyle::visualAlignment(text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment())
                      | (wordWrap() ? Qt::TextWordWrap : 0)
                      | (text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    const QString key = text() + QLatin1Char('|') + font().key() + QLatin1Char('|')
                        + QString::number(option.palette.brush(foregroundRole()).color().rgba(), 16)
                        + QLatin1Char('|') + QString::number(flags) + QLatin1Char('|') + QString::number(int(isEnabled()));
    const QImage& picture = stamped_.Picture(key, size(), [&](QImage& image) {
        QPainter painter(&image);
        painter.setFont(font());
        style()->drawItemText(&painter, rect(), flags, option.palette, isEnabled(), text(), foregroundRole());
    });
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

TPanel::TPanel(QWidget* parent, const QString& name) : QFrame(parent)
{
    setObjectName(name);
}

TButton::TButton(QWidget* parent, const QString& name, const QString& caption) : QPushButton(caption, parent)
{
    setObjectName(name);
    connect(this, &QPushButton::clicked, this, [this] { Fire(OnClick); });
}

void TButton::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown) {
        const Qt::MouseButton button = event->button();
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        RunGuarded([&] { OnMouseDown(button, modifiers); });
    }
    QPushButton::mousePressEvent(event);
}

void TButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    QStyleOptionButton button;
    initStyleOption(&button);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
    frame.backgroundColor = palette().color(QPalette::Button);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

TImage::TImage(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
}

void TImage::SetPicture(const QPixmap& pixmap)
{
    picture_ = pixmap;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Fire(OnClick);
}

TMemo::TMemo(QWidget* parent, const QString& name) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

TPageControl::TPageControl(QWidget* parent, const QString& name) : QTabWidget(parent)
{
    setObjectName(name);
}

TStatusBar::TStatusBar(QWidget* parent, const QString& name) : QStatusBar(parent)
{
    setObjectName(name);
    setSizeGripEnabled(true);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("MessageL"));
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    // The label's own width never widens the window; it wraps instead.
    message_->setMinimumWidth(1);
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(message_, 1);
    doneTimer_ = new QTimer(this);
    doneTimer_->setSingleShot(true);
    doneTimer_->setInterval(10000);
    connect(doneTimer_, &QTimer::timeout, this, [this] {
        done_.clear();
        ShowMessage(simple_);
    });
}

QString TStatusBar::SimpleText() const
{
    return simple_;
}

void TStatusBar::SetSimpleText(const QString& text)
{
    // Every drawing sets the text again; only news takes the place of the
    // message of something done.
    if (text != simple_) {
        done_.clear();
        doneTimer_->stop();
    }
    simple_ = text;
    if (done_.isEmpty()) ShowMessage(text);
}

void TStatusBar::ShowDone(const QString& text)
{
    done_ = text;
    ShowMessage(text);
    doneTimer_->start();
}

void TStatusBar::ShowMessage(const QString& text)
{
    setToolTip(text);
    message_->setText(text);
}

}  // namespace rimora

namespace rimora {

QString TStatusBar::Note() const
{
    return note_ ? note_->text() : QString();
}

void TStatusBar::SetNote(const QString& text, const QString& detail)
{
    if (!note_) {
        if (text.isEmpty()) return;
        note_ = new QLabel(this);
        note_->setObjectName(QStringLiteral("NoteL"));
        addPermanentWidget(note_);
    }
    note_->setText(text);
    note_->setToolTip(detail);
    note_->setVisible(!text.isEmpty());
}

}  // namespace rimora
