#pragma once

class QApplication;

namespace application {

// The plain-ASCII name of the program: the X11 window class and the desktop's name for it.
inline constexpr char name[] = "mx_cal";

// Sets up the application object before the window is made: the program's name and its id
// on the desktop (desktop file and Wayland app id), its style, the window's Korean font list as
// the application font (so that no other face is loaded first), and Qt's own Korean texts for
// what the toolkit supplies (field context menus, file dialogs). No
// display name is set: Qt would append it to every window title. The end of the session
// (SIGTERM, SIGHUP, SIGINT; on Windows the end of the Windows session) closes the windows as
// their close boxes do, so that the settings are saved.
void setUp(QApplication &app);

// Whether the session ended, for instance while a box was up before the window was
// first shown: a program whose session is ending does not open its window.
bool terminationRequested();

} // namespace application
