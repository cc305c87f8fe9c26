#include "audio/mediaplayer.h"

#include "core/errors.h"
#include "platform/trace.h"

#include <QCoreApplication>

#include <algorithm>
#include <system_error>
#include <utility>

namespace porimogu {
namespace {

QString NotOpenText()
{
    return QCoreApplication::translate("MusicPlayer", "MCI ﾃﾞﾊﾞｲｽがありません");
}

} // namespace

TMediaPlayer::TMediaPlayer(QObject* parent) : TMediaPlayer(MediaPlayerOptions{}, parent) {}

TMediaPlayer::TMediaPlayer(MediaPlayerOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options))
{
    Synthesizer::QuietenLibraries();
    endWatch_.setInterval(200);
    endWatch_.setTimerType(Qt::CoarseTimer);
    connect(&endWatch_, &QTimer::timeout, this, [this] { CheckForEnd(); });
}

TMediaPlayer::~TMediaPlayer()
{
    TakePrepared();
    endWatch_.stop();
    device_.reset();
}

void TMediaPlayer::RequireOpen() const
{
    if (!DeviceOpen())
        throw EMCIDeviceError(NotOpenText());
}

void TMediaPlayer::Fail(ErrorCode code, const QString& message)
{
    error_ = code;
    throw EMCIDeviceError(message);
}

// Needs nothing of the player, so it can run on a thread of its own.
TMediaPlayer::Opened TMediaPlayer::Build(const QString& name, const MediaPlayerOptions& options) noexcept
{
    Opened r;
    try {
        r.device = Synthesizer::Open(name, options);
    } catch (const SynthesizerError& e) {
        r.error = static_cast<ErrorCode>(e.fault);
        r.message = e.message;
    } catch (...) {
        r.error = errNoSynth;
        r.message = QCoreApplication::translate("MusicPlayer", "音楽を鳴らす準備が できません");
    }
    return r;
}

void TMediaPlayer::Prepare()
{
    if (preparing_.joinable() || DeviceOpen())
        return;
    preparedName_ = FileName;
    try {
        preparing_ = std::thread([this, name = FileName, options = options_] { prepared_ = Build(name, options); });
    } catch (const std::system_error&) {
        prepared_.reset();   // OpenMedia does it all itself
    }
}

std::optional<TMediaPlayer::Opened> TMediaPlayer::TakePrepared()
{
    if (!preparing_.joinable())
        return std::nullopt;
    preparing_.join();
    return std::exchange(prepared_, std::nullopt);
}

void TMediaPlayer::OpenMedia()
{
    if (DeviceOpen())
        CloseMedia();

    std::optional<Opened> opened = TakePrepared();
    if (!opened || preparedName_ != FileName)
        opened = Build(FileName, options_);
    if (opened->error != errNone || !opened->device)
        Fail(opened->error != errNone ? opened->error : errNoSynth, opened->message);
    device_ = std::move(opened->device);
    length_ = device_->Length();
    startTempo_ = device_->StartTempo() > 0 ? device_->StartTempo() : 500000;
    division_ = device_->Division() > 0 ? device_->Division() : 480;
    mode_ = TMPModes::mpStopped;
    playPending_ = false;
    endReached_ = false;
    atStart_ = true;
    error_ = errNone;
}

void TMediaPlayer::CloseMedia()
{
    if (!DeviceOpen())
        return;
    endWatch_.stop();
    const bool interrupted = playPending_;
    device_.reset();
    mode_ = TMPModes::mpNotReady;
    length_ = 0;
    error_ = errNone;
    if (interrupted)
        Finish(TMPNotifyValues::nvAborted);
}

void TMediaPlayer::PlayMedia()
{
    RequireOpen();
    CheckForEnd();
    if (playPending_)
        Finish(TMPNotifyValues::nvSuperseded);
    if (AtEnd()) {
        if (!AutoRewind) {
            // From the end to the end: done at once, nothing sounds.
            error_ = errNone;
            Finish(TMPNotifyValues::nvSuccessful);
            return;
        }
        RewindMedia();
    }
    if (!device_->Play()) {
        error_ = errRequestFailed;
        return;
    }
    error_ = errNone;
    mode_ = TMPModes::mpPlaying;
    playPending_ = true;
    atStart_ = false;
    FollowMode();
    if (device_->HasOutput())
        endWatch_.start();
    Trace("music", QStringLiteral("play"));
}

void TMediaPlayer::PauseMedia()
{
    RequireOpen();
    CheckForEnd();
    if (mode_ == TMPModes::mpPlaying)
        Halt(TMPModes::mpPaused);
    error_ = errNone;
    Trace("music", QStringLiteral("pause"));
}

void TMediaPlayer::StopMedia()
{
    RequireOpen();
    CheckForEnd();
    Halt(TMPModes::mpStopped);
    error_ = errNone;
    Trace("music", QStringLiteral("stop"));
}

void TMediaPlayer::RewindMedia()
{
    RequireOpen();
    CheckForEnd();
    Halt(TMPModes::mpStopped);
    device_->Seek(0);   // applied when playing resumes; a failure is not recorded
    atStart_ = true;
    endReached_ = false;
}

// Silences the music at once, the room's echo with it, and keeps its position.
void TMediaPlayer::Halt(TMPModes mode)
{
    if (mode_ == TMPModes::mpPlaying) {
        device_->Halt();
        endWatch_.stop();
        if (playPending_)
            Finish(TMPNotifyValues::nvAborted);
    }
    mode_ = mode;
    FollowMode();
}

// The player's own output runs exactly while the music plays.
void TMediaPlayer::FollowMode()
{
    device_->SetOutputRunning(mode_ == TMPModes::mpPlaying);
}

long long TMediaPlayer::OutputWrites() const
{
    return device_ ? device_->OutputWrites() : 0;
}

void TMediaPlayer::Finish(TMPNotifyValues value)
{
    notifyValue_ = value;
    playPending_ = false;
    emit Notify();
}

// The music has ended when its last event has played. The player itself reports the end
// only once the last faint voice has died away, seconds later and longer still with newer
// FluidSynth versions, so its position against the length decides; the player is then
// stopped in place, as by a pause, and the next play starts again from the beginning.
void TMediaPlayer::CheckForEnd()
{
    if (!DeviceOpen() || mode_ != TMPModes::mpPlaying)
        return;
    if (device_->Playing()) {
        if (length_ <= 0 || device_->Tick() < length_)
            return;
        device_->StopAtEnd();
    }
    mode_ = TMPModes::mpStopped;
    FollowMode();
    endReached_ = true;
    endWatch_.stop();
    if (playPending_)
        Finish(TMPNotifyValues::nvSuccessful);
}

// At the end of the medium: played to its end, or past the last tick before that was
// noticed.
bool TMediaPlayer::AtEnd()
{
    return endReached_ || (!atStart_ && length_ > 0 && device_->Tick() >= length_);
}

TMediaPlayer::TMPModes TMediaPlayer::Mode()
{
    CheckForEnd();
    return mode_;
}

int TMediaPlayer::Position()
{
    if (!DeviceOpen() || atStart_)
        return 0;
    return std::clamp(device_->Tick(), 0, length_);
}

double TMediaPlayer::TicksPerSecond() const
{
    return 1e6 / startTempo_ * division_;
}

float TMediaPlayer::RenderSamples(int frames, double* energy)
{
    if (!DeviceOpen() || device_->HasOutput() || frames <= 0)
        return 0;
    const float peak = device_->Render(frames, energy);
    CheckForEnd();
    return peak;
}

} // namespace porimogu
