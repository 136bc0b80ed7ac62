#include "kd/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr int kSignificantDigits = 17;
// A double's exact decimal expansion has at most 767 significant digits.
constexpr int kExactDigits = 767;

// The exact decimal expansion of a finite, non-zero magnitude:
// magnitude = 0.<digits> * 10^pointPosition, with no leading zero in digits.
struct ExactDecimal {
    std::string digits;
    int pointPosition = 0;
};

// std::to_chars writes every digit of the expansion when asked for as many as there can be:
// "d.ddd...e+x", of which the trailing zeros are dropped.
ExactDecimal ExpandExactly(double magnitude) {
    std::array<char, kExactDigits + 16> text{};
    const std::to_chars_result written =
        std::to_chars(text.data(), text.data() + text.size(), magnitude,
                      std::chars_format::scientific, kExactDigits - 1);
    const std::string_view scientific(text.data(),
                                      static_cast<std::size_t>(written.ptr - text.data()));
    const std::size_t exponentAt = scientific.find('e');
    ExactDecimal exact;
    for (const char c : scientific.substr(0, exponentAt)) {
        if (c != '.') {
            exact.digits += c;
        }
    }
    exact.digits.erase(exact.digits.find_last_not_of('0') + 1);
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(exponentAt + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    exact.pointPosition = exponent + 1;
    return exact;
}

// Adds one unit in the last place of a digit string; returns true when it grew a digit.
bool IncrementDigits(std::string& digits) {
    for (std::size_t place = digits.size(); place-- > 0;) {
        if (digits[place] != '9') {
            ++digits[place];
            return false;
        }
        digits[place] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// Keeps `count` leading digits (count >= 0), rounding up when the first dropped digit is 5 or
// more. Returns true when rounding grew the number by a digit.
bool KeepLeadingDigits(std::string& digits, std::size_t count) {
    const bool roundUp = digits.size() > count && digits[count] >= '5';
    digits.resize(count, '0');
    return roundUp && IncrementDigits(digits);
}

// The magnitude scaled by 10^decimals and rounded by the two-step rule, as a digit string.
std::string ScaledUnits(double magnitude, int decimals) {
    if (magnitude == 0.0) {
        return "0";
    }
    ExactDecimal exact = ExpandExactly(magnitude);
    if (KeepLeadingDigits(exact.digits, kSignificantDigits)) {
        exact.digits.pop_back();  // "99..9" became "100..0": still 17 significant digits
        ++exact.pointPosition;
    }
    const int kept = exact.pointPosition + decimals;
    if (kept < 0) {
        return "0";  // the first dropped digit is a leading zero
    }
    std::string units = exact.digits;
    KeepLeadingDigits(units, static_cast<std::size_t>(kept));
    return units.empty() ? "0" : units;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) {
        return std::string(kNotANumberText);
    }
    std::string text = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) {
        return text + "inf";
    }
    std::string units = ScaledUnits(std::fabs(value), decimals);
    const auto fractionDigits = static_cast<std::size_t>(decimals);
    if (units.size() <= fractionDigits) {
        units.insert(0, fractionDigits + 1 - units.size(), '0');
    }
    const std::size_t integerDigits = units.size() - fractionDigits;
    text.append(units, 0, integerDigits);
    if (decimals > 0) {
        text += '.';
        text.append(units, integerDigits);
    }
    return text;
}

std::string FormatInteger(std::int64_t value) {
    return std::to_string(value);
}
