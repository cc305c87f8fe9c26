#include "platform/title.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace porimogu {

QString GameTitle()
{
    return QCoreApplication::translate("Game", "ぽっけの ぽりもぐ ゲーム");
}

QString ApplicationTitleFrom(const QString& executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString ApplicationTitle()
{
    return ApplicationTitleFrom(QCoreApplication::applicationFilePath());
}

} // namespace porimogu
