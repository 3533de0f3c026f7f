#include "text_fit.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <optional>
#include <vector>

#include "look.h"
#include "shape.h"

namespace vexil {

namespace {

constexpr int kLeastStretch = 75;  // narrower letters stop being readable
constexpr int kLeastPixelSize = 7;

// The layout's fonts take no shaping (no kerning, no ligatures): a text is
// as wide as its letters together. Each face's letters are asked of Qt once
// and remembered: the captions share most of theirs, and Qt's laying out of
// a whole text costs several times a sum of widths.
qreal widthOf(const QFont& font, const QString& text, const QWidget* device)
{
    const QFontMetricsF metrics(font, device);
    if (!(font.styleStrategy() & QFont::PreferNoShaping))
        return metrics.horizontalAdvance(text);
    struct Face {
        QFont font;
        qreal dpi;
        QHash<QChar, qreal> advances;
    };
    static std::vector<Face> faces;
    const qreal dpi = device->logicalDpiX() * device->devicePixelRatioF();
    auto face = std::find_if(faces.begin(), faces.end(),
                             [&](const Face& f) { return f.dpi == dpi && f.font == font; });
    if (face == faces.end())
        face = faces.insert(faces.end(), Face{font, dpi, {}});
    qreal width = 0;
    for (const QChar letter : text) {
        auto advance = face->advances.constFind(letter);
        if (advance == face->advances.constEnd())
            advance = face->advances.insert(letter, metrics.horizontalAdvance(letter));
        width += *advance;
    }
    return width;
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

// `box` (in the parent's coordinates) less what lies within reach of a
// frame's line: the colour chart's outline beside it, or the group frame it
// stands in.
QRect clearOfFrames(const QWidget* w, QRect box)
{
    const auto keepClearOf = [&box](int left, int right) {
        if (right >= box.left() && right - look::kFrameClearance <= box.right())
            box.setRight(std::min(box.right(), right - 1 - look::kFrameClearance));
        if (left <= box.right() && left + look::kFrameClearance >= box.left())
            box.setLeft(std::max(box.left(), left + 1 + look::kFrameClearance));
    };
    for (const auto* object : w->parentWidget()->children()) {
        const auto* outline = qobject_cast<const Shape*>(object);
        if (outline != nullptr && !outline->fill() && !outline->isHidden() &&
            outline->geometry().intersects(box))
            keepClearOf(outline->geometry().left(), outline->geometry().right());
    }
    if (const auto* frame = qobject_cast<const QFrame*>(w->parentWidget()))
        keepClearOf(frame->frameWidth() - 1, frame->width() - frame->frameWidth());
    return box;
}

// The part of `w`'s text box that its later siblings leave visible: they
// are drawn over it, and that stays clear of frames.
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
    return clearOfFrames(w, box).size();
}

QRect textBox(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
        const auto contents = radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
        const int margin = radio ? look::kOptionTextMargin : look::kButtonTextMargin;
        // The label margin a style keeps inside the contents.
        return w->style()->subElementRect(contents, &option, w).adjusted(margin, 0, -margin, 0);
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
