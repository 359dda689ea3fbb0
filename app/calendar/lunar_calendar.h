// The Chinese lunisolar calendar on the meridian of UTC+8: lunar date, leap
// months, the stem-branch year that turns at the start of spring, and the
// 24 solar terms.
#pragma once
#include <string>

struct LunarDate {
    int month = 0;  // 1..12
    int day = 0;    // 1..30
    bool leap = false;
};

// The lunar date of a Gregorian date.
LunarDate ToLunar(int year, int month, int day);

// 0..23 from 小寒 (about 6 January) to 冬至, or -1: the solar term whose day
// (UTC+8) the date is.
int SolarTermOfDay(int year, int month, int day);

// The stem-branch year in effect at the local moment: it turns at the
// moment of 立春. Returns 0..59 with 0 = 甲子.
int CycleYear(int year, int month, int day, int hour, int minute, int second);

// UTF-8 names.
std::string CycleYearName(int cycle);   // "甲辰"
std::string ZodiacName(int cycle);      // "龙"
std::string LunarMonthName(const LunarDate& d);  // "闰二月", "腊月"
std::string LunarDayName(int day);      // "初五", "二十", "廿六", "三十"
std::string SolarTermName(int index);   // "小寒" .. "冬至"

// The date bar's calendar line (UTF-8): "农历甲辰年(龙)三月初五 第15周 第104
// 天 星期六", with the solar term of the day in 【】 after the lunar date.
std::string CalendarLine(int year, int month, int day, int hour, int minute, int second,
                         const std::string& weekdayName);

// Week of the year: ceil((days since 1 January + weekday of 1 January) / 7),
// weekday 0 for Sunday; 1 January on a Sunday is week 0.
int WeekOfYear(int year, int month, int day);
int DayOfYear(int year, int month, int day);
