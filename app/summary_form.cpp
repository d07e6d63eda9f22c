#include "app/summary_form.h"

#include "app/fonts.h"
#include "app/logo.h"
#include "persist/ini_save.h"
#include "persist/settings_flows.h"
#include "platform/desktop.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace rimora {

namespace {
constexpr int kMinOuterWidth = 400;
constexpr int kMinOuterHeight = 300;
// What the default size shows: the description and bill lines with room for
// a few lengths more, the sides' lines and the order list, and the widest
// line of a side.
constexpr int kSummaryLines = 30;
constexpr int kSummaryColumns = 86;
// Left free round the window on the screen, for the frame and the task bar.
constexpr int kScreenMargin = 80;
constexpr int kButtonPanelHeight = 25 + 4;
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
    // The default size holds the description, a bill of a few lengths and
    // the line of each side; a longer summary widens it at its first showing.
    const QFontMetrics metrics(mono);
    resize(SizeForText(kSummaryLines * metrics.lineSpacing(), kSummaryColumns * metrics.horizontalAdvance(QLatin1Char('0'))));
    Panel1 = Create<TPanel>(this, QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedHeight(kButtonPanelHeight);
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
    const QSize laidOut(Width(), Height());
    ReadSummaryPlacement(*iniSave_);
    // A size the user left the window at is kept as it is.
    fitsFirstSummary_ = QSize(Width(), Height()) == laidOut;
}

// The inner size that shows text of that many pixels in the memo, with its
// frame, margins and scroll bar, above the button panel.
QSize TSumF::SizeForText(int textHeight, int textWidth) const
{
    const int frame = 2 * (Memo1->frameWidth() + static_cast<int>(Memo1->document()->documentMargin()));
    return {std::max(406, textWidth + frame + 20), textHeight + frame + kButtonPanelHeight};
}

// Grows the window, centred on the screen, until the memo's text shows whole
// (its lines as laid out, a little higher than the font's line spacing, and a
// line to spare, as the memo scrolls once its last line is cut by a pixel),
// but no larger than the screen leaves room for.
void TSumF::FitToText()
{
    const QTextDocument& document = *Memo1->document();
    const QFontMetrics metrics(Memo1->font());
    double textHeight = metrics.lineSpacing();
    int widest = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        textHeight += document.documentLayout()->blockBoundingRect(block).height();
        widest = std::max(widest, metrics.horizontalAdvance(block.text()));
    }
    const QSize screen = CurrentDesktop().ScreenSize();
    const QSize frame(Width() - width(), Height() - height());
    const QSize room = screen - frame - QSize(kScreenMargin, kScreenMargin);
    const QSize fitted =
        size().expandedTo(SizeForText(static_cast<int>(std::ceil(textHeight)), widest).boundedTo(room));
    if (fitted == size()) return;
    resize(fitted);
    move(std::max(0, screen.width() / 2 - Width() / 2), std::max(0, screen.height() / 2 - Height() / 2));
}

void TSumF::ShowSummary(const QString& text)
{
    Memo1->SetText(text);
    if (fitsFirstSummary_) FitToText();
    fitsFirstSummary_ = false;
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
