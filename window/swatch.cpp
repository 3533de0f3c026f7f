#include "swatch.h"

#include <QMouseEvent>

namespace vexil {

Swatch::Swatch(int band, ColourIndex colour, QWidget* parent) : QLabel(parent), band_(band), colour_(colour)
{
}

void Swatch::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Swatch::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (inside)
        click();
}

}  // namespace vexil
