#pragma once
// Ports that do nothing, for benchmarks that measure the rules and the frame alone.
#include "core/ports.h"

namespace porimogu {

class NullCanvas final : public Canvas {
public:
    void DrawTile(int, int, int) override { ++tiles; }
    void DrawBackground() override {}
    void Present() override {}
    long long tiles = 0;
};

class NullStatus final : public StatusBar {
public:
    void ShowTime(std::int32_t) override {}
    void ShowWait(std::int32_t) override {}
    void ShowPoints(std::int32_t) override {}
    void ShowState(GameState) override {}
    void SetGaugeProgress(std::int32_t) override {}
};

class NullSound final : public Sound {
public:
    void Play(Beep) override {}
};

class NullMusic final : public Music {
public:
    void RewindMedia() override {}
    void PlayMedia() override {}
    void PauseMedia() override {}
    void StopMedia() override {}
};

class NullWindow final : public Window {
public:
    void SetFrameTimerEnabled(bool) override {}
    void CloseMainWindow() override {}
};

class NullDialogs final : public Dialogs {
public:
    QString PromptForText(const QString&, const QString&, const QString& d) override { return d; }
    void ShowTopList() override {}
    void ShowError(const QString&) override {}
};

} // namespace porimogu
