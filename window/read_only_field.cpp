#include "read_only_field.h"

#include <QFocusEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include "look.h"
#include "text_fit.h"

namespace vexil {

ReadOnlyField::ReadOnlyField(const QFont& font, QWidget* parent) : QLineEdit(parent), font_(font)
{
    setFont(font_);
    setReadOnly(true);
    // Its frame and face cover it: a new result repaints neither the window
    // nor the captions it overlaps by a pixel or two.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReadOnlyField::showResult(const QString& text)
{
    if (this->text() == text)
        return;
    setText(text);

    // "мкГн" is wider than the unit field of the layout: narrow the letters
    // until a text fits rather than cut it off.
    const QFont fitted = fittedFont(font_, text, textArea().size(), this);
    if (fitted != font())
        setFont(fitted);
}

// A line edit selects all of its text when Tab brings the focus; a result
// is read, not replaced, and a screen reader would speak it twice, as text
// and as selection. The mouse and Ctrl+A still select.
void ReadOnlyField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        deselect();
}

// As QLineEdit::paintEvent lays it out.
QRect ReadOnlyField::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(look::kLineEditMargin, 0, -look::kLineEditMargin, 0);
}

QRect ReadOnlyField::textRect() const
{
    const QRect area = textArea();
    const QFontMetrics metrics = fontMetrics();
    const int width = metrics.horizontalAdvance(text());
    const int spare = area.width() - (width + look::kLineEditCursor);
    int left = area.left();
    if (spare >= 0) {
        const Qt::Alignment h =
            QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
        if (h & Qt::AlignRight)
            left += spare - look::kLineEditCursor;
        else if (h & Qt::AlignHCenter)
            left -= (-spare) / 2;
    }
    const int top = area.top() + (area.height() - metrics.height() + 1) / 2;
    return {left, top, width, metrics.height()};
}

}  // namespace vexil
