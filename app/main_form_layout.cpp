// How the main window is put together: its controls in the order of its
// records, the layouts that place them, and which event goes where.
#include "app/lace_steps_page.h"
#include "lacing/hole_layout.h"
#include "platform/guard.h"
#include "app/fonts.h"
#include "app/logo.h"
#include "app/main_form.h"
#include "app/lacing_cell_delegate.h"
#include "app/parts_dialog.h"
#include "app/hub_dialog.h"
#include "app/profile_icons.h"
#include "platform/convert.h"
#include "wheel/wheel_choices.h"
#include "wheel/wheel_fields.h"
#include "widgets/tedit.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QFontMetrics>
#include <QStyle>
#include <QVBoxLayout>

namespace rimora {

namespace {

constexpr int kRightPanelWidth = 272;
constexpr int kButtonBarHeight = 32;

TLabel* Caption(QWidget* parent, const QString& text)
{
    return new TLabel(parent, QString(), text);
}

// `text` on two lines when on one line it would be wider than `width`:
// broken at the space nearest its middle, or, in a text written without
// spaces (Japanese), at its middle.
QString FitCaption(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width) return text;
    const qsizetype middle = text.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle))) best = i;
    if (best < 0) return text.left(middle) + u'\n' + text.mid(middle);
    return text.left(best) + u'\n' + text.mid(best + 1);
}

void Bevel(QFrame* frame, QFrame::Shadow shadow)
{
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(shadow);
    frame->setLineWidth(1);
}

// An input's line on the "Data" tab: its caption, the box, and the unit.
void AddInputLine(QGridLayout& grid, int row, QWidget* caption, QWidget* input, int width, const QString& unit)
{
    grid.addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    input->setFixedWidth(width);
    grid.addWidget(input, row, 1, Qt::AlignLeft);
    if (!unit.isEmpty()) grid.addWidget(Caption(input->parentWidget(), unit), row, 2);
}

// The rim type's list is wider than the other inputs; on a line of its own
// it does not widen the unit column at the captions' expense.
QHBoxLayout* TypeLine(TLabel* caption, QWidget* list)
{
    auto* line = new QHBoxLayout();
    line->setSpacing(3);
    line->addStretch(1);
    line->addWidget(caption);
    list->setFixedWidth(119);
    line->addWidget(list);
    line->addSpacing(12);
    return line;
}

// The ERD's box, the widest, reaches into the room its short caption
// leaves; its right edge stays in line with the boxes below.
QHBoxLayout* ErdLine(TLabel* caption, QWidget* box, int width, int spacing)
{
    auto* line = new QHBoxLayout();
    line->setSpacing(spacing);
    line->addStretch(1);
    line->addWidget(caption);
    box->setFixedWidth(width);
    line->addWidget(box);
    return line;
}

// The captions are those every message about an input names it by.
TLabel* FieldCaptionLabel(QWidget* page, WheelField field)
{
    return Caption(page, FieldCaption(field) + u':');
}

// "WL," in the captions' size, the rest of its caption smaller beside it,
// on two lines where one would widen the captions' column.
QWidget* OffsetCaption(QWidget* page, WheelField field, int captionsWidth)
{
    const QString shortText = FieldShortName(field);
    const QString longText = FieldCaption(field).mid(shortText.size() + 1).trimmed() + u':';
    auto* box = new QWidget(page);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    TLabel* name = Caption(box, shortText + u',');
    row->addWidget(name);
    TLabel* detail = Caption(box, QString());
    detail->setFont(TahomaFont(12));
    detail->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    detail->setText(FitCaption(longText, detail->fontMetrics(),
                               captionsWidth - name->sizeHint().width() - row->spacing()));
    row->addWidget(detail);
    return box;
}

// A drawing size on the "Draw" tab: caption, then the spin box with its unit.
void AddSpinLine(QGridLayout& grid, int row, TLabel* caption, TSpinEdit* spin, const QString& unit)
{
    QWidget* page = caption->parentWidget();
    grid.addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    spin->setFixedSize(43, 26);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* holder = new QWidget(page);
    auto* h = new QHBoxLayout(holder);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(4);
    spin->setParent(holder);
    h->addWidget(spin);
    h->addWidget(Caption(holder, unit));
    h->addStretch(1);
    grid.addWidget(holder, row, 1, 1, 2);
}

}  // namespace

void TMainF::CreateControls()
{
    // The right panel, its pages and the profile bar come first so that the
    // stored controls can be their children.
    rightPanel = Create<TPanel>(this, QStringLiteral("Pnl"));
    tabs = Create<TPageControl>(rightPanel, QStringLiteral("PageControl1"));
    auto* dataPage = new TPanel(tabs, QStringLiteral("DPnl"));
    auto* spokePage = new QWidget(tabs);
    auto* drawPage = new TPanel(tabs, QStringLiteral("Panel2"));
    dataPage->setFont(TahomaFont(13));
    profileBar = Create<TPanel>(rightPanel, QStringLiteral("Panel3"));
    CreateStoredControls(dataPage, spokePage, drawPage);

    // The rest holds no value of its own.
    locknutButton = Create<TButton>(dataPage, QStringLiteral("LockBtn"), tr("From locknut…"));
    locknutButton->setToolTip(
        tr("WL and WR from the over-locknut width and each flange's distance from its "
           "locknut face"));
    partsButton = Create<TButton>(dataPage, QStringLiteral("PartsBtn"), tr("Parts…"));
    partsButton->setToolTip(tr("Hub, rim, spokes and nipples by name, and remarks: on the build sheet"));
    std::vector<std::pair<QString, QWidget*>> partLines;
    for (const WheelRecord& record : WheelRecords())
        if (IsWheelText(record.kind) && record.kind != RecordKind::Log) partLines.emplace_back(RecordLabel(record), wheelControls_.Control(record.key));
    partsDialog = new PartsDialog(this, partLines);
    hubButton = Create<TButton>(dataPage, QStringLiteral("HubBtn"), tr("Hub…"));
    hubButton->setToolTip(tr("Straight-pull hubs, and heads in or out on J-bend flanges"));
    const auto stored = [this](const char* key) { return wheelControls_.Control(key); };
    hubDialog = new HubDialog(this,
                              {wheelControls_.Get<TRadioGroup>("HubKindRG"), stored("TanLE"), stored("TanRE"),
                               stored("FlThLE"), stored("FlThRE"), wheelControls_.Get<TRadioGroup>("HeadsLRG"),
                               wheelControls_.Get<TRadioGroup>("HeadsRRG"), wheelControls_.Get<TRadioGroup>("HubSplitRG"),
                               wheelControls_.Get<TRadioGroup>("RimDrillRG"), wheelControls_.Get<TRadioGroup>("CrossPatRG"),
                               stored("FlOffE"), stored("HubPairE"), stored("RimPairE")},
                              [this] { RedrawIfAuto(); }, [this](int pattern) { return CrossedSpanText(pattern); });
    CreateDrawingPanel();
    CreateProfileBar();
    statusBar = Create<TStatusBar>(this, QStringLiteral("StatusBar"));
    degreeLabel = Create<TLabel>(spokePage, QStringLiteral("Label39"), tr("degree"));
    degreeLabel->setCursor(Qt::PointingHandCursor);
    degreeLabel->setToolTip(tr("<--- Click enter 0"));
    halfPitchButton = Create<TButton>(spokePage, QStringLiteral("SimBtn"), tr("Slide 1/2 angle"));
    balanceButton = Create<TButton>(spokePage, QStringLiteral("BalanceBtn"), tr("Balance"));
    balanceButton->setToolTip(tr("Turn the rim to where the spokes' pulls on the hub cancel, as it settles under "
                                 "tension"));
    tableMenu = new QMenu(this);
    insertGapItem = tableMenu->addAction(tr("Insert && No.Down"));  // "&&": a plain ampersand, no mnemonic

    tabs->addTab(dataPage, tr("Data"));
    tabs->addTab(spokePage, tr("Spoke"));
    tabs->addTab(drawPage, tr("Draw"));
    lacePage = new LaceStepsPage(tabs);
    tabs->addTab(lacePage, tr("Lace"));
}

void TMainF::CreateStoredControls(QWidget* dataPage, QWidget* spokePage, QWidget* drawPage)
{
    // In the order of the records in the settings and profile files.
    QWidget* const pages[] = {dataPage, spokePage, drawPage};
    wheelControls_.Create(*this, pages, profileBar);
    rimTypeList = wheelControls_.Get<TComboBox>("TyCB");
    hubHolesList = wheelControls_.Get<TComboBox>("HubCB");
    rimHolesList = wheelControls_.Get<TComboBox>("RimCB");
    rightFlangeEdit = wheelControls_.Get<TEdit>("dRE");
    leftFlangeEdit = wheelControls_.Get<TEdit>("dLE");
    leftCrossSpin = wheelControls_.Get<TSpinEdit>("CLE");
    leftOffsetEdit = wheelControls_.Get<TEdit>("WLE");
    rightOffsetEdit = wheelControls_.Get<TEdit>("WRE");
    spokeHoleEdit = wheelControls_.Get<TEdit>("ShE");
    erdEdit = wheelControls_.Get<TEdit>("ErdE");
    rightCrossSpin = wheelControls_.Get<TSpinEdit>("CRE");
    lacingGrid = wheelControls_.Get<TStringGrid>("SG1");
    angleEdit = wheelControls_.Get<TEdit>("AdE");
    backgroundColourBox = wheelControls_.Get<TColorBox>("CL1");
    rimOuterColourBox = wheelControls_.Get<TColorBox>("CL2");
    rimInnerColourBox = wheelControls_.Get<TColorBox>("CL3");
    hubColourBox = wheelControls_.Get<TColorBox>("CL4");
    rightSpokeColourBox = wheelControls_.Get<TColorBox>("CL5");
    leftSpokeColourBox = wheelControls_.Get<TColorBox>("CL6");
    spareColourBox = wheelControls_.Get<TColorBox>("CL7");
    rimBandSpin = wheelControls_.Get<TSpinEdit>("RIMBK");
    rimInnerSpin = wheelControls_.Get<TSpinEdit>("RIMID");
    hubMarginSpin = wheelControls_.Get<TSpinEdit>("HUBOD");
    spokeWidthSpin = wheelControls_.Get<TSpinEdit>("SpkD");
    autoRedrawCheck = wheelControls_.Get<TCheckBox>("AuCB");
    rimNumbersCheck = wheelControls_.Get<TCheckBox>("RNCB");
    spokeSideGroup = wheelControls_.Get<TRadioGroup>("Ssd");
    hubNumbersCheck = wheelControls_.Get<TCheckBox>("HNCB");
    valveSpin = wheelControls_.Get<TSpinEdit>("ValveSE");
    valveSpin->setToolTip(tr("0: between the last rim hole and the first"));
    recentProfilesEdit = wheelControls_.Get<TEdit>("RecentL");
    recentProfilesEdit->hide();
    recentProfilesEdit->setFocusPolicy(Qt::NoFocus);
    // The numbers a user types or picks in the large face.
    const QFont inputFont = InputFont(15);
    for (const WheelRecord& record : WheelRecords()) {
        const bool typed = record.kind == RecordKind::Decimal || record.kind == RecordKind::Spin
                           || record.kind == RecordKind::RimList || record.kind == RecordKind::CountList;
        if (typed && record.page != RecordPage::Spoke) wheelControls_.Control(record.key)->setFont(inputFont);
    }
}

void TMainF::CreateDrawingPanel()
{
    drawingPanel = Create<TPanel>(this, QStringLiteral("VPnl"));
    wheelPaintBox = Create<TPaintBox>(drawingPanel, QStringLiteral("PB1"));
    scaleLabel = Create<TLabel>(wheelPaintBox, QStringLiteral("sclL"), tr("scale"));
    scaleLabel->hide();
    logoImage = Create<TImage>(wheelPaintBox, QStringLiteral("Image1"));
    logoImage->SetPicture(RimoraLogo());
    logoImage->setToolTip(WebAddress);
    logoImage->setCursor(Qt::PointingHandCursor);
    logoImage->setGeometry(2, 73, 151, 60);
    titleLabel = Create<TLabel>(wheelPaintBox, QStringLiteral("TitleL"), tr("Created by Rimora "));
    titleLabel->setFont(UiGothicFont(19, true, true));
    titleLabel->setToolTip(tr("About This Software"));
    titleLabel->setCursor(Qt::PointingHandCursor);
    titleLabel->setGeometry(128, 254, 241, 19);
    buttonBar = Create<TPanel>(drawingPanel, QStringLiteral("BtnPnl"));
    // Alt+D, Alt+C and Alt+S press the three buttons from anywhere in the window.
    drawButton = Create<TButton>(buttonBar, QStringLiteral("DBtn"), tr("&Draw!"));
    calcButton = Create<TButton>(buttonBar, QStringLiteral("CBtn"), tr("&Calc!"));
    summaryButton = Create<TButton>(buttonBar, QStringLiteral("SBtn"), tr("&Summary!"));
    drawButton->setToolTip(tr("Draw the wheel (Alt+D)"));
    calcButton->setToolTip(tr("Calculate every spoke's length (Alt+C)"));
    summaryButton->setToolTip(tr("Show the summary and the spoke bill (Alt+S)"));
}

void TMainF::CreateProfileBar()
{
    profileLabel = Create<TLabel>(profileBar, QStringLiteral("ProfL"), QStringLiteral("Profile.prl"));
    saveButton = Create<TButton>(profileBar, QStringLiteral("SaveBtn"), QString());
    saveButton->setIcon(SaveProfileIcon(*style()));
    saveButton->setToolTip(tr("Save ProfileData (*.prl) (Ctrl+S)"));
    saveButton->setShortcut(QKeySequence::Save);
    openButton = Create<TButton>(profileBar, QStringLiteral("OpenBtn"), QString());
    openButton->setIcon(OpenProfileIcon(*style()));
    openButton->setToolTip(tr("Open ProfileData (*.prl) (Ctrl+O)"));
    openButton->setShortcut(QKeySequence::Open);
    recentButton = new QToolButton(profileBar);
    recentButton->setObjectName(QStringLiteral("RecentBtn"));
    recentButton->setArrowType(Qt::DownArrow);
    recentButton->setToolTip(tr("Recent profiles"));
    recentMenu = new QMenu(this);
    recentMenu->setToolTipsVisible(true);
}

void TMainF::ArrangeControls()
{
    ArrangeDrawingPanel();
    ArrangeProfileBar();
    ArrangeDataPage();
    ArrangeSpokePage();
    ArrangeDrawPage();

    // The window: drawing | right panel, status bar below.
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    auto* top = new QHBoxLayout();
    top->setSpacing(0);
    top->addWidget(drawingPanel, 1);
    top->addWidget(rightPanel);
    root->addLayout(top, 1);
    root->addWidget(statusBar);
    statusBar->setMinimumHeight(19 + 4);

    // Tab goes down each page as it reads, whatever the order of creation,
    // then on to the three buttons under the drawing and round to the
    // profile bar and the tabs. Only the page shown takes the focus, so the
    // three pages follow each other in one chain.
    std::vector<QWidget*> chain{tabs,           rimTypeList,     hubHolesList,  rimHolesList,  erdEdit,
                                leftOffsetEdit, rightOffsetEdit, partsButton, hubButton, locknutButton, leftFlangeEdit, rightFlangeEdit,
                                spokeHoleEdit,  leftCrossSpin,   rightCrossSpin};
    for (const WheelRecord& record : WheelRecords())
        if (record.page == RecordPage::Data && record.label) chain.push_back(wheelControls_.Control(record.key));
    chain.insert(chain.end(), {angleEdit, halfPitchButton, balanceButton, lacingGrid, backgroundColourBox, rimOuterColourBox,
                               rimInnerColourBox, hubColourBox, leftSpokeColourBox, rightSpokeColourBox, rimBandSpin,
                               rimInnerSpin, hubMarginSpin, spokeWidthSpin, autoRedrawCheck, rimNumbersCheck,
                               hubNumbersCheck, spokeSideGroup, drawButton, calcButton, summaryButton, saveButton,
                               openButton, recentButton});
    ChainTabOrder(chain);
    // The side choice holds no focus of its own: Tab stops at its buttons.
    QWidget* beforeSide = hubNumbersCheck;
    for (QRadioButton* side : spokeSideGroup->findChildren<QRadioButton*>()) {
        setTabOrder(beforeSide, side);
        beforeSide = side;
    }
    setTabOrder(beforeSide, valveSpin);
    setTabOrder(valveSpin, drawButton);
}

// Left: the drawing above the button bar.
void TMainF::ArrangeDrawingPanel()
{
    Bevel(drawingPanel, QFrame::Plain);
    drawingPanel->setFrameShape(QFrame::NoFrame);
    auto* left = new QVBoxLayout(drawingPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(wheelPaintBox, 1);
    left->addWidget(buttonBar);
    Bevel(buttonBar, QFrame::Sunken);
    buttonBar->setFixedHeight(kButtonBarHeight);
    buttonBar->installEventFilter(this);
}

// Right: the profile bar above the tabs.
void TMainF::ArrangeProfileBar()
{
    rightPanel->setFixedWidth(kRightPanelWidth);
    auto* right = new QVBoxLayout(rightPanel);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(profileBar);
    right->addWidget(tabs, 1);
    Bevel(profileBar, QFrame::Sunken);
    profileBar->setFixedHeight(41);
    auto* profile = new QHBoxLayout(profileBar);
    profile->setContentsMargins(8, 2, 4, 2);
    profile->addWidget(Caption(profileBar, tr("Profile:")));
    profile->addWidget(profileLabel, 1);
    profileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QPushButton* b : {saveButton, openButton}) {
        b->setFixedSize(24, 24);
        b->setIconSize(QSize(16, 16));
        profile->addWidget(b);
    }
    // The arrow sits against "Open", whose list it shows.
    recentButton->setFixedSize(14, 24);
    profile->addSpacing(-profile->spacing());
    profile->addWidget(recentButton);
}

// "Data": caption, input, unit on each line.
void TMainF::ArrangeDataPage()
{
    QWidget* dataPage = tabs->widget(0);
    auto* data = new QGridLayout(dataPage);
    data->setContentsMargins(3, 6, 3, 6);
    data->setHorizontalSpacing(3);
    data->setVerticalSpacing(2);  // room for the offsets' two-line captions
    const auto line = [&](int row, QWidget* caption, QWidget* input, int width, const QString& unit) {
        AddInputLine(*data, row, caption, input, width, unit);
    };
    const auto fieldCaption = [&](WheelField field) { return FieldCaptionLabel(dataPage, field); };
    std::vector<TLabel*> longCaptions{fieldCaption(WheelField::LeftFlange), fieldCaption(WheelField::RightFlange),
                                      fieldCaption(WheelField::SpokeHole)};
    // The inputs that came after the first program, each on a line of its own
    // below the cross numbers, in the order of their records.
    std::vector<const WheelRecord*> laterInputs;
    for (const WheelRecord& record : WheelRecords()) {
        if (record.page != RecordPage::Data || !record.label) continue;
        laterInputs.push_back(&record);
        longCaptions.push_back(Caption(dataPage, RecordLabel(record)));
    }
    int captionsWidth = 0;
    for (const TLabel* caption : longCaptions) captionsWidth = std::max(captionsWidth, caption->sizeHint().width());
    // Each box as wide as the longest value it is meant to hold, in the
    // region's notation: an ERD to the thousandth ("1,590.125"), the other
    // lengths three decimals on two whole millimetres ("41.125").
    const QLocale region;
    const int erdWidth = WidthShowing(*erdEdit, region.toString(1590.125, 'f', 3));
    const int boxWidth = std::max(65, WidthShowing(*leftOffsetEdit, region.toString(41.125, 'f', 3)));
    data->addLayout(TypeLine(Caption(dataPage, tr("TYPE:")), rimTypeList), 0, 0, 1, 3);
    line(1, fieldCaption(WheelField::HubHoles), hubHolesList, boxWidth, RecordUnit(RecordOf(WheelField::HubHoles)));
    line(2, fieldCaption(WheelField::RimHoles), rimHolesList, boxWidth, RecordUnit(RecordOf(WheelField::RimHoles)));
    data->addLayout(ErdLine(fieldCaption(WheelField::Erd), erdEdit, erdWidth, data->horizontalSpacing()), 3, 0, 1, 2);
    data->addWidget(Caption(dataPage, QStringLiteral("mm")), 3, 2);
    line(4, OffsetCaption(dataPage, WheelField::LeftOffset, captionsWidth), leftOffsetEdit, boxWidth, QStringLiteral("mm"));
    line(5, OffsetCaption(dataPage, WheelField::RightOffset, captionsWidth), rightOffsetEdit, boxWidth, QStringLiteral("mm"));
    // Under the two offsets it sets.
    locknutButton->setFixedHeight(22);
    data->addWidget(locknutButton, 6, 1, 1, 2, Qt::AlignLeft);
    // The one free place of the page: beside the locknut button.
    partsButton->setFixedHeight(22);
    hubButton->setFixedHeight(22);
    auto* dialogs = new QHBoxLayout();
    dialogs->addWidget(partsButton);
    dialogs->addWidget(hubButton);
    dialogs->addStretch(1);
    data->addLayout(dialogs, 6, 0);
    line(7, longCaptions[0], leftFlangeEdit, boxWidth, QStringLiteral("mm"));
    line(8, longCaptions[1], rightFlangeEdit, boxWidth, QStringLiteral("mm"));
    line(9, longCaptions[2], spokeHoleEdit, boxWidth, QStringLiteral("mm"));
    line(10, fieldCaption(WheelField::LeftCross), leftCrossSpin, 43, QString());
    line(11, fieldCaption(WheelField::RightCross), rightCrossSpin, 43, QString());
    int row = 12;
    for (size_t i = 0; i < laterInputs.size(); ++i) {
        QWidget* input = wheelControls_.Control(laterInputs[i]->key);
        line(row++, longCaptions[i + 3], input, boxWidth, RecordUnit(*laterInputs[i]));
        input->setFixedHeight(24);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{rimTypeList, hubHolesList, rimHolesList, erdEdit, leftOffsetEdit,
                                                      rightOffsetEdit, leftFlangeEdit, rightFlangeEdit, spokeHoleEdit})
        w->setFixedHeight(24);
    leftCrossSpin->setFixedHeight(26);
    rightCrossSpin->setFixedHeight(26);
    data->setColumnStretch(0, 1);
    data->setRowStretch(row, 1);
    Bevel(static_cast<QFrame*>(dataPage), QFrame::Sunken);
}

// "Spoke": the angle bar above the lacing table.
void TMainF::ArrangeSpokePage()
{
    QWidget* spokePage = tabs->widget(1);
    auto* spoke = new QVBoxLayout(spokePage);
    spoke->setContentsMargins(0, 0, 0, 0);
    spoke->setSpacing(0);
    auto* bar = new TPanel(spokePage, QStringLiteral("Panel4"));
    Bevel(bar, QFrame::Raised);
    // Two rows: the angle, then the two ways to set it, so that neither is
    // cut off in a narrow panel.
    bar->setFixedHeight(48);
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(3, 1, 1, 1);
    rows->setSpacing(2);
    auto* barRow = new QHBoxLayout;
    barRow->setSpacing(3);
    rows->addLayout(barRow);
    barRow->addWidget(Caption(bar, FieldCaption(WheelField::AngleDifference) + u':'));
    angleEdit->setParent(bar);
    // Room for half the angle between 32 holes turned back, "-5.625".
    angleEdit->setFixedSize(std::max(44, WidthShowing(*angleEdit, QLocale().toString(-5.625, 'f', 3))), 20);
    barRow->addWidget(angleEdit);
    degreeLabel->setParent(bar);
    barRow->addWidget(degreeLabel);
    barRow->addStretch(1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(3);
    rows->addLayout(buttonRow);
    for (TButton* button : {halfPitchButton, balanceButton}) {
        button->setParent(bar);
        button->setFixedHeight(22);
        button->setMinimumWidth(button->sizeHint().width());
        buttonRow->addWidget(button, 1);
    }
    spoke->addWidget(bar);
    spoke->addWidget(lacingGrid, 1);
    lacingGrid->SetColWidths({30, 30, 30, 30, 116});
    lacingGrid->SetRowHeight(18);
    lacingGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    lacingGrid->Model().SetToolTips([this](int col, int row) { return SpokeToolTip(col, row); });
}

// "Draw": colours, drawing sizes, switches and the side choice.
void TMainF::ArrangeDrawPage()
{
    QWidget* drawPage = tabs->widget(2);
    auto* draw = new QGridLayout(drawPage);
    draw->setContentsMargins(6, 4, 6, 4);
    draw->setHorizontalSpacing(4);
    draw->setVerticalSpacing(2);
    int row = 0;
    const std::pair<TColorBox*, const char*> colourLines[] = {
        {backgroundColourBox, QT_TR_NOOP("BackGround:")}, {rimOuterColourBox, QT_TR_NOOP("RIM 1:")},      {rimInnerColourBox, QT_TR_NOOP("RIM 2:")},
        {hubColourBox, QT_TR_NOOP("HUB:")},        {leftSpokeColourBox, QT_TR_NOOP("Left Spoke:")}, {rightSpokeColourBox, QT_TR_NOOP("Right Spoke:")},
        {spareColourBox, QT_TR_NOOP("Selected:")}};
    for (const auto& [box, text] : colourLines) {
        TLabel* caption = Caption(drawPage, tr(text));
        draw->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedSize(150, 22);
        draw->addWidget(box, row, 1, 1, 2, Qt::AlignLeft);
        if (box == spareColourBox) {  // kept with the others in files, never shown
            caption->hide();
            box->hide();
        }
        ++row;
    }
    const std::tuple<TSpinEdit*, const char*, const char*> spinLines[] = {
        {rimBandSpin, QT_TR_NOOP("RIM 1 Height:"), "mm"},
        {rimInnerSpin, QT_TR_NOOP("RIM Inner: ERD -"), "mm"},
        {hubMarginSpin, QT_TR_NOOP("HUB Outer: dR(dL) +"), "mm"},
        {spokeWidthSpin, QT_TR_NOOP("Spoke Width:"), QT_TR_NOOP("Dot")}};
    for (const auto& [spin, text, unit] : spinLines)
        AddSpinLine(*draw, row++, Caption(drawPage, tr(text)), spin, tr(unit));
    // The hole-number switches one above the other, so the three captions fit the panel.
    auto* switches = new QGridLayout();
    switches->setContentsMargins(24, 4, 0, 0);
    switches->setHorizontalSpacing(16);
    switches->setVerticalSpacing(2);
    switches->addWidget(autoRedrawCheck, 0, 0);
    switches->addWidget(rimNumbersCheck, 0, 1);
    switches->addWidget(hubNumbersCheck, 1, 1);
    switches->setColumnStretch(2, 1);
    draw->addLayout(switches, row++, 0, 1, 3);
    draw->addWidget(spokeSideGroup, row++, 0, 1, 3);
    AddSpinLine(*draw, row++, Caption(drawPage, tr("Valve after rim hole:")), valveSpin, QString());
    draw->setRowStretch(row, 1);
    draw->setColumnStretch(2, 1);
    Bevel(static_cast<QFrame*>(drawPage), QFrame::Sunken);
}

void TMainF::ChainTabOrder(const std::vector<QWidget*>& widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
}

void TMainF::WireEvents()
{
    for (TComboBox* c : {rimTypeList}) c->OnChange = [this] { RedrawIfAuto(); };
    for (TEdit* e : {erdEdit, leftOffsetEdit, rightOffsetEdit, leftFlangeEdit, rightFlangeEdit, spokeHoleEdit, angleEdit}) e->OnChange = [this] { RedrawIfAuto(); };
    spareColourBox->OnChange = [this] { RedrawIfAuto(); };
    for (TSpinEdit* s : {rimBandSpin, rimInnerSpin, hubMarginSpin, spokeWidthSpin}) s->OnChange = [this] { RedrawIfAuto(); };
    rimNumbersCheck->OnClick = [this] { RedrawIfAuto(); };
    hubNumbersCheck->OnClick = [this] { RedrawIfAuto(); };
    for (TColorBox* c : {backgroundColourBox, rimOuterColourBox, rimInnerColourBox, hubColourBox, rightSpokeColourBox, leftSpokeColourBox}) c->OnChange = [this] { RedrawSidesIfAuto(); };
    spokeSideGroup->OnClick = [this] { RedrawSidesIfAuto(); };
    valveSpin->OnChange = [this] { RedrawIfAuto(); };
    // The drawing shows the step while the "Lace" tab is shown, the wheel otherwise.
    lacePage->OnStepChanged = [this] { wheelPaintBox->repaint(); };
    connect(lacePage->printButton, &QPushButton::clicked, this, [this] { RunGuarded([this] { PrintStepsSheet(); }); });
    connect(tabs, &QTabWidget::currentChanged, this, [this] { RunGuarded([this] { wheelPaintBox->repaint(); }); });
    hubHolesList->OnChange = [this] { HoleCountChosen(); };
    rimHolesList->OnChange = [this] { HoleCountChosen(); };
    leftCrossSpin->OnChange = [this] { HoleCountChosen(); };
    rightCrossSpin->OnChange = [this] { HoleCountChosen(); };

    drawButton->OnClick = [this] { DrawNow(); };
    drawButton->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) { DrawButtonPressed(b, m); };
    calcButton->OnClick = [this] { CalculateLengths(); };
    summaryButton->OnClick = [this] { ShowSummary(); };
    saveButton->OnClick = [this] { SaveWheel(); };
    openButton->OnClick = [this] { OpenWheel(); };
    openButton->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) { OpenButtonPressed(b, m); };
    connect(recentButton, &QToolButton::clicked, this, [this] { RunGuarded([this] { ShowRecentProfiles(); }); });
    titleLabel->OnClick = [this] { ShowAbout(); };
    logoImage->OnClick = [this] { OpenWebPage(); };
    degreeLabel->OnClick = [this] { ZeroAngle(); };
    halfPitchButton->OnClick = [this] { SlideHalfPitch(); };
    balanceButton->OnClick = [this] { BalanceRimTurn(); };
    locknutButton->OnClick = [this] { OffsetsFromLocknut(); };
    partsButton->OnClick = [this] { partsDialog->open(); };
    hubButton->OnClick = [this] {
        hubDialog->ShowKindInputs();
        hubDialog->open();
    };
    for (const char* key : {"TanLE", "TanRE", "FlThLE", "FlThRE"})
        wheelControls_.Get<TEdit>(key)->OnChange = [this] { RedrawIfAuto(); };
    for (const char* key : {"HeadsLRG", "HeadsRRG"}) wheelControls_.Get<TRadioGroup>(key)->OnClick = [this] { RedrawIfAuto(); };
    // Where the holes lie changes the lacing itself: laced afresh when the
    // builder changes it, never when a profile fills the boxes.
    const auto relace = [this] {
        HoleCountChosen();
        hubDialog->ShowPatternSpans();
    };
    for (const char* key : {"FlOffE", "HubPairE", "RimPairE"})
        connect(wheelControls_.Get<TEdit>(key), &QLineEdit::textEdited, this, [relace] { RunGuarded(relace); });
    for (const char* key : {"HubSplitRG", "RimDrillRG", "CrossPatRG"})
        for (QAbstractButton* button : wheelControls_.Get<TRadioGroup>(key)->findChildren<QAbstractButton*>())
            connect(button, &QAbstractButton::clicked, this, [relace] { RunGuarded(relace); });
    connect(insertGapItem, &QAction::triggered, this, [this] { RunGuarded([this] { InsertGap(); }); });
    connect(lacingGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { tableMenu->popup(lacingGrid->viewport()->mapToGlobal(at)); });
    auto* cells = new LacingCellDelegate([this] { return leftSpokeColourBox->Selected(); }, [this] { return rightSpokeColourBox->Selected(); },
                                         [this](const QString& message) { statusBar->SetSimpleText(message); }, lacingGrid);
    cells->SetStaleLength([this](int row) { return LengthStale(row); });
    // Asked for every hub cell painted: only the hub's split decides the flange,
    // so only its buttons are read, not the whole wheel.
    cells->SetHubSide([this](int hole) {
        HoleLayout holes;
        holes.split = KnownHubSplit(StoredControl<TRadioGroup>("HubSplitRG")->ItemIndex());
        return holes.HubLeft(hole);
    });
    cells->SetSpokeMark([this](int row) {
        return row >= 0 && static_cast<size_t>(row) < spokeMarks_.size() ? spokeMarks_[static_cast<size_t>(row)]
                                                                          : QString();
    });
    lacingGrid->setItemDelegate(cells);
    // The table shows hub holes in the spoke colours: repaint it when they change.
    for (TColorBox* c : {rightSpokeColourBox, leftSpokeColourBox}) c->OnChange = [this] {
        lacingGrid->viewport()->update();
        RedrawSidesIfAuto();
    };
    wheelPaintBox->OnPaint = [this](Canvas& canvas) { PaintWheel(canvas); };
    wheelPaintBox->OnPaintError = [this](const QString& message) { ShowPaintError(message); };
    WatchFieldMarks();
    WatchLengthInputs();
}

}  // namespace rimora
