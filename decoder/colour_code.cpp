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
    const auto percent = [](std::int64_t hundredths) { return Decimal{hundredths, -2}; };
    const auto symmetric = [&](std::int64_t hundredths, char letter) {
        return Tolerance{percent(hundredths), percent(hundredths), letter};
    };
    t.Tolerances = {symmetric(2000, 'M'), symmetric(100, 'F'), symmetric(200, 'G'), Tolerance{}, Tolerance{},
                    symmetric(50, 'D'), symmetric(25, 'C'), symmetric(10, 'B'),
                    // Grey reads either way.
                    Tolerance{percent(3000), percent(3000), 'N', percent(10)},
                    Tolerance{percent(8000), percent(2000), 'Z'}, symmetric(500, 'J'), symmetric(1000, 'K')};
    t.Voltages = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200};
    for (std::size_t c = 0; c < t.Tolerances.size(); ++c) {
        t.ToleranceCodes.at(c) = toleranceText(t.Tolerances.at(c));
        t.VoltageCodes.at(c) = voltageText(t.Voltages.at(c));
    }
    return t;
}

std::string toleranceText(const Tolerance& tolerance)
{
    if (!tolerance.stated())
        return "-";
    // The code's own texts carry a comma, whatever the locale.
    const auto percent = [](const Decimal& value) { return value.toText(",") + "%"; };
    std::string text;
    if (tolerance.symmetric())
        text = (tolerance.letter != 0 ? "" : "+-") + percent(tolerance.plus);
    else
        text = "+" + percent(tolerance.plus) + " -" + percent(tolerance.minus);
    if (tolerance.letter != 0)
        text += std::string(" (") + tolerance.letter + ")";
    // The grey entry ends in a blank, where a letter would follow.
    if (tolerance.alternative != Decimal{})
        text += "; " + percent(tolerance.alternative) + " ";
    return text;
}

std::string voltageText(int volts)
{
    return volts == 0 ? "-" : std::to_string(volts) + "v";
}

}  // namespace vexil
