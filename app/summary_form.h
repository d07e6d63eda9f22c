#pragma once
// The summary window: the wheel's description and its bill of spokes in a
// memo, with an "OK" button that hides it. It keeps its placement in the
// settings file and lives until the program ends.
#include "widgets/simple_controls.h"
#include "widgets/tform.h"

#include <memory>

namespace rimora {

class TIniSave;

class TSumF : public TForm {
    Q_OBJECT
public:
    explicit TSumF(QWidget* parent = nullptr);
    ~TSumF() override;

    // Replaces the memo's text and shows the window in front, not modal. At
    // the first showing of a window without a stored place, the window grows
    // as far as the screen allows to show the whole text.
    void ShowSummary(const QString& text);

    void FormResize();
    void OKBtnClick();

    TMemo* Memo1 = nullptr;
    TPanel* Panel1 = nullptr;
    TButton* OKBtn = nullptr;
    TIniSave& IniSave() { return *iniSave_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    QSize SizeForText(int textHeight, int textWidth) const;
    void FitToText();

    bool fitsFirstSummary_ = false;

    std::unique_ptr<TIniSave> iniSave_;
};

}  // namespace rimora
