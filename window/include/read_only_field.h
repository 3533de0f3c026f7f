#pragma once

#include <QFont>
#include <QLineEdit>

namespace vexil {

// A read-only field that shows one result text. Nothing but the program
// writes it: not typing, and not assistive technology (its accessible
// interface offers no editing).
class ReadOnlyField : public QLineEdit {
    Q_OBJECT

public:
    ReadOnlyField(const QFont& font, QWidget* parent);

    // Shows `text`, its letters narrowed where it would not fit.
    void showResult(const QString& text);

    // Where the line edit lays out its text, in the field's coordinates:
    // the room it has, and where the current text stands in it.
    QRect textArea() const;
    QRect textRect() const;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QFont font_;  // the layout's font, before any narrowing
};

}  // namespace vexil
