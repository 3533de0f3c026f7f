#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

namespace vexil {

// A rectangle of the component drawing: an outline of one pixel, filled or
// not. It takes no clicks.
class Shape : public QWidget {
    Q_OBJECT

public:
    explicit Shape(QColor outline, std::optional<QColor> fill, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    std::optional<QColor> fill_;
};

}  // namespace vexil
