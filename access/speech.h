#pragma once

#include <QString>

#include "colour_chart.h"
#include "decoder.h"

namespace vexil {

class FormView;

// What Vexil says, in words a speech engine reads right: units in full
// ("килоом", not "кОм", which is read as "ка ом"), signs as words, no code
// letters or Latin units. One source for every platform: the desktop's
// accessibility and the browser's live region speak the same texts.
namespace speech {

// The result's parts as spoken: "4,7 килоома", "5 процентов", "50 вольт"
// (empty where the voltage is not shown).
struct Result {
    QString value;
    QString tolerance;
    QString voltage;
};
Result resultOf(const FormView& form);

// "4,7 килоома, допуск 5 процентов, напряжение 50 вольт"; after `before`,
// only what changed: while the bands of the digits are chosen, the
// tolerance need not be heard again each time, nor the value once the
// tolerance is chosen.
QString said(const Result& now, const Result* before = nullptr);

// A result field's name and its value in words: "Номинал: 4,7 килоома",
// "Допуск: 5 процентов"; what the field shows stays as written.
QString field(const FormView& form, ResultField which);

// The whole result.
QString result(const FormView& form);

// The whole state: "Сопротивление, 4 полосы: " and the result.
QString state(const FormView& form);

// What a band means for the kind and band count: "Вторая цифра".
QString band(BandRole role);

// A colour in a band, and what it means there: "Желтый, 4", "Красный,
// умножить на 100", "Золотой, 5 процентов".
QString colour(ColourIndex colour, BandRole role);

// The colour chart, and the keys that work there (said once a run).
QString chart();
QString keys();

// A short cue where a key finds nothing to do.
QString cue(ColourChart::Edge edge);

}  // namespace speech

}  // namespace vexil
