#pragma once

// Reading the real window the way a user sees it, for the window tests.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "form.h"
#include "vexil.h"

namespace probe {

inline QWidget* find(vexil::Vexil& window, const QString& name)
{
    return window.findChild<QWidget*>(name);
}

// Expands "L4_1-9" into L4_1 .. L4_9; other names stand as they are.
inline QStringList names(std::initializer_list<const char*> patterns)
{
    QStringList out;
    static const QRegularExpression range(QStringLiteral("^(.*?)(\\d+)-(\\d+)$"));
    for (const char* pattern : patterns) {
        const auto text = QString::fromLatin1(pattern);
        const auto m = range.match(text);
        if (!m.hasMatch()) {
            out << text;
            continue;
        }
        for (int i = m.captured(2).toInt(); i <= m.captured(3).toInt(); ++i)
            out << m.captured(1) + QString::number(i);
    }
    return out;
}

// Clicks a control where a user would: a radio button on its indicator,
// anything else in its middle.
inline void click(QWidget* w)
{
    const QPoint at = qobject_cast<QRadioButton*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

inline QString text(vexil::Vexil& window, const char* field)
{
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field));
    return edit ? edit->text() : QStringLiteral("<missing %1>").arg(QLatin1String(field));
}

// The colour a stripe is painted in, read from its pixels.
inline QRgb paintedColour(QWidget* w)
{
    return w->grab().toImage().pixel(w->width() / 2, w->height() / 2) & 0xFFFFFF;
}

inline QRgb paletteRgb(int colour)
{
    return vexil::ColourPalette.at(static_cast<std::size_t>(colour)).rgb;
}

// WCAG's contrast ratio of two colours.
inline double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace probe
