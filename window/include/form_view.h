#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "decoder.h"

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
    virtual ComponentKind componentKind() const = 0;
    virtual BandCount bandCount() const = 0;
    // The captions of the selected options: "Сопротивление", "4".
    virtual QString kindCaption() const = 0;
    virtual QString bandCountCaption() const = 0;

    // What the bands say now, before any text.
    virtual Reading reading() const = 0;

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

    // What the user has chosen, and where the focus is: what a program
    // that must start anew (a page whose zoom changed) carries over.
    struct Choices {
        ComponentKind kind = ComponentKind::Resistance;
        BandCount count = BandCount::Five;
        BandSelection bands{};
        QString focus;  // the focused control's name; a swatch's for the chart's cursor
    };
    virtual Choices choices() const = 0;
    // Chooses as the user had, by the same handlers.
    virtual void restore(const Choices& choices) = 0;

signals:
    // The results were recomputed: after every choice, once or more.
    void recomputed();

protected:
    explicit FormView(QWidget* parent) : QWidget(parent) {}
};

}  // namespace vexil
