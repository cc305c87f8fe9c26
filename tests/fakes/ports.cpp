#include "fakes/ports.h"

namespace porimogu::testing {

// ---- canvas -------------------------------------------------------------------------

void FakeCanvas::DrawBackground()
{
    ops.push_back({Op::Background, {}});
    ++backgrounds;
}

void FakeCanvas::Present()
{
    ops.push_back({Op::Present, {}});
    ++presents;
}

std::vector<TileDraw> FakeCanvas::Tiles() const
{
    std::vector<TileDraw> out;
    for (const Entry& e : ops)
        if (e.op == Op::Tile)
            out.push_back(e.tile);
    return out;
}

bool FakeCanvas::Presented() const
{
    for (const Entry& e : ops)
        if (e.op == Op::Present)
            return true;
    return false;
}

bool FakeCanvas::FloorResetAfterPresent() const
{
    bool presented = false;
    bool reset = false;
    for (const Entry& e : ops) {
        if (e.op == Op::Present) {
            presented = true;
            reset = false;
        } else if (e.op == Op::Background && presented) {
            reset = true;
        }
    }
    return reset;
}

// ---- status bar ---------------------------------------------------------------------

void FakeStatus::SetLabel1(Kind k, std::int32_t v)
{
    if (label1_.empty() || label1_.back() != std::pair{k, v})
        label1_.emplace_back(k, v);
}

QString FakeStatus::Label1() const
{
    if (label1_.empty())
        return QString();
    const auto [k, v] = label1_.back();
    return k == Kind::Time ? TimeText(v) : WaitText(v);
}

std::vector<QString> FakeStatus::Label1History() const
{
    std::vector<QString> out;
    for (const auto& [k, v] : label1_)
        out.push_back(k == Kind::Time ? TimeText(v) : WaitText(v));
    return out;
}

// ---- devices and dialogs ------------------------------------------------------------

void FakeSound::Play(Beep beep)
{
    beeps.push_back(beep);
    Note(std::string("beep ") + Name(beep));
}

const char* Name(Beep b)
{
    switch (b) {
    case Beep::Food: return "food";
    case Beep::Ghost: return "ghost";
    case Beep::Bonus: return "bonus";
    }
    return "?";
}

const char* Name(GameState s)
{
    switch (s) {
    case GameState::Waiting: return "waiting";
    case GameState::Playing: return "playing";
    case GameState::Paused: return "paused";
    case GameState::Over: return "over";
    }
    return "?";
}

const char* Name(MusicRequest r)
{
    switch (r) {
    case MusicRequest::Rewind: return "rewind";
    case MusicRequest::Play: return "play";
    case MusicRequest::Pause: return "pause";
    case MusicRequest::Stop: return "stop";
    }
    return "?";
}

void FakeMusic::Request(MusicRequest r)
{
    requests.push_back(r);
    Note(Name(r));
    if (failing.count(r) != 0)
        throw EMCIDeviceError(QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません"));
}

void FakeWindow::SetFrameTimerEnabled(bool enabled)
{
    frameTimerOn = enabled;
    frameTimerLog.push_back(enabled);
    Note(enabled ? "timer on" : "timer off");
}

void FakeWindow::CloseMainWindow()
{
    ++closeRequests;
    Note("close");
}

QString FakeDialogs::PromptForText(const QString& caption, const QString& prompt, const QString& defaultText)
{
    ++prompts;
    Note("prompt");
    asked = {caption, prompt, defaultText};
    if (onPrompt)
        onPrompt();
    return promptAnswer.value_or(defaultText);
}

void FakeDialogs::ShowTopList()
{
    ++topLists;
    Note("toplist");
    if (onTopList)
        onTopList();
}

void FakeDialogs::ShowError(const QString& message)
{
    errors.push_back(message);
    Note("error");
}

bool FakeDialogs::Confirm(const QString& question)
{
    questions.push_back(question);
    Note("confirm");
    return yes;
}

void PrintTo(MusicRequest r, std::ostream* os)
{
    *os << Name(r);
}

} // namespace porimogu::testing

void porimogu::PrintTo(Beep b, std::ostream* os)
{
    *os << porimogu::testing::Name(b);
}

void porimogu::PrintTo(GameState s, std::ostream* os)
{
    *os << porimogu::testing::Name(s);
}

void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
