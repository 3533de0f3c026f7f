#pragma once

#include <QColor>

#include "layout.h"

// Every colour and measure of the window's look, defined once.
namespace vexil::look {

// The layout's colours, as its table has them.
inline const QColor kBackground = QColor::fromRgb(layout::colours::kBackground);
inline const QColor kCaptionText = QColor::fromRgb(layout::colours::kCaptionText);
inline const QColor kGroupTitleText = QColor::fromRgb(layout::colours::kGroupTitleText);
inline const QColor kFieldBackground = QColor::fromRgb(layout::colours::kFieldBackground);
inline const QColor kBorder = QColor::fromRgb(layout::colours::kBorder);  // around swatches and stripes

// Beneath the layout's colours: the face of buttons and field borders
// (Fusion's light grey, written out) and the selection.
inline const QColor kFace{0xEF, 0xEF, 0xEF};
inline const QColor kHighlight{0x30, 0x8C, 0xC6};
// The chart's keyboard cursor, on the dark background.
inline const QColor kCursorRing{0xFF, 0xFF, 0xFF};

// Measures, in logical pixels.
inline constexpr int kOutline = 1;           // a shape's outline, a focus ring
inline constexpr int kFieldFrame = 2;        // a result field's sunken border
inline constexpr int kLineEditMargin = 2;    // Qt's line edit keeps this free beside its text,
inline constexpr int kLineEditCursor = 1;    // and counts a text this much wider than its advance
inline constexpr int kOptionTextMargin = 1;  // a style's margin inside an option's contents,
inline constexpr int kButtonTextMargin = 2;  // and inside a push button's
inline constexpr int kFrameClearance = 2;    // between a caption and a frame's line
inline constexpr int kCursorRingWidth = 2;   // the chart's cursor: a ring this wide,
inline constexpr int kCursorRingGap = 1;     // this far outside its swatch

}  // namespace vexil::look
