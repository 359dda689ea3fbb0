#include "date_bar.h"

#include <cstdio>
#include <ctime>

#include "lunar_calendar.h"
#include "shape_text.h"
#include "texts.h"
#include "window_state.h"

namespace {

std::tm Now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

}  // namespace

void FillDateBar() {
    const std::tm now = Now();
    const std::string weekday = XC_UnicodeToAnsi(XC_LocaleDayName(now.tm_wday));
    const std::string line = CalendarLine(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min,
                                          now.tm_sec, "");
    SetShapeText(MainElement(31), Gbk(line) + weekday);
}

int OnClockTimer(unsigned timerId, bool*) {
    if (timerId != 100) return 0;
    const std::tm now = Now();
    const int hour = XC_Locale24Hour() ? now.tm_hour : (now.tm_hour % 12 == 0 ? 12 : now.tm_hour % 12);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", now.tm_year + 1900, now.tm_mon + 1, now.tm_mday,
                  hour, now.tm_min, now.tm_sec);
    SetShapeText(MainElement(32), text);
    return 0;
}
