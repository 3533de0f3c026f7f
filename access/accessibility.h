#pragma once

namespace vexil {

class FormView;

// Tells assistive technology what the form's own controls are, and lets it
// act on them as a user would: it chooses a swatch by the same handler as a
// click, reads results but cannot edit them, and follows the colour chart's
// keyboard cursor. It knows the form only through FormView and the types of
// its controls (the form's public headers).
//
// Install before the form makes its first widget: Qt keeps the first
// interface it makes for a widget.
void installAccessibility();

// Once the form is built: reports the changes that assistive technology
// cannot see by itself (the chart's cursor, the result after a choice).
void reportAccessibleChanges(FormView& form);

}  // namespace vexil
