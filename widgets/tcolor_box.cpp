#include "widgets/tcolor_box.h"

#include "platform/desktop.h"
#include "widgets/picked_wheel.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>
#include <algorithm>

namespace rimora {

namespace {

constexpr int kColorRole = Qt::UserRole + 1;

QIcon PaintSwatch(TColor color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

// Seven boxes show the same fifty colours: each swatch is painted once.
QIcon Swatch(TColor color)
{
    static QHash<TColor, QIcon> cache;
    auto found = cache.constFind(color);
    if (found == cache.constEnd()) found = cache.insert(color, PaintSwatch(color));
    return *found;
}

}  // namespace

TColorBox::TColorBox(QWidget* parent, const QString& name, TColor defaultColor)
    : QComboBox(parent), default_(defaultColor)
{
    setObjectName(name);
    setMaxVisibleItems(16);
    // Sized by its window, never by measuring its fifty names at the first layout.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    setFocusPolicy(Qt::StrongFocus);
    TurnOnlyWhenPicked(this);
    int at = 0;
    for (const auto* list : {&StandardColors(), &ExtendedColors(), &SystemColors()})
        // The names are English in the tables and shown in the user's language.
        for (const NamedColor& c : *list)
            AddColorItem(at++, c.value, QCoreApplication::translate("Colors", c.name.toUtf8().constData()));
    addItem(tr("Custom..."));
    SelectQuietly(IndexOf(defaultColor));
    connect(this, &QComboBox::activated, this, &TColorBox::ChooseItem);
}

void TColorBox::AddColorItem(int at, TColor color, const QString& name)
{
    insertItem(at, Swatch(color), name);
    setItemData(at, color, kColorRole);
}

int TColorBox::IndexOf(TColor color) const
{
    for (int i = 0; i < CustomEntryIndex(); ++i)
        if (itemData(i, kColorRole).toInt() == color) return i;
    return -1;
}

void TColorBox::SelectQuietly(int index)
{
    lastIndex_ = index;
    setCurrentIndex(index);
}

TColor TColorBox::Selected() const
{
    const int index = currentIndex();
    if (index < 0 || index >= CustomEntryIndex()) return colors::NoSelection;
    return static_cast<TColor>(itemData(index, kColorRole).toInt());
}

void TColorBox::SetSelected(TColor color)
{
    // A top byte that marks neither a plain nor a system colour (a settings
    // file edited by hand, a stray number) is dropped: the box keeps the
    // colour it shows, as a plain colour, and stores that.
    if (!IsSystemColor(color)) color &= 0x00FFFFFF;
    int index = IndexOf(color);
    if (index < 0) {
        // A colour of no list becomes the one custom item, just above the
        // entry that opens the dialog.
        const QString name = ToQColor(color).name(QColor::HexRgb).toUpper();
        if (customColorIndex_ < 0) {
            customColorIndex_ = CustomEntryIndex();
            AddColorItem(customColorIndex_, color, name);
        } else {
            setItemIcon(customColorIndex_, Swatch(color));
            setItemText(customColorIndex_, name);
            setItemData(customColorIndex_, color, kColorRole);
        }
        index = customColorIndex_;
    }
    SelectQuietly(index);
}

void TColorBox::wheelEvent(QWheelEvent* event)
{
    // Reached only once the user picked the box (see TurnOnlyWhenPicked).
    event->accept();
    // A notch is 120; fine-grained wheels send parts of one.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ %= 120;
    if (notches == 0) return;
    const int lastColor = CustomEntryIndex() - 1;
    const int next = std::clamp(currentIndex() - notches, 0, lastColor);
    if (next != currentIndex()) ChooseItem(next);
}

void TColorBox::ChooseItem(int index)
{
    if (index == CustomEntryIndex()) {
        QColor start = ToQColor(Selected());
        if (!CurrentDesktop().ChooseColor(start)) {
            SelectQuietly(lastIndex_);
            return;
        }
        SetSelected(FromQColor(start));
        Fire(OnChange);
        return;
    }
    if (index == lastIndex_) return;
    SelectQuietly(index);
    Fire(OnChange);
}

}  // namespace rimora
