#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace vexil {

// A frame `width` pixels wide just inside `outer`, of filled bars: a pen
// would blend across device pixels at fractional scales, bars stay whole
// and sharp at any.
inline void fillFrame(QPainter& painter, const QRect& outer, int width, const QColor& colour)
{
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), outer.top(), width, outer.height()), colour);
    painter.fillRect(QRect(outer.right() - width + 1, outer.top(), width, outer.height()), colour);
}

}  // namespace vexil
