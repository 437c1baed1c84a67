#include "view/Consensus.h"

#include "view/Trends.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace Consensus {

namespace {

constexpr int64_t kSecondsADay = 86400;
constexpr int64_t kJulianDayOf1970 = 2440588;

int64_t floorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The zone's offsets from UTC over a span of time, each holding from its
// instant until the next; asked in time order, as the readings come.
class Offsets
{
public:
    Offsets(const QTimeZone &zone, int64_t from, int64_t to)
    {
        const QDateTime start = QDateTime::fromSecsSinceEpoch(from, QTimeZone::utc());
        m_changes.push_back({INT64_MIN, zone.offsetFromUtc(start)});
        if (zone.hasTransitions()) {
            const QDateTime end = QDateTime::fromSecsSinceEpoch(to, QTimeZone::utc());
            for (const QTimeZone::OffsetData &t : zone.transitions(start, end))
                m_changes.push_back({t.atUtc.toSecsSinceEpoch(), t.offsetFromUtc});
        }
    }
    // The local wall-clock time of the instant, in seconds since 1970.
    int64_t local(int64_t instant)
    {
        while (m_next < m_changes.size() && m_changes[m_next].first <= instant)
            ++m_next;
        return instant + m_changes[m_next - 1].second;
    }

private:
    std::vector<std::pair<int64_t, int>> m_changes;
    size_t m_next = 1;
};

struct Kept {
    int64_t time;
    int mgdl;
};

// The readings held in [first, last], in time order.
std::vector<Kept> readingsBetween(const std::vector<Reading> &readings, int64_t first, int64_t last)
{
    std::vector<Kept> kept;
    kept.reserve(readings.size());
    for (const Reading &r : readings)
        if (r.time >= first && r.time <= last)
            kept.push_back({r.time, r.mgdl});
    const auto byTime = [](const Kept &a, const Kept &b) { return a.time < b.time; };
    if (!std::is_sorted(kept.begin(), kept.end(), byTime))
        std::sort(kept.begin(), kept.end(), byTime);
    return kept;
}

// Mean, deviation, bands and the GMI of the readings (at least one).
void addLevels(const std::vector<Kept> &kept, Figures &f)
{
    const double n = double(kept.size());
    int64_t sum = 0;
    std::array<int64_t, Trends::BandCount> bands{};
    int64_t tight = 0;
    for (const Kept &k : kept) {
        sum += k.mgdl;
        ++bands[Trends::bandOf(float(k.mgdl))];
        tight += inTightRange(k.mgdl) ? 1 : 0;
    }
    f.mean = double(sum) / n;
    if (kept.size() >= 2) {
        double squares = 0;
        for (const Kept &k : kept)
            squares += (k.mgdl - f.mean) * (k.mgdl - f.mean);
        f.sd = std::sqrt(squares / (n - 1));
        f.cv = 100.0 * f.sd / f.mean;
    }
    f.gmiPercent = 3.31 + 0.02392 * f.mean;
    f.gmiMmolMol = 12.71 + 4.70587 * (f.mean / 18.0);
    const auto share = [n](int64_t count) { return 100.0 * double(count) / n; };
    f.veryLow = share(bands[Trends::BandVeryLow]);
    f.low = share(bands[Trends::BandLow]);
    f.inRange = share(bands[Trends::BandInRange]);
    f.high = share(bands[Trends::BandHigh]);
    f.veryHigh = share(bands[Trends::BandVeryHigh]);
    f.tightRange = share(tight);
}

// The median gap between consecutive readings (in time order), each gap
// rounded to the nearest whole minute; the lower of the middle two when
// their count is even, and at least a minute. 0 with fewer than two.
int medianIntervalMinutes(const std::vector<Kept> &kept)
{
    if (kept.size() < 2)
        return 0;
    std::vector<int64_t> gaps;
    gaps.reserve(kept.size() - 1);
    for (size_t i = 1; i < kept.size(); ++i)
        gaps.push_back((kept[i].time - kept[i - 1].time + 30) / 60);
    const auto middle = gaps.begin() + ptrdiff_t((gaps.size() - 1) / 2);
    std::nth_element(gaps.begin(), middle, gaps.end());
    return int(std::clamp<int64_t>(*middle, 1, kSecondsADay));
}

// The days that hold a reading, and the ambulatory profile: each reading in
// the 15-minute slot of its local time of day.
void addDaysAndProfile(const std::vector<Kept> &kept, QDate from, const QTimeZone &zone, Figures &f)
{
    Offsets offsets(zone, kept.front().time, kept.back().time);
    const int64_t firstDay = from.toJulianDay() - kJulianDayOf1970;
    std::vector<char> seen(size_t(f.days), 0);
    std::array<std::vector<double>, kSlots> bySlot;
    for (const Kept &k : kept) {
        const int64_t local = offsets.local(k.time);
        const int64_t day = floorDiv(local, kSecondsADay) - firstDay;
        if (day >= 0 && day < f.days)
            seen[size_t(day)] = 1;
        const int64_t second = local - floorDiv(local, kSecondsADay) * kSecondsADay;
        bySlot[size_t(second / (kSlotMinutes * 60))].push_back(k.mgdl);
    }
    f.daysWithData = int(std::count(seen.begin(), seen.end(), 1));
    for (size_t s = 0; s < bySlot.size(); ++s) {
        std::vector<double> &values = bySlot[s];
        if (values.size() < size_t(kFewestInSlot))
            continue;
        std::sort(values.begin(), values.end());
        std::array<double, 5> p{};
        const double levels[5] = {5, 25, 50, 75, 95};
        for (size_t i = 0; i < p.size(); ++i)
            p[i] = *Trends::percentile(values, levels[i]);
        f.agp[s].percentiles = p;
    }
}

} // namespace

Figures figures(const std::vector<Reading> &readings, QDate from, QDate to, const QTimeZone &zone)
{
    Figures f;
    f.from = from;
    f.to = to;
    for (int s = 0; s < kSlots; ++s)
        f.agp[size_t(s)].minuteOfDay = s * kSlotMinutes;
    if (!from.isValid() || !to.isValid() || from > to)
        return f;
    f.days = int(from.daysTo(to) + 1);
    const auto [first, last] = instantsOf(from, to, zone);
    const std::vector<Kept> kept = readingsBetween(readings, first, last);
    f.readings = int64_t(kept.size());
    if (kept.empty())
        return f;
    addLevels(kept, f);
    addDaysAndProfile(kept, from, zone, f);
    f.intervalMinutes = medianIntervalMinutes(kept);
    // The minutes of the period are the real minutes of its local days: a
    // day of the change to summer time has 23 hours, one of the change to
    // winter time 25.
    const double minutes = double(last + 1 - first) / 60.0;
    f.activePercent = std::min(100.0, 100.0 * double(f.readings) * f.intervalMinutes / minutes);
    return f;
}

std::pair<QDate, QDate> defaultPeriod(int64_t newest, const QTimeZone &zone)
{
    const QDate last = QDateTime::fromSecsSinceEpoch(newest, zone).date();
    return {last.addDays(-13), last};
}

std::pair<int64_t, int64_t> instantsOf(QDate from, QDate to, const QTimeZone &zone)
{
    // A day whose midnight the clock skips starts when the clock moves on.
    return {from.startOfDay(zone).toSecsSinceEpoch(), to.addDays(1).startOfDay(zone).toSecsSinceEpoch() - 1};
}

std::vector<Target> targets(Profile profile)
{
    if (profile == Profile::OlderHighRisk)
        return {{Figure::InRange, true, 50},
                {Figure::BelowRange, false, 1},
                {Figure::AboveRange, false, 50},
                {Figure::VeryHigh, false, 10},
                {Figure::Cv, false, 36, true}};
    return {{Figure::InRange, true, 70},   {Figure::BelowRange, false, 4}, {Figure::VeryLow, false, 1},
            {Figure::AboveRange, false, 25}, {Figure::VeryHigh, false, 5},  {Figure::Cv, false, 36, true}};
}

double valueOf(const Figures &figures, Figure figure)
{
    switch (figure) {
    case Figure::InRange: return figures.inRange;
    case Figure::BelowRange: return figures.low + figures.veryLow;
    case Figure::VeryLow: return figures.veryLow;
    case Figure::AboveRange: return figures.high + figures.veryHigh;
    case Figure::VeryHigh: return figures.veryHigh;
    case Figure::Cv: return figures.cv;
    }
    return 0;
}

bool meets(const Figures &figures, const Target &target)
{
    const double value = valueOf(figures, target.figure);
    if (std::abs(value - target.limit) <= 1e-9)
        return target.limitMeets;
    return target.atLeast ? value > target.limit : value < target.limit;
}

QJsonObject toJson(const Figures &figures)
{
    QJsonArray profile;
    for (const Slot &slot : figures.agp) {
        QJsonArray row{slot.minuteOfDay};
        for (size_t i = 0; i < 5; ++i)
            row.append(slot.percentiles ? QJsonValue((*slot.percentiles)[i]) : QJsonValue());
        profile.append(row);
    }
    const QString date = QStringLiteral("yyyy-MM-dd");
    return {{QStringLiteral("from"), figures.from.toString(date)},
            {QStringLiteral("to"), figures.to.toString(date)},
            {QStringLiteral("days"), figures.days},
            {QStringLiteral("daysWithData"), figures.daysWithData},
            {QStringLiteral("readings"), qint64(figures.readings)},
            {QStringLiteral("activePercent"), figures.activePercent},
            {QStringLiteral("mean"), figures.mean},
            {QStringLiteral("sd"), figures.sd},
            {QStringLiteral("cv"), figures.cv},
            {QStringLiteral("gmiPercent"), figures.gmiPercent},
            {QStringLiteral("gmiMmolMol"), figures.gmiMmolMol},
            {QStringLiteral("veryLow"), figures.veryLow},
            {QStringLiteral("low"), figures.low},
            {QStringLiteral("inRange"), figures.inRange},
            {QStringLiteral("tightRange"), figures.tightRange},
            {QStringLiteral("high"), figures.high},
            {QStringLiteral("veryHigh"), figures.veryHigh},
            {QStringLiteral("percentiles"), profile}};
}

} // namespace Consensus
