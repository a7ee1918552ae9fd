#include "platform/services/ParseDate.h"

#include <QDateTime>
#include <array>
#include <cctype>
#include <optional>
#include <string>

namespace vorline {
namespace {

constexpr std::array<const char*, 12> kMonths = {"january",   "february", "march",    "april",
                                                 "may",       "june",     "july",     "august",
                                                 "september", "october",  "november", "december"};
constexpr std::array<const char*, 7> kDays = {"sunday",   "monday", "tuesday", "wednesday",
                                              "thursday", "friday", "saturday"};

struct DateParts {
  int64_t year = 0, month = 0, day = 0;
  int64_t hour = 0, minute = 0, second = 0, msec = 0;
};

// A cursor over the text with the few token readers the date forms need.
class Reader {
 public:
  explicit Reader(std::string_view text) : s_(text) {}

  bool atEnd() {
    skipBlanks();
    return i_ == s_.size();
  }
  size_t position() const { return i_; }
  void rewind(size_t position) { i_ = position; }

  void skipBlanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }

  bool accept(char c) {
    if (i_ < s_.size() && std::tolower(static_cast<unsigned char>(s_[i_])) == c) {
      ++i_;
      return true;
    }
    return false;
  }

  // Up to nine digits; digits tells how many were read.
  bool number(int64_t& value, int& digits) {
    value = 0;
    digits = 0;
    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])) && digits < 9) {
      value = value * 10 + (s_[i_++] - '0');
      ++digits;
    }
    return digits > 0 && !(i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])));
  }

  // A run of ASCII letters, lowered.
  std::string word() {
    std::string w;
    while (i_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[i_])))
      w += static_cast<char>(std::tolower(static_cast<unsigned char>(s_[i_++])));
    return w;
  }

 private:
  std::string_view s_;
  size_t i_ = 0;
};

// Index from 1 of a full name or its first three letters in the table, 0 when none matches.
template <size_t N>
int64_t nameIndex(const std::string& w, const std::array<const char*, N>& names) {
  for (size_t k = 0; k < N; ++k) {
    std::string full = names[k];
    if (w == full || (w.size() == 3 && full.compare(0, 3, w) == 0))
      return static_cast<int64_t>(k) + 1;
  }
  return 0;
}

int64_t fullYear(int64_t year, int digits) {
  if (digits > 2) return year;
  return year < 70 ? 2000 + year : 1900 + year;
}

void skipDayName(Reader& r) {
  size_t start = r.position();
  r.skipBlanks();
  if (nameIndex(r.word(), kDays) == 0) {
    r.rewind(start);
    return;
  }
  r.skipBlanks();
  r.accept(',');
}

// month/day/year, or year-month-day (also year/month/day) when the first number is a year.
bool readNumericDate(Reader& r, DateParts& p) {
  int64_t a = 0, b = 0, c = 0;
  int da = 0, db = 0, dc = 0;
  r.skipBlanks();
  if (!r.number(a, da)) return false;
  char sep = r.accept('/') ? '/' : r.accept('-') ? '-' : 0;
  if (!sep || !r.number(b, db) || !r.accept(sep) || !r.number(c, dc)) return false;
  if (da > 2) {
    p.year = a, p.month = b, p.day = c;
    return true;
  }
  if (sep != '/') return false;
  p.month = a, p.day = b, p.year = fullYear(c, dc);
  return true;
}

// "Dec 8, 2026", "December 8 2026", "8 Dec 2026", "8-Dec-2026".
bool readNamedDate(Reader& r, DateParts& p) {
  int64_t day = 0, year = 0;
  int dd = 0, dy = 0;
  r.skipBlanks();
  if (r.number(day, dd)) {
    r.skipBlanks();
    r.accept('-') || r.accept('/');
    r.skipBlanks();
    p.month = nameIndex(r.word(), kMonths);
    r.skipBlanks();
    r.accept('-') || r.accept('/') || r.accept(',');
  } else {
    p.month = nameIndex(r.word(), kMonths);
    r.accept('.');
    r.skipBlanks();
    if (!r.number(day, dd)) return false;
    r.skipBlanks();
    r.accept(',');
  }
  r.skipBlanks();
  if (p.month == 0 || !r.number(year, dy)) return false;
  p.day = day, p.year = fullYear(year, dy);
  return true;
}

// "am"/"pm" (also "a.m."/"p.m."): 1 for am, 2 for pm, 0 when absent.
int readMeridiem(Reader& r) {
  r.skipBlanks();
  size_t start = r.position();
  std::string w = r.word();
  if (w == "a" || w == "p") {
    if (r.accept('.') && r.accept('m') && r.accept('.')) return w == "a" ? 1 : 2;
  } else if (w == "am" || w == "pm") {
    return w == "am" ? 1 : 2;
  }
  r.rewind(start);
  return 0;
}

// "H:MM", "H:MM:SS", "H:MM:SS.fff", each with an optional am/pm.
bool readTime(Reader& r, DateParts& p) {
  int digits = 0;
  if (!r.number(p.hour, digits) || digits > 2 || !r.accept(':')) return false;
  if (!r.number(p.minute, digits) || digits != 2) return false;
  if (r.accept(':')) {
    if (!r.number(p.second, digits) || digits != 2) return false;
    if (r.accept('.')) {
      int64_t fraction = 0;
      if (!r.number(fraction, digits)) return false;
      for (int k = digits; k < 3; ++k) fraction *= 10;
      for (int k = 3; k < digits; ++k) fraction /= 10;
      p.msec = fraction;
    }
  }
  int meridiem = readMeridiem(r);
  if (meridiem != 0) {
    if (p.hour < 1 || p.hour > 12) return false;
    p.hour = p.hour % 12 + (meridiem == 2 ? 12 : 0);
  }
  return p.hour <= 23 && p.minute <= 59 && p.second <= 59;
}

bool readDateText(std::string_view text, DateParts& p) {
  Reader r(text);
  skipDayName(r);
  size_t start = r.position();
  if (!readNumericDate(r, p)) {
    r.rewind(start);
    if (!readNamedDate(r, p)) return false;
  }
  if (r.atEnd()) return true;
  size_t beforeTime = r.position();
  if (!r.accept('t')) r.rewind(beforeTime);
  r.skipBlanks();
  return readTime(r, p) && r.atEnd();
}

// The moment of a local date and time. A time that a daylight-saving change skips (in some
// zones midnight itself) counts on from the first moment of the day, as if the clock had not
// jumped yet: midnight of such a day is its first moment.
std::optional<qint64> localMSecs(const QDate& date, const QTime& time) {
  const QDateTime local(date, time, Qt::LocalTime);
  if (local.isValid()) return local.toMSecsSinceEpoch();
  const QDateTime first = date.startOfDay(Qt::LocalTime);
  if (!first.isValid()) return std::nullopt;
  return first.toMSecsSinceEpoch() + QTime(0, 0).msecsTo(time);
}

}  // namespace

bool ParseDate(std::string_view text, Date& d) {
  DateParts p;
  if (!readDateText(text, p)) return false;
  if (p.month < 1 || p.month > 12 || p.day < 1 || p.year < -100000 || p.year > 100000) return false;
  QDate date(static_cast<int>(p.year), static_cast<int>(p.month), 1);
  if (!date.isValid() || p.day > date.daysInMonth()) return false;
  date = QDate(static_cast<int>(p.year), static_cast<int>(p.month), static_cast<int>(p.day));
  QTime time(static_cast<int>(p.hour), static_cast<int>(p.minute), static_cast<int>(p.second),
             static_cast<int>(p.msec));
  const std::optional<qint64> msecs = localMSecs(date, time);
  if (!msecs) return false;
  d.SetTotalSeconds(static_cast<double>(*msecs) / 1000.0);
  return true;
}

}  // namespace vorline
