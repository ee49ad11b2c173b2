#pragma once

#include <optional>
#include <string>

namespace tavexo {

// Calendar days as whole numbers, counted from 1 January 1970, so that the
// drills' schedules add and compare days without a clock. The program turns
// the local date into one; a test simply counts.
int DayNumber(int year, int month, int day);

// "2026-12-10".
std::string IsoDate(int dayNumber);

// The day of an ISO date "yyyy-mm-dd"; nothing for any other text or a day
// that does not exist (2026-02-30).
std::optional<int> ParseIsoDate(const std::string& text);

}  // namespace tavexo
