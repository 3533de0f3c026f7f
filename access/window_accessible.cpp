#include "window_accessible.h"

#include <algorithm>
#include <vector>

#include "form_view.h"
#include "speech.h"
#include "swatch.h"
#include "tree.h"
#include "utf8.h"

namespace vexil {

namespace {

// The form's content as assistive technology sees it: the drawing's
// decoration (outline, leads, body) says nothing, and the swatches are
// reached through the chart.
std::vector<QWidget*> content(const FormView* form)
{
    const auto decoration = form->decoration();
    std::vector<QWidget*> widgets;
    for (auto* object : form->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (w == nullptr || w->isWindow() || qobject_cast<Swatch*>(w) != nullptr ||
            std::find(decoration.begin(), decoration.end(), w) != decoration.end())
            continue;
        widgets.push_back(w);
    }
    return widgets;
}

// The tool bar between the frame and the form.
class StateToolBar : public QAccessibleInterface {
public:
    StateToolBar(QAccessibleInterface* frame, FormView* form) : frame_(frame), form_(form) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return rect().contains(x, y) ? child(0) : nullptr;
    }
    QAccessibleInterface* parent() const override { return frame_; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(form_) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == form_ ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? utf8(speech::state(form_->logic())) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {form_->mapToGlobal(QPoint(0, 0)), form_->size()}; }
    QAccessible::Role role() const override { return QAccessible::ToolBar; }
    QAccessible::State state() const override { return {}; }

private:
    QAccessibleInterface* frame_;
    FormView* form_;
};

}  // namespace

FrameAccessible::FrameAccessible(QWidget* frame, FormView* form)
    : QAccessibleWidget(frame, QAccessible::Window), toolBar_(new StateToolBar(this, form))
{
    QAccessible::registerAccessibleInterface(toolBar_);
}

FrameAccessible::~FrameAccessible()
{
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(toolBar_));
}

// The frame's own children, the tool bar in the form's place.
QAccessibleInterface* FrameAccessible::child(int index) const
{
    QAccessibleInterface* found = QAccessibleWidget::child(index);
    return found != nullptr && found->object() == toolBar_->child(0)->object() ? toolBar_ : found;
}

int FrameAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return QAccessibleWidget::indexOfChild(child == toolBar_ ? toolBar_->child(0) : child);
}

FormAccessible::FormAccessible(FormView* form) : QAccessibleWidget(form, QAccessible::Window) {}

FormView* FormAccessible::form() const
{
    return static_cast<FormView*>(widget());
}

QAccessible::Role FormAccessible::role() const
{
    return widget()->isWindow() ? QAccessible::Window : QAccessible::Client;
}

QString FormAccessible::text(QAccessible::Text t) const
{
    if (widget()->isWindow())
        return t == QAccessible::Description ? utf8(speech::state(form()->logic()))
                                             : QAccessibleWidget::text(t);
    return t == QAccessible::Name ? utf8(speech::state(form()->logic())) : QString();
}

QAccessibleInterface* FormAccessible::parent() const
{
    if (auto* frame = dynamic_cast<FrameAccessible*>(QAccessibleWidget::parent()))
        return frame->toolBar();
    return QAccessibleWidget::parent();
}

int FormAccessible::childCount() const
{
    return static_cast<int>(content(form()).size());
}

QAccessibleInterface* FormAccessible::child(int index) const
{
    return childIn(content(form()), index);
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return indexIn(content(form()), child);
}

}  // namespace vexil
