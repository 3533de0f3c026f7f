#pragma once

#include <QAccessibleWidget>

class QRadioButton;

namespace vexil {

// A group of options, named by its title; the options it shows are its only
// children, so that each is one of three (or two).
class GroupAccessible : public QAccessibleWidget {
public:
    explicit GroupAccessible(QWidget* group);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
};

// An option says its place among the options shown, "Сопротивление, 1 из
// 3"; its group's name is spoken once, as the group's.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton* option);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    QRadioButton* option() const;
};

}  // namespace vexil
