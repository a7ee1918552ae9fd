// Date and time functions and date formatting, in UTC and US English unless a test says else.
#include <cmath>

#include "glue/GlueTestSupport.h"

namespace vorline::gluetest {
namespace {

// Tuesday 8 December 2026, 19:05:09 UTC.
constexpr double kTuesday = 1796756709;
constexpr double kDay = 86400;

class GlueDates : public GlueFixture {
 protected:
  // The moment of a local date text (for moments named by their calendar date).
  double at(const char* text) {
    double t = glue.ParseDate(text);
    EXPECT_NE(t, 0) << text;
    return t;
  }
};

TEST_F(GlueDates, FieldAndTextFunctionsOfTheWorkedMoment) {
  EXPECT_EQ(glue.SQLDateTime(kTuesday), "2026-12-08 19:05:09");
  EXPECT_EQ(glue.ShortTime(kTuesday), "7:05 PM");
  EXPECT_EQ(glue.LongTime(kTuesday), "7:05:09 PM");
  EXPECT_EQ(glue.LongDate(kTuesday), "Tuesday, December 8, 2026");
  EXPECT_EQ(glue.ShortDate(kTuesday), "12/8/26");
  EXPECT_EQ(glue.day(kTuesday), 8);
  EXPECT_EQ(glue.month(kTuesday), 12);
  EXPECT_EQ(glue.year(kTuesday), 2026);
  EXPECT_EQ(glue.DayOfWeek(kTuesday), 3);
  EXPECT_EQ(glue.DayOfYear(kTuesday), 342);
  EXPECT_EQ(glue.GMTOffset(kTuesday), 0);
  EXPECT_EQ(glue.hour(kTuesday), 19);
  EXPECT_EQ(glue.minute(kTuesday), 5);
  EXPECT_EQ(glue.second(kTuesday), 9);
}

TEST_F(GlueDates, WeekdaysRunFromSundayToSaturdayAndHoursFromZero) {
  EXPECT_EQ(glue.DayOfWeek(kTuesday - 2 * kDay), 1);
  EXPECT_EQ(glue.DayOfWeek(kTuesday + 4 * kDay), 7);
  EXPECT_EQ(glue.hour(kTuesday - 19 * 3600 - 309), 0);
  EXPECT_EQ(glue.hour(kTuesday + 17690), 23);  // 23:59:59
  EXPECT_EQ(glue.second(-0.25), 59);  // negative and fractional moments are taken as they are
  EXPECT_EQ(glue.year(-kDay), 1969);
}

TEST_F(GlueDates, TheLocalZoneMovesFieldsAndOffset) {
  env.set("TZ", "Europe/Berlin");
  EXPECT_EQ(glue.hour(kTuesday), 20);
  EXPECT_EQ(glue.GMTOffset(kTuesday), 1);
  EXPECT_EQ(glue.SQLDateTime(kTuesday), "2026-12-08 20:05:09");
}

TEST_F(GlueDates, NowAndTimeGiveTodayOnOneScale) {
  double a = glue.now(), b = glue.time(), c = glue.now();
  EXPECT_LE(a, b);
  EXPECT_LE(b, c);
  vorline::Date today;
  EXPECT_EQ(glue.day(c), today.Day());
  EXPECT_EQ(glue.month(c), today.Month());
  EXPECT_EQ(glue.year(c), today.Year());
}

TEST_F(GlueDates, ParseDateGivesTheMomentOrZero) {
  EXPECT_EQ(glue.ParseDate("12/8/2026 19:05:09"), kTuesday);
  EXPECT_EQ(glue.ParseDate("2026-12-08"), kTuesday - 68709);
  EXPECT_EQ(glue.ParseDate("not a date"), 0);
  EXPECT_EQ(glue.ParseDate("2/30/2026"), 0);
}

TEST_F(GlueDates, LeapYearsFollowTheGregorianRule) {
  const std::pair<int64_t, bool> cases[] = {{2024, true},  {2023, false}, {1900, false},
                                            {2000, true},  {0, true},     {-4, true},
                                            {-100, false}, {-400, true}};
  for (auto [year, leap] : cases) EXPECT_EQ(glue.date_IsLeapYear(year), leap) << year;
}

TEST_F(GlueDates, MktimeBuildsTheMomentFromItsParts) {
  EXPECT_EQ(glue.date_mktime(19, 5, 9, 12, 8, 2026, 0), kTuesday);
  double midnight = glue.date_mktime(0, 0, 0, 0, 0, 0, 0);
  vorline::Date today;
  EXPECT_EQ(midnight, today.TotalSeconds() -
                          (today.Hour() * 3600 + today.Minute() * 60 + today.Second()) -
                          std::fmod(today.TotalSeconds(), 1.0));
  EXPECT_EQ(glue.date_mktime(1, 2, 3, 0, 0, 0, 0), midnight + 3723);
  EXPECT_EQ(glue.date_mktime(1, 2, 3, 0, 0, 0, 99), midnight + 3723);  // the seventh is unused
  EXPECT_EQ(glue.date_mktime(0, 90, 0, 3, 1, 2026, 0), glue.date_mktime(1, 30, 0, 3, 1, 2026, 0));
  EXPECT_EQ(glue.date_mktime(-1, 0, 0, 3, 1, 2026, 0),
            glue.date_mktime(0, 0, 0, 3, 1, 2026, 0) - 3600);
}

// Chile's clocks jump from 00:00 to 01:00 on 7 September 2025: that day starts at 01:00.
TEST_F(GlueDates, ADayWhoseMidnightIsSkippedStartsAtItsFirstMoment) {
  env.set("TZ", "America/Santiago");
  EXPECT_EQ(glue.SQLDateTime(glue.date_mktime(0, 0, 0, 9, 7, 2025, 0)), "2025-09-07 01:00:00");
  EXPECT_EQ(glue.SQLDateTime(glue.ParseDate("9/7/2025")), "2025-09-07 01:00:00");
  EXPECT_EQ(glue.date_mktime(5, 0, 0, 9, 7, 2025, 0),
            glue.date_mktime(0, 0, 0, 9, 7, 2025, 0) + 5 * 3600);
  EXPECT_EQ(glue.SQLDateTime(glue.date_mktime(0, 0, 0, 9, 8, 2025, 0)), "2025-09-08 00:00:00");
}

TEST_F(GlueDates, MktimeNeverOverflows) {
  double t = glue.date_mktime(INT64_MAX, INT64_MAX, INT64_MAX, 3, 1, 2026, 0);
  EXPECT_GT(t, 3.3e22);
}

TEST_F(GlueDates, MktimeOfADateThatDoesNotParseStartsFromNow) {
  double before = glue.now();
  double t = glue.date_mktime(0, 0, 10, 13, 1, 2026, 0);
  EXPECT_GE(t, before + 10);
  EXPECT_LE(t, glue.now() + 10);
}

TEST_F(GlueDates, CookieTimeWritesTheUtcFieldsBeforeGmt) {
  EXPECT_EQ(glue.date_mkCookieTime(kTuesday), "Tue, 08-Dec-2026 19:05:09 GMT");
  env.set("TZ", "Pacific/Auckland");  // far from UTC: the text must not change
  EXPECT_EQ(glue.date_mkCookieTime(kTuesday), "Tue, 08-Dec-2026 19:05:09 GMT");
  EXPECT_EQ(glue.date_mkCookieTime(kTuesday - 2 * kDay), "Sun, 06-Dec-2026 19:05:09 GMT");
  EXPECT_EQ(glue.date_mkCookieTime(-1), "Wed, 31-Dec-1969 23:59:59 GMT");
}

TEST_F(GlueDates, TheWorkedExample) {
  EXPECT_EQ(glue.date_formatDate("Y-m-d H:i:s", kTuesday), "2026-12-08 19:05:09");
  EXPECT_EQ(glue.date_formatDate("D, d M Y", kTuesday), "Tue, 08 Dec 2026");
}

// Each letter alone, for the worked moment; later steps rewrite letters that earlier ones put in.
TEST_F(GlueDates, EveryLetterOfFormatDate) {
  const std::pair<const char*, const char*> cases[] = {
      {"a", "p12"},   // "pm", whose "m" the month step fills
      {"A", "PDec"},  // "PM", whose "M" the month-name step fills
      {"d", "08"},
      {"D", "Tue"},
      {"F", "Dece12ber"},
      {"g", "7"},
      {"G", "19"},
      {"h", "07"},
      {"H", "19"},
      {"i", "05"},
      {"s", "09"},
      {"j", "08"},
      {"l", "Tue09da26"},  // "Tuesday": the second s step and the y step reach into
                           // it
      {"m", "12"},
      {"M", "Dec"},
      {"n", "12"},
      {"S", "831h"},  // "8th", then t
      {"L", "0"},
      {"t", "31"},
      {"U", "00001796756709"},
      {"w", "3"},
      {"W", "50"},
      {"Y", "2026"},
      {"y", "26"},
      {"z", "342"},
  };
  for (auto [format, expected] : cases)
    EXPECT_EQ(glue.date_formatDate(format, kTuesday), expected) << format;
}

TEST_F(GlueDates, FormatDateReplacesOnlyFirstOccurrences) {
  EXPECT_EQ(glue.date_formatDate("d/d", kTuesday), "08/d");
  EXPECT_EQ(glue.date_formatDate("s s s", kTuesday), "09 09 s");  // two s steps
  EXPECT_EQ(glue.date_formatDate("", kTuesday), "");
  EXPECT_EQ(glue.date_formatDate("+-/ :.,0123", kTuesday), "+-/ :.,0123");
}

TEST_F(GlueDates, FormatDateLettersInsideInsertedNames) {
  double january = at("1/15/2026 10:00");
  EXPECT_EQ(glue.date_formatDate("F", january), "Ja1uar26");
  EXPECT_EQ(glue.date_formatDate("a", january), "a01");  // "am", its "m" the month
}

TEST_F(GlueDates, FormatDateOfNegativeAndZeroMoments) {
  EXPECT_EQ(glue.date_formatDate("Y-m-d", 0), "1970-01-01");
  EXPECT_EQ(glue.date_formatDate("Y", -5), std::to_string(vorline::Date().Year()));
  EXPECT_EQ(glue.date_formatDate("U", 0), "00000000000000");
}

TEST_F(GlueDates, AnAmPmWordMissingFromTheLocaleRemovesTheLetters) {
  vorline::Date::SetLocale(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(glue.date_formatDate("xaAx", kTuesday), "xx");
  EXPECT_EQ(glue.date_formatDate("g h", kTuesday), "7 07");
}

TEST_F(GlueDates, OrdinalSuffixesAndTheFollowingTStep) {
  const std::pair<int, const char*> cases[] = {
      {1, "1s31"},   {2, "2nd"},    {3, "3rd"},   {4, "431h"},  {11, "1131h"}, {12, "1231h"},
      {13, "1331h"}, {21, "21s31"}, {22, "22nd"}, {23, "23rd"}, {31, "31s31"},
  };
  for (auto [day, expected] : cases) {
    std::string text = "12/" + std::to_string(day) + "/2026";
    EXPECT_EQ(glue.date_formatDate("S", at(text.c_str())), expected) << day;
  }
}

TEST_F(GlueDates, LeapYearAndMonthLength) {
  EXPECT_EQ(glue.date_formatDate("L t", at("2/10/2024")), "1 29");
  EXPECT_EQ(glue.date_formatDate("L t", at("2/10/2023")), "0 28");
  EXPECT_EQ(glue.date_formatDate("t", at("1/10/2023")), "31");
  EXPECT_EQ(glue.date_formatDate("t", at("4/10/2023")), "30");
}

TEST_F(GlueDates, DayAndMonthNamesAtTheEndsOfTheirTables) {
  // The names go in at their steps; the n, S and t steps that follow rewrite letters of them.
  EXPECT_EQ(glue.date_formatDate("D", at("12/6/2026")), "631hu12");   // Sun -> Su12 -> 6thu12
  EXPECT_EQ(glue.date_formatDate("D", at("12/12/2026")), "1231hat");  // Sat -> 12that
  EXPECT_EQ(glue.date_formatDate("M", at("1/6/2026")), "Ja1");        // Jan -> Ja1
  EXPECT_EQ(glue.date_formatDate("M", at("12/6/2026")), "Dec");
  EXPECT_EQ(glue.date_formatDate("w", at("12/12/2026")), "7");
  EXPECT_EQ(glue.date_mkCookieTime(at("12/6/2026")).substr(0, 5), "Sun, ");
  EXPECT_EQ(glue.date_mkCookieTime(at("12/12/2026")).substr(0, 5), "Sat, ");
  EXPECT_EQ(glue.date_mkCookieTime(at("1/6/2026")).substr(7, 5), "-Jan-");
}

}  // namespace
}  // namespace vorline::gluetest
