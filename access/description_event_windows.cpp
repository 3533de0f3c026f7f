#include "description_event.h"

#include <QAccessible>

namespace vexil {

// Windows' automation clients read the new description back themselves.
void reportDescriptionChanged(QAccessibleInterface* iface)
{
    QAccessibleEvent event(iface, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace vexil
