#pragma once

#include "model/ZRGlycemicCard.h"
#include "text/GlycemiaUnit.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <array>
#include <optional>
#include <vector>

class StringTable;

// Trends of the cards in view: the figures a care team reads (ranges,
// variability, estimated HbA1c, insulin), the series the charts draw and the
// day-by-day logbook of the report. Pure functions of the view, shared by the
// trends window, the PDF report and orvane-tool; the drawing code only draws.
//
// Glycemia is computed in mg/dL, as the diary stores it; Unit only changes
// how a value is shown. A measurement card counts as a reading when it has a
// measurement date and a finite glycemia above 0; a therapy card counts as a
// dose when it has a measurement date and finite units above 0. Everything
// else in the view is left out. Days are calendar days in the given zone.
namespace Trends {

using Unit = GlycemiaUnit::Unit;

// The band edges, in mg/dL.
inline constexpr float kVeryLow = 54.0f;    // below: level 2 hypoglycaemia
inline constexpr float kLow = 70.0f;        // below: hypoglycaemia
inline constexpr float kHigh = 180.0f;      // above: above range
inline constexpr float kVeryHigh = 250.0f;  // above: far above range
inline constexpr double kHighVariability = 36.0; // coefficient of variation, %
inline constexpr int kReliableDays = 14;
inline constexpr double kReliableReadingsPerDay = 3.0;
inline constexpr int kModalDayMinimum = 5; // readings an hour needs for its bands

// The share bands, lowest first: below 54; 54 up to (not including) 70;
// 70 to 180 both included; above 180 up to 250 included; above 250.
enum Band { BandVeryLow, BandLow, BandInRange, BandHigh, BandVeryHigh, BandCount };
Band bandOf(float mgdl);

// Mean units of the doses of one meal (a string-table meal key, or empty for
// doses of no meal).
struct MealUnits {
    QString mealKey;
    int doses = 0;
    double meanUnits = 0;
};

struct Figures {
    int readings = 0;
    // Calendar days from the first to the last reading or dose in view, both
    // included (0 for an empty view), and the days that hold a reading.
    int days = 0;
    int daysWithReadings = 0;

    // All in mg/dL; none when there is no reading (standard deviation and
    // coefficient of variation: fewer than two).
    std::optional<double> mean, median, standardDeviation; // sample deviation (n - 1)
    std::optional<double> coefficientOfVariation;         // %, deviation / mean
    bool highVariability = false;                          // coefficient above 36 %

    // Readings of each band, and their share of all readings in % (0 when
    // there is none).
    std::array<int, BandCount> bandReadings{};
    std::array<double, BandCount> bandShares{};
    int below70 = 0; // hypoglycaemia: readings below 70
    int below54 = 0; // readings below 54

    // From the mean: ADAG estimated HbA1c, (mean + 46.7) / 28.7 in %, and in
    // mmol/mol as IFCC, (% - 2.15) x 10.929; GMI, 3.31 + 0.02392 x mean in %,
    // and in mmol/mol 12.71 + 4.70587 x the mean in mmol/L (mean / 18).
    std::optional<double> estimatedA1cPercent, estimatedA1cMmolMol, gmiPercent, gmiMmolMol;
    // Fewer than 14 days, or fewer than 3 readings a day on average: the
    // estimates are shown marked as unreliable.
    bool estimatesUnreliable = true;

    // Insulin: doses and units a day over the days above; mean units per meal,
    // for each meal that has a dose, in the meal pop-up's order, doses of no
    // meal or of a meal not in the pop-up last.
    int doses = 0;
    double totalUnits = 0;
    std::optional<double> unitsPerDay, dosesPerDay;
    std::vector<MealUnits> unitsByMeal;
};

Figures figures(const CardList &view, const QTimeZone &zone = QTimeZone::systemTimeZone());

// What the charts draw. Readings oldest first, one point each; doses summed
// per calendar day, oldest day first, days without a dose left out.
struct Point {
    double when = 0; // seconds since 2001-01-01 UTC, as stored
    float mgdl = 0;
};
struct DayUnits {
    QDate day;
    double start = 0; // the day's first instant, seconds since 2001-01-01 UTC
    double units = 0;
    int doses = 0;
};
struct Series {
    std::vector<Point> readings;
    std::vector<DayUnits> unitsPerDay;
};
Series series(const CardList &view, const QTimeZone &zone = QTimeZone::systemTimeZone());

// The insulin a chart can draw as bars: one bar a day while there are no
// more than maxBars days from the first dose to the last, else one bar for
// each run of as many days as it takes to keep within maxBars. A bar holds
// the mean units a day of its days that have a dose (a day without one is
// taken for a gap in the diary, not for a day without insulin).
struct UnitsBar {
    double from = 0, to = 0; // instants, seconds since 2001-01-01 UTC
    int days = 1;            // calendar days the bar stands for
    double unitsADay = 0;
};
std::vector<UnitsBar> insulinBars(const std::vector<DayUnits> &days, size_t maxBars);

// Readings (oldest first) thinned for a line a screen can draw: more than
// maxPoints are split into maxPoints / 4 spans of equal time, each keeping
// its first, lowest, highest and last reading in time order, so that no
// peak or dip goes missing. Fewer are kept as they are.
std::vector<Point> thinned(const std::vector<Point> &readings, size_t maxPoints);

// The modal day: every reading by its time of day, and per hour of the day
// (0 to 23) the median and the 25-75 and 5-95 percentile bands (linear
// interpolation between the closest ranks). An hour with fewer than five
// readings has no bands (and no median).
struct HourBands {
    int readings = 0;
    std::optional<double> median, p5, p25, p75, p95;
};
struct TimeOfDayPoint {
    double secondsOfDay = 0; // 0 up to 86400, local wall-clock time
    float mgdl = 0;
};
struct ModalDay {
    std::vector<TimeOfDayPoint> readings;
    std::array<HourBands, 24> hours;
};
ModalDay modalDay(const CardList &view, const QTimeZone &zone = QTimeZone::systemTimeZone());

// The figures, the series and the modal day together, from one pass over
// the view: what the trends window and the report draw.
struct Overview {
    Figures figures;
    Series series;
    ModalDay modalDay;
};
Overview overview(const CardList &view, const QTimeZone &zone = QTimeZone::systemTimeZone());

// A percentile (0 to 100) of values sorted ascending, interpolated linearly
// between the closest ranks; none when empty.
std::optional<double> percentile(const std::vector<double> &sorted, double p);

// The report's logbook: one row a day that holds a reading or a dose, oldest
// first. Breakfast, lunch and dinner (the pop-up's meal keys) each have
// readings before and after the meal and units; a card of any other meal, or
// of none, goes under "other". Values in a cell are in time order.
struct MealCells {
    std::vector<float> before, after, units;
};
struct LogbookDay {
    QDate day;
    MealCells breakfast, lunch, dinner;
    std::vector<float> otherReadings, otherUnits;
};
std::vector<LogbookDay> logbook(const CardList &view, const QTimeZone &zone = QTimeZone::systemTimeZone());

// The figures as the trends window and the report show them, one line each:
// readings and days; mean, median, deviation and coefficient of variation
// (flagged above 36 %); a heading and note, then the share of each band;
// hypoglycaemia; the two estimates (flagged as unreliable when they are);
// a heading, then insulin a day and per meal. A figure that cannot be
// worked out shows the not-available text. Numbers in the locale's form.
struct FigureLine {
    enum Kind { Figure, Heading, Note };
    QString id;    // names the line's field in the window
    QString label;
    QString value;
    Kind kind = Figure;
    bool flagged = false;
};
std::vector<FigureLine> figureLines(const Figures &figures, Unit unit, const StringTable &strings,
                                    const QLocale &locale = QLocale());

// A glycemia in mg/dL in the unit (mmol/L through the program's own conversion),
// and as text: whole numbers in mg/dL, one decimal in mmol/L, "." as the
// decimal separator.
double inUnit(double mgdl, Unit unit);
QString valueText(double mgdl, Unit unit);
QString unitName(Unit unit); // "mg/dL" or "mmol/L"

// The unit as the preferences store it ("mg/dL" or "mmol/L"); anything else
// reads as mg/dL.
QString unitKey(Unit unit);
Unit unitFromKey(const QString &key);

} // namespace Trends
