#include "window/startupassets.h"

#include "audio/mediaplayer.h"
#include "core/errors.h"
#include "core/wholefile.h"
#include "dialogs/errorguard.h"
#include "dialogs/messagebox.h"
#include "formats/sheetfile.h"
#include "window/framebuffers.h"

#include <QCoreApplication>
#include <QFile>

namespace porimogu {

MusicAtStart OpenGameMusic(TMediaPlayer& player, bool open)
{
    player.FileName = QStringLiteral("game.mid");
    if (!QFile::exists(player.FileName)) {
        ShowPlainMessage(QCoreApplication::translate("porimogu::TMainForm", "音楽データが ありません"));
        return MusicAtStart::Missing;
    }
    if (!open)
        return MusicAtStart::NotOpened;
    try {
        player.OpenMedia();
    } catch (const GameError& e) {
        ShowErrorBox(e.message());
        return MusicAtStart::Unplayable;
    }
    return MusicAtStart::Opened;
}

bool LoadTileSheet(TileSheet& tiles)
{
    const QString name = QStringLiteral("game.bmp");
    QByteArray bytes;
    const FileRead read = ReadWholeFile(name, kMaxSheetFileBytes, bytes);
    if (read == FileRead::Missing) {
        ShowTypedMessage(QCoreApplication::translate("porimogu::TMainForm", "game.bmp がないので できません"),
                         MsgDlgType::Error, mbYes);
        return false;
    }
    const QImage sheet = read == FileRead::Ok ? DecodeTileSheet(bytes) : QImage();
    bytes.clear();
    if (sheet.isNull()) {
        ShowTypedMessage(QCoreApplication::translate("porimogu::TMainForm", "game.bmp が よめないので できません"),
                         MsgDlgType::Error, mbYes);
        return false;
    }
    tiles.CutFrom(sheet);
    return true;
}

} // namespace porimogu
