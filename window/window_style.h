#pragma once

#include <QProxyStyle>

namespace vexil {

// How the window draws what the layout leaves to the platform, the same on
// every desktop: Fusion beneath, whatever style or theme the desktop names,
// with the window's own changes on top.
// - Result fields keep the classic sunken border of two pixels, drawn as
//   whole pixels at any scale.
// - An option button responds to, and is announced with, its whole box.
// - Focus marks contrast with what surrounds them: on the dark background,
//   on the button face and inside a result field.
class WindowStyle : public QProxyStyle {
    Q_OBJECT

public:
    WindowStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// Before the window makes its widgets: makes the window's style the
// application's (it is the application's only window).
void useWindowStyle();

// Once the window has made its widgets: gives it a palette of `background`
// and `text` in which every other role is set too, so that no colour comes
// from the desktop, not even the palettes a theme gives each kind of widget.
void applyWindowPalette(QWidget& window, const QColor& background, const QColor& text);

}  // namespace vexil
