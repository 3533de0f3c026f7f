#include "swatch.h"

#include <QMouseEvent>

namespace vexil {

Swatch::Swatch(QWidget* parent) : QLabel(parent) {}

void Swatch::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Swatch::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

}  // namespace vexil
