#pragma once
#include <QByteArray>
#include <QCoreApplication>
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

// The text the error box shows for the exception being handled: the game's own message,
// the library's description, or "不明なエラー" for anything else. Call only inside a catch.
inline QString CurrentFailureText()
{
    try {
        throw;
    } catch (const GameError& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QCoreApplication::translate("Errors", "不明なエラー");
    }
}

} // namespace porimogu
