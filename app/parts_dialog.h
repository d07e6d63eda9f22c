#pragma once
// "Parts…": what the wheel is built from and the builder's remarks. The
// boxes are the window's own stored controls, lent to the dialog, so that
// what is typed is part of the wheel at once and is saved with it.
#include <QDialog>

#include <utility>
#include <vector>

namespace rimora {

class PartsDialog : public QDialog {
    Q_OBJECT
public:
    // One line per box, under its caption; the last box (the remarks) takes
    // the height that is left.
    PartsDialog(QWidget* parent, const std::vector<std::pair<QString, QWidget*>>& lines);
};

}  // namespace rimora
