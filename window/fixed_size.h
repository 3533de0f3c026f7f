#pragma once

#include <QObject>

namespace vexil {

// Keeps a fixed-size window normal. The layout has one size; where the
// program draws its own title bar (Qt's on Wayland compositors without
// server-side decorations), that bar offers maximize all the same, and a
// maximized state would be shown on its button while the size stays. The
// request is undone, so window and button stay as they were.
class FixedSize : public QObject {
    Q_OBJECT

public:
    explicit FixedSize(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vexil
