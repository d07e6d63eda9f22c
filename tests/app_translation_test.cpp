// The window in the user's language: the real main and summary windows built
// under the Japanese and the English translations, the shipped translation
// file checked message by message, and a sweep for captions left in English.
#include "app/cell_painting.h"
#include "app/translation.h"
#include "app_window_fixture.h"
#include "lacing/lacing_table.h"
#include "platform/errors.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>
#include <set>

namespace rimora::test {
namespace {

QLocale Japanese()
{
    return QLocale(QLocale::Japanese, QLocale::Japan);
}
QLocale English()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// A kana or kanji anywhere in the text.
bool HasJapanese(const QString& text)
{
    for (const QChar ch : text)
        if ((ch.unicode() >= 0x3040 && ch.unicode() <= 0x30FF) || (ch.unicode() >= 0x4E00 && ch.unicode() <= 0x9FFF))
            return true;
    return false;
}

// Every window here is built under the language the test installs; English
// is put back whatever the test's outcome.
class TranslationTest : public AppWindowTest {
protected:
    void TearDown() override
    {
        AppWindowTest::TearDown();
        InstallTranslations(English());
    }

    void StartIn(const QLocale& language)
    {
        InstallTranslations(language);
        Start();
    }
};

// One text the user sees, where the window shows it, in which context it
// is translated and its English source.
struct Shown {
    const char* where;
    std::function<QString(TMainF&, TSumF&)> text;
    const char* context;
    const char* english;
};

const char* const kWindow = "rimora::TMainF";

const Shown kShownTexts[] = {
    {"first tab", [](TMainF& f, TSumF&) { return f.tabs->tabText(0); }, kWindow, "Data"},
    {"second tab", [](TMainF& f, TSumF&) { return f.tabs->tabText(1); }, kWindow, "Spoke"},
    {"third tab", [](TMainF& f, TSumF&) { return f.tabs->tabText(2); }, kWindow, "Draw"},
    {"draw button", [](TMainF& f, TSumF&) { return f.drawButton->text(); }, kWindow, "&Draw!"},
    {"calc button", [](TMainF& f, TSumF&) { return f.calcButton->text(); }, kWindow, "&Calc!"},
    {"summary button", [](TMainF& f, TSumF&) { return f.summaryButton->text(); }, kWindow, "&Summary!"},
    {"draw tooltip", [](TMainF& f, TSumF&) { return f.drawButton->toolTip(); }, kWindow, "Draw the wheel (Alt+D)"},
    {"save tooltip", [](TMainF& f, TSumF&) { return f.saveButton->toolTip(); }, kWindow,
     "Save ProfileData (*.prl) (Ctrl+S)"},
    {"open tooltip", [](TMainF& f, TSumF&) { return f.openButton->toolTip(); }, kWindow,
     "Open ProfileData (*.prl) (Ctrl+O)"},
    {"locknut button", [](TMainF& f, TSumF&) { return f.locknutButton->text(); }, kWindow, "From locknut…"},
    {"slide button", [](TMainF& f, TSumF&) { return f.halfPitchButton->text(); }, kWindow, "Slide 1/2 angle"},
    {"redraw switch", [](TMainF& f, TSumF&) { return f.autoRedrawCheck->text(); }, kWindow, "Auto ReDraw"},
    {"hub number switch", [](TMainF& f, TSumF&) { return f.hubNumbersCheck->text(); }, kWindow, "HUB hole No."},
    {"side choice", [](TMainF& f, TSumF&) { return f.spokeSideGroup->title(); }, kWindow, "Spoke Drawing"},
    {"table menu", [](TMainF& f, TSumF&) { return f.insertGapItem->text(); }, kWindow, "Insert && No.Down"},
    {"drawing menu", [](TMainF& f, TSumF&) { return f.printSheetItem->text(); }, kWindow, "Print build sheet..."},
    {"summary title", [](TMainF&, TSumF& s) { return s.windowTitle(); }, "rimora::TSumF", "Summary"},
    {"first colour", [](TMainF& f, TSumF&) { return f.backgroundColourBox->itemText(0); }, "Colors", "Black"},
    {"custom colour", [](TMainF& f, TSumF&) { return f.backgroundColourBox->itemText(f.backgroundColourBox->count() - 1); }, "rimora::TColorBox",
     "Custom..."},
};

TEST_F(TranslationTest, WindowTextsFollowTheInstalledLanguage)
{
    for (const bool japanese : {true, false}) {
        SCOPED_TRACE(japanese ? "Japanese" : "English");
        StartIn(japanese ? Japanese() : English());
        for (const Shown& row : kShownTexts) {
            SCOPED_TRACE(row.where);
            const QString text = row.text(*mainF, *sumF);
            const QString english = QString::fromUtf8(row.english);
            if (japanese) {
                EXPECT_EQ(text, QCoreApplication::translate(row.context, row.english));
                EXPECT_NE(text, english);
                EXPECT_TRUE(HasJapanese(text)) << text.toStdString();
            } else {
                EXPECT_EQ(text, english);
            }
        }
        Stop();
    }
}

// A caption of the "Data" tab is a label of its own among the window's children.
TEST_F(TranslationTest, DataCaptionsAreTranslatedLabels)
{
    // The inputs' captions come from their one list of names; the others are the window's own.
    const struct {
        const char* context;
        const char* source;
        const char* shown;  // what the label adds or takes away: the colon, the short name
    } captions[] = {{"WheelFields", "HUB", ":"},
                    {"WheelFields", "RIM", ":"},
                    {"WheelFields", "ERD", ":"},
                    {"WheelFields", "CL, left cross", ":"},
                    {kWindow, "Tension, tighter side:", ""},
                    {kWindow, "Order step, spokes sold in:", ""}};
    for (const bool japanese : {true, false}) {
        SCOPED_TRACE(japanese ? "Japanese" : "English");
        StartIn(japanese ? Japanese() : English());
        QStringList labels;
        // A long caption may stand on two lines (Japanese breaks without a space).
        for (const QLabel* l : mainF->tabs->widget(0)->findChildren<QLabel*>())
            labels << QString(l->text()).replace(u'\n', u' ') << QString(l->text()).remove(u'\n');
        for (const auto& caption : captions) {
            const QString text = japanese ? QCoreApplication::translate(caption.context, caption.source)
                                          : QString::fromUtf8(caption.source);
            const QString expected = text + QString::fromLatin1(caption.shown);
            EXPECT_TRUE(labels.contains(expected)) << caption.source;
            EXPECT_EQ(HasJapanese(expected), japanese) << caption.source;
        }
        // The offsets' long captions stand beside their short names.
        const QString left = japanese ? QString::fromUtf8("中心から左フランジ:")
                                      : QStringLiteral("width from center to left flange:");
        EXPECT_TRUE(labels.contains(left)) << left.toStdString();
        Stop();
    }
}

// The first of the two hole counts chosen: the status bar says, in the
// user's language, which one is still to be chosen.
TEST_F(TranslationTest, FirstStepHintIsInTheUsersLanguage)
{
    for (const bool japanese : {true, false}) {
        SCOPED_TRACE(japanese ? "Japanese" : "English");
        StartIn(japanese ? Japanese() : English());
        mainF->rimHolesList->SetItemIndex(-1);
        Choose(mainF->hubHolesList, QStringLiteral("32"));
        Settle();
        // The lacing's hint, or the drawing's, when a repaint came after it.
        QStringList hints;
        for (const auto& [context, hint] :
             {std::pair{"Lacing", "Choose the rim hole count (RIM) on the \"Data\" tab to lace the wheel."},
              std::pair{"Drawing", "Choose the rim hole count on the \"Data\" tab to draw the spokes."}})
            hints << (japanese ? QCoreApplication::translate(context, hint) : QString::fromUtf8(hint));
        EXPECT_TRUE(hints.contains(mainF->statusBar->SimpleText())) << mainF->statusBar->SimpleText().toStdString();
        EXPECT_EQ(HasJapanese(mainF->statusBar->SimpleText()), japanese);
        Stop();
    }
}

// An error box's text and the write error, chosen by the language.
TEST_F(TranslationTest, ErrorsAreInTheUsersLanguage)
{
    for (const bool japanese : {true, false}) {
        SCOPED_TRACE(japanese ? "Japanese" : "English");
        StartIn(japanese ? Japanese() : English());
        LaceWheel(*mainF, QStringLiteral("36"), QStringLiteral("36"));
        mainF->erdEdit->SetText(QStringLiteral("59o"));
        desktop.errors.clear();
        Click(mainF->calcButton);
        Settle();
        ASSERT_FALSE(desktop.errors.isEmpty());
        EXPECT_EQ(HasJapanese(desktop.errors.last()), japanese) << desktop.errors.last().toStdString();
        EXPECT_TRUE(desktop.errors.last().contains(QStringLiteral("59o")));

        const QString path = Path(QStringLiteral("wheel.prl"));
        const QString written = EFileWriteError(path, QStringLiteral("No space left on device")).Message();
        EXPECT_TRUE(written.contains(path));
        EXPECT_TRUE(written.endsWith(QStringLiteral(": No space left on device"))) << written.toStdString();
        EXPECT_EQ(written.contains(QString::fromUtf8("に書き込めません")), japanese) << written.toStdString();
        EXPECT_EQ(written.startsWith(QStringLiteral("Cannot write ")), !japanese) << written.toStdString();
        Stop();
    }
}

// Every visible caption, tooltip and menu item of both windows, in Japanese:
// none is an English word left untranslated. File names, the web address
// and units are no words to translate.
TEST_F(TranslationTest, NoEnglishCaptionIsLeftInJapanese)
{
    StartIn(Japanese());
    const std::set<QString> notWords = {QStringLiteral("kgf"), mainF->profileLabel->Caption(), TMainF::WebAddress};
    const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    QStringList english;
    const auto check = [&](const QString& where, const QString& text) {
        const QString plain = QString(text).remove(QLatin1Char('&'));
        if (plain.isEmpty() || notWords.count(text) || HasJapanese(plain) || !word.match(plain).hasMatch()) return;
        english << where + QStringLiteral(": ") + text;
    };
    for (QWidget* window : std::initializer_list<QWidget*>{mainF.get(), sumF.get()}) {
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            const QString where =
                w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
            check(where + QStringLiteral(" tooltip"), w->toolTip());
            if (const auto* l = qobject_cast<const QLabel*>(w)) check(where, l->text());
            if (const auto* b = qobject_cast<const QAbstractButton*>(w)) check(where, b->text());
            if (const auto* g = qobject_cast<const QGroupBox*>(w)) check(where, g->title());
        }
        for (const QAction* a : window->findChildren<QAction*>()) check(QStringLiteral("menu"), a->text());
    }
    for (int i = 0; i < mainF->tabs->count(); ++i)
        check(QStringLiteral("tab"), mainF->tabs->tabText(i));
    for (int i = 0; i < mainF->backgroundColourBox->count(); ++i) check(QStringLiteral("colour"), mainF->backgroundColourBox->itemText(i));
    EXPECT_TRUE(english.isEmpty()) << english.join(QLatin1Char('\n')).toStdString();
}

// One cell of a lacing table painted on its own, with unsmoothed text.
QImage PaintedCell(const GridModel& table, int col, int row)
{
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    Canvas canvas(painter);
    PaintLacingCell(canvas, table, col, row, image.rect(), colors::Red, colors::Blue);
    return image;
}

// The headings row keeps its English texts (the files hold them) and shows
// each word as the same cell holding its translation would; the signs "->R"
// and "->H" stay as they are.
TEST_F(TranslationTest, LacingHeadingsShowInTheUsersLanguage)
{
    GridModel table(5, 3);
    table.SetFixedRows(1);
    WriteHeadings(table);
    const QStringList english = kLacingHeadings.split(QLatin1Char(','));
    std::vector<QImage> inEnglish;
    for (int col = 0; col < table.ColCount(); ++col) inEnglish.push_back(PaintedCell(table, col, 0));

    ASSERT_TRUE(InstallTranslations(Japanese()));
    for (int col = 0; col < table.ColCount(); ++col) {
        SCOPED_TRACE(english[col].toStdString());
        EXPECT_EQ(table.Cells(col, 0), english[col]);
        const QString shown = QCoreApplication::translate("Lacing", english[col].toUtf8().constData());
        GridModel translated(5, 3);
        translated.SetFixedRows(1);
        translated.SetCells(col, 0, shown);
        EXPECT_EQ(PaintedCell(table, col, 0), PaintedCell(translated, col, 0));
        EXPECT_EQ(PaintedCell(table, col, 0) == inEnglish[static_cast<size_t>(col)], !HasJapanese(shown));
    }
}

// One message of the translation file.
struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;
};

std::vector<Message> ReadTranslationFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Message> out;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message m;
            m.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    m.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            out.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}

// The placeholders of a text: %1, %2 … as a sorted set.
std::set<QString> Placeholders(const QString& text)
{
    std::set<QString> out;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();) out.insert(it.next().captured());
    return out;
}

// A mnemonic: one ampersand not doubled.
bool HasMnemonic(const QString& text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

// The Japanese file is complete, keeps every placeholder, mnemonic and line
// break, and is what the program carries compiled in.
TEST(TranslationFile, EveryMessageIsTranslatedAndShipped)
{
    const std::vector<Message> messages =
        ReadTranslationFile(QStringLiteral(RIMORA_TRANSLATIONS_DIR) + QStringLiteral("/rimora_ja.ts"));
    ASSERT_GT(messages.size(), 100u);
    QTranslator shipped;
    ASSERT_TRUE(shipped.load(QStringLiteral(":/i18n/rimora_ja.qm")));
    for (const Message& m : messages) {
        SCOPED_TRACE((m.context + QStringLiteral(" / ") + m.source).toStdString());
        EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString();
        EXPECT_FALSE(m.translation.trimmed().isEmpty());
        EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source));
        EXPECT_EQ(HasMnemonic(m.translation), HasMnemonic(m.source));
        EXPECT_EQ(m.translation.count(QLatin1Char('\n')), m.source.count(QLatin1Char('\n')));
        EXPECT_EQ(shipped.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()), m.translation);
    }
}

// A language without a translation keeps the English source texts.
TEST_F(TranslationTest, UntranslatedLanguageKeepsEnglish)
{
    EXPECT_FALSE(InstallTranslations(QLocale(QLocale::Swahili, QLocale::Kenya)));
    Start();
    for (const Shown& row : kShownTexts)
        EXPECT_EQ(row.text(*mainF, *sumF), QString::fromUtf8(row.english)) << row.where;
    EXPECT_TRUE(InstallTranslations(Japanese()));
}

// One language per window: Qt's own buttons speak the program's language,
// and stay English where the program has no translation.
TEST(TranslationChoice, QtOwnTextsFollowTheProgramsLanguage)
{
    const auto cancel = [] { return QDialogButtonBox(QDialogButtonBox::Cancel).buttons().first()->text(); };
    InstallTranslations(English());
    const QString english = cancel();
    const std::pair<const char*, bool> rows[] = {{"en_US", false}, {"de_DE", false}, {"fr_FR", false}, {"ja_JP", true}};
    for (const auto& [locale, japanese] : rows) {
        EXPECT_EQ(InstallTranslations(QLocale(QString::fromLatin1(locale))), japanese) << locale;
        EXPECT_EQ(HasJapanese(cancel()), japanese) << locale << ": " << cancel().toStdString();
        EXPECT_EQ(cancel() == english, !japanese) << locale;
    }
    InstallTranslations(English());
}

}  // namespace
}  // namespace rimora::test
