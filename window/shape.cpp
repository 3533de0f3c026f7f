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

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (fill_)
        painter.fillRect(rect(), *fill_);
    painter.setPen(QPen(outline_, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vexil
