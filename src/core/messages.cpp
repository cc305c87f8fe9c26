#include "core/messages.h"

#include <QCoreApplication>

namespace porimogu {

QString TimeText(std::int32_t seconds)
{
    return QCoreApplication::translate("StatusBar", "Time: %1 秒").arg(seconds);
}

QString PointsText(std::int32_t points)
{
    return QCoreApplication::translate("StatusBar", "Point: %1 点").arg(points);
}

QString WaitText(std::int32_t count)
{
    return QCoreApplication::translate("StatusBar", "Wait: %1").arg(count);
}

StateMessage StateMessageFor(GameState state)
{
    switch (state) {
    case GameState::Waiting: return {StateColour::ButtonFace, QT_TRANSLATE_NOOP("StatusBar", "ｴﾝﾀｰｷｰを おしてね")};
    case GameState::Playing: return {StateColour::ButtonShadow, QT_TRANSLATE_NOOP("StatusBar", "ｹﾞｰﾑ中  がんばれ！！")};
    case GameState::Paused: return {StateColour::Yellow, QT_TRANSLATE_NOOP("StatusBar", "ｹﾞｰﾑ  ていし・・・")};
    case GameState::Over: return {StateColour::Lime, QT_TRANSLATE_NOOP("StatusBar", "おわり！てをはなして")};
    }
    return {StateColour::ButtonFace, ""};
}

QString StateText(GameState state)
{
    return QCoreApplication::translate("StatusBar", StateMessageFor(state).text);
}

} // namespace porimogu
