#pragma once

#include <functional>

class QApplication;
class QStyle;

// What the program's set-up does differently on each system it runs on, one source file each
// (system_posix.cpp, system_windows.cpp).
namespace application::system {

// The style the window's own style draws over: null for the desktop's own (on Linux, Fusion
// unless the desktop says otherwise), Fusion on Windows, whose native look would draw the
// fields and gauges in its own colours.
QStyle *baseStyle();

// Runs `close` on the window's thread when the session ends (SIGTERM or SIGHUP on Linux, the
// end of the Windows session) or Ctrl+C is pressed in a terminal, so that the window closes as
// its close box does and the settings are saved instead of the program ending on the spot.
void closeOnTermination(QApplication &app, std::function<void()> close);

} // namespace application::system
