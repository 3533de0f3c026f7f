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

    std::optional<QColor> fill() const { return fill_; }
    void setFill(const QColor& fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    std::optional<QColor> fill_;
};

}  // namespace vexil
