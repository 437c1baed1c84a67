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

} // namespace
