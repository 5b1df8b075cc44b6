#pragma once

// How assistive technology sees the tab bars of this program: one page tab for each tab that
// shows, selected while its page is forward, and focused only while the tab bar itself has the
// keyboard focus. Qt's own view lists hidden tabs as well and calls the current tab focused
// wherever the focus is, so that a screen reader would never follow the fields.
void installTabBarAccessibility();
