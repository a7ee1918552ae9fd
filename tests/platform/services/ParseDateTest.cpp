#include <gtest/gtest.h>

#include "platform/services/ParseDate.h"
#include "platform/services/TimeZoneScope.h"

namespace vorline {
namespace {

struct ParseCase {
  const char* text;
  int64_t year, month, day, hour, minute, second;
};

class ParseDateAccepts : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateAccepts, ReadsTheLocalFields) {
  testing::TimeZoneScope zone("Europe/Berlin");
  const ParseCase& c = GetParam();
  Date d(0.0);
  ASSERT_TRUE(ParseDate(c.text, d)) << c.text;
  EXPECT_EQ(d.Year(), c.year) << c.text;
  EXPECT_EQ(d.Month(), c.month) << c.text;
  EXPECT_EQ(d.Day(), c.day) << c.text;
  EXPECT_EQ(d.Hour(), c.hour) << c.text;
  EXPECT_EQ(d.Minute(), c.minute) << c.text;
  EXPECT_EQ(d.Second(), c.second) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateAccepts,
    ::testing::Values(
        ParseCase{"12/8/2026", 2026, 12, 8, 0, 0, 0},
        ParseCase{"  12/08/2026  ", 2026, 12, 8, 0, 0, 0}, ParseCase{"1/2/26", 2026, 1, 2, 0, 0, 0},
        ParseCase{"1/2/69", 2069, 1, 2, 0, 0, 0}, ParseCase{"1/2/70", 1970, 1, 2, 0, 0, 0},
        ParseCase{"2/29/2024", 2024, 2, 29, 0, 0, 0}, ParseCase{"2026-12-08", 2026, 12, 8, 0, 0, 0},
        ParseCase{"2026/12/8", 2026, 12, 8, 0, 0, 0},
        ParseCase{"2026-12-08 19:05:09", 2026, 12, 8, 19, 5, 9},
        ParseCase{"2026-12-08T19:05", 2026, 12, 8, 19, 5, 0},
        ParseCase{"12/8/2026 7:05 PM", 2026, 12, 8, 19, 5, 0},
        ParseCase{"12/8/2026 12:30 am", 2026, 12, 8, 0, 30, 0},
        ParseCase{"12/8/2026 12:30:15 p.m.", 2026, 12, 8, 12, 30, 15},
        ParseCase{"Dec 8, 2026", 2026, 12, 8, 0, 0, 0},
        ParseCase{"december 8 2026 19:05", 2026, 12, 8, 19, 5, 0},
        ParseCase{"8 Dec 2026", 2026, 12, 8, 0, 0, 0},
        ParseCase{"08-Dec-2026 19:05:09", 2026, 12, 8, 19, 5, 9},
        ParseCase{"Tue, 08 Dec 2026", 2026, 12, 8, 0, 0, 0},
        ParseCase{"Tuesday, December 8, 2026", 2026, 12, 8, 0, 0, 0}));

TEST(ParseDateRejects, TextsThatAreNoDateLeaveTheDateAlone) {
  testing::TimeZoneScope zone("UTC");
  const char* texts[] = {"",
                         "hello",
                         "13/1/2026",
                         "2/30/2026",
                         "0/5/2026",
                         "-1/5/2026",
                         "12/8",
                         "12-8-2026",
                         "12/8/2026 24:00",
                         "12/8/2026 7:60",
                         "12/8/2026 13:00 PM",
                         "Dec 32, 2026",
                         "12/8/2026 garbage",
                         "Smarch 3, 2026"};
  for (const char* text : texts) {
    Date d(1234.0);
    EXPECT_FALSE(ParseDate(text, d)) << text;
    EXPECT_EQ(d.TotalSeconds(), 1234.0) << text;
  }
}

TEST(ParseDateZone, TheDayStartsAtLocalMidnight) {
  testing::TimeZoneScope zone("America/New_York");
  Date d(0.0);
  ASSERT_TRUE(ParseDate("12/8/2026", d));
  EXPECT_EQ(d.TotalSeconds(), 1796706000);  // 05:00 UTC
}

// A local time that a daylight-saving change skips counts on from the first moment of its day,
// as if the clock had not jumped yet; the days around it keep their midnight.
struct GapCase {
  const char* zone;
  const char* text;
  const char* local;  // SQLDateTime of the result
};

class ParseDateInAGap : public ::testing::TestWithParam<GapCase> {};

TEST_P(ParseDateInAGap, GivesTheMomentAfterTheJump) {
  testing::TimeZoneScope zone(GetParam().zone);
  Date d(0.0);
  ASSERT_TRUE(ParseDate(GetParam().text, d)) << GetParam().text;
  EXPECT_EQ(d.SQLDateTime(), GetParam().local) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Zones, ParseDateInAGap,
                         ::testing::Values(
                             // Chile: 7 September 2025 jumps from 00:00 to 01:00.
                             GapCase{"America/Santiago", "9/7/2025", "2025-09-07 01:00:00"},
                             GapCase{"America/Santiago", "2025-09-07", "2025-09-07 01:00:00"},
                             GapCase{"America/Santiago", "9/7/2025 0:30", "2025-09-07 01:30:00"},
                             GapCase{"America/Santiago", "9/7/2025 1:00", "2025-09-07 01:00:00"},
                             GapCase{"America/Santiago", "9/6/2025", "2025-09-06 00:00:00"},
                             GapCase{"America/Santiago", "9/8/2025", "2025-09-08 00:00:00"},
                             // New York: 8 March 2026 jumps from 02:00 to 03:00; midnight stands.
                             GapCase{"America/New_York", "3/8/2026", "2026-03-08 00:00:00"},
                             GapCase{"America/New_York", "3/8/2026 2:30", "2026-03-08 03:30:00"}));

TEST(ParseDateZone, TheSkippedMidnightIsOneMomentOnTheScale) {
  testing::TimeZoneScope zone("America/Santiago");
  Date d(0.0);
  ASSERT_TRUE(ParseDate("9/7/2025", d));
  EXPECT_EQ(d.TotalSeconds(), 1757217600);  // 04:00 UTC, the first moment at -03:00
}

}  // namespace
}  // namespace vorline
