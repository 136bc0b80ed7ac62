// Fixed-point texts of any double with 0 to 9 decimals, against an oracle that shares no code
// with the formatter: glibc writes the 17 significant digits, exactly rounded, and the cut to the
// shown places adds half a unit and drops the rest in 64-bit integers.
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "kd/kd_arithmetic.h"
#include "kd/number_format.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

constexpr int kDecimalsTried = 10;

// "d.ddde+XX" with `precision` digits after the point, in the given rounding direction.
std::string ScientificText(double magnitude, int precision, int rounding) {
    std::fesetround(rounding);
    char text[64];
    static_cast<void>(std::snprintf(text, sizeof text, "%.*e", precision, magnitude));
    std::fesetround(FE_TONEAREST);
    return text;
}

// A positive finite magnitude as digits * 10^(exponent - 16), digits of exactly 17 places.
struct SeventeenDigits {
    std::uint64_t digits = 0;
    int exponent = 0;
};

// Rounded to nearest with halves up. glibc rounds an exact half to even, so for a value whose
// exact expansion ends in a 5 at the 18th digit (the 18-digit texts rounded up and down agree),
// the 17-digit text rounded upward is the one wanted.
SeventeenDigits SeventeenDigitsOf(double magnitude) {
    const std::string eighteenUp = ScientificText(magnitude, 17, FE_UPWARD);
    const bool exactHalf =
        eighteenUp == ScientificText(magnitude, 17, FE_DOWNWARD) && eighteenUp[18] == '5';
    const std::string text = ScientificText(magnitude, 16, exactHalf ? FE_UPWARD : FE_TONEAREST);
    const std::string digits = text.substr(0, 1) + text.substr(2, 16);
    return {std::strtoull(digits.c_str(), nullptr, 10),
            static_cast<int>(std::strtol(text.c_str() + text.find('e') + 1, nullptr, 10))};
}

std::uint64_t PowerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

// The magnitude times 10^decimals, rounded half up, in decimal digits.
std::string ScaledUnits(double magnitude, int decimals) {
    if (magnitude == 0.0) {
        return "0";
    }
    const SeventeenDigits value = SeventeenDigitsOf(magnitude);
    const int shift = value.exponent - 16 + decimals;  // units = digits * 10^shift
    if (shift >= 0) {
        return std::to_string(value.digits) + std::string(static_cast<std::size_t>(shift), '0');
    }
    if (shift < -17) {
        return "0";  // below a tenth of a unit
    }
    const std::uint64_t unit = PowerOfTen(-shift);
    return std::to_string((value.digits + unit / 2) / unit);
}

std::string OracleFixed(double value, int decimals) {
    if (std::isnan(value)) {
        return std::string(kNotANumberText);
    }
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) {
        return sign + "inf";
    }
    std::string units = ScaledUnits(std::fabs(value), decimals);
    const auto places = static_cast<std::size_t>(decimals);
    if (units.size() <= places) {
        units.insert(0, places + 1 - units.size(), '0');
    }
    if (places > 0) {
        units.insert(units.size() - places, ".");
    }
    return sign + units;
}

void RequireAgreement(double value, int decimals) {
    Require(FormatFixed(value, decimals) == OracleFixed(value, decimals),
            "the fixed-point text is glibc's 17 digits, cut and rounded half up");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzBytes bytes(data, size);
    const int decimals = bytes.Take<std::uint8_t>() % kDecimalsTried;
    // Any bit pattern; a percentage as the counts make it; a decimal text, where the halves are.
    const auto bits = bytes.Take<std::uint64_t>();
    const auto kills = bytes.Take<std::int32_t>();
    const auto deaths = bytes.Take<std::int32_t>();
    const std::string text(bytes.Rest());
    RequireAgreement(std::bit_cast<double>(bits), decimals);
    RequireAgreement(KillPercent(kills, deaths), decimals);
    RequireAgreement(std::strtod(text.c_str(), nullptr), decimals);
    return 0;
}
