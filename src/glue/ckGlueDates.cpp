// ckGlue: date and time functions and date formatting. Every call makes its own Date.
#include <array>
#include <cmath>
#include <string>

#include "glue/ckGlue.h"
#include "platform/services/Date.h"
#include "platform/services/ParseDate.h"
#include "platform/text/Format.h"
#include "platform/text/TextOps.h"

namespace vorline {

namespace {

// GCC and clang give 128-bit integers as an extension; __extension__ says it is meant.
__extension__ using Int128 = __int128;

constexpr std::array<const char*, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> kLongMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<int, 12> kCommonMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 12> kLeapMonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string twoDigits(int64_t value) { return vorline::Format(static_cast<double>(value), "00"); }

const char* dayName(const std::array<const char*, 7>& names, const Date& d) {
  return names[static_cast<size_t>(d.DayOfWeek() - 1)];
}

const char* monthName(const std::array<const char*, 12>& names, const Date& d) {
  return names[static_cast<size_t>(d.Month() - 1)];
}

// The am/pm word: the second blank-separated field of the ShortTime text, trimmed.
std::string meridiemWord(const Date& d) {
  return vorline::Trim(vorline::NthField(d.ShortTime(), " ", 2));
}

// The hour on the 12-hour clock, 1 to 12, for g and h beside the am/pm letters.
int64_t twelveHour(const Date& d) {
  int64_t h = d.Hour() % 12;
  return h == 0 ? 12 : h;
}

// Str(Day) with its English ordinal suffix: 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st ...
std::string ordinalDay(int64_t day) {
  const char* suffix = "th";
  if (day < 10 || day > 19) {
    switch (day % 10) {
      case 1:
        suffix = "st";
        break;
      case 2:
        suffix = "nd";
        break;
      case 3:
        suffix = "rd";
        break;
      default:
        break;
    }
  }
  return Str(day) + suffix;
}

}  // namespace

std::string ckGlue::SQLDateTime(double t) { return Date(t).SQLDateTime(); }

std::string ckGlue::ShortTime(double t) { return Date(t).ShortTime(); }

std::string ckGlue::LongTime(double t) { return Date(t).LongTime(); }

std::string ckGlue::LongDate(double t) { return Date(t).LongDate(); }

std::string ckGlue::ShortDate(double t) { return Date(t).ShortDate(); }

double ckGlue::now() { return Date().TotalSeconds(); }

double ckGlue::time() { return Date().TotalSeconds(); }

int64_t ckGlue::day(double t) { return Date(t).Day(); }

int64_t ckGlue::month(double t) { return Date(t).Month(); }

int64_t ckGlue::year(double t) { return Date(t).Year(); }

int64_t ckGlue::DayOfWeek(double t) { return Date(t).DayOfWeek(); }

int64_t ckGlue::DayOfYear(double t) { return Date(t).DayOfYear(); }

double ckGlue::GMTOffset(double t) { return Date(t).GMTOffset(); }

int64_t ckGlue::minute(double t) { return Date(t).Minute(); }

int64_t ckGlue::hour(double t) { return Date(t).Hour(); }

int64_t ckGlue::second(double t) { return Date(t).Second(); }

// The moment of the date in the text, or 0 when the text is not a date.
double ckGlue::ParseDate(const std::string& text) {
  Date d;
  return vorline::ParseDate(text, d) ? d.TotalSeconds() : 0;
}

bool ckGlue::date_IsLeapYear(int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The moment's UTC fields in the cookie layout, "Tue, 08-Dec-2026 19:05:09 GMT".
std::string ckGlue::date_mkCookieTime(double t) {
  Date d = Date::UTC(t);
  return std::string(dayName(kShortDays, d)) + ", " + twoDigits(d.Day()) + "-" +
         monthName(kShortMonths, d) + "-" + Str(d.Year()) + " " + twoDigits(d.Hour()) + ":" +
         twoDigits(d.Minute()) + ":" + twoDigits(d.Second()) + " GMT";
}

// The start of the day month/day/year (a 0 takes today's part), plus hour, minute and second
// as seconds. A date text that does not parse leaves the current moment as the base.
double ckGlue::date_mktime(int64_t hour, int64_t minute, int64_t second, int64_t month, int64_t day,
                           int64_t year, int64_t) {
  Date d;
  std::string text = Str(month != 0 ? month : d.Month()) + "/" + Str(day != 0 ? day : d.Day()) +
                     "/" + Str(year != 0 ? year : d.Year());
  vorline::ParseDate(text, d);
  // Wide arithmetic: any three Int64 values give their exact sum, never a wrapped one.
  Int128 offset = static_cast<Int128>(hour) * 3600 + static_cast<Int128>(minute) * 60 + second;
  return d.TotalSeconds() + static_cast<double>(offset);
}

// Fills in the format: each letter's first occurrence, in a fixed order of steps, is replaced
// by its text; later steps also see the text that earlier steps put in.
std::string ckGlue::date_formatDate(const std::string& format, double t) {
  Date d;
  if (t >= 0) d.SetTotalSeconds(t);
  std::string meridiem = meridiemWord(d);
  bool leap = date_IsLeapYear(d.Year());
  const std::array<std::pair<const char*, std::string>, 26> steps = {{
      {"a", vorline::Lowercase(meridiem)},
      {"A", meridiem},
      {"d", twoDigits(d.Day())},
      {"D", dayName(kShortDays, d)},
      {"F", monthName(kLongMonths, d)},
      {"g", Str(twelveHour(d))},
      {"G", Str(d.Hour())},
      {"h", twoDigits(twelveHour(d))},
      {"H", twoDigits(d.Hour())},
      {"i", twoDigits(d.Minute())},
      {"s", twoDigits(d.Second())},
      {"j", twoDigits(d.Day())},
      {"l", dayName(kLongDays, d)},
      {"m", twoDigits(d.Month())},
      {"M", monthName(kShortMonths, d)},
      {"n", Str(d.Month())},
      {"s", twoDigits(d.Second())},
      {"S", ordinalDay(d.Day())},
      {"L", leap ? "1" : "0"},
      {"t", Str((leap ? kLeapMonthDays : kCommonMonthDays)[static_cast<size_t>(d.Month() - 1)])},
      {"U", vorline::Format(d.TotalSeconds(), "00000000000000")},
      {"w", Str(d.DayOfWeek())},
      {"W", Str(d.WeekOfYear())},
      {"Y", Str(d.Year())},
      {"y", vorline::Mid(Str(d.Year()), 3)},
      {"z", Str(d.DayOfYear())},
  }};
  std::string text = format;
  for (const auto& [letter, replacement] : steps)
    text = vorline::ReplaceB(text, letter, replacement);
  return text;
}

}  // namespace vorline
