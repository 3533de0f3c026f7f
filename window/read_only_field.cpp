#include "read_only_field.h"

#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace vexil {

namespace {

// Qt's line edit keeps this many pixels free on each side of its text.
constexpr int kLineEditMargin = 2;

}  // namespace

ReadOnlyField::ReadOnlyField(const QFont& font, QWidget* parent) : QLineEdit(parent), font_(font)
{
    setFont(font_);
    setReadOnly(true);
}

void ReadOnlyField::showResult(const QString& text)
{
    if (this->text() == text)
        return;
    setText(text);

    // "мкГн" is wider than the unit field of the layout: narrow the letters
    // until a text fits rather than cut it off.
    QStyleOptionFrame option;
    option.initFrom(this);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const int available = width() - 2 * (frame + kLineEditMargin);
    const int needed = QFontMetrics(font_).horizontalAdvance(text);
    QFont fitted = font_;
    if (needed > available)
        fitted.setStretch(std::max(50, 100 * available / needed));
    if (fitted != font())
        setFont(fitted);
}

}  // namespace vexil
