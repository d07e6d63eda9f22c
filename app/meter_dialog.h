#pragma once
// Adds a tension meter, or a spoke kind to one, from the rows of the chart
// that came with the meter or from the builder's own calibration points: a
// known weight hung from a spoke pulls it with that many kgf, and the meter's
// reading on it makes a row. Kept in the user's meters folder.
#include "spokes/tension_meter.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QTableWidget;
class QRadioButton;
class QLabel;

namespace rimora {

class MeterDialog : public QDialog {
    Q_OBJECT
public:
    MeterDialog(QWidget* parent, const std::vector<TensionMeter>& meters, const QString& meterName);

    // The meter (name, source) and the kind the rows make, once accepted.
    TensionMeter Meter() const;
    SpokeKind Kind() const { return kind_; }

    void accept() override;

private:
    void ShowHeads();

    QComboBox* meterName_ = nullptr;
    QLineEdit* source_ = nullptr;
    QLineEdit* kindName_ = nullptr;
    QRadioButton* fromChart_ = nullptr;
    QRadioButton* fromWeights_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QLabel* problem_ = nullptr;
    SpokeKind kind_;
};

}  // namespace rimora
