#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLocale>

#include "stats/text_format.h"

namespace tavexo {

// Money and numbers in the user's regional format, widths in the grids' font.
class LocaleTextFormat : public TextFormat {
  public:
    LocaleTextFormat(const QLocale& locale, const QFont& gridFont);

    // The system's locale; German (Germany) where the system names none
    // (the C or POSIX locale), since the table speaks German.
    static QLocale TableLocale();
    static QLocale TableLocale(const QLocale& system);

    std::string FormatMoney(float amount, int decimals) const override;
    std::string DecimalSeparator() const override;
    int TextWidth(std::string_view text) const override;

    const QLocale& Locale() const { return locale_; }

  private:
    QLocale locale_;
    QFontMetrics metrics_;
};

}  // namespace tavexo
