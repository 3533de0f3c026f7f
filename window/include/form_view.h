#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "decoder.h"
#include "form_logic.h"

class QLabel;
class QRadioButton;

namespace vexil {

class ColourChart;
class GroupFrame;
class ReadOnlyField;
class Swatch;

// What the rest of the program may know of the form, by type rather than by
// object name, so that renaming or reframing a control cannot silently
// empty what assistive technology reads.
class FormView : public QWidget {
    Q_OBJECT

public:
    // The window's state and handlers: the kind, the band count, the
    // choices and what the bands say now.
    virtual const FormLogic& logic() const = 0;

    // A result field; its accessible name says what it holds ("Номинал").
    virtual ReadOnlyField* resultField(ResultField field) const = 0;

    // The two groups of options, each with its title, in the focus order.
    struct OptionGroup {
        GroupFrame* frame;
        QLabel* title;
        std::array<QRadioButton*, 3> options;
    };
    virtual std::array<OptionGroup, 2> optionGroups() const = 0;

    virtual ColourChart* chart() const = 0;
    // Every swatch of the chart, shown or not.
    virtual std::vector<Swatch*> swatches() const = 0;
    // The drawing's parts that say nothing: its outline, leads and body.
    virtual std::vector<QWidget*> decoration() const = 0;

signals:
    // The results were recomputed: after every choice, once or more.
    void recomputed();

protected:
    explicit FormView(QWidget* parent) : QWidget(parent) {}
};

}  // namespace vexil
