#pragma once

#include <QObject>

class QWidget;

namespace vexil {

// Keeps the top-level window of one size in its normal state. A window
// manager or compositor may maximize or make full screen any window, by a
// button, a menu or a shortcut (Weston's Super+Shift+M and Super+Shift+F),
// whatever its size hints say. The request is refused.
class FixedSize : public QObject {
    Q_OBJECT

public:
    explicit FixedSize(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuse();

    QWidget* window_;
    bool holdingFrames_ = false;
    bool undoing_ = false;
};

}  // namespace vexil
