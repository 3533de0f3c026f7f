#include "field_accessible.h"

#include <optional>

#include "read_only_field.h"
#include "speech.h"
#include "tree.h"
#include "utf8.h"

namespace vexil {

namespace {

constexpr ResultField kResultFields[] = {ResultField::Result, ResultField::Ed_Izm,  ResultField::Result2,
                                         ResultField::R_Full, ResultField::Result3, ResultField::Result4};

// Which result field a widget is, if any.
std::optional<ResultField> fieldOf(QWidget* widget)
{
    const auto* form = formOf(widget);
    for (auto field : kResultFields) {
        if (form != nullptr && form->resultField(field) == widget)
            return field;
    }
    return std::nullopt;
}

}  // namespace

// A label to a screen reader: Orca reads a label's name, and a text
// field's shown text ("4,7 кОм", read "ка ом"), so the name carries the
// value in words. The text itself stays readable and selectable as shown.
FieldAccessible::FieldAccessible(ReadOnlyField* field) : QAccessibleWidget(field, QAccessible::StaticText) {}

ReadOnlyField* FieldAccessible::field() const
{
    return static_cast<ReadOnlyField*>(widget());
}

void* FieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString FieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return field()->text();
    const auto which = fieldOf(field());
    if (t == QAccessible::Name && which)
        return utf8(speech::field(formOf(field())->logic().reading(), *which));
    return QAccessibleWidget::text(t);
}

void FieldAccessible::setText(QAccessible::Text, const QString&) {}

QAccessible::State FieldAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.editable = false;
    s.selectableText = true;
    return s;
}

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && field()->hasSelectedText()) {
        *startOffset = field()->selectionStart();
        *endOffset = *startOffset + field()->selectionLength();
    }
}

int FieldAccessible::selectionCount() const
{
    return field()->hasSelectedText() ? 1 : 0;
}

void FieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int)
{
    field()->deselect();
}

void FieldAccessible::setSelection(int, int startOffset, int endOffset)
{
    field()->setSelection(startOffset, endOffset - startOffset);
}

int FieldAccessible::cursorPosition() const
{
    return field()->cursorPosition();
}

void FieldAccessible::setCursorPosition(int position)
{
    field()->setCursorPosition(position);
}

QString FieldAccessible::text(int startOffset, int endOffset) const
{
    const QString all = field()->text();
    if (endOffset < 0 || endOffset > all.size())
        endOffset = static_cast<int>(all.size());
    return all.mid(startOffset, endOffset - startOffset);
}

int FieldAccessible::characterCount() const
{
    return static_cast<int>(field()->text().size());
}

// Where a character stands: where the field lays out its text.
QRect FieldAccessible::characterRect(int offset) const
{
    const QString all = field()->text();
    if (offset < 0 || offset >= all.size())
        return {};
    const QFontMetrics metrics(field()->font());
    const QRect line = field()->textRect();
    const QRect r(line.left() + metrics.horizontalAdvance(all.left(offset)), line.top(),
                  metrics.horizontalAdvance(all.at(offset)), line.height());
    return r.translated(field()->mapToGlobal(QPoint(0, 0)));
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const
{
    for (int i = 0; i < characterCount(); ++i) {
        if (characterRect(i).contains(point))
            return i;
    }
    return -1;
}

void FieldAccessible::scrollToSubstring(int, int) {}

QString FieldAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

}  // namespace vexil
