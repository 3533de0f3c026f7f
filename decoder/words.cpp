#include "words.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "units.h"

namespace vexil::words {

namespace {

using units::Forms;

std::string counted(const std::string& number, const Forms& forms)
{
    std::string_view form = forms.many;
    if (std::any_of(number.begin(), number.end(), [](char c) { return c < '0' || c > '9'; })) {
        form = forms.few;
    } else if (!number.empty()) {
        const int lastTwo = std::stoi(number.substr(number.size() - std::min<std::size_t>(2, number.size())));
        const int last = lastTwo % 10;
        if (lastTwo < 11 || lastTwo > 14) {
            if (last == 1)
                form = forms.one;
            else if (last >= 2 && last <= 4)
                form = forms.few;
        }
    }
    return number + " " + std::string(form);
}

constexpr Forms kPercent{"процент", "процента", "процентов"};
constexpr Forms kVolt{"вольт", "вольта", "вольт"};

// A percent below one as said aloud: "полпроцента" is heard sooner than
// "ноль целых пять десятых процента".
std::string percent(const Decimal& value)
{
    static constexpr std::array<std::pair<Decimal, std::string_view>, 3> kFractions{{
        {Decimal{50, -2}, "полпроцента"},
        {Decimal{25, -2}, "четверть процента"},
        {Decimal{10, -2}, "десятая процента"},
    }};
    for (const auto& [fraction, said] : kFractions)
        if (fraction == value)
            return std::string(said);
    return counted(number(value), kPercent);
}

std::string prefixed(std::string_view form, int power)
{
    return std::string(units::prefix(power).word) + std::string(form);
}

}  // namespace

std::string number(const Decimal& value)
{
    return value.toText(",");
}

std::string value(const std::optional<Quantity>& value)
{
    if (!value)
        return "номинал не определен";
    const auto forms = units::names(value->unit).words;
    const auto one = prefixed(forms.one, value->prefix);
    const auto few = prefixed(forms.few, value->prefix);
    const auto many = prefixed(forms.many, value->prefix);
    return counted(number(value->number), {one, few, many});
}

std::string unit(const Quantity& base)
{
    return prefixed(units::names(base.unit).words.many, base.prefix);
}

std::string multiplier(const Decimal& multiplier)
{
    static constexpr std::array<std::string_view, 10> kTimes{
        "1",         "10",      "100",          "тысячу",        "10 тысяч",
        "100 тысяч", "миллион", "10 миллионов", "100 миллионов", "миллиард"};
    // Every multiplier of the code is a power of ten.
    const int power =
        multiplier.exponent() + static_cast<int>(std::to_string(multiplier.mantissa()).size()) - 1;
    if (power < 0)
        return "разделить на " + std::string(power == -1 ? "10" : "100");
    return "умножить на " + std::string(kTimes.at(static_cast<std::size_t>(std::min(power, 9))));
}

std::string tolerance(const Tolerance& tolerance)
{
    if (!tolerance.stated())
        return "не указан";
    if (tolerance.alternative != Decimal{})
        return number(tolerance.plus) + " или " + percent(tolerance.alternative);
    if (!tolerance.symmetric())
        // Its sign words say it is in percent, as the band does.
        return "плюс " + number(tolerance.plus) + " минус " + number(tolerance.minus);
    // Without a letter it is the three-band default, written "+-20%".
    return (tolerance.letter != 0 ? "" : "плюс-минус ") + percent(tolerance.plus);
}

std::string voltage(int volts)
{
    return volts == 0 ? "не указано" : counted(std::to_string(volts), kVolt);
}

}  // namespace vexil::words
