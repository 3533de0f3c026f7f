#include "swatch.h"

#include <QAccessible>
#include <QMouseEvent>

#include "look.h"

namespace vexil {

Swatch::Swatch(int band, ColourIndex colour, const QColor& shown, QWidget* parent)
    : Shape(look::kBorder, shown, parent), band_(band), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setUpdatesEnabled(false);  // painted by the chart beneath
}

void Swatch::setChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
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
