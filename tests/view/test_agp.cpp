// What the AGP page draws of the sensor's readings: the trace broken where
// the sensor was silent, the days of the daily profiles (clock changes
// included), the AGP percentiles smoothed around midnight, and the profile
// as the preferences keep it.
#include "view/Agp.h"

#include "text/StringTable.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

const QTimeZone kRome("Europe/Rome");

int64_t rome(QDate day, int hour, int minute = 0)
{
    return QDateTime(day, QTime(hour, minute), kRome).toSecsSinceEpoch();
}

std::vector<Agp::Reading> readingsAt(const std::vector<int64_t> &instants, int mgdl = 120)
{
    std::vector<Agp::Reading> out;
    for (int64_t t : instants)
        out.push_back({t, mgdl, ForeignFormat::SensorFlag::None, QStringLiteral("test")});
    return out;
}

TEST(AgpTrace, AGapOfMoreThan45MinutesBreaksTheTrace)
{
    const int64_t t0 = 1'700'000'000;
    struct Case {
        const char *what;
        std::vector<int64_t> offsets; // minutes from t0
        std::vector<std::pair<size_t, size_t>> runs;
    };
    const Case cases[] = {
        {"none", {}, {}}, {"one reading", {0}, {{0, 1}}},
        {"45 minutes exactly is no gap", {0, 5, 50, 55}, {{0, 4}}},
        {"46 minutes is", {0, 5, 51, 56}, {{0, 2}, {2, 4}}},
        {"a lone reading between two gaps", {0, 5, 60, 120, 125}, {{0, 2}, {2, 3}, {3, 5}}},
        {"time running backwards starts afresh", {0, 5, 3, 8}, {{0, 2}, {2, 4}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int64_t> instants;
        for (int64_t m : c.offsets)
            instants.push_back(t0 + m * 60);
        std::vector<std::pair<size_t, size_t>> got;
        for (const Agp::Run &r : Agp::runs(readingsAt(instants)))
            got.emplace_back(r.begin, r.end);
        EXPECT_EQ(got, c.runs);
    }
}

TEST(AgpTrace, PointsCountTimeAsTheCardsDo)
{
    const auto readings = readingsAt({978'307'200 + 60, 978'307'200 + 360}, 95);
    const std::vector<Trends::Point> points = Agp::points(readings, {0, 2});
    ASSERT_EQ(points.size(), 2u);
    EXPECT_DOUBLE_EQ(points[0].when, 60.0) << "seconds since 2001";
    EXPECT_EQ(points[1].mgdl, 95.0f);
    EXPECT_TRUE(Agp::points(readings, {1, 9}).size() == 1) << "a run past the end is cut to the readings";
}

TEST(AgpDays, EveryDayOfThePeriodByWallClockHour)
{
    // 27 to 30 March 2026: Rome's clocks go from 2:00 to 3:00 on the 29th.
    const QDate first(2026, 3, 27), spring(2026, 3, 29);
    const auto readings = readingsAt({
        rome(first.addDays(-1), 23, 50), // before the period
        rome(first, 0, 0), rome(first, 0, 5), rome(first, 6, 0), rome(spring, 1, 55), rome(spring, 3, 0),
        rome(spring, 3, 5), rome(QDate(2026, 3, 31), 0, 0), // after it
    });
    const std::vector<Agp::DayTrace> days = Agp::days(readings, first, QDate(2026, 3, 30), kRome);
    ASSERT_EQ(days.size(), 4u) << "days without a reading too";
    EXPECT_EQ(days[0].day, first);
    ASSERT_EQ(days[0].points.size(), 3u);
    EXPECT_FLOAT_EQ(days[0].points[0].hours, 0.0f);
    EXPECT_FALSE(days[0].points[0].joined);
    EXPECT_TRUE(days[0].points[1].joined);
    EXPECT_FALSE(days[0].points[2].joined) << "six hours later";
    EXPECT_TRUE(days[1].points.empty());
    // 1:55 and 3:00 are five minutes apart: joined, at their clock hours.
    ASSERT_EQ(days[2].points.size(), 3u);
    EXPECT_NEAR(days[2].points[0].hours, 1 + 55 / 60.0, 1e-4);
    EXPECT_NEAR(days[2].points[1].hours, 3.0, 1e-4);
    EXPECT_TRUE(days[2].points[1].joined);
    EXPECT_TRUE(days[3].points.empty());
}

TEST(AgpDays, TheHourTheClockGoesBackIsNotDrawnBackwards)
{
    // 25 October 2026: 3:00 summer time is 2:00 again.
    const QDate autumn(2026, 10, 25);
    const int64_t twoSummer = rome(autumn, 1, 0) + 3600; // the first 2:00
    const auto readings = readingsAt({twoSummer + 1800, twoSummer + 3600 + 600, twoSummer + 3600 + 1200});
    const std::vector<Agp::DayTrace> days = Agp::days(readings, autumn, autumn, kRome);
    ASSERT_EQ(days.size(), 1u);
    ASSERT_EQ(days[0].points.size(), 3u);
    EXPECT_NEAR(days[0].points[0].hours, 2.5, 1e-4);
    EXPECT_NEAR(days[0].points[1].hours, 2 + 10 / 60.0, 1e-4) << "2:10 again, in winter time";
    EXPECT_FALSE(days[0].points[1].joined);
    EXPECT_TRUE(days[0].points[2].joined);
}

TEST(AgpDays, APeriodThatCannotBeIsNoDays)
{
    const auto readings = readingsAt({rome(QDate(2026, 3, 1), 12)});
    EXPECT_TRUE(Agp::days(readings, QDate(2026, 3, 2), QDate(2026, 3, 1), kRome).empty());
    EXPECT_TRUE(Agp::days(readings, QDate(), QDate(2026, 3, 1), kRome).empty());
    EXPECT_TRUE(Agp::days(readings, QDate(2025, 1, 1), QDate(2026, 3, 1), kRome).empty()) << "longer than a year";
    EXPECT_EQ(Agp::days(readings, QDate(2025, 3, 1), QDate(2026, 3, 1), kRome).size(), 366u);
}

TEST(AgpSmoothing, NeighboursWeighOneToTwoAcrossMidnightAndGapsStay)
{
    std::array<Consensus::Slot, Consensus::kSlots> agp{};
    auto set = [&agp](size_t i, double v) { agp[i].percentiles = Agp::Percentiles{v - 20, v - 10, v, v + 10, v + 20}; };
    set(95, 100);
    set(0, 140);
    set(1, 120);
    set(50, 200); // alone between empty slots
    const auto smooth = Agp::smoothed(agp);
    ASSERT_TRUE(smooth[0] && smooth[95] && smooth[1] && smooth[50]);
    EXPECT_DOUBLE_EQ((*smooth[0])[2], (100 + 2 * 140 + 120) / 4.0) << "the last slot neighbours the first";
    EXPECT_DOUBLE_EQ((*smooth[95])[2], (2 * 100 + 140) / 3.0);
    EXPECT_DOUBLE_EQ((*smooth[1])[2], (140 + 2 * 120) / 3.0);
    EXPECT_DOUBLE_EQ((*smooth[50])[0], 180);
    EXPECT_FALSE(smooth[2]) << "an empty slot stays empty";
    EXPECT_FALSE(smooth[49]);
    // The bands keep their order.
    for (size_t k = 0; k + 1 < 5; ++k)
        EXPECT_LT((*smooth[0])[k], (*smooth[0])[k + 1]);
}

TEST(AgpProfile, KeptAsAKeyAnythingElseIsStandard)
{
    for (const Consensus::Profile p : {Consensus::Profile::Standard, Consensus::Profile::OlderHighRisk})
        EXPECT_EQ(Agp::profileFromKey(Agp::profileKey(p)), p);
    for (const char *key : {"", "older", "OLDERHIGHRISK", "standard "})
        EXPECT_EQ(Agp::profileFromKey(QString::fromLatin1(key)), Consensus::Profile::Standard) << key;
}

TEST(AgpFigures, EdgesInTheUnitAndNothingMadeUpWithoutReadings)
{
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    const QLocale c(QLocale::C);
    Consensus::Figures none;
    for (const Agp::Line &line : Agp::figureLines(none, Consensus::Profile::Standard, Trends::Unit::MgdL, strings, c)) {
        EXPECT_EQ(line.value, strings.text(QStringLiteral("NOT_DISPONBLE"))) << line.id.toStdString();
        EXPECT_FALSE(line.met) << "no reading meets or misses a target";
    }
    std::map<QString, QString> labels;
    for (const Agp::Line &line : Agp::figureLines(none, Consensus::Profile::Standard, Trends::Unit::MmolL, strings, c))
        labels[line.id] = line.label;
    EXPECT_TRUE(labels[QStringLiteral("agpInRange")].contains(QStringLiteral("3.9")));
    EXPECT_TRUE(labels[QStringLiteral("agpInRange")].contains(QStringLiteral("10.0 mmol/L")));
    EXPECT_TRUE(labels[QStringLiteral("agpVeryLow")].contains(QStringLiteral("3.0 mmol/L")));
    const auto shares = Agp::shares(none, Trends::Unit::MgdL, strings, c);
    EXPECT_TRUE(shares[1].label.contains(QStringLiteral("54")) && shares[1].label.contains(QStringLiteral("69")));
}

} // namespace
