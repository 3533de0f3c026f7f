#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "decoder.h"

// The units and SI prefixes the code's values are written in, with their
// symbols for the fields and their words for speech: one table each, for
// both.
namespace vexil::units {

// A word's forms after a number: one, two to four (and after a fraction),
// five and more.
struct Forms {
    std::string_view one;
    std::string_view few;
    std::string_view many;
};

struct Prefix {
    int power;
    std::string_view symbol;
    std::string_view word;
};

inline constexpr std::array<Prefix, 7> kPrefixes{{
    {-12, "п", "пико"},
    {-9, "н", "нано"},
    {-6, "мк", "микро"},
    {-3, "м", "милли"},
    {0, "", ""},
    {3, "к", "кило"},
    {6, "М", "мега"},  // mega: "МОм", not milliohms
}};

struct UnitNames {
    Unit unit;
    std::string_view symbol;
    Forms words;
};

inline constexpr std::array<UnitNames, 3> kUnits{{
    {Unit::Ohm, "Ом", {"ом", "ома", "ом"}},
    {Unit::Farad, "Ф", {"фарад", "фарада", "фарад"}},
    {Unit::Henry, "Гн", {"генри", "генри", "генри"}},
}};

// Every prefix a value can take is in the table: it has no other.
inline const Prefix& prefix(int power)
{
    return *std::find_if(kPrefixes.begin(), kPrefixes.end(),
                         [&](const Prefix& p) { return p.power == power; });
}

inline const UnitNames& names(Unit unit)
{
    return *std::find_if(kUnits.begin(), kUnits.end(), [&](const UnitNames& u) { return u.unit == unit; });
}

}  // namespace vexil::units
