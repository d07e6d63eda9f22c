// The main window's life cycle and the handlers that only route: creation,
// showing, resizing, closing, the redraw gates, the about box, the web link
// and the credits switch.
#include "app/main_form.h"

#include "app/fonts.h"
#include "app/logo.h"
#include "app/summary_form.h"
#include "persist/ini_save.h"
#include "persist/profile_flows.h"
#include "persist/settings_session.h"
#include "platform/convert.h"
#include "platform/desktop.h"
#include "platform/version.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>

namespace rimora {

const QString TMainF::ApplicationTitle = ProgramTitle();
const QString TMainF::WebAddress = QStringLiteral("https://rimora.example.org/");
const QString TMainF::SettingsFileName = QStringLiteral("KELD.ini");
QString TMainF::StartDir;
int TMainF::ShowCredits = 0;

namespace {
constexpr int kMinOuterWidth = 460;
// The "Data" tab's sixteen lines (the rim offset, tension and ordering inputs
// and the locknut button included) need 540.
constexpr int kMinOuterHeight = 540;
constexpr int kDesignClientWidth = 758;
constexpr int kDesignClientHeight = 409;
}  // namespace

TMainF::TMainF(QWidget* parent) : TForm(QStringLiteral("MainF"), parent)
{
    setFont(TahomaFont(11));
    setWindowIcon(RimoraIcon());
    resize(kDesignClientWidth, kDesignClientHeight);
    CreateControls();
    ArrangeControls();
    iniSave_ = std::make_unique<TIniSave>(*this);
    WireEvents();
    CreateSheetActions();
    CreateTensionActions();
    RunGuarded([this] { FormCreate(); });
}

TMainF::~TMainF()
{
    FormDestroy();
    // The window and its backing store go before the hundred controls: each
    // control destroyed would otherwise walk its own children to take them
    // off the backing store's list of places to repaint.
    destroy();
}

void TMainF::FormCreate()
{
    setWindowTitle(ApplicationTitle);
    StartDir = CurrentDesktop().ExecutableFolder() + QLatin1Char('/');
    if (!QDir::setCurrent(StartDir))
        throw EInOutError(tr("Cannot make %1 the current folder").arg(QDir::toNativeSeparators(StartDir)));
    // The stored placement is centred for the size the window really has.
    EnforceMinimumOuterSize(kMinOuterWidth, kMinOuterHeight);
    // The lengths the settings bring are checked once they are all read.
    WithLengthCheckHeld([this] { RestoreSettings(); });
    WriteTableHeadings();
    lacingGrid->Model().SetCurrent(0, 0);
    ShowCredits = -1;
    tabs->setCurrentIndex(0);
    // The wheel as it starts is the one "Open" may replace without asking.
    storedRecords_ = ProfileRecords(*iniSave_);
}

bool TMainF::FormDestroy(const std::function<void(const QString&)>& report)
{
    if (settingsWritten_) return true;
    settingsWritten_ = true;
    const bool written = RunGuarded([this] { SaveSettings(); }, report);
    // Written: the lock goes now, so the next copy may keep the settings
    // whether or not this window is ever destroyed.
    settings_.reset();
    return written;
}

void TMainF::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TMainF::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    RunGuarded([this] { FormResize(); });
}

void TMainF::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, also while the summary is open.
    // The summary window is hidden first: quitting would otherwise close it,
    // and a close writes its placement, which only the user's own close may.
    event->accept();
    if (summaryForm) summaryForm->hide();
    QCoreApplication::quit();
}

void TMainF::FormShow()
{
    DrawNow();
}

void TMainF::FormResize()
{
    EnforceMinimumOuterSize(kMinOuterWidth, kMinOuterHeight);
    ShareButtonBar();
    PlaceWheelOverlay();
    wheelPaintBox->update();
}

// "Draw!" and "Summary!" take a third of the bar each; "Calc!" the rest.
void TMainF::ShareButtonBar()
{
    const QRect bar = buttonBar->contentsRect();
    const int third = bar.width() / 3;
    drawButton->setGeometry(bar.left(), bar.top(), third, bar.height());
    summaryButton->setGeometry(bar.right() + 1 - third, bar.top(), third, bar.height());
    calcButton->setGeometry(bar.left() + third, bar.top(), bar.width() - 2 * third, bar.height());
}

bool TMainF::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buttonBar && event->type() == QEvent::Resize) ShareButtonBar();
    return TForm::eventFilter(watched, event);
}

void TMainF::RedrawIfAuto()
{
    if (!autoRedrawCheck->Checked()) return;
    if (!IsIntegerText(angleEdit->Text())) return;
    RepaintWheel();
}

void TMainF::RedrawSidesIfAuto()
{
    if (!autoRedrawCheck->Checked()) return;
    RepaintWheel();
}

void TMainF::DrawNow()
{
    RepaintWheel();
}

void TMainF::DrawButtonPressed(Qt::MouseButton, Qt::KeyboardModifiers)
{
    RepaintWheel();
}

void TMainF::ZeroAngle()
{
    angleEdit->SetText(QStringLiteral("0"));
}

void TMainF::OpenButtonPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button == Qt::RightButton && modifiers.testFlag(Qt::ControlModifier)) ShowCredits = 0;
}

void TMainF::ShowAbout()
{
    CurrentDesktop().ShowAbout(ApplicationTitle,
                               tr("%1    Copyright (C) 2026 the Rimora developers").arg(ApplicationTitle));
}

void TMainF::OpenWebPage()
{
    CurrentDesktop().OpenUrl(WebAddress);
}

void TMainF::ShowPaintError(const QString& message)
{
    // A drawing without error gives the status bar back to the lacing's note.
    statusBar->SetSimpleText(WithStaleHint(message.isEmpty() ? LacingNotes() : message));
}

}  // namespace rimora
