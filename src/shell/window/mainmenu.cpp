#include "window/mainmenu.h"

#include "platform/trace.h"
#include "window/mainform.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>

namespace porimogu {

namespace {
// The menu bar's look is the application's; only a bare tap of Alt no longer puts it in
// keyboard mode, where the arrows would move along the menu titles instead of ぽっけ.
// Alt with an underlined letter still opens its menu: those are shortcuts of their own.
class NoAltTapStyle : public QProxyStyle {
public:
    explicit NoAltTapStyle(QStyle* base) : QProxyStyle(base) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
} // namespace

void BuildMainMenu(TMainForm& form)
{
    QMenuBar* bar = form.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setFocusPolicy(Qt::NoFocus);
    auto* barStyle = new NoAltTapStyle(QStyleFactory::create(QApplication::style()->name()));
    barStyle->setParent(bar);
    bar->setStyle(barStyle);

    auto item = [&form](QMenu* menu, const char* name, const QString& caption, void (TMainForm::*handler)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        QObject::connect(a, &QAction::triggered, &form, handler);
        return a;
    };
    // The drop-down menus are windows of their own and inherit no font from the bar:
    // they take the window's, so that titles and items read alike.
    auto menu = [&form, bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->setFont(form.font());
        return m;
    };
    // A check drawn as a dot: each checkable item sits alone in a group that may be
    // left empty, so no item's check ever affects another's.
    auto radio = [&form](QAction* a, bool checked) {
        auto* group = new QActionGroup(&form);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        group->addAction(a);
        a->setCheckable(true);
        a->setChecked(checked);
        if (Tracing())
            QObject::connect(a, &QAction::toggled, &form, [a](bool on) {
                Trace("check", a->objectName() + (on ? QStringLiteral(" on") : QStringLiteral(" off")));
            });
    };

    // The texts keep the window's translation context.
    form.KG1 = menu("KG1", QCoreApplication::translate("porimogu::TMainForm", "ゲーム (&G)"));
    form.KS1 = item(form.KG1, "KS1", QCoreApplication::translate("porimogu::TMainForm", "スタート (&S)"),
                    &TMainForm::KS1Click);
    form.K1 = item(form.KG1, "K1", QCoreApplication::translate("porimogu::TMainForm", "ていし (&P)"),
                   &TMainForm::K1Click);
    radio(form.K1, false);
    form.KQ1 = item(form.KG1, "KQ1", QCoreApplication::translate("porimogu::TMainForm", "やめる (&Q)"),
                    &TMainForm::KQ1Click);
    form.KG1->addSeparator()->setObjectName(QStringLiteral("N2"));
    form.K3 = item(form.KG1, "K3", QCoreApplication::translate("porimogu::TMainForm", "せいせき (&T)"),
                   &TMainForm::K3Click);
    form.KG1->addSeparator()->setObjectName(QStringLiteral("N1"));
    form.KX1 = item(form.KG1, "KX1", QCoreApplication::translate("porimogu::TMainForm", "おわり (&X)"),
                    &TMainForm::KX1Click);

    form.KO1 = menu("KO1", QCoreApplication::translate("porimogu::TMainForm", "せってい (&O)"));
    form.KV1 = item(form.KO1, "KV1", QCoreApplication::translate("porimogu::TMainForm", "ゲームのはやさ (&V)"),
                    &TMainForm::KV1Click);
    form.K2 = item(form.KO1, "K2", QCoreApplication::translate("porimogu::TMainForm", "おんがくつき (&M)"),
                   &TMainForm::K2Click);
    radio(form.K2, true);
    form.KS2 = item(form.KO1, "KS2", QCoreApplication::translate("porimogu::TMainForm", "なにかへんだ (&S)"),
                    &TMainForm::KS2Click);
    radio(form.KS2, false);

    form.KH1 = menu("KH1", QCoreApplication::translate("porimogu::TMainForm", "へるぷ (&H)"));
    form.KK1 = item(form.KH1, "KK1", QCoreApplication::translate("porimogu::TMainForm", "そうさのしかた (&K)"),
                    &TMainForm::KK1Click);
    form.KV2 = item(form.KH1, "KV2", QCoreApplication::translate("porimogu::TMainForm", "ヴァージョン (&V)"),
                    &TMainForm::KV2Click);
}

} // namespace porimogu
