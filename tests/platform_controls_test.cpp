// Controls as a person uses them: what a spin box shows after the focus
// leaves it, what the mouse wheel does over a list or number box, and a
// caption in large type.
#include "platform/recording_desktop.h"
#include "platform/simple_controls.h"
#include "platform/tcolor_box.h"
#include "platform/tcombo_box.h"
#include "platform/tspin_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStyleOption>
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

// Whether the control took the wheel (else it passes on to the page behind).
bool Scroll(QWidget& widget, int steps)
{
    // One notch of a mouse wheel is 120; a positive delta turns up the list.
    QWheelEvent wheel(QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120 * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
    return wheel.isAccepted();
}

void SendFocus(QWidget& widget, QEvent::Type type, Qt::FocusReason reason)
{
    QFocusEvent event(type, reason);
    QCoreApplication::sendEvent(&widget, &event);
}

// A press of the left button on the part of the control under (5, 5).
void Press(QWidget& widget)
{
    QWidget* part = widget.childAt(5, 5) ? widget.childAt(5, 5) : &widget;
    const QPointF at = part->mapFrom(&widget, QPointF(5, 5));
    QMouseEvent press(QEvent::MouseButtonPress, at, part->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(part, &press);
    if (auto* list = qobject_cast<QComboBox*>(&widget)) {
        list->hidePopup();
        QApplication::processEvents();
        // A desktop hands the focus back as the list closes; the offscreen one drops it.
        if (!list->hasFocus()) {
            list->window()->activateWindow();
            list->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
    QApplication::processEvents();
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

// How the focus reached a list or number box decides whether the mouse wheel
// may turn it: a click or Tab picks it; the focus handed over when a tab page
// comes up, or by the program, leaves the wheel to the page behind.
TEST(WheelOverAControl, TurnsItOnlyOnceTheUserPickedIt)
{
    struct Way {
        const char* name;
        std::function<void(QWidget& box, QWidget& other)> focus;
        bool turns;
    };
    const Way ways[] = {
        {"never focused", [](QWidget&, QWidget&) {}, false},
        {"focus handed over by a page change", [](QWidget& b, QWidget&) { b.setFocus(Qt::OtherFocusReason); }, false},
        {"reached with Tab", [](QWidget& b, QWidget&) { b.setFocus(Qt::TabFocusReason); }, true},
        {"reached with Shift+Tab", [](QWidget& b, QWidget&) { b.setFocus(Qt::BacktabFocusReason); }, true},
        {"focused by a click", [](QWidget& b, QWidget&) { b.setFocus(Qt::MouseFocusReason); }, true},
        {"clicked after a page change focused it",
         [](QWidget& b, QWidget&) {
             b.setFocus(Qt::OtherFocusReason);
             Press(b);
         },
         true},
        {"picked, then away to another window and back",
         [](QWidget& b, QWidget&) {
             b.setFocus(Qt::TabFocusReason);
             SendFocus(b, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
             SendFocus(b, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
         },
         true},
        {"picked, left, then handed the focus again",
         [](QWidget& b, QWidget& other) {
             b.setFocus(Qt::TabFocusReason);
             other.setFocus(Qt::TabFocusReason);
             b.setFocus(Qt::OtherFocusReason);
         },
         false},
    };
    struct Kind {
        const char* name;
        std::function<QWidget*(QWidget* parent, int& changes)> make;
        std::function<int(QWidget&)> value;
    };
    const Kind kinds[] = {
        {"drop-down list",
         [](QWidget* parent, int& changes) {
             auto* list = new TComboBox(parent, QStringLiteral("HubCB"), {QStringLiteral("24"), QStringLiteral("28"),
                                                                          QStringLiteral("32")});
             list->SetItemIndex(1);
             list->OnChange = [&changes] { ++changes; };
             return list;
         },
         [](QWidget& w) { return static_cast<TComboBox&>(w).ItemIndex(); }},
        {"colour box",
         [](QWidget* parent, int& changes) {
             auto* box = new TColorBox(parent, QStringLiteral("CL1"), colors::SkyBlue);
             box->OnChange = [&changes] { ++changes; };
             return box;
         },
         [](QWidget& w) { return static_cast<int>(static_cast<TColorBox&>(w).Selected()); }},
        {"spin box",
         [](QWidget* parent, int& changes) {
             auto* spin = new TSpinEdit(parent, QStringLiteral("CLE"), 0, 4, 2);
             spin->OnChange = [&changes] { ++changes; };
             return spin;
         },
         [](QWidget& w) { return static_cast<TSpinEdit&>(w).Value(); }},
    };
    for (const Kind& kind : kinds) {
        for (const Way& way : ways) {
            SCOPED_TRACE(std::string(kind.name) + ", " + way.name);
            QWidget window;
            int changes = 0;
            QWidget* box = kind.make(&window, changes);
            auto* other = new QLineEdit(&window);
            other->move(0, 40);
            window.show();
            window.activateWindow();
            other->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            way.focus(*box, *other);
            QApplication::processEvents();
            const int before = kind.value(*box);
            changes = 0;
            EXPECT_EQ(Scroll(*box, 1), way.turns);
            EXPECT_EQ(kind.value(*box) != before, way.turns);
            EXPECT_EQ(changes, way.turns ? 1 : 0);
        }
    }
}

// The box a click picked shows its focus frame, so the user sees which box
// the wheel turns; focus merely handed over by a page change does not.
TEST(WheelOverAControl, ABoxPickedByAClickShowsItsFocus)
{
    const auto framed = [](const QWidget& box) {
        QStyleOption option;
        option.initFrom(&box);
        return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
    };
    for (const bool clicked : {false, true}) {
        SCOPED_TRACE(clicked ? "clicked" : "handed the focus");
        QWidget window;
        auto* spin = new TSpinEdit(&window, QStringLiteral("CRE"), 0, 4, 3);
        window.show();
        window.activateWindow();
        spin->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        if (clicked) Press(*spin);
        EXPECT_EQ(framed(*spin), clicked);
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
