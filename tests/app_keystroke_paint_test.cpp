// A key typed into a dimension of the wheel paints the wheel once: the paint
// itself, not a second pass over the labels that sit on the drawing.
#include "app_window_fixture.h"

namespace rimora::test {
namespace {

using KeystrokePaintTest = AppWindowTest;

struct Field {
    const char* name;
    TEdit* TMainF::*edit;
    const char* typed;  // each key leaves a whole, drawable value
};

const Field kFields[] = {
    {"ErdE", &TMainF::ErdE, "5"},  {"WLE", &TMainF::WLE, "3"}, {"WRE", &TMainF::WRE, "2"},
    {"dLE", &TMainF::dLE, "4"},    {"dRE", &TMainF::dRE, "4"}, {"ShE", &TMainF::ShE, "2"},
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
            Click(mainF->DBtn);
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
            EXPECT_EQ(mainF->TitleL->isVisible(), credits != 0);
        }
    }
    TMainF::ShowCredits = -1;
}

}  // namespace
}  // namespace rimora::test
