#pragma once

#include <optional>
#include <string>

#include "decoder.h"

// A reading in words a speech engine reads right: units in full
// ("килоома", not "кОм", which is read "ка ом"), signs as words, no code
// letters or Latin units. Russian in every locale, with the decimal comma:
// "4.7" would be read "четыре точка семь".
namespace vexil::words {

// "4,7"
std::string number(const Decimal& value);
// "4,7 килоома"; "номинал не определен" where there is none.
std::string value(const std::optional<Quantity>& value);
// The unit itself: "ом", "пикофарад", "микрогенри".
std::string unit(const Quantity& base);
// "умножить на 100", "разделить на 10".
std::string multiplier(const Decimal& multiplier);
// "5 процентов", "плюс-минус 20 процентов" (no letter: the three-band
// default), "полпроцента", "плюс 80 минус 20", "30 или десятая процента",
// "не указан".
std::string tolerance(const Tolerance& tolerance);
// "50 вольт"; "не указано".
std::string voltage(int volts);

}  // namespace vexil::words
