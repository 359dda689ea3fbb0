#include "astronomy.h"

#include <cmath>

namespace {
constexpr double kDeg = 3.14159265358979323846 / 180.0;
double Norm(double deg) {
    deg = std::fmod(deg, 360.0);
    return deg < 0 ? deg + 360.0 : deg;
}
}  // namespace

double JulianDay(int year, int month, int day) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int a = year / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b - 1524.5;
}

double SunLongitude(double jd) {
    const double t = (jd - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kDeg;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                     (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = (125.04 - 1934.136 * t) * kDeg;
    return Norm(l0 + c - 0.00569 - 0.00478 * std::sin(omega));
}

double SolarTermMoment(double longitude, double jd) {
    for (int i = 0; i < 20; ++i) {
        double diff = longitude - SunLongitude(jd);
        diff = std::fmod(diff + 540.0, 360.0) - 180.0;
        jd += diff * 365.2422 / 360.0;
        if (std::fabs(diff) < 1e-7) break;
    }
    return jd;
}

double NewMoon(long k) {
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = (2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3) * kDeg;
    const double mp = (201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4) * kDeg;
    const double f = (160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4) * kDeg;
    const double om = (124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3) * kDeg;
    jde += -0.40720 * std::sin(mp) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mp) +
           0.01039 * std::sin(2 * f) + 0.00739 * e * std::sin(mp - m) - 0.00514 * e * std::sin(mp + m) +
           0.00208 * e * e * std::sin(2 * m) - 0.00111 * std::sin(mp - 2 * f) - 0.00057 * std::sin(mp + 2 * f) +
           0.00056 * e * std::sin(2 * mp + m) - 0.00042 * std::sin(3 * mp) + 0.00042 * e * std::sin(m + 2 * f) +
           0.00038 * e * std::sin(m - 2 * f) - 0.00024 * e * std::sin(2 * mp - m) - 0.00017 * std::sin(om) -
           0.00007 * std::sin(mp + 2 * m) + 0.00004 * std::sin(2 * mp - 2 * f) + 0.00004 * std::sin(3 * m) +
           0.00003 * std::sin(mp + m - 2 * f) + 0.00003 * std::sin(2 * mp + 2 * f) - 0.00003 * std::sin(mp + m + 2 * f) +
           0.00003 * std::sin(mp - m + 2 * f) - 0.00002 * std::sin(mp - m - 2 * f) - 0.00002 * std::sin(3 * mp + m) +
           0.00002 * std::sin(4 * mp);
    return jde;
}
