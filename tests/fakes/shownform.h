#pragma once
// A fixture for tests that drive the main window as a player does: the window with its
// three dialogs, shown and active, in a scratch folder with the game's files; it opens
// no device and its ticks run by hand.
#include "dialogs/aboutbox.h"
#include "dialogs/formutil.h"
#include "dialogs/helpbox.h"
#include "dialogs/topdlg.h"
#include "fakes/shellfakes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace porimogu::testing {

// A modal window that opened while a command ran, as it was when it came up.
struct SeenModal {
    QPointer<QWidget> widget;
    QString name;            // its object name, kept when the box is gone
    QString text;            // a message box's text
    int aboutHeight = -1;    // the version dialog's client height
};

inline const GameState kAllStates[] = {GameState::Waiting, GameState::Playing, GameState::Paused, GameState::Over};

class ShownFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallFontSubstitutions(); }

    void SetUp() override
    {
        ASSERT_TRUE(WriteGameFiles());
        MakeForm();
    }
    void TearDown() override { form_.reset(); }

    // A fresh main window with its dialogs, shown and active, as the program has it.
    void MakeForm()
    {
        form_.reset();
        music_.requests.clear();
        form_ = MakeQuietForm(7u, sound_, music_);
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
    const Actor& Player() { return G().Actors()[0]; }

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
            m.name = w->objectName();
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

    ScratchDir dir_;
    NullSound sound_;
    FakeMusic music_;
    std::unique_ptr<TMainForm> form_;
    TAboutBox* about_ = nullptr;  // the three dialogs are owned by form_
    THelpBox* help_ = nullptr;
    TTopDlg* top_ = nullptr;
};

} // namespace porimogu::testing
