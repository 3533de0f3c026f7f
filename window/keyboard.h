#pragma once

#include <QObject>

#include <vector>

class QAbstractButton;
class QRadioButton;

namespace vexil {

// Keys the way the desktop the layout was written for has them:
// - an option group is one Tab stop, on its selected option (the arrows
//   still move the selection inside the group);
// - Return or Enter presses a focused push button, as Space does.
class Keyboard : public QObject {
    Q_OBJECT

public:
    Keyboard(const std::vector<QRadioButton*>& options, const std::vector<QAbstractButton*>& buttons,
             QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vexil
