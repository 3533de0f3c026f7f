#pragma once

// Reading the real window the way a user sees it, for the window tests.

#include <QAbstractButton>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <map>

#include "form.h"
#include "vexil.h"

namespace probe {

inline QWidget* find(vexil::Vexil& window, const QString& name)
{
    return window.findChild<QWidget*>(name);
}

// Expands "L4_1-9" into L4_1 .. L4_9; other names stand as they are.
inline QStringList names(const QStringList& patterns)
{
    QStringList out;
    static const QRegularExpression range(QStringLiteral("^(.*?)(\\d+)-(\\d+)$"));
    for (const auto& text : patterns) {
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

inline QStringList names(std::initializer_list<const char*> patterns)
{
    QStringList list;
    for (const char* pattern : patterns)
        list << QString::fromLatin1(pattern);
    return names(list);
}

// The tests' data that the page's tests read too (tests/*.json, built in).
inline QJsonDocument testData(const QString& name)
{
    QFile file(QStringLiteral(":/tests/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test data %s", qPrintable(name));
    return QJsonDocument::fromJson(file.readAll());
}

// Clicks a control where a user would: a radio button on its indicator,
// anything else in its middle.
inline void click(QWidget* w)
{
    const QPoint at = qobject_cast<QRadioButton*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

// "Tab Down*5 Space 4 з L3_En": keys to the focused widget (a single
// character is typed, in any layout), clicks on the controls named, where
// a user would click.
inline void perform(vexil::Vexil& window, const QString& steps)
{
    static const std::map<QString, Qt::Key> keys{
        {"Tab", Qt::Key_Tab},       {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},
        {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right}, {"Space", Qt::Key_Space},
        {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter},
    };
    for (const auto& word : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.size() == 1) {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, word, {});
            continue;
        }
        const auto key = word.section(QLatin1Char('*'), 0, 0);
        if (!keys.count(key)) {
            auto* control = find(window, word);
            QVERIFY2(control && control->isVisible(), qPrintable(word + QStringLiteral(" to click")));
            click(control);
            continue;
        }
        const int times = word.contains(QLatin1Char('*')) ? word.section(QLatin1Char('*'), 1).toInt() : 1;
        for (int i = 0; i < times; ++i) {
            auto* target = QApplication::focusWidget();
            QVERIFY2(target, "nothing has focus");
            QTest::keyClick(target, keys.at(key));
        }
    }
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
