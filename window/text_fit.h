#pragma once

#include <QFont>
#include <QSizeF>

class QWidget;

namespace vexil {

// The font in which `text` fits `room` (logical pixels) on `device`: the
// font itself where it fits; else the narrow face of its family where there
// is one; else its letters narrowed, to no less than three quarters; else
// smaller. So no sans face the system may put in place of the layout's
// loses a glyph, in any caption or field.
QFont fittedFont(const QFont& font, const QString& text, const QSizeF& room, const QWidget* device);

// Fits the caption of every label and button of `window` into the part of
// its box that no later sibling covers.
void fitCaptions(QWidget& window);

}  // namespace vexil
