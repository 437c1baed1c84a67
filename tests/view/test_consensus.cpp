#include "view/Consensus.h"
#include "view/Trends.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace {

using Consensus::Figure;
using Consensus::Profile;
using Consensus::Reading;
using ForeignFormat::SensorFlag;

const QTimeZone kRome("Europe/Rome");

Reading at(const QDateTime &when, int mgdl, SensorFlag flag = SensorFlag::None)
{
    return {when.toSecsSinceEpoch(), mgdl, flag, QStringLiteral("test")};
}

Reading at(QDate day, QTime time, int mgdl, SensorFlag flag = SensorFlag::None)
{
    return at(QDateTime(day, time, kRome), mgdl, flag);
}

Consensus::Figures of(const std::vector<Reading> &readings, QDate from, QDate to)
{
    return Consensus::figures(readings, from, to, kRome);
}

// The band edges hold for fractional values too, though the store keeps
// whole mg/dL.
TEST(Consensus, BandsSplitAtTheirEdges)
{
    const std::tuple<double, Trends::Band, bool> rows[] = {
        {53.9, Trends::BandVeryLow, false}, {54, Trends::BandLow, false},       {69.9, Trends::BandLow, false},
        {70, Trends::BandInRange, true},    {140, Trends::BandInRange, true},  {140.1, Trends::BandInRange, false},
        {180, Trends::BandInRange, false},  {180.1, Trends::BandHigh, false},  {250, Trends::BandHigh, false},
        {250.1, Trends::BandVeryHigh, false}};
    for (const auto &[mgdl, band, tight] : rows) {
        EXPECT_EQ(Trends::bandOf(float(mgdl)), band) << mgdl;
        EXPECT_EQ(Consensus::inTightRange(mgdl), tight) << mgdl;
    }
}

// Twelve readings five minutes apart, two on each side of every edge; Low
// and High count as 39 and 401. Sum 1829, sum of squares 407851.
TEST(Consensus, FiguresOfReadingsOnTheEdges)
{
    const QDate day(2025, 1, 15);
    const int values[] = {39, 53, 54, 69, 70, 140, 141, 180, 181, 250, 251, 401};
    std::vector<Reading> readings;
    for (int i = 0; i < 12; ++i)
        readings.push_back(at(day, QTime(10, 5 * i), values[i],
                              i == 0 ? SensorFlag::Low : i == 11 ? SensorFlag::High : SensorFlag::None));
    const Consensus::Figures f = of(readings, day, day);
    EXPECT_EQ(f.readings, 12);
    EXPECT_EQ(f.days, 1);
    EXPECT_EQ(f.daysWithData, 1);
    EXPECT_DOUBLE_EQ(f.mean, 1829.0 / 12);
    // (407851 - 1829² / 12) / 11 = 11734.628787...
    EXPECT_NEAR(f.sd, 108.32649162545, 1e-9);
    EXPECT_NEAR(f.cv, 71.072602487994, 1e-9);
    EXPECT_NEAR(f.gmiPercent, 3.31 + 0.02392 * 152.416666666667, 1e-9);
    EXPECT_NEAR(f.gmiMmolMol, 52.557389953704, 1e-9);
    const double sixth = 100.0 / 6;
    EXPECT_DOUBLE_EQ(f.veryLow, sixth);
    EXPECT_DOUBLE_EQ(f.low, sixth);
    EXPECT_DOUBLE_EQ(f.inRange, 2 * sixth);
    EXPECT_DOUBLE_EQ(f.high, sixth);
    EXPECT_DOUBLE_EQ(f.veryHigh, sixth);
    EXPECT_DOUBLE_EQ(f.tightRange, sixth); // 70 and 140
    EXPECT_EQ(f.intervalMinutes, 5);
    EXPECT_DOUBLE_EQ(f.activePercent, 100.0 * 12 * 5 / 1440);
}

// Readings of a local day, every step seconds from first (minutes after
// midnight) for count readings.
std::vector<Reading> everyFrom(QDate day, int first, int step, int count, int mgdl = 120)
{
    std::vector<Reading> out;
    const int64_t start = QDateTime(day, QTime(0, 0), kRome).toSecsSinceEpoch() + first * 60;
    for (int i = 0; i < count; ++i)
        out.push_back({start + int64_t(i) * step, mgdl, SensorFlag::None, QStringLiteral("test")});
    return out;
}

std::vector<Reading> joined(std::vector<Reading> a, const std::vector<Reading> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Sensor time is the readings times the median gap over the minutes of the
// period.
TEST(Consensus, SensorTimeFromTheMedianGap)
{
    const QDate day(2025, 1, 15);
    // Every 15 minutes give or take a few seconds, as a sensor drifts.
    std::vector<Reading> drifting = everyFrom(day, 0, 900, 48);
    for (size_t i = 0; i < drifting.size(); ++i)
        drifting[i].time += int64_t(i % 3) * 10;
    // Five-minute readings with some scans two minutes after them.
    std::vector<Reading> scanned = everyFrom(day, 0, 300, 288);
    for (size_t i = 0; i < 40; ++i)
        scanned.push_back({scanned[i * 7].time + 120, 120, SensorFlag::None, {}});
    const std::tuple<const char *, std::vector<Reading>, int, double> rows[] = {
        // Six hours, a gap of six hours and five minutes, six hours.
        {"gap", joined(everyFrom(day, 0, 300, 72), everyFrom(day, 12 * 60, 300, 72)), 5, 50.0},
        {"drifting", drifting, 15, 50.0},
        {"scans", scanned, 5, 100.0}, // (288 + 40) x 5 minutes is more than a day
        {"one", everyFrom(day, 600, 300, 1), 0, 0.0},
        // Two readings 20 seconds apart: a minute at the least.
        {"close", everyFrom(day, 600, 20, 2), 1, 100.0 * 2 / 1440},
        // Two gaps of 5 and two of 15 minutes: the lower middle one.
        {"even", {at(day, QTime(1, 0), 100), at(day, QTime(1, 5), 100), at(day, QTime(1, 20), 100),
                  at(day, QTime(1, 25), 100), at(day, QTime(1, 40), 100)}, 5, 100.0 * 5 * 5 / 1440},
    };
    for (const auto &[name, readings, interval, active] : rows) {
        const Consensus::Figures f = of(readings, day, day);
        EXPECT_EQ(f.intervalMinutes, interval) << name;
        EXPECT_NEAR(f.activePercent, active, 1e-9) << name;
    }
}

// The readings of the period are those of its local days, in any order.
TEST(Consensus, ThePeriodIsLocalDays)
{
    const QDate from(2025, 1, 10), to(2025, 1, 12);
    std::vector<Reading> readings = {
        at(from.addDays(-1), QTime(23, 59, 59), 40), at(from, QTime(0, 0), 100),
        at(from, QTime(12, 0), 110),                 at(to, QTime(23, 59, 59), 120),
        at(to.addDays(1), QTime(0, 0), 400),
        // 23:30 UTC on the 10th is half past midnight of the 11th in Rome.
        at(QDateTime(from, QTime(23, 30), QTimeZone::utc()), 130)};
    std::shuffle(readings.begin(), readings.end(), std::mt19937(7));
    const Consensus::Figures f = of(readings, from, to);
    EXPECT_EQ(f.readings, 4);
    EXPECT_EQ(f.days, 3);
    EXPECT_EQ(f.daysWithData, 3);
    EXPECT_DOUBLE_EQ(f.mean, 115.0);
    EXPECT_DOUBLE_EQ(f.inRange, 100.0);

    const auto [first, last] = Consensus::instantsOf(from, to, kRome);
    EXPECT_EQ(first, QDateTime(from, QTime(0, 0), kRome).toSecsSinceEpoch());
    EXPECT_EQ(last, QDateTime(to.addDays(1), QTime(0, 0), kRome).toSecsSinceEpoch() - 1);
    // Fourteen days ending on the newest reading's local day.
    const int64_t newest = QDateTime(QDate(2025, 10, 25), QTime(22, 30), QTimeZone::utc()).toSecsSinceEpoch();
    EXPECT_EQ(Consensus::defaultPeriod(newest, kRome), std::pair(QDate(2025, 10, 13), QDate(2025, 10, 26)));

    // Nothing in the period, or no period: counts of zero, every slot empty.
    for (const auto &[a, b, days] : {std::tuple(QDate(2024, 1, 1), QDate(2024, 1, 2), 2),
                                     std::tuple(to, from, 0), std::tuple(QDate(), to, 0)}) {
        const Consensus::Figures none = of(readings, a, b);
        EXPECT_EQ(none.days, days);
        EXPECT_EQ(none.readings, 0);
        EXPECT_EQ(none.mean, 0.0);
        EXPECT_EQ(none.activePercent, 0.0);
        EXPECT_TRUE(std::none_of(none.agp.begin(), none.agp.end(), [](const auto &s) { return s.percentiles; }));
    }
}

// Readings every five minutes from midnight to noon of each day of the
// period, 100 on summer time and 200 on winter time. Rome moves to summer
// time at 2:00 on 30 March 2025 (a day of 23 hours) and back at 3:00 on 26
// October (25 hours, 2:00 to 3:00 twice).
TEST(Consensus, SlotsAndMinutesFollowTheLocalClock)
{
    const std::array<double, 5> mixed = {100, 100, 150, 200, 200}, winter = {200, 200, 200, 200, 200};
    struct Row {
        QDate from, to;
        int64_t readings;
        double minutes;
        std::map<int, std::array<double, 5>> withBands; // the others hold fewer than 5
    };
    std::map<int, std::array<double, 5>> spring, autumn;
    for (int s = 0; s < 48; ++s)
        if (s < 8 || s >= 12)
            spring[s] = s < 8 ? winter : mixed;
    for (int s = 8; s < 12; ++s)
        autumn[s] = mixed; // three of each hour 2:00 to 3:00
    const Row rows[] = {{QDate(2025, 3, 29), QDate(2025, 3, 30), 144 + 132, 1440 + 1380, spring},
                        {QDate(2025, 10, 26), QDate(2025, 10, 26), 156, 1500, autumn}};
    for (const Row &row : rows) {
        std::vector<Reading> readings;
        for (QDate d = row.from; d <= row.to; d = d.addDays(1))
            for (int64_t t = d.startOfDay(kRome).toSecsSinceEpoch();
                 t < QDateTime(d, QTime(12, 0), kRome).toSecsSinceEpoch(); t += 300) {
                const bool summer = kRome.offsetFromUtc(QDateTime::fromSecsSinceEpoch(t, QTimeZone::utc())) == 7200;
                readings.push_back({t, summer ? 100 : 200, SensorFlag::None, {}});
            }
        const Consensus::Figures f = of(readings, row.from, row.to);
        const std::string name = row.from.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(f.readings, row.readings) << name;
        EXPECT_EQ(f.daysWithData, f.days) << name;
        EXPECT_NEAR(f.activePercent, 100.0 * double(row.readings) * 5 / row.minutes, 1e-9) << name;
        for (int s = 0; s < Consensus::kSlots; ++s) {
            const auto expected = row.withBands.find(s);
            ASSERT_EQ(f.agp[size_t(s)].percentiles.has_value(), expected != row.withBands.end()) << name << " slot " << s;
            if (expected != row.withBands.end()) {
                EXPECT_EQ(*f.agp[size_t(s)].percentiles, expected->second) << name << " slot " << s;
            }
        }
    }
}

// Percentiles interpolate between order statistics: h = (n - 1) p.
TEST(Consensus, PercentilesOfASlot)
{
    const QDate day(2025, 5, 6);
    std::vector<Reading> readings;
    // 8:00 to 8:14:59, out of order: h = 0.25, 1.25, 2.5, 3.75, 4.75.
    const std::tuple<int, int, int> eight[] = {{0, 0, 150}, {2, 0, 50}, {4, 0, 300}, {6, 0, 100}, {8, 0, 80}, {14, 59, 120}};
    for (const auto &[m, s, v] : eight)
        readings.push_back(at(day, QTime(8, m, s), v));
    // 9:00 to 9:14 five readings: h = 0.2, 1, 2, 3, 3.8.
    for (int i = 0; i < 5; ++i)
        readings.push_back(at(day, QTime(9, 3 * i), 60 + 10 * i));
    // 8:15 and 9:15, four each: too few.
    for (int i = 0; i < 4; ++i) {
        readings.push_back(at(day, QTime(8, 15 + i), 100));
        readings.push_back(at(day, QTime(9, 15 + i), 100));
    }
    const Consensus::Figures f = of(readings, day, day);
    EXPECT_EQ(f.agp[32].minuteOfDay, 480);
    const std::pair<size_t, std::array<double, 5>> filled[] = {{32, {57.5, 85, 110, 142.5, 262.5}},
                                                               {36, {62, 70, 80, 90, 98}}};
    for (const auto &[slot, expected] : filled) {
        ASSERT_TRUE(f.agp[slot].percentiles) << slot;
        for (size_t i = 0; i < 5; ++i)
            EXPECT_NEAR((*f.agp[slot].percentiles)[i], expected[i], 1e-9) << slot << ' ' << i;
    }
    EXPECT_FALSE(f.agp[33].percentiles);
    EXPECT_FALSE(f.agp[37].percentiles);
    EXPECT_EQ(f.agp[95].minuteOfDay, 23 * 60 + 45);
}

Consensus::Figures shares(double inRange, double low, double veryLow, double high, double veryHigh, double cv)
{
    Consensus::Figures f;
    f.inRange = inRange;
    f.low = low;
    f.veryLow = veryLow;
    f.high = high;
    f.veryHigh = veryHigh;
    f.cv = cv;
    return f;
}

TEST(Consensus, TargetsOfEachProfile)
{
    using F = Figure;
    // Whether each target is met, in the profile's order. Standard: in range
    // over 70 %, below range under 4, very low under 1, above range under 25,
    // very high under 5, CV 36 or less. Older or at high risk: in range over
    // 50, below under 1, above under 50, very high under 10, CV 36 or less.
    // The rows "edges" hold every figure on its limit, "inside" just within.
    const std::tuple<const char *, Consensus::Figures, Profile, std::vector<bool>> rows[] = {
        {"good", shares(75, 2.5, 0.5, 18, 4, 30), Profile::Standard, {true, true, true, true, true, true}},
        {"good, older", shares(75, 2.5, 0.5, 18, 4, 30), Profile::OlderHighRisk, {true, false, true, true, true}},
        {"fair", shares(55, 0.5, 0.2, 40, 8, 30), Profile::Standard, {false, true, true, false, false, true}},
        {"fair, older", shares(55, 0.5, 0.2, 40, 8, 30), Profile::OlderHighRisk, {true, true, true, true, true}},
        // On every limit: only CV <= 36 is met there (and not just above it).
        {"edges", shares(70, 3, 1, 20, 5, 36), Profile::Standard, {false, false, false, false, false, true}},
        {"edges, older", shares(50, 0.5, 0.5, 40, 10, 36.0001), Profile::OlderHighRisk,
         {false, false, false, false, false}},
        {"inside", shares(70.001, 2.999, 0.999, 19.999, 4.999, 36), Profile::Standard, {true, true, true, true, true, true}},
        {"inside, older", shares(50.001, 0.5, 0.499, 40, 9.999, 36), Profile::OlderHighRisk, {true, true, true, true, true}},
        // 2/75 + 1/75 of the readings make 4 % below 70, not a bit less.
        {"sum", shares(80, 200.0 / 75, 100.0 / 75, 10, 1, 20), Profile::Standard,
         {true, false, false, true, true, true}},
        {"high", shares(45, 0, 0, 55, 30, 40), Profile::OlderHighRisk, {false, true, false, false, false}},
    };
    for (const auto &[name, f, profile, expected] : rows) {
        std::vector<bool> met;
        for (const Consensus::Target &t : Consensus::targets(profile))
            met.push_back(Consensus::meets(f, t));
        EXPECT_EQ(met, expected) << name;
    }
    const Consensus::Figures f = shares(60, 3, 1, 30, 6, 33);
    EXPECT_DOUBLE_EQ(Consensus::valueOf(f, F::BelowRange), 4);
    EXPECT_DOUBLE_EQ(Consensus::valueOf(f, F::AboveRange), 36);
    EXPECT_DOUBLE_EQ(Consensus::valueOf(f, F::Cv), 33);
}

TEST(Consensus, SufficientWithFourteenDaysAndSeventyPercent)
{
    const std::tuple<int, double, bool> rows[] = {{14, 70.0, true}, {90, 100.0, true}, {13, 100.0, false}, {14, 69.9, false}};
    for (const auto &[days, active, sufficient] : rows) {
        Consensus::Figures f;
        f.days = days;
        f.activePercent = active;
        EXPECT_EQ(f.sufficient(), sufficient) << days << ' ' << active;
    }
}

TEST(Consensus, JsonHoldsEveryFigure)
{
    const QDate day(2025, 1, 15);
    std::vector<Reading> readings = everyFrom(day, 8 * 60, 60, 5, 100);
    readings.push_back(at(day, QTime(20, 0), 250));
    const QJsonObject json = Consensus::toJson(of(readings, day.addDays(-1), day));
    const QStringList keys = {"from", "to", "days", "daysWithData", "readings", "activePercent", "mean", "sd", "cv",
                              "gmiPercent", "gmiMmolMol", "veryLow", "low", "inRange", "tightRange", "high",
                              "veryHigh", "percentiles"};
    const QStringList present = json.keys();
    EXPECT_EQ(std::set<QString>(present.begin(), present.end()),
              std::set<QString>(keys.begin(), keys.end()));
    EXPECT_EQ(json["from"].toString(), "2025-01-14");
    EXPECT_EQ(json["to"].toString(), "2025-01-15");
    EXPECT_EQ(json["days"].toInt(), 2);
    EXPECT_EQ(json["daysWithData"].toInt(), 1);
    EXPECT_EQ(json["readings"].toInt(), 6);
    EXPECT_DOUBLE_EQ(json["mean"].toDouble(), 125.0);
    EXPECT_DOUBLE_EQ(json["high"].toDouble(), 100.0 / 6);
    EXPECT_DOUBLE_EQ(json["activePercent"].toDouble(), 100.0 * 6 / 2880);
    const QJsonArray rows = json["percentiles"].toArray();
    ASSERT_EQ(rows.size(), 96);
    EXPECT_EQ(rows[32].toArray(), (QJsonArray{480, 100.0, 100.0, 100.0, 100.0, 100.0}));
    EXPECT_EQ(rows[80].toArray(), (QJsonArray{1200, QJsonValue(), QJsonValue(), QJsonValue(), QJsonValue(), QJsonValue()}));
}

} // namespace
