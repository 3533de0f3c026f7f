#pragma once

#include <QWidget>

#include <array>

class QToolButton;

namespace vexil {

// A title bar the program draws itself: the window's icon and title,
// minimize and close, and a press anywhere else moves the window. It offers
// no maximize and no resizing, as the window has one size.
class TitleStrip : public QWidget {
    Q_OBJECT

public:
    explicit TitleStrip(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::array<QToolButton*, 2> buttons_{};  // right to left: close, minimize
};

}  // namespace vexil
