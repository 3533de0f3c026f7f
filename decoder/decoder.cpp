#include "decoder.h"

namespace vexil {

namespace {

// What one band position means for the current kind and band count.
enum class Source {
    Unused,
    Digit,           // DigitValues, appended to Result
    Multiplier,      // Multipliers, Result2
    Tolerance,       // ToleranceCodes, Result3
    Voltage,         // VoltageCodes, Result4
    FixedTolerance,  // a fixed text in Result3, whatever the band holds
    FixedVoltage,    // a fixed text in Result4, whatever the band holds
};

struct BandSource {
    Source source = Source::Unused;
    std::string_view text{};
};

using BandSources = std::array<BandSource, 5>;

constexpr BandSource D{Source::Digit};
constexpr BandSource M{Source::Multiplier};
constexpr BandSource T{Source::Tolerance};
constexpr BandSource V{Source::Voltage};
constexpr BandSource none{};
constexpr BandSource fixedTolerance(std::string_view text)
{
    return {Source::FixedTolerance, text};
}
constexpr BandSource fixedVoltage(std::string_view text)
{
    return {Source::FixedVoltage, text};
}

// The decision table of the whole recomputation.
BandSources bandSources(ComponentKind kind, BandCount count)
{
    switch (kind) {
    case ComponentKind::Resistance:
        switch (count) {
        case BandCount::Three: return {D, D, M, fixedTolerance("+-20%"), none};
        case BandCount::Four: return {D, D, M, T, none};
        case BandCount::Five: return {D, D, D, M, T};
        }
        break;
    case ComponentKind::Inductance:
        // Five bands never occur with inductance; read them as four.
        switch (count) {
        case BandCount::Three: return {D, D, M, fixedTolerance("20% (M)"), none};
        case BandCount::Four:
        case BandCount::Five: return {D, D, M, T, none};
        }
        break;
    case ComponentKind::Capacitance:
        switch (count) {
        case BandCount::Three: return {D, D, M, fixedTolerance("+-20%"), fixedVoltage("500v")};
        case BandCount::Four: return {D, D, M, T, fixedVoltage("50v")};
        case BandCount::Five: return {D, D, M, T, V};
        }
        break;
    }
    return {};
}

}  // namespace

BandRoles bandRoles(ComponentKind kind, BandCount count)
{
    constexpr std::array kDigitRoles{BandRole::FirstDigit, BandRole::SecondDigit, BandRole::ThirdDigit};
    BandRoles roles{};
    std::size_t digits = 0;
    const auto sources = bandSources(kind, count);
    for (std::size_t band = 0; band < sources.size(); ++band) {
        switch (sources.at(band).source) {
        case Source::Digit: roles.at(band) = kDigitRoles.at(digits++); break;
        case Source::Multiplier: roles.at(band) = BandRole::Multiplier; break;
        case Source::Tolerance: roles.at(band) = BandRole::Tolerance; break;
        case Source::Voltage: roles.at(band) = BandRole::Voltage; break;
        case Source::Unused:
        case Source::FixedTolerance:
        case Source::FixedVoltage: break;
        }
    }
    return roles;
}

namespace {

// Base unit, the two thresholds and the three unit texts of each kind.
struct UnitScale {
    std::string_view baseUnit;
    Decimal lower;  // from here on, thousands
    Decimal upper;  // from here on, millions
    std::array<std::string_view, 3> units;
};

UnitScale unitScale(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::Capacitance: return {"пФ", {10'000, 0}, {100'000, 0}, {" пФ", " нФ", " мкФ"}};
    case ComponentKind::Inductance: return {"мкГн", {1'000, 0}, {1'000'000, 0}, {" мкГн", " мГн", " Гн"}};
    case ComponentKind::Resistance: break;
    }
    return {"Ом", {1'000, 0}, {1'000'000, 0}, {" Ом", " кОм", " МОм"}};
}

std::string scaledText(const Decimal& value, const UnitScale& scale, std::string_view separator)
{
    if (value < scale.lower)
        return value.toText(separator) + std::string(scale.units[0]);
    if (value < scale.upper)
        return value.shifted(-3).toText(separator) + std::string(scale.units[1]);
    return value.shifted(-6).toText(separator) + std::string(scale.units[2]);
}

}  // namespace

ResultTexts decode(const DecoderTables& tables, ComponentKind kind, BandCount count,
                   const BandSelection& bands, std::string_view decimalSeparator)
{
    const auto sources = bandSources(kind, count);
    const auto scale = unitScale(kind);

    ResultTexts out;
    std::int64_t digits = 0;
    bool hasValue = true;
    Decimal multiplier{1, 0};

    for (std::size_t band = 0; band < sources.size(); ++band) {
        const auto colour = static_cast<std::size_t>(bands.at(band));
        const auto& [source, text] = sources.at(band);
        switch (source) {
        case Source::Unused: break;
        case Source::Digit:
            // Gold and silver have no digit: the value cannot be read.
            if (colour >= tables.DigitValues.size()) {
                hasValue = false;
                break;
            }
            digits = digits * 10 + tables.DigitValues.at(colour);
            out.result += static_cast<char>('0' + tables.DigitValues.at(colour));
            break;
        case Source::Multiplier:
            multiplier = tables.Multipliers.at(colour);
            out.result2 = multiplier.toText(decimalSeparator);
            break;
        case Source::Tolerance: out.result3 = tables.ToleranceCodes.at(colour); break;
        case Source::Voltage: out.result4 = std::string(tables.VoltageCodes.at(colour)); break;
        case Source::FixedTolerance: out.result3 = text; break;
        case Source::FixedVoltage: out.result4 = std::string(text); break;
        }
    }

    out.edIzm = scale.baseUnit;
    if (hasValue) {
        out.rFull = scaledText(Decimal{digits, 0} * multiplier, scale, decimalSeparator);
    } else {
        out.result = "-";
        out.rFull = "-";
    }
    return out;
}

void Tabl(DecoderView& view, const DecoderTables& tables)
{
    const auto kind = view.componentKind();
    const auto count = view.bandCount();
    const auto texts = decode(tables, kind, count, view.bandSelection(), view.decimalSeparator());

    view.setResultText(ResultField::Result, texts.result);
    view.setResultText(ResultField::Result2, texts.result2);
    view.setResultText(ResultField::Result3, texts.result3);
    if (texts.result4)
        view.setResultText(ResultField::Result4, *texts.result4);
    view.setResultText(ResultField::R_Full, texts.rFull);
    view.setResultText(ResultField::Ed_Izm, texts.edIzm);
}

}  // namespace vexil
