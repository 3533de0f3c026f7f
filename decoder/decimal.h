#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexil {

// An exact decimal number: mantissa × 10^exponent. Every value of the colour
// code is a whole number of hundredths, so this never rounds where a double
// would (56 × 0.1 stays 5.6).
class Decimal {
public:
    constexpr Decimal() = default;
    constexpr Decimal(std::int64_t mantissa, int exponent) : mantissa_(mantissa), exponent_(exponent) {}
    static constexpr Decimal powerOfTen(int exponent) { return {1, exponent}; }

    constexpr std::int64_t mantissa() const { return mantissa_; }
    constexpr int exponent() const { return exponent_; }

    Decimal operator*(const Decimal& other) const;
    // The value times 10^powers (negative powers divide).
    Decimal shifted(int powers) const;

    // Whether it is a whole number, written without a separator.
    bool whole() const;

    // By value: 10 and 1.0e1 compare equal.
    std::strong_ordering operator<=>(const Decimal& other) const;
    bool operator==(const Decimal& other) const;

    // Plain decimal notation: at most 15 significant digits (the last one
    // rounded), no exponent, no grouping, no trailing zeros, "0" before the
    // separator below one.
    std::string toText(std::string_view separator) const;
    // The inverse of toText: optional sign, digits, at most one separator.
    static std::optional<Decimal> fromText(std::string_view text, std::string_view separator);

private:
    std::int64_t mantissa_ = 0;
    int exponent_ = 0;
};

}  // namespace vexil
