#include "decoder.h"

#include "units.h"

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
    Tolerance tolerance{};  // FixedTolerance's
    int volts = 0;          // FixedVoltage's
};

using BandSources = std::array<BandSource, 5>;

constexpr BandSource D{Source::Digit};
constexpr BandSource M{Source::Multiplier};
constexpr BandSource T{Source::Tolerance};
constexpr BandSource V{Source::Voltage};
constexpr BandSource none{};
// Percent either way; with a letter where the code gives one.
constexpr BandSource fixedTolerance(std::int64_t percent, char letter = 0)
{
    return {Source::FixedTolerance, {{percent, 0}, {percent, 0}, letter}};
}
constexpr BandSource fixedVoltage(int volts)
{
    return {Source::FixedVoltage, {}, volts};
}

// The decision table of the whole recomputation.
BandSources bandSources(ComponentKind kind, BandCount count)
{
    switch (kind) {
    case ComponentKind::Resistance:
        switch (count) {
        case BandCount::Three: return {D, D, M, fixedTolerance(20), none};
        case BandCount::Four: return {D, D, M, T, none};
        case BandCount::Five: return {D, D, D, M, T};
        }
        break;
    case ComponentKind::Inductance:
        // Five bands never occur with inductance; read them as four.
        switch (count) {
        case BandCount::Three: return {D, D, M, fixedTolerance(20, 'M'), none};
        case BandCount::Four:
        case BandCount::Five: return {D, D, M, T, none};
        }
        break;
    case ComponentKind::Capacitance:
        switch (count) {
        case BandCount::Three: return {D, D, M, fixedTolerance(20), fixedVoltage(500)};
        case BandCount::Four: return {D, D, M, T, fixedVoltage(50)};
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

// Where each kind's value moves to the next prefix, and its base unit.
struct UnitScale {
    Quantity base;
    Decimal lower;  // from here on, thousands
    Decimal upper;  // from here on, millions
};

UnitScale unitScale(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::Capacitance: return {{{1, 0}, -12, Unit::Farad}, {10'000, 0}, {100'000, 0}};
    case ComponentKind::Inductance: return {{{1, 0}, -6, Unit::Henry}, {1'000, 0}, {1'000'000, 0}};
    case ComponentKind::Resistance: break;
    }
    return {{{1, 0}, 0, Unit::Ohm}, {1'000, 0}, {1'000'000, 0}};
}

Quantity scaled(const Decimal& value, const UnitScale& scale)
{
    const int steps = value < scale.lower ? 0 : value < scale.upper ? 3 : 6;
    return {value.shifted(-steps), scale.base.prefix + steps, scale.base.unit};
}

}  // namespace

std::string unitSymbol(int prefix, Unit unit)
{
    return std::string(units::prefix(prefix).symbol) + std::string(units::names(unit).symbol);
}

Reading read(const DecoderTables& tables, ComponentKind kind, BandCount count, const BandSelection& bands)
{
    const auto sources = bandSources(kind, count);
    const auto scale = unitScale(kind);

    Reading out;
    out.base = scale.base;
    std::int64_t digits = 0;
    bool hasValue = true;
    Decimal multiplier{1, 0};

    for (std::size_t band = 0; band < sources.size(); ++band) {
        const auto colour = static_cast<std::size_t>(bands.at(band));
        const auto& source = sources.at(band);
        switch (source.source) {
        case Source::Unused: break;
        case Source::Digit:
            // Gold and silver have no digit: the value cannot be read.
            if (colour >= tables.DigitValues.size()) {
                hasValue = false;
                break;
            }
            digits = digits * 10 + tables.DigitValues.at(colour);
            out.digits += static_cast<char>('0' + tables.DigitValues.at(colour));
            break;
        case Source::Multiplier: multiplier = tables.Multipliers.at(colour); break;
        case Source::Tolerance: out.tolerance = tables.Tolerances.at(colour); break;
        case Source::Voltage: out.volts = tables.Voltages.at(colour); break;
        case Source::FixedTolerance: out.tolerance = source.tolerance; break;
        case Source::FixedVoltage: out.volts = source.volts; break;
        }
    }
    out.multiplier = multiplier;
    if (hasValue)
        out.value = scaled(Decimal{digits, 0} * multiplier, scale);
    else
        out.digits.clear();
    return out;
}

ResultTexts texts(const Reading& reading, std::string_view decimalSeparator)
{
    ResultTexts out;
    out.result = reading.digits.empty() ? "-" : reading.digits;
    out.result2 = reading.multiplier.toText(decimalSeparator);
    out.result3 = toleranceText(reading.tolerance);
    if (reading.volts)
        out.result4 = voltageText(*reading.volts);
    out.rFull = reading.value ? reading.value->number.toText(decimalSeparator) + " " +
                                    unitSymbol(reading.value->prefix, reading.value->unit)
                              : "-";
    out.edIzm = unitSymbol(reading.base.prefix, reading.base.unit);
    return out;
}

ResultTexts decode(const DecoderTables& tables, ComponentKind kind, BandCount count,
                   const BandSelection& bands, std::string_view decimalSeparator)
{
    return texts(read(tables, kind, count, bands), decimalSeparator);
}

void Tabl(DecoderView& view, const DecoderTables& tables)
{
    const auto reading = read(tables, view.componentKind(), view.bandCount(), view.bandSelection());
    // The user's separator, only where a number has a fraction: a browser
    // takes long to load a language's number rules, and the numbers at
    // start have none.
    const bool fraction = !reading.multiplier.whole() || (reading.value && !reading.value->number.whole());
    const auto texts = vexil::texts(reading, fraction ? view.decimalSeparator() : std::string());

    view.setResultText(ResultField::Result, texts.result);
    view.setResultText(ResultField::Result2, texts.result2);
    view.setResultText(ResultField::Result3, texts.result3);
    if (texts.result4)
        view.setResultText(ResultField::Result4, *texts.result4);
    view.setResultText(ResultField::R_Full, texts.rFull);
    view.setResultText(ResultField::Ed_Izm, texts.edIzm);
}

}  // namespace vexil
