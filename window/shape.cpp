#include "shape.h"

#include <QPainter>

namespace vexil {

Shape::Shape(QColor outline, std::optional<QColor> fill, QWidget* parent)
    : QWidget(parent), outline_(outline), fill_(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A filled shape covers its whole rectangle: Qt need not paint what lies below.
    setAttribute(Qt::WA_OpaquePaintEvent, fill_.has_value());
}

void Shape::setFill(const QColor& fill)
{
    fill_ = fill;
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    // Filled rectangles only, no pen: the outline stays one logical pixel
    // wide and sharp at any device pixel ratio.
    QPainter painter(this);
    const QRect r = rect();
    if (fill_)
        painter.fillRect(r.adjusted(1, 1, -1, -1), *fill_);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), outline_);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), outline_);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), outline_);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), outline_);
}

}  // namespace vexil
