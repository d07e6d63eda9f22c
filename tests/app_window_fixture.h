#pragma once
// The real main and summary windows on the offscreen platform, wired as the
// program wires them, with a recording desktop whose executable folder is a
// temporary folder: every settings file goes there, and dialogs are answered
// from the recorder's queues instead of opening.
#include "app/main_form.h"
#include "app/summary_form.h"
#include "platform/color.h"
#include "platform/recording_desktop.h"
#include "support/file_bytes.h"
#include "support/scoped_locale.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height();
}

namespace rimora::test {

class AppWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        desktop.executableFolder = folder_.path();
    }

    void TearDown() override
    {
        Stop();
        QDir::setCurrent(previousFolder_);
    }

    // Program start: the main window, then the hidden summary window; the
    // main window is shown (its first showing draws) unless told otherwise.
    void Start(bool show = true)
    {
        mainF = std::make_unique<TMainF>();
        sumF = std::make_unique<TSumF>();
        mainF->SetSummaryWindow(sumF.get());
        if (show) {
            mainF->show();
            Settle();
        }
    }

    // Program end: the summary window goes first, then the main window,
    // whose destruction writes the settings file.
    void Stop()
    {
        if (mainF) mainF->SetSummaryWindow(nullptr);
        sumF.reset();
        mainF.reset();
    }

    void Restart(bool show = true)
    {
        Stop();
        Start(show);
    }

    static void Settle() { QApplication::processEvents(); }

    QString Path(const QString& name) const { return folder_.filePath(name); }
    QString SettingsPath() const { return Path(QStringLiteral("KELD.ini")); }

    static QByteArray Bytes(const QString& path) { return test::ReadBytes(path); }
    static void WriteBytes(const QString& path, const QByteArray& bytes) { test::WriteBytes(path, bytes); }

    // The files in the executable's folder, less the lock that a running
    // main window holds beside its settings file (gone when it ends).
    QStringList FolderEntries() const
    {
        QStringList entries =
            QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        if (mainF) entries.removeAll(QStringLiteral("KELD.ini.lock"));
        return entries;
    }

    int Paints() const { return mainF->wheelPaintBox->PaintCount(); }

    // A profile saved or opened through the profile bar's buttons, the file
    // dialog answered with `path`.
    void Save(const QString& path);
    void Open(const QString& path);
    QString Errors() const { return desktop.errors.join(QLatin1Char('\n')); }

    ScopedLocale region{PointRegion()};
    ScopedRecordingDesktop desktop;
    std::unique_ptr<TMainF> mainF;
    std::unique_ptr<TSumF> sumF;

private:
    QString previousFolder_ = QDir::currentPath();
    QTemporaryDir folder_;
};

// The user's choice of a list item, as the drop-down list reports it.
inline void Choose(TComboBox* box, const QString& item)
{
    const int index = box->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

// A laced wheel without the message the first of two choices gives: the rim
// count set as a settings file sets it, then the hub count chosen by the user.
inline void LaceWheel(TMainF& f, const QString& hub, const QString& rim)
{
    f.rimHolesList->SetItemIndex(f.rimHolesList->findText(rim));
    Choose(f.hubHolesList, hub);
}

// The user's choice of a named colour in a colour box.
inline void ChooseColor(TColorBox* box, TColor color)
{
    const int index = box->findText(ColorName(color));
    ASSERT_GE(index, 0) << ColorName(color).toStdString();
    box->ChooseItem(index);
}

inline void Press(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF at = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button, modifiers);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button, Qt::NoButton, modifiers);
    QApplication::sendEvent(widget, &release);
}

// A left click, press and release over the middle of the widget.
inline void Click(QWidget* widget)
{
    Press(widget, Qt::LeftButton);
}

inline void AppWindowTest::Save(const QString& path)
{
    desktop.saveAnswers.push_back(path);
    Click(mainF->saveButton);
}

inline void AppWindowTest::Open(const QString& path)
{
    desktop.openAnswers.push_back(path);
    Click(mainF->openButton);
}

// Keys typed into the widget that has them, one character at a time.
inline void Type(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        const int key = ch.unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

inline void LoseFocus(QWidget* widget)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

// Every stored value of the main window as "name=value" lines, the lacing
// table row by row and the profile label included: two windows hold the same
// wheel exactly when these are equal. The recent list belongs to the computer,
// not to the wheel, and is left out.
inline QStringList Snapshot(const TMainF& f)
{
    QStringList out;
    for (Component* c : f.Components()) {
        if (c == static_cast<Component*>(f.recentProfilesEdit)) continue;
        const QString n = c->Name() + QLatin1Char('=');
        if (auto* colour = dynamic_cast<IColorControl*>(c)) {
            out << n + QString::number(colour->Selected());
        } else if (auto* spin = dynamic_cast<TSpinEdit*>(c)) {
            out << n + spin->Text();
        } else if (auto* radio = dynamic_cast<IRadioGroupControl*>(c)) {
            out << n + QString::number(radio->ItemIndex());
        } else if (auto* list = dynamic_cast<IItemIndexControl*>(c)) {
            out << n + QString::number(list->ItemIndex());
        } else if (auto* check = dynamic_cast<ICheckControl*>(c)) {
            out << n + QString::number(check->Checked());
        } else if (auto* edit = dynamic_cast<ITextControl*>(c)) {
            out << n + edit->Text();
        } else if (auto* grid = dynamic_cast<IGridControl*>(c)) {
            const GridModel& m = grid->Model();
            out << n + QStringLiteral("rows ") + QString::number(m.RowCount());
            for (int r = 0; r < m.RowCount(); ++r) {
                QStringList cells;
                for (int col = 0; col < m.ColCount(); ++col) cells << m.Cells(col, r);
                out << n + cells.join(QLatin1Char('|'));
            }
        }
    }
    out << QStringLiteral("ProfL=") + f.profileLabel->Caption();
    return out;
}

inline QStringList TableRow(const TMainF& f, int row)
{
    QStringList cells;
    for (int c = 0; c < f.lacingGrid->ColCount(); ++c) cells << f.lacingGrid->Cells(c, row);
    return cells;
}

}  // namespace rimora::test
