#include "report/TrendsCharts.h"

#include "text/StringTable.h"
#include "view/Agp.h"

#include <QtCharts/QAreaSeries>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace TrendsCharts {

namespace {

using namespace Trends;

// Points a line of the glycemia chart keeps (about four per pixel of a wide
// window), and readings of the modal day drawn as dots.
constexpr size_t kLinePoints = 4000;
// Bars of the insulin chart: about one for each two pixels of a wide window.
constexpr size_t kInsulinBars = 400;
constexpr size_t kModalDots = 1500;
// Fewer readings than this are drawn with a dot on each.
constexpr size_t kDottedLine = 400;

const QColor kReadingColour(0x1f, 0x5f, 0xa8);
const QColor kTargetColour(0x4c, 0xaf, 0x50, 60);
const QColor kLowColour(0xe0, 0x8a, 0x00);
const QColor kVeryLowColour(0xc6, 0x28, 0x28);
const QColor kInsulinColour(0x6a, 0x4c, 0x93);
const QColor kOuterBandColour(0x1f, 0x5f, 0xa8, 45);
const QColor kInnerBandColour(0x1f, 0x5f, 0xa8, 90);
const QColor kMedianColour(0x0d, 0x2c, 0x54);
const QColor kFingerStickColour(0x21, 0x21, 0x21);
// Runs of the sensor trace drawn as lines, the longest first; what is left
// over (and every lone reading) is drawn as dots, so that a sensor heard
// only now and then costs no more than one that never stopped.
constexpr size_t kMostRuns = 100;

QString text(const StringTable &strings, const char *key)
{
    return strings.text(QString::fromLatin1(key));
}

// Milliseconds since 1970, as the time axis counts, of a stored instant.
double axisTime(double secondsSince2001)
{
    return (secondsSince2001 + CardDates::kUnixToReferenceSeconds) * 1000.0;
}

// The time both charts span: every reading and every day with a dose; a day
// up to now when there is neither.
std::pair<double, double> timeSpan(const Series &series)
{
    double first = std::numeric_limits<double>::infinity();
    double last = -first;
    if (!series.readings.empty()) {
        first = axisTime(series.readings.front().when);
        last = axisTime(series.readings.back().when);
    }
    if (!series.unitsPerDay.empty()) {
        first = std::min(first, axisTime(series.unitsPerDay.front().start));
        last = std::max(last, axisTime(series.unitsPerDay.back().start + 86400));
    }
    if (!std::isfinite(first)) {
        last = double(QDateTime::currentMSecsSinceEpoch());
        first = last - 86400000.0;
    }
    // A little room either side, and never less than an hour in all.
    const double margin = std::max((last - first) * 0.02, 1800000.0);
    return {first - margin, last + margin};
}

QDateTimeAxis *timeAxis(const std::pair<double, double> &span)
{
    auto *axis = new QDateTimeAxis;
    axis->setRange(QDateTime::fromMSecsSinceEpoch(qint64(span.first)),
                   QDateTime::fromMSecsSinceEpoch(qint64(span.second)));
    const double days = (span.second - span.first) / 86400000.0;
    axis->setFormat(days <= 2 ? QStringLiteral("d MMM hh:mm") : days <= 400 ? QStringLiteral("d MMM")
                                                                            : QStringLiteral("MMM yyyy"));
    axis->setTickCount(6);
    return axis;
}

QChart *newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QLineSeries *horizontalLine(double y, double x0, double x1)
{
    auto *line = new QLineSeries;
    line->append(x0, y);
    line->append(x1, y);
    return line;
}

void attach(QChart *chart, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// The glycemia axis in the unit, from 0 to at least 300 mg/dL.
QValueAxis *glycemiaAxis(double highestMgdl, Unit unit)
{
    auto *axis = new QValueAxis;
    const double top = inUnit(std::max(300.0, std::ceil(highestMgdl / 50.0) * 50.0), unit);
    axis->setRange(0, top);
    axis->setLabelFormat(unit == Unit::MmolL ? QStringLiteral("%.0f") : QStringLiteral("%d"));
    axis->setTitleText(unitName(unit));
    axis->setTickCount(unit == Unit::MmolL ? 6 : 7);
    return axis;
}

// An area between two lines. The area does not own its lines; it is made
// their parent so that they go with it.
QAreaSeries *areaBetween(QLineSeries *upper, QLineSeries *lower = nullptr)
{
    auto *area = new QAreaSeries(upper, lower);
    upper->setParent(area);
    if (lower)
        lower->setParent(area);
    return area;
}

// A line from the upper to the lower edge, filled: one run of hours of the
// modal day.
QAreaSeries *band(const std::vector<std::pair<double, std::pair<double, double>>> &points, const QColor &colour)
{
    auto *upper = new QLineSeries;
    auto *lower = new QLineSeries;
    for (const auto &[x, range] : points) {
        lower->append(x, range.first);
        upper->append(x, range.second);
    }
    QAreaSeries *area = areaBetween(upper, lower);
    area->setColor(colour);
    area->setBorderColor(Qt::transparent);
    return area;
}

// The highest glycemia of a list of points.
template <typename Points>
double highestOf(const Points &points)
{
    double highest = 0;
    for (const auto &p : points)
        highest = std::max(highest, double(p.mgdl));
    return highest;
}

// The axes of a glycemia chart, and the target band 70-180 shaded behind
// whatever comes next.
QAreaSeries *addTargetBand(QChart *chart, QAbstractAxis *x, QValueAxis *y, double x0, double x1, Unit unit)
{
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    QAreaSeries *target = areaBetween(horizontalLine(inUnit(kHigh, unit), x0, x1), horizontalLine(inUnit(kLow, unit), x0, x1));
    target->setColor(kTargetColour);
    target->setBorderColor(Qt::transparent);
    attach(chart, target, x, y);
    return target;
}

void hideFromLegend(QChart *chart, QAbstractSeries *series)
{
    for (QLegendMarker *marker : chart->legend()->markers(series))
        marker->setVisible(false);
}

// The frame of a glycemia chart over a span of time: the axes, the target
// band 70-180 shaded behind what comes next, the lines at 70 and 54.
struct Frame {
    QChart *chart = nullptr;
    QDateTimeAxis *x = nullptr;
    QValueAxis *y = nullptr;
};

Frame glycemiaFrame(const std::pair<double, double> &span, double highestMgdl, Unit unit, const StringTable &strings)
{
    Frame f;
    f.chart = newChart(text(strings, "TRENDS_CHART_GLYCEMIA"));
    f.x = timeAxis(span);
    f.y = glycemiaAxis(highestMgdl, unit);
    QAreaSeries *target = addTargetBand(f.chart, f.x, f.y, span.first, span.second, unit);
    target->setName(text(strings, "TRENDS_SERIES_TARGET")
                        .arg(valueText(kLow, unit), valueText(kHigh, unit), unitName(unit)));

    QLineSeries *low = horizontalLine(inUnit(kLow, unit), span.first, span.second);
    low->setName(text(strings, "TRENDS_SERIES_LOW").arg(valueText(kLow, unit)));
    low->setPen(QPen(kLowColour, 1.5, Qt::DashLine));
    attach(f.chart, low, f.x, f.y);
    QLineSeries *veryLow = horizontalLine(inUnit(kVeryLow, unit), span.first, span.second);
    veryLow->setName(text(strings, "TRENDS_SERIES_VERY_LOW").arg(valueText(kVeryLow, unit)));
    veryLow->setPen(QPen(kVeryLowColour, 1.5, Qt::DashLine));
    attach(f.chart, veryLow, f.x, f.y);
    return f;
}

QList<QPointF> chartPoints(const std::vector<Point> &points, Unit unit)
{
    QList<QPointF> out;
    out.reserve(qsizetype(points.size()));
    for (const Point &p : points)
        out.append(QPointF(axisTime(p.when), inUnit(p.mgdl, unit)));
    return out;
}

QValueAxis *hourAxis(const StringTable &strings)
{
    auto *x = new QValueAxis;
    x->setRange(0, 24);
    x->setTickCount(9);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(text(strings, "TRENDS_AXIS_HOUR"));
    return x;
}

// The 5-95 and 25-75 bands and the median at points of the hour axis, in
// the unit; a point without them breaks the bands, so that nothing is drawn
// across it.
struct BandPoint {
    double at = 0;
    std::optional<Agp::Percentiles> p; // 5, 25, 50, 75, 95
};

void addBandRun(QChart *chart, QAbstractAxis *x, QAbstractAxis *y, std::vector<BandPoint> run, double strip, bool named,
                const StringTable &strings)
{
    // A run of one point is drawn as a strip either side of it.
    if (run.size() == 1)
        run = {{run[0].at - strip, run[0].p}, {run[0].at + strip, run[0].p}};
    std::vector<std::pair<double, std::pair<double, double>>> outer, inner;
    auto *median = new QLineSeries;
    median->setPen(QPen(kMedianColour, 2));
    for (const BandPoint &b : run) {
        const Agp::Percentiles &p = *b.p;
        outer.push_back({b.at, {p[0], p[4]}});
        inner.push_back({b.at, {p[1], p[3]}});
        median->append(b.at, p[2]);
    }
    QAreaSeries *wide = band(outer, kOuterBandColour);
    QAreaSeries *narrow = band(inner, kInnerBandColour);
    attach(chart, wide, x, y);
    attach(chart, narrow, x, y);
    attach(chart, median, x, y);
    if (named) {
        wide->setName(text(strings, "TRENDS_SERIES_P5_P95"));
        narrow->setName(text(strings, "TRENDS_SERIES_P25_P75"));
        median->setName(text(strings, "TRENDS_SERIES_MEDIAN"));
    } else {
        hideFromLegend(chart, wide);
        hideFromLegend(chart, narrow);
        hideFromLegend(chart, median);
    }
}

void addPercentileBands(QChart *chart, QAbstractAxis *x, QAbstractAxis *y, const std::vector<BandPoint> &points,
                        double strip, const StringTable &strings)
{
    std::vector<BandPoint> run;
    bool named = true;
    for (size_t i = 0; i <= points.size(); ++i) {
        if (i < points.size() && points[i].p) {
            run.push_back(points[i]);
            continue;
        }
        if (run.empty())
            continue;
        addBandRun(chart, x, y, std::move(run), strip, named, strings);
        run.clear();
        named = false;
    }
}

// The period of the sensor's readings as the time axis counts it.
std::pair<double, double> spanOf(const SensorTrace &sensor)
{
    return {sensor.from, sensor.to};
}

} // namespace

namespace {

// The sensor's trace, broken where it was silent, and the cards' readings of
// the period as dots on it.
QChart *sensorChart(const Series &series, const SensorTrace &sensor, Unit unit, const StringTable &strings)
{
    const std::pair<double, double> span = spanOf(sensor);
    std::vector<Point> cards;
    for (const Point &p : series.readings) {
        const double at = axisTime(p.when);
        if (at >= span.first && at <= span.second)
            cards.push_back(p);
    }
    double highest = highestOf(cards);
    for (const Consensus::Reading &r : sensor.readings)
        highest = std::max(highest, double(r.mgdl));
    const Frame f = glycemiaFrame(span, highest, unit, strings);

    std::vector<Agp::Run> runs = Agp::runs(sensor.readings);
    std::stable_sort(runs.begin(), runs.end(),
                     [](const Agp::Run &a, const Agp::Run &b) { return a.end - a.begin > b.end - b.begin; });
    const QString name = text(strings, "TRENDS_SERIES_SENSOR");
    QList<QPointF> lone;
    const double total = double(std::max<size_t>(1, sensor.readings.size()));
    for (size_t r = 0; r < runs.size(); ++r) {
        const std::vector<Point> points = Agp::points(sensor.readings, runs[r]);
        if (points.size() < 2 || r >= kMostRuns) {
            lone += chartPoints(points, unit);
            continue;
        }
        // Each run keeps its share of the points a line can show.
        const auto budget = std::max<size_t>(8, size_t(double(kLinePoints) * double(points.size()) / total));
        auto *line = new QLineSeries;
        line->setName(name);
        line->setPen(QPen(kReadingColour, 1.5));
        line->replace(chartPoints(thinned(points, budget), unit));
        attach(f.chart, line, f.x, f.y);
        if (r > 0)
            hideFromLegend(f.chart, line);
    }
    if (!lone.isEmpty()) {
        auto *dots = new QScatterSeries;
        dots->setName(name);
        dots->setMarkerSize(3);
        dots->setColor(kReadingColour);
        dots->setBorderColor(Qt::transparent);
        dots->replace(lone);
        attach(f.chart, dots, f.x, f.y);
        if (!runs.empty() && runs.front().end - runs.front().begin > 1)
            hideFromLegend(f.chart, dots);
    }
    auto *sticks = new QScatterSeries;
    sticks->setName(text(strings, "TRENDS_SERIES_FINGER_STICKS"));
    sticks->setMarkerSize(7);
    sticks->setColor(kFingerStickColour);
    sticks->setBorderColor(Qt::white);
    sticks->replace(chartPoints(cards, unit));
    attach(f.chart, sticks, f.x, f.y);
    return f.chart;
}

} // namespace

QChart *glycemiaChart(const Series &series, Unit unit, const StringTable &strings, const SensorTrace *sensor)
{
    if (sensor)
        return sensorChart(series, *sensor, unit, strings);
    const Frame f = glycemiaFrame(timeSpan(series), highestOf(series.readings), unit, strings);
    // One line through every reading, across midnight and across days
    // without a reading alike.
    const std::vector<Point> shown = thinned(series.readings, kLinePoints);
    auto *readings = new QLineSeries;
    readings->setName(text(strings, "TRENDS_SERIES_READINGS"));
    readings->setPen(QPen(kReadingColour, 1.5));
    readings->setPointsVisible(shown.size() <= kDottedLine);
    readings->replace(chartPoints(shown, unit));
    attach(f.chart, readings, f.x, f.y);
    return f.chart;
}

QChart *insulinChart(const Series &series, const StringTable &strings, const SensorTrace *sensor)
{
    QChart *chart = newChart(text(strings, "TRENDS_CHART_INSULIN"));
    chart->legend()->hide();
    QDateTimeAxis *x = timeAxis(sensor ? spanOf(*sensor) : timeSpan(series));
    auto *y = new QValueAxis;
    const std::vector<UnitsBar> bars = insulinBars(series.unitsPerDay, kInsulinBars);
    double most = 0;
    for (const UnitsBar &b : bars)
        most = std::max(most, b.unitsADay);
    y->setRange(0, std::max(10.0, std::ceil(most / 10.0) * 10.0));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(3);
    y->setTitleText(text(strings, "STATISTICS_UNITS"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    // A bar a day (or a run of days), a tenth of its width left free either
    // side so that neighbours stay apart, drawn as one filled outline.
    auto *outline = new QLineSeries;
    QList<QPointF> points;
    points.reserve(qsizetype(bars.size() * 4));
    for (const UnitsBar &b : bars) {
        const double gap = (b.to - b.from) / 10;
        const double from = axisTime(b.from + gap), to = axisTime(b.to - gap);
        points << QPointF(from, 0) << QPointF(from, b.unitsADay) << QPointF(to, b.unitsADay) << QPointF(to, 0);
    }
    outline->replace(points);
    QAreaSeries *area = areaBetween(outline);
    area->setColor(kInsulinColour);
    area->setBorderColor(kInsulinColour);
    attach(chart, area, x, y);
    return chart;
}

QChart *modalDayChart(const ModalDay &day, Unit unit, const StringTable &strings)
{
    QChart *chart = newChart(text(strings, "TRENDS_CHART_MODAL_DAY"));
    QValueAxis *x = hourAxis(strings);
    QValueAxis *y = glycemiaAxis(highestOf(day.readings), unit);
    hideFromLegend(chart, addTargetBand(chart, x, y, 0, 24, unit));

    // The readings as dots; a big view keeps an even sample of them.
    auto *dots = new QScatterSeries;
    dots->setName(text(strings, "TRENDS_SERIES_READINGS"));
    dots->setMarkerSize(5);
    dots->setColor(QColor(kReadingColour.red(), kReadingColour.green(), kReadingColour.blue(), 110));
    dots->setBorderColor(Qt::transparent);
    const size_t step = std::max<size_t>(1, (day.readings.size() + kModalDots - 1) / kModalDots);
    QList<QPointF> points;
    points.reserve(qsizetype(day.readings.size() / step + 1));
    for (size_t i = 0; i < day.readings.size(); i += step)
        points.append(QPointF(day.readings[i].secondsOfDay / 3600.0, inUnit(day.readings[i].mgdl, unit)));
    dots->replace(points);
    attach(chart, dots, x, y);

    // Bands and median at the middle of each hour that has them.
    std::vector<BandPoint> bands;
    for (int h = 0; h < 24; ++h) {
        const HourBands &b = day.hours[size_t(h)];
        if (b.median)
            bands.push_back({h + 0.5,
                             Agp::Percentiles{inUnit(*b.p5, unit), inUnit(*b.p25, unit), inUnit(*b.median, unit),
                                              inUnit(*b.p75, unit), inUnit(*b.p95, unit)}});
        else
            bands.push_back({h + 0.5, std::nullopt});
    }
    addPercentileBands(chart, x, y, bands, 0.5, strings);
    return chart;
}

QChart *agpChart(const Consensus::Figures &figures, Unit unit, const StringTable &strings)
{
    QChart *chart = newChart(text(strings, "AGP_CHART"));
    QValueAxis *x = hourAxis(strings);
    double highest = 0;
    for (const Consensus::Slot &slot : figures.agp)
        if (slot.percentiles)
            highest = std::max(highest, (*slot.percentiles)[4]);
    QValueAxis *y = glycemiaAxis(highest, unit);
    hideFromLegend(chart, addTargetBand(chart, x, y, 0, 24, unit));

    // Each slot at its middle, smoothed for the eye; midnight, where the
    // last slot meets the first, halfway between them.
    const auto smooth = Agp::smoothed(figures.agp);
    auto inUnits = [unit](const Agp::Percentiles &p) {
        Agp::Percentiles out;
        for (size_t k = 0; k < p.size(); ++k)
            out[k] = inUnit(p[k], unit);
        return out;
    };
    std::optional<Agp::Percentiles> midnight;
    if (smooth.front() && smooth.back()) {
        Agp::Percentiles m;
        for (size_t k = 0; k < m.size(); ++k)
            m[k] = ((*smooth.front())[k] + (*smooth.back())[k]) / 2;
        midnight = inUnits(m);
    }
    std::vector<BandPoint> points;
    points.push_back({0, midnight});
    const double slotHours = Consensus::kSlotMinutes / 60.0;
    for (size_t i = 0; i < smooth.size(); ++i)
        points.push_back({(double(i) + 0.5) * slotHours,
                          smooth[i] ? std::optional<Agp::Percentiles>(inUnits(*smooth[i])) : std::nullopt});
    points.push_back({24, midnight});
    addPercentileBands(chart, x, y, points, slotHours / 2, strings);
    return chart;
}

} // namespace TrendsCharts
