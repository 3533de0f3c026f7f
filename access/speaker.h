#pragma once

class QAccessibleInterface;
class QString;

// How a screen reader is told what it cannot read by itself, and when it
// speaks it. One implementation file for each platform: speaker_unix.cpp
// (AT-SPI, as Orca reads it), speaker_windows.cpp (UI Automation).
namespace vexil::speaker {

// `iface`'s name or description is now `text`. A screen reader keeps what
// it read; this is how it learns of a change.
void nameChanged(QAccessibleInterface* iface, const QString& text);
void descriptionChanged(QAccessibleInterface* iface, const QString& text);
// `iface`'s selected state is now `on` (Qt 6.4 tells only checked, active
// and disabled).
void selectedChanged(QAccessibleInterface* iface, bool on);

// Says `text` at once, of `focus`, the object the screen reader follows.
// True where the platform took it.
bool say(QAccessibleInterface* focus, const QString& text);

// Says `text` as the screen reader presents `next`, which takes the focus
// right after: where one key moves the focus and changes the result, one
// utterance says both, and neither cuts the other short.
void sayWith(QAccessibleInterface* next, const QString& text);

}  // namespace vexil::speaker
