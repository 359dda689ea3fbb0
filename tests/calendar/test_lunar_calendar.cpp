#include <gtest/gtest.h>

#include "lunar_calendar.h"

namespace {

TEST(CalendarLine, WorkedDays) {
    EXPECT_EQ(CalendarLine(2024, 4, 13, 12, 0, 0, "星期六"), "农历甲辰年(龙)三月初五 第15周 第104天 星期六");
    EXPECT_EQ(CalendarLine(2024, 4, 4, 12, 0, 0, "星期四"), "农历甲辰年(龙)二月廿六【清明】 第14周 第95天 星期四");
    EXPECT_EQ(CalendarLine(2023, 4, 1, 12, 0, 0, "星期六"), "农历癸卯年(兔)闰二月(闰月)十一 第13周 第91天 星期六");
    EXPECT_EQ(CalendarLine(2023, 1, 1, 12, 0, 0, "星期日"), "农历壬寅年(虎)腊月初十 第0周 第1天 星期日");
    // The lunar new year before the start of spring keeps the old stem-branch year.
    EXPECT_EQ(CalendarLine(2023, 1, 22, 12, 0, 0, "星期日").substr(0, std::string("农历壬寅年(虎)正月初一").size()),
              "农历壬寅年(虎)正月初一");
}

TEST(LunarCalendar, NewYearsAndLeapMonths) {
    const struct {
        int y, m, d, month, day;
        bool leap;
    } cases[] = {
        {2024, 2, 10, 1, 1, false}, {2025, 1, 29, 1, 1, false}, {2023, 1, 22, 1, 1, false},
        {2023, 3, 22, 2, 1, true},  {2020, 5, 23, 4, 1, true},  {2025, 7, 25, 6, 1, true},
        {2024, 2, 9, 12, 30, false}, {2017, 7, 23, 6, 1, true}, {2033, 12, 22, 11, 1, true},
        {2001, 1, 24, 1, 1, false}, {2048, 2, 14, 1, 1, false},
    };
    for (const auto& c : cases) {
        const LunarDate d = ToLunar(c.y, c.m, c.d);
        EXPECT_EQ(d.month, c.month) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(d.day, c.day) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(d.leap, c.leap) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(LunarCalendar, StemBranchYearTurnsAtTheMomentOfSpring) {
    // 立春 2024 fell at 16:27 Beijing time on 4 February.
    EXPECT_EQ(CycleYearName(CycleYear(2024, 2, 4, 16, 0, 0)), "癸卯");
    EXPECT_EQ(CycleYearName(CycleYear(2024, 2, 4, 17, 0, 0)), "甲辰");
    EXPECT_EQ(ZodiacName(CycleYear(2024, 2, 4, 17, 0, 0)), "龙");
    EXPECT_EQ(CycleYearName(CycleYear(1901, 6, 1, 0, 0, 0)), "辛丑");
}

TEST(LunarCalendar, SolarTermDays) {
    EXPECT_EQ(SolarTermName(SolarTermOfDay(2024, 12, 21)), "冬至");
    EXPECT_EQ(SolarTermName(SolarTermOfDay(2024, 2, 4)), "立春");
    EXPECT_EQ(SolarTermName(SolarTermOfDay(2025, 6, 21)), "夏至");
    EXPECT_EQ(SolarTermOfDay(2024, 4, 13), -1);
}

TEST(LunarCalendar, Names) {
    EXPECT_EQ(LunarDayName(20), "二十");
    EXPECT_EQ(LunarDayName(30), "三十");
    EXPECT_EQ(LunarDayName(10), "初十");
    EXPECT_EQ(LunarDayName(11), "十一");
    EXPECT_EQ(LunarDayName(21), "廿一");
    EXPECT_EQ(LunarMonthName({11, 1, false}), "冬月");
    EXPECT_EQ(LunarMonthName({12, 1, false}), "腊月");
}

TEST(WeekOfYear, SundayFirstOfJanuaryIsWeekZero) {
    EXPECT_EQ(WeekOfYear(2023, 1, 1), 0);
    EXPECT_EQ(WeekOfYear(2023, 1, 2), 1);
    EXPECT_EQ(WeekOfYear(2024, 1, 1), 1);  // a Monday
    EXPECT_EQ(DayOfYear(2024, 12, 31), 366);
}

}  // namespace
