// Controls as a person uses them: what a spin box shows after the focus
// leaves it, what the mouse wheel does over a colour box, and a caption in
// large type.
#include "platform/recording_desktop.h"
#include "widgets/simple_controls.h"
#include "widgets/tcolor_box.h"
#include "widgets/tcombo_box.h"
#include "widgets/tedit.h"
#include "widgets/tnote_box.h"
#include "widgets/tspin_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "support/image_difference.h"

using namespace rimora;

namespace {

void LeaveFocus(TSpinEdit& spin)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&spin, &out);
}

bool Scroll(QWidget& widget, int steps)  // whether the box took the wheel from the page behind
{
    // One notch of a mouse wheel is 120; a positive delta turns up the list.
    QWheelEvent wheel(QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120 * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
    return wheel.isAccepted();
}

// A click: the press, then the focus back from the pop-up list (offscreen drops it).
void Click(QWidget& box)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(), Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&box, &press);
    if (auto* list = qobject_cast<QComboBox*>(&box)) list->hidePopup();
    box.window()->activateWindow();
    QApplication::processEvents();
    box.setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace

TEST(SpinBox, ShowsTheValueItUsesOnceTheFocusLeaves)
{
    struct Row { const char* typed; const char* shown; };
    const Row rows[] = {
        {"3", "3"},   {"9", "4"},   {"-2", "0"},  {"007", "4"}, {"02", "2"},
        {"99999999999", "4"},       {"-99999999999", "0"},      {"", "0"}, {"+", "0"},
    };
    for (const Row& row : rows) {
        TSpinEdit spin(nullptr, QStringLiteral("CLE"), 0, 4, 3);
        int changes = 0;
        spin.OnChange = [&] { ++changes; };
        spin.SetText(QString::fromLatin1(row.typed));
        const int changesWhileTyping = changes;
        LeaveFocus(spin);
        EXPECT_EQ(spin.Text(), QString::fromLatin1(row.shown)) << row.typed;
        EXPECT_EQ(spin.Value(), spin.Text().toInt()) << row.typed;
        // Settling the text is a change the program hears, and only then.
        EXPECT_EQ(changes - changesWhileTyping, spin.Text() == QString::fromLatin1(row.typed) ? 0 : 1) << row.typed;
    }
}

TEST(ColorBox, WheelTurnsOnlyWhenPickedAndNeverOpensTheDialog)
{
    RecordingDesktop desktop;
    SetDesktop(&desktop);
    struct Restore { ~Restore() { SetDesktop(nullptr); } } restore;
    QWidget window;
    auto* box = new TColorBox(&window, QStringLiteral("CL1"), colors::Red);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    int changes = 0;
    box->OnChange = [&] { ++changes; };
    window.show();
    window.activateWindow();
    QApplication::processEvents();

    other->setFocus();
    QApplication::processEvents();
    const TColor before = box->Selected();
    Scroll(*box, 3);
    EXPECT_EQ(box->Selected(), before) << "a wheel passing over the box must not change it";
    EXPECT_EQ(changes, 0);

    box->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(box->hasFocus());
    Scroll(*box, 1);
    EXPECT_NE(box->Selected(), before);
    EXPECT_EQ(changes, 1);

    // Far past the last colour: it stops on the last colour, asks no dialog.
    Scroll(*box, 200);
    EXPECT_TRUE(desktop.colorRequests.isEmpty());
    EXPECT_EQ(box->currentIndex(), box->count() - 2);
    EXPECT_NE(box->Selected(), colors::NoSelection);
    Scroll(*box, -300);
    EXPECT_EQ(box->currentIndex(), 0);
}

// A list or number box turns with the wheel once a click or Tab picked it; the focus
// handed over by a page change or the program leaves the wheel to the page behind.
TEST(WheelOverAControl, TurnsItOnlyOnceTheUserPickedIt)
{
    const struct {
        const char* way;
        std::vector<Qt::FocusReason> arrivals;  // each from another control; "Mouse": a real click
        bool turns;
    } rows[] = {{"never focused", {}, false},
                {"handed over by a page change", {Qt::OtherFocusReason}, false},
                {"reached with Tab", {Qt::TabFocusReason}, true},
                {"clicked after a page change", {Qt::OtherFocusReason, Qt::MouseFocusReason}, true},
                {"picked, back from another window", {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}, true},
                {"picked, later handed over again", {Qt::TabFocusReason, Qt::OtherFocusReason}, false}};
    int changes = 0;
    const std::function<QWidget*(QWidget*)> kinds[] = {
        [&](QWidget* p) { auto* b = new TComboBox(p, "HubCB", {"24"}); b->OnChange = [&] { ++changes; }; return b; },
        [&](QWidget* p) { auto* b = new TColorBox(p, "CL1", colors::Red); b->OnChange = [&] { ++changes; }; return b; },
        [&](QWidget* p) { auto* b = new TSpinEdit(p, "CLE", 0, 4, 2); b->OnChange = [&] { ++changes; }; return b; }};
    for (const auto& make : kinds) {
        for (const auto& row : rows) {
            QWidget window;
            QWidget* box = make(&window);
            SCOPED_TRACE(std::string(box->metaObject()->className()) + ", " + row.way);
            auto* other = new QLineEdit(&window);
            window.show();
            window.activateWindow();
            QApplication::processEvents();
            for (const Qt::FocusReason reason : row.arrivals) {
                other->setFocus(Qt::TabFocusReason);
                reason == Qt::MouseFocusReason ? Click(*box) : box->setFocus(reason);
            }
            changes = 0;
            EXPECT_EQ(Scroll(*box, 1), row.turns);
            EXPECT_EQ(changes, row.turns ? 1 : 0);
        }
    }
}

// A caption too large for Qt's glyph cache is drawn from a picture of itself;
// it must look as Qt's own label does, also after its text, colour or size
// change.
TEST(Label, LargeCaptionLooksAsQtDrawsItAndFollowsEveryChange)
{
    TLabel label(nullptr, QStringLiteral("TitleL"), QStringLiteral("Rimora Ver0.02"));
    QLabel plain(QStringLiteral("Rimora Ver0.02"));
    const auto same = [&](const char* when) {
        SCOPED_TRACE(when);
        plain.setFont(label.font());
        plain.setPalette(label.palette());
        plain.resize(label.size());
        const test::ImageDifference d = test::CompareImages(label.grab().toImage(), plain.grab().toImage());
        EXPECT_LE(d.largest, 1) << d.pixels << " pixels differ";
    };
    label.SetFontSize(100);
    label.SetFontColor(colors::Navy);
    label.adjustSize();
    same("first paint");
    label.SetCaption(QStringLiteral("Rimora"));
    plain.setText(QStringLiteral("Rimora"));
    same("new text");
    label.SetFontColor(colors::Red);
    same("new colour");
    label.resize(label.width() / 2, label.height());
    same("narrower");
    label.SetFontSize(12);  // small again: Qt's own painting
    label.adjustSize();
    same("small type");
}

// Typing stops at a text box's limit, but a longer text read from a file is
// kept whole: the next save must not cut it.
TEST(TextLimit, StopsTypingAndKeepsWhatWasRead)
{
    QWidget parent;
    TEdit name(&parent, QStringLiteral("HubNameE"));
    name.setMaxLength(5);
    TNoteBox remarks(&parent, QStringLiteral("RemarksM"), 5);
    const QString read(12, QLatin1Char('x'));
    name.SetText(read);
    remarks.SetText(read);
    EXPECT_EQ(name.Text(), read);
    EXPECT_EQ(remarks.toPlainText(), read);
    remarks.SetText(QString());
    remarks.insertPlainText(read);  // typed or pasted
    EXPECT_EQ(remarks.toPlainText(), QString(5, QLatin1Char('x')));
}
