#include "kd/number_format.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// An unsigned integer of any size, as base-10^9 limbs, least significant first.
using BigDecimal = std::vector<std::uint32_t>;

constexpr std::uint64_t kLimbBase = 1'000'000'000;
constexpr int kSignificantDigits = 17;

void MultiplyBy(BigDecimal& number, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : number) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % kLimbBase);
        carry = product / kLimbBase;
    }
    while (carry != 0) {
        number.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
        carry /= kLimbBase;
    }
}

// number * base^exponent, in steps whose factor stays below 2^31.
void MultiplyByPower(BigDecimal& number, std::uint32_t base, std::uint32_t chunkFactor,
                     int chunkExponent, int exponent) {
    for (; exponent >= chunkExponent; exponent -= chunkExponent) {
        MultiplyBy(number, chunkFactor);
    }
    for (; exponent > 0; --exponent) {
        MultiplyBy(number, base);
    }
}

std::string DigitsOf(const BigDecimal& number) {
    std::string digits = std::to_string(number.back());
    for (auto limb = number.rbegin() + 1; limb != number.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits.append(9 - part.size(), '0');
        digits += part;
    }
    return digits;
}

// The exact decimal expansion of a finite, non-zero magnitude:
// magnitude = 0.<digits> * 10^pointPosition, with no leading zero in digits.
struct ExactDecimal {
    std::string digits;
    int pointPosition = 0;
};

ExactDecimal ExpandExactly(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>((bits >> 52U) & 0x7FFU);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52U) - 1);
    int exponent = -1074;  // subnormal scale
    if (biasedExponent != 0) {
        mantissa |= std::uint64_t{1} << 52U;
        exponent = biasedExponent - 1075;
    }
    BigDecimal number{static_cast<std::uint32_t>(mantissa % kLimbBase),
                      static_cast<std::uint32_t>(mantissa / kLimbBase % kLimbBase),
                      static_cast<std::uint32_t>(mantissa / kLimbBase / kLimbBase)};
    while (number.size() > 1 && number.back() == 0) {
        number.pop_back();
    }
    ExactDecimal exact;
    if (exponent >= 0) {
        MultiplyByPower(number, 2, std::uint32_t{1} << 30U, 30, exponent);
        exact.digits = DigitsOf(number);
        exact.pointPosition = static_cast<int>(exact.digits.size());
    } else {
        // m * 2^-k == m * 5^k / 10^k
        MultiplyByPower(number, 5, 1'220'703'125, 13, -exponent);
        exact.digits = DigitsOf(number);
        exact.pointPosition = static_cast<int>(exact.digits.size()) + exponent;
    }
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
