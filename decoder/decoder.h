#pragma once

// The recomputation of every result text from the window's selections.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "colour_code.h"

namespace vexil {

enum class ComponentKind { Resistance, Capacitance, Inductance };
enum class BandCount { Three = 3, Four = 4, Five = 5 };

// The stored colour of each band position; element 0 is band 1.
using BandSelection = std::array<ColourIndex, 5>;

// The units the code counts in, and a number of them at an SI prefix:
// 4,7 at prefix 3 of ohms is 4,7 кОм.
enum class Unit { Ohm, Farad, Henry };
struct Quantity {
    Decimal number;
    int prefix = 0;  // the power of ten the prefix stands for: 3 kilo, -12 pico
    Unit unit = Unit::Ohm;

    bool operator==(const Quantity&) const = default;
};

// "кОм", "пФ", "мкГн".
std::string unitSymbol(int prefix, Unit unit);

// What the bands say, before any text: the result fields' texts and every
// spoken word are made from this.
struct Reading {
    std::string digits;             // "047"; empty where a digit band holds gold or silver
    Decimal multiplier;             // a power of ten, below one for gold and silver
    std::optional<Quantity> value;  // scaled to a fitting prefix; none without digits
    Quantity base;                  // the unit digits times multiplier count in (number 1)
    Tolerance tolerance;
    std::optional<int> volts;  // capacitance only; zero where the band states none

    bool operator==(const Reading&) const = default;
};

enum class ResultField { Result, Result2, Result3, Result4, R_Full, Ed_Izm };

// Everything one recomputation shows. `result4` is only produced for
// capacitance; for the other kinds the voltage field keeps its old text.
struct ResultTexts {
    std::string result;                  // significant digits, leading zeros kept
    std::string result2;                 // multiplier
    std::string result3;                 // tolerance
    std::optional<std::string> result4;  // rated voltage
    std::string rFull;                   // nominal value, scaled, with its unit
    std::string edIzm;                   // base unit

    bool operator==(const ResultTexts&) const = default;
};

// What the recomputation needs of a window: the selections it reads and
// the result fields it writes.
class DecoderView {
public:
    virtual ~DecoderView() = default;

    virtual ComponentKind componentKind() const = 0;
    virtual BandCount bandCount() const = 0;
    virtual BandSelection bandSelection() const = 0;
    // The user's decimal separator, e.g. "," in the Russian locale; asked
    // only where a number needs one.
    virtual std::string decimalSeparator() const = 0;

    virtual void setResultText(ResultField field, std::string_view text) = 0;
};

// What a band position means for a kind and band count; None where it
// changes no result.
enum class BandRole { None, FirstDigit, SecondDigit, ThirdDigit, Multiplier, Tolerance, Voltage };
using BandRoles = std::array<BandRole, 5>;
BandRoles bandRoles(ComponentKind kind, BandCount count);

// What the bands say for a kind and band count.
Reading read(const DecoderTables& tables, ComponentKind kind, BandCount count, const BandSelection& bands);

// The fields' texts of a reading, numbers with the given decimal separator.
ResultTexts texts(const Reading& reading, std::string_view decimalSeparator);

// The pure computation underneath Tabl: texts(read(...)).
ResultTexts decode(const DecoderTables& tables, ComponentKind kind, BandCount count,
                   const BandSelection& bands, std::string_view decimalSeparator);

// Reads the view's selections and rewrites its result fields.
void Tabl(DecoderView& view, const DecoderTables& tables);

}  // namespace vexil
