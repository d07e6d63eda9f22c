#include "app/meter_dialog.h"

#include "platform/convert.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rimora {

namespace {

// Charts print a dozen or so rows; calibration takes a few weights.
constexpr int kRowCount = 16;

}  // namespace

MeterDialog::MeterDialog(QWidget* parent, const std::vector<TensionMeter>& meters, const QString& meterName)
    : QDialog(parent)
{
    setWindowTitle(tr("Add a meter or a spoke kind"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    meterName_ = new QComboBox(this);
    meterName_->setEditable(true);
    for (const TensionMeter& meter : meters) meterName_->addItem(meter.name);
    meterName_->setCurrentText(meterName);
    meterName_->lineEdit()->selectAll();
    source_ = new QLineEdit(this);
    source_->setPlaceholderText(tr("e.g. the chart in the meter's box, 2019"));
    kindName_ = new QLineEdit(this);
    kindName_->setPlaceholderText(tr("e.g. 1.8 mm round steel"));
    form->addRow(tr("Meter:"), meterName_);
    form->addRow(tr("Chart's source:"), source_);
    form->addRow(tr("Spoke kind:"), kindName_);
    layout->addLayout(form);
    fromChart_ = new QRadioButton(tr("Rows of the meter's chart (reading, kgf)"), this);
    fromWeights_ = new QRadioButton(tr("My own calibration points (reading with a weight hung from the spoke)"), this);
    fromChart_->setChecked(true);
    layout->addWidget(fromChart_);
    layout->addWidget(fromWeights_);
    rows_ = new QTableWidget(kRowCount, 2, this);
    rows_->verticalHeader()->hide();
    rows_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    rows_->setMinimumHeight(260);
    layout->addWidget(rows_);
    problem_ = new QLabel(this);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    problem_->setWordWrap(true);
    layout->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &MeterDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MeterDialog::reject);
    connect(fromChart_, &QRadioButton::toggled, this, [this] { ShowHeads(); });
    ShowHeads();
    resize(520, 560);
}

void MeterDialog::ShowHeads()
{
    rows_->setHorizontalHeaderLabels(
        {tr("Reading"), fromChart_->isChecked() ? tr("Tension, kgf") : tr("Weight hung, kg")});
}

TensionMeter MeterDialog::Meter() const
{
    TensionMeter meter;
    meter.name = meterName_->currentText().trimmed();
    meter.source = source_->text().trimmed();
    if (meter.source.isEmpty() && fromWeights_->isChecked()) meter.source = tr("calibrated with hanging weights");
    return meter;
}

void MeterDialog::accept()
{
    kind_ = SpokeKind{kindName_->text().trimmed(), {}};
    QString problem;
    for (int row = 0; row < rows_->rowCount() && problem.isEmpty(); ++row) {
        const QTableWidgetItem* readingItem = rows_->item(row, 0);
        const QTableWidgetItem* kgfItem = rows_->item(row, 1);
        const QString readingText = readingItem ? readingItem->text().trimmed() : QString();
        const QString kgfText = kgfItem ? kgfItem->text().trimmed() : QString();
        if (readingText.isEmpty() && kgfText.isEmpty()) continue;
        MeterRow r;
        if (!TryStrToFloat(readingText, r.reading) || !TryStrToFloat(kgfText, r.kgf))
            problem = tr("Row %1: \"%2\" and \"%3\" are not two numbers.").arg(row + 1).arg(readingText, kgfText);
        kind_.rows.push_back(r);
    }
    if (problem.isEmpty() && meterName_->currentText().trimmed().isEmpty()) problem = tr("Name the meter.");
    if (problem.isEmpty() && kind_.name.isEmpty()) problem = tr("Name the spoke kind.");
    if (problem.isEmpty()) problem = SortRows(kind_.rows);
    problem_->setText(problem);
    if (problem.isEmpty()) QDialog::accept();
}

}  // namespace rimora
