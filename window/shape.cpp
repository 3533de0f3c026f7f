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

void paintShape(QPainter& painter, const QRect& rect, const QColor& outline,
                const std::optional<QColor>& fill)
{
    constexpr int w = look::kOutline;
    if (fill)
        painter.fillRect(rect.adjusted(w, w, -w, -w), *fill);
    fillFrame(painter, rect, w, outline);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintShape(painter, rect(), outline_, fill_);
}

}  // namespace vexil
