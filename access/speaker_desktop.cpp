#include <QAccessible>

#include "speaker.h"

// What the desktops (Linux, Windows) have alike: their screen readers read
// the focused object, and the state where they ask for it, by themselves.
namespace vexil::speaker {

bool listening()
{
    return QAccessible::isActive();
}

void cursorMoved(QAccessibleInterface* swatch, const QString&)
{
    QAccessibleEvent focus(swatch, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void focusChanged(QAccessibleInterface*) {}

void stateChanged(const QString&) {}

}  // namespace vexil::speaker
