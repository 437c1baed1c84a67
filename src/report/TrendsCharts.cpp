#include "report/TrendsCharts.h"

#include "text/StringTable.h"

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

} // namespace

QChart *glycemiaChart(const Series &series, Unit unit, const StringTable &strings)
{
    QChart *chart = newChart(text(strings, "TRENDS_CHART_GLYCEMIA"));
    const auto span = timeSpan(series);
    QDateTimeAxis *x = timeAxis(span);
    QValueAxis *y = glycemiaAxis(highestOf(series.readings), unit);
    // The target band first, so that the readings are drawn over it.
    QAreaSeries *target = addTargetBand(chart, x, y, span.first, span.second, unit);
    target->setName(text(strings, "TRENDS_SERIES_TARGET")
                        .arg(valueText(kLow, unit), valueText(kHigh, unit), unitName(unit)));

    QLineSeries *low = horizontalLine(inUnit(kLow, unit), span.first, span.second);
    low->setName(text(strings, "TRENDS_SERIES_LOW").arg(valueText(kLow, unit)));
    low->setPen(QPen(kLowColour, 1.5, Qt::DashLine));
    attach(chart, low, x, y);
    QLineSeries *veryLow = horizontalLine(inUnit(kVeryLow, unit), span.first, span.second);
    veryLow->setName(text(strings, "TRENDS_SERIES_VERY_LOW").arg(valueText(kVeryLow, unit)));
    veryLow->setPen(QPen(kVeryLowColour, 1.5, Qt::DashLine));
    attach(chart, veryLow, x, y);

    // One line through every reading, across midnight and across days
    // without a reading alike.
    const std::vector<Point> shown = thinned(series.readings, kLinePoints);
    QList<QPointF> points;
    points.reserve(qsizetype(shown.size()));
    for (const Point &p : shown)
        points.append(QPointF(axisTime(p.when), inUnit(p.mgdl, unit)));
    auto *readings = new QLineSeries;
    readings->setName(text(strings, "TRENDS_SERIES_READINGS"));
    readings->setPen(QPen(kReadingColour, 1.5));
    readings->setPointsVisible(shown.size() <= kDottedLine);
    readings->replace(points);
    attach(chart, readings, x, y);
    return chart;
}

QChart *insulinChart(const Series &series, const StringTable &strings)
{
    QChart *chart = newChart(text(strings, "TRENDS_CHART_INSULIN"));
    chart->legend()->hide();
    QDateTimeAxis *x = timeAxis(timeSpan(series));
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
    auto *x = new QValueAxis;
    x->setRange(0, 24);
    x->setTickCount(9);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(text(strings, "TRENDS_AXIS_HOUR"));
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

    // Bands and median at the middle of each hour that has them; an hour
    // without breaks them, so that nothing is drawn across it.
    using Run = std::vector<std::pair<double, std::pair<double, double>>>;
    std::vector<Run> outer(1), inner(1);
    std::vector<std::vector<QPointF>> medians(1);
    for (int h = 0; h < 24; ++h) {
        const HourBands &b = day.hours[size_t(h)];
        if (!b.median) {
            if (!outer.back().empty()) {
                outer.emplace_back();
                inner.emplace_back();
                medians.emplace_back();
            }
            continue;
        }
        const double at = h + 0.5;
        outer.back().push_back({at, {inUnit(*b.p5, unit), inUnit(*b.p95, unit)}});
        inner.back().push_back({at, {inUnit(*b.p25, unit), inUnit(*b.p75, unit)}});
        medians.back().push_back(QPointF(at, inUnit(*b.median, unit)));
    }
    bool named = false;
    for (size_t r = 0; r < outer.size(); ++r) {
        if (outer[r].empty())
            continue;
        // A run of one hour is drawn as a strip an hour wide.
        if (outer[r].size() == 1) {
            const auto one = outer[r][0];
            outer[r] = {{one.first - 0.5, one.second}, {one.first + 0.5, one.second}};
            const auto two = inner[r][0];
            inner[r] = {{two.first - 0.5, two.second}, {two.first + 0.5, two.second}};
            const QPointF m = medians[r][0];
            medians[r] = {QPointF(m.x() - 0.5, m.y()), QPointF(m.x() + 0.5, m.y())};
        }
        QAreaSeries *wide = band(outer[r], QColor(0x1f, 0x5f, 0xa8, 45));
        QAreaSeries *narrow = band(inner[r], QColor(0x1f, 0x5f, 0xa8, 90));
        auto *median = new QLineSeries;
        median->setPen(QPen(QColor(0x0d, 0x2c, 0x54), 2));
        for (const QPointF &p : medians[r])
            median->append(p);
        attach(chart, wide, x, y);
        attach(chart, narrow, x, y);
        attach(chart, median, x, y);
        if (named) {
            hideFromLegend(chart, wide);
            hideFromLegend(chart, narrow);
            hideFromLegend(chart, median);
        } else {
            wide->setName(text(strings, "TRENDS_SERIES_P5_P95"));
            narrow->setName(text(strings, "TRENDS_SERIES_P25_P75"));
            median->setName(text(strings, "TRENDS_SERIES_MEDIAN"));
            named = true;
        }
    }
    return chart;
}

} // namespace TrendsCharts
