#pragma once
// Answers every modal window that opens while it lives, keeping what each said: closes
// it, presses its Yes button when asked to, or leaves it to `answer`. And typing as a
// keyboard types.
#include "fakes/ports.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace porimogu::testing {

class BoxAnswerer {
public:
    BoxAnswerer()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            if (auto* box = qobject_cast<QMessageBox*>(w))
                texts.push_back(box->text());
            else if (auto* label = w->findChild<QLabel*>(QStringLiteral("Message")))
                texts.push_back(label->text());
            else
                texts.push_back(w->windowTitle());
            if (answer && answer(w))
                return;
            if (auto* yes = w->findChild<QPushButton*>(QStringLiteral("Yes")); yes && pressYes)
                yes->click();
            else
                w->close();
        });
        timer_.start();
    }
    // Presses the window's default button (OK, or Yes on a question).
    static bool PressDefault(QWidget* w)
    {
        for (auto* button : w->findChildren<QPushButton*>())
            if (button->isDefault()) {
                button->click();
                return true;
            }
        return false;
    }

    QStringList texts;      // a box's text, or the title of another window
    bool pressYes = false;  // a box with a Yes button is answered Yes, not closed
    // Answers a window itself instead, when it returns true.
    std::function<bool(QWidget*)> answer;

private:
    QTimer timer_;
};

// Types text as a keyboard or input method delivers it: one key event per character.
inline void Type(QWidget* w, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(i, n));
        QApplication::sendEvent(w, &press);
        i += n - 1;
    }
}

} // namespace porimogu::testing
