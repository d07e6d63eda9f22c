#pragma once
// "From locknut…": the flange offsets WL and WR worked out from the hub's
// over-locknut width and each flange's distance from its locknut face.
#include "spokes/locknut_offsets.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace rimora {

class LocknutDialog : public QDialog {
    Q_OBJECT
public:
    explicit LocknutDialog(QWidget* parent = nullptr);

    QLineEdit* OldE = nullptr;    // over-locknut width, mm
    QLineEdit* LeftE = nullptr;   // left locknut face to left flange, mm
    QLineEdit* RightE = nullptr;  // right locknut face to right flange, mm

    // The offsets of the last OK; nothing after Cancel.
    const std::optional<FlangeOffsets>& Result() const { return result_; }

    // OK: converts the three texts; a text that does not convert, or a hub
    // that cannot be, is reported and the dialog stays open.
    void accept() override;

private:
    std::optional<FlangeOffsets> result_;
};

}  // namespace rimora
