#pragma once

#include <QProxyStyle>

namespace vexil {

// How the window draws what the layout leaves to the platform, the same on
// every desktop: one well-known style beneath, whatever style or theme the
// desktop names, with the window's own changes on top.
// - An option button responds to, and is announced with, its whole box.
// - Focus marks contrast with what surrounds them: on the dark background,
//   on the button face and inside a result field.
class WindowStyle : public QProxyStyle {
    Q_OBJECT

public:
    // `base` is a key of QStyleFactory, e.g. "Fusion".
    explicit WindowStyle(const QString& base);

    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// Gives `window` and every widget in it the window's styles and a palette
// in which every role is set, so that no desktop palette shows through.
// Result fields (`fieldClass`) keep the classic sunken look.
void applyWindowStyle(QWidget& window, const char* fieldClass);

}  // namespace vexil
