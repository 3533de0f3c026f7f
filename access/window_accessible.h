#pragma once

#include <QAccessibleWidget>

namespace vexil {

class FormView;

// The window the shell shows, a frame around the form, with its title (Qt
// would make a plain container of it). Between the frame and the form
// stands a tool bar of no widget's, named by the whole state
// ("Сопротивление, 4 полосы: …"): Orca 43's where-am-I names the tool bar
// around whatever it presents, so the state is heard anywhere in the window
// on request. As the focus moves, Orca passes over a container whose only
// child bears its name, and over fillers: the tool bar and the form say
// nothing then, as the state would only repeat what follows. Orca's own
// format for where-am-I (orca/formatting.py, 'basicWhereAmI' prefix
// 'toolbar') decides this: where it no longer names the tool bar,
// tests/orca_e2e.py fails on where-am-I, and this goes.
class FrameAccessible : public QAccessibleWidget {
public:
    FrameAccessible(QWidget* frame, FormView* form);
    ~FrameAccessible() override;
    FrameAccessible(const FrameAccessible&) = delete;
    FrameAccessible& operator=(const FrameAccessible&) = delete;

    QAccessibleInterface* toolBar() const { return toolBar_; }

    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QAccessibleInterface* toolBar_;
};

// The form: inside the frame, a filler named by the state, the tool bar's
// only child; alone (as the window tests build it), the window itself,
// with the state as its description. Qt keeps the first interface it makes
// for a widget, and the form is a window until the shell frames it: its
// role is decided each time it is asked.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(FormView* form);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    FormView* form() const;
};

}  // namespace vexil
