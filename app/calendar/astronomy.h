// Low-precision positions of the sun and moon (after Meeus, Astronomical
// Algorithms, chapters 25 and 49): good to a minute or two for the moments
// of new moons and solar terms, which is what a calendar by days needs.
#pragma once

// Julian day of a Gregorian calendar date at 0h UT.
double JulianDay(int year, int month, int day);

// The sun's apparent ecliptic longitude in degrees, 0 to 360.
double SunLongitude(double jd);
// The moment the sun reaches the longitude, near the estimate.
double SolarTermMoment(double longitude, double estimateJd);
// The moment of the k-th new moon after that of 6 January 2000.
double NewMoon(long k);
