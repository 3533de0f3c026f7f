#pragma once

#include <QStringList>

#include <memory>

class QWidget;

// Where Vexil meets the system it runs on: one implementation file for each
// (platform_unix.cpp, platform_windows.cpp).
namespace vexil {

// Chooses a display that answers and tells Qt (QT_QPA_PLATFORM): the one
// asked for there, else Wayland, else X. Where none answers, Qt would abort
// with a core dump and advise reinstalling; this says in one line on
// standard error what it tried, and returns false.
bool displayAvailable();

// Where the session leaves title bars to the program, a frame that draws
// one over `window` and holds it: show the frame instead. Elsewhere none.
std::unique_ptr<QWidget> drawnTitleBar(QWidget& window);

// The faces to ask for, best first, where the layout names `windowsFace`
// ("MS Sans Serif", "Arial"): the face itself, or what stands in for it.
QStringList layoutFaces(const char* windowsFace);

}  // namespace vexil
