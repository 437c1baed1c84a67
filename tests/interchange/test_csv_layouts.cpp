#include "interchange/CsvLayouts.h"
#include "interchange/InterchangeTesting.h"
#include "model/LocalClock.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace interchangetesting;

namespace {

// Every line is made under a German locale, in Qt and, where that locale is
// installed, in the C library: numbers keep their "." all the same.
TEST(CsvLayouts, HeadersAndLinesLetterForLetterInAnyLocale)
{
    // A therapy card of 4 May 2013 with every field set.
    const ZRGlycemicCard full(7, at(2013, 5, 4, 13, 30, 7.75), std::nullopt, at(2013, 5, 4, 13, 0), true, false, true,
                              QStringLiteral("POPUP_MEAL_LUNCH"), QStringLiteral("POPUP_INSULIN_QUICK"),
                              QStringLiteral("dopo pranzo"), 99.9f, 6.5f);
    ZRGlycemicCard texts = full;
    texts.setNameMeal(QStringLiteral("a;b"));
    texts.setNameInsulin(QStringLiteral("x\ry"));
    texts.setNotes(QStringLiteral("caffè; ☕\r\nbrioche;"));
    const auto values = [](float glycemia, float units) {
        ZRGlycemicCard c;
        c.setGlycemiaValue(glycemia);
        c.setUnitValue(units);
        return c;
    };
    const float max = std::numeric_limits<float>::max();
    const auto defaultLine = [](const ZRGlycemicCard &c) { return CsvLayouts::returnPropertyIntoFormatDefaultCSV(c); };
    const auto oldLine = [](const ZRGlycemicCard &c, const QTimeZone &zone = kRome) {
        return CsvLayouts::returnPropertyIntoFormatREALStudioCSV(c, zone);
    };
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const std::pair<QString, const char *> rows[] = {
        {CsvLayouts::returnPropertyNameListDefault(), "idCard;dateCreation;dateEditing;dateMeasurement;isProtect;"
                                                      "isPreMeal;isTherapy;nameMeal;nameInsulin;notes;glycemiaValue;"
                                                      "unitValue\r"},
        {CsvLayouts::returnPropertyNameListREALStudio(), "dataCreazione;oraCreazione;dataModifica;oraModifica;"
                                                         "dataControllo;oraControllo;recordProtetto;prePasto;pasto;"
                                                         "glicemia;terapia;unita;insulina;note\r"},
        {defaultLine(full), "7;2013-05-04 13:30:07 +0000;;2013-05-04 13:00:00 +0000;1;;1;POPUP_MEAL_LUNCH;"
                            "POPUP_INSULIN_QUICK;dopo pranzo;99.900002;6.500000\r"},
        {defaultLine({}), "0;;;;;;;;;;0.000000;0.000000\r"},
        {defaultLine(values(max, -0.0f)), "0;;;;;;;;;;340282346638528859811704183484516925440.000000;-0.000000\r"},
        // Texts neither split nor end their line.
        {defaultLine(texts), "7;2013-05-04 13:30:07 +0000;;2013-05-04 13:00:00 +0000;1;;1;a,b;x\ny;"
                             "caffè, ☕\n\nbrioche,;99.900002;6.500000\r"},
        // The old layout is on the wall clock of the zone given (13:30 UTC is
        // 15:30 in Rome in May), without seconds. It writes the integer part
        // whole, also past the range of an int; values of 0 or below, and
        // NaN, give empty fields.
        {oldLine(full), "04/05/13;15:30;;;04/05/13;15:00;1;;Pranzo;99;1;6;Novorapid;dopo pranzo\r"},
        {oldLine(full, QTimeZone::utc()), "04/05/13;13:30;;;04/05/13;13:00;1;;Pranzo;99;1;6;Novorapid;dopo pranzo\r"},
        {oldLine(texts), "04/05/13;15:30;;;04/05/13;15:00;1;;Altro;99;1;6;;caffè, ☕\n\nbrioche,\r"},
        {oldLine({}), ";;;;;;;;Altro;;;;;\r"},
        {oldLine(values(max, 3e9f)), ";;;;;;;;Altro;340282346638528859811704183484516925440;;3000000000;;\r"},
        {oldLine(values(-5.0f, std::nanf(""))), ";;;;;;;;Altro;;;;;\r"},
    };
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(before);
    for (const auto &[line, expected] : rows)
        EXPECT_EQ(line, QString::fromUtf8(expected));
}

TEST(CsvLayouts, WritesDefaultDatesRoundedDownOrNotAtAll)
{
    const std::pair<CardDate, const char *> rows[] = {
        {at(2013, 5, 4, 13, 30, 7.999), "2013-05-04 13:30:07 +0000"}, {-0.5, "2000-12-31 23:59:59 +0000"},
        {at(1969, 12, 31, 23, 59, 59.5), "1969-12-31 23:59:59 +0000"}, {at(1, 1, 1), "0001-01-01 00:00:00 +0000"},
        {at(9999, 12, 31, 23, 59, 59), "9999-12-31 23:59:59 +0000"}, {at(9999, 12, 31, 23, 59, 60), ""},
        {at(1, 1, 1) - 1, ""}, {1e300, ""}, {std::nan(""), ""}, {HUGE_VAL, ""}, {std::nullopt, ""}};
    for (const auto &[date, text] : rows)
        EXPECT_EQ(CsvLayouts::defaultDateText(date), QString::fromLatin1(text)) << date.value_or(0);
}

TEST(CsvLayouts, ReadsDefaultDates)
{
    for (const char *text : {"2013-05-04 13:30:07 +0000", "2013-05-04 15:30:07 +0200", "2013-05-04 15:30:07 +02:00",
                             "2013-05-04 15:30:07 +02", "2013-05-04 08:00:07 -05:30", "2013-05-04 13:30:07 Z",
                             "2013-05-04 13:30:07 UTC", "2013-05-04 13:30:07 GMT", "2013-05-04 14:30:07 GMT+1",
                             "2013-5-4 13:30:7 +0000"})
        EXPECT_EQ(CsvLayouts::readDefaultDate(QString::fromLatin1(text)), at(2013, 5, 4, 13, 30, 7)) << text;
    EXPECT_EQ(CsvLayouts::readDefaultDate(u"2000-02-29 00:00:00 +0000"), at(2000, 2, 29));
    EXPECT_EQ(CsvLayouts::readDefaultDate(u"0001-01-01 00:00:00 +0000"), at(1, 1, 1));
    // Unreadable, and moments that the writer could not write again (the
    // years 0 and 10000 in UTC).
    for (const char *text :
         {"0001-01-01 00:59:59 +0100", "9999-12-31 23:00:00 -0100", "", "2013-05-04", "2013-05-04 13:30:07",
          "2013-05-04 13:30:07 ", "2013-05-04 13:30:07 +0000\n", " 2013-05-04 13:30:07 +0000",
          "2013-05-04T13:30:07 +0000", "2013-05-04  13:30:07 +0000", "13-05-04 13:30:07 +0000",
          "0000-05-04 13:30:07 +0000", "2013-13-04 13:30:07 +0000", "2013-02-29 13:30:07 +0000",
          "2013-04-31 13:30:07 +0000", "2013-05-04 24:00:00 +0000", "2013-05-04 13:60:00 +0000",
          "2013-05-04 13:30:60 +0000", "2013-05-04 13:30:07 +2400", "2013-05-04 13:30:07 +0060",
          "2013-05-04 13:30:07 +000", "2013-05-04 13:30:07 CEST", "２０１３-05-04 13:30:07 +0000"})
        EXPECT_EQ(CsvLayouts::readDefaultDate(QString::fromUtf8(text)), std::nullopt) << text;
}

TEST(CsvLayouts, ReadsREALStudioDatesOnTheLocalClock)
{
    LocalClock clock(kRome);
    const auto start = CsvLayouts::twoDigitYearStart(at(2026, 6, 15, 12, 0, 0, kRome), clock);
    const auto local = [](int y, int mo, int d, int h, int mi) { return CardDate(at(y, mo, d, h, mi, 0, kRome)); };
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
        {"27/10/13", "03:30", at(2013, 10, 27, 2, 30)}, {"", "", {}}};
    const auto read = [&](const char *date, const char *time) {
        return CsvLayouts::readREALStudioDate(QString::fromLatin1(date), QString::fromLatin1(time), clock, start);
    };
    for (const auto &[date, time, expected] : rows)
        EXPECT_EQ(read(date, time), expected) << date << " " << time;
    for (const char *date : {"", "04/05/13 ", "\n04/05/13", "04-05-13", "04/05/3", "04/05/013", "04/05/20133",
                             "29/02/13", "00/05/13", "04/13/13", "04/05/0000", "004/05/13"})
        EXPECT_EQ(read(date, "13:30"), std::nullopt) << date;
    for (const char *time : {"", "24:00", "13:60", "13:30:00"})
        EXPECT_EQ(read("04/05/13", time), std::nullopt) << time;
}

// The offsets remembered between zone changes are those the zone gives,
// for dates in order and for dates that jump about, and away from the
// changes the wall clock reads back to the same instant.
TEST(LocalClock, AgreesWithTheZoneAroundEveryChange)
{
    LocalClock clock(kRome);
    const auto zoneOffset = [](int64_t t) { return kRome.offsetFromUtc(QDateTime::fromSecsSinceEpoch(t, Qt::UTC)); };
    for (int64_t t = 0; t < int64_t(60) * 365 * 86400; t += 3 * 3600 + 17) {
        ASSERT_EQ(clock.offsetAt(t), zoneOffset(t)) << t;
        const CivilTime::Fields local = clock.toLocal(t);
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
