#pragma once
// What the main window reads at start-up: game.mid for the music and game.bmp for the
// tile sheet, each with the box the player sees when it cannot be used.
namespace porimogu {

class TMediaPlayer;
class TileSheet;

enum class MusicAtStart {
    Opened,      // game.mid plays when the game asks
    Missing,     // no game.mid: said in a plain box; the music item stays as it is
    Unplayable,  // game.mid cannot be played: said once in the error box
    NotOpened,   // game.mid is there but was not to be opened
};

// Sets the player's file to game.mid and opens it when `open` is true (the player may
// have prepared it already). Shows the box its outcome calls for and returns it.
MusicAtStart OpenGameMusic(TMediaPlayer& player, bool open);

// Cuts game.bmp into `tiles`. When there is no game.bmp, or it is not a whole picture
// (a FIFO, a directory, a link that leads nowhere, a truncated or oversized file), the
// error box says so and false comes back: the game cannot go on without it.
bool LoadTileSheet(TileSheet& tiles);

} // namespace porimogu
