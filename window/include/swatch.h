#pragma once

#include "colour_code.h"
#include "shape.h"

namespace vexil {

// A square of the colour chart, bordered and filled with its colour, that
// reports a click: press and release of the left button inside it, like a
// push button. It knows which band and colour it stands for, so the
// keyboard and assistive technology can choose it the same way. The chart
// beneath paints it, with all the others, in one go: fifty squares that
// never change colour need not each be painted as a widget of their own.
class Swatch : public Shape {
    Q_OBJECT

public:
    Swatch(int band, ColourIndex colour, const QColor& shown, QWidget* parent);

    // The colour it shows.
    QColor shown() const { return *fill(); }

    int band() const { return band_; }
    ColourIndex colour() const { return colour_; }

    // Chooses this swatch exactly as a click with the mouse does.
    void click() { emit clicked(); }

    // Whether it is its band's current choice. The setter tells assistive
    // technology of a change, as a button does.
    bool isChecked() const { return checked_; }
    void setChecked(bool checked);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int band_;
    ColourIndex colour_;
    bool pressed_ = false;
    bool checked_ = false;
};

}  // namespace vexil
