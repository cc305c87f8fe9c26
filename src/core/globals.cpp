#include "core/globals.h"

#include "core/scores.h"

#include <QCoreApplication>

namespace porimogu {

QByteArray DefaultPlayerName()
{
    // The character's name as the player's language writes it, when a score line can
    // hold it; else the game's own.
    const QString name = QCoreApplication::translate("Game", "ぽっけ", "the player character's name");
    if (const std::optional<QByteArray> bytes = ToShiftJis(name); bytes && !bytes->isEmpty() && bytes->size() <= 21)
        return *bytes;
    return QByteArray("\x82\xDB\x82\xC1\x82\xAF"); // ぽっけ
}

void Globals::SetDefaults()
{
    QuitFlag = false;
    Points = 0;
    TimeLeft = 81;
    MusicFlag = true;
    PlayerName = DefaultPlayerName();
    TrailFlag = false;
}

void Globals::ClearInputFlags()
{
    DirectionFlags = {};
    StartRequest = PauseRequest = false;
}

} // namespace porimogu
