#include "ui/ValueFormatter.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

const ValueFormatter &en()
{
    static const ValueFormatter f(QLocale(QStringLiteral("en_US")));
    return f;
}

const ValueFormatter &it()
{
    static const ValueFormatter f(QLocale(QStringLiteral("it_IT")));
    return f;
}

std::string show(const ValueFormatter &f, float v)
{
    return f.format(v).toStdString();
}

TEST(ValueFormatter, TwoDecimalsAtMostAndNoTrailingZeros)
{
    EXPECT_EQ(show(en(), 98.456f), "98.46");
    EXPECT_EQ(show(en(), 120.0f), "120");
    EXPECT_EQ(show(en(), 7.5f), "7.5");
    EXPECT_EQ(show(en(), 7.256f), "7.26");
    EXPECT_EQ(show(en(), 110.5f), "110.5");
    EXPECT_EQ(show(en(), 6.0f), "6");
    EXPECT_EQ(show(en(), 0.1f), "0.1");
    EXPECT_EQ(show(en(), 99.9f), "99.9");
    EXPECT_EQ(show(en(), 100.0f / 18.0f), "5.56");
    EXPECT_EQ(show(en(), 0.0f), "0");
    EXPECT_EQ(show(en(), 0.001f), "0");
}

TEST(ValueFormatter, RoundsTheExactFloatHalfToEven)
{
    // Exact binary halves at the third decimal go to the even neighbour.
    EXPECT_EQ(show(en(), 0.125f), "0.12");
    EXPECT_EQ(show(en(), 0.375f), "0.38");
    EXPECT_EQ(show(en(), 0.625f), "0.62");
    EXPECT_EQ(show(en(), 0.875f), "0.88");
    EXPECT_EQ(show(en(), 1.125f), "1.12");
    EXPECT_EQ(show(en(), 1048576.125f), "1,048,576.12");
    EXPECT_EQ(show(en(), 8388607.5f), "8,388,607.5");
    // Decimal halves are not halves in binary: the float decides.
    EXPECT_EQ(show(en(), 2.675f), "2.67");  // 2.67499995...
    EXPECT_EQ(show(en(), 1.005f), "1");     // 1.00499999...
    EXPECT_EQ(show(en(), 0.015f), "0.01");  // 0.01499999...
    EXPECT_EQ(show(en(), 0.135f), "0.14");  // 0.13500000...5
    EXPECT_EQ(show(en(), 0.045f), "0.05");  // 0.04500000...2
    EXPECT_EQ(show(en(), 1.115f), "1.12");  // 1.11500000...9
}

TEST(ValueFormatter, LocaleSeparators)
{
    EXPECT_EQ(show(en(), 1234.5f), "1,234.5");
    EXPECT_EQ(show(it(), 1234.5f), "1.234,5");
    EXPECT_EQ(show(it(), 7.5f), "7,5");
    EXPECT_EQ(show(it(), 98.456f), "98,46");
    EXPECT_EQ(show(it(), 120.0f), "120");
    const ValueFormatter de(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(show(de, 1234.5f), "1.234,5");
    EXPECT_EQ(show(de, 1234567.25f), "1.234.567,25");
    EXPECT_EQ(show(en(), 1234567.0f), "1,234,567");
    EXPECT_EQ(show(en(), 999.0f), "999");
}

TEST(ValueFormatter, FollowsTheLocaleNumberOptions)
{
    QLocale noGrouping(QStringLiteral("en_US"));
    noGrouping.setNumberOptions(QLocale::OmitGroupSeparator);
    EXPECT_EQ(show(ValueFormatter(noGrouping), 1234.5f), "1234.5");
    // The C locale groups nothing and uses ".".
    EXPECT_EQ(show(ValueFormatter(QLocale::c()), 1234.5f), "1234.5");
}

TEST(ValueFormatter, NegativeValues)
{
    EXPECT_EQ(show(en(), -7.5f), "-7.5");
    EXPECT_EQ(show(en(), -0.125f), "-0.12");
    EXPECT_EQ(show(it(), -1234.5f), "-1.234,5");
    // Nothing left after rounding shows as a plain zero.
    EXPECT_EQ(show(en(), -0.0f), "0");
    EXPECT_EQ(show(en(), -0.001f), "0");
    EXPECT_EQ(show(en(), -0.005f), "0");
}

TEST(ValueFormatter, LargeAndNonFiniteValues)
{
    EXPECT_EQ(show(en(), 16777216.0f), "16,777,216");
    const QString huge = en().format(FLT_MAX);
    EXPECT_TRUE(huge.startsWith(QStringLiteral("340,282,3"))) << huge.toStdString();
    EXPECT_EQ(huge.count(u','), 12) << huge.toStdString();
    EXPECT_FALSE(huge.contains(u'.'));
    EXPECT_EQ(show(en(), NAN), "NaN");
    EXPECT_EQ(show(en(), INFINITY), "∞");
    EXPECT_EQ(show(en(), -INFINITY), "-∞");
    EXPECT_EQ(show(en(), FLT_MIN), "0");
}

TEST(ValueFormatter, ConvenienceUsesTheDefaultLocale)
{
    if (QLocale().name() != QStringLiteral("en_US"))
        GTEST_SKIP() << "needs LC_ALL=en_US.UTF-8";
    EXPECT_EQ(formatValue(1234.5f).toStdString(), "1,234.5");
    EXPECT_EQ(formatValue(0.125f).toStdString(), "0.12");
}

} // namespace
