#include "platform.h"

#include <QtGlobal>

#include <cstdio>

namespace vexil {

bool displayAvailable()
{
    const bool named = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (named || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    std::fputs("vexil: needs a graphical display, but DISPLAY and WAYLAND_DISPLAY are unset\n", stderr);
    return false;
}

// The layout's faces are missing on every Linux desktop; their metric twin
// Liberation Sans stands in, and where even that is missing fontconfig's
// sans face. Looking up only the face that exists spares start-up a round
// of fallback searches.
QStringList layoutFaces(const char*)
{
    return {QStringLiteral("Liberation Sans")};
}

}  // namespace vexil
