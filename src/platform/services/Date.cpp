#include "platform/services/Date.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>
#include <cstdio>
#include <memory>

#include "platform/values/InvalidArgumentException.h"

namespace vorline {
namespace {

// About 200,000 years each way: far beyond any date a pad means, well inside QDateTime.
constexpr double kMaxSeconds = 6.3e12;

std::unique_ptr<QLocale>& chosenLocale() {
  static std::unique_ptr<QLocale> locale;
  return locale;
}

QLocale textLocale() { return chosenLocale() ? *chosenLocale() : QLocale::system(); }

// Qt's locale data may separate the time from "PM" by a no-break space; scripts split at blanks.
std::string withPlainBlanks(const QString& text) {
  QString plain = text;
  plain.replace(QChar(0x202F), QChar(' ')).replace(QChar(0x00A0), QChar(' '));
  return plain.toStdString();
}

// The locale's long time format without its time-zone fields ("t") and the blanks before them.
QString longTimeFormatWithoutZone(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::LongFormat);
  QString out;
  bool quoted = false;
  for (QChar c : format) {
    if (c == QChar('\'')) quoted = !quoted;
    if (!quoted && c == QChar('t')) {
      while (!out.isEmpty() && out.back().isSpace()) out.chop(1);
      continue;
    }
    out += c;
  }
  return out.trimmed();
}

}  // namespace

Date::Date() : Date(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0) {}

Date::Date(double totalSeconds) { SetTotalSeconds(totalSeconds); }

Date Date::UTC(double totalSeconds) {
  Date d(0.0);
  d.utc_ = true;
  d.SetTotalSeconds(totalSeconds);
  return d;
}

void Date::SetTotalSeconds(double totalSeconds) {
  if (!std::isfinite(totalSeconds) || std::fabs(totalSeconds) > kMaxSeconds)
    throw InvalidArgumentException("a moment outside the calendar");
  fields_ = fieldsOf(totalSeconds, utc_);
  seconds_ = totalSeconds;
}

// Breaks a moment into calendar fields; a fraction of a second counts toward the past.
Date::Fields Date::fieldsOf(double totalSeconds, bool utc) {
  auto msecs = static_cast<qint64>(std::floor(totalSeconds * 1000.0));
  QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs, utc ? Qt::UTC : Qt::LocalTime);
  QDate date = local.date();
  QTime time = local.time();
  Fields f;
  f.year = date.year();
  f.month = date.month();
  f.day = date.day();
  f.hour = time.hour();
  f.minute = time.minute();
  f.second = time.second();
  f.dayOfWeek = date.dayOfWeek() % 7 + 1;  // Qt counts Monday 1 .. Sunday 7
  f.dayOfYear = date.dayOfYear();
  f.weekOfYear = date.weekNumber();
  f.offsetSeconds = local.offsetFromUtc();
  return f;
}

std::string Date::ShortDate() const {
  QDate date(static_cast<int>(fields_.year), static_cast<int>(fields_.month),
             static_cast<int>(fields_.day));
  return withPlainBlanks(textLocale().toString(date, QLocale::ShortFormat));
}

std::string Date::LongDate() const {
  QDate date(static_cast<int>(fields_.year), static_cast<int>(fields_.month),
             static_cast<int>(fields_.day));
  return withPlainBlanks(textLocale().toString(date, QLocale::LongFormat));
}

std::string Date::ShortTime() const {
  QTime time(static_cast<int>(fields_.hour), static_cast<int>(fields_.minute),
             static_cast<int>(fields_.second));
  return withPlainBlanks(textLocale().toString(time, QLocale::ShortFormat));
}

std::string Date::LongTime() const {
  QLocale locale = textLocale();
  QTime time(static_cast<int>(fields_.hour), static_cast<int>(fields_.minute),
             static_cast<int>(fields_.second));
  return withPlainBlanks(locale.toString(time, longTimeFormatWithoutZone(locale)));
}

std::string Date::SQLDateTime() const {
  char text[64];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld",
                static_cast<long long>(fields_.year), static_cast<long long>(fields_.month),
                static_cast<long long>(fields_.day), static_cast<long long>(fields_.hour),
                static_cast<long long>(fields_.minute), static_cast<long long>(fields_.second));
  return text;
}

void Date::SetLocale(const QLocale& locale) { chosenLocale() = std::make_unique<QLocale>(locale); }

void Date::UseSystemLocale() { chosenLocale().reset(); }

}  // namespace vorline
