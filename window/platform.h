#pragma once

namespace vexil {

// Whether a graphical display can be opened. Without one, and without a
// platform named in QT_QPA_PLATFORM, Qt would abort with a core dump and
// advise reinstalling; this says what is missing instead, on standard error.
bool displayAvailable();

}  // namespace vexil
