#include "view/Statistics.h"

#include "text/StringTable.h"
#include "text/ValueFormatter.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Statistics;

namespace {

const QString breakfast = QStringLiteral("POPUP_MEAL_BREAKFAST");
const QString lunch = QStringLiteral("POPUP_MEAL_LUNCH");
const QString dinner = QStringLiteral("POPUP_MEAL_DINNER");

CardRef measurement(float value, const CardText &meal = std::nullopt, bool preMeal = false)
{
    auto c = std::make_shared<ZRGlycemicCard>();
    c->setGlycemiaValue(value);
    c->setNameMeal(meal);
    c->setIsPreMeal(preMeal);
    return c;
}

CardRef therapy(float units, const CardText &meal)
{
    auto c = std::make_shared<ZRGlycemicCard>();
    c->setIsTherapy(true);
    c->setUnitValue(units);
    c->setNameMeal(meal);
    return c;
}

// The figures as the panel shows them in en_US, so that a failure reads as
// the panel would.
std::vector<std::string> shown(const CardList &view)
{
    static const ValueFormatter formatter(QLocale(QStringLiteral("en_US")));
    static const StringTable table = StringTable::forLanguage(QStringLiteral("en_US"));
    const Figures f = calculatesStatistics(view);
    std::vector<std::string> out;
    for (const auto &v : f.values)
        out.push_back(figureText(v, formatter, table).toStdString());
    return out;
}

using Row = std::vector<std::string>;
const std::string na = "n/a";

TEST(Statistics, EmptyViewAndTherapiesOnly)
{
    EXPECT_EQ(shown({}), Row(12, na));

    // Therapy cards never touch a glycemia figure, not even with a glycemia
    // value set; each unit field shows its meal's mean dose.
    CardRef odd = therapy(3.0f, lunch);
    odd->setGlycemiaValue(250.0f);
    odd->setIsPreMeal(true);
    EXPECT_EQ(shown({therapy(4.0f, breakfast), therapy(6.0f, breakfast), therapy(8.0f, breakfast), odd,
                     therapy(5.0f, QStringLiteral("POPUP_MEAL_BASAL")), therapy(7.0f, std::nullopt)}),
              (Row{na, na, na, na, na, "6", na, na, "3", na, na, na}));

    // Measurements only: no unit figure, whatever their unitValue holds.
    CardRef m = measurement(100.0f, dinner, true);
    m->setUnitValue(10.0f);
    EXPECT_EQ(shown({m}), (Row{"100", "100", "100", na, na, na, na, na, na, "100", na, na}));
}

TEST(Statistics, MealsPreAndPost)
{
    EXPECT_EQ(shown({measurement(100.0f, breakfast, true), measurement(121.0f, breakfast, true)}),
              (Row{"100", "110.5", "121", "110.5", na, na, na, na, na, na, na, na}));

    const CardList all = {measurement(90.0f, breakfast, true),  measurement(150.0f, breakfast, false),
                          measurement(95.0f, lunch, true),      measurement(170.0f, lunch, false),
                          measurement(101.0f, dinner, true),    measurement(180.0f, dinner, false),
                          measurement(182.0f, dinner, false),   therapy(6.0f, breakfast),
                          therapy(8.0f, lunch),                 therapy(10.5f, dinner)};
    EXPECT_EQ(shown(all), (Row{"90", "138.29", "182", "90", "150", "6", "95", "170", "8", "101", "181", "10.5"}));
}

TEST(Statistics, OtherMealsCountOnlyForTheOverallFigures)
{
    // Control, basal, correction, no meal, a text that is no key, and a key
    // in the wrong case: none of them is breakfast, lunch or dinner.
    const CardList view = {measurement(80.0f, QStringLiteral("POPUP_MEAL_CONTROL"), true),
                           measurement(200.0f, QStringLiteral("POPUP_MEAL_CORRECTION")),
                           measurement(120.0f, std::nullopt, true),
                           measurement(130.0f, QStringLiteral("Breakfast"), true),
                           measurement(140.0f, QStringLiteral("popup_meal_lunch"), true),
                           measurement(150.0f, QString(), false)};
    EXPECT_EQ(shown(view), (Row{"80", "136.67", "200", na, na, na, na, na, na, na, na, na}));
}

TEST(Statistics, ThresholdsOfTheTests)
{
    // Before breakfast a mean of 1 is not shown; before lunch it is.
    EXPECT_EQ(shown({measurement(1.0f, breakfast, true)}), (Row{"1", "1", "1", na, na, na, na, na, na, na, na, na}));
    EXPECT_EQ(shown({measurement(1.0f, lunch, true)}), (Row{"1", "1", "1", na, na, na, "1", na, na, na, na, na}));
    EXPECT_EQ(shown({measurement(1.5f, breakfast, true)})[BreakfastPre], "1.5");

    // The lowest starts at 9999 and only a smaller value replaces it.
    EXPECT_EQ(shown({measurement(9999.0f), measurement(12000.0f)}),
              (Row{na, "10,999.5", "12,000", na, na, na, na, na, na, na, na, na}));
    EXPECT_EQ(shown({measurement(9998.5f)})[GenericMin], "9,998.5");

    // All at 0: the lowest shows 0, the mean and the highest do not.
    EXPECT_EQ(shown({measurement(0.0f, lunch, false), measurement(0.0f)}), (Row{"0", na, na, na, na, na, na, na, na, na, na, na}));

    // Negative doses cancelling out leave a mean of 0, which is not shown.
    EXPECT_EQ(shown({therapy(-2.0f, dinner), therapy(2.0f, dinner)})[DinnerUnit], na);
}

TEST(Statistics, SumsAreSinglePrecisionInViewOrder)
{
    // 2^24 is where float stops holding every integer: 2^24 + 1 rounds back
    // to 2^24, so a double sum would give a different mean.
    const float big = 16777216.0f;
    const Figures two = calculatesStatistics({measurement(big), measurement(1.0f)});
    EXPECT_EQ(*two[GenericMid], 8388608.0f); // a double sum gives 8388608.5
    EXPECT_EQ(*two[GenericMin], 1.0f);

    // The same three values in another order sum differently.
    EXPECT_EQ(shown({measurement(big), measurement(1.0f), measurement(1.0f)})[GenericMid], "5,592,405.5");
    EXPECT_EQ(shown({measurement(1.0f), measurement(1.0f), measurement(big)})[GenericMid], "5,592,406");

}

TEST(Statistics, ValuesThatAreNotNumbersAreLeftOut)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(shown({measurement(nan, breakfast, true), measurement(100.0f, breakfast, true),
                     measurement(120.0f, breakfast, true), therapy(nan, lunch), therapy(4.0f, lunch)}),
              (Row{"100", "110", "120", "110", na, na, na, na, "4", na, na, na}));
    EXPECT_EQ(shown({measurement(nan), therapy(nan, dinner)}), Row(12, na));
}

TEST(Statistics, FigureTextFollowsTheLocale)
{
    const ValueFormatter en(QLocale(QStringLiteral("en_US")));
    const ValueFormatter it(QLocale(QStringLiteral("it_IT")));
    const StringTable enTable = StringTable::forLanguage(QStringLiteral("en_US"));
    const StringTable itTable = StringTable::forLanguage(QStringLiteral("it_IT"));
    EXPECT_EQ(figureText(1234.5f, en, enTable), QStringLiteral("1,234.5"));
    EXPECT_EQ(figureText(1234.5f, it, itTable), QStringLiteral("1.234,5"));
    EXPECT_EQ(figureText(98.456f, it, itTable), QStringLiteral("98,46"));
    EXPECT_EQ(figureText(std::nullopt, en, enTable), QStringLiteral("n/a"));
    EXPECT_EQ(figureText(std::nullopt, it, itTable), QStringLiteral("n.d."));
}

TEST(Statistics, InMmolPerLitreTheGlycemiaFiguresAreAnEighteenthAndTheDosesStay)
{
    const ValueFormatter en(QLocale(QStringLiteral("en_US")));
    const StringTable table = StringTable::forLanguage(QStringLiteral("en_US"));
    const Figures f = calculatesStatistics({measurement(100.0f, breakfast, true), measurement(117.0f, breakfast, true),
                                            measurement(180.0f, dinner, false), therapy(4.5f, breakfast)});
    std::vector<std::string> mgdl, mmol;
    for (int i = 0; i < FigureCount; ++i) {
        mgdl.push_back(figureText(f, Figure(i), en, table, GlycemiaUnit::Unit::MgdL).toStdString());
        mmol.push_back(figureText(f, Figure(i), en, table, GlycemiaUnit::Unit::MmolL).toStdString());
    }
    EXPECT_EQ(mgdl, (Row{"100", "132.33", "180", "108.5", na, "4.5", na, na, na, na, "180", na}));
    EXPECT_EQ(mmol, (Row{"5.6", "7.4", "10.0", "6.0", na, "4.5", na, na, na, na, "10.0", na}));
    for (int i = 0; i < FigureCount; ++i)
        EXPECT_EQ(isGlycemia(Figure(i)), i % 3 != 2 || i < 3) << i;
}

} // namespace
