#pragma once

#include <QColor>
#include <QSize>

// The title bar the program draws itself (Wayland): Windows' classic
// caption, in logical pixels.
namespace vexil::title_look {

inline const QColor kBar{0x00, 0x00, 0x80};
inline const QColor kText{0xFF, 0xFF, 0xFF};
inline constexpr int kHeight = 20;       // the bar,
inline constexpr QSize kButton{16, 14};  // its buttons,
inline constexpr int kButtonGap = 2;     // and what lies between and around them

}  // namespace vexil::title_look
