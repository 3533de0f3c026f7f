#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "decimal.h"

namespace vexil {

// A colour in band order: 0 black .. 9 white, 10 gold, 11 silver. It indexes
// every table directly, so it stays a plain 16-bit integer.
using ColourIndex = std::int16_t;

inline constexpr int kColourCount = 12;
inline constexpr int kDigitCount = 10;  // gold and silver carry no digit

// Every colour of the code by name, in band order.
enum Colour : ColourIndex {
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White,
    Gold,
    Silver
};

struct PaletteEntry {
    std::uint32_t rgb;          // 0xRRGGBB
    std::string_view name;      // Russian caption of the colour's row (UTF-8)
    std::string_view fullName;  // the caption unabridged, for speech
};

// Display colour and caption of every colour, indexed by ColourIndex.
extern const std::array<PaletteEntry, kColourCount> ColourPalette;

// A tolerance as the code states it, in percent: what the texts are written
// from and what speech says, so neither parses the other.
struct Tolerance {
    Decimal plus;              // up; zero where the band states none
    Decimal minus;             // down
    char letter = 0;           // its code letter, or none
    Decimal alternative = {};  // a second reading without a letter (grey), or zero

    bool stated() const { return plus != Decimal{}; }
    bool symmetric() const { return plus == minus; }
    bool operator==(const Tolerance&) const = default;
};

// The texts as the tables hold them: "5% (J)", "+80% -20% (Z)", "+-20%"
// where no letter is given, "-" where none is stated; always a decimal comma.
std::string toleranceText(const Tolerance& tolerance);
// "50v"; "-" for zero, no voltage stated.
std::string voltageText(int volts);

struct DecoderTables {
    std::array<std::int16_t, kDigitCount> DigitValues;
    std::array<Decimal, kColourCount> Multipliers;         // exact powers of ten
    std::array<std::string, kColourCount> ToleranceCodes;  // written from Tolerances
    std::array<std::string, kColourCount> VoltageCodes;    // written from Voltages
    std::array<Tolerance, kColourCount> Tolerances;
    std::array<int, kColourCount> Voltages;  // volts; zero where none is stated
};

// Builds the four lookup tables of the colour code.
DecoderTables buildDecoderTables();

}  // namespace vexil
