#include <gtest/gtest.h>

#include <QLocale>

#include "platform/script/ScriptEngine.h"
#include "platform/services/Date.h"
#include "platform/services/TimeZoneScope.h"

namespace vorline {
namespace {

// Tuesday 8 December 2026, 19:05:09 UTC.
constexpr double kTuesday = 1796756709;

class DateTest : public ::testing::Test {
 protected:
  void SetUp() override { Date::SetLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
  void TearDown() override { Date::UseSystemLocale(); }
};

TEST_F(DateTest, FieldsFollowTheLocalTimeZone) {
  struct Case {
    const char* zone;
    int64_t day, hour, dayOfWeek;
    double offset;
  } cases[] = {
      {"UTC", 8, 19, 3, 0},
      {"Europe/Berlin", 8, 20, 3, 1},
      {"Asia/Kolkata", 9, 0, 4, 5.5},  // already Wednesday there
      {"America/New_York", 8, 14, 3, -5},
  };
  for (const Case& c : cases) {
    testing::TimeZoneScope zone(c.zone);
    Date d(kTuesday);
    EXPECT_EQ(d.Year(), 2026) << c.zone;
    EXPECT_EQ(d.Month(), 12) << c.zone;
    EXPECT_EQ(d.Day(), c.day) << c.zone;
    EXPECT_EQ(d.Hour(), c.hour) << c.zone;
    EXPECT_EQ(d.DayOfWeek(), c.dayOfWeek) << c.zone;
    EXPECT_EQ(d.GMTOffset(), c.offset) << c.zone;
  }
}

TEST_F(DateTest, SummerTimeChangesTheOffset) {
  testing::TimeZoneScope zone("Europe/Berlin");
  EXPECT_EQ(Date(1782000000).GMTOffset(), 2);  // June 2026
  EXPECT_EQ(Date(kTuesday).GMTOffset(), 1);
}

TEST_F(DateTest, CalendarFieldsOfTheWorkedMoment) {
  testing::TimeZoneScope zone("UTC");
  Date d(kTuesday);
  EXPECT_EQ(d.Minute(), 5);
  EXPECT_EQ(d.Second(), 9);
  EXPECT_EQ(d.DayOfYear(), 342);
  EXPECT_EQ(d.WeekOfYear(), 50);
  EXPECT_EQ(d.SQLDateTime(), "2026-12-08 19:05:09");
}

TEST_F(DateTest, SundayIsOneAndSaturdaySeven) {
  testing::TimeZoneScope zone("UTC");
  EXPECT_EQ(Date(kTuesday - 2 * 86400).DayOfWeek(), 1);
  EXPECT_EQ(Date(kTuesday + 4 * 86400).DayOfWeek(), 7);
}

TEST_F(DateTest, NegativeAndFractionalMomentsCountTowardThePast) {
  testing::TimeZoneScope zone("UTC");
  Date before(-0.5);
  EXPECT_EQ(before.Year(), 1969);
  EXPECT_EQ(before.Second(), 59);
  EXPECT_EQ(before.TotalSeconds(), -0.5);
  EXPECT_EQ(Date(86399.999).Day(), 1);
}

TEST_F(DateTest, TextFormsUseTheChosenLocale) {
  testing::TimeZoneScope zone("UTC");
  Date d(kTuesday);
  EXPECT_EQ(d.ShortDate(), "12/8/26");
  EXPECT_EQ(d.LongDate(), "Tuesday, December 8, 2026");
  EXPECT_EQ(d.ShortTime(), "7:05 PM");
  EXPECT_EQ(d.LongTime(), "7:05:09 PM");
  Date::SetLocale(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(d.ShortDate(), "08.12.26");
  EXPECT_EQ(d.ShortTime(), "19:05");
  EXPECT_EQ(d.LongTime(), "19:05:09");
}

TEST_F(DateTest, UtcFieldsIgnoreTheLocalZone) {
  testing::TimeZoneScope zone("Asia/Tokyo");
  Date utc = Date::UTC(kTuesday);
  EXPECT_EQ(utc.Hour(), 19);
  EXPECT_EQ(utc.GMTOffset(), 0);
  EXPECT_EQ(Date(kTuesday).Hour(), 4);
}

TEST_F(DateTest, MomentsOutsideTheCalendarAreRefused) {
  Date d(kTuesday);
  EXPECT_THROW(d.SetTotalSeconds(1e300), RuntimeException);
  EXPECT_THROW(d.SetTotalSeconds(std::numeric_limits<double>::quiet_NaN()), RuntimeException);
  EXPECT_EQ(d.TotalSeconds(), kTuesday);
}

TEST_F(DateTest, ANewDateHoldsTheCurrentMoment) {
  double before = static_cast<double>(std::time(nullptr));
  double now = Date().TotalSeconds();
  EXPECT_GE(now, before - 1);
  EXPECT_LE(now, before + 5);
}

}  // namespace
}  // namespace vorline
