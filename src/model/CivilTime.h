#pragma once

#include <cstdint>

// Calendar arithmetic on the proleptic Gregorian calendar without QDateTime,
// for the CSV writers and readers, which convert three dates per card and
// must keep up with a lifetime diary.
namespace CivilTime {

struct Fields {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// Days from 1970-01-01 to the given day (negative before it).
int64_t daysFromCivil(int64_t year, unsigned month, unsigned day);
// Seconds since 1970-01-01 00:00:00 of a date and time, read as UTC.
int64_t toSeconds(const Fields &f);
// The date and time of a count of seconds since 1970-01-01 00:00:00 UTC.
Fields fromSeconds(int64_t seconds);

bool isLeapYear(int64_t year);
int daysInMonth(int64_t year, int month);
// True when the fields name a real day and a time from 00:00:00 to 23:59:59.
bool isValid(const Fields &f);

// Whole seconds since 1970 of a diary date (seconds since 2001), rounded down;
// false for a date that is not finite or lies outside the years 1 to 9999,
// which the CSV layouts cannot write.
bool toUnixSeconds(double secondsSince2001, int64_t *out);

} // namespace CivilTime
