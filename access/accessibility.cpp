#include "accessibility.h"

#include <QRadioButton>

#include "announcer.h"
#include "chart_accessible.h"
#include "chart_band.h"
#include "colour_chart.h"
#include "field_accessible.h"
#include "group_frame.h"
#include "option_accessible.h"
#include "read_only_field.h"
#include "shape.h"
#include "swatch.h"
#include "tree.h"
#include "window_accessible.h"

namespace vexil {

namespace {

// Chooses by type, most derived first: a swatch is a shape too.
QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* band = qobject_cast<ChartBand*>(object))
        return new BandAccessible(band);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (auto* form = qobject_cast<FormView*>(widget))
        return new FormAccessible(form);
    if (auto* form = widget->isWindow() ? formFramedBy(widget) : nullptr)
        return new FrameAccessible(widget, form);
    if (auto* swatch = qobject_cast<Swatch*>(widget))
        return new SwatchAccessible(swatch);
    if (auto* chart = qobject_cast<ColourChart*>(widget))
        return new ChartAccessible(chart);
    if (auto* field = qobject_cast<ReadOnlyField*>(widget))
        return new FieldAccessible(field);
    if (qobject_cast<GroupFrame*>(widget) != nullptr)
        return new GroupAccessible(widget);
    if (qobject_cast<Shape*>(widget) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    auto* option = qobject_cast<QRadioButton*>(widget);
    if (option != nullptr && qobject_cast<GroupFrame*>(widget->parentWidget()) != nullptr)
        return new OptionAccessible(option);
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
}

void reportAccessibleChanges(FormView& form)
{
    new Announcer(form);
}

}  // namespace vexil
