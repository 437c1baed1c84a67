#include "interchange/CsvLayouts.h"
#include "interchange/LocalClock.h"
#include "interchange/InterchangeTesting.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace interchangetesting;

namespace {

// A therapy card of 4 May 2013 with every field set.
ZRGlycemicCard fullCard()
{
    return ZRGlycemicCard(7, at(2013, 5, 4, 13, 30, 7.75), std::nullopt, at(2013, 5, 4, 13, 0), true, false, true,
                          QStringLiteral("POPUP_MEAL_LUNCH"), QStringLiteral("POPUP_INSULIN_QUICK"),
                          QStringLiteral("dopo pranzo"), 99.9f, 6.5f);
}

TEST(CsvLayouts, HeadersAndLinesLetterForLetter)
{
    EXPECT_EQ(CsvLayouts::returnPropertyNameListDefault(),
              QStringLiteral("idCard;dateCreation;dateEditing;dateMeasurement;isProtect;isPreMeal;isTherapy;"
                             "nameMeal;nameInsulin;notes;glycemiaValue;unitValue\r"));
    EXPECT_EQ(CsvLayouts::returnPropertyNameListREALStudio(),
              QStringLiteral("dataCreazione;oraCreazione;dataModifica;oraModifica;dataControllo;oraControllo;"
                             "recordProtetto;prePasto;pasto;glicemia;terapia;unita;insulina;note\r"));
    EXPECT_EQ(CsvLayouts::returnPropertyIntoFormatDefaultCSV(fullCard()),
              QStringLiteral("7;2013-05-04 13:30:07 +0000;;2013-05-04 13:00:00 +0000;1;;1;POPUP_MEAL_LUNCH;"
                             "POPUP_INSULIN_QUICK;dopo pranzo;99.900002;6.500000\r"));
    EXPECT_EQ(CsvLayouts::returnPropertyIntoFormatDefaultCSV(ZRGlycemicCard()),
              QStringLiteral("0;;;;;;;;;;0.000000;0.000000\r"));
    // The old layout is on the wall clock of the zone given: 13:30 UTC is
    // 15:30 in Rome in May. The creation date's seconds go.
    EXPECT_EQ(CsvLayouts::returnPropertyIntoFormatREALStudioCSV(fullCard(), rome()),
              QStringLiteral("04/05/13;15:30;;;04/05/13;15:00;1;;Pranzo;99;1;6;Novorapid;dopo pranzo\r"));
    EXPECT_TRUE(CsvLayouts::returnPropertyIntoFormatREALStudioCSV(fullCard(), QTimeZone::utc())
                    .startsWith(QStringLiteral("04/05/13;13:30;")));
    EXPECT_EQ(CsvLayouts::returnPropertyIntoFormatREALStudioCSV(ZRGlycemicCard(), rome()),
              QStringLiteral(";;;;;;;;Altro;;;;;\r"));
}

TEST(CsvLayouts, TextsNeverSplitOrEndTheirLine)
{
    ZRGlycemicCard c = fullCard();
    c.setNameMeal(QStringLiteral("a;b"));
    c.setNameInsulin(QStringLiteral("x\ry"));
    c.setNotes(QStringLiteral("caffè; ☕\r\nbrioche;"));
    const QString line = CsvLayouts::returnPropertyIntoFormatDefaultCSV(c);
    EXPECT_TRUE(line.contains(QStringLiteral(";a,b;x\ny;caffè, ☕\n\nbrioche,;"))) << line.toStdString();
    EXPECT_TRUE(CsvLayouts::returnPropertyIntoFormatREALStudioCSV(c, rome())
                    .endsWith(QStringLiteral(";Altro;99;1;6;;caffè, ☕\n\nbrioche,\r")));
}

TEST(CsvLayouts, NumbersAtTheEdgesAndInAnyLocale)
{
    ZRGlycemicCard c;
    c.setGlycemiaValue(std::numeric_limits<float>::max());
    c.setUnitValue(-0.0f);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // the C library's numbers too, where that locale is installed
    const QString line = CsvLayouts::returnPropertyIntoFormatDefaultCSV(c);
    const QString lunch = CsvLayouts::returnPropertyIntoFormatDefaultCSV(fullCard());
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(before);
    EXPECT_TRUE(line.endsWith(QStringLiteral(";340282346638528859811704183484516925440.000000;-0.000000\r")));
    EXPECT_TRUE(lunch.endsWith(QStringLiteral(";99.900002;6.500000\r"))) << lunch.toStdString();
    // The old layout writes the integer part whole, also past the range of
    // an int; values of 0 or below, and NaN, give empty fields.
    c.setUnitValue(3e9f);
    EXPECT_TRUE(CsvLayouts::returnPropertyIntoFormatREALStudioCSV(c, rome())
                    .contains(QStringLiteral(";Altro;340282346638528859811704183484516925440;;3000000000;;")));
    c.setGlycemiaValue(-5.0f);
    c.setUnitValue(std::nanf(""));
    EXPECT_TRUE(CsvLayouts::returnPropertyIntoFormatREALStudioCSV(c, rome()).contains(QStringLiteral(";Altro;;;;;")));
}

TEST(CsvLayouts, WritesDefaultDatesRoundedDownOrNotAtAll)
{
    EXPECT_EQ(CsvLayouts::defaultDateText(at(2013, 5, 4, 13, 30, 7.999)), QStringLiteral("2013-05-04 13:30:07 +0000"));
    EXPECT_EQ(CsvLayouts::defaultDateText(-0.5), QStringLiteral("2000-12-31 23:59:59 +0000"));
    EXPECT_EQ(CsvLayouts::defaultDateText(at(1969, 12, 31, 23, 59, 59.5)), QStringLiteral("1969-12-31 23:59:59 +0000"));
    EXPECT_EQ(CsvLayouts::defaultDateText(at(1, 1, 1)), QStringLiteral("0001-01-01 00:00:00 +0000"));
    EXPECT_EQ(CsvLayouts::defaultDateText(at(9999, 12, 31, 23, 59, 59)), QStringLiteral("9999-12-31 23:59:59 +0000"));
    for (const CardDate bad : {CardDate(at(9999, 12, 31, 23, 59, 60)), CardDate(at(1, 1, 1) - 1), CardDate(1e300),
                               CardDate(std::nan("")), CardDate(HUGE_VAL), CardDate()})
        EXPECT_EQ(CsvLayouts::defaultDateText(bad), QString()) << bad.value_or(0);
}

TEST(CsvLayouts, ReadsDefaultDates)
{
    const double when = at(2013, 5, 4, 13, 30, 7);
    const std::pair<const char *, CardDate> rows[] = {
        {"2013-05-04 13:30:07 +0000", when}, {"2013-05-04 15:30:07 +0200", when}, {"2013-05-04 15:30:07 +02:00", when},
        {"2013-05-04 15:30:07 +02", when},   {"2013-05-04 08:00:07 -05:30", when}, {"2013-05-04 13:30:07 Z", when},
        {"2013-05-04 13:30:07 UTC", when},   {"2013-05-04 13:30:07 GMT", when},    {"2013-05-04 14:30:07 GMT+1", when},
        {"2013-5-4 13:30:7 +0000", when},    {"2000-02-29 00:00:00 +0000", at(2000, 2, 29)},
        {"0001-01-01 00:00:00 +0000", at(1, 1, 1)},
        // Moments that the writer could not write again: the years 0 and
        // 10000 in UTC.
        {"0001-01-01 00:59:59 +0100", {}}, {"9999-12-31 23:00:00 -0100", {}},
        // Unreadable.
        {"", {}}, {"2013-05-04", {}}, {"2013-05-04 13:30:07", {}}, {"2013-05-04 13:30:07 ", {}},
        {"2013-05-04 13:30:07 +0000\n", {}}, {" 2013-05-04 13:30:07 +0000", {}}, {"2013-05-04T13:30:07 +0000", {}},
        {"2013-05-04  13:30:07 +0000", {}}, {"13-05-04 13:30:07 +0000", {}}, {"0000-05-04 13:30:07 +0000", {}},
        {"2013-13-04 13:30:07 +0000", {}}, {"2013-02-29 13:30:07 +0000", {}}, {"2013-04-31 13:30:07 +0000", {}},
        {"2013-05-04 24:00:00 +0000", {}}, {"2013-05-04 13:60:00 +0000", {}}, {"2013-05-04 13:30:60 +0000", {}},
        {"2013-05-04 13:30:07 +2400", {}}, {"2013-05-04 13:30:07 +0060", {}}, {"2013-05-04 13:30:07 +000", {}},
        {"2013-05-04 13:30:07 CEST", {}},  {"２０１３-05-04 13:30:07 +0000", {}},
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(CsvLayouts::readDefaultDate(QString::fromUtf8(text)), expected) << text;
}

TEST(CsvLayouts, ReadsREALStudioDatesOnTheLocalClock)
{
    LocalClock clock(rome());
    const auto start = CsvLayouts::twoDigitYearStart(at(2026, 6, 15, 12, 0, 0, rome()), clock);
    const auto read = [&](const char *date, const char *time) {
        return CsvLayouts::readREALStudioDate(QString::fromUtf8(date), QString::fromUtf8(time), clock, start);
    };
    const auto local = [](int y, int mo, int d, int h, int mi) { return CardDate(at(y, mo, d, h, mi, 0, rome())); };
    // Two-digit years run from 15 June 1946 at noon to a hundred years on.
    // Rome's clocks go from 2:00 to 3:00 on 31 March 2013 and from 3:00 back
    // to 2:00 on 27 October: a skipped time lands after the change, a
    // repeated one is its first occurrence.
    const std::tuple<const char *, const char *, CardDate> rows[] = {
        {"04/05/13", "13:30", local(2013, 5, 4, 13, 30)},   {"4/5/13", "9:07", local(2013, 5, 4, 9, 7)},
        {"04/05/2013", "13:30", local(2013, 5, 4, 13, 30)}, {"15/01/13", "13:30", at(2013, 1, 15, 12, 30)},
        {"01/01/46", "00:00", local(2046, 1, 1, 0, 0)},     {"15/06/46", "11:59", local(2046, 6, 15, 11, 59)},
        {"15/06/46", "12:00", local(1946, 6, 15, 12, 0)},   {"31/12/47", "23:59", local(1947, 12, 31, 23, 59)},
        {"31/12/45", "23:59", local(2045, 12, 31, 23, 59)}, {"01/01/00", "00:00", local(2000, 1, 1, 0, 0)},
        {"31/03/13", "02:30", at(2013, 3, 31, 1, 30)},      {"27/10/13", "02:30", at(2013, 10, 27, 0, 30)},
        {"27/10/13", "03:30", at(2013, 10, 27, 2, 30)},
        {"", "", {}}, {"04/05/13", "", {}}, {"", "13:30", {}}, {"04/05/13 ", "13:30", {}}, {"\n04/05/13", "13:30", {}},
        {"04-05-13", "13:30", {}}, {"04/05/3", "13:30", {}}, {"04/05/013", "13:30", {}}, {"04/05/20133", "13:30", {}},
        {"29/02/13", "13:30", {}}, {"00/05/13", "13:30", {}}, {"04/13/13", "13:30", {}}, {"04/05/13", "24:00", {}},
        {"04/05/13", "13:60", {}}, {"04/05/13", "13:30:00", {}}, {"04/05/0000", "13:30", {}},
        {"004/05/13", "13:30", {}},
    };
    for (const auto &[date, time, expected] : rows)
        EXPECT_EQ(read(date, time), expected) << date << " " << time;
}

// The offsets remembered between zone changes are those the zone gives,
// for dates in order and for dates that jump about.
TEST(LocalClock, AgreesWithTheZoneAroundEveryChange)
{
    LocalClock clock(rome());
    const auto zoneOffset = [](int64_t t) { return rome().offsetFromUtc(QDateTime::fromSecsSinceEpoch(t, Qt::UTC)); };
    for (int64_t t = 0; t < int64_t(60) * 365 * 86400; t += 3 * 3600 + 17) {
        ASSERT_EQ(clock.offsetAt(t), zoneOffset(t)) << t;
        const CivilTime::Fields local = clock.toLocal(t);
        // Times the clock shows twice read as their first showing.
        if (local.minute % 7 == 0 && clock.offsetAt(t - 7200) == clock.offsetAt(t + 7200)) {
            ASSERT_EQ(clock.fromLocal(local), t);
        }
    }
    uint32_t seed = 3;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const int64_t t = int64_t(at(1, 1, 1)) + 978307200 + int64_t(seed % 3155000000u) * 100;
        ASSERT_EQ(clock.offsetAt(t), zoneOffset(t)) << t;
    }
}

} // namespace
