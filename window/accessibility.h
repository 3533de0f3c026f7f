#pragma once

namespace vexil {

class Vexil;

// Tells assistive technology what the window's own controls are, and lets
// it act on them as a user would: it chooses a swatch by the same handler
// as a click, reads results but cannot edit them, and follows the colour
// chart's keyboard cursor.
void installAccessibility(Vexil& window);

}  // namespace vexil
