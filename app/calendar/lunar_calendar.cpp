#include "lunar_calendar.h"

#include <cmath>
#include <vector>

#include "astronomy.h"

namespace {

constexpr double kChinaOffset = 8.0 / 24.0;
constexpr double kDeltaT = 69.0 / 86400.0;  // TT - UT, close enough for days

// The local (UTC+8) day number of a moment given in TT.
long LocalDay(double jde) { return static_cast<long>(std::floor(jde - kDeltaT + kChinaOffset + 0.5)); }

long DayNumber(int y, int m, int d) { return static_cast<long>(JulianDay(y, m, d) + 0.5); }

// The winter solstice of the Gregorian year, as a local day.
long WinterSolstice(int year) { return LocalDay(SolarTermMoment(270.0, JulianDay(year, 12, 21))); }

// The local day of the new moon that begins the month holding the day.
long MonthStart(long day, long& k) {
    k = static_cast<long>(std::floor((day - 2451550.1) / 29.530588861)) + 1;
    while (LocalDay(NewMoon(k)) > day) --k;
    while (LocalDay(NewMoon(k + 1)) <= day) ++k;
    return LocalDay(NewMoon(k));
}

// Whether the lunar month from start to the next start holds a major term
// (a multiple of 30 degrees of solar longitude).
bool HoldsMajorTerm(long start, long next) {
    const double a = SunLongitude(start - kChinaOffset - 0.5 + kDeltaT);
    const double b = SunLongitude(next - kChinaOffset - 0.5 + kDeltaT);
    const int ia = static_cast<int>(std::floor(a / 30.0));
    const int ib = static_cast<int>(std::floor(b / 30.0));
    return ia != ib;
}

}  // namespace

LunarDate ToLunar(int year, int month, int day) {
    const long today = DayNumber(year, month, day);
    // The winter solstice on or before today, and the next one.
    long ws1 = WinterSolstice(year - 1), ws2 = WinterSolstice(year);
    if (today >= ws2) {
        ws1 = ws2;
        ws2 = WinterSolstice(year + 1);
    }
    long k11 = 0, k11next = 0;
    MonthStart(ws1, k11);
    MonthStart(ws2, k11next);
    const long months = k11next - k11;  // 12, or 13 in a leap year
    std::vector<long> starts;
    for (long k = k11; k <= k11next; ++k) starts.push_back(LocalDay(NewMoon(k)));
    long leapIndex = -1;
    if (months == 13) {
        for (long i = 0; i < 13; ++i) {
            if (!HoldsMajorTerm(starts[static_cast<size_t>(i)], starts[static_cast<size_t>(i) + 1])) {
                leapIndex = i;
                break;
            }
        }
    }
    long k = 0;
    const long start = MonthStart(today, k);
    const long index = k - k11;  // 0 = month 11
    LunarDate d;
    long number = index;
    if (leapIndex >= 0 && index >= leapIndex) number -= 1;
    d.leap = leapIndex >= 0 && index == leapIndex;
    d.month = static_cast<int>((10 + number) % 12) + 1;  // index 0 -> 11
    d.day = static_cast<int>(today - start) + 1;
    return d;
}

int SolarTermOfDay(int year, int month, int day) {
    const long today = DayNumber(year, month, day);
    for (int i = 0; i < 24; ++i) {
        const double longitude = std::fmod(285.0 + 15.0 * i, 360.0);
        // Terms fall about 15.2 days apart from 小寒 on about 6 January.
        const double estimate = JulianDay(year, 1, 6) + i * 15.218;
        if (LocalDay(SolarTermMoment(longitude, estimate)) == today) return i;
    }
    return -1;
}

int CycleYear(int year, int month, int day, int hour, int minute, int second) {
    const double now = JulianDay(year, month, day) + (hour + minute / 60.0 + second / 3600.0) / 24.0 - kChinaOffset;
    const double spring = SolarTermMoment(315.0, JulianDay(year, 2, 4)) - kDeltaT;
    const int y = now < spring ? year - 1 : year;
    return ((y - 4) % 60 + 60) % 60;
}

namespace {
const char* const kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const char* const kAnimals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kMonths[] = {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"};
const char* const kDigits[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
const char* const kTerms[] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
                              "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
}  // namespace

std::string CycleYearName(int cycle) { return std::string(kStems[cycle % 10]) + kBranches[cycle % 12]; }
std::string ZodiacName(int cycle) { return kAnimals[cycle % 12]; }

std::string LunarMonthName(const LunarDate& d) {
    return (d.leap ? std::string("闰") : std::string()) + kMonths[(d.month + 11) % 12];
}

std::string LunarDayName(int day) {
    if (day <= 10) return std::string("初") + kDigits[day - 1];
    if (day < 20) return std::string("十") + kDigits[day - 11];
    if (day == 20) return "二十";
    if (day < 30) return std::string("廿") + kDigits[day - 21];
    return "三十";
}

std::string SolarTermName(int index) { return index >= 0 && index < 24 ? kTerms[index] : ""; }

int DayOfYear(int year, int month, int day) { return static_cast<int>(DayNumber(year, month, day) - DayNumber(year, 1, 1)) + 1; }

int WeekOfYear(int year, int month, int day) {
    const long first = DayNumber(year, 1, 1);
    const int weekdayOfFirst = static_cast<int>((first + 1) % 7);  // day number 0 fell on a Monday: +1 makes Sunday 0
    const long days = DayNumber(year, month, day) - first;
    return static_cast<int>((days + weekdayOfFirst + 6) / 7);
}

std::string CalendarLine(int year, int month, int day, int hour, int minute, int second,
                         const std::string& weekdayName) {
    const LunarDate lunar = ToLunar(year, month, day);
    const int cycle = CycleYear(year, month, day, hour, minute, second);
    std::string line = "农历" + CycleYearName(cycle) + "年(" + ZodiacName(cycle) + ")" + LunarMonthName(lunar);
    if (lunar.leap) line += "(闰月)";
    line += LunarDayName(lunar.day);
    const int term = SolarTermOfDay(year, month, day);
    if (term >= 0) line += "【" + SolarTermName(term) + "】";
    line += " 第" + std::to_string(WeekOfYear(year, month, day)) + "周 第" + std::to_string(DayOfYear(year, month, day)) +
            "天 " + weekdayName;
    return line;
}
