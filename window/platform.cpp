#include "platform.h"

#include <QtGlobal>

#include <cstdio>

namespace vexil {

bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool named = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (named || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    std::fputs("vexil: needs a graphical display, but DISPLAY and WAYLAND_DISPLAY are unset\n", stderr);
    return false;
#else
    return true;
#endif
}

}  // namespace vexil
