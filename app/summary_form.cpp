#include "app/summary_form.h"

#include "app/fonts.h"
#include "app/logo.h"
#include "persist/ini_save.h"
#include "persist/settings_flows.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace rimora {

namespace {
constexpr int kMinOuterWidth = 400;
constexpr int kMinOuterHeight = 300;
// What the default size shows: the description and bill lines with room for
// a few lengths more, and the widest line of a side.
constexpr int kSummaryLines = 26;
constexpr int kSummaryColumns = 60;
}  // namespace

TSumF::TSumF(QWidget* parent) : TForm(QStringLiteral("SumF"), parent)
{
    setWindowTitle(tr("Summary"));
    setWindowIcon(RimoraIcon());
    setFont(TahomaFont(11));

    Memo1 = Create<TMemo>(this, QStringLiteral("Memo1"));
    Memo1->SetText(QStringLiteral("Memo1"));
    // A fixed-width face, so that the colons of the bill line up.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(13);
    Memo1->setFont(mono);
    // At its first showing the whole summary is in view: the description, a
    // bill of a few lengths and the line of each side, without scrolling.
    const QFontMetrics metrics(mono);
    const int frame = 2 * (Memo1->frameWidth() + static_cast<int>(Memo1->document()->documentMargin()));
    resize(std::max(406, kSummaryColumns * metrics.horizontalAdvance(QLatin1Char('0')) + frame + 20),
           kSummaryLines * metrics.lineSpacing() + frame + 25 + 4);
    Panel1 = Create<TPanel>(this, QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedHeight(25 + 4);
    OKBtn = Create<TButton>(Panel1, QStringLiteral("OKBtn"), tr("OK"));
    OKBtn->setGeometry(0, 2, 75, 24);
    OKBtn->OnClick = [this] { OKBtnClick(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Panel1);

    iniSave_ = std::make_unique<TIniSave>(*this);
    ConfigureSummaryStore(*iniSave_);
    RunGuarded([this] { FormCreate(); });
}

TSumF::~TSumF() = default;

void TSumF::FormCreate()
{
    // A stored place is fitted to the screen no smaller than this.
    EnforceMinimumOuterSize(kMinOuterWidth, kMinOuterHeight);
    ReadSummaryPlacement(*iniSave_);
}

void TSumF::ShowSummary(const QString& text)
{
    Memo1->SetText(text);
    show();
    raise();
    activateWindow();
}

void TSumF::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    RunGuarded([this] { FormResize(); });
}

void TSumF::FormResize()
{
    EnforceMinimumOuterSize(kMinOuterWidth, kMinOuterHeight);
    OKBtn->move(Width() / 2 - OKBtn->width() / 2, OKBtn->y());
}

void TSumF::OKBtnClick()
{
    close();
}

void TSumF::closeEvent(QCloseEvent* event)
{
    RunGuarded([this] { FormClose(); });
    event->accept();  // closing only hides the window
}

void TSumF::FormClose()
{
    WriteSummaryPlacement(*iniSave_);
}

}  // namespace rimora
