#pragma once
// Small pieces the game's forms share: their fonts and dialog units, their labels, the
// window flags of the fixed dialogs, the bevel, showing a window beside the game and
// handing the keyboard back to the owner. Centring is in dialogs/centring.h.
#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <Qt>

class QHideEvent;
class QKeyEvent;
class QLabel;
class QPainter;

namespace porimogu {

// The window of a dialog the player cannot resize: a title bar with a close box only.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                     Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                                     Qt::MSWindowsFixedSizeDialogHint;
// The same, kept above the game window while it is open beside it.
inline constexpr Qt::WindowFlags kFixedTopDialogFlags = kFixedDialogFlags | Qt::WindowStaysOnTopHint;

// "ＭＳ Ｐゴシック" at `pixelSize` pixels. Style and weight are left unset, so a widget
// given this font takes them from its parent.
QFont FormFont(int pixelSize);
// The same with the weight set: bold, or explicitly regular when `bold` is false.
QFont FormFont(int pixelSize, bool bold);

// A label named `name` with `text`, its top-left at (x, y) in `parent`, sized to its text.
// The label belongs to `parent`.
QLabel* MakeLabel(QWidget* parent, const char* name, int x, int y, const QString& text);

// Draws a bevel `width` pixels wide just inside r, raised (light top and left, shadow
// bottom and right) or lowered (the other way round), and shrinks r by it. The
// bottom-right colour takes the two corners where the colours meet.
void DrawBevel(QPainter& painter, QRect& r, bool raised, const QColor& light, const QColor& shadow,
               int width);

// Shows the window without making it modal, raised and active. A hidden window is
// centred first (see CenterOnScreen); an open one stays where the player put it.
void ShowModeless(QWidget* window);

// For a dialog's hideEvent, after the base class has handled it: when the program hid
// the dialog (not the window system) and the owner's window is visible, that window
// becomes active again, so the game's keys never stay with a closed dialog.
void ReturnKeyboardToOwner(QWidget* dialog, const QHideEvent* event);

// Held around a modal box's message loop: when the box is gone, the window that was
// active before it (the game, as a rule) is activated again, whatever the window
// manager would otherwise give the keyboard to.
class ReactivateAfterModal {
public:
    ReactivateAfterModal();
    ~ReactivateAfterModal();
    ReactivateAfterModal(const ReactivateAfterModal&) = delete;
    ReactivateAfterModal& operator=(const ReactivateAfterModal&) = delete;

private:
    QPointer<QWidget> previous_;
};

// Presses the default button of the game's dialog in front of `game`, the game's window;
// nothing when the game's window itself is in front.
void PressDefaultButton(const QWidget* game);

// For dialogs without a Cancel button: true when `event` is Esc without modifiers, which
// is then accepted and must go no further (Esc closes nothing); false otherwise.
bool SwallowPlainEscape(QKeyEvent* event);

// ---- Fonts and dialog units -------------------------------------------------------

// Makes the Windows font names the game asks for ("ＭＳ Ｐゴシック", "ＭＳ ゴシック" and their
// romanised names) resolve to the fonts of `language` (the one InstallTranslations
// chose, see FontFamilies): the IPA Gothic fonts, after the language's own where its
// letters want them (Chinese, Korean, Cyrillic). Call before any window is built.
void InstallFontSubstitutions(const QString& language);
// The same for Japanese, unless a language's fonts are in place already. Safe to call
// any number of times.
void InstallFontSubstitutions();

// Gives the application's own font (Qt's context menus and tooltips) the font families
// of `language`, at its own size.
void UseLanguageFontForQt(const QString& language);

// The font of the game's dialogs: "ＭＳ Ｐゴシック", regular, 9 point on the primary
// screen (its pixel height computed from the screen's vertical dots per inch).
QFont DialogFont();

// n × num / den rounded to the nearest integer, halves away from zero; -1 when den is 0.
int MulDiv(int n, int num, int den);

// The average width of the letters A-Z a-z (integer) and the text height of a font;
// every dialog size is a multiple of a quarter of x or an eighth of y.
struct DialogUnits {
    int x = 0;
    int y = 0;
};
DialogUnits MeasureDialogUnits(const QFont& font);

} // namespace porimogu
