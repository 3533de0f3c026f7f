#include "text_fit.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <optional>

namespace vexil {

namespace {

constexpr int kLeastStretch = 75;  // narrower letters stop being readable
constexpr int kLeastPixelSize = 7;

qreal widthOf(const QFont& font, const QString& text, const QWidget* device)
{
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

qreal heightOf(const QFont& font, const QWidget* device)
{
    const QFontMetricsF metrics(font, device);
    return metrics.ascent() + metrics.descent();
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
    QFont fitted = font;
    // Taller faces first come down to the room's height (a field below
    // would cut their descenders).
    while (heightOf(fitted, device) > room.height() && fitted.pixelSize() > kLeastPixelSize)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    const auto fitsWidth = [&] { return widthOf(fitted, text, device) <= room.width(); };
    if (fitsWidth())
        return fitted;
    // Stretch asked of a narrow face is counted from normal width, which its
    // own narrow letters already fall short of.
    int own = QFont::Unstretched;
    if (auto narrow = narrowFace(fitted)) {
        fitted = *narrow;
        own = QFont::Condensed;
        if (fitsWidth())
            return fitted;
    }
    // Narrower letters, a step at a time from the widest. Advances rounded
    // to whole pixels would shrink in jumps of a pixel a letter, so these
    // are hinted vertically only.
    fitted.setHintingPreference(QFont::PreferVerticalHinting);
    for (int percent = 99; percent >= kLeastStretch; --percent) {
        fitted.setStretch(own * percent / 100);
        if (fitsWidth())
            return fitted;
    }
    while (!fitsWidth() && fitted.pixelSize() > kLeastPixelSize)
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
