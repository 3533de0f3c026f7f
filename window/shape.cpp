#include "shape.h"

#include <QPainter>

#include "filled_frame.h"
#include "look.h"

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
    QPainter painter(this);
    constexpr int w = look::kOutline;
    if (fill_)
        painter.fillRect(rect().adjusted(w, w, -w, -w), *fill_);
    fillFrame(painter, rect(), w, outline_);
}

}  // namespace vexil
