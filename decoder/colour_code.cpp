#include "colour_code.h"

namespace vexil {

const std::array<PaletteEntry, kColourCount> ColourPalette{{
    {0x000000, "Черный", "Черный"},
    {0x804040, "Коричнев.", "Коричневый"},
    {0xFF0000, "Красный", "Красный"},
    {0xFF8000, "Оранжев.", "Оранжевый"},
    {0xFFFF00, "Желтый", "Желтый"},
    {0x00C000, "Зеленый", "Зеленый"},
    {0x00C0C0, "Голубой", "Голубой"},
    {0xFF00FF, "Фиолет.", "Фиолетовый"},
    {0x808080, "Серый", "Серый"},
    {0xFFFFFF, "Белый", "Белый"},
    {0xFFC080, "Золотой", "Золотой"},
    {0xC0C0C0, "Серебр.", "Серебристый"},
}};

DecoderTables buildDecoderTables()
{
    DecoderTables t{};
    for (std::int16_t c = 0; c < kDigitCount; ++c) {
        t.DigitValues.at(static_cast<std::size_t>(c)) = c;
        t.Multipliers.at(static_cast<std::size_t>(c)) = Decimal::powerOfTen(c);
    }
    // Gold and silver divide: they are 10^-1 and 10^-2, not 10^10 and 10^11.
    t.Multipliers[Gold] = Decimal::powerOfTen(-1);
    t.Multipliers[Silver] = Decimal::powerOfTen(-2);
    t.ToleranceCodes = {
        "20% (M)",  "1% (F)",         "2% (G)",        "-",      "-",      "0,5% (D)", "0,25% (C)",
        "0,1% (B)", "30% (N); 0,1% ", "+80% -20% (Z)", "5% (J)", "10% (K)"};
    t.VoltageCodes = {"-", "10v", "20v", "30v", "40v", "50v", "60v", "70v", "80v", "90v", "100v", "200v"};
    return t;
}

}  // namespace vexil
