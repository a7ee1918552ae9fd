// The framework's ParseDate: reads a date, with an optional time of day, as a local moment.
//
// Accepted (blanks around, letter case not counting): an optional English day name and comma;
// then month/day/year ("12/8/2026", two-digit years 00-69 as 20xx and 70-99 as 19xx),
// year-month-day ("2026-12-08", also with "/"), or an English month name or its three-letter
// form with the day and the year ("Dec 8, 2026", "December 8 2026", "8 Dec 2026",
// "8-Dec-2026"); then optionally, after a blank or "T", a time of day "19:05", "19:05:09",
// "7:05 PM", "7:05:09.5 am". Days beyond their month and hours beyond the clock are rejected.
#pragma once

#include <string_view>

#include "platform/services/Date.h"

namespace vorline {

// True when text reads as a date; d then holds that moment (00:00:00 when no time is given).
// Otherwise false, and d is left as it was.
bool ParseDate(std::string_view text, Date& d);

}  // namespace vorline
