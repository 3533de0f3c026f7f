#include "window_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace vexil {

namespace {

// A ring of one pixel made of filled bars, whole at any scale.
void drawRing(QPainter* painter, const QRect& r, const QColor& colour)
{
    painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

// Black or white, whichever stands out more from `behind`.
QColor contrasting(const QColor& behind)
{
    return behind.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace

WindowStyle::WindowStyle(const QString& base) : QProxyStyle(base) {}

QRect WindowStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    if (element == SE_RadioButtonClickRect)
        return option->rect;
    return QProxyStyle::subElementRect(element, option, widget);
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    switch (element) {
    case PE_FrameFocusRect: {
        // Push buttons draw their own face; everything else here lies on
        // the window's background.
        const bool onButtonFace = widget != nullptr && widget->inherits("QPushButton");
        drawRing(painter, option->rect,
                 contrasting(option->palette.color(onButtonFace ? QPalette::Button : QPalette::Window)));
        return;
    }
    case PE_PanelLineEdit: {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (option->state & State_HasFocus) {
            const int frame = pixelMetric(PM_DefaultFrameWidth, option, widget);
            drawRing(painter, option->rect.adjusted(frame, frame, -frame, -frame),
                     contrasting(option->palette.color(QPalette::Base)));
        }
        return;
    }
    default: QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // Not every style marks a focused push button with a focus frame.
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
        drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

void applyWindowStyle(QWidget& window, const char* fieldClass)
{
    auto* style = new WindowStyle(QStringLiteral("Fusion"));
    auto* fieldStyle = new WindowStyle(QStringLiteral("Windows"));
    // Made after the widgets, the styles are deleted after them too.
    style->setParent(&window);
    fieldStyle->setParent(&window);

    // The base style's own colours for every role and group, then the
    // window's; each one set explicitly so that none comes from the desktop.
    const QPalette standard = style->baseStyle()->standardPalette();
    QPalette palette = window.palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            const bool ownColour = palette.isBrushSet(g, r);
            palette.setBrush(g, r, ownColour ? palette.brush(g, r) : standard.brush(g, r));
        }
    }
    window.setPalette(palette);

    window.setStyle(style);
    for (auto* widget : window.findChildren<QWidget*>())
        widget->setStyle(widget->inherits(fieldClass) ? fieldStyle : style);
}

}  // namespace vexil
