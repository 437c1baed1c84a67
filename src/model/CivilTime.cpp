#include "model/CivilTime.h"

#include "model/ZRGlycemicCard.h"

#include <cmath>

namespace CivilTime {

// The day-count conversions count in eras of 400 years, which repeat the
// Gregorian calendar exactly; March is taken as the first month so that the
// leap day falls at the end of the year.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

int64_t toSeconds(const Fields &f)
{
    return daysFromCivil(f.year, static_cast<unsigned>(f.month), static_cast<unsigned>(f.day)) * 86400
           + f.hour * 3600 + f.minute * 60 + f.second;
}

Fields fromSeconds(int64_t seconds)
{
    int64_t days = seconds / 86400;
    int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    Fields f;
    f.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    f.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    f.year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (f.month <= 2));
    f.hour = static_cast<int>(rest / 3600);
    f.minute = static_cast<int>(rest / 60 % 60);
    f.second = static_cast<int>(rest % 60);
    return f;
}

bool isLeapYear(int64_t y)
{
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int daysInMonth(int64_t year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isValid(const Fields &f)
{
    return f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= daysInMonth(f.year, f.month) && f.hour >= 0
           && f.hour <= 23 && f.minute >= 0 && f.minute <= 59 && f.second >= 0 && f.second <= 59;
}

bool toUnixSeconds(double secondsSince2001, int64_t *out)
{
    // 0001-01-01 and 10000-01-01, in seconds since 1970.
    constexpr double first = -62135596800.0;
    constexpr double pastLast = 253402300800.0;
    const double unix = std::floor(secondsSince2001) + CardDates::kUnixToReferenceSeconds;
    if (!(unix >= first && unix < pastLast))
        return false;
    *out = static_cast<int64_t>(unix);
    return true;
}

} // namespace CivilTime
