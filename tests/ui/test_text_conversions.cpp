#include "ui/TextConversions.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

using TextConversions::boolValue;
using TextConversions::calendarDay;
using TextConversions::decimalNumberFromString;
using TextConversions::intValue;

namespace {

std::optional<float> number(const char *text)
{
    return decimalNumberFromString(QString::fromUtf8(text));
}

// Seconds since 2001-01-01 UTC of a UTC date and time.
double utc(int y, int mo, int d, int h, int mi, int s = 0)
{
    const QDateTime t(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
    return double(t.toSecsSinceEpoch()) - 978307200.0;
}

const QTimeZone &rome()
{
    static const QTimeZone zone("Europe/Rome");
    return zone;
}

TEST(DecimalNumber, ReadsPlainDecimals)
{
    EXPECT_EQ(number("120"), 120.0f);
    EXPECT_EQ(number("7.5"), 7.5f);
    EXPECT_EQ(number("0.1"), 0.1f);
    EXPECT_EQ(number(".5"), 0.5f);
    EXPECT_EQ(number("5."), 5.0f);
    EXPECT_EQ(number("+3"), 3.0f);
    EXPECT_EQ(number("-123456"), -123456.0f);
    EXPECT_EQ(number("000600"), 600.0f);
    EXPECT_EQ(number("99.900002"), 99.9f) << "the six-decimal form written to CSV reads back bit for bit";
}

TEST(DecimalNumber, ReadsExponents)
{
    EXPECT_EQ(number("1e3"), 1000.0f);
    EXPECT_EQ(number("1E-2"), 0.01f);
    EXPECT_EQ(number("2.5e+1"), 25.0f);
    // An "e" without digits after it is not part of the number.
    EXPECT_EQ(number("1e"), 1.0f);
    EXPECT_EQ(number("1e+"), 1.0f);
    EXPECT_EQ(number("2E-x"), 2.0f);
}

TEST(DecimalNumber, ReadsTheLeadingNumberOnly)
{
    EXPECT_EQ(number("  42"), 42.0f);
    EXPECT_EQ(number("12abc"), 12.0f);
    EXPECT_EQ(number("1.2.3"), 1.2f);
    EXPECT_EQ(number("3.9."), 3.9f);
    EXPECT_EQ(number("7,5"), 7.0f) << "',' is never a decimal separator";
    EXPECT_EQ(number("1 000"), 1.0f);
}

TEST(DecimalNumber, TextWithoutANumberIsNotANumber)
{
    for (const char *text : {"", " ", ".", "-", "+", "+-1", "--1", "- 5", "abc", "abcdefg", "e5", ".e5", ",5", "inf",
                             "nan", "Infinity"})
        EXPECT_FALSE(number(text).has_value()) << text;
}

TEST(DecimalNumber, RoundsOnceToTheNearestFloat)
{
    // Ties between two floats go to the even one.
    EXPECT_EQ(number("16777217"), 16777216.0f);
    EXPECT_EQ(number("16777219"), 16777220.0f);
    // A hair above the midpoint of 1 and the next float: reading through a
    // double first would land on the midpoint and round down to 1.
    EXPECT_EQ(number("1.00000005960464477550"), std::nextafter(1.0f, 2.0f));
    EXPECT_EQ(number("0.1000000000000000000000000000000000000001"), 0.1f);
}

TEST(DecimalNumber, RefusesValuesBeyondTheFloatRange)
{
    EXPECT_EQ(number("3.4028235e38"), FLT_MAX);
    EXPECT_FALSE(number("3.5e38").has_value());
    EXPECT_FALSE(number("1e39").has_value());
    EXPECT_FALSE(number("-1e39").has_value());
    EXPECT_FALSE(number("1e99999999999999999999").has_value());
    EXPECT_FALSE(number("340282350000000000000000000000000000000000").has_value());
    EXPECT_FALSE(number("0.0001e43").has_value());
}

TEST(DecimalNumber, TinyValuesReadAsZeroOfTheirSign)
{
    const auto down = number("1e-50");
    ASSERT_TRUE(down.has_value());
    EXPECT_EQ(*down, 0.0f);
    EXPECT_FALSE(std::signbit(*down));
    const auto negative = number("-0.00000000000000000000000000000000000000000000000001");
    ASSERT_TRUE(negative.has_value());
    EXPECT_EQ(*negative, 0.0f);
    EXPECT_TRUE(std::signbit(*negative));
    EXPECT_EQ(number("1000e-50"), 0.0f);
    EXPECT_GT(number("1e-40").value_or(0.0f), 0.0f) << "a subnormal float is still a value";
    EXPECT_EQ(number("0e999999"), 0.0f);
}

TEST(BoolValue, TrueForms)
{
    for (const char *text : {"YES", "yes", "Y", "y", "true", "T", "t", "1", "9", "-1", "  +0012", "-01", " 1", "\t7",
                             "0y", "1cd", "Yellow"})
        EXPECT_TRUE(boolValue(QString::fromUtf8(text))) << text;
}

TEST(BoolValue, FalseForms)
{
    for (const char *text : {"NO", "no", "N", "false", "F", "", " ", "0", "000", "0x10", "0.5", "+-1", "--1", "000-1",
                             " + 1", "abc", "-", "+"})
        EXPECT_FALSE(boolValue(QString::fromUtf8(text))) << text;
}

TEST(IntValue, ReadsTheLeadingInteger)
{
    EXPECT_EQ(intValue(u"  +0012"), 12);
    EXPECT_EQ(intValue(u"-1"), -1);
    EXPECT_EQ(intValue(u"2"), 2);
    EXPECT_EQ(intValue(u"12abc"), 12);
    EXPECT_EQ(intValue(u"3.9"), 3);
    EXPECT_EQ(intValue(u"-7e2"), -7);
    EXPECT_EQ(intValue(u"0x10"), 0);
}

TEST(IntValue, ZeroWithoutDigits)
{
    for (const char16_t *text : {u"", u" ", u"-", u"+", u"abc", u" - 5", u"+-3", u"YES"})
        EXPECT_EQ(intValue(text), 0) << QString::fromUtf16(text).toStdString();
}

TEST(IntValue, ClampsToTheIntRange)
{
    EXPECT_EQ(intValue(u"2147483647"), INT_MAX);
    EXPECT_EQ(intValue(u"2147483648"), INT_MAX);
    EXPECT_EQ(intValue(u"-2147483648"), INT_MIN);
    EXPECT_EQ(intValue(u"-2147483649"), INT_MIN);
    EXPECT_EQ(intValue(u"99999999999999999999999999"), INT_MAX);
    EXPECT_EQ(intValue(u"-00000000000000000000000000042"), -42);
}

TEST(CalendarDay, FollowsLocalMidnight)
{
    // Summer time, UTC+2: 23:45 local is still the 4th, 00:00 is the 5th.
    EXPECT_EQ(calendarDay(utc(2024, 5, 4, 21, 45), rome()), QDate(2024, 5, 4));
    EXPECT_EQ(calendarDay(utc(2024, 5, 4, 22, 0), rome()), QDate(2024, 5, 5));
    // Just before midnight stays on the day, even below a millisecond.
    EXPECT_EQ(calendarDay(utc(2024, 5, 4, 22, 0) - 0.0004, rome()), QDate(2024, 5, 4));
    // Winter time, UTC+1.
    EXPECT_EQ(calendarDay(utc(2024, 1, 15, 22, 45), rome()), QDate(2024, 1, 15));
    EXPECT_EQ(calendarDay(utc(2024, 1, 15, 23, 0), rome()), QDate(2024, 1, 16));
}

TEST(CalendarDay, AcrossSummerTimeChanges)
{
    // 31 March 2024: clocks go from 02:00 to 03:00. The day starts at
    // 23:00 UTC the evening before and ends at 22:00 UTC.
    EXPECT_EQ(calendarDay(utc(2024, 3, 30, 22, 59), rome()), QDate(2024, 3, 30));
    EXPECT_EQ(calendarDay(utc(2024, 3, 30, 23, 0), rome()), QDate(2024, 3, 31));
    EXPECT_EQ(calendarDay(utc(2024, 3, 31, 21, 45), rome()), QDate(2024, 3, 31));
    EXPECT_EQ(calendarDay(utc(2024, 3, 31, 22, 0), rome()), QDate(2024, 4, 1));
    // 27 October 2024: clocks go back from 03:00 to 02:00; a 25-hour day.
    EXPECT_EQ(calendarDay(utc(2024, 10, 26, 21, 59), rome()), QDate(2024, 10, 26));
    EXPECT_EQ(calendarDay(utc(2024, 10, 26, 22, 0), rome()), QDate(2024, 10, 27));
    EXPECT_EQ(calendarDay(utc(2024, 10, 27, 22, 45), rome()), QDate(2024, 10, 27));
    EXPECT_EQ(calendarDay(utc(2024, 10, 27, 23, 0), rome()), QDate(2024, 10, 28));
}

TEST(CalendarDay, OtherZonesAndInstants)
{
    const double instant = utc(2013, 5, 4, 23, 30);
    EXPECT_EQ(calendarDay(instant, QTimeZone::utc()), QDate(2013, 5, 4));
    EXPECT_EQ(calendarDay(instant, rome()), QDate(2013, 5, 5));
    EXPECT_EQ(calendarDay(instant, QTimeZone("America/New_York")), QDate(2013, 5, 4));
    EXPECT_EQ(calendarDay(0.0, QTimeZone::utc()), QDate(2001, 1, 1));
    EXPECT_EQ(calendarDay(-0.5, QTimeZone::utc()), QDate(2000, 12, 31)) << "before 2001 counts down";
    EXPECT_EQ(calendarDay(-0.5, rome()), QDate(2001, 1, 1));
    EXPECT_FALSE(calendarDay(std::nan(""), rome()).isValid());
    EXPECT_FALSE(calendarDay(INFINITY, rome()).isValid());
    EXPECT_FALSE(calendarDay(1e300, rome()).isValid());
}

TEST(CalendarDay, DefaultsToTheSystemZone)
{
    if (QTimeZone::systemTimeZoneId() != "Europe/Rome")
        GTEST_SKIP() << "needs TZ=Europe/Rome";
    // 22:30 UTC is already the next day in Rome.
    EXPECT_EQ(calendarDay(utc(2024, 5, 4, 22, 30)), QDate(2024, 5, 5));
}

} // namespace
