#include "stats/text_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace tavexo {

namespace {

int Utf8Length(std::string_view text) {
    int n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// Whole and fraction digits of a non-negative amount with `decimals`
// decimals and at most `significant` significant digits, rounded the way
// the program's number formats round: half away from zero, on the exact
// decimal value of the amount (printf would round an exact half to even,
// 2.25 to 2.2).
std::pair<std::string, std::string> RoundedDigits(double amount, int decimals, int significant) {
    // Every float of at least 2^-20 has at most 43 binary fraction digits,
    // and so at most 43 decimal ones; smaller amounts round to 0 anyway.
    constexpr int EXACT_DECIMALS = 48;
    char text[128];
    std::snprintf(text, sizeof text, "%.*f", EXACT_DECIMALS, amount);
    std::string digits(text);
    const auto dot = digits.find('.');
    digits.erase(dot, 1);
    int point = static_cast<int>(dot);  // digits before the decimal point
    // Significant digits before the point; printf writes "0" below 1.
    const int magnitude = digits[0] == '0' ? 0 : point;
    // At least one digit stays while significant is at least 1.
    const int keep = std::min(decimals, significant - magnitude);
    const int cut = point + keep;  // index of the first digit dropped
    const bool up = digits[cut] >= '5';
    std::fill(digits.begin() + cut, digits.end(), '0');
    int i = cut - 1;
    while (up && i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (up && i >= 0) {
        ++digits[i];
    } else if (up) {
        digits.insert(digits.begin(), '1');
        ++point;
    }
    std::string whole = digits.substr(0, static_cast<size_t>(point));
    const auto lead = whole.find_first_not_of('0');
    whole = lead == std::string::npos ? "0" : whole.substr(lead);
    return {whole, digits.substr(static_cast<size_t>(point), static_cast<size_t>(decimals))};
}

}  // namespace

std::string TextFormat::FormatMoney(float amount, int decimals) const {
    if (amount == 0.0f || !std::isfinite(amount)) return "0,0";
    decimals = std::clamp(decimals, 0, 9);
    const bool negative = amount < 0.0f;
    const auto [whole, fraction] =
        RoundedDigits(std::fabs(static_cast<double>(amount)), decimals, 10);
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += '.';
        grouped += whole[i];
    }
    std::string result = negative ? "-" : "";
    result += grouped;
    if (!fraction.empty()) result += "," + fraction;
    return result + " €";
}

int TextFormat::TextWidth(std::string_view text) const {
    return 7 * Utf8Length(text);
}

std::string FormatPercent(const TextFormat& format, float a, float b) {
    const float percent = a == 0.0f || b == 0.0f ? 0.0f : b / a * 100.0f;
    if (!std::isfinite(percent)) return "0" + format.DecimalSeparator() + "00 %";
    const auto [whole, fraction] = RoundedDigits(std::fabs(static_cast<double>(percent)), 2, 15);
    const std::string sign = percent < 0.0f ? "-" : "";
    return sign + whole + format.DecimalSeparator() + fraction + " %";
}

std::string FormatCount(const TextFormat& format, float count) {
    if (!std::isfinite(count)) return "0" + format.DecimalSeparator() + "0";
    const auto [whole, fraction] = RoundedDigits(std::fabs(static_cast<double>(count)), 1, 15);
    const std::string sign = count < 0.0f ? "-" : "";
    return sign + whole + format.DecimalSeparator() + fraction;
}

std::string CentreByBlanks(const TextFormat& format, const std::string& text, int width) {
    const double target = std::nearbyint(width * 0.8);
    const double blank = format.TextWidth(" ");
    if (blank <= 0) return text;
    const double n = std::nearbyint((target - format.TextWidth(text)) / (2 * blank));
    if (n <= 0) return text;
    return std::string(static_cast<size_t>(n), ' ') + text;
}

const TextFormat& DefaultTextFormat() {
    static const TextFormat format;
    return format;
}

}  // namespace tavexo
