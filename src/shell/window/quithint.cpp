#include "window/quithint.h"

#include "dialogs/formutil.h"

#include <QCoreApplication>
#include <QLabel>

namespace porimogu {

QLabel* MakeQuitHint(QWidget* parent)
{
    // The text keeps the window's translation context.
    auto* hint = new QLabel(QCoreApplication::translate("porimogu::TMainForm", "もういちど おすと おわります"), parent);
    hint->setObjectName(QStringLiteral("QuitHint"));
    hint->setFrameStyle(QFrame::Box | QFrame::Plain);
    hint->setAlignment(Qt::AlignCenter);
    hint->setAutoFillBackground(true);
    hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette colours = hint->palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 0));
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    hint->setPalette(colours);
    hint->hide();
    return hint;
}

void PlaceQuitHint(QLabel& hint, const QRect& field, int scale)
{
    hint.setFont(FormFont(19 * scale, true));
    hint.setMargin(6 * scale);
    hint.setLineWidth(scale);
    hint.adjustSize();
    hint.move(field.center() - hint.rect().center());
    hint.raise();
}

} // namespace porimogu
