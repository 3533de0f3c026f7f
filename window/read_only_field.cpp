#include "read_only_field.h"

#include <QStyle>
#include <QStyleOptionFrame>

#include "text_fit.h"

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
    const QSizeF room(width() - 2 * (frame + kLineEditMargin), height() - 2 * frame);
    const QFont fitted = fittedFont(font_, text, room, this);
    if (fitted != font())
        setFont(fitted);
}

}  // namespace vexil
