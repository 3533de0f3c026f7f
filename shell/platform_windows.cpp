#include "platform.h"

#include <windows.h>

#include "product.h"

namespace vexil {

// Windows always has a display, and draws the title bar itself.
std::optional<Display> chooseDisplay()
{
    return Display{{}, TitleBar::System};
}

// Windows draws the title bar and keeps the size: nothing to say.
void shapeToplevel(Frame&, TitleBar) {}

// A named mutex that lives as long as the process: the installer and the
// uninstaller look for it before they replace or remove the program's
// files, which Windows keeps locked while it runs.
void markRunning()
{
    CreateMutexA(nullptr, FALSE, product::kRunningMutex);
}

}  // namespace vexil
