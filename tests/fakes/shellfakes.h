#pragma once
// What the shell's tests share: a tile sheet whose every tile is a colour of its own,
// the game's files in a scratch folder, and a main window that opens no device and runs
// no timer. The ports' fakes are those of fakes/ports.h.
#include "fakes/opengame.h"
#include "fakes/ports.h"
#include "fakes/scratchdir.h"
#include "window/mainform.h"

#include <QColor>
#include <QFile>
#include <QImage>

#include <memory>

namespace porimogu::testing {

// Every tile one flat colour of its own, never white.
inline QColor TileColour(int n) { return QColor(n, 255 - n, (n * 7) % 256); }

inline QImage SyntheticSheet()
{
    QImage sheet(256, 256, QImage::Format_RGB32);
    for (int n = 0; n < 256; ++n)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                sheet.setPixelColor(16 * (n % 16) + x, 16 * (n / 16) + y, TileColour(n));
    return sheet;
}

// game.bmp (the synthetic sheet) and an empty game.mid in the working directory, so that
// a main window starts without a message box. False when either cannot be written.
inline bool WriteGameFiles()
{
    QFile mid(QStringLiteral("game.mid"));
    return SyntheticSheet().save(QStringLiteral("game.bmp"), "BMP") && mid.open(QIODevice::WriteOnly);
}

// Rules a test may set a scene in, for TMainForm::Options::makeRules.
inline std::unique_ptr<Game> OpenRules(const Ports& ports) { return std::make_unique<OpenGame>(ports); }
// The rules of a form made with OpenRules.
inline OpenGame& Rules(TMainForm& form) { return dynamic_cast<OpenGame&>(form.GameRules()); }

// A main window whose ticks the test runs by hand; it opens no music, and reads only the
// controllers it is given.
inline std::unique_ptr<TMainForm> MakeQuietForm(std::uint32_t seed, Sound& sound, Music& music,
                                                PadReader* pads = nullptr)
{
    TMainForm::Options o;
    o.openMusic = false;
    o.startTimers = false;
    o.makeRules = OpenRules;
    o.sound = &sound;
    o.music = &music;
    o.pads = pads;
    return std::make_unique<TMainForm>(seed, o);
}

} // namespace porimogu::testing
