#pragma once
#include <functional>

// The end of a session (SIGTERM, SIGHUP) or Ctrl+C in the game's terminal (SIGINT).

namespace porimogu {

// From now on those signals end the game the ordinary way: `closeWindows` closes every
// window and the message loop is left, so the main window's clean-up stops the music as
// at any other end, and the program exits with status 0. Call once, after the
// application object exists.
void CloseOnTerminationSignals(std::function<void()> closeWindows);

// True once such a signal has arrived: a signal during the start-up boxes, before the
// message loop runs, must keep the loop from starting.
bool TerminationRequested();

} // namespace porimogu
