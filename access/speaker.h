#pragma once

class QAccessibleInterface;
class QString;

// How a screen reader is told what it cannot read by itself, and when it
// speaks it. One implementation file for each platform: speaker_unix.cpp
// (AT-SPI, as Orca reads it), speaker_windows.cpp (UI Automation), with
// speaker_desktop.cpp for both. (The page says its words in a live region
// of its own.)
namespace vexil::speaker {

// Whether anything listens: a screen reader, if one runs.
bool listening();

// Says `text` at once, of `focus`, the object the screen reader follows.
// True where the platform took it.
bool say(QAccessibleInterface* focus, const QString& text);

// Says `text` as the screen reader presents `next`, which takes the focus
// right after: where one key moves the focus and changes the result, one
// utterance says both, and neither cuts the other short. (`next` also
// carries it as its description meanwhile; an empty `text` takes it away.)
void sayWith(QAccessibleInterface* next, const QString& text);

// The chart's cursor moved onto `swatch`, into the band named `band`
// (empty if it stayed in its band). A desktop screen reader hears of it as
// a change of focus and reads the rest itself.
void cursorMoved(QAccessibleInterface* swatch, const QString& band);

// Qt moved the focus to `now` by its own means, and told the desktop.
void focusChanged(QAccessibleInterface* now);

// `iface`'s selected state is now `on` (Qt 6.4 tells only checked, active
// and disabled; with a Qt that sends QAccessible::StateChanged for
// selected over AT-SPI, this goes).
void selectedChanged(QAccessibleInterface* iface, bool on);

// The whole state is now `state`.
void stateChanged(const QString& state);

}  // namespace vexil::speaker
