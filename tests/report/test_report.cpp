// The report as a file: pages for every day of the logbook, written whole
// or not at all.
#include "report/TrendsReport.h"
#include "support/SensorSample.h"
#include "support/TestSupport.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

namespace {

const QTimeZone kZone("Europe/Rome");

// Readings before and after the three meals and a dose at each, for a number
// of days ending on 11 March 2026.
CardList days(int count)
{
    CardList cards;
    const char *meals[] = {"POPUP_MEAL_BREAKFAST", "POPUP_MEAL_LUNCH", "POPUP_MEAL_DINNER"};
    for (int d = 0; d < count; ++d) {
        const QDate day = QDate(2026, 3, 11).addDays(-d);
        for (int m = 0; m < 3; ++m) {
            const double at = CardDates::fromDateTime(QDateTime(day, QTime(7 + 6 * m, 0), kZone));
            for (int k = 0; k < 3; ++k) {
                auto c = std::make_shared<ZRGlycemicCard>();
                c->setDateMeasurement(at + k * 3600);
                c->setNameMeal(QString::fromLatin1(meals[m]));
                c->setIsTherapy(k == 1);
                c->setIsPreMeal(k == 0);
                c->setGlycemiaValue(float(80 + (d * 7 + m * 13 + k * 29) % 150));
                c->setUnitValue(k == 1 ? 5.5f : 0.0f);
                cards.push_back(c);
            }
        }
    }
    return cards;
}

TrendsReport::Options options()
{
    TrendsReport::Options o;
    o.zone = kZone;
    o.title = QStringLiteral("All days · All cards");
    o.now = CardDates::fromDateTime(QDateTime(QDate(2026, 3, 11), QTime(18, 0), kZone));
    return o;
}

TEST(Report, OnePageOfFiguresThenAsManyAsTheLogbookNeeds)
{
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    QTemporaryDir dir;
    for (const auto &[count, unit] : {std::pair{0, Trends::Unit::MgdL}, std::pair{3, Trends::Unit::MmolL},
                                      std::pair{120, Trends::Unit::MgdL}}) {
        SCOPED_TRACE(count);
        TrendsReport::Options o = options();
        o.unit = unit;
        const QString file = dir.filePath(QStringLiteral("report-%1.pdf").arg(count));
        QString error;
        ASSERT_TRUE(TrendsReport::write(file, days(count), o, strings, &error)) << error.toStdString();
        const QByteArray pdf = testsupport::readFile(file);
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        const int pages = TrendsReport::pageCount(days(count), o, strings);
        EXPECT_EQ(testsupport::pdfPages(pdf), pages);
        // No logbook without a day in it; a logbook page holds a month of
        // days or so (how many depends on the fonts at hand).
        if (count < 120)
            EXPECT_EQ(pages, count == 0 ? 1 : 2);
        else
            EXPECT_TRUE(pages >= 3 && pages <= 6) << pages;
    }
}

TEST(Report, ADayOfSensorReadingsKeepsToItsRow)
{
    // Three days of readings every five minutes, as a sensor's export brings
    // them in: each day's row tells how many and their range, and the three
    // rows share one logbook page.
    CardList sensor;
    for (int d = 0; d < 3; ++d)
        for (int i = 0; i < 288; ++i) {
            auto c = std::make_shared<ZRGlycemicCard>();
            c->setDateMeasurement(CardDates::fromDateTime(QDateTime(QDate(2026, 3, 9 + d), QTime(0, 0), kZone))
                                  + 300.0 * i);
            c->setGlycemiaValue(float(70 + i % 150));
            sensor.push_back(c);
        }
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    EXPECT_EQ(TrendsReport::pageCount(sensor, options(), strings), 2);
}

TEST(Report, AFailedWriteLeavesWhatWasThere)
{
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(testsupport::writeFile(file, "the report of last month"));
    QString error;
    EXPECT_FALSE(TrendsReport::write(dir.path(), days(2), options(), strings, &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(TrendsReport::write(dir.filePath(QStringLiteral("gone/report.pdf")), days(2), options(), strings,
                                     &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(testsupport::readFile(file), "the report of last month");
    // Written over, whole.
    ASSERT_TRUE(TrendsReport::write(file, days(2), options(), strings, &error));
    EXPECT_TRUE(testsupport::readFile(file).startsWith("%PDF-"));
}

TEST(Report, TheFirstPageDrawsItsCharts)
{
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    const QImage page = TrendsReport::firstPage(days(20), options(), strings, 600);
    ASSERT_EQ(page.width(), 600);
    EXPECT_NEAR(page.height(), 600 * 297 / 210, 2); // A4
    // The lower half, where the charts are, is far from blank.
    int inked = 0;
    for (int y = page.height() / 2; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2)
            inked += page.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(inked, page.width() * page.height() / 40);
}

// The sensor's days of a period ending on 10 March 2026, for the AGP pages.
TrendsReport::Options withSensor(int days)
{
    TrendsReport::Options o = options();
    o.sensor.from = QDate(2026, 3, 10).addDays(1 - days);
    o.sensor.to = QDate(2026, 3, 10);
    o.sensor.readings = testsupport::sensorDays(o.sensor.from, o.sensor.to, kZone);
    return o;
}

TEST(Report, TheAgpPagesComeFirstAsManyAsTheDailyProfilesNeed)
{
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    QTemporaryDir dir;
    const int cardPages = TrendsReport::pageCount(days(10), options(), strings);
    // Four weeks of daily profiles fit under the AGP; ten more a page.
    for (const auto &[sensorDays, agpPages] :
         {std::pair{1, 1}, std::pair{14, 1}, std::pair{28, 1}, std::pair{29, 2}, std::pair{98, 2}, std::pair{99, 3}}) {
        SCOPED_TRACE(sensorDays);
        const TrendsReport::Options o = withSensor(sensorDays);
        EXPECT_EQ(TrendsReport::pageCount(days(10), o, strings), cardPages + agpPages);
        if (sensorDays != 29)
            continue;
        const QString file = dir.filePath(QStringLiteral("agp.pdf"));
        QString error;
        ASSERT_TRUE(TrendsReport::write(file, days(10), o, strings, &error)) << error.toStdString();
        EXPECT_EQ(testsupport::pdfPages(testsupport::readFile(file)), cardPages + agpPages);
    }
    // A period with no reading in it has no AGP page.
    TrendsReport::Options empty = withSensor(14);
    empty.sensor.readings.clear();
    EXPECT_EQ(TrendsReport::pageCount(days(10), empty, strings), cardPages);
}

TEST(Report, TheAgpPageDrawsEachDayInItsCell)
{
    // Two weeks, the sensor worn in the first: the first row of daily
    // profiles (from 644 to 730 of the page's 1123) holds the traces' blue,
    // the second (730 to 816) none.
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    TrendsReport::Options o = withSensor(14);
    o.sensor.readings = testsupport::sensorDays(o.sensor.from, o.sensor.from.addDays(6), kZone);
    const QImage page = TrendsReport::firstPage(days(20), o, strings, 794);
    auto traceInk = [&page](int top, int bottom) {
        int n = 0;
        for (int y = top + 16; y < bottom - 2; ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                n += c.blue() > 120 && c.red() < 110 && c.blue() - c.red() > 60;
            }
        return n;
    };
    EXPECT_GT(traceInk(644, 730), 7 * 100);
    EXPECT_EQ(traceInk(730, 816), 0);
}

} // namespace
