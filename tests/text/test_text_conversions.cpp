#include "text/NumberLimits.h"
#include "text/TextConversions.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <tuple>

using TextConversions::boolValue;
using TextConversions::calendarDay;
using TextConversions::decimalNumberFromString;
using TextConversions::intValue;
using TextConversions::typedNumberFromString;

namespace {

std::optional<float> number(const char *text)
{
    return decimalNumberFromString(QString::fromUtf8(text));
}

// Seconds since 2001-01-01 UTC of a UTC date and time.
double utc(int y, int mo, int d, int h, int mi)
{
    return double(QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC).toSecsSinceEpoch()) - 978307200.0;
}

const QTimeZone kRome("Europe/Rome");

TEST(DecimalNumber, ReadsTheLeadingNumberRoundedOnceToTheNearestFloat)
{
    const std::pair<const char *, float> cases[] = {
        {"120", 120}, {".5", 0.5f}, {"5.", 5}, {"+3", 3}, {"-123456", -123456}, {"000600", 600},
        {"99.900002", 99.9f}, // the six-decimal form written to CSV reads back bit for bit
        {"1E-2", 0.01f}, {"2.5e+1", 25}, {"1e", 1}, {"2E-x", 2}, // an "e" without digits is not part of it
        {"  42", 42}, {"12abc", 12}, {"1.2.3", 1.2f}, {"7,5", 7}, {"1 000", 1}, // ',' is never a separator
        // Ties between two floats go to the even one; a hair above a midpoint
        // must not be read through a double first.
        {"16777217", 16777216}, {"16777219", 16777220}, {"1.00000005960464477550", std::nextafter(1.0f, 2.0f)},
        {"3.4028235e38", FLT_MAX}, {"1e-50", 0}, {"1000e-50", 0}, {"0e999999", 0},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(number(text), value) << text;
    EXPECT_TRUE(std::signbit(*number("-1e-50"))) << "a tiny value keeps its sign";
    EXPECT_GT(number("1e-40").value_or(0.0f), 0.0f) << "a subnormal float is still a value";
}

TEST(DecimalNumber, NoNumberOrBeyondTheFloatRange)
{
    for (const char *text : {"", " ", ".", "-", "+-1", "- 5", "abc", "e5", ".e5", ",5", "inf", "nan", "3.5e38", "-1e39",
                             "1e99999999999999999999", "340282350000000000000000000000000000000000", "0.0001e43"})
        EXPECT_FALSE(number(text).has_value()) << text;
}

TEST(TypedNumber, EitherSeparatorIsTheDecimalPointAndAnythingElseIsNoNumber)
{
    const std::pair<const char *, float> numbers[] = {
        {"6,5", 6.5f}, {"6.5", 6.5f}, {"99,99", 99.99f}, {"0,1", 0.1f}, {",5", 0.5f}, {"5,", 5}, {" 42 ", 42},
        {"-123456", -123456}, {"+3", 3},
        {"1.000", 1}, {"1,000", 1}, // never grouping, in any locale
    };
    for (const auto &[text, value] : numbers)
        EXPECT_EQ(typedNumberFromString(QString::fromUtf8(text)), value) << text;
    for (const char *text : {"", " ", ",", ".", "-", "6,5.1", "6..5", "6,,5", "1.234,5", "1e2", "12abc", "1 000",
                             "- 5", "+-1", "٦٫٥", "6٫5", "1000000000000000000000000000000000000000"})
        EXPECT_FALSE(typedNumberFromString(QString::fromUtf8(text)).has_value()) << text;
}

TEST(NumberLimits, AGlycemiaIsCheckedInItsUnitAndADoseTheSameInEither)
{
    using GlycemiaUnit::Unit;
    using NumberLimits::Field;
    // Which message each field tells is the edit sheet's test, where it is seen.
    const Field g = Field::Glycemia, u = Field::Unit;
    const Unit mg = Unit::MgdL, mmol = Unit::MmolL;
    const std::tuple<Field, Unit, const char *, bool> cases[] = {
        {g, mg, "600", false},       {g, mg, "600,01", true},    {g, mg, "33.4", false},   {g, mg, "0", true},
        {g, mmol, "33.3", false},    {g, mmol, "33,3", false},   {g, mmol, "33.4", true},  {g, mmol, "33,31", true},
        {g, mmol, "34", true},       {g, mmol, "100", true},     {g, mmol, "0,1", false},  {g, mmol, "0", true},
        {g, mmol, "-1", true},       {g, mmol, "5,5", false},
        // A text that is no number is left for the save to refuse.
        {g, mmol, "", false},        {g, mmol, "33,3.1", false},
        {u, mmol, "100", false},     {u, mmol, "100,5", true},   {u, mg, "34", false},     {u, mmol, "-1", true},
    };
    for (const auto &[field, unit, text, outOfRange] : cases)
        EXPECT_EQ(NumberLimits::outOfRange(field, QString::fromLatin1(text), unit), outOfRange)
            << text << (unit == mmol ? " mmol/L" : " mg/dL");
}

TEST(BoolAndIntValues, LeadingFormsAsStoredPreferencesHoldThem)
{
    for (const char *text : {"YES", "y", "true", "T", "1", "9", "-1", "  +0012", "-01", "\t7", "0y", "1cd", "Yellow"})
        EXPECT_TRUE(boolValue(QString::fromUtf8(text))) << text;
    for (const char *text : {"NO", "n", "false", "", " ", "0", "000", "0x10", "0.5", "+-1", "000-1", " + 1", "abc", "-"})
        EXPECT_FALSE(boolValue(QString::fromUtf8(text))) << text;

    const std::pair<const char16_t *, int> ints[] = {
        {u"  +0012", 12}, {u"-1", -1}, {u"12abc", 12}, {u"3.9", 3}, {u"-7e2", -7}, {u"0x10", 0}, {u"", 0}, {u" - 5", 0},
        {u"+-3", 0}, {u"YES", 0}, {u"2147483648", INT_MAX}, {u"-2147483649", INT_MIN},
        {u"99999999999999999999999999", INT_MAX}, {u"-00000000000000000000000000042", -42},
    };
    for (const auto &[text, value] : ints)
        EXPECT_EQ(intValue(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(CalendarDay, FollowsLocalMidnightAcrossClockChanges)
{
    const std::pair<double, QDate> cases[] = {
        // Summer time, UTC+2; just before midnight stays on the day, even
        // below a millisecond.
        {utc(2024, 5, 4, 21, 45), QDate(2024, 5, 4)},
        {utc(2024, 5, 4, 22, 0), QDate(2024, 5, 5)},
        {utc(2024, 5, 4, 22, 0) - 0.0004, QDate(2024, 5, 4)},
        {utc(2024, 1, 15, 23, 0), QDate(2024, 1, 16)}, // winter, UTC+1
        // 31 March 2024, a 23-hour day from 23:00 to 22:00 UTC.
        {utc(2024, 3, 30, 22, 59), QDate(2024, 3, 30)},
        {utc(2024, 3, 30, 23, 0), QDate(2024, 3, 31)},
        {utc(2024, 3, 31, 22, 0), QDate(2024, 4, 1)},
        // 27 October 2024, a 25-hour day.
        {utc(2024, 10, 26, 22, 0), QDate(2024, 10, 27)},
        {utc(2024, 10, 27, 22, 45), QDate(2024, 10, 27)},
        {utc(2024, 10, 27, 23, 0), QDate(2024, 10, 28)},
        {-0.5, QDate(2001, 1, 1)},
    };
    for (const auto &[instant, day] : cases)
        EXPECT_EQ(calendarDay(instant, kRome), day) << instant;
    EXPECT_EQ(calendarDay(utc(2013, 5, 4, 23, 30), QTimeZone("America/New_York")), QDate(2013, 5, 4));
    EXPECT_EQ(calendarDay(-0.5, QTimeZone::utc()), QDate(2000, 12, 31)) << "before 2001 counts down";
    for (double bad : {std::nan(""), double(INFINITY), 1e300})
        EXPECT_FALSE(calendarDay(bad, kRome).isValid());
    if (QTimeZone::systemTimeZoneId() == "Europe/Rome") {
        EXPECT_EQ(calendarDay(utc(2024, 5, 4, 22, 30)), QDate(2024, 5, 5)) << "the system zone by default";
    }
}

} // namespace
