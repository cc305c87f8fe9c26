#include "globals.h"

namespace porimogu {

QByteArray DefaultPlayerName()
{
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
    UpFlag = DownFlag = LeftFlag = RightFlag = false;
    StartRequest = PauseRequest = false;
}

} // namespace porimogu
