#include "dialogs/formutil.h"

#include "dialogs/centring.h"
#include "platform/language.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <utility>

namespace porimogu {

QFont FormFont(int pixelSize)
{
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(pixelSize);
    return f;
}

QFont FormFont(int pixelSize, bool bold)
{
    QFont f = FormFont(pixelSize);
    f.setBold(bold);
    return f;
}

QLabel* MakeLabel(QWidget* parent, const char* name, int x, int y, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(x, y);
    l->adjustSize();
    return l;
}

void DrawBevel(QPainter& painter, QRect& r, bool raised, const QColor& light, const QColor& shadow, int width)
{
    const QColor& topLeft = raised ? light : shadow;
    const QColor& bottomRight = raised ? shadow : light;
    for (int i = 0; i < width; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter.setPen(bottomRight);
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

void ShowModeless(QWidget* window)
{
    if (!window->isVisible())
        CenterOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void ReturnKeyboardToOwner(QWidget* dialog, const QHideEvent* event)
{
    if (!event->spontaneous() && dialog->parentWidget()) {
        QWidget* owner = dialog->parentWidget()->window();
        if (owner->isVisible())
            owner->activateWindow();
    }
}

bool SwallowPlainEscape(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return true;
    }
    return false;
}

void PressDefaultButton(const QWidget* game)
{
    QWidget* w = QApplication::activeModalWidget();
    if (!w)
        w = QApplication::activeWindow();
    if (!w || w == game)
        return;
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
        if (b->isDefault() && b->isVisible() && b->isEnabled()) {
            b->click();
            return;
        }
    }
}

ReactivateAfterModal::ReactivateAfterModal() : previous_(QApplication::activeWindow()) {}

ReactivateAfterModal::~ReactivateAfterModal()
{
    if (previous_ && previous_->isVisible())
        previous_->activateWindow();
}

// ---- Fonts and dialog units ----------------------------------------------------

namespace {

const QString kProportional = QStringLiteral("ＭＳ Ｐゴシック");

} // namespace

void InstallFontSubstitutions(const QString& language)
{
    // The proportional names become the language's fonts (FontFamilies); the fixed-width
    // ones the same with the fixed-width IPA Gothic in place of IPA P Gothic.
    const QStringList proportional = FontFamilies(language);
    QStringList fixed = proportional;
    fixed.replaceInStrings(QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"));
    const std::pair<QString, const QStringList*> names[] = {
        {kProportional, &proportional},
        {QStringLiteral("MS PGothic"), &proportional},
        {QStringLiteral("ＭＳ ゴシック"), &fixed},
        {QStringLiteral("MS Gothic"), &fixed},
    };
    for (const auto& [name, fonts] : names) {
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, *fonts);
    }
}

void InstallFontSubstitutions()
{
    if (QFont::substitutes(kProportional).isEmpty())
        InstallFontSubstitutions(QStringLiteral("ja"));
}

void UseLanguageFontForQt(const QString& language)
{
    QFont f = QApplication::font();
    f.setFamilies(FontFamilies(language));
    QApplication::setFont(f);
}

QFont DialogFont()
{
    InstallFontSubstitutions();
    int dpi = 96;
    if (const QScreen* s = QGuiApplication::primaryScreen())
        dpi = qRound(s->logicalDotsPerInchY());
    QFont f = FormFont(qMax(1, MulDiv(9, dpi, 72)));
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    return f;
}

int MulDiv(int n, int num, int den)
{
    if (den == 0)
        return -1;
    const long long p = static_cast<long long>(n) * num;
    const long long d = den;
    const bool negative = (p < 0) != (d < 0);
    const long long ap = p < 0 ? -p : p;
    const long long ad = d < 0 ? -d : d;
    const long long q = (2 * ap + ad) / (2 * ad);
    return static_cast<int>(negative ? -q : q);
}

DialogUnits MeasureDialogUnits(const QFont& font)
{
    const QFontMetrics fm(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return DialogUnits{fm.horizontalAdvance(letters) / 52, fm.height()};
}

} // namespace porimogu
