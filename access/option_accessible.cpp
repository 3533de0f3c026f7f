#include "option_accessible.h"

#include <QLabel>
#include <QRadioButton>

#include "announcer.h"
#include "tree.h"

namespace vexil {

namespace {

// The options a group shows, in their order.
QList<QRadioButton*> shownOptions(const QWidget* group)
{
    QList<QRadioButton*> shown;
    for (auto* option : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (!option->isHidden())
            shown << option;
    }
    return shown;
}

}  // namespace

GroupAccessible::GroupAccessible(QWidget* group) : QAccessibleWidget(group, QAccessible::Grouping) {}

QString GroupAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const auto* title = widget()->findChild<QLabel*>();
    return title != nullptr ? title->text() : QString();
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
        const auto shown = shownOptions(widget()->parentWidget());
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
