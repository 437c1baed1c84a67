#include "view/Agp.h"

#include "text/StringTable.h"

#include <QDateTime>

#include <algorithm>

namespace Agp {

std::vector<Run> runs(const std::vector<Reading> &readings, int64_t longestGap)
{
    std::vector<Run> out;
    for (size_t i = 0; i < readings.size(); ++i) {
        const bool joined =
            i > 0 && readings[i].time >= readings[i - 1].time && readings[i].time - readings[i - 1].time <= longestGap;
        if (joined)
            out.back().end = i + 1;
        else
            out.push_back({i, i + 1});
    }
    return out;
}

std::vector<Trends::Point> points(const std::vector<Reading> &readings, Run run)
{
    std::vector<Trends::Point> out;
    run.end = std::min(run.end, readings.size());
    out.reserve(run.end > run.begin ? run.end - run.begin : 0);
    for (size_t i = run.begin; i < run.end; ++i)
        out.push_back({double(readings[i].time) - CardDates::kUnixToReferenceSeconds, float(readings[i].mgdl)});
    return out;
}

namespace {

int64_t startOf(QDate day, const QTimeZone &zone)
{
    return QDateTime(day, QTime(0, 0), zone).toSecsSinceEpoch();
}

int offsetAt(int64_t instant, const QTimeZone &zone)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant, QTimeZone::utc()));
}

// The readings of one day, [start, end) in instants, by wall-clock hour.
// Only a day whose clock changes asks the zone about each reading.
void fillDay(DayTrace &trace, const std::vector<Reading> &readings, size_t &next, int64_t start, int64_t end,
             const QTimeZone &zone)
{
    const int startOffset = offsetAt(start, zone);
    const bool clockChanges = offsetAt(end - 1, zone) != startOffset;
    int64_t previous = 0;
    for (; next < readings.size() && readings[next].time < end; ++next) {
        const int64_t t = readings[next].time;
        if (t < start)
            continue;
        const int64_t shift = clockChanges ? offsetAt(t, zone) - startOffset : 0;
        const float hours = float(std::clamp(double(t - start + shift) / 3600.0, 0.0, 24.0));
        const bool joined = !trace.points.empty() && t - previous <= kLongestGap && hours >= trace.points.back().hours;
        trace.points.push_back({hours, float(readings[next].mgdl), joined});
        previous = t;
    }
}

} // namespace

std::vector<DayTrace> days(const std::vector<Reading> &readings, QDate from, QDate to, const QTimeZone &zone)
{
    std::vector<DayTrace> out;
    if (!from.isValid() || !to.isValid() || from > to || from.daysTo(to) >= kLongestPeriod)
        return out;
    out.reserve(size_t(from.daysTo(to) + 1));
    const auto first = std::lower_bound(readings.begin(), readings.end(), startOf(from, zone),
                                        [](const Reading &r, int64_t t) { return r.time < t; });
    size_t next = size_t(first - readings.begin());
    int64_t start = startOf(from, zone);
    for (QDate day = from; day <= to; day = day.addDays(1)) {
        const int64_t end = startOf(day.addDays(1), zone);
        DayTrace trace;
        trace.day = day;
        fillDay(trace, readings, next, start, end, zone);
        out.push_back(std::move(trace));
        start = end;
    }
    return out;
}

std::array<std::optional<Percentiles>, Consensus::kSlots>
smoothed(const std::array<Consensus::Slot, Consensus::kSlots> &agp)
{
    constexpr int n = Consensus::kSlots;
    std::array<std::optional<Percentiles>, Consensus::kSlots> out{};
    for (int i = 0; i < n; ++i) {
        const auto &own = agp[size_t(i)].percentiles;
        if (!own)
            continue;
        Percentiles sum{};
        double weight = 0;
        for (const auto &[offset, w] : {std::pair{-1, 1.0}, std::pair{0, 2.0}, std::pair{1, 1.0}}) {
            const auto &p = agp[size_t((i + offset + n) % n)].percentiles;
            if (!p)
                continue;
            for (size_t k = 0; k < sum.size(); ++k)
                sum[k] += w * (*p)[k];
            weight += w;
        }
        for (double &v : sum)
            v /= weight;
        out[size_t(i)] = sum;
    }
    return out;
}

QString profileKey(Consensus::Profile profile)
{
    return profile == Consensus::Profile::OlderHighRisk ? QStringLiteral("olderHighRisk") : QStringLiteral("standard");
}

Consensus::Profile profileFromKey(const QString &key)
{
    return key == QLatin1String("olderHighRisk") ? Consensus::Profile::OlderHighRisk : Consensus::Profile::Standard;
}

std::vector<Line> figureLines(const Consensus::Figures &f, Consensus::Profile profile, Trends::Unit unit,
                              const StringTable &strings, const QLocale &locale)
{
    using Consensus::Figure;
    auto t = [&strings](const char *key) { return strings.text(QString::fromLatin1(key)); };
    const bool any = f.readings > 0;
    const QString na = t("NOT_DISPONBLE");
    auto percent = [&](double v) { return any ? QStringLiteral("%1 %").arg(locale.toString(v, 'f', 1)) : na; };
    const int decimals = unit == Trends::Unit::MmolL ? 1 : 0;
    auto edge = [&](double mgdl) { return locale.toString(Trends::inUnit(mgdl, unit), 'f', decimals); };
    auto withUnit = [&](double mgdl) { return QStringLiteral("%1 %2").arg(edge(mgdl), Trends::unitName(unit)); };
    const std::vector<Consensus::Target> targets = Consensus::targets(profile);

    std::vector<Line> lines;
    auto add = [&](const char *id, const QString &label, const QString &value) {
        lines.push_back({QString::fromLatin1(id), label, value, QString(), std::nullopt});
    };
    // A figure of the consensus: its value as the targets judge it, and the
    // profile's target for it when there is one.
    auto judged = [&](const char *id, const QString &label, Figure figure) {
        add(id, label, percent(Consensus::valueOf(f, figure)));
        const auto target = std::find_if(targets.begin(), targets.end(),
                                         [figure](const Consensus::Target &g) { return g.figure == figure; });
        if (target == targets.end())
            return;
        lines.back().target =
            t(target->atLeast ? "AGP_TARGET_AT_LEAST" : "AGP_TARGET_BELOW").arg(locale.toString(target->limit, 'g', 3));
        if (any)
            lines.back().met = Consensus::meets(f, *target);
    };
    add("agpActive", t("AGP_SENSOR_ACTIVE"), percent(f.activePercent));
    add("agpMean", t("TRENDS_FIGURES_MEAN"), any ? withUnit(f.mean) : na);
    add("agpGmi", t("TRENDS_FIGURES_GMI"),
        any ? t("TRENDS_FIGURES_A1C_VALUE")
                  .arg(locale.toString(f.gmiPercent, 'f', 1), locale.toString(f.gmiMmolMol, 'f', 0))
            : na);
    judged("agpCv", t("TRENDS_FIGURES_CV"), Figure::Cv);
    judged("agpInRange", t("AGP_TIME_IN_RANGE").arg(edge(Trends::kLow), withUnit(Trends::kHigh)), Figure::InRange);
    add("agpTightRange", t("AGP_TIME_IN_TIGHT_RANGE").arg(edge(Trends::kLow), withUnit(140)), percent(f.tightRange));
    judged("agpAboveRange", t("AGP_TIME_ABOVE_RANGE").arg(withUnit(Trends::kHigh)), Figure::AboveRange);
    judged("agpVeryHigh", t("AGP_TIME_VERY_HIGH").arg(withUnit(Trends::kVeryHigh)), Figure::VeryHigh);
    judged("agpBelowRange", t("AGP_TIME_BELOW_RANGE").arg(withUnit(Trends::kLow)), Figure::BelowRange);
    judged("agpVeryLow", t("AGP_TIME_VERY_LOW").arg(withUnit(Trends::kVeryLow)), Figure::VeryLow);
    return lines;
}

QString targetText(const Line &line, const StringTable &strings)
{
    if (!line.met)
        return line.target;
    return QStringLiteral("%1 · %2").arg(line.target,
                                         strings.text(QLatin1String(*line.met ? "AGP_MET" : "AGP_MISSED")));
}

QString periodText(QDate from, QDate to, const StringTable &strings, const QLocale &locale)
{
    const QString format = QStringLiteral("d MMM yyyy");
    return strings.text(QStringLiteral("AGP_PERIOD"))
        .arg(locale.toString(from, format), locale.toString(to, format), locale.toString(from.daysTo(to) + 1));
}

std::array<Share, 5> shares(const Consensus::Figures &f, Trends::Unit unit, const StringTable &strings,
                            const QLocale &locale)
{
    auto t = [&strings](const char *key) { return strings.text(QString::fromLatin1(key)); };
    const int decimals = unit == Trends::Unit::MmolL ? 1 : 0;
    auto edge = [&](double mgdl) { return locale.toString(Trends::inUnit(mgdl, unit), 'f', decimals); };
    return {{
        {t("AGP_BAND_VERY_LOW").arg(QStringLiteral("< ") + edge(Trends::kVeryLow)), f.veryLow},
        {t("AGP_BAND_LOW").arg(edge(Trends::kVeryLow), edge(Trends::kLow - 1)), f.low},
        {t("AGP_BAND_IN_RANGE").arg(edge(Trends::kLow), edge(Trends::kHigh)), f.inRange},
        {t("AGP_BAND_HIGH").arg(edge(Trends::kHigh + 1), edge(Trends::kVeryHigh)), f.high},
        {t("AGP_BAND_VERY_HIGH").arg(QStringLiteral("> ") + edge(Trends::kVeryHigh)), f.veryHigh},
    }};
}

} // namespace Agp
