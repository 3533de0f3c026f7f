#include "text_fit.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vexil {

namespace {

constexpr int kLeastStretch = 75;  // narrower letters stop being readable
constexpr int kLeastPixelSize = 7;

bool fits(const QFont& font, const QString& text, const QSizeF& room, const QWidget* device)
{
    const QFontMetricsF metrics(font, device);
    return metrics.horizontalAdvance(text) <= room.width() &&
           metrics.ascent() + metrics.descent() <= room.height();
}

// The family's own narrow face ("Liberation Sans Narrow"), if installed.
std::optional<QFont> narrowFace(const QFont& font)
{
    const QString family = QFontInfo(font).family();
    for (const char* suffix : {" Narrow", " Condensed"}) {
        const QString narrow = family + QLatin1String(suffix);
        if (QFontDatabase::hasFamily(narrow)) {
            QFont face = font;
            face.setFamily(narrow);
            return face;
        }
    }
    return std::nullopt;
}

// The part of `w`'s text box that its later siblings leave visible: they
// are drawn over it.
QSizeF visibleRoom(const QWidget* w, const QRect& textBox)
{
    QRect box = textBox.translated(w->pos());
    const auto siblings = w->parentWidget()->children();
    const auto self = std::find(siblings.begin(), siblings.end(), w);
    for (auto it = self + 1; it != siblings.end(); ++it) {
        const auto* sibling = qobject_cast<const QWidget*>(*it);
        if (sibling == nullptr || sibling->isHidden() || !sibling->geometry().intersects(box))
            continue;
        if (sibling->y() > box.top())
            box.setBottom(std::min(box.bottom(), sibling->y() - 1));
    }
    return box.size();
}

QRect textBox(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
        const auto contents = radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
        // The label margin a style keeps inside the contents.
        return w->style()
            ->subElementRect(contents, &option, w)
            .adjusted(radio ? 1 : 2, 0, radio ? -1 : -2, 0);
    }
    return static_cast<const QLabel*>(w)->contentsRect();
}

QString captionOf(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    return {};
}

}  // namespace

QFont fittedFont(const QFont& font, const QString& text, const QSizeF& room, const QWidget* device)
{
    if (fits(font, text, room, device))
        return font;
    QFont fitted = narrowFace(font).value_or(font);
    if (fits(fitted, text, room, device))
        return fitted;
    const qreal natural = QFontMetricsF(fitted, device).horizontalAdvance(text);
    const int stretch =
        std::clamp(static_cast<int>(std::floor(100 * room.width() / natural)), kLeastStretch, 100);
    fitted.setStretch(stretch);
    while (!fits(fitted, text, room, device) && fitted.pixelSize() > kLeastPixelSize)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

void fitCaptions(QWidget& window)
{
    for (auto* w : window.findChildren<QWidget*>()) {
        const QString text = captionOf(w);
        if (text.isEmpty())
            continue;
        const QFont font = w->font();
        const QFont fitted = fittedFont(font, text, visibleRoom(w, textBox(w)), w);
        if (fitted != font)
            w->setFont(fitted);
    }
}

}  // namespace vexil
