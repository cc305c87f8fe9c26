#include "messages.h"

namespace porimogu {

QString TimeText(std::int32_t seconds)
{
    return QStringLiteral("Time: ") + QString::number(seconds) + QStringLiteral(" 秒");
}

QString PointsText(std::int32_t points)
{
    return QStringLiteral("Point: ") + QString::number(points) + QStringLiteral(" 点");
}

QString WaitText(std::int32_t count)
{
    return QStringLiteral("Wait: ") + QString::number(count);
}

StateMessage StateMessageFor(GameState state)
{
    switch (state) {
    case GameState::Waiting: return {StateColour::ButtonFace, "ｴﾝﾀｰｷｰを おしてね"};
    case GameState::Playing: return {StateColour::ButtonShadow, "ｹﾞｰﾑ中  がんばれ！！"};
    case GameState::Paused: return {StateColour::Yellow, "ｹﾞｰﾑ  ていし・・・"};
    case GameState::Over: return {StateColour::Lime, "おわり！てをはなして"};
    }
    return {StateColour::ButtonFace, ""};
}

} // namespace porimogu
