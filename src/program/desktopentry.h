#pragma once
// The texts of the game's desktop entry and AppStream metainfo, listed here so that
// lupdate keeps them in the translation files beside the game's own texts. The
// templates in packaging/ name each by its Japanese (the `[ja]` lines), and desktopl10n
// writes every translation of it into the installed files. A new text of the entry is
// added here and to the template.
#include <QtGlobal>

namespace porimogu::desktopentry {

inline constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "ぽりもぐゲーム"),                            // Name, <name>
    QT_TRANSLATE_NOOP("DesktopEntry", "ちいさな こどもの ゲーム"),                  // GenericName
    QT_TRANSLATE_NOOP("DesktopEntry", "ぽっけを うごかして たべものを たべよう"),   // Comment
    QT_TRANSLATE_NOOP("DesktopEntry", "こども;ゲーム;ぽっけ;たべもの;"),            // Keywords
    QT_TRANSLATE_NOOP("DesktopEntry", "ぜんがめんで あそぶ"),                      // --fullscreen
    QT_TRANSLATE_NOOP("DesktopEntry", "こどもロックで あそぶ"),                    // --child-lock
    QT_TRANSLATE_NOOP("DesktopEntry", "おんがくなしで あそぶ"),                    // --no-music
    QT_TRANSLATE_NOOP("DesktopEntry", "ちいさな こどもの ための ゲーム"),          // <summary>
};

} // namespace porimogu::desktopentry
