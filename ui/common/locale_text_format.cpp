#include "ui/common/locale_text_format.h"

#include <cmath>

namespace tavexo {

LocaleTextFormat::LocaleTextFormat(const QLocale& locale, const QFont& gridFont)
    : locale_(locale), metrics_(gridFont) {}

QLocale LocaleTextFormat::TableLocale() {
    return TableLocale(QLocale::system());
}

QLocale LocaleTextFormat::TableLocale(const QLocale& system) {
    if (system.language() == QLocale::C) return QLocale(QLocale::German, QLocale::Germany);
    return system;
}

std::string LocaleTextFormat::FormatMoney(float amount, int decimals) const {
    // Zero is written "0,0" whatever the locale, as every money cell expects.
    if (amount == 0.0f || !std::isfinite(amount)) return "0,0";
    return locale_.toCurrencyString(static_cast<double>(amount), QString(), decimals).toStdString();
}

std::string LocaleTextFormat::DecimalSeparator() const {
    return locale_.decimalPoint().toStdString();
}

int LocaleTextFormat::TextWidth(std::string_view text) const {
    return metrics_.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace tavexo
