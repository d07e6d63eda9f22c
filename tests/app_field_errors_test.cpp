// A text that does not convert stops "Calc!" and "Summary!" before anything is
// written, with a message that names the input by its caption on the window;
// the input gets a red frame until its text converts. The drawing shows a note
// in place of the wheel and names the input in the status bar.
#include "app/input_mark.h"
#include "app_window_fixture.h"
#include "lacing/lacing_table.h"
#include "wheel/wheel_fields.h"

#include <QImage>

namespace rimora::test {

namespace {

const QColor kFrameRed(0xD4, 0x00, 0x00);

using FieldErrorsTest = AppWindowTest;

struct FieldRow {
    const char* caption;  // as the window shows it
    WheelField field;
    const char* bad;
    const char* good;
    bool summary;  // pressed "Summary!", else "Calc!"
    bool whole;    // a whole number is expected
};

// Every input of the "Data" tab and the angle difference, each spoiled once.
// The lists hold no text but their items, so their bad text is none chosen.
const FieldRow kRows[] = {
    {"HUB", WheelField::HubHoles, "", "32", false, true},
    {"RIM", WheelField::RimHoles, "", "36", false, true},
    {"ERD", WheelField::Erd, "59o", "590", false, false},
    {"WL, width from center to left flange", WheelField::LeftOffset, "27;5", "27.5", false, false},
    {"WR, width from center to right flange", WheelField::RightOffset, "x", "18.1", true, false},
    {"dL, left flange diameter", WheelField::LeftFlange, "4l", "41", false, false},
    {"dR, right flange diameter", WheelField::RightFlange, "", "41", true, false},
    {"S, spoke hole diameter", WheelField::SpokeHole, "2.5mm", "2.5", false, false},
    {"CL, left cross", WheelField::LeftCross, "-", "3", true, true},
    {"CR, right cross", WheelField::RightCross, "+", "3", true, true},
    {"Rim offset", WheelField::RimOffset, "two", "0", false, false},
    {"Tension", WheelField::Tension, "12O", "120", true, false},
    {"Spoke Ø", WheelField::SpokeDiameter, "2,0,0", "2", true, false},
    {"Order step", WheelField::OrderStep, "", "2", true, true},
    {"angle difference", WheelField::AngleDifference, "half", "0", false, false},
};

QString TextOf(QWidget* control)
{
    if (auto* edit = qobject_cast<TEdit*>(control)) return edit->Text();
    if (auto* spin = qobject_cast<TSpinEdit*>(control)) return spin->Text();
    return qobject_cast<TComboBox*>(control)->Text();
}

void SetTextOf(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<TEdit*>(control)) return edit->SetText(text);
    if (auto* spin = qobject_cast<TSpinEdit*>(control)) return spin->SetText(text);
    auto* list = qobject_cast<TComboBox*>(control);
    list->SetItemIndex(list->findText(text));
}

// The frame as the user sees it: the input's own pixels on its left and right
// edges, half way down.
bool ShowsRedFrame(QWidget* control)
{
    const QImage image = control->grab().toImage();
    const int y = image.height() / 2;
    return image.pixelColor(0, y) == kFrameRed && image.pixelColor(image.width() - 1, y) == kFrameRed;
}

int MarkedInputs(const TMainF& f)
{
    int n = 0;
    for (const WheelField field : kAllWheelFields) n += InputMarked(f.FieldControl(field));
    return n;
}

}  // namespace

TEST_F(FieldErrorsTest, EachInputsBadTextIsNamedAndFramedUntilItConverts)
{
    Start();
    // Only the buttons read the texts here; the drawing's own check has its test.
    mainF->autoRedrawCheck->SetChecked(false);
    LaceWheel(*mainF, "32", "36");
    TMainF& f = *mainF;
    const QSize windowSize = f.size();
    for (const FieldRow& row : kRows) {
        SCOPED_TRACE(row.caption);
        QWidget* control = f.FieldControl(row.field);
        ASSERT_NE(control, nullptr);
        const QRect placed = control->geometry();
        SetTextOf(control, QString::fromUtf8(row.bad));
        ASSERT_EQ(TextOf(control), QString::fromUtf8(row.bad));
        // Lengths no calculation writes, to see that none ran.
        for (int r = 1; r <= 36; ++r) f.lacingGrid->SetCells(kLengthCol, r, QStringLiteral("1.0"));
        desktop.errors.clear();
        Click(row.summary ? static_cast<QWidget*>(f.summaryButton) : f.calcButton);
        Settle();

        ASSERT_EQ(desktop.errors.size(), 1) << Errors().toStdString();
        const QString message = desktop.errors[0];
        const QString caption = QString::fromUtf8(row.caption);
        EXPECT_EQ(FieldCaption(row.field), caption);
        EXPECT_TRUE(message.startsWith(caption + QStringLiteral(": "))) << message.toStdString();
        if (*row.bad) {
            const QString expected = row.whole ? QStringLiteral("is not a whole number")
                                               : QStringLiteral("is not a number (decimal mark '.')");
            EXPECT_EQ(message, caption + ": '" + QString::fromUtf8(row.bad) + "' " + expected);
        }
        EXPECT_EQ(f.lacingGrid->Cells(kLengthCol, 1), "1.0");
        EXPECT_EQ(f.lacingGrid->Cells(kLengthCol, 36), "1.0");

        // The frame is on this input and no other; nothing moved.
        EXPECT_TRUE(InputMarked(control));
        EXPECT_EQ(MarkedInputs(f), 1);
        EXPECT_TRUE(ShowsRedFrame(control));
        EXPECT_EQ(control->geometry(), placed);
        EXPECT_EQ(f.size(), windowSize);

        // Still no number: still framed. A number: the frame goes at once.
        if (auto* edit = qobject_cast<TEdit*>(control)) {
            edit->SetText(edit->Text() + QStringLiteral("?"));
            EXPECT_TRUE(InputMarked(control));
        }
        SetTextOf(control, QString::fromUtf8(row.good));
        EXPECT_FALSE(InputMarked(control));
        EXPECT_FALSE(ShowsRedFrame(control));
        EXPECT_EQ(control->geometry(), placed);
    }
    // All texts good again: both buttons work as before.
    desktop.errors.clear();
    Click(f.calcButton);
    Click(f.summaryButton);
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_NE(f.lacingGrid->Cells(kLengthCol, 1), "1.0");
}

// A bad ERD while the drawing redraws by itself: the paint box shows its
// background and a note, no rim, hub or spoke; the status bar names ERD and
// no box opens. The good text brings the wheel back.
TEST_F(FieldErrorsTest, DrawingWithABadErdShowsNoHalfWheel)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    TMainF& f = *mainF;
    const auto count = [&f](const QImage& image, TColor colour) {
        const QColor wanted = ToQColor(ColorToRGB(colour));
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == wanted;
        return n;
    };
    const QImage wheel = f.wheelPaintBox->grab().toImage();
    ASSERT_GT(count(wheel, f.rimOuterColourBox->Selected()), 1000);

    desktop.errors.clear();
    f.erdEdit->SetText(QStringLiteral("59o"));
    Settle();
    const QImage note = f.wheelPaintBox->grab().toImage();
    for (const TColorBox* part : {f.rimOuterColourBox, f.rimInnerColourBox, f.hubColourBox, f.rightSpokeColourBox, f.leftSpokeColourBox})
        EXPECT_EQ(count(note, part->Selected()), 0) << part->objectName().toStdString();
    EXPECT_GT(count(note, f.backgroundColourBox->Selected()), note.width() * note.height() * 9 / 10);
    EXPECT_TRUE(f.statusBar->SimpleText().startsWith(QStringLiteral("ERD: '59o' is not a number")))
        << f.statusBar->SimpleText().toStdString();
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_TRUE(InputMarked(f.erdEdit));
    EXPECT_TRUE(f.titleLabel->isHidden());

    f.erdEdit->SetText(QStringLiteral("590"));
    Settle();
    EXPECT_FALSE(InputMarked(f.erdEdit));
    EXPECT_FALSE(f.statusBar->SimpleText().contains(QStringLiteral("ERD")));
    EXPECT_EQ(f.wheelPaintBox->grab().toImage(), wheel);
}

}  // namespace rimora::test
