#pragma once

#include "view/Consensus.h"
#include "view/Trends.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class StringTable;

// What the trends window and the report draw of the continuous sensor
// readings of a period, worked out apart from the drawing: the trace broken
// where the sensor was silent, the days of the daily profiles, the AGP
// percentiles smoothed for the eye, and the consensus figures as lines with
// their targets. Readings are oldest first, as the sensor store gives them.
namespace Agp {

using Reading = Consensus::Reading;

// A gap longer than this (seconds) breaks the trace: the sensor was off or
// out of reach, and no line is drawn across it.
inline constexpr int64_t kLongestGap = 45 * 60;
// The longest period the window and the report read (days): a year and a
// day, some 105,000 readings at most.
inline constexpr int kLongestPeriod = 366;

// The runs of readings without a longer gap: [begin, end) into the readings.
struct Run {
    size_t begin = 0, end = 0;
};
std::vector<Run> runs(const std::vector<Reading> &readings, int64_t longestGap = kLongestGap);

// The readings as the time axis of the charts counts them (seconds since
// 2001, as the cards), for thinning with Trends::thinned.
std::vector<Trends::Point> points(const std::vector<Reading> &readings, Run run);

// One day of the daily profiles, midnight to midnight in local time: its
// readings by time of day, each joined to the one before it unless a gap
// (or the hour a clock goes back) lies between them.
struct DayPoint {
    float hours = 0; // 0 up to 24, local wall-clock time
    float mgdl = 0;
    bool joined = false;
};
struct DayTrace {
    QDate day;
    std::vector<DayPoint> points;
};
// Every day of [from, to], those without a reading included.
std::vector<DayTrace> days(const std::vector<Reading> &readings, QDate from, QDate to, const QTimeZone &zone);

// The percentiles of the AGP slots averaged with those of their neighbours
// (weights 1, 2, 1; the last slot of the day neighbours the first), for
// drawing only: the figures keep the raw ones. A slot without percentiles
// stays without, and gives nothing to its neighbours.
using Percentiles = std::array<double, 5>;
std::array<std::optional<Percentiles>, Consensus::kSlots>
smoothed(const std::array<Consensus::Slot, Consensus::kSlots> &agp);

// The profile as the preferences keep it ("standard", "olderHighRisk");
// anything else reads as the standard profile.
QString profileKey(Consensus::Profile profile);
Consensus::Profile profileFromKey(const QString &key);

// The consensus figures as the window and the report list them: sensor
// time, mean, GMI, variability, then time in range and the shares above and
// below it. A figure with a target of the profile tells the target and
// whether it is met.
struct Line {
    QString id; // names the line's field in the window
    QString label;
    QString value;
    QString target; // empty when the profile sets none
    std::optional<bool> met;
};
std::vector<Line> figureLines(const Consensus::Figures &figures, Consensus::Profile profile, Trends::Unit unit,
                              const StringTable &strings, const QLocale &locale = QLocale());
// A line's target as shown beside it, with whether it is met: "< 4% · met".
QString targetText(const Line &line, const StringTable &strings);

// The period as a line: "26 Feb 2026 to 11 Mar 2026 · 14 days".
QString periodText(QDate from, QDate to, const StringTable &strings, const QLocale &locale = QLocale());

// The five time-in-ranges shares, lowest band first (below 54, 54 to 69,
// 70 to 180, 181 to 250, above 250), with their labels.
struct Share {
    QString label;
    double percent = 0;
};
std::array<Share, 5> shares(const Consensus::Figures &figures, Trends::Unit unit, const StringTable &strings,
                            const QLocale &locale = QLocale());

} // namespace Agp
