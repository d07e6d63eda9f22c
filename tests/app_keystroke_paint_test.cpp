// A key typed into a dimension of the wheel paints the wheel once: the paint
// itself, not a second pass over the labels that sit on the drawing. And what
// the window shows after each change, though only the wheel's boxes were
// repainted, is what a whole new paint gives.
#include "app_window_fixture.h"
#include "support/image_difference.h"

#include <QScreen>

namespace rimora::test {
namespace {

using KeystrokePaintTest = AppWindowTest;

struct Field {
    const char* name;
    TEdit* TMainF::*edit;
    const char* typed;  // each key leaves a whole, drawable value
};

const Field kFields[] = {
    {"ErdE", &TMainF::erdEdit, "5"},  {"WLE", &TMainF::leftOffsetEdit, "3"}, {"WRE", &TMainF::rightOffsetEdit, "2"},
    {"dLE", &TMainF::leftFlangeEdit, "4"},    {"dRE", &TMainF::rightFlangeEdit, "4"}, {"ShE", &TMainF::spokeHoleEdit, "2"},
};

// With and without the credits on the drawing, on a laced wheel and on one
// without hole counts (which paints rim and hub, then stops).
TEST_F(KeystrokePaintTest, EveryKeyTypedIntoADimensionPaintsTheWheelOnce)
{
    for (const bool laced : {true, false}) {
        for (const int credits : {-1, 0}) {
            SCOPED_TRACE(std::string(laced ? "laced" : "no hole counts") + (credits ? ", credits" : ", no credits"));
            Restart();
            if (laced) LaceWheel(*mainF, "36", "36");
            TMainF::ShowCredits = credits;
            Click(mainF->drawButton);
            Settle();
            for (const Field& field : kFields) {
                SCOPED_TRACE(field.name);
                TEdit* edit = (*mainF).*field.edit;
                edit->selectAll();
                for (const QChar key : QStringLiteral("%1%1%1").arg(QLatin1String(field.typed))) {
                    const int before = Paints();
                    Type(edit, QString(key));
                    Settle();
                    EXPECT_EQ(Paints() - before, 1) << "after \"" << edit->Text().toStdString() << '"';
                }
                EXPECT_EQ(edit->Text(), QString(QLatin1String(field.typed)).repeated(3));
            }
            EXPECT_EQ(mainF->titleLabel->isVisible(), credits != 0);
        }
    }
    TMainF::ShowCredits = -1;
}

// An item chosen as a person chooses it, which is what the window answers.
void Choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

// The paint box as the window shows it: what its backing store holds.
QImage OnScreen(const TMainF& f)
{
    const QPoint at = f.wheelPaintBox->mapTo(f.window(), QPoint(0, 0));
    return f.screen()->grabWindow(f.winId(), at.x(), at.y(), f.wheelPaintBox->width(), f.wheelPaintBox->height()).toImage();
}

TEST_F(KeystrokePaintTest, WhatTheWindowShowsAfterEveryChangeIsAWholeNewPaint)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    mainF->hubNumbersCheck->SetChecked(true);
    mainF->resize(1400, 1000);
    Click(mainF->drawButton);
    Settle();
    const auto typeInto = [](TEdit* edit, const QString& text) {
        return [edit, text](TMainF&) {
            edit->selectAll();
            Type(edit, text);
        };
    };
    struct Change {
        const char* what;
        std::function<void(TMainF&)> make;
    };
    const Change changes[] = {
        {"ERD smaller", typeInto(mainF->erdEdit, QStringLiteral("540"))},
        {"ERD past the bead seat", typeInto(mainF->erdEdit, QStringLiteral("700"))},
        {"ERD back", typeInto(mainF->erdEdit, QStringLiteral("590"))},
        {"large flanges", typeInto(mainF->leftFlangeEdit, QStringLiteral("300"))},
        {"small flanges", typeInto(mainF->leftFlangeEdit, QStringLiteral("41"))},
        {"negative flange", typeInto(mainF->leftFlangeEdit, QStringLiteral("-900"))},
        {"flange back", typeInto(mainF->leftFlangeEdit, QStringLiteral("41"))},
        {"angle", typeInto(mainF->angleEdit, QStringLiteral("5"))},
        {"ERD unreadable", typeInto(mainF->erdEdit, QStringLiteral("5x"))},
        {"ERD readable again", typeInto(mainF->erdEdit, QStringLiteral("600"))},
        {"smaller rim", [](TMainF& f) { Choose(f.rimTypeList, f.rimTypeList->count() - 1); }},
        {"larger rim", [](TMainF& f) { Choose(f.rimTypeList, 0); }},
        // The next colour in the list; the last entry opens the colour dialog.
        {"background", [](TMainF& f) { Choose(f.backgroundColourBox, (f.backgroundColourBox->currentIndex() + 1) % (f.backgroundColourBox->count() - 1)); }},
        {"one side", [](TMainF& f) { f.spokeSideGroup->SetItemIndex(LeftSideOnly); }},
    };
    int partial = 0;
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        change.make(*mainF);
        Settle();
        if (!(QRegion(mainF->wheelPaintBox->rect()) - mainF->wheelPaintBox->PaintRegion()).isEmpty()) ++partial;
        const QImage shown = OnScreen(*mainF);
        // A paint into a picture, which leaves what the window knows alone.
        const QImage whole = mainF->wheelPaintBox->grab().toImage();
        const ImageDifference d = CompareImages(shown, whole);
        EXPECT_EQ(d.pixels, 0) << "largest difference " << d.largest;
    }
    // Most changes repaint the wheel's boxes only, else this proves little.
    EXPECT_GE(partial, 8);
}

}  // namespace
}  // namespace rimora::test
