#pragma once
// The "True it" window: the builder goes round the wheel with a tension
// meter, types each reading and presses Enter for the next spoke. Each
// reading is turned into kgf at once by the chosen meter's chart and shown in
// the list and on the wheel drawing as a radar against its side's target,
// with each side's mean, spread and the spokes outside the band. The rounds
// are kept with the wheel, in the profile.
#include "sheet/tension_report.h"
#include "wheel/wheel.h"

#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rimora {

class TensionRadarView;

struct TrueWindowLinks {
    // The main window's wheel with its table, laced and measured; throws when
    // it cannot be built.
    std::function<LacedWheel()> wheel;
    // The wheel's log texts as the main window keeps them, and one put back.
    std::function<std::array<QString, kLogSlots>()> log;
    std::function<void(int slot, const QString& text)> setLog;
    // Prints the sheet with a blank tension form, or with the last round.
    std::function<void(bool blankForm)> print;
};

class TrueWindow : public QWidget {
    Q_OBJECT
public:
    TrueWindow(QWidget* parent, TrueWindowLinks links);

    // Reads the wheel, the meters and the rounds afresh: on every showing,
    // since the profile may have changed meanwhile.
    void Reload();
    // The main window's wheel has changed (an input, the table): its spokes
    // and targets are read again; the rounds stay as they are.
    void WheelChanged();
    // Starts a round named `label` (a name by its number when empty) and
    // puts the cursor on the first spoke's reading.
    void NewRound(const QString& label = QString());
    // The reading of spoke `index` round the wheel, as typed; false when it
    // does not read (the spoke keeps its reading).
    bool TakeReading(int index, const QString& text);

    const std::vector<TensionRound>& Rounds() const { return rounds_; }
    const TensionReport& Report() const { return report_; }
    QTableWidget* ReadingList() const { return list_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillMeters(const QString& meter, const QString& kind);
    void FillKinds(const QString& kind);
    void FillRounds();
    void ChooseRound(int index);
    void ChartChosen();
    void AddMeter();
    void Refigure();
    void ShowFigures();
    void ReadWheel();
    void Store();
    void EditReading(int row);
    const SpokeKind* ChosenKind() const;

    TrueWindowLinks links_;
    std::vector<TensionMeter> meters_;
    std::vector<TensionRound> rounds_;
    int current_ = -1;
    LacedWheel wheel_;
    TensionReport report_;
    bool wheelReady_ = false;  // wheel_ holds the main window's wheel
    bool filling_ = false;

    QComboBox* meterList_ = nullptr;
    QComboBox* kindList_ = nullptr;
    QComboBox* roundList_ = nullptr;
    QLineEdit* labelEdit_ = nullptr;
    QPushButton* newRoundButton_ = nullptr;
    QTableWidget* list_ = nullptr;
    TensionRadarView* radar_ = nullptr;
    QLabel* sideLabels_[2] = {};
    QLabel* message_ = nullptr;
};

}  // namespace rimora
