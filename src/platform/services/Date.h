// The framework's Date: one moment, as seconds since 1970-01-01 00:00:00 UTC (a Double), with
// its calendar fields and text forms in the local time zone (the process's TZ) and the locale
// set with SetLocale (the system locale until then).
#pragma once

#include <cstdint>
#include <string>

class QLocale;

namespace vorline {

class Date {
 public:
  // Holds the current moment.
  Date();
  // Holds the given moment; throws InvalidArgumentException for one outside the calendar.
  explicit Date(double totalSeconds);
  // The given moment with its fields in UTC (GMTOffset 0) instead of the local time zone.
  static Date UTC(double totalSeconds);

  double TotalSeconds() const { return seconds_; }
  // Moves to the given moment; throws InvalidArgumentException (and keeps the old moment) for
  // one that is not a number or lies beyond about 200,000 years from 1970.
  void SetTotalSeconds(double totalSeconds);

  int64_t Year() const { return fields_.year; }
  int64_t Month() const { return fields_.month; }  // 1 January .. 12 December
  int64_t Day() const { return fields_.day; }      // 1 .. 31
  int64_t Hour() const { return fields_.hour; }    // 0 .. 23
  int64_t Minute() const { return fields_.minute; }
  int64_t Second() const { return fields_.second; }
  int64_t DayOfWeek() const { return fields_.dayOfWeek; }    // 1 Sunday .. 7 Saturday
  int64_t DayOfYear() const { return fields_.dayOfYear; }    // 1 .. 366
  int64_t WeekOfYear() const { return fields_.weekOfYear; }  // ISO 8601 week, 1 .. 53
  // Offset of the moment's local time from UTC, in hours (Berlin in winter: 1).
  double GMTOffset() const { return static_cast<double>(fields_.offsetSeconds) / 3600.0; }

  // The locale's text forms; ShortTime and LongTime use plain blanks, LongTime names no zone.
  std::string ShortDate() const;
  std::string LongDate() const;
  std::string ShortTime() const;
  std::string LongTime() const;
  // "yyyy-MM-dd HH:mm:ss".
  std::string SQLDateTime() const;

  // The locale of the text forms for every Date from now on; tests give an explicit one.
  static void SetLocale(const QLocale& locale);
  static void UseSystemLocale();

 private:
  struct Fields {
    int64_t year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int64_t dayOfWeek = 5, dayOfYear = 1, weekOfYear = 1, offsetSeconds = 0;
  };
  static Fields fieldsOf(double totalSeconds, bool utc);

  bool utc_ = false;
  double seconds_ = 0;
  Fields fields_;
};

}  // namespace vorline
