#pragma once

#include <string>

#include "chart_keys.h"
#include "decoder.h"

namespace vexil {

class FormLogic;

// What Vexil says, in words a speech engine reads right (words.h): one
// source for the desktop's screen readers and the page's live region.
namespace speech {

// The result's parts as spoken: "4,7 килоома", "5 процентов", "50 вольт"
// (empty where no voltage is read).
struct Result {
    std::string value;
    std::string tolerance;
    std::string voltage;
    bool operator==(const Result&) const = default;
};
Result resultOf(const Reading& reading);

// "4,7 килоома, допуск 5 процентов, напряжение 50 вольт"; after `before`,
// only what changed: while the bands of the digits are chosen, the
// tolerance need not be heard again each time, nor the value once the
// tolerance is chosen.
std::string said(const Result& now, const Result* before = nullptr);

// A result field's name and its value in words: "Номинал: 4,7 килоома",
// "Допуск: 5 процентов"; what the field shows stays as written.
std::string field(const Reading& reading, ResultField which);

// The whole state: "Сопротивление, 4 полосы: " and the result.
std::string state(const FormLogic& form);

// What a band means for the kind and band count: "Вторая цифра".
std::string band(BandRole role);

// A colour in a band, and what it means there: "Желтый, 4", "Красный,
// умножить на 100", "Золотой, 5 процентов".
std::string colour(ColourIndex colour, BandRole role);

// A band's stripe on the drawing: "Полоса 2 на рисунке: Коричневый".
std::string stripe(int band, ColourIndex colour);

// The colour chart, and the keys that work there (said once a run).
std::string chart();
std::string keys();

// A short cue where a key finds nothing to do.
std::string cue(chart::Edge edge);

}  // namespace speech

}  // namespace vexil
