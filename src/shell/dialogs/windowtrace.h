#pragma once
// With tracing on (platform/trace.h), every window of the game says when it is on the
// screen, when it goes and when it gets the keyboard:
//   porimogu-trace: window MainForm shown 632x504 ぽっけの ぽりもぐ ゲーム
//   porimogu-trace: window MainForm active
//   porimogu-trace: window TopDlg hidden
// A window is named by its object name (a drop-down menu by its menu's, KG1), or by its
// class when it has none (QMessageBox). "shown" comes once the window system has put it
// on the screen, with its size and title.
namespace porimogu {

// Watches the windows of the running application; does nothing when not tracing.
void TraceWindows();

} // namespace porimogu
