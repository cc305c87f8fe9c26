#pragma once
#include <QByteArray>
#include <QString>
#include <exception>

namespace porimogu {

// Every failure the game reports carries the text the player sees. The shell's
// handler guard catches it and shows it in the error box; nothing in the core
// catches it except where the game's rules say so (the end-of-game recording).
class GameError : public std::exception {
public:
    explicit GameError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// Raised by the music player (not open, no SoundFont, not a MIDI file, no output).
class EMCIDeviceError : public GameError {
public:
    using GameError::GameError;
};

} // namespace porimogu
