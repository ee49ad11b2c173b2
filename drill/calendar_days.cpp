#include "drill/calendar_days.h"

#include <chrono>
#include <cstdio>

#include "drill/csv_fields.h"

namespace tavexo {

int DayNumber(int year, int month, int day) {
    using namespace std::chrono;
    const sys_days days{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                        std::chrono::day{static_cast<unsigned>(day)}};
    return static_cast<int>(days.time_since_epoch().count());
}

std::string IsoDate(int dayNumber) {
    using namespace std::chrono;
    const year_month_day date{sys_days{days{dayNumber}}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<int> ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = ParseWholeField(text.substr(0, 4));
    const auto month = ParseWholeField(text.substr(5, 2));
    const auto day = ParseWholeField(text.substr(8, 2));
    if (!year || !month || !day || *year < 1 || *month < 1 || *day < 1) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year} /
                                           std::chrono::month{static_cast<unsigned>(*month)} /
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return DayNumber(*year, *month, *day);
}

}  // namespace tavexo
