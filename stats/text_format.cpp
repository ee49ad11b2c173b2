#include "stats/text_format.h"

#include <cmath>
#include <cstdio>

namespace tavexo {

namespace {

// Replaces the '.' of a C-locale number by the format's separator.
std::string WithSeparator(std::string text, const std::string& separator) {
    const auto dot = text.find('.');
    if (dot != std::string::npos) text.replace(dot, 1, separator);
    return text;
}

int Utf8Length(std::string_view text) {
    int n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

}  // namespace

std::string TextFormat::FormatMoney(float amount, int decimals) const {
    if (amount == 0.0f || !std::isfinite(amount)) return "0,0";
    char digits[64];
    // Ten significant digits, as the currency conversion of the table keeps.
    std::snprintf(digits, sizeof digits, "%.*f", decimals, static_cast<double>(amount));
    std::string text(digits);
    const bool negative = text.front() == '-';
    if (negative) text.erase(0, 1);
    const auto dot = text.find('.');
    std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
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
    if (a == 0.0f || b == 0.0f) return WithSeparator("0.00", format.DecimalSeparator()) + " %";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(b / a * 100.0f));
    return WithSeparator(text, format.DecimalSeparator()) + " %";
}

std::string FormatCount(const TextFormat& format, float count) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(count));
    return WithSeparator(text, format.DecimalSeparator());
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
