#include "option_accessible.h"

#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <optional>

#include "announcer.h"
#include "form_view.h"
#include "group_frame.h"
#include "tree.h"

namespace vexil {

namespace {

// The group of options `member` is: its frame, or one of its options.
std::optional<FormView::OptionGroup> groupOf(QWidget* member)
{
    const auto* form = formOf(member);
    if (form == nullptr)
        return std::nullopt;
    for (const auto& group : form->optionGroups()) {
        if (group.frame == member ||
            std::find(group.options.begin(), group.options.end(), member) != group.options.end())
            return group;
    }
    return std::nullopt;
}

// The options a group shows, in their order.
QList<QRadioButton*> shownOptions(QWidget* member)
{
    QList<QRadioButton*> shown;
    if (const auto group = groupOf(member)) {
        for (auto* option : group->options) {
            if (!option->isHidden())
                shown << option;
        }
    }
    return shown;
}

}  // namespace

GroupAccessible::GroupAccessible(QWidget* group) : QAccessibleWidget(group, QAccessible::Grouping) {}

QString GroupAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const auto group = groupOf(widget());
    return group ? group->title->text() : QString();
}

int GroupAccessible::childCount() const
{
    return static_cast<int>(shownOptions(widget()).size());
}

QAccessibleInterface* GroupAccessible::child(int index) const
{
    return childIn(shownOptions(widget()), index);
}

int GroupAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return indexIn(shownOptions(widget()), child);
}

OptionAccessible::OptionAccessible(QRadioButton* option) : QAccessibleWidget(option, QAccessible::RadioButton)
{
}

QRadioButton* OptionAccessible::option() const
{
    return static_cast<QRadioButton*>(widget());
}

QString OptionAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const auto shown = shownOptions(widget());
        return QStringLiteral("%1, %2 из %3")
            .arg(option()->text())
            .arg(shown.indexOf(option()) + 1)
            .arg(shown.size());
    }
    case QAccessible::Description: return Announcer::carriedBy(option());
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::State OptionAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = option()->isChecked();
    return s;
}

QStringList OptionAccessible::actionNames() const
{
    return {pressAction(), toggleAction()};
}

void OptionAccessible::doAction(const QString& action)
{
    if (action == pressAction() || action == toggleAction())
        option()->click();
}

QStringList OptionAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}

}  // namespace vexil
