#include "shape.h"

#include <QPainter>

#include "filled_frame.h"
#include "look.h"

namespace vexil {

Shape::Shape(QColor outline, std::optional<QColor> fill, QWidget* parent)
    : QWidget(parent), outline_(outline), fill_(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFill(const QColor& fill)
{
    fill_ = fill;
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
