#pragma once

#include <QAccessible>
#include <QObject>
#include <QWidget>

#include <algorithm>

#include "form_view.h"

// Finding the form and walking lists of children, for the interfaces of
// the access room.
namespace vexil {

// The form an object belongs to: itself or its nearest ancestor.
inline FormView* formOf(QObject* object)
{
    for (; object != nullptr; object = object->parent()) {
        if (auto* form = qobject_cast<FormView*>(object))
            return form;
    }
    return nullptr;
}

// The form a top-level window frames.
inline FormView* formFramedBy(const QWidget* window)
{
    for (auto* child : window->children()) {
        if (auto* form = qobject_cast<FormView*>(child))
            return form;
    }
    return nullptr;
}

// An interface whose children are a list of objects (widgets, bands).
template <typename List>
QAccessibleInterface* childIn(const List& list, int index)
{
    if (index < 0 || index >= static_cast<int>(list.size()))
        return nullptr;
    return QAccessible::queryAccessibleInterface(list[static_cast<typename List::size_type>(index)]);
}

template <typename List>
int indexIn(const List& list, const QAccessibleInterface* child)
{
    const auto at = std::find_if(list.begin(), list.end(),
                                 [&](const QObject* o) { return child != nullptr && child->object() == o; });
    return at == list.end() ? -1 : static_cast<int>(at - list.begin());
}

}  // namespace vexil
