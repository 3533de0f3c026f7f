#pragma once

#include <QWidget>

namespace vexil {

// A window of its own title bar (title_strip.h) over `content`, for
// sessions that leave title bars to the program: the content keeps its
// size and look below the bar, and closing the content closes the frame.
class DrawnFrame : public QWidget {
    Q_OBJECT

public:
    explicit DrawnFrame(QWidget& content);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vexil
