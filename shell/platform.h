#pragma once

#include <QByteArray>

#include <optional>

// Where Vexil meets the system it runs on: one implementation file for each
// (platform_unix.cpp, platform_windows.cpp).
namespace vexil {

class Frame;

// Who draws the window's title bar.
enum class TitleBar {
    System,      // the window system, as the layout has it (X, Windows)
    Program,     // the program: a Wayland compositor that leaves it to clients
    Negotiated,  // the Wayland compositor offers to, and decides window by window
};

struct Display {
    QByteArray platform;  // Qt's platform plugin to open it with; empty: Qt's own choice
    TitleBar titleBar;
};

// The display to open: the one QT_QPA_PLATFORM asks for, else Wayland, else
// X, whichever answers first, each asked for two seconds at most. Where none
// answers, Qt would hang or abort with a core dump and advise reinstalling;
// this says in one line on standard error what it tried, and returns none.
std::optional<Display> chooseDisplay();

// On Wayland, says to the compositor what Qt 6.4 would not (xdg_toplevel.h):
// where it decides who draws the title bar (Negotiated), the program asks
// for its own and draws the program's whenever it says no; where the program
// draws it (Program), the window's one size. Before the frame is shown.
void shapeToplevel(Frame& frame, TitleBar titleBar);

// Lets installers see that Vexil runs, for as long as it runs.
void markRunning();

}  // namespace vexil
