#pragma once

#include <QLabel>

namespace vexil {

// A caption-less label that reports a click: press and release of the left
// button inside it, like a push button.
class Swatch : public QLabel {
    Q_OBJECT

public:
    explicit Swatch(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace vexil
