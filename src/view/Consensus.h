#pragma once

#include "interchange/foreign/ForeignFormat.h"

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QTimeZone>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The international consensus figures of continuous sensor readings and the
// ambulatory glucose profile (AGP): what clinics read on one standard page.
// Pure functions of the readings, the period (local calendar days) and the
// time zone.
namespace Consensus {

using Reading = ForeignFormat::SensorReading;

// The 15-minute slots of a day, each with the 5th, 25th, 50th, 75th and
// 95th percentiles of its readings; none where it holds fewer than 5.
inline constexpr int kSlots = 96;
inline constexpr int kSlotMinutes = 15;
inline constexpr int kFewestInSlot = 5;
struct Slot {
    int minuteOfDay = 0;
    std::optional<std::array<double, 5>> percentiles;
};

// The tight range, 70 to 140 mg/dL both included. (The other bands are
// Trends::bandOf's.)
inline constexpr double kTightLow = 70.0, kTightHigh = 140.0;
inline bool inTightRange(double mgdl) { return mgdl >= kTightLow && mgdl <= kTightHigh; }

struct Figures {
    QDate from, to;
    int days = 0;         // calendar days from..to
    int daysWithData = 0; // of them, days holding a reading
    int64_t readings = 0;
    double activePercent = 0; // sensor time, capped at 100
    int intervalMinutes = 0;  // the median gap between readings, whole minutes
                              // (0 with fewer than two readings)
    // Of the readings in mg/dL; zero when there are none (sd and cv also
    // with one).
    double mean = 0, sd = 0, cv = 0, gmiPercent = 0, gmiMmolMol = 0;
    // Percentages of the readings: < 54, 54 to < 70, 70 to 180, > 180 to
    // 250, > 250; and 70 to 140.
    double veryLow = 0, low = 0, inRange = 0, high = 0, veryHigh = 0, tightRange = 0;
    std::array<Slot, kSlots> agp{}; // ("slots" is a word of Qt's)

    // Fewer than 14 days or less than 70 % sensor time: the figures are not
    // sufficient to judge by.
    bool sufficient() const { return days >= 14 && activePercent >= 70.0; }
};

// The figures of the readings (any order) whose local calendar day in zone
// lies in [from, to]; none (days 0) when from is after to. Sensor time is
// the readings times their median gap over the real minutes of the local
// days (23 hours on the day the clocks go forward, 25 when they go back).
// Each reading goes to the slot of its local time of day, so the hour the
// clocks repeat fills its slots twice.
Figures figures(const std::vector<Reading> &readings, QDate from, QDate to, const QTimeZone &zone);

// The default period: the 14 days ending on the local day of the newest
// reading (seconds since 1970).
std::pair<QDate, QDate> defaultPeriod(int64_t newest, const QTimeZone &zone);

// The instants (seconds since 1970) that bound the local days [from, to]:
// the first second of from and the last of to.
std::pair<int64_t, int64_t> instantsOf(QDate from, QDate to, const QTimeZone &zone);

// Targets of the consensus, for the standard adult profile and for older or
// high-risk people.
enum class Profile { Standard, OlderHighRisk };
enum class Figure { InRange, BelowRange, VeryLow, AboveRange, VeryHigh, Cv };
struct Target {
    Figure figure;
    bool atLeast;     // true: the figure should be above limit; false: below it
    double limit;     // percent
    // Whether a figure equal to the limit meets the target: the consensus
    // asks for time in range > 70 % but CV <= 36 %.
    bool limitMeets = false;
};
// Standard: in range > 70 %, below 70 < 4 %, below 54 < 1 %, above 180
// < 25 %, above 250 < 5 %, CV <= 36 %. Older or high-risk: in range > 50 %,
// below 70 < 1 %, above 180 < 50 %, above 250 < 10 %, CV <= 36 % (the
// consensus sets the CV target for everyone).
std::vector<Target> targets(Profile profile);
// The figure's value (InRange: inRange; BelowRange: low + veryLow;
// AboveRange: high + veryHigh; ...), and whether it meets its target. A
// value within 1e-9 of the limit is taken as equal to it (a sum of two
// shares is not exact).
double valueOf(const Figures &figures, Figure figure);
bool meets(const Figures &figures, const Target &target);

// The figures as the command line prints them: "from", "to", "days",
// "daysWithData", "readings", "activePercent", "mean", "sd", "cv",
// "gmiPercent", "gmiMmolMol", "veryLow", "low", "inRange", "tightRange",
// "high", "veryHigh", "percentiles" (96 rows [minuteOfDay, p5, p25, p50,
// p75, p95], null where a slot holds fewer than 5 readings: the row keeps
// its minuteOfDay and has null for each percentile).
QJsonObject toJson(const Figures &figures);

} // namespace Consensus
