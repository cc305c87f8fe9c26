#pragma once
// The main window's menu bar: ゲーム, せってい and へるぷ, each item named after its caption
// and wired to the window's handler of the same name (KS1 to KS1Click, …). A bare tap
// of Alt leaves the bar alone, so the arrows stay with ぽっけ.
namespace porimogu {

class TMainForm;

// Builds the menu bar of `form` and sets its menu and item members (KG1, KS1, …).
void BuildMainMenu(TMainForm& form);

} // namespace porimogu
