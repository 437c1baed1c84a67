#include "text/ValueFormatter.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

struct Case {
    float value;
    const char *shown;
};

void expectShown(const ValueFormatter &f, std::initializer_list<Case> cases)
{
    for (const Case &c : cases)
        EXPECT_EQ(f.format(c.value).toStdString(), c.shown) << c.value;
}

const ValueFormatter en(QLocale(QStringLiteral("en_US")));

TEST(ValueFormatter, TwoDecimalsAtMostRoundedFromTheExactFloat)
{
    expectShown(en, {{98.456f, "98.46"}, {120.0f, "120"}, {7.5f, "7.5"}, {0.1f, "0.1"}, {99.9f, "99.9"},
                     {100.0f / 18.0f, "5.56"}, {0.0f, "0"}, {0.001f, "0"},
                     // Exact binary halves at the third decimal go to the even
                     // neighbour.
                     {0.125f, "0.12"}, {0.375f, "0.38"}, {1048576.125f, "1,048,576.12"}, {8388607.5f, "8,388,607.5"},
                     // Decimal halves are not halves in binary: the float decides.
                     {2.675f, "2.67"}, {1.005f, "1"}, {0.135f, "0.14"}, {1.115f, "1.12"},
                     // Nothing left after rounding is a plain zero.
                     {-7.5f, "-7.5"}, {-0.125f, "-0.12"}, {-0.0f, "0"}, {-0.005f, "0"},
                     {16777216.0f, "16,777,216"}, {NAN, "NaN"}, {INFINITY, "∞"}, {-INFINITY, "-∞"}, {FLT_MIN, "0"}});
    const QString huge = en.format(FLT_MAX);
    EXPECT_TRUE(huge.startsWith(QStringLiteral("340,282,3")) && huge.count(u',') == 12 && !huge.contains(u'.'))
        << huge.toStdString();
}

TEST(ValueFormatter, SeparatorsAndOptionsOfTheLocale)
{
    expectShown(ValueFormatter(QLocale(QStringLiteral("it_IT"))),
                {{1234.5f, "1.234,5"}, {98.456f, "98,46"}, {120.0f, "120"}, {-1234.5f, "-1.234,5"}});
    expectShown(ValueFormatter(QLocale(QStringLiteral("de_DE"))), {{1234567.25f, "1.234.567,25"}});
    expectShown(en, {{1234.5f, "1,234.5"}, {999.0f, "999"}});
    QLocale noGrouping(QStringLiteral("en_US"));
    noGrouping.setNumberOptions(QLocale::OmitGroupSeparator);
    expectShown(ValueFormatter(noGrouping), {{1234.5f, "1234.5"}});
    expectShown(ValueFormatter(QLocale::c()), {{1234.5f, "1234.5"}});
}

TEST(ValueFormatter, AGlycemiaInMmolPerLitreHasExactlyOneDecimal)
{
    using GlycemiaUnit::Unit;
    const ValueFormatter it(QLocale(QStringLiteral("it_IT")));
    struct Glycemia {
        const ValueFormatter &formatter;
        float mgdl;
        const char *mgdlShown;
        const char *mmolShown;
    };
    const Glycemia cases[] = {
        // mg/dL as every other value; mmol/L is a 18th, one decimal kept even
        // when it is a zero.
        {en, 100.0f, "100", "5.6"},          {en, 99.0f, "99", "5.5"},            {en, 108.0f, "108", "6.0"},
        {en, 98.456f, "98.46", "5.5"},       {en, 600.0f, "600", "33.3"},         {en, 1.0f, "1", "0.1"},
        {en, 0.5f, "0.5", "0.0"},            {en, 0.0f, "0", "0.0"},              {en, -0.5f, "-0.5", "0.0"},
        {en, 1234.567f, "1,234.57", "68.6"}, {en, 20000.0f, "20,000", "1,111.1"}, {en, NAN, "NaN", "NaN"},
        {it, 100.0f, "100", "5,6"},          {it, 98.456f, "98,46", "5,5"},       {it, 20000.0f, "20.000", "1.111,1"},
    };
    for (const Glycemia &c : cases) {
        EXPECT_EQ(c.formatter.formatGlycemia(c.mgdl, Unit::MgdL).toStdString(), c.mgdlShown) << c.mgdl;
        EXPECT_EQ(c.formatter.formatGlycemia(c.mgdl, Unit::MmolL).toStdString(), c.mmolShown) << c.mgdl;
    }
    // The program's own conversion, and its inverse.
    EXPECT_EQ(GlycemiaUnit::shown(100.0f, Unit::MmolL), 100.0f / 18.0f);
    EXPECT_EQ(GlycemiaUnit::kept(5.5f, Unit::MmolL), 99.0f);
    EXPECT_EQ(GlycemiaUnit::kept(5.5f, Unit::MgdL), 5.5f);
    EXPECT_EQ(GlycemiaUnit::fromName(GlycemiaUnit::name(Unit::MmolL)), Unit::MmolL);
    EXPECT_EQ(GlycemiaUnit::fromName(GlycemiaUnit::name(Unit::MgdL)), Unit::MgdL);
    for (const char *other : {"mmol", "MMOL/L", "", "mg/dl"})
        EXPECT_EQ(GlycemiaUnit::fromName(QString::fromLatin1(other)), Unit::MgdL) << other;
}

} // namespace
