#include "keyboard.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace vexil {

namespace {

// Unselected options stay in the focus chain, in their order, but Tab
// passes them by.
void takeTabOnlyWhenSelected(QRadioButton* option)
{
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

Keyboard::Keyboard(const std::vector<QRadioButton*>& options, const std::vector<QAbstractButton*>& buttons,
                   QObject* parent)
    : QObject(parent)
{
    for (auto* option : options) {
        takeTabOnlyWhenSelected(option);
        connect(option, &QRadioButton::toggled, this, [option] { takeTabOnlyWhenSelected(option); });
    }
    for (auto* button : buttons)
        button->installEventFilter(this);
}

bool Keyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr)
        return false;
    button->click();
    return true;
}

}  // namespace vexil
