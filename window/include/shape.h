#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

class QPainter;

namespace vexil {

// A rectangle with an outline of one pixel, filled or not, as the drawing
// and the colour chart show them.
void paintShape(QPainter& painter, const QRect& rect, const QColor& outline,
                const std::optional<QColor>& fill);

// A rectangle of the component drawing: an outline of one pixel, filled or
// not. It takes no clicks.
class Shape : public QWidget {
    Q_OBJECT

public:
    explicit Shape(QColor outline, std::optional<QColor> fill, QWidget* parent);

    QColor outline() const { return outline_; }
    std::optional<QColor> fill() const { return fill_; }
    void setFill(const QColor& fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    std::optional<QColor> fill_;
};

}  // namespace vexil
