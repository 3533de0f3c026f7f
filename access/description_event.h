#pragma once

class QAccessibleInterface;

namespace vexil {

// Tells assistive technology that `iface`'s description has changed, with
// the new text in the event itself: a screen reader speaks a new
// description of the object it follows at once. One implementation file
// for each platform (description_event_unix.cpp, description_event_windows.cpp).
void reportDescriptionChanged(QAccessibleInterface* iface);

}  // namespace vexil
