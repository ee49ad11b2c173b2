#pragma once

#include <string>
#include <string_view>

namespace tavexo {

// How numbers become text, and how wide a text is drawn. The core's own
// formats are German with a fixed-width font; the table window installs one
// that follows the system locale and measures with the grid's font.
class TextFormat {
  public:
    virtual ~TextFormat() = default;

    // "0,0" for exactly zero; otherwise the currency format with `decimals`
    // decimals, for example "1.234,5 €".
    virtual std::string FormatMoney(float amount, int decimals) const;
    virtual std::string DecimalSeparator() const { return ","; }
    // Width in pixels of `text` (UTF-8) in the grids' font.
    virtual int TextWidth(std::string_view text) const;
};

// "0,00 %" when a or b is exactly zero, else b / a x 100 with two decimals.
// Here and in the other number formats an exact half rounds away from zero.
std::string FormatPercent(const TextFormat& format, float a, float b);

// A relative count with one decimal and the format's decimal separator.
std::string FormatCount(const TextFormat& format, float count);

// Prefixes blanks so that `text` appears centred in a column of `width`.
std::string CentreByBlanks(const TextFormat& format, const std::string& text, int width);

// The core's default format, shared by everything that is given none.
const TextFormat& DefaultTextFormat();

}  // namespace tavexo
