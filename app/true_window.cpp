#include "app/true_window.h"

#include "app/meter_dialog.h"
#include "drawing/tension_radar.h"
#include "drawing/wheel_drawing.h"
#include "platform/canvas.h"
#include "platform/convert.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "sheet/build_sheet.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace rimora {

// The wheel drawing with the round's radar over it.
class TensionRadarView : public QWidget {
public:
    explicit TensionRadarView(QWidget* parent) : QWidget(parent) { setMinimumSize(360, 360); }

    void Show(const LacedWheel* wheel, std::vector<RadarSpoke> spokes)
    {
        wheel_ = wheel;
        spokes_ = std::move(spokes);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        if (!wheel_ || !wheel_->table) return;
        DrawnWheel drawn = DrawingInputsOf(*wheel_, width(), height());
        WheelLayout layout;
        try {
            Canvas canvas(p);
            DrawWheel(canvas, drawn.wheel, *wheel_->table, drawn.frame, layout);
        } catch (const RimoraError& e) {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, e.Message());
            return;
        }
        PaintTensionRadar(p, layout, drawn.wheel, spokes_, kTensionBand);
    }

private:
    const LacedWheel* wheel_ = nullptr;
    std::vector<RadarSpoke> spokes_;
};

namespace {

enum Column { RimColumn, SideColumn, ReadingColumn, KgfColumn, MarkColumn, ColumnCount };

QString MarkText(SpokeMark mark)
{
    switch (mark) {
    case SpokeMark::Low: return TrueWindow::tr("tighten");
    case SpokeMark::High: return TrueWindow::tr("loosen");
    case SpokeMark::BelowTable: return TrueWindow::tr("tighten (below chart)");
    case SpokeMark::AboveTable: return TrueWindow::tr("loosen (above chart)");
    default: return QString();
    }
}

QString RoundName(const TensionRound& round)
{
    return TrueWindow::tr("%1 – %2").arg(round.label, QLocale().toString(round.time.toLocalTime(), QLocale::ShortFormat));
}

QTableWidgetItem* FixedItem(const QString& text, Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(align);
    return item;
}

}  // namespace

TrueWindow::TrueWindow(QWidget* parent, TrueWindowLinks links) : QWidget(parent, Qt::Window), links_(std::move(links))
{
    setObjectName(QStringLiteral("TrueWindow"));
    setWindowTitle(tr("True it: spoke tensions"));
    auto* layout = new QVBoxLayout(this);
    auto* chart = new QHBoxLayout;
    meterList_ = new QComboBox(this);
    kindList_ = new QComboBox(this);
    meterList_->setMinimumContentsLength(16);
    kindList_->setMinimumContentsLength(16);
    auto* addMeter = new QPushButton(tr("Add meter or spoke kind…"), this);
    chart->addWidget(new QLabel(tr("Meter:"), this));
    chart->addWidget(meterList_, 1);
    chart->addWidget(new QLabel(tr("Spoke kind:"), this));
    chart->addWidget(kindList_, 1);
    chart->addWidget(addMeter);
    layout->addLayout(chart);

    auto* rounds = new QHBoxLayout;
    roundList_ = new QComboBox(this);
    roundList_->setMinimumContentsLength(22);
    labelEdit_ = new QLineEdit(this);
    labelEdit_->setPlaceholderText(tr("initial, after truing, …"));
    labelEdit_->setMaxLength(60);
    newRoundButton_ = new QPushButton(tr("&New round"), this);
    rounds->addWidget(new QLabel(tr("Round:"), this));
    rounds->addWidget(roundList_, 1);
    rounds->addWidget(new QLabel(tr("Name:"), this));
    rounds->addWidget(labelEdit_, 1);
    rounds->addWidget(newRoundButton_);
    layout->addLayout(rounds);

    auto* middle = new QHBoxLayout;
    list_ = new QTableWidget(0, ColumnCount, this);
    list_->setHorizontalHeaderLabels({tr("Rim"), tr("Side"), tr("Reading"), tr("kgf"), tr("Outside the band")});
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                           | QAbstractItemView::EditKeyPressed);
    list_->setMinimumWidth(330);
    middle->addWidget(list_);
    radar_ = new TensionRadarView(this);
    middle->addWidget(radar_, 1);
    layout->addLayout(middle, 1);
    for (QLabel*& side : sideLabels_) {
        side = new QLabel(this);
        side->setTextFormat(Qt::PlainText);
        side->setWordWrap(true);
        layout->addWidget(side);
    }
    message_ = new QLabel(this);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    message_->setWordWrap(true);
    layout->addWidget(message_);
    auto* bottom = new QHBoxLayout;
    auto* printForm = new QPushButton(tr("Print sheet with a blank form…"), this);
    auto* printRound = new QPushButton(tr("Print sheet with the last round…"), this);
    auto* close = new QPushButton(tr("Close"), this);
    bottom->addWidget(printForm);
    bottom->addWidget(printRound);
    bottom->addStretch(1);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(meterList_, &QComboBox::currentIndexChanged, this, [this] {
        if (filling_) return;
        FillKinds(QString());
        ChartChosen();
    });
    connect(kindList_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_) ChartChosen();
    });
    connect(roundList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) ChooseRound(index);
    });
    connect(labelEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (current_ < 0) return;
        rounds_[static_cast<std::size_t>(current_)].label = text;
        Store();
        filling_ = true;
        roundList_->setItemText(current_, RoundName(rounds_[static_cast<std::size_t>(current_)]));
        filling_ = false;
    });
    // The name renames the round shown; with none yet, Enter starts one by
    // that name. Either way Enter goes on to the first spoke.
    connect(labelEdit_, &QLineEdit::returnPressed, this, [this] {
        if (current_ < 0) RunGuarded([this] { NewRound(labelEdit_->text()); });
        else EditReading(0);
    });
    connect(newRoundButton_, &QPushButton::clicked, this, [this] { RunGuarded([this] { NewRound(QString()); }); });
    connect(addMeter, &QPushButton::clicked, this, [this] { RunGuarded([this] { AddMeter(); }); });
    connect(printForm, &QPushButton::clicked, this, [this] { RunGuarded([this] { links_.print(true); }); });
    connect(printRound, &QPushButton::clicked, this, [this] { RunGuarded([this] { links_.print(false); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(list_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_ || item->column() != ReadingColumn) return;
        TakeReading(item->row(), item->text());
    });
    // Enter takes the reading and goes on to the next spoke round the wheel.
    connect(list_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint != QAbstractItemDelegate::SubmitModelCache) return;
                const int next = list_->currentRow() + 1;
                if (next < list_->rowCount()) QTimer::singleShot(0, this, [this, next] { EditReading(next); });
            });
    resize(980, 720);
}

void TrueWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    RunGuarded([this] { Reload(); });
    // Name the round and press Enter: the keyboard alone starts it.
    labelEdit_->setFocus();
}

void TrueWindow::Reload()
{
    QStringList problems;
    meters_ = LoadMeters(UserMetersFolder(), &problems);
    message_->setText(problems.isEmpty() ? QString() : tr("Meter files left out: %1").arg(problems.join(QStringLiteral("; "))));
    const std::array<QString, kLogSlots> log = links_.log();
    Wheel held;
    held.log = log;
    rounds_ = RoundsOf(held);
    ReadWheel();
    current_ = rounds_.empty() ? -1 : static_cast<int>(rounds_.size()) - 1;
    const TensionRound* last = current_ >= 0 ? &rounds_.back() : nullptr;
    FillMeters(last ? last->meter : log[LogMeter], last ? last->kind : log[LogKind]);
    FillRounds();
    Refigure();
}

void TrueWindow::ReadWheel()
{
    try {
        wheel_ = links_.wheel();
        wheelReady_ = true;
    } catch (const RimoraError& e) {
        wheel_ = LacedWheel();
        wheelReady_ = false;
        message_->setText(e.Message());
    }
}

void TrueWindow::WheelChanged()
{
    ReadWheel();
    Refigure();
}

void TrueWindow::FillMeters(const QString& meter, const QString& kind)
{
    filling_ = true;
    meterList_->clear();
    for (const TensionMeter& m : meters_) {
        meterList_->addItem(m.name);
        // Where the chart comes from, so a copy can be checked against the meter's own.
        const QStringList about = QStringList{m.source, m.version, m.note}.filter(QRegularExpression(QStringLiteral("\\S")));
        meterList_->setItemData(meterList_->count() - 1, about.join(QLatin1Char('\n')), Qt::ToolTipRole);
    }
    const int at = meterList_->findText(meter);
    meterList_->setCurrentIndex(at >= 0 ? at : 0);
    filling_ = false;
    FillKinds(kind);
}

void TrueWindow::FillKinds(const QString& kind)
{
    filling_ = true;
    kindList_->clear();
    if (const TensionMeter* meter = FindMeter(meters_, meterList_->currentText()))
        for (const SpokeKind& k : meter->kinds) kindList_->addItem(k.name);
    const int at = kindList_->findText(kind);
    kindList_->setCurrentIndex(at >= 0 ? at : 0);
    filling_ = false;
}

void TrueWindow::FillRounds()
{
    filling_ = true;
    roundList_->clear();
    for (const TensionRound& round : rounds_) roundList_->addItem(RoundName(round));
    roundList_->setCurrentIndex(current_);
    labelEdit_->setText(current_ >= 0 ? rounds_[static_cast<std::size_t>(current_)].label : QString());
    filling_ = false;
}

void TrueWindow::ChooseRound(int index)
{
    current_ = index;
    if (current_ >= 0) {
        const TensionRound& round = rounds_[static_cast<std::size_t>(current_)];
        FillMeters(round.meter, round.kind);
        labelEdit_->setText(round.label);
    }
    Refigure();
}

void TrueWindow::ChartChosen()
{
    links_.setLog(LogMeter, meterList_->currentText());
    links_.setLog(LogKind, kindList_->currentText());
    if (current_ >= 0) {
        TensionRound& round = rounds_[static_cast<std::size_t>(current_)];
        round.meter = meterList_->currentText();
        round.kind = kindList_->currentText();
        Store();
    }
    Refigure();
}

const SpokeKind* TrueWindow::ChosenKind() const
{
    const TensionMeter* meter = FindMeter(meters_, meterList_->currentText());
    return meter ? meter->Kind(kindList_->currentText()) : nullptr;
}

void TrueWindow::NewRound(const QString& label)
{
    TensionRound round;
    round.label = label.trimmed().isEmpty()
                      ? (rounds_.empty() ? tr("initial") : tr("round %1").arg(rounds_.size() + 1))
                      : label.trimmed();
    round.time = QDateTime::currentDateTimeUtc();
    round.meter = meterList_->currentText();
    round.kind = kindList_->currentText();
    round.readings.resize(report_.spokes.size());
    rounds_.push_back(round);
    if (rounds_.size() > static_cast<std::size_t>(kKeptRounds)) rounds_.erase(rounds_.begin());
    current_ = static_cast<int>(rounds_.size()) - 1;
    Store();
    FillRounds();
    Refigure();
    EditReading(0);
}

bool TrueWindow::TakeReading(int index, const QString& text)
{
    if (current_ < 0 || index < 0 || index >= static_cast<int>(report_.spokes.size())) return false;
    TensionRound& round = rounds_[static_cast<std::size_t>(current_)];
    round.readings.resize(report_.spokes.size());
    double value = 0;
    const QString typed = text.trimmed();
    std::optional<double>& kept = round.readings[static_cast<std::size_t>(report_.spokes[static_cast<std::size_t>(index)].at)];
    if (typed.isEmpty()) {
        kept.reset();
    } else if (TryStrToFloat(typed, value) && value > 0 && value < 1000) {
        kept = value;
    } else {
        message_->setText(tr("Rim %1: \"%2\" is not a reading.").arg(report_.spokes[static_cast<std::size_t>(index)].rim).arg(typed));
        ShowFigures();
        return false;
    }
    message_->clear();
    Store();
    Refigure();
    return true;
}

void TrueWindow::EditReading(int row)
{
    if (row < 0 || row >= list_->rowCount()) return;
    list_->setCurrentCell(row, ReadingColumn);
    list_->setFocus();
    list_->editItem(list_->item(row, ReadingColumn));
}

void TrueWindow::Store()
{
    Wheel held;
    SetRounds(held, rounds_);
    for (int slot = LogFirstRound; slot < kLogSlots; ++slot) links_.setLog(slot, held.log[slot]);
}

void TrueWindow::Refigure()
{
    report_ = wheelReady_ ? TensionReportOf(wheel_, meters_) : TensionReport();
    report_.round = current_ >= 0 ? std::optional(rounds_[static_cast<std::size_t>(current_)]) : std::nullopt;
    const SpokeKind* kind = ChosenKind();
    report_.chartFound = kind != nullptr;
    report_.figures = FiguresOf(report_.round.value_or(TensionRound{}), kind, report_.spokes, report_.leftTarget,
                                report_.rightTarget);
    ShowFigures();
}

void TrueWindow::ShowFigures()
{
    const RoundFigures& f = report_.figures;
    filling_ = true;
    list_->setRowCount(static_cast<int>(report_.spokes.size()));
    std::vector<RadarSpoke> radar;
    for (std::size_t i = 0; i < report_.spokes.size(); ++i) {
        const RoundSpoke& spoke = report_.spokes[i];
        const int row = static_cast<int>(i);
        QString readingText;
        if (const std::optional<double> reading = report_.round ? ReadingOf(*report_.round, spoke) : std::nullopt)
            readingText = QLocale().toString(*reading, 'g', 6);
        list_->setItem(row, RimColumn, FixedItem(QString::number(spoke.rim)));
        list_->setItem(row, SideColumn, FixedItem(spoke.left ? tr("left") : tr("right"), Qt::AlignLeft | Qt::AlignVCenter));
        auto* readingItem = new QTableWidgetItem(readingText);
        readingItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (!report_.round) readingItem->setFlags(Qt::ItemIsEnabled);
        list_->setItem(row, ReadingColumn, readingItem);
        list_->setItem(row, KgfColumn, FixedItem(KgfText(f, i, Marks::Region)));
        const QString mark = MarkText(f.marks[i]);
        auto* markItem = FixedItem(mark, Qt::AlignLeft | Qt::AlignVCenter);
        if (!mark.isEmpty()) {
            markItem->setBackground(f.marks[i] == SpokeMark::Low || f.marks[i] == SpokeMark::BelowTable
                                        ? QColor(255, 205, 205)
                                        : QColor(255, 225, 180));
            markItem->setForeground(Qt::black);
        }
        list_->setItem(row, MarkColumn, markItem);
        const SideRound& side = f.Side(spoke.left);
        RadarSpoke r{spoke.rim, spoke.left, std::nullopt, mark.size() > 0,
                     f.marks[i] == SpokeMark::Low || f.marks[i] == SpokeMark::BelowTable};
        if (f.kgf[i] && side.target > 0) r.share = *f.kgf[i] / side.target;
        radar.push_back(r);
    }
    filling_ = false;
    radar_->Show(wheelReady_ ? &wheel_ : nullptr, std::move(radar));
    const SideRound* sides[] = {&f.left, &f.right};
    for (int s = 0; s < 2; ++s) {
        const SideRound& side = *sides[s];
        const QString name = s == 0 ? tr("Left") : tr("Right");
        QString text;
        if (side.target <= 0) {
            text = tr("%1: no target until the spokes have lengths").arg(name);
        } else {
            text = tr("%1: target %2 kgf, band %3 – %4 kgf")
                       .arg(name, TensionText(side.target), TensionText(side.low), TensionText(side.high));
            if (side.read > 0) {
                QStringList rims;
                for (const int i : side.outside) rims << QString::number(report_.spokes[static_cast<std::size_t>(i)].rim);
                text += tr(";  %1 read, mean %2 kgf, spread %3 kgf").arg(side.read).arg(TensionText(side.mean), TensionText(side.spread));
                text += rims.isEmpty() ? tr(";  all within the band") : tr(";  outside: rim %1").arg(rims.join(QStringLiteral(", ")));
            }
        }
        sideLabels_[s]->setText(text);
    }
    if (report_.round && !report_.chartFound)
        message_->setText(tr("No chart for this meter and spoke kind: choose one or add it."));
}

void TrueWindow::AddMeter()
{
    MeterDialog dialog(this, meters_, meterList_->currentText());
    if (dialog.exec() != QDialog::Accepted) return;
    const TensionMeter meter = dialog.Meter();
    const SpokeKind kind = dialog.Kind();
    try {
        SaveUserKind(UserMetersFolder(), meter, kind);
    } catch (const EFileWriteError& e) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The meter could not be kept: %1: %2").arg(e.Path(), e.Reason()));
        return;
    }
    meters_ = LoadMeters(UserMetersFolder());
    // The combos show the chart of the round on screen; a round already
    // read keeps its chart until the builder chooses another.
    if (current_ >= 0) {
        const TensionRound& round = rounds_[static_cast<std::size_t>(current_)];
        FillMeters(round.meter, round.kind);
        Refigure();
    } else {
        FillMeters(meter.name, kind.name);
        ChartChosen();
    }
}

}  // namespace rimora
