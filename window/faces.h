#pragma once

#include <QStringList>

// The faces the layout's text is drawn in, where the system has them: one
// implementation file for each system (faces_unix.cpp, faces_windows.cpp,
// faces_web.cpp).
namespace vexil {

// The faces to ask for, best first, where the layout names `windowsFace`
// ("MS Sans Serif", "Arial"): the face itself, or what stands in for it.
QStringList layoutFaces(const char* windowsFace);

}  // namespace vexil
