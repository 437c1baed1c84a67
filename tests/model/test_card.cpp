#include "model/ZRGlycemicCard.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Card, PlainAndCopiedCards)
{
    EXPECT_TRUE(ZRGlycemicCard() == ZRGlycemicCard(0, std::nullopt, std::nullopt, std::nullopt, false, false, false,
                                                   std::nullopt, std::nullopt, std::nullopt, 0.0f, 0.0f));
    const ZRGlycemicCard source(42, 1.5, 2.25, 3.125, true, false, true, QStringLiteral("POPUP_MEAL_LUNCH"),
                                QStringLiteral("POPUP_INSULIN_SLOW"), QStringLiteral("note"), 101.5f, 4.5f);
    EXPECT_TRUE(ZRGlycemicCard::initWithObject(source) == source);
}

TEST(Card, PropertyAccessByName)
{
    // The property, the value given, whether it is stored, what the property reads afterwards.
    struct Case { const char *name; QVariant value; bool stored; QVariant after; };
    const quint64 top = 18446744073709551615ull;
    const QDateTime when(QDate(2001, 1, 2), QTime(0, 0), Qt::UTC);
    const Case cases[] = {
        {"glycemiaValue", 98.5, true, 98.5f}, {"isPreMeal", true, true, true},
        {"notes", QStringLiteral("ok"), true, QStringLiteral("ok")}, {"notes", QVariant(), true, QVariant()},
        {"idCard", QVariant::fromValue(top), true, QVariant::fromValue(top)},
        // A date may come as a date and time or as the stored seconds.
        {"dateMeasurement", when, true, 86400.0}, {"dateEditing", 1.5, true, 1.5},
        {"dateMeasurement", QVariant(), true, QVariant()},
        // What does not convert changes nothing.
        {"glycemiaValue", QStringLiteral("abc"), false, 98.5f}, {"dateCreation", std::nan(""), false, QVariant()},
        {"noSuchProperty", 1, false, QVariant()},
    };
    ZRGlycemicCard c;
    for (const Case &k : cases) {
        SCOPED_TRACE(std::string(k.name) + " = " + k.value.toString().toStdString());
        EXPECT_EQ(c.setValueForKey(QLatin1String(k.name), k.value), k.stored);
        EXPECT_EQ(c.valueForKey(QLatin1String(k.name)), k.after);
    }
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
