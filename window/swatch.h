#pragma once

#include <QLabel>

#include "colour_code.h"

namespace vexil {

// A caption-less label of the colour chart that reports a click: press and
// release of the left button inside it, like a push button. It knows which
// band and colour it stands for, so the keyboard and assistive technology
// can choose it the same way.
class Swatch : public QLabel {
    Q_OBJECT

public:
    Swatch(int band, ColourIndex colour, QWidget* parent);

    int band() const { return band_; }
    ColourIndex colour() const { return colour_; }

    // Chooses this swatch exactly as a click with the mouse does.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int band_;
    ColourIndex colour_;
    bool pressed_ = false;
};

}  // namespace vexil
