// The trends figures, series, modal day and logbook, each checked against
// values worked out by hand on small views.
#include "view/Trends.h"

#include "text/StringTable.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>

using namespace Trends;

namespace {

const QString breakfast = QStringLiteral("POPUP_MEAL_BREAKFAST");
const QString lunch = QStringLiteral("POPUP_MEAL_LUNCH");
const QString dinner = QStringLiteral("POPUP_MEAL_DINNER");
const QString basal = QStringLiteral("POPUP_MEAL_BASAL");
const QTimeZone utc = QTimeZone::utc();

// An instant on a day of December 2026 (day 1 is the 1st) at a time, UTC
// unless a zone is given.
double at(int day, int hour, int minute = 0, const QTimeZone &zone = utc)
{
    return CardDates::fromDateTime(QDateTime(QDate(2026, 12, 1).addDays(day - 1), QTime(hour, minute), zone));
}

CardRef reading(float mgdl, CardDate when, const CardText &meal = std::nullopt, bool preMeal = false)
{
    auto c = std::make_shared<ZRGlycemicCard>();
    c->setGlycemiaValue(mgdl);
    c->setDateMeasurement(when);
    c->setNameMeal(meal);
    c->setIsPreMeal(preMeal);
    return c;
}

CardRef dose(float units, CardDate when, const CardText &meal = std::nullopt)
{
    auto c = std::make_shared<ZRGlycemicCard>();
    c->setIsTherapy(true);
    c->setUnitValue(units);
    c->setDateMeasurement(when);
    c->setNameMeal(meal);
    return c;
}

// Readings one a minute from 08:00 on day 1.
CardList readingsOf(std::initializer_list<float> values)
{
    CardList view;
    int minute = 0;
    for (float v : values)
        view.push_back(reading(v, at(1, 8, minute++)));
    return view;
}

} // namespace

TEST(TrendsFigures, EmptyViewAndCardsThatDoNotCount)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Nothing that can be placed on the calendar or that holds a value.
    const CardList leftOut = {
        reading(120, std::nullopt),  reading(120, nan),     reading(0, at(1, 8)),
        reading(-5, at(1, 8)),       reading(std::numeric_limits<float>::quiet_NaN(), at(1, 8)),
        dose(0, at(1, 8)),           dose(4, std::nullopt), reading(120, 1e300),
    };
    for (const CardList &view : {CardList{}, leftOut}) {
        const Figures f = figures(view, utc);
        EXPECT_TRUE(f.readings == 0 && f.days == 0 && f.daysWithReadings == 0 && f.doses == 0);
        EXPECT_FALSE(f.mean || f.median || f.standardDeviation || f.estimatedA1cPercent || f.gmiPercent || f.unitsPerDay);
        EXPECT_TRUE(f.estimatesUnreliable && f.unitsByMeal.empty());
        EXPECT_EQ(f.bandShares, (std::array<double, BandCount>{}));
        const Overview o = overview(view, utc);
        EXPECT_TRUE(o.series.readings.empty() && o.series.unitsPerDay.empty() && o.modalDay.readings.empty());
        EXPECT_TRUE(logbook(view, utc).empty());
    }
}

TEST(TrendsFigures, SingleReading)
{
    const Figures f = figures({reading(120, at(3, 7, 30))}, utc);
    EXPECT_TRUE(f.readings == 1 && f.days == 1 && f.daysWithReadings == 1);
    EXPECT_TRUE(*f.mean == 120 && *f.median == 120);
    // A deviation needs two readings.
    EXPECT_FALSE(f.standardDeviation || f.coefficientOfVariation || f.highVariability);
    EXPECT_DOUBLE_EQ(f.bandShares[BandInRange], 100);
    // (120 + 46.7) / 28.7 = 5.8084; (5.8084 - 2.15) x 10.929 = 39.98;
    // 3.31 + 0.02392 x 120 = 6.1804; 12.71 + 4.70587 x 6.667 = 44.08.
    EXPECT_NEAR(*f.estimatedA1cPercent, 5.8084, 1e-4);
    EXPECT_NEAR(*f.estimatedA1cMmolMol, 39.98, 1e-2);
    EXPECT_NEAR(*f.gmiPercent, 6.1804, 1e-4);
    EXPECT_NEAR(*f.gmiMmolMol, 44.08, 1e-2);
    EXPECT_TRUE(f.estimatesUnreliable);
}

// Readings on each side of every band edge (the edges themselves are
// checked with the consensus figures).
TEST(TrendsFigures, BandEdges)
{
    const Figures f = figures(readingsOf({53, 54, 69, 70, 180, 181, 250, 251}), utc);
    EXPECT_EQ(f.bandReadings, (std::array<int, BandCount>{1, 2, 2, 2, 1}));
    EXPECT_EQ(f.bandShares, (std::array<double, BandCount>{12.5, 25, 25, 25, 12.5}));
    EXPECT_EQ(f.below70, 3);
    EXPECT_EQ(f.below54, 1);
}

TEST(TrendsFigures, CentreAndVariability)
{
    // Mean 250, median halfway between 200 and 300; deviation
    // sqrt((150² + 50² + 50² + 150²) / 3) = 129.10, CV 51.6 %: flagged.
    const Figures wide = figures(readingsOf({400, 100, 300, 200}), utc);
    EXPECT_DOUBLE_EQ(*wide.mean, 250);
    EXPECT_DOUBLE_EQ(*wide.median, 250);
    EXPECT_NEAR(*wide.standardDeviation, 129.0994, 1e-4);
    EXPECT_NEAR(*wide.coefficientOfVariation, 51.640, 1e-3);
    EXPECT_TRUE(wide.highVariability);

    // Deviation sqrt(1000 / 4) = 15.81, CV 13.2 %: not flagged.
    const Figures narrow = figures(readingsOf({140, 100, 120, 130, 110}), utc);
    EXPECT_DOUBLE_EQ(*narrow.median, 120);
    EXPECT_NEAR(*narrow.coefficientOfVariation, 13.176, 1e-3);
    EXPECT_FALSE(narrow.highVariability);
}

TEST(TrendsFigures, EstimatesNeedFourteenDaysAndThreeReadingsADay)
{
    auto days = [](int count, int perDay) {
        CardList view;
        for (int d = 1; d <= count; ++d)
            for (int r = 0; r < perDay; ++r)
                view.push_back(reading(100, at(d, 6 + 4 * r)));
        return view;
    };
    const Figures enough = figures(days(14, 3), utc);
    EXPECT_EQ(enough.days, 14);
    EXPECT_FALSE(enough.estimatesUnreliable);

    EXPECT_TRUE(figures(days(13, 4), utc).estimatesUnreliable);
    CardList short1 = days(14, 3);
    short1.pop_back(); // 41 readings over 14 days
    EXPECT_TRUE(figures(short1, utc).estimatesUnreliable);

    // A dose counts towards the days the view spans; days without a reading
    // still count as days.
    CardList withDose = days(13, 4);
    withDose.push_back(dose(8, at(14, 22)));
    const Figures f = figures(withDose, utc);
    EXPECT_EQ(f.days, 14);
    EXPECT_EQ(f.daysWithReadings, 13);
    EXPECT_FALSE(f.estimatesUnreliable);
}

TEST(TrendsFigures, Insulin)
{
    const CardList view = {
        dose(4, at(2, 7), breakfast), dose(6, at(1, 7), breakfast), dose(10, at(1, 19), dinner),
        dose(20, at(1, 22), basal),   dose(2, at(2, 12)),           dose(3, at(2, 13), QStringLiteral("POPUP_MEAL_SELECT")),
        reading(150, at(2, 8), breakfast),
    };
    const Figures f = figures(view, utc);
    EXPECT_EQ(f.doses, 6);
    EXPECT_EQ(f.days, 2);
    EXPECT_DOUBLE_EQ(f.totalUnits, 45);
    EXPECT_DOUBLE_EQ(*f.unitsPerDay, 22.5);
    EXPECT_DOUBLE_EQ(*f.dosesPerDay, 3);
    // The pop-up's order; no meal and its placeholder last, together.
    ASSERT_EQ(f.unitsByMeal.size(), 4u);
    EXPECT_EQ(f.unitsByMeal[0].mealKey, breakfast);
    EXPECT_EQ(f.unitsByMeal[0].doses, 2);
    EXPECT_DOUBLE_EQ(f.unitsByMeal[0].meanUnits, 5);
    EXPECT_EQ(f.unitsByMeal[1].mealKey, dinner);
    EXPECT_EQ(f.unitsByMeal[2].mealKey, basal);
    EXPECT_TRUE(f.unitsByMeal[3].mealKey.isEmpty());
    EXPECT_EQ(f.unitsByMeal[3].doses, 2);
    EXPECT_DOUBLE_EQ(f.unitsByMeal[3].meanUnits, 2.5);

    const Series s = series(view, utc);
    ASSERT_EQ(s.unitsPerDay.size(), 2u);
    EXPECT_EQ(s.unitsPerDay[0].day, QDate(2026, 12, 1));
    EXPECT_DOUBLE_EQ(s.unitsPerDay[0].units, 36);
    EXPECT_EQ(s.unitsPerDay[0].doses, 3);
    EXPECT_DOUBLE_EQ(s.unitsPerDay[1].units, 9);
}

TEST(TrendsSeries, ReadingsOldestFirstAndDaysInTheZone)
{
    // The view is newest first, as the diary is kept.
    const CardList view = {reading(90, at(2, 1)), reading(200, at(1, 23, 30)), reading(110, at(1, 8))};
    const Series s = series(view, utc);
    ASSERT_EQ(s.readings.size(), 3u);
    EXPECT_EQ(s.readings[0].mgdl, 110);
    EXPECT_EQ(s.readings[2].mgdl, 90);
    EXPECT_EQ(s.readings[1].when, at(1, 23, 30));

    // In Rome the clock goes forward at 02:00 on 29 March 2026: 23:30 on the
    // 28th and 03:30 on the 29th are two days, and 03:30 reads as hour 3.
    const QTimeZone rome("Europe/Rome");
    auto local = [&](int day, int h, int m) {
        return CardDates::fromDateTime(QDateTime(QDate(2026, 3, day), QTime(h, m), rome));
    };
    const CardList spring = {reading(100, local(29, 3, 30)), reading(100, local(28, 23, 30))};
    const Figures f = figures(spring, rome);
    EXPECT_EQ(f.days, 2);
    EXPECT_EQ(f.daysWithReadings, 2);
    const ModalDay m = modalDay(spring, rome);
    ASSERT_EQ(m.readings.size(), 2u);
    EXPECT_DOUBLE_EQ(m.readings[0].secondsOfDay, 3.5 * 3600);
    EXPECT_DOUBLE_EQ(m.readings[1].secondsOfDay, 23.5 * 3600);
    // The same instants in UTC are 22:30 and 01:30, on days 28 and 29.
    EXPECT_DOUBLE_EQ(modalDay(spring, utc).readings[0].secondsOfDay, 1.5 * 3600);
}

TEST(TrendsModalDay, PercentileBandsOnlyWhereAnHourHasFive)
{
    CardList view;
    for (float v : {200.0f, 100.0f, 130.0f, 110.0f, 120.0f})
        view.push_back(reading(v, at(int(view.size()) + 1, 8, 15)));
    for (float v : {90.0f, 95.0f, 100.0f, 105.0f})
        view.push_back(reading(v, at(int(view.size()) + 1, 9, 45)));
    const ModalDay m = modalDay(view, utc);
    EXPECT_EQ(m.readings.size(), 9u);
    const HourBands &eight = m.hours[8];
    EXPECT_EQ(eight.readings, 5);
    // Sorted 100 110 120 130 200; ranks p/100 x 4.
    EXPECT_DOUBLE_EQ(*eight.median, 120);
    EXPECT_DOUBLE_EQ(*eight.p25, 110);
    EXPECT_DOUBLE_EQ(*eight.p75, 130);
    EXPECT_DOUBLE_EQ(*eight.p5, 102);
    EXPECT_DOUBLE_EQ(*eight.p95, 186);
    EXPECT_EQ(m.hours[9].readings, 4);
    EXPECT_FALSE(m.hours[9].median || m.hours[9].p5 || m.hours[9].p95);
    EXPECT_EQ(m.hours[10].readings, 0);

    EXPECT_FALSE(percentile({}, 50));
    EXPECT_DOUBLE_EQ(*percentile({7}, 95), 7);
}

TEST(TrendsLogbook, OneRowADayByMeal)
{
    const CardList view = {
        reading(130, at(2, 9)),
        dose(20, at(1, 22), basal),
        reading(160, at(1, 20), dinner, false),
        dose(10, at(1, 19), dinner),
        reading(90, at(1, 12), lunch, true),
        reading(150, at(1, 9, 30), breakfast, false),
        reading(140, at(1, 9, 45), breakfast, false),
        dose(4, at(1, 7, 5), breakfast),
        reading(100, at(1, 7), breakfast, true),
        reading(125, at(1, 3), QStringLiteral("POPUP_MEAL_CONTROL")),
    };
    const std::vector<LogbookDay> rows = logbook(view, utc);
    ASSERT_EQ(rows.size(), 2u);
    const LogbookDay &first = rows[0];
    EXPECT_EQ(first.day, QDate(2026, 12, 1));
    EXPECT_EQ(first.breakfast.before, std::vector<float>{100});
    EXPECT_EQ(first.breakfast.after, (std::vector<float>{150, 140})); // in time order
    EXPECT_EQ(first.breakfast.units, std::vector<float>{4});
    EXPECT_EQ(first.lunch.before, std::vector<float>{90});
    EXPECT_TRUE(first.lunch.after.empty() && first.lunch.units.empty());
    EXPECT_EQ(first.dinner.after, std::vector<float>{160});
    EXPECT_EQ(first.dinner.units, std::vector<float>{10});
    EXPECT_EQ(first.otherReadings, std::vector<float>{125});
    EXPECT_EQ(first.otherUnits, std::vector<float>{20});
    EXPECT_EQ(rows[1].day, QDate(2026, 12, 2));
    EXPECT_EQ(rows[1].otherReadings, std::vector<float>{130});
}


TEST(TrendsSeries, ThinningKeepsEveryPeakAndDipAndBothEnds)
{
    std::vector<Point> readings;
    for (int i = 0; i < 10000; ++i)
        readings.push_back({double(i) * 600, float(100 + (i % 7) * 10)});
    readings[4321].mgdl = 30;  // a hypo in the middle
    readings[7777].mgdl = 420; // and a high
    const std::vector<Point> thin = thinned(readings, 400);
    EXPECT_LE(thin.size(), 400u);
    EXPECT_GE(thin.size(), 300u);
    EXPECT_EQ(thin.front().when, readings.front().when);
    EXPECT_EQ(thin.back().when, readings.back().when);
    EXPECT_TRUE(std::is_sorted(thin.begin(), thin.end(), [](const Point &a, const Point &b) { return a.when < b.when; }));
    auto has = [&thin](float v) {
        return std::any_of(thin.begin(), thin.end(), [v](const Point &p) { return p.mgdl == v; });
    };
    EXPECT_TRUE(has(30) && has(420));
    // Few enough readings are kept as they are, all at one instant too.
    EXPECT_EQ(thinned(std::vector<Point>(readings.begin(), readings.begin() + 400), 400).size(), 400u);
    EXPECT_EQ(thinned(std::vector<Point>(500, Point{5, 100}), 40).size(), 2u); // the first and the last
}

TEST(TrendsFigures, LinesAsShownInEitherUnit)
{
    const QLocale c = QLocale::c();
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    auto byId = [](const std::vector<FigureLine> &lines) {
        std::map<QString, FigureLine> out;
        for (const FigureLine &l : lines)
            out[l.id] = l;
        return out;
    };
    CardList view = readingsOf({400, 100, 300, 200});
    view.push_back(dose(4, at(1, 7), breakfast));
    view.push_back(dose(2, at(1, 12)));
    auto lines = byId(figureLines(figures(view, utc), Unit::MmolL, strings, c));
    EXPECT_EQ(lines["trendsMean"].value, QStringLiteral("13.9 mmol/L"));
    EXPECT_EQ(lines["trendsBandVeryLow"].label, QStringLiteral("Below 3.0 mmol/L"));
    EXPECT_EQ(lines["trendsBandLow"].label, QStringLiteral("3.0 to 3.8 mmol/L"));
    EXPECT_EQ(lines["trendsBandInRange"].label, QStringLiteral("3.9 to 10.0 mmol/L"));
    EXPECT_EQ(lines["trendsBandHigh"].label, QStringLiteral("10.1 to 13.9 mmol/L"));
    EXPECT_EQ(lines["trendsBandVeryHigh"].value, QStringLiteral("50.0 %"));
    EXPECT_TRUE(lines["trendsVariation"].flagged);
    EXPECT_TRUE(lines["trendsVariation"].value.startsWith(QStringLiteral("51.6 % (above 36 %")));
    // One day of readings: both estimates are shown, marked.
    EXPECT_TRUE(lines["trendsA1c"].flagged);
    EXPECT_TRUE(lines["trendsA1c"].value.startsWith(QStringLiteral("10.3 % · 89 mmol/mol (unreliable")))
        << lines["trendsA1c"].value.toStdString();
    EXPECT_EQ(lines["trendsUnits_POPUP_MEAL_BREAKFAST"].label, QStringLiteral("Mean units, Breakfast"));
    EXPECT_EQ(lines["trendsUnits_none"].label, QStringLiteral("Mean units, no meal"));

    // A unit the preferences do not know reads as mg/dL.
    EXPECT_EQ(unitFromKey(unitKey(Unit::MmolL)), Unit::MmolL);
    EXPECT_EQ(unitFromKey(QStringLiteral("mmol")), Unit::MgdL);
    lines = byId(figureLines(figures({}, utc), unitFromKey(QString()), strings, c));
    EXPECT_EQ(lines["trendsBandLow"].label, QStringLiteral("54 to 69 mg/dL"));
    EXPECT_EQ(lines["trendsMean"].value, QStringLiteral("n/a"));
    EXPECT_EQ(lines["trendsA1c"].value, QStringLiteral("n/a"));
    EXPECT_FALSE(lines["trendsA1c"].flagged);
    EXPECT_EQ(lines["trendsUnitsADay"].value, QStringLiteral("n/a"));
}

TEST(TrendsSeries, InsulinBarsADayOrARunOfDays)
{
    // Three days: a bar each, from the day's first instant in the zone.
    const CardList view = {dose(6, at(3, 20)), dose(4, at(3, 8)), dose(10, at(1, 8))};
    const Series s = series(view, utc);
    ASSERT_EQ(s.unitsPerDay.size(), 2u);
    EXPECT_DOUBLE_EQ(s.unitsPerDay[0].start, at(1, 0));
    std::vector<UnitsBar> bars = insulinBars(s.unitsPerDay, 400);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_DOUBLE_EQ(bars[1].from, at(3, 0));
    EXPECT_DOUBLE_EQ(bars[1].to, at(4, 0));
    EXPECT_DOUBLE_EQ(bars[1].unitsADay, 10);

    // A thousand days in at most 400 bars: three days a bar, the mean of the
    // days that have a dose.
    std::vector<DayUnits> days;
    for (int d = 0; d < 1000; ++d) {
        if (d == 4)
            continue; // a gap in the diary
        days.push_back({QDate(2020, 1, 1).addDays(d), 86400.0 * d, d == 1 ? 40.0 : 10.0, 1});
    }
    bars = insulinBars(days, 400);
    ASSERT_EQ(bars.size(), 334u);
    EXPECT_EQ(bars[0].days, 3);
    EXPECT_DOUBLE_EQ(bars[0].unitsADay, 20);
    EXPECT_DOUBLE_EQ(bars[1].unitsADay, 10) << "days 3 and 5, not 4";
    EXPECT_DOUBLE_EQ(bars[1].from, 3 * 86400.0);
    EXPECT_DOUBLE_EQ(bars.back().to, 1002 * 86400.0);
    EXPECT_TRUE(insulinBars({}, 400).empty());
}
