#include "window_style.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

#include "filled_frame.h"
#include "look.h"

namespace vexil {

namespace {

// The classic sunken border: dark over light outside, shadow over midlight
// inside.
void drawSunken(QPainter* painter, const QRect& r, const QPalette& palette)
{
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const auto bar = [painter](int left, int top, int width, int height, const QColor& colour) {
        painter->fillRect(QRect(left, top, width, height), colour);
    };
    bar(x, y, w - 1, 1, palette.color(QPalette::Dark));
    bar(x, y, 1, h - 1, palette.color(QPalette::Dark));
    bar(x, y + h - 1, w, 1, palette.color(QPalette::Light));
    bar(x + w - 1, y, 1, h, palette.color(QPalette::Light));
    bar(x + 1, y + 1, w - 3, 1, palette.color(QPalette::Shadow));
    bar(x + 1, y + 1, 1, h - 3, palette.color(QPalette::Shadow));
    bar(x + 1, y + h - 2, w - 2, 1, palette.color(QPalette::Midlight));
    bar(x + w - 2, y + 1, 1, h - 2, palette.color(QPalette::Midlight));
}

// Black or white, whichever stands out more from `behind`.
QColor contrasting(const QColor& behind)
{
    return behind.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
}

bool isField(const QWidget* widget)
{
    return widget != nullptr && widget->inherits("QLineEdit");
}

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_DefaultFrameWidth && isField(widget))
        return look::kFieldFrame;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect WindowStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    if (element == SE_RadioButtonClickRect)
        return option->rect;
    if (element == SE_LineEditContents && isField(widget))
        return option->rect.adjusted(look::kFieldFrame, look::kFieldFrame, -look::kFieldFrame,
                                     -look::kFieldFrame);
    return QProxyStyle::subElementRect(element, option, widget);
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    switch (element) {
    case PE_FrameFocusRect: {
        // Shown once the keyboard has moved the focus, as on Windows; not
        // at start, and not after a click.
        if (!(option->state & State_KeyboardFocusChange))
            return;
        // Push buttons draw their own face; everything else here lies on
        // the window's background.
        const bool onButtonFace = widget != nullptr && widget->inherits("QPushButton");
        fillFrame(*painter, option->rect, look::kOutline,
                  contrasting(option->palette.color(onButtonFace ? QPalette::Button : QPalette::Window)));
        return;
    }
    case PE_PanelLineEdit: {
        const QRect inside = option->rect.adjusted(look::kFieldFrame, look::kFieldFrame, -look::kFieldFrame,
                                                   -look::kFieldFrame);
        painter->fillRect(inside, option->palette.brush(QPalette::Base));
        drawSunken(painter, option->rect, option->palette);
        if ((option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange))
            fillFrame(*painter, inside, look::kOutline, contrasting(option->palette.color(QPalette::Base)));
        return;
    }
    case PE_FrameLineEdit: drawSunken(painter, option->rect, option->palette); return;
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

void useWindowStyle()
{
    // Made again only if something replaced it.
    static QPointer<WindowStyle> style;
    if (style == nullptr || QApplication::style() != style) {
        style = new WindowStyle;
        QApplication::setStyle(style);
    }
}

void applyWindowPalette(QWidget& window, const QColor& background, const QColor& text)
{
    // Fusion's light colours, written out: its standard palette follows a
    // dark desktop theme. Each role is set, so that none resolves to a
    // theme's; then the window's own.
    const QColor face = look::kFace;
    QPalette palette(face);
    palette.setColor(QPalette::Dark, face.darker(150));  // borders stay visible on the dark teal
    palette.setColor(QPalette::Mid, face.darker(130));
    palette.setColor(QPalette::Midlight, face.darker(130).lighter(110));
    palette.setColor(QPalette::Shadow, face.darker(150).darker(135));
    palette.setColor(QPalette::Highlight, look::kHighlight);
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    window.setPalette(palette);
}

}  // namespace vexil
