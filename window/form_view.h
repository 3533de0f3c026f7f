#pragma once

#include <QString>

#include "decoder.h"

class QWidget;

namespace vexil {

class ColourChart;
class ReadOnlyField;

// What the rest of the program may know of the window, by type rather than
// by object name, so that renaming or reframing a control cannot silently
// empty what assistive technology reads.
class FormView {
public:
    virtual ~FormView() = default;

    virtual ComponentKind componentKind() const = 0;
    virtual BandCount bandCount() const = 0;
    // The captions of the selected options: "Сопротивление", "4".
    virtual QString kindCaption() const = 0;
    virtual QString bandCountCaption() const = 0;

    // What the bands say now, before any text.
    virtual Reading reading() const = 0;

    virtual ReadOnlyField* resultField(ResultField field) const = 0;

    virtual ColourChart* chart() const = 0;

    // What the desktop shows as the window: the form, or a frame around it.
    virtual QWidget* topLevel() const = 0;

protected:
    FormView() = default;
    FormView(const FormView&) = default;
    FormView& operator=(const FormView&) = default;
};

}  // namespace vexil
