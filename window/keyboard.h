#pragma once

#include <QObject>

#include <vector>

class QAbstractButton;
class QChar;
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

// The Russian letter typed: a Cyrillic letter as it is, a Latin one as the
// letter at its place on the Russian layout (ЙЦУКЕН), so that no one has to
// switch layouts to type a colour's name.
QChar russianLetter(QChar typed);

}  // namespace vexil
