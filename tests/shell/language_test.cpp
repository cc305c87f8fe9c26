// The game in the desktop's language: a finished translation for every text, English
// texts that fit their places, and the main window speaking English only when asked.
#include "dialogs/aboutbox.h"
#include "dialogs/formutil.h"
#include "fakes/shellfakes.h"
#include "fakes/boxanswerer.h"
#include "dialogs/helpbox.h"
#include "platform/language.h"
#include "window/mainform.h"
#include "core/messages.h"
#include "dialogs/inputbox.h"
#include "dialogs/messagebox.h"
#include "window/statuspanel.h"
#include "dialogs/topdlg.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QFontInfo>
#include <QProcess>
#include <QRawFont>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

const QStringList kTranslationDirs = {QStringLiteral(PORIMOGU_TRANSLATIONS_DIR)};

// The placeholders (%1, %2 ...) of a text, and how many access keys it marks.
std::multiset<QString> Placeholders(const QString& text)
{
    std::multiset<QString> found;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.insert(m.captured());
    return found;
}

int AccessKeys(const QString& text)
{
    return static_cast<int>(QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

// Each translation file, brought up to date with the sources by lupdate in a scratch
// copy: a text without a finished translation, or a translation whose text has gone,
// shows there. A translation keeps its text's placeholders and its access key.
TEST(Translations, EveryTextHasAFinishedTranslationAndNoneIsLeftOver)
{
    const QStringList files = QDir(QStringLiteral(PORIMOGU_SOURCE_DIR "/translations"))
                                  .entryList({QStringLiteral("porimogu_*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QTemporaryDir dir;
        const QString ts = dir.filePath(name);
        ASSERT_TRUE(QFile::copy(QStringLiteral(PORIMOGU_SOURCE_DIR "/translations/") + name, ts));
        QProcess lupdate;
        lupdate.start(QStringLiteral(PORIMOGU_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-source-language"),
                       QStringLiteral("ja"), QStringLiteral(PORIMOGU_SOURCE_DIR "/src"),
                       QStringLiteral("-ts"), ts});
        ASSERT_TRUE(lupdate.waitForFinished(120000));
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

        QFile file(ts);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString translation = xml.readElementText();
                const std::string where = (context + QStringLiteral(": ") + source).toStdString();
                EXPECT_TRUE(type.isEmpty())
                    << type.toStdString() << " -- " << where;
                EXPECT_FALSE(translation.isEmpty()) << where;
                EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where;
                EXPECT_EQ(AccessKeys(translation), AccessKeys(source)) << where;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(messages, 50);
    }
}

// The languages the game has: one for every translation the build made, and Japanese.
std::vector<std::string> Languages(bool withJapanese = true)
{
    std::vector<std::string> codes;
    if (withJapanese)
        codes.push_back("ja");
    const QStringList files = QDir(QStringLiteral(PORIMOGU_TRANSLATIONS_DIR))
                                  .entryList({QStringLiteral("porimogu_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& f : files)
        codes.push_back(f.mid(9, f.size() - 12).toStdString());
    return codes;
}

// Every translated text of `language` (the sources for Japanese), from its .ts file.
QStringList TranslatedTexts(const std::string& language)
{
    const bool source = language == "ja";
    QFile file(QStringLiteral(PORIMOGU_SOURCE_DIR "/translations/porimogu_%1.ts")
                   .arg(QString::fromStdString(source ? "en" : language)));
    QStringList texts;
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String(source ? "source" : "translation"))
            texts << xml.readElementText();
    }
    return texts;
}

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.IsValid()); }
    void TearDown() override
    {
        delete about_;
        delete help_;
        delete top_;
        form_.reset();
        about_ = nullptr;
        help_ = nullptr;
        top_ = nullptr;
        InstallTranslations(QLocale::c(), kTranslationDirs);
    }
    // The main window and its dialogs, built after the language has been chosen.
    QStringList Build(const QStringList& desktop, bool withFiles = true)
    {
        language_ = InstallTranslations(desktop, kTranslationDirs);
        InstallFontSubstitutions(language_);  // as the game does: the language's letters in its own fonts
        if (withFiles) {
            EXPECT_TRUE(WriteGameFiles());
        }
        BoxAnswerer boxes;
        form_ = MakeQuietForm(1, sound_, music_);
        about_ = new TAboutBox;
        help_ = new THelpBox;
        top_ = new TTopDlg;
        return boxes.texts;
    }

    ScratchDir dir_;
    NullSound sound_;
    NullMusic music_;
    std::unique_ptr<TMainForm> form_;
    TAboutBox* about_ = nullptr;
    THelpBox* help_ = nullptr;
    TTopDlg* top_ = nullptr;
    QString language_;
};

class EveryLanguage : public LanguageTest, public ::testing::WithParamInterface<std::string> {};
class EveryTranslation : public EveryLanguage {};

// One place a text must fit into: the room it needs and the room it has, in pixels.
struct Fit {
    std::string what;
    int needed;
    int room;
};

int TextWidth(const QWidget* w, const QString& text)
{
    return w->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
}

// A button's caption with a little air on either side.
Fit ButtonFit(const std::string& what, const QPushButton* b)
{
    return {what, TextWidth(b, b->text()) + 8, b->width()};
}

// A label placed in its parent, sized to `text`: it must end before `right`.
Fit LabelFit(const std::string& what, QLabel* label, const QString& text, int right)
{
    label->setText(text);
    label->adjustSize();
    return {what, label->geometry().right() + 1, right};
}

// Every translated text with a fixed place fits it, in the window and in full screen:
// the status bar's labels, the controller's hint, the version and speed dialog, the
// help pages (no scrolling), the top list, the boxes' buttons and the name prompt. (The
// Japanese texts are the ones the places were made for, as they are.)
TEST_P(EveryTranslation, TextsFitTheirFixedPlacesAtEveryScale)
{
    Build({QString::fromStdString(GetParam())});
    ASSERT_EQ(language_.toStdString(), GetParam());
    std::vector<Fit> fits;

    // The status bar, in a window and in full screen: each label ends before the next.
    TStatusPanel* panel = form_->Panel1;
    for (int k : {1, 2}) {
        panel->SetScale(k);
        panel->resize(kClientWidth * k, panel->height());
        const int panelRight = panel->contentsRect().right() + 1;
        const std::string at = " x" + std::to_string(k);
        fits.push_back(LabelFit("time" + at, panel->Label1, TimeText(81) + QLatin1Char(' '), panel->Label2->x()));
        fits.push_back(LabelFit("wait" + at, panel->Label1, WaitText(5), panel->Label2->x()));
        fits.push_back(LabelFit("points" + at, panel->Label2, PointsText(99999), panel->Label3->x()));
        for (GameState s : {GameState::Waiting, GameState::Playing, GameState::Paused, GameState::Over})
            fits.push_back(LabelFit("state " + StateText(s).toStdString() + at, panel->Label3, StateText(s), panelRight));
    }
    panel->SetScale(1);

    // The controller's hint inside the play field.
    form_->show();
    QApplication::processEvents();
    const QRect field(form_->PlayField->mapTo(form_->centralWidget(), QPoint(0, 0)), form_->PlayField->size());
    fits.push_back({"quit hint", form_->QuitHint->width(), field.width()});
    fits.push_back({"quit hint text", TextWidth(form_->QuitHint, form_->QuitHint->text()),
                    form_->QuitHint->contentsRect().width()});

    // The version and speed dialog: its labels inside their panels.
    const QWidget* panel1 = about_->ProductName->parentWidget();
    for (QLabel* l : {about_->ProductName, about_->Version, about_->Dedication, about_->Author})
        fits.push_back({"version " + l->text().toStdString(), l->geometry().right() + 1, panel1->width() - 4});
    fits.push_back(ButtonFit("version OK", about_->OKButton));
    const QWidget* panel2 = about_->Label1->parentWidget();
    fits.push_back({"speed caption", about_->Label1->geometry().right() + 1, panel2->width() - 2});
    about_->ScrollBar1->setValue(102);
    fits.push_back({"speed 102", about_->Label1->geometry().right() + 1, panel2->width() - 2});

    // The help pages: every line visible without scrolling, the tabs side by side.
    help_->show();
    QApplication::processEvents();
    for (QPlainTextEdit* memo : {help_->Memo1, help_->Memo2}) {
        help_->PageControl1->setCurrentWidget(memo->parentWidget());
        QApplication::processEvents();
        const std::string page = memo->objectName().toStdString();
        const QFontMetrics fm(memo->font());
        int widest = 0;
        for (const QString& line : memo->toPlainText().split(QLatin1Char('\n')))
            widest = std::max(widest, fm.horizontalAdvance(line));
        fits.push_back({page + " width", widest + 2 * static_cast<int>(memo->document()->documentMargin()),
                        memo->viewport()->width()});
        fits.push_back({page + " lines", memo->verticalScrollBar()->maximum(), 0});
    }
    fits.push_back({"help tabs", help_->PageControl1->tabBar()->sizeHint().width(), help_->PageControl1->width()});
    fits.push_back(ButtonFit("help OK", help_->Button1));
    help_->hide();

    // The top list: its title, the column heads in their columns, the buttons.
    fits.push_back({"top title", TextWidth(top_->Label1, top_->Label1->text()), top_->Label1->width()});
    top_->FillGrid([] { ScoreList l; FillDefaults(l); return l; }());
    for (int col = 0; col < 4; ++col)
        fits.push_back({"top head " + top_->SGrid->Cells(col, 0).toStdString(),
                        TextWidth(top_->SGrid, top_->SGrid->Cells(col, 0)) + 2, top_->SGrid->ColWidth(col)});
    fits.push_back(ButtonFit("top OK", top_->OKBtn));
    fits.push_back(ButtonFit("top Clear", top_->ClearBtn));

    // Every button a message box can have, and the name prompt.
    TMessageForm box(QStringLiteral("x"), MsgDlgType::Confirmation, 0x1FF);
    for (const QPushButton* b : box.findChildren<QPushButton*>())
        fits.push_back(ButtonFit("box " + b->text().toStdString(), b));
    const QFont font = DialogFont();
    const InputBoxLayout input = ComputeInputBoxLayout(MeasureDialogUnits(font), 20);
    const QFontMetrics dialog(font);
    fits.push_back({"name prompt", input.prompt.x() + dialog.horizontalAdvance(
                        QCoreApplication::translate("NamePrompt", "なまえをいれよう")), input.client.width()});
    for (const char* caption : {"OK", "ｷｬﾝｾﾙ"})
        fits.push_back({std::string("name ") + caption,
                        dialog.horizontalAdvance(QCoreApplication::translate("Boxes", caption)) + 8, input.ok.width()});

    for (const Fit& f : fits)
        EXPECT_LE(f.needed, f.room) << f.what;
}

// Chinese, Korean and Cyrillic letters are drawn in fonts of their own, and a translated
// help page shows every line although those fonts run taller than the Japanese one; the
// Japanese pages keep their size, and the first one still scrolls.
TEST_F(LanguageTest, HelpPagesShowEveryLineInTheLanguagesOwnFont)
{
    const struct {
        const char* locale;
        const char* font;  // the font the page is drawn in, where the machine has it
    } rows[] = {
        {"zh_CN", "Noto Sans CJK SC"}, {"zh_TW", "Noto Sans CJK TC"}, {"ko_KR", "Noto Sans CJK KR"},
        {"uk_UA", "DejaVu Sans"},      {"en_US", "IPAPGothic"},       {"ja_JP", "IPAPGothic"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale);
        Build(QLocale(QString::fromLatin1(row.locale)).uiLanguages());
        help_->show();
        for (QPlainTextEdit* memo : {help_->Memo1, help_->Memo2}) {
            help_->PageControl1->setCurrentWidget(memo->parentWidget());
            QApplication::processEvents();
            const QString font = QString::fromLatin1(row.font);
            if (QFontDatabase::hasFamily(font)) {
                EXPECT_EQ(QFontInfo(memo->font()).family(), font) << memo->objectName().toStdString();
            }
            const bool japanese = language_ == QLatin1String("ja");
            EXPECT_EQ(memo->verticalScrollBar()->maximum() > 0, japanese && memo == help_->Memo1)
                << memo->objectName().toStdString();
            if (japanese) {
                EXPECT_EQ(memo->font().pixelSize(), help_->font().pixelSize());
            }
        }
        TearDown();
        form_ = nullptr;
        about_ = nullptr;
        help_ = nullptr;
        top_ = nullptr;
    }
}

// Every letter of every translated text is in one of the fonts the game asks for in
// that language, and those fonts are installed, so no text shows a box instead of a
// letter; the forms' font is the language's first (Chinese and Korean letters in their
// own forms, not the Japanese ones).
TEST_P(EveryLanguage, FontsAskedForHoldEveryLetterOfItsTexts)
{
    const QString language = QString::fromStdString(GetParam());
    ASSERT_EQ(InstallTranslations(QStringList{language}, kTranslationDirs), language);
    InstallFontSubstitutions(language);
    EXPECT_EQ(QFontInfo(FormFont(19)).family().toStdString(), FontFamilies(language).first().toStdString());
    const QStringList texts = TranslatedTexts(GetParam());
    ASSERT_GT(texts.size(), 50);
    std::vector<QRawFont> fonts;
    for (const QString& family : FontFamilies(language)) {
        const QFont font(family, 19);
        EXPECT_EQ(QFontInfo(font).family().toLower().toStdString(), family.toLower().toStdString())
            << "font not installed";
        fonts.push_back(QRawFont::fromFont(font));
    }
    std::set<char32_t> missing;
    for (const QString& text : texts) {
        for (char32_t c : text.toUcs4()) {
            if (QChar::isSpace(c) || QChar::category(c) == QChar::Other_Control)
                continue;
            if (std::none_of(fonts.begin(), fonts.end(), [c](const QRawFont& f) { return f.supportsCharacter(c); }))
                missing.insert(c);
        }
    }
    EXPECT_TRUE(missing.empty()) << QString::fromUcs4(std::u32string(missing.begin(), missing.end()).c_str())
                                        .toStdString();
}

const auto kCode = [](const ::testing::TestParamInfo<std::string>& language) { return language.param; };
INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::ValuesIn(Languages()), kCode);
INSTANTIATE_TEST_SUITE_P(Languages, EveryTranslation, ::testing::ValuesIn(Languages(false)), kCode);

// The menu titles, the status line and the first box of the real main window, by the
// language asked for: its translation where there is one, Japanese for C, English for
// a language the game does not have.
TEST_F(LanguageTest, MainWindowSpeaksTheLanguageAskedFor)
{
    struct Row {
        QLocale locale;
        const char* language;
        const char* menu;
        const char* state;
        const char* box;       // game.bmp missing
        const char* qtUndo;    // Qt's own text in the name box's menu
    };
    const Row rows[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "en", "&Game", "Press Enter!",
         "game.bmp is missing, so the game cannot start", "&Undo"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "en", "&Game", "Press Enter!",
         "game.bmp is missing, so the game cannot start", "&Undo"},
        {QLocale(QLocale::Japanese, QLocale::Japan), "ja", "ゲーム (&G)", "ｴﾝﾀｰｷｰを おしてね",
         "game.bmp がないので できません", "元に戻す(&U)"},
        {QLocale::c(), "ja", "ゲーム (&G)", "ｴﾝﾀｰｷｰを おしてね", "game.bmp がないので できません",
         "元に戻す(&U)"},
        {QLocale(QLocale::German, QLocale::Germany), "de", "&Spiel", "Drück die Enter-Taste!",
         "game.bmp fehlt, darum kann das Spiel nicht starten", "&Rückgängig"},
        {QLocale(QLocale::Dutch, QLocale::Belgium), "nl", "&Spel", "Druk op Enter!",
         "game.bmp ontbreekt, dus het spel kan niet beginnen", "&Ongedaan maken"},
        {QLocale(QLocale::Polish, QLocale::Poland), "pl", "&Gra", "Naciśnij Enter!",
         "Brak pliku game.bmp, więc gra nie może się zacząć", "&Cofnij"},
        {QLocale(QLocale::Portuguese, QLocale::Brazil), "pt_BR", "&Jogo", "Aperte Enter!",
         "Falta o game.bmp, então o jogo não pode começar", "&Desfazer"},
        {QLocale(QLocale::Russian, QLocale::Russia), "ru", "&Игра", "Нажми Enter!",
         "Нет файла game.bmp, поэтому игра не может начаться", "&Отменить действие"},
        {QLocale(QLocale::Swedish, QLocale::Sweden), "en", "&Game", "Press Enter!",
         "game.bmp is missing, so the game cannot start", "&Undo"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale.name().toStdString());
        const QStringList boxes = Build(row.locale.uiLanguages(), false);
        EXPECT_EQ(language_, QString::fromLatin1(row.language));
        ASSERT_FALSE(boxes.isEmpty());
        EXPECT_EQ(boxes.last(), QString::fromUtf8(row.box));
        EXPECT_EQ(form_->menuBar()->actions().value(0)->text(), QString::fromUtf8(row.menu));
        form_->Timer2Timer();
        Rules(*form_).G().QuitFlag = false;  // the missing picture asked to end
        form_->Timer1Timer();
        EXPECT_EQ(form_->Panel1->Label3->text(), QString::fromUtf8(row.state));
        EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QString::fromUtf8(row.qtUndo));
        TearDown();
        form_ = nullptr;
        about_ = nullptr;
        help_ = nullptr;
        top_ = nullptr;
    }
}

// Languages are taken in the order the desktop lists them (or --language first); the
// first the game has wins, English when it has none of them.
TEST(Language, FirstWantedLanguageTheGameHasWinsElseEnglish)
{
    QTemporaryDir dir;
    for (const char* code : {"de", "en", "es", "fr", "it", "ko", "nl", "pl", "pt_BR", "ru", "uk", "zh_CN", "zh_TW"}) {
        QFile qm(dir.filePath(QStringLiteral("porimogu_%1.qm").arg(QLatin1String(code))));
        ASSERT_TRUE(qm.open(QIODevice::WriteOnly));
    }
    const struct {
        QStringList wanted;
        const char* chosen;
    } rows[] = {
        {{QStringLiteral("en-US"), QStringLiteral("en")}, "en"},
        {{QStringLiteral("fr-FR"), QStringLiteral("fr"), QStringLiteral("en")}, "fr"},
        {{QStringLiteral("de_AT.UTF-8")}, "de"},
        {{QStringLiteral("sv-SE"), QStringLiteral("sv"), QStringLiteral("de")}, "de"},
        {{QStringLiteral("sv-SE"), QStringLiteral("sv")}, "en"},
        {{QStringLiteral("el")}, "en"},
        {{QStringLiteral("ja-JP"), QStringLiteral("en")}, "ja"},
        {{QStringLiteral("C"), QStringLiteral("en")}, "ja"},
        {{QStringLiteral("C.UTF-8")}, "ja"},
        {{QStringLiteral("POSIX")}, "ja"},
        {{}, "ja"},
        {{QStringLiteral("zh-CN")}, "zh_CN"},
        {{QStringLiteral("zh_SG")}, "zh_CN"},
        {{QStringLiteral("zh-Hans-CN")}, "zh_CN"},
        {{QStringLiteral("zh")}, "zh_CN"},
        {{QStringLiteral("zh_TW.UTF-8")}, "zh_TW"},
        {{QStringLiteral("zh-HK")}, "zh_TW"},
        {{QStringLiteral("zh-Hant-HK"), QStringLiteral("zh-HK")}, "zh_TW"},
        {{QStringLiteral("zh-Hant")}, "zh_TW"},
        {{QStringLiteral("pt")}, "pt_BR"},
        {{QStringLiteral("pt-BR")}, "pt_BR"},
        {{QStringLiteral("pt_PT")}, "pt_BR"},
        {{QStringLiteral("ko-KR")}, "ko"},
        {{QStringLiteral("uk-UA")}, "uk"},
        {{QStringLiteral("pt_BR.UTF-8")}, "pt_BR"},
        {{QStringLiteral("pt-PT"), QStringLiteral("pt"), QStringLiteral("en")}, "pt_BR"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChooseLanguage(row.wanted, {dir.path()}), QString::fromLatin1(row.chosen))
            << row.wanted.join(QLatin1Char(':')).toStdString();
    EXPECT_EQ(ChooseLanguage({QStringLiteral("sv")}, {}), QStringLiteral("ja"));  // no English either
}

// --language chooses for one start; a code the game does not have is said in the
// desktop's language, which the game then speaks.
TEST(Language, LanguageOptionWinsOverTheDesktopOrIsSaidToBeUnknown)
{
    const struct {
        const char* asked;
        QStringList desktop;
        const char* chosen;
        const char* complaint;
    } rows[] = {
        {"de", {QStringLiteral("en-US")}, "de", ""},
        {"ja", {QStringLiteral("de-DE")}, "ja", ""},
        {"C", {QStringLiteral("de-DE")}, "ja", ""},
        {"en_GB", {QStringLiteral("ja-JP")}, "en", ""},
        {"", {QStringLiteral("de-DE")}, "de", ""},
        {"xx", {QStringLiteral("en-US")}, "en", "There is no language \"xx\"; the game starts in the desktop's language"},
        {"xx", {QStringLiteral("ja-JP")}, "ja", "「xx」という ことばは ありません。デスクトップの ことばで はじめます"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.asked);
        const StartLanguage start = InstallStartLanguage(QString::fromLatin1(row.asked), row.desktop, kTranslationDirs);
        EXPECT_EQ(start.language, QString::fromLatin1(row.chosen));
        EXPECT_EQ(start.complaint, QString::fromUtf8(row.complaint));
    }
    InstallTranslations(QLocale::c(), kTranslationDirs);
}

} // namespace
