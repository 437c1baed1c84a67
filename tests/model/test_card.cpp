#include "model/ZRGlycemicCard.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Card, PlainCardHoldsZeroValues)
{
    const ZRGlycemicCard c;
    EXPECT_EQ(c.idCard(), 0u);
    EXPECT_FALSE(c.dateCreation() || c.dateEditing() || c.dateMeasurement());
    EXPECT_FALSE(c.isProtect() || c.isPreMeal() || c.isTherapy());
    EXPECT_FALSE(c.nameMeal() || c.nameInsulin() || c.notes());
    EXPECT_EQ(c.glycemiaValue(), 0.0f);
    EXPECT_EQ(c.unitValue(), 0.0f);
}

TEST(Card, CopyCarriesAllTwelveValues)
{
    const ZRGlycemicCard source(42, 1.5, 2.25, 3.125, true, false, true, QStringLiteral("POPUP_MEAL_LUNCH"),
                                QStringLiteral("POPUP_INSULIN_SLOW"), QStringLiteral("note"), 101.5f, 4.5f);
    const ZRGlycemicCard copy = ZRGlycemicCard::initWithObject(source);
    EXPECT_TRUE(copy == source);
    for (const QString &name : ZRGlycemicCard::propertyNames())
        EXPECT_EQ(copy.valueForKey(name), source.valueForKey(name)) << name.toStdString();
}

TEST(Card, PropertyAccessByName)
{
    ZRGlycemicCard c;
    EXPECT_TRUE(c.setValueForKey(QStringLiteral("glycemiaValue"), 98.5));
    EXPECT_EQ(c.glycemiaValue(), 98.5f);
    EXPECT_TRUE(c.setValueForKey(QStringLiteral("isPreMeal"), true));
    EXPECT_TRUE(c.isPreMeal());
    EXPECT_TRUE(c.setValueForKey(QStringLiteral("notes"), QStringLiteral("ok")));
    EXPECT_EQ(c.notes(), QStringLiteral("ok"));
    EXPECT_TRUE(c.setValueForKey(QStringLiteral("notes"), QVariant()));
    EXPECT_FALSE(c.notes().has_value());
    EXPECT_TRUE(c.setValueForKey(QStringLiteral("idCard"), QVariant::fromValue<quint64>(18446744073709551615ull)));
    EXPECT_EQ(c.idCard(), 18446744073709551615ull);

    // A date may come as a date and time or as the stored seconds.
    const QDateTime when(QDate(2001, 1, 2), QTime(0, 0), Qt::UTC);
    EXPECT_TRUE(c.setValueForKey(QStringLiteral("dateMeasurement"), when));
    EXPECT_EQ(c.dateMeasurement(), 86400.0);
    EXPECT_EQ(c.valueForKey(QStringLiteral("dateMeasurement")).toDouble(), 86400.0);
    EXPECT_TRUE(c.setValueForKey(QStringLiteral("dateMeasurement"), QVariant()));
    EXPECT_TRUE(c.valueForKey(QStringLiteral("dateMeasurement")).isNull());

    // What does not convert changes nothing.
    EXPECT_FALSE(c.setValueForKey(QStringLiteral("glycemiaValue"), QStringLiteral("abc")));
    EXPECT_EQ(c.glycemiaValue(), 98.5f);
    EXPECT_FALSE(c.setValueForKey(QStringLiteral("dateCreation"), std::nan("")));
    EXPECT_FALSE(c.dateCreation().has_value());
    EXPECT_FALSE(c.setValueForKey(QStringLiteral("noSuchProperty"), 1));
    EXPECT_FALSE(c.valueForKey(QStringLiteral("noSuchProperty")).isValid());
}

TEST(Card, DatesConvertBothWays)
{
    const QDateTime epoch(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    EXPECT_EQ(CardDates::toDateTime(0.0), epoch);
    EXPECT_EQ(CardDates::fromDateTime(epoch.addMSecs(1500)), 1.5);
    EXPECT_EQ(CardDates::toDateTime(-978307200.0), QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_FALSE(CardDates::toDateTime(std::nan("")).isValid());
    EXPECT_FALSE(CardDates::toDateTime(1e300).isValid());
}

} // namespace
