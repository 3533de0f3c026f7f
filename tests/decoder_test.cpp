#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "decoder.h"
#include "words.h"

namespace vexil {
std::ostream& operator<<(std::ostream& os, const ResultTexts& t)
{
    return os << "[" << t.result << "|" << t.result2 << "|" << t.result3 << "|"
              << (t.result4 ? *t.result4 : "<none>") << "|" << t.rFull << "|" << t.edIzm << "]";
}
std::ostream& operator<<(std::ostream& os, const Decimal& d)
{
    return os << d.mantissa() << "e" << d.exponent();
}
}  // namespace vexil

using namespace vexil;

namespace {

const DecoderTables tables = buildDecoderTables();

constexpr auto R = ComponentKind::Resistance;
constexpr auto C = ComponentKind::Capacitance;
constexpr auto G = ComponentKind::Inductance;

TEST(ColourCode, TablesHoldTheColourCode)
{
    EXPECT_EQ(tables.DigitValues.size(), 10u);
    EXPECT_EQ(tables.DigitValues[9], 9);

    const std::map<std::size_t, std::string> multipliers{{0, "1"},          {1, "10"},   {2, "100"},
                                                         {9, "1000000000"}, {10, "0,1"}, {11, "0,01"}};
    for (const auto& [colour, text] : multipliers)
        EXPECT_EQ(tables.Multipliers.at(colour).toText(","), text) << "colour " << colour;

    EXPECT_EQ(tables.ToleranceCodes[0], "20% (M)");
    EXPECT_EQ(tables.ToleranceCodes[3], "-");
    EXPECT_EQ(tables.ToleranceCodes[4], "-");
    EXPECT_EQ(tables.ToleranceCodes[5], "0,5% (D)");
    EXPECT_EQ(tables.ToleranceCodes[8], "30% (N); 0,1% ");
    EXPECT_EQ(tables.ToleranceCodes[9], "+80% -20% (Z)");

    EXPECT_EQ(tables.VoltageCodes[0], "-");
    EXPECT_EQ(tables.VoltageCodes[1], "10v");
    EXPECT_EQ(tables.VoltageCodes[9], "90v");
    EXPECT_EQ(tables.VoltageCodes[10], "100v");
    EXPECT_EQ(tables.VoltageCodes[11], "200v");

    EXPECT_EQ(ColourPalette[Brown].rgb, 0x804040u);
    EXPECT_EQ(ColourPalette[Blue].rgb, 0x00C0C0u);
    EXPECT_EQ(ColourPalette[Blue].name, "Голубой");
    EXPECT_EQ(ColourPalette[Gold].rgb, 0xFFC080u);
}

struct NumberCase {
    Decimal value;
    std::string text;  // with a comma
};

TEST(Decimal, WritesPlainDecimalText)
{
    const NumberCase cases[] = {
        {{0, 0}, "0"},
        {{0, -2}, "0"},
        {{1, 9}, "1000000000"},
        {{999, 9}, "999000000000"},
        {{56, -1}, "5,6"},
        {{56, -2}, "0,56"},
        {{1, -2}, "0,01"},
        {{100, -3}, "0,1"},
        {{2200, -2}, "22"},
        {{47, -4}, "0,0047"},
        {{1234567890123456789, 0}, "1234567890123460000"},  // rounded to 15 digits
        {{-15, -1}, "-1,5"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(value.toText(","), text);
        const auto dotted = std::regex_replace(text, std::regex(","), ".");
        EXPECT_EQ(value.toText("."), dotted);
        if (value.mantissa() < 1'000'000'000'000'000) {
            EXPECT_EQ(Decimal::fromText(text, ","), value) << text;
        }
    }
    const auto product = Decimal{56, 0} * Decimal::powerOfTen(-1);
    EXPECT_EQ(product, (Decimal{56, -1}));
    EXPECT_EQ(product.toText(","), "5,6");
}

TEST(Decimal, ComparesByValueHoweverFarApart)
{
    const struct {
        Decimal a, b;
        std::strong_ordering expected;
    } cases[] = {
        {{10, 0}, {1, 1}, std::strong_ordering::equal},
        {{0, 5}, {0, -3}, std::strong_ordering::equal},
        {{5, -1}, {1, 0}, std::strong_ordering::less},
        {{1, 0}, {1, 19}, std::strong_ordering::less},
        {{1, 0}, {1, 30}, std::strong_ordering::less},
        {{INT64_MAX, 0}, {1, 19}, std::strong_ordering::less},
        {{-1, 30}, {-1, 0}, std::strong_ordering::less},
        {{-1, 30}, {1, -30}, std::strong_ordering::less},
    };
    for (const auto& [a, b, expected] : cases) {
        EXPECT_TRUE((a <=> b) == expected) << a << " <=> " << b;
        EXPECT_TRUE((b <=> a) == (0 <=> expected)) << b << " <=> " << a;
        EXPECT_EQ(a == b, expected == 0) << a << " == " << b;
    }
}

TEST(Decimal, RejectsWhatIsNotANumber)
{
    for (const auto* text : {"", ",", "1,2,3", "1.5", "12a", "-", "1 000"})
        EXPECT_FALSE(Decimal::fromText(text, ",")) << text;
    EXPECT_EQ(Decimal::fromText("05", ","), (Decimal{5, 0}));
    EXPECT_EQ(Decimal::fromText("1.5", "."), (Decimal{15, -1}));
}

struct DecodeCase {
    ComponentKind kind;
    BandCount count;
    BandSelection bands;
    ResultTexts expected;
};

constexpr auto three = BandCount::Three;
constexpr auto four = BandCount::Four;
constexpr auto five = BandCount::Five;
const std::nullopt_t noVoltage = std::nullopt;

TEST(Decode, KnownComponents)
{
    // clang-format off
    const DecodeCase cases[] = {
        // Start-up: five white bands of a resistor.
        {R, five, {White, White, White, White, White}, {"999", "1000000000", "+80% -20% (Z)", noVoltage, "999000 МОм", "Ом"}},
        {R, five, {White, White, White, Red, White}, {"999", "100", "+80% -20% (Z)", noVoltage, "99,9 кОм", "Ом"}},
        {R, four, {Yellow, Violet, Red, Gold, White}, {"47", "100", "5% (J)", noVoltage, "4,7 кОм", "Ом"}},
        {R, three, {Brown, Black, Red, White, White}, {"10", "100", "+-20%", noVoltage, "1 кОм", "Ом"}},
        {R, three, {Brown, Black, Orange, White, White}, {"10", "1000", "+-20%", noVoltage, "10 кОм", "Ом"}},
        {R, three, {Brown, Black, Green, White, White}, {"10", "100000", "+-20%", noVoltage, "1 МОм", "Ом"}},
        {R, three, {Brown, Black, Yellow, White, White}, {"10", "10000", "+-20%", noVoltage, "100 кОм", "Ом"}},
        {R, five, {Brown, Black, Black, Brown, Brown}, {"100", "10", "1% (F)", noVoltage, "1 кОм", "Ом"}},
        {R, four, {Green, Blue, Gold, Gold, White}, {"56", "0,1", "5% (J)", noVoltage, "5,6 Ом", "Ом"}},
        {R, four, {Green, Blue, Silver, Silver, White}, {"56", "0,01", "10% (K)", noVoltage, "0,56 Ом", "Ом"}},
        {R, three, {Black, Black, Black, White, White}, {"00", "1", "+-20%", noVoltage, "0 Ом", "Ом"}},
        {R, three, {Black, Green, Black, White, White}, {"05", "1", "+-20%", noVoltage, "5 Ом", "Ом"}},
        {R, four, {Grey, Red, Orange, Grey, White}, {"82", "1000", "30% (N); 0,1% ", noVoltage, "82 кОм", "Ом"}},
        {R, four, {Yellow, Violet, White, Orange, White}, {"47", "1000000000", "-", noVoltage, "47000 МОм", "Ом"}},
        // Gold or silver left in band 3 where it would be a digit.
        {R, five, {Brown, Black, Gold, Red, Brown}, {"-", "100", "1% (F)", noVoltage, "-", "Ом"}},
        {R, five, {Red, Red, Silver, Gold, Silver}, {"-", "0,1", "10% (K)", noVoltage, "-", "Ом"}},
        {C, three, {Brown, Black, Orange, White, White}, {"10", "1000", "+-20%", "500v", "10 нФ", "пФ"}},
        {C, three, {Yellow, Violet, Red, White, White}, {"47", "100", "+-20%", "500v", "4700 пФ", "пФ"}},
        {C, four, {Yellow, Violet, Orange, Black, White}, {"47", "1000", "20% (M)", "50v", "47 нФ", "пФ"}},
        {C, four, {Brown, Black, Yellow, Black, White}, {"10", "10000", "20% (M)", "50v", "0,1 мкФ", "пФ"}},
        {C, five, {Red, Red, Yellow, Gold, Brown}, {"22", "10000", "5% (J)", "10v", "0,22 мкФ", "пФ"}},
        {C, five, {Red, Red, Yellow, Gold, Black}, {"22", "10000", "5% (J)", "-", "0,22 мкФ", "пФ"}},
        {C, five, {Red, Red, Gold, Gold, Silver}, {"22", "0,1", "5% (J)", "200v", "2,2 пФ", "пФ"}},
        {G, three, {Brown, Black, Brown, White, White}, {"10", "10", "20% (M)", noVoltage, "100 мкГн", "мкГн"}},
        {G, four, {Red, Red, Red, Gold, White}, {"22", "100", "5% (J)", noVoltage, "2,2 мГн", "мкГн"}},
        {G, four, {Brown, Black, Yellow, Gold, White}, {"10", "10000", "5% (J)", noVoltage, "100 мГн", "мкГн"}},
        {G, four, {Brown, Black, Green, Silver, White}, {"10", "100000", "10% (K)", noVoltage, "1 Гн", "мкГн"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(decode(tables, c.kind, c.count, c.bands, ","), c.expected)
            << "kind " << static_cast<int>(c.kind) << ", " << static_cast<int>(c.count) << " bands";
    }
}

TEST(Decode, UsesTheGivenDecimalSeparator)
{
    const auto dotted = decode(tables, R, four, {Green, Blue, Silver, Silver, White}, ".");
    EXPECT_EQ(dotted.result2, "0.01");
    EXPECT_EQ(dotted.rFull, "0.56 Ом");
    EXPECT_EQ(dotted.result3, "10% (K)");
    // The tolerance texts keep their own comma.
    EXPECT_EQ(decode(tables, R, four, {Red, Red, Red, Green, White}, ".").result3, "0,5% (D)");
    EXPECT_EQ(decode(tables, R, five, {White, White, White, Red, White}, ".").rFull, "99.9 кОм");
}

TEST(Decode, IgnoresBandsBeyondTheCount)
{
    for (const auto kind : {R, C, G}) {
        for (const auto count : {three, four}) {
            const auto used = static_cast<std::size_t>(count);
            const BandSelection base{Red, Violet, Orange, Gold, Brown};
            const auto expected = decode(tables, kind, count, base, ",");
            for (ColourIndex colour = 0; colour < kColourCount; ++colour) {
                auto bands = base;
                for (auto band = used; band < bands.size(); ++band)
                    bands.at(band) = colour;
                EXPECT_EQ(decode(tables, kind, count, bands, ","), expected);
            }
        }
    }
}

// A window stand-in that records what Tabl writes.
class FakeView : public DecoderView {
public:
    ComponentKind kind = R;
    BandCount count = five;
    BandSelection bands{White, White, White, White, White};
    std::map<ResultField, std::string> fields;

    ComponentKind componentKind() const override { return kind; }
    BandCount bandCount() const override { return count; }
    BandSelection bandSelection() const override { return bands; }
    std::string decimalSeparator() const override { return ","; }
    void setResultText(ResultField field, std::string_view text) override { fields[field] = text; }
};

TEST(Tabl, LeavesTheVoltageFieldAloneExceptForCapacitors)
{
    FakeView view;
    Tabl(view, tables);
    EXPECT_EQ(view.fields.count(ResultField::Result4), 0u);
    EXPECT_EQ(view.fields[ResultField::R_Full], "999000 МОм");
    EXPECT_EQ(view.fields[ResultField::Ed_Izm], "Ом");

    view.kind = C;
    view.bands[4] = Red;
    Tabl(view, tables);
    EXPECT_EQ(view.fields[ResultField::Result4], "20v");
    EXPECT_EQ(view.fields[ResultField::Ed_Izm], "пФ");

    // Back to resistance: the last voltage text stays; capacitance rewrites it.
    view.kind = R;
    view.bands[4] = Black;
    Tabl(view, tables);
    EXPECT_EQ(view.fields[ResultField::Result4], "20v");
    view.kind = C;
    Tabl(view, tables);
    EXPECT_EQ(view.fields[ResultField::Result4], "-");
}

// Plain decimal with a comma: no leading or trailing zeros, at most one separator.
bool isPlainNumber(std::string_view text)
{
    const auto comma = text.find(',');
    const auto whole = text.substr(0, comma);
    const auto isDigits = [](std::string_view s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!isDigits(whole) || (whole.size() > 1 && whole.front() == '0'))
        return false;
    if (comma == std::string_view::npos)
        return true;
    const auto fraction = text.substr(comma + 1);
    return isDigits(fraction) && fraction.back() != '0';
}

// Every selection the window can reach, checked against the arithmetic.
TEST(Decode, EveryReachableSelectionIsExact)
{
    const std::map<std::string, int, std::less<>> unitPower{{"Ом", 0},   {"кОм", 3}, {"МОм", 6},
                                                            {"пФ", 0},   {"нФ", 3},  {"мкФ", 6},
                                                            {"мкГн", 0}, {"мГн", 3}, {"Гн", 6}};
    const std::pair<ComponentKind, BandCount> modes[] = {{R, three}, {R, four},  {R, five}, {G, three},
                                                         {G, four},  {C, three}, {C, four}, {C, five}};
    int checked = 0;
    for (const auto& [kind, count] : modes) {
        BandSelection b{};
        for (b[0] = 0; b[0] < 10; ++b[0])
            for (b[1] = 0; b[1] < 10; ++b[1])
                for (b[2] = 0; b[2] < 12; ++b[2])
                    for (b[3] = 0; b[3] < 12; ++b[3])
                        for (b[4] = 0; b[4] < 12; ++b[4]) {
                            const auto t = decode(tables, kind, count, b, ",");
                            ++checked;
                            if (t.result == "-") {
                                ASSERT_TRUE(kind == R && count == five && b[2] >= Gold);
                                ASSERT_EQ(t.rFull, "-");
                                continue;
                            }
                            ASSERT_TRUE(isPlainNumber(t.result2)) << t.result2;
                            const auto space = t.rFull.find(' ');
                            ASSERT_NE(space, std::string::npos) << t.rFull;
                            const auto number = t.rFull.substr(0, space);
                            ASSERT_TRUE(isPlainNumber(number)) << t.rFull;
                            ASSERT_LE(std::count_if(number.begin(), number.end(), ::isdigit), 15);
                            const auto unit = unitPower.find(t.rFull.substr(space + 1));
                            ASSERT_NE(unit, unitPower.end()) << t.rFull;

                            const auto shown = Decimal::fromText(number, ",");
                            const auto digits = Decimal::fromText(t.result, ",");
                            const auto multiplier = Decimal::fromText(t.result2, ",");
                            ASSERT_TRUE(shown && digits && multiplier);
                            ASSERT_EQ(shown->shifted(unit->second), *digits * *multiplier) << t.rFull;
                        }
    }
    EXPECT_EQ(checked, 8 * 10 * 10 * 12 * 12 * 12);
}

// What a screen reader says of a reading: units and signs in full, the
// plural a number takes, a decimal comma in every locale.
TEST(Words, SayTheReadingInFull)
{
    struct SpokenCase {
        ComponentKind kind;
        BandCount count;
        BandSelection bands;
        const char* value;
        const char* tolerance;
        const char* voltage;  // "" where there is none
    };
    // clang-format off
    const SpokenCase cases[] = {
        {R, four, {Brown, Black, Black, Gold, White}, "10 ом", "5 процентов", ""},
        {R, four, {Black, Brown, Black, Brown, White}, "1 ом", "1 процент", ""},
        {R, four, {Black, Red, Black, Red, White}, "2 ома", "2 процента", ""},
        {R, four, {Brown, Brown, Black, Green, White}, "11 ом", "полпроцента", ""},
        {R, four, {Red, Brown, Black, Blue, White}, "21 ом", "четверть процента", ""},
        {R, four, {Brown, Yellow, Black, Silver, White}, "14 ом", "10 процентов", ""},
        {R, four, {Yellow, Violet, Red, Violet, White}, "4,7 килоома", "десятая процента", ""},
        {R, four, {Brown, Black, Green, Grey, White}, "1 мегаом", "30 или десятая процента", ""},
        {R, five, {White, White, White, White, White}, "999000 мегаом", "плюс 80 минус 20", ""},
        {R, four, {Red, Red, Red, Orange, White}, "2,2 килоома", "не указан", ""},
        {R, three, {Brown, Black, Red, White, White}, "1 килоом", "плюс-минус 20 процентов", ""},
        {R, five, {Brown, Black, Gold, Red, Brown}, "номинал не определен", "1 процент", ""},
        {C, three, {Yellow, Violet, Red, White, White}, "4700 пикофарад", "плюс-минус 20 процентов", "500 вольт"},
        {C, four, {Brown, Black, Orange, Black, White}, "10 нанофарад", "20 процентов", "50 вольт"},
        {C, five, {Red, Red, Yellow, Gold, Black}, "0,22 микрофарада", "5 процентов", "не указано"},
        {C, five, {Brown, Black, Brown, Gold, Red}, "100 пикофарад", "5 процентов", "20 вольт"},
        {G, three, {Brown, Black, Brown, White, White}, "100 микрогенри", "20 процентов", ""},
        {G, four, {Red, Red, Red, Gold, White}, "2,2 миллигенри", "5 процентов", ""},
        {G, four, {Brown, Black, Green, Silver, White}, "1 генри", "10 процентов", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto reading = read(tables, c.kind, c.count, c.bands);
        EXPECT_EQ(words::value(reading.value), c.value);
        EXPECT_EQ(words::tolerance(reading.tolerance), c.tolerance);
        EXPECT_EQ(reading.volts ? words::voltage(*reading.volts) : "", c.voltage);
    }

    const auto unit = [](ComponentKind kind) { return words::unit(read(tables, kind, four, {}).base); };
    EXPECT_EQ(unit(R), "ом");
    EXPECT_EQ(unit(C), "пикофарад");
    EXPECT_EQ(unit(G), "микрогенри");

    const std::map<ColourIndex, std::string> multipliers{{Black, "умножить на 1"},
                                                         {Orange, "умножить на тысячу"},
                                                         {White, "умножить на миллиард"},
                                                         {Gold, "разделить на 10"},
                                                         {Silver, "разделить на 100"}};
    for (const auto& [colour, said] : multipliers)
        EXPECT_EQ(words::multiplier(tables.Multipliers.at(static_cast<std::size_t>(colour))), said);

    // Fields follow the locale; speech keeps its comma.
    const auto reading = read(tables, R, four, {Yellow, Violet, Red, Gold, White});
    EXPECT_EQ(texts(reading, ".").rFull, "4.7 кОм");
    EXPECT_EQ(words::value(reading.value), "4,7 килоома");
}

}  // namespace
