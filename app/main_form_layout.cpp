// How the main window is put together: its controls in the order of its
// records, the layouts that place them, and which event goes where.
#include "app/fonts.h"
#include "app/logo.h"
#include "app/main_form.h"
#include "app/profile_icons.h"
#include "wheel/wheel_choices.h"
#include "app/lacing_cell_delegate.h"
#include "platform/convert.h"
#include "widgets/tedit.h"
#include "wheel/wheel_fields.h"

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
    // The right panel and its pages are created first so that the stored
    // controls can be their children; the stored controls follow in the order
    // of their records in the settings and profile files.
    Pnl = Create<TPanel>(this, QStringLiteral("Pnl"));
    PageControl1 = Create<TPageControl>(Pnl, QStringLiteral("PageControl1"));
    auto* dataPage = new TPanel(PageControl1, QStringLiteral("DPnl"));
    auto* spokePage = new QWidget(PageControl1);
    auto* drawPage = new TPanel(PageControl1, QStringLiteral("Panel2"));
    dataPage->setFont(TahomaFont(13));

    // Every stored control, in the order of its record in the files.
    QWidget* const pages[] = {dataPage, spokePage, drawPage};
    Panel3 = Create<TPanel>(Pnl, QStringLiteral("Panel3"));
    wheelControls_.Create(*this, pages, Panel3);
    TyCB = wheelControls_.Get<TComboBox>("TyCB");
    HubCB = wheelControls_.Get<TComboBox>("HubCB");
    RimCB = wheelControls_.Get<TComboBox>("RimCB");
    dRE = wheelControls_.Get<TEdit>("dRE");
    dLE = wheelControls_.Get<TEdit>("dLE");
    CLE = wheelControls_.Get<TSpinEdit>("CLE");
    WLE = wheelControls_.Get<TEdit>("WLE");
    WRE = wheelControls_.Get<TEdit>("WRE");
    ShE = wheelControls_.Get<TEdit>("ShE");
    ErdE = wheelControls_.Get<TEdit>("ErdE");
    CRE = wheelControls_.Get<TSpinEdit>("CRE");
    SG1 = wheelControls_.Get<TStringGrid>("SG1");
    AdE = wheelControls_.Get<TEdit>("AdE");
    CL1 = wheelControls_.Get<TColorBox>("CL1");
    CL2 = wheelControls_.Get<TColorBox>("CL2");
    CL3 = wheelControls_.Get<TColorBox>("CL3");
    CL4 = wheelControls_.Get<TColorBox>("CL4");
    CL5 = wheelControls_.Get<TColorBox>("CL5");
    CL6 = wheelControls_.Get<TColorBox>("CL6");
    CL7 = wheelControls_.Get<TColorBox>("CL7");
    RIMBK = wheelControls_.Get<TSpinEdit>("RIMBK");
    RIMID = wheelControls_.Get<TSpinEdit>("RIMID");
    HUBOD = wheelControls_.Get<TSpinEdit>("HUBOD");
    SpkD = wheelControls_.Get<TSpinEdit>("SpkD");
    AuCB = wheelControls_.Get<TCheckBox>("AuCB");
    RNCB = wheelControls_.Get<TCheckBox>("RNCB");
    Ssd = wheelControls_.Get<TRadioGroup>("Ssd");
    RimOffE = wheelControls_.Get<TEdit>("RimOffE");
    TensionE = wheelControls_.Get<TEdit>("TensionE");
    SpokeDiaE = wheelControls_.Get<TEdit>("SpokeDiaE");
    OrderStepCB = wheelControls_.Get<TComboBox>("OrderStepCB");
    HNCB = wheelControls_.Get<TCheckBox>("HNCB");
    RecentL = wheelControls_.Get<TEdit>("RecentL");
    const QFont inputFont = InputFont(15);
    for (QWidget* w : std::initializer_list<QWidget*>{TyCB, HubCB, RimCB, ErdE, WLE, WRE, dLE, dRE, ShE, CLE, CRE,
                                                      RimOffE, TensionE, SpokeDiaE, OrderStepCB, RIMBK, RIMID,
                                                      HUBOD, SpkD})
        w->setFont(inputFont);
    LockBtn = Create<TButton>(dataPage, QStringLiteral("LockBtn"), tr("From locknut…"));
    LockBtn->setToolTip(
        tr("WL and WR from the over-locknut width and each flange's distance from its "
           "locknut face"));

    // The rest holds no value of its own.
    VPnl = Create<TPanel>(this, QStringLiteral("VPnl"));
    PB1 = Create<TPaintBox>(VPnl, QStringLiteral("PB1"));
    sclL = Create<TLabel>(PB1, QStringLiteral("sclL"), tr("scale"));
    sclL->hide();
    Image1 = Create<TImage>(PB1, QStringLiteral("Image1"));
    Image1->SetPicture(RimoraLogo());
    Image1->setToolTip(WebAddress);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setGeometry(2, 73, 151, 60);
    TitleL = Create<TLabel>(PB1, QStringLiteral("TitleL"), tr("Created by Rimora "));
    TitleL->setFont(UiGothicFont(19, true, true));
    TitleL->setToolTip(tr("About This Software"));
    TitleL->setCursor(Qt::PointingHandCursor);
    TitleL->setGeometry(128, 254, 241, 19);
    BtnPnl = Create<TPanel>(VPnl, QStringLiteral("BtnPnl"));
    // Alt+D, Alt+C and Alt+S press the three buttons from anywhere in the window.
    DBtn = Create<TButton>(BtnPnl, QStringLiteral("DBtn"), tr("&Draw!"));
    CBtn = Create<TButton>(BtnPnl, QStringLiteral("CBtn"), tr("&Calc!"));
    SBtn = Create<TButton>(BtnPnl, QStringLiteral("SBtn"), tr("&Summary!"));
    DBtn->setToolTip(tr("Draw the wheel (Alt+D)"));
    CBtn->setToolTip(tr("Calculate every spoke's length (Alt+C)"));
    SBtn->setToolTip(tr("Show the summary and the spoke bill (Alt+S)"));
    ProfL = Create<TLabel>(Panel3, QStringLiteral("ProfL"), QStringLiteral("Profile.prl"));
    SaveBtn = Create<TButton>(Panel3, QStringLiteral("SaveBtn"), QString());
    SaveBtn->setIcon(SaveProfileIcon(*style()));
    SaveBtn->setToolTip(tr("Save ProfileData (*.prl) (Ctrl+S)"));
    SaveBtn->setShortcut(QKeySequence::Save);
    OpenBtn = Create<TButton>(Panel3, QStringLiteral("OpenBtn"), QString());
    OpenBtn->setIcon(OpenProfileIcon(*style()));
    OpenBtn->setToolTip(tr("Open ProfileData (*.prl) (Ctrl+O)"));
    OpenBtn->setShortcut(QKeySequence::Open);
    StatusBar = Create<TStatusBar>(this, QStringLiteral("StatusBar"));
    Label39 = Create<TLabel>(spokePage, QStringLiteral("Label39"), tr("degree"));
    Label39->setCursor(Qt::PointingHandCursor);
    Label39->setToolTip(tr("<--- Click enter 0"));
    SimBtn = Create<TButton>(spokePage, QStringLiteral("SimBtn"), tr("Slide 1/2 angle"));
    RecentL->hide();
    RecentL->setFocusPolicy(Qt::NoFocus);
    RecentBtn = new QToolButton(Panel3);
    RecentBtn->setObjectName(QStringLiteral("RecentBtn"));
    RecentBtn->setArrowType(Qt::DownArrow);
    RecentBtn->setToolTip(tr("Recent profiles"));
    RecentMenu = new QMenu(this);
    RecentMenu->setToolTipsVisible(true);

    Pop1 = new QMenu(this);
    InsItem = Pop1->addAction(tr("Insert && No.Down"));  // "&&": a plain ampersand, no mnemonic

    PageControl1->addTab(dataPage, tr("Data"));
    PageControl1->addTab(spokePage, tr("Spoke"));
    PageControl1->addTab(drawPage, tr("Draw"));
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
    top->addWidget(VPnl, 1);
    top->addWidget(Pnl);
    root->addLayout(top, 1);
    root->addWidget(StatusBar);
    StatusBar->setFixedHeight(19 + 4);

    // Tab goes down each page as it reads, whatever the order of creation,
    // then on to the three buttons under the drawing and round to the
    // profile bar and the tabs. Only the page shown takes the focus, so the
    // three pages follow each other in one chain.
    ChainTabOrder({PageControl1, TyCB, HubCB, RimCB, ErdE, WLE, WRE, LockBtn, dLE, dRE, ShE, CLE, CRE, RimOffE,
                   TensionE, SpokeDiaE, OrderStepCB, AdE, SimBtn, SG1, CL1, CL2, CL3, CL4, CL6, CL5, RIMBK, RIMID,
                   HUBOD, SpkD, AuCB, RNCB, HNCB, Ssd, DBtn, CBtn, SBtn, SaveBtn, OpenBtn, RecentBtn});
    // The side choice holds no focus of its own: Tab stops at its buttons.
    QWidget* beforeSide = HNCB;
    for (QRadioButton* side : Ssd->findChildren<QRadioButton*>()) {
        setTabOrder(beforeSide, side);
        beforeSide = side;
    }
    setTabOrder(beforeSide, DBtn);
}

// Left: the drawing above the button bar.
void TMainF::ArrangeDrawingPanel()
{
    Bevel(VPnl, QFrame::Plain);
    VPnl->setFrameShape(QFrame::NoFrame);
    auto* left = new QVBoxLayout(VPnl);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(PB1, 1);
    left->addWidget(BtnPnl);
    Bevel(BtnPnl, QFrame::Sunken);
    BtnPnl->setFixedHeight(kButtonBarHeight);
    BtnPnl->installEventFilter(this);
}

// Right: the profile bar above the tabs.
void TMainF::ArrangeProfileBar()
{
    Pnl->setFixedWidth(kRightPanelWidth);
    auto* right = new QVBoxLayout(Pnl);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(Panel3);
    right->addWidget(PageControl1, 1);
    Bevel(Panel3, QFrame::Sunken);
    Panel3->setFixedHeight(41);
    auto* profile = new QHBoxLayout(Panel3);
    profile->setContentsMargins(8, 2, 4, 2);
    profile->addWidget(Caption(Panel3, tr("Profile:")));
    profile->addWidget(ProfL, 1);
    ProfL->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QPushButton* b : {SaveBtn, OpenBtn}) {
        b->setFixedSize(24, 24);
        b->setIconSize(QSize(16, 16));
        profile->addWidget(b);
    }
    // The arrow sits against "Open", whose list it shows.
    RecentBtn->setFixedSize(14, 24);
    profile->addSpacing(-profile->spacing());
    profile->addWidget(RecentBtn);
}

// "Data": caption, input, unit on each line.
void TMainF::ArrangeDataPage()
{
    QWidget* dataPage = PageControl1->widget(0);
    auto* data = new QGridLayout(dataPage);
    data->setContentsMargins(3, 6, 3, 6);
    data->setHorizontalSpacing(3);
    data->setVerticalSpacing(2);  // room for the offsets' two-line captions
    const auto line = [&](int row, QWidget* caption, QWidget* input, int width, const QString& unit) {
        AddInputLine(*data, row, caption, input, width, unit);
    };
    const auto fieldCaption = [&](WheelField field) { return FieldCaptionLabel(dataPage, field); };
    TLabel* const longCaptions[] = {fieldCaption(WheelField::LeftFlange),
                                    fieldCaption(WheelField::RightFlange),
                                    fieldCaption(WheelField::SpokeHole),
                                    Caption(dataPage, tr("Rim offset, holes off centre:")),
                                    Caption(dataPage, tr("Tension, tighter side:")),
                                    Caption(dataPage, tr("Spoke Ø, thinnest:")),
                                    Caption(dataPage, tr("Order step, spokes sold in:"))};
    int captionsWidth = 0;
    for (const TLabel* caption : longCaptions) captionsWidth = std::max(captionsWidth, caption->sizeHint().width());
    // Each box as wide as the longest value it is meant to hold, in the
    // region's notation: an ERD to the thousandth ("1,590.125"), the other
    // lengths three decimals on two whole millimetres ("41.125").
    const QLocale region;
    const int erdWidth = WidthShowing(*ErdE, region.toString(1590.125, 'f', 3));
    const int boxWidth = std::max(65, WidthShowing(*WLE, region.toString(41.125, 'f', 3)));
    data->addLayout(TypeLine(Caption(dataPage, tr("TYPE:")), TyCB), 0, 0, 1, 3);
    line(1, fieldCaption(WheelField::HubHoles), HubCB, boxWidth, tr("Hole"));
    line(2, fieldCaption(WheelField::RimHoles), RimCB, boxWidth, tr("Hole"));
    data->addLayout(ErdLine(fieldCaption(WheelField::Erd), ErdE, erdWidth, data->horizontalSpacing()), 3, 0, 1, 2);
    data->addWidget(Caption(dataPage, QStringLiteral("mm")), 3, 2);
    line(4, OffsetCaption(dataPage, WheelField::LeftOffset, captionsWidth), WLE, boxWidth, QStringLiteral("mm"));
    line(5, OffsetCaption(dataPage, WheelField::RightOffset, captionsWidth), WRE, boxWidth, QStringLiteral("mm"));
    // Under the two offsets it sets.
    LockBtn->setFixedHeight(22);
    data->addWidget(LockBtn, 6, 1, 1, 2, Qt::AlignLeft);
    line(7, longCaptions[0], dLE, boxWidth, QStringLiteral("mm"));
    line(8, longCaptions[1], dRE, boxWidth, QStringLiteral("mm"));
    line(9, longCaptions[2], ShE, boxWidth, QStringLiteral("mm"));
    line(10, fieldCaption(WheelField::LeftCross), CLE, 43, QString());
    line(11, fieldCaption(WheelField::RightCross), CRE, 43, QString());
    line(12, longCaptions[3], RimOffE, boxWidth, QStringLiteral("mm"));
    line(13, longCaptions[4], TensionE, boxWidth, QStringLiteral("kgf"));
    line(14, longCaptions[5], SpokeDiaE, boxWidth, QStringLiteral("mm"));
    line(15, longCaptions[6], OrderStepCB, boxWidth, QStringLiteral("mm"));
    for (QWidget* w : std::initializer_list<QWidget*>{TyCB, HubCB, RimCB, ErdE, WLE, WRE, dLE, dRE, ShE, RimOffE,
                                                      TensionE, SpokeDiaE, OrderStepCB})
        w->setFixedHeight(24);
    CLE->setFixedHeight(26);
    CRE->setFixedHeight(26);
    data->setColumnStretch(0, 1);
    data->setRowStretch(16, 1);
    Bevel(static_cast<QFrame*>(dataPage), QFrame::Sunken);
}

// "Spoke": the angle bar above the lacing table.
void TMainF::ArrangeSpokePage()
{
    QWidget* spokePage = PageControl1->widget(1);
    auto* spoke = new QVBoxLayout(spokePage);
    spoke->setContentsMargins(0, 0, 0, 0);
    spoke->setSpacing(0);
    auto* bar = new TPanel(spokePage, QStringLiteral("Panel4"));
    Bevel(bar, QFrame::Raised);
    bar->setFixedHeight(24);
    auto* barRow = new QHBoxLayout(bar);
    barRow->setContentsMargins(3, 1, 1, 1);
    barRow->setSpacing(3);
    barRow->addWidget(Caption(bar, FieldCaption(WheelField::AngleDifference) + u':'));
    AdE->setParent(bar);
    // Room for half the angle between 32 holes turned back, "-5.625".
    AdE->setFixedSize(std::max(44, WidthShowing(*AdE, QLocale().toString(-5.625, 'f', 3))), 20);
    barRow->addWidget(AdE);
    Label39->setParent(bar);
    barRow->addWidget(Label39);
    barRow->addStretch(1);
    SimBtn->setParent(bar);
    SimBtn->setFixedHeight(22);
    SimBtn->setMinimumWidth(SimBtn->sizeHint().width());
    barRow->addWidget(SimBtn);
    spoke->addWidget(bar);
    spoke->addWidget(SG1, 1);
    SG1->SetColWidths({30, 30, 30, 30, 116});
    SG1->SetRowHeight(18);
    SG1->setContextMenuPolicy(Qt::CustomContextMenu);
}

// "Draw": colours, drawing sizes, switches and the side choice.
void TMainF::ArrangeDrawPage()
{
    QWidget* drawPage = PageControl1->widget(2);
    auto* draw = new QGridLayout(drawPage);
    draw->setContentsMargins(6, 4, 6, 4);
    draw->setHorizontalSpacing(4);
    draw->setVerticalSpacing(2);
    int row = 0;
    const std::pair<TColorBox*, const char*> colourLines[] = {
        {CL1, QT_TR_NOOP("BackGround:")}, {CL2, QT_TR_NOOP("RIM 1:")},      {CL3, QT_TR_NOOP("RIM 2:")},
        {CL4, QT_TR_NOOP("HUB:")},        {CL6, QT_TR_NOOP("Left Spoke:")}, {CL5, QT_TR_NOOP("Right Spoke:")},
        {CL7, QT_TR_NOOP("Selected:")}};
    for (const auto& [box, text] : colourLines) {
        TLabel* caption = Caption(drawPage, tr(text));
        draw->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedSize(150, 22);
        draw->addWidget(box, row, 1, 1, 2, Qt::AlignLeft);
        if (box == CL7) {  // kept with the others in files, never shown
            caption->hide();
            box->hide();
        }
        ++row;
    }
    const std::tuple<TSpinEdit*, const char*, const char*> spinLines[] = {
        {RIMBK, QT_TR_NOOP("RIM 1 Height:"), "mm"},
        {RIMID, QT_TR_NOOP("RIM Inner: ERD -"), "mm"},
        {HUBOD, QT_TR_NOOP("HUB Outer: dR(dL) +"), "mm"},
        {SpkD, QT_TR_NOOP("Spoke Width:"), QT_TR_NOOP("Dot")}};
    for (const auto& [spin, text, unit] : spinLines)
        AddSpinLine(*draw, row++, Caption(drawPage, tr(text)), spin, tr(unit));
    // The hole-number switches one above the other, so the three captions fit the panel.
    auto* switches = new QGridLayout();
    switches->setContentsMargins(24, 4, 0, 0);
    switches->setHorizontalSpacing(16);
    switches->setVerticalSpacing(2);
    switches->addWidget(AuCB, 0, 0);
    switches->addWidget(RNCB, 0, 1);
    switches->addWidget(HNCB, 1, 1);
    switches->setColumnStretch(2, 1);
    draw->addLayout(switches, row++, 0, 1, 3);
    draw->addWidget(Ssd, row++, 0, 1, 3);
    draw->setRowStretch(row, 1);
    draw->setColumnStretch(2, 1);
    Bevel(static_cast<QFrame*>(drawPage), QFrame::Sunken);
}

void TMainF::ChainTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
}

void TMainF::WireEvents()
{
    for (TComboBox* c : {TyCB}) c->OnChange = [this] { TyCBChange(); };
    for (TEdit* e : {ErdE, WLE, WRE, dLE, dRE, ShE, AdE}) e->OnChange = [this] { TyCBChange(); };
    CL7->OnChange = [this] { TyCBChange(); };
    for (TSpinEdit* s : {RIMBK, RIMID, HUBOD, SpkD}) s->OnChange = [this] { TyCBChange(); };
    RNCB->OnClick = [this] { TyCBChange(); };
    HNCB->OnClick = [this] { TyCBChange(); };
    for (TColorBox* c : {CL1, CL2, CL3, CL4, CL5, CL6}) c->OnChange = [this] { SsdClick(); };
    Ssd->OnClick = [this] { SsdClick(); };
    HubCB->OnChange = [this] { HubCBChange(); };
    RimCB->OnChange = [this] { HubCBChange(); };
    CLE->OnChange = [this] { HubCBChange(); };
    CRE->OnChange = [this] { HubCBChange(); };

    DBtn->OnClick = [this] { DBtnClick(); };
    DBtn->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) { DBtnMouseDown(b, m); };
    CBtn->OnClick = [this] { CBtnClick(); };
    SBtn->OnClick = [this] { SBtnClick(); };
    SaveBtn->OnClick = [this] { SaveBtnClick(); };
    OpenBtn->OnClick = [this] { OpenBtnClick(); };
    OpenBtn->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) { OpenBtnMouseDown(b, m); };
    connect(RecentBtn, &QToolButton::clicked, this, [this] { RunGuarded([this] { RecentBtnClick(); }); });
    TitleL->OnClick = [this] { TitleLClick(); };
    Image1->OnClick = [this] { Image1Click(); };
    Label39->OnClick = [this] { Label39Click(); };
    SimBtn->OnClick = [this] { SimBtnClick(); };
    LockBtn->OnClick = [this] { LockBtnClick(); };
    connect(InsItem, &QAction::triggered, this, [this] { RunGuarded([this] { InsItemClick(); }); });
    connect(SG1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { Pop1->popup(SG1->viewport()->mapToGlobal(at)); });
    auto* cells = new LacingCellDelegate([this] { return CL6->Selected(); }, [this] { return CL5->Selected(); },
                                         [this](const QString& message) { StatusBar->SetSimpleText(message); }, SG1);
    cells->SetStaleLength([this](int row) { return LengthStale(row); });
    SG1->setItemDelegate(cells);
    // The table shows hub holes in the spoke colours: repaint it when they change.
    for (TColorBox* c : {CL5, CL6}) c->OnChange = [this] {
        SG1->viewport()->update();
        SsdClick();
    };
    PB1->OnPaint = [this](Canvas& canvas) { PB1Paint(canvas); };
    PB1->OnPaintError = [this](const QString& message) { ShowPaintError(message); };
    WatchFieldMarks();
    WatchLengthInputs();
}

}  // namespace rimora
