#pragma once

class QWidget;

namespace vexil {

// Tells assistive technology what the form's own controls are, and lets it
// act on them as a user would: it chooses a swatch by the same handler as a
// click, reads results but cannot edit them, and follows the colour chart's
// keyboard cursor. It knows the form only through FormView and the types of
// its controls.
//
// Install before the form makes its first widget: Qt keeps the first
// interface it makes for a widget.
void installAccessibility();

// Once the form (a FormView) is built: reports the changes that assistive
// technology cannot see by itself (the chart's cursor, the result after a
// choice).
void reportAccessibleChanges(QWidget& form);

}  // namespace vexil
