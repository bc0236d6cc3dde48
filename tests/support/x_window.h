// The game's window on the shared X display, for tests that act as a window manager.
#pragma once

#include <X11/Xlib.h>

// The first window under `parent` (depth first) whose name is `caption`; 0 if none.
Window findWindow(Display* display, Window parent, const char* caption);
// Sends the window manager's close request (WM_DELETE_WINDOW), as a click on the window's X does.
void askToClose(Display* display, Window window);
