#pragma once

#include <array>
#include <cstdint>
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

struct DecoderTables {
    std::array<std::int16_t, kDigitCount> DigitValues;
    std::array<Decimal, kColourCount> Multipliers;  // exact powers of ten
    std::array<std::string_view, kColourCount> ToleranceCodes;
    std::array<std::string_view, kColourCount> VoltageCodes;
};

// Builds the four lookup tables of the colour code.
DecoderTables buildDecoderTables();

}  // namespace vexil
