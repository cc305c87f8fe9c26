// The menu bar of the main window: its tree, the checks of its three radio items, and
// the keys that open its menus and choose their items.
#include "fakes/shownform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <gtest/gtest.h>

#include <map>

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


using MenuBar = ShownFormTest;

QStringList Captions(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

TEST_F(MenuBar, TreeCaptionsOrderAndAccessLettersWithoutShortcuts)
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

TEST_F(MenuBar, ThreeRadioItemsDrawADotAndStartWithOnlyTheMusicChecked)
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

TEST_F(MenuBar, EachCheckTurnsOverAloneAndItsFlagFollows)
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

TEST_F(MenuBar, AccessLettersOpenTheMenusAndChooseTheirItems)
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

TEST_F(MenuBar, ATapOfAltLeavesTheArrowsWithTheGameAndF10OpensTheFirstMenu)
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

    // Its access letters then choose: スタート.
    QTest::keyClick(form_.get(), Qt::Key_F10);
    ASSERT_EQ(QApplication::activePopupWidget(), form_->KG1);
    QTest::keyClick(form_->KG1, Qt::Key_S);
    form_->Timer1Timer();
    EXPECT_EQ(G().State(), GameState::Playing);
}
