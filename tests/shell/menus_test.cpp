// The menu bar of the main window: its tree, the checks of its three radio items, and
// what each command does in each game state, down to the dialogs it opens.
#include "dialogs/aboutbox.h"
#include "appfakes.h"
#include "window/framebuffers.h"
#include "dialogs/helpbox.h"
#include "window/mainform.h"
#include "dialogs/formutil.h"
#include "dialogs/topdlg.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionMenuItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>

#include <functional>
#include <map>
#include <memory>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

// What a menu item looks like when its menu draws it.
struct DrawnItem {
    QStyleOptionMenuItem::CheckType checkType = QStyleOptionMenuItem::NotCheckable;
    bool checked = false;
};

class RecordingStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_MenuItem) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                if (item->menuItemType != QStyleOptionMenuItem::Separator)
                    drawn[item->text] = {item->checkType, item->checked};
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable std::map<QString, DrawnItem> drawn;
};

// A modal window that opened while a command ran, as it was when it came up.
struct SeenModal {
    QPointer<QWidget> widget;
    QString text;            // a message box's text
    int aboutHeight = -1;    // the version dialog's client height
};

const GameState kAllStates[] = {GameState::Waiting, GameState::Playing, GameState::Paused, GameState::Over};

const char* StateName(GameState s)
{
    switch (s) {
    case GameState::Waiting: return "waiting";
    case GameState::Playing: return "playing";
    case GameState::Paused: return "paused";
    case GameState::Over: return "over";
    }
    return "?";
}

class MenusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallFontSubstitutions(); }

    void SetUp() override
    {
        ASSERT_TRUE(dir_.IsValid());
        ASSERT_TRUE(SyntheticSheet().save(QStringLiteral("game.bmp"), "BMP"));
        QFile mid(QStringLiteral("game.mid"));  // present, so no message box at start
        ASSERT_TRUE(mid.open(QIODevice::WriteOnly));
        MakeForm();
    }
    void TearDown() override
    {
        form_.reset();
    }

    // A main window with its three dialogs, shown and active, as the program has it.
    void MakeForm()
    {
        form_.reset();
        music_.calls.clear();
        TMainForm::Options o;
        o.openMusic = false;
        o.startTimers = false;
    o.makeRules = OpenRules;
        o.makeRules = OpenRules;
        o.sound = &sound_;
        o.music = &music_;
        form_ = std::make_unique<TMainForm>(7u, o);
        about_ = new TAboutBox(form_.get());
        help_ = new THelpBox(form_.get());
        top_ = new TTopDlg(form_.get());
        form_->SetDialogs(about_, help_, top_);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    OpenGame& G() { return Rules(*form_); }

    // Runs `command`; every modal window that opens meanwhile is recorded and closed by
    // its close box. Empty when none opened.
    std::vector<SeenModal> Run(const std::function<void()>& command)
    {
        std::vector<SeenModal> seen;
        QTimer closer;
        closer.setInterval(0);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || (!seen.empty() && seen.back().widget == w))
                return;
            SeenModal m;
            m.widget = w;
            if (auto* box = qobject_cast<QMessageBox*>(w))
                m.text = box->text();
            if (auto* about = qobject_cast<TAboutBox*>(w))
                m.aboutHeight = about->ClientHeight();
            seen.push_back(m);
            w->close();
        });
        closer.start();
        command();
        // Error boxes come once the handler has returned.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        closer.stop();
        return seen;
    }

    bool MainWindowActive()
    {
        QCoreApplication::processEvents();
        return QApplication::activeWindow() == form_.get();
    }

    void CloseNonModalDialogs()
    {
        about_->close();
        help_->close();
        QCoreApplication::processEvents();
    }

    bool FloorIsClean() { return form_->Buffers().Back() == form_->Buffers().Background(); }

    ScratchDir dir_;
    NullSound sound_;
    RecordingMusic music_;
    std::unique_ptr<TMainForm> form_;
    TAboutBox* about_ = nullptr;  // the three dialogs are owned by form_
    THelpBox* help_ = nullptr;
    TTopDlg* top_ = nullptr;
};

QStringList Captions(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

TEST_F(MenusTest, TreeCaptionsOrderAndAccessLettersWithoutShortcuts)
{
    QMenuBar* bar = form_->menuBar();
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_EQ(bar->actions()[0], form_->KG1->menuAction());
    EXPECT_EQ(bar->actions()[1], form_->KO1->menuAction());
    EXPECT_EQ(bar->actions()[2], form_->KH1->menuAction());
    EXPECT_EQ(form_->KG1->title(), QStringLiteral("ゲーム (&G)"));
    EXPECT_EQ(form_->KO1->title(), QStringLiteral("せってい (&O)"));
    EXPECT_EQ(form_->KH1->title(), QStringLiteral("へるぷ (&H)"));

    EXPECT_EQ(Captions(form_->KG1),
              (QStringList{QStringLiteral("スタート (&S)"), QStringLiteral("ていし (&P)"),
                           QStringLiteral("やめる (&Q)"), QStringLiteral("-"),
                           QStringLiteral("せいせき (&T)"), QStringLiteral("-"),
                           QStringLiteral("おわり (&X)")}));
    EXPECT_EQ(Captions(form_->KO1),
              (QStringList{QStringLiteral("ゲームのはやさ (&V)"), QStringLiteral("おんがくつき (&M)"),
                           QStringLiteral("なにかへんだ (&S)")}));
    EXPECT_EQ(Captions(form_->KH1),
              (QStringList{QStringLiteral("そうさのしかた (&K)"), QStringLiteral("ヴァージョン (&V)")}));
    const QList<QAction*> game = form_->KG1->actions();
    EXPECT_EQ(game[0], form_->KS1);
    EXPECT_EQ(game[1], form_->K1);
    EXPECT_EQ(game[2], form_->KQ1);
    EXPECT_EQ(game[4], form_->K3);
    EXPECT_EQ(game[6], form_->KX1);
    EXPECT_EQ(form_->KO1->actions(), (QList<QAction*>{form_->KV1, form_->K2, form_->KS2}));
    EXPECT_EQ(form_->KH1->actions(), (QList<QAction*>{form_->KK1, form_->KV2}));

    for (QMenu* menu : {form_->KG1, form_->KO1, form_->KH1}) {
        // A drop-down is a window of its own: without its own font its items would come
        // out in another face than the bar's titles.
        EXPECT_EQ(menu->font(), bar->font()) << menu->title().toStdString();
        EXPECT_TRUE(menu->menuAction()->isEnabled());
        EXPECT_TRUE(menu->menuAction()->shortcuts().isEmpty());
        for (const QAction* a : menu->actions()) {
            EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
            EXPECT_TRUE(a->shortcuts().isEmpty()) << a->text().toStdString();
        }
    }
}

TEST_F(MenusTest, ThreeRadioItemsDrawADotAndStartWithOnlyTheMusicChecked)
{
    for (QAction* a : {form_->KS1, form_->KQ1, form_->K3, form_->KX1, form_->KV1, form_->KK1, form_->KV2})
        EXPECT_FALSE(a->isCheckable()) << a->text().toStdString();
    for (QAction* a : {form_->K1, form_->K2, form_->KS2})
        EXPECT_TRUE(a->isCheckable()) << a->text().toStdString();
    EXPECT_FALSE(form_->K1->isChecked());
    EXPECT_TRUE(form_->K2->isChecked());
    EXPECT_FALSE(form_->KS2->isChecked());
    EXPECT_TRUE(G().G().MusicFlag);
    EXPECT_FALSE(G().G().TrailFlag);

    // What the menus hand to the style when they draw their items.
    RecordingStyle style;
    for (QMenu* menu : {form_->KG1, form_->KO1}) {
        menu->setStyle(&style);
        (void)menu->grab();
        menu->setStyle(nullptr);
    }
    auto drawn = [&](const char* caption) { return style.drawn[QString::fromUtf8(caption)]; };
    EXPECT_EQ(drawn("ていし (&P)").checkType, QStyleOptionMenuItem::Exclusive);
    EXPECT_FALSE(drawn("ていし (&P)").checked);
    EXPECT_EQ(drawn("おんがくつき (&M)").checkType, QStyleOptionMenuItem::Exclusive);
    EXPECT_TRUE(drawn("おんがくつき (&M)").checked);
    EXPECT_EQ(drawn("なにかへんだ (&S)").checkType, QStyleOptionMenuItem::Exclusive);
    EXPECT_EQ(drawn("スタート (&S)").checkType, QStyleOptionMenuItem::NotCheckable);
    EXPECT_EQ(drawn("ゲームのはやさ (&V)").checkType, QStyleOptionMenuItem::NotCheckable);
}

TEST_F(MenusTest, EachCheckTurnsOverAloneAndItsFlagFollows)
{
    QAction* items[] = {form_->K1, form_->K2, form_->KS2};
    auto checks = [&] {
        return std::vector<bool>{form_->K1->isChecked(), form_->K2->isChecked(), form_->KS2->isChecked()};
    };
    std::vector<bool> expected = checks();
    // On, then off again, one item at a time; the other two never move.
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 3; ++i) {
            items[i]->trigger();
            expected[static_cast<std::size_t>(i)] = !expected[static_cast<std::size_t>(i)];
            EXPECT_EQ(checks(), expected) << "after " << items[i]->text().toStdString();
            EXPECT_EQ(G().G().MusicFlag, form_->K2->isChecked());
            EXPECT_EQ(G().G().TrailFlag, form_->KS2->isChecked());
        }
    }
    // The pause item, chosen twice while waiting, ends with the start request raised.
    EXPECT_FALSE(form_->K1->isChecked());
    EXPECT_TRUE(G().G().StartRequest);
}

TEST_F(MenusTest, AccessLettersOpenTheMenusAndChooseTheirItems)
{
    QTest::keyClick(form_.get(), Qt::Key_G, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), form_->KG1);
    QTest::keyClick(form_->KG1, Qt::Key_S);
    EXPECT_FALSE(form_->KG1->isVisible());
    EXPECT_TRUE(G().G().StartRequest);

    QTest::keyClick(form_.get(), Qt::Key_O, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), form_->KO1);
    QTest::keyClick(form_->KO1, Qt::Key_M);
    EXPECT_FALSE(form_->K2->isChecked());
    EXPECT_FALSE(G().G().MusicFlag);

    QTest::keyClick(form_.get(), Qt::Key_H, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), form_->KH1);
    QTest::keyClick(form_->KH1, Qt::Key_K);
    EXPECT_TRUE(help_->isVisible());
    help_->close();

    // Afterwards the arrow keys reach the game again.
    EXPECT_TRUE(MainWindowActive());
    QTest::keyPress(form_.get(), Qt::Key_Right);
    EXPECT_TRUE(G().G().DirectionFlags.Right);
    QTest::keyRelease(form_.get(), Qt::Key_Right);
}

TEST_F(MenusTest, TopListOnlyWhileWaiting)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(StateName(s));
        G().SetState(s);
        const auto seen = Run([&] { form_->K3->trigger(); });
        if (s == GameState::Waiting) {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].widget, top_);
        } else {
            EXPECT_TRUE(seen.empty());
        }
        EXPECT_EQ(G().State(), s);
    }
}

TEST_F(MenusTest, TopListClosedHandsTheKeyboardBackToTheGame)
{
    ASSERT_TRUE(MainWindowActive());
    ASSERT_EQ(Run([&] { form_->K3->trigger(); }).size(), 1u);
    EXPECT_TRUE(MainWindowActive());
}

TEST_F(MenusTest, TheGamesEndAndTheWindowLosingTheKeyboardLetGoOfThePointer)
{
    // Held on the field when the game ends: the top list opens over it.
    QTest::mousePress(form_->PlayField, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(G().Pointer().Held);
    G().SetState(GameState::Over);
    G().G().WaitCount = 0;
    ASSERT_EQ(Run([&] { form_->Timer1Timer(); }).size(), 1u);
    EXPECT_EQ(G().State(), GameState::Waiting);
    EXPECT_FALSE(G().Pointer().Held);
    const QPoint at(G().Actors()[0].X, G().Actors()[0].Y);
    QTest::mouseMove(form_->PlayField, QPoint(0, 0));
    form_->Timer1Timer();
    EXPECT_EQ(QPoint(G().Actors()[0].X, G().Actors()[0].Y), at) << "a drag after it steers nothing";
    QTest::mouseRelease(form_->PlayField, Qt::LeftButton, {}, QPoint(0, 0));

    // Held when another window takes the keyboard.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QTest::mousePress(form_->PlayField, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(G().Pointer().Held);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(G().Pointer().Held);
}

TEST_F(MenusTest, SpeedDialogOpensBesideTheGameExceptWhilePlaying)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(StateName(s));
        G().SetState(s);
        const auto seen = Run([&] { form_->KV1->trigger(); });
        EXPECT_TRUE(seen.empty());  // never modal
        if (s == GameState::Playing) {
            EXPECT_FALSE(about_->isVisible());
            EXPECT_EQ(about_->ClientHeight(), TAboutBox::kNormalHeight);
        } else {
            EXPECT_TRUE(about_->isVisible());
            EXPECT_EQ(about_->ClientHeight(), 294);
            EXPECT_FALSE(about_->isModal());
            QTest::mouseClick(about_->OKButton, Qt::LeftButton);
            EXPECT_FALSE(about_->isVisible());
            EXPECT_TRUE(MainWindowActive());
        }
        EXPECT_EQ(G().State(), s);
    }
}

TEST_F(MenusTest, VersionIsModalAtItsCurrentHeightInEveryState)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(StateName(s));
        G().SetState(s);
        const auto seen = Run([&] { form_->KV2->trigger(); });
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].widget, about_);
        EXPECT_EQ(seen[0].aboutHeight, 190);
        EXPECT_FALSE(about_->isVisible());
        EXPECT_TRUE(MainWindowActive());
    }

    // The speed dialog closed by its close box keeps its height for the version item.
    G().SetState(GameState::Waiting);
    form_->KV1->trigger();
    about_->close();
    auto seen = Run([&] { form_->KV2->trigger(); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].widget, about_);
    EXPECT_EQ(seen[0].aboutHeight, 294);

    // Closed by OK, the next version dialog is back at the normal height.
    form_->KV1->trigger();
    QTest::mouseClick(about_->OKButton, Qt::LeftButton);
    seen = Run([&] { form_->KV2->trigger(); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].aboutHeight, 190);
}

// A hide filter: counts how often a widget was hidden.
class HideCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            ++hides;
        return false;
    }
    int hides = 0;
};

TEST_F(MenusTest, VersionWhileTheSpeedDialogIsOpenOnlyShowsTheErrorBox)
{
    form_->KV1->trigger();
    about_->ScrollBar1->setValue(60);
    HideCounter counter;
    about_->installEventFilter(&counter);
    const auto seen = Run([&] { form_->KV2->trigger(); });
    about_->removeEventFilter(&counter);

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].widget, about_);
    EXPECT_EQ(seen[0].text, QStringLiteral("表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません."));
    EXPECT_EQ(counter.hides, 0);
    EXPECT_TRUE(about_->isVisible());
    EXPECT_FALSE(about_->isModal());
    EXPECT_EQ(about_->ClientHeight(), 294);
    EXPECT_EQ(about_->ScrollBar1->value(), 60);
    EXPECT_EQ(form_->Timer1->interval(), 60);
}

TEST_F(MenusTest, HelpOpensBesideTheGameInEveryState)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(StateName(s));
        G().SetState(s);
        const auto seen = Run([&] { form_->KK1->trigger(); });
        EXPECT_TRUE(seen.empty());
        EXPECT_TRUE(help_->isVisible());
        EXPECT_FALSE(help_->isModal());
        // The game goes on behind it.
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), s);
        QTest::mouseClick(help_->Button1, Qt::LeftButton);
        EXPECT_FALSE(help_->isVisible());
        EXPECT_TRUE(MainWindowActive());
    }
}

TEST_F(MenusTest, QuitClosesTheWindowInEveryStateWithoutRecording)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(StateName(s));
        MakeForm();
        G().SetState(s);
        G().G().Points = 5000;
        const auto seen = Run([&] { form_->KX1->trigger(); });
        EXPECT_TRUE(seen.empty());
        EXPECT_TRUE(form_->CloseRequested());
        EXPECT_FALSE(form_->isVisible());
        EXPECT_FALSE(QFile::exists(QStringLiteral("Tops.dat")));
    }
}

TEST_F(MenusTest, MusicOffForAWholeGameMakesNoMediaRequest)
{
    // One game through the menus: start, pause, resume, end early, record, wait again.
    auto playOneGame = [&] {
        form_->KS1->trigger();
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), GameState::Playing);
        form_->Timer2Timer();
        form_->Timer1Timer();
        form_->K1->trigger();
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), GameState::Paused);
        form_->K1->trigger();
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), GameState::Playing);
        form_->KQ1->trigger();
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), GameState::Over);
        while (G().G().WaitCount != 0)
            form_->Timer2Timer();
        const auto seen = Run([&] { form_->Timer1Timer(); });
        EXPECT_FALSE(seen.empty());  // the top list at least
        form_->Timer1->stop();
        EXPECT_EQ(G().State(), GameState::Waiting);
    };

    // With the music on, that course asks for all four requests ...
    playOneGame();
    EXPECT_EQ(music_.calls, (QStringList{QStringLiteral("Rewind"), QStringLiteral("Play"),
                                         QStringLiteral("Pause"), QStringLiteral("Play"),
                                         QStringLiteral("Stop")}));

    // ... and with it off, not one. Neither does choosing the item.
    music_.calls.clear();
    form_->K2->trigger();
    ASSERT_FALSE(form_->K2->isChecked());
    playOneGame();
    EXPECT_TRUE(music_.calls.isEmpty()) << music_.calls.join(u' ').toStdString();

    // Turned off in the middle of a game, the piece is left playing: no request.
    form_->K2->trigger();
    form_->KS1->trigger();
    form_->Timer1Timer();
    music_.calls.clear();
    form_->K2->trigger();
    ASSERT_FALSE(G().G().MusicFlag);
    EXPECT_TRUE(music_.calls.isEmpty());
}

TEST_F(MenusTest, TrailSmearsTheFloorOnlyWhilePlayingAndCleansInTheFirstTickElsewhere)
{
    form_->KS2->trigger();
    ASSERT_TRUE(G().G().TrailFlag);
    // Waiting: items roam, the floor stays clean after every tick.
    for (int i = 0; i < 3; ++i) {
        form_->Timer1Timer();
        EXPECT_TRUE(FloorIsClean());
    }

    form_->KS1->trigger();
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Playing);
    EXPECT_FALSE(FloorIsClean());
    G().G().DirectionFlags.Right = true;
    form_->Timer1Timer();
    form_->Timer1Timer();
    G().G().DirectionFlags.Right = false;
    // ぽっけ has walked on from (280, 200): the frame still shows him where he stood.
    const QImage& front = form_->Buffers().Front();
    EXPECT_NE(front.pixelColor(284, 204), TileColour(1));  // tile 1: the floor

    form_->K1->trigger();  // pause
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Paused);
    EXPECT_TRUE(FloorIsClean());

    form_->K1->trigger();  // resume
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Playing);
    EXPECT_FALSE(FloorIsClean());

    // Removing the check while playing cleans the floor at the next tick.
    form_->KS2->trigger();
    form_->Timer1Timer();
    EXPECT_TRUE(FloorIsClean());
    form_->KS2->trigger();
    form_->Timer1Timer();
    EXPECT_FALSE(FloorIsClean());

    form_->KQ1->trigger();
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Over);
    EXPECT_TRUE(FloorIsClean());
    for (int i = 0; i < 3; ++i) {
        form_->Timer1Timer();
        EXPECT_TRUE(FloorIsClean());
    }
}

TEST_F(MenusTest, ATapOfAltLeavesTheArrowsWithTheGameAndF10OpensTheFirstMenu)
{
    QMenuBar* bar = form_->menuBar();
    QTest::keyPress(form_.get(), Qt::Key_Alt);
    QTest::keyRelease(form_.get(), Qt::Key_Alt);
    QCoreApplication::processEvents();
    EXPECT_FALSE(bar->hasFocus()) << "the menu bar took the keyboard";
    QWidget* keys = QApplication::focusWidget();
    ASSERT_NE(keys, nullptr);
    QTest::keyPress(keys, Qt::Key_Right);
    EXPECT_TRUE(G().G().DirectionFlags.Right);
    QTest::keyRelease(keys, Qt::Key_Right);

    QTest::keyClick(form_.get(), Qt::Key_F10);
    EXPECT_EQ(bar->activeAction(), form_->KG1->menuAction());
    EXPECT_TRUE(form_->KG1->isVisible());
    form_->KG1->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form_->KG1->isVisible());
}
