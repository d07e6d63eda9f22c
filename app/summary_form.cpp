#include "app/summary_form.h"

#include "app/fonts.h"
#include "app/logo.h"
#include "persist/ini_save.h"
#include "persist/settings_flows.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QVBoxLayout>

namespace rimora {

namespace {
constexpr int kMinOuterWidth = 400;
constexpr int kMinOuterHeight = 300;
// Wide enough for each side's line after the bill ("Right: 18 pcs 3 cross
// 284.8mm order 284mm 4.0° 120.0kgf") in the memo's fixed-width face.
constexpr int kLaidOutWidth = 472;
constexpr int kLaidOutHeight = 298;
}  // namespace

TSumF::TSumF(QWidget* parent) : TForm(QStringLiteral("SumF"), parent)
{
    setWindowTitle(QStringLiteral("Summary"));
    setWindowIcon(RimoraIcon());
    setFont(TahomaFont(11));
    resize(kLaidOutWidth, kLaidOutHeight);

    Memo1 = Create<TMemo>(this, QStringLiteral("Memo1"));
    Memo1->SetText(QStringLiteral("Memo1"));
    // A fixed-width face, so that the colons of the bill line up.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(13);
    Memo1->setFont(mono);
    Panel1 = Create<TPanel>(this, QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedHeight(25 + 4);
    OKBtn = Create<TButton>(Panel1, QStringLiteral("OKBtn"), QStringLiteral("OK"));
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
