#pragma once

#include "view/Consensus.h"
#include "view/Trends.h"

#include <QtCharts/QChart>

class StringTable;

// The trends charts, built from the figures of the core, shared by the trends
// window and the PDF report. Each function returns a new chart the caller
// owns (a QChartView takes it over; the report renders it and deletes it).
// Glycemia axes are in the chosen unit; the band edges are drawn at
// 54, 70, 180 (and the band 70-180 shaded) converted to that unit.
namespace TrendsCharts {

// A sensor's readings over their period: the period's first and last
// instants in milliseconds since 1970, as the time axis counts them.
struct SensorTrace {
    const std::vector<Consensus::Reading> &readings; // oldest first
    double from = 0, to = 0;
};

// The readings over time: points joined by one line that carries on across
// midnight, the target band 70-180 shaded, lines at 70 and 54. With a
// sensor, the chart spans its period instead: the sensor's trace, broken
// across gaps longer than 45 minutes, with the cards' readings as dots.
QChart *glycemiaChart(const Trends::Series &series, Trends::Unit unit, const StringTable &strings,
                      const SensorTrace *sensor = nullptr);

// The insulin units of the therapy cards per day, on the same time axis span
// as glycemiaChart (drawn beneath it).
QChart *insulinChart(const Trends::Series &series, const StringTable &strings, const SensorTrace *sensor = nullptr);

// The modal day: the readings by time of day, the median line and the 25-75
// and 5-95 percentile bands of the hours that have them.
QChart *modalDayChart(const Trends::ModalDay &day, Trends::Unit unit, const StringTable &strings);

// The ambulatory glucose profile of the sensor's readings: the median and
// the 25-75 and 5-95 percentile bands of the 15-minute slots, smoothed for
// drawing, from midnight to midnight.
QChart *agpChart(const Consensus::Figures &figures, Trends::Unit unit, const StringTable &strings);

} // namespace TrendsCharts
