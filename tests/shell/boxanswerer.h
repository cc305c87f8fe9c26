#pragma once
// Answers every modal box that opens while it lives, keeping the texts they showed:
// closes it, or presses its Yes button when asked to.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

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
            if (auto* yes = w->findChild<QPushButton*>(QStringLiteral("Yes")); yes && pressYes)
                yes->click();
            else
                w->close();
        });
        timer_.start();
    }
    QStringList texts;
    bool pressYes = false;  // a box with a Yes button is answered Yes, not closed

private:
    QTimer timer_;
};
