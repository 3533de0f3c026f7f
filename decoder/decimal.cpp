#include "decimal.h"

#include <algorithm>
#include <stdexcept>

namespace vexil {

namespace {

constexpr int kSignificantDigits = 15;

// Moves trailing zeros of the mantissa into the exponent, so equal values
// have equal representations.
Decimal normalised(Decimal d)
{
    auto m = d.mantissa();
    auto e = d.exponent();
    if (m == 0)
        return {0, 0};
    while (m % 10 == 0) {
        m /= 10;
        ++e;
    }
    return {m, e};
}

// The digits of |value|, most significant first.
std::string magnitudeDigits(std::int64_t value)
{
    return std::to_string(value < 0 ? 0 - static_cast<std::uint64_t>(value)
                                    : static_cast<std::uint64_t>(value));
}

}  // namespace

Decimal Decimal::operator*(const Decimal& other) const
{
    const auto a = normalised(*this);
    const auto b = normalised(other);
    const auto magnitude = [](std::int64_t v) { return v < 0 ? -v : v; };
    if (b.mantissa() != 0 && magnitude(a.mantissa()) > INT64_MAX / magnitude(b.mantissa()))
        throw std::overflow_error("Decimal product out of range");
    return normalised({a.mantissa() * b.mantissa(), a.exponent() + b.exponent()});
}

Decimal Decimal::shifted(int powers) const
{
    return {mantissa_, exponent_ + powers};
}

std::strong_ordering Decimal::operator<=>(const Decimal& other) const
{
    const auto a = normalised(*this);
    const auto b = normalised(other);
    if ((a.mantissa() < 0) != (b.mantissa() < 0) || a.mantissa() == 0 || b.mantissa() == 0)
        return a.mantissa() <=> b.mantissa();
    // Same sign, both non-zero: the place of the leading digit decides the
    // magnitude, then the digits themselves. Nothing is scaled, so values
    // far apart compare without overflow.
    auto digitsA = magnitudeDigits(a.mantissa());
    auto digitsB = magnitudeDigits(b.mantissa());
    auto magnitude =
        static_cast<int>(digitsA.size()) + a.exponent() <=> static_cast<int>(digitsB.size()) + b.exponent();
    if (magnitude == 0) {
        const auto length = std::max(digitsA.size(), digitsB.size());
        digitsA.resize(length, '0');
        digitsB.resize(length, '0');
        magnitude = digitsA.compare(digitsB) <=> 0;  // emscripten's libc++ has no string <=>
    }
    return a.mantissa() < 0 ? 0 <=> magnitude : magnitude;
}

bool Decimal::whole() const
{
    return normalised(*this).exponent() >= 0;
}

bool Decimal::operator==(const Decimal& other) const
{
    return (*this <=> other) == std::strong_ordering::equal;
}

std::string Decimal::toText(std::string_view separator) const
{
    auto d = normalised(*this);
    if (d.mantissa() == 0)
        return "0";
    const bool negative = d.mantissa() < 0;
    std::string digits = std::to_string(negative ? -d.mantissa() : d.mantissa());
    int exponent = d.exponent();

    if (digits.size() > kSignificantDigits) {
        const int dropped = static_cast<int>(digits.size()) - kSignificantDigits;
        auto kept = std::stoll(digits.substr(0, kSignificantDigits));
        if (digits[kSignificantDigits] >= '5')
            ++kept;
        d = normalised({kept, exponent + dropped});
        digits = std::to_string(d.mantissa());
        exponent = d.exponent();
    }

    std::string text = negative ? "-" : "";
    if (exponent >= 0) {
        text += digits;
        text.append(static_cast<std::size_t>(exponent), '0');
        return text;
    }
    const auto fraction = static_cast<std::size_t>(-exponent);
    if (digits.size() <= fraction) {
        text += "0";
        text += separator;
        text.append(fraction - digits.size(), '0');
        text += digits;
    } else {
        text += digits.substr(0, digits.size() - fraction);
        text += separator;
        text += digits.substr(digits.size() - fraction);
    }
    return text;
}

std::optional<Decimal> Decimal::fromText(std::string_view text, std::string_view separator)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t mantissa = 0;
    int exponent = 0;
    bool seenDigit = false;
    bool inFraction = false;
    while (!text.empty()) {
        if (!inFraction && !separator.empty() && text.starts_with(separator)) {
            inFraction = true;
            text.remove_prefix(separator.size());
            continue;
        }
        const char c = text.front();
        if (c < '0' || c > '9')
            return std::nullopt;
        if (mantissa > (INT64_MAX - 9) / 10)
            return std::nullopt;
        mantissa = mantissa * 10 + (c - '0');
        if (inFraction)
            --exponent;
        seenDigit = true;
        text.remove_prefix(1);
    }
    if (!seenDigit)
        return std::nullopt;
    return normalised({negative ? -mantissa : mantissa, exponent});
}

}  // namespace vexil
