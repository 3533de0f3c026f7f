#pragma once

#include <QStringList>

// Where Vexil meets the system it runs on: one implementation file for each
// (platform_unix.cpp, platform_windows.cpp).
namespace vexil {

// Whether a graphical display can be opened. Without one, and without a
// platform named in QT_QPA_PLATFORM, Qt would abort with a core dump and
// advise reinstalling; this says what is missing instead, on standard error.
bool displayAvailable();

// The faces to ask for, best first, where the layout names `windowsFace`
// ("MS Sans Serif", "Arial"): the face itself, or what stands in for it.
QStringList layoutFaces(const char* windowsFace);

}  // namespace vexil
