#include "report/TrendsReport.h"

#include "model/DiaryFile.h"
#include "report/AgpPainting.h"
#include "report/TrendsCharts.h"
#include "text/StringTable.h"
#include "view/Agp.h"

#include <QBuffer>
#include <QDateTime>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QtCharts/QChart>

#include <algorithm>
#include <cmath>
#include <memory>

namespace TrendsReport {

namespace {

using namespace Trends;

// Pages are laid out in pixels of 96 to the inch: A4 is 794 by 1123, with a
// margin of half an inch.
constexpr int kDpi = 96;
const QSizeF kPage(794, 1123);
constexpr double kMargin = 48;
const QRectF kBody(kMargin, kMargin, kPage.width() - 2 * kMargin, kPage.height() - 2 * kMargin - 20);

const QColor kGrey(0x60, 0x60, 0x60);
const QColor kRule(0xb0, 0xb0, 0xb0);
const QColor kStripe(0xf2, 0xf4, 0xf7);
const QColor kFlag(0xb7, 0x1c, 0x1c);

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString text(const StringTable &strings, const char *key)
{
    return strings.text(QString::fromLatin1(key));
}

// Everything the report shows, worked out once; the sensor's figures and
// days only when it has readings.
struct Content {
    Overview trends;
    std::vector<LogbookDay> days;
    std::vector<FigureLine> lines;
    std::optional<Consensus::Figures> sensor;
    std::vector<Agp::DayTrace> sensorDays;
};

Content contentOf(const CardList &view, const Options &options, const StringTable &strings)
{
    Content c;
    c.trends = overview(view, options.zone);
    c.days = logbook(view, options.zone);
    c.lines = figureLines(c.trends.figures, options.unit, strings);
    const SensorPages &sensor = options.sensor;
    if (!sensor.readings.empty() && sensor.from.isValid() && sensor.to.isValid() && sensor.from <= sensor.to) {
        c.sensor = Consensus::figures(sensor.readings, sensor.from, sensor.to, options.zone);
        c.sensorDays = Agp::days(sensor.readings, sensor.from, sensor.to, options.zone);
    }
    return c;
}

// The logbook's columns: the day; before, after and units for breakfast,
// lunch and dinner; other readings; other units.
constexpr int kColumns = 12;
const double kColumnWidths[kColumns] = {104, 54, 54, 44, 54, 54, 44, 54, 54, 44, 80, 58};

// A cell holds every value of its day, in time order; a day of more than
// this many (a sensor's readings brought in from CSV) is told as the count,
// the lowest and the highest, so that a row never outgrows its page.
constexpr size_t kMostValuesInACell = 24;

QString joined(const std::vector<float> &values, bool glycemia, Unit unit, const QLocale &locale,
               const StringTable &strings)
{
    auto shown = [&](float v) {
        return glycemia ? locale.toString(inUnit(v, unit), 'f', unit == Unit::MmolL ? 1 : 0)
                        : locale.toString(double(v), 'g', 4);
    };
    if (values.size() > kMostValuesInACell) {
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        return text(strings, "REPORT_MANY_VALUES")
            .arg(locale.toString(qlonglong(values.size())), shown(*low), shown(*high));
    }
    QStringList parts;
    for (float v : values)
        parts << shown(v);
    return parts.join(QStringLiteral(" "));
}

std::array<QString, kColumns> cellsOf(const LogbookDay &day, Unit unit, const QLocale &locale,
                                      const StringTable &strings)
{
    std::array<QString, kColumns> cells;
    cells[0] = locale.toString(day.day, QStringLiteral("ddd d MMM yyyy"));
    const MealCells *meals[3] = {&day.breakfast, &day.lunch, &day.dinner};
    for (int m = 0; m < 3; ++m) {
        cells[size_t(1 + 3 * m)] = joined(meals[m]->before, true, unit, locale, strings);
        cells[size_t(2 + 3 * m)] = joined(meals[m]->after, true, unit, locale, strings);
        cells[size_t(3 + 3 * m)] = joined(meals[m]->units, false, unit, locale, strings);
    }
    cells[10] = joined(day.otherReadings, true, unit, locale, strings);
    cells[11] = joined(day.otherUnits, false, unit, locale, strings);
    return cells;
}

constexpr double kCellPadding = 3;
constexpr double kHeaderHeight = 40;

// The height of a logbook row: every value shown, wrapped within its column.
double rowHeight(const std::array<QString, kColumns> &cells, const QFontMetricsF &metrics)
{
    double height = metrics.height();
    for (int c = 0; c < kColumns; ++c) {
        const QRectF room(0, 0, kColumnWidths[c] - 2 * kCellPadding, 10000);
        height = std::max(height, metrics.boundingRect(room, Qt::TextWordWrap, cells[size_t(c)]).height());
    }
    return height + 2 * kCellPadding;
}

// The logbook rows, split into pages: the first row of each page.
struct Logbook {
    std::vector<std::array<QString, kColumns>> rows;
    std::vector<double> heights;
    std::vector<size_t> pageStarts;
};

Logbook paginate(const Content &content, Unit unit, const QLocale &locale, const StringTable &strings,
                 QPaintDevice *device)
{
    Logbook book;
    const QFontMetricsF metrics(font(7.5), device);
    const double room = kBody.height() - 34 - kHeaderHeight; // the page's heading and the column heads
    double used = room; // a page is started by the first row
    for (const LogbookDay &day : content.days) {
        book.rows.push_back(cellsOf(day, unit, locale, strings));
        const double h = rowHeight(book.rows.back(), metrics);
        book.heights.push_back(h);
        if (used + h > room) {
            book.pageStarts.push_back(book.rows.size() - 1);
            used = 0;
        }
        used += h;
    }
    return book;
}

// Draws a chart into a rectangle of the page, as vectors.
void drawChart(QPainter &painter, QChart *chart, const QRectF &where)
{
    QGraphicsScene scene;
    scene.addItem(chart); // the scene deletes it
    chart->setBackgroundRoundness(0);
    chart->resize(where.size());
    // Qt Charts lays a chart out when its geometry changes; the layout runs
    // before the scene is drawn.
    chart->layout()->activate();
    scene.setSceneRect(QRectF(QPointF(0, 0), where.size()));
    scene.render(&painter, where, scene.sceneRect());
}

void drawFooter(QPainter &painter, int page, int pages, const StringTable &strings)
{
    painter.setFont(font(7.5));
    painter.setPen(kGrey);
    const QRectF footer(kMargin, kPage.height() - kMargin - 14, kBody.width(), 14);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     text(strings, "REPORT_PAGE").arg(page).arg(pages));
}

// Lines of figures from the top of a rectangle down; returns where they end.
double drawFigureLines(QPainter &painter, const std::vector<FigureLine> &lines, QRectF where)
{
    double y = where.top();
    const double labelWidth = where.width() * 0.52;
    for (const FigureLine &line : lines) {
        if (line.kind == FigureLine::Heading) {
            y += 6;
            painter.setFont(font(9, true));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(where.left(), y, where.width(), 16), Qt::AlignLeft | Qt::AlignVCenter, line.label);
            y += 17;
            continue;
        }
        if (line.kind == FigureLine::Note) {
            painter.setFont(font(7, false));
            painter.setPen(kGrey);
            const QRectF box(where.left(), y, where.width(), 60);
            const QRectF used = painter.boundingRect(box, Qt::TextWordWrap, line.label);
            painter.drawText(box, Qt::TextWordWrap, line.label);
            y += used.height() + 3;
            continue;
        }
        painter.setFont(font(8.5));
        const QRectF valueBox(where.left() + labelWidth, y, where.width() - labelWidth, 60);
        const QRectF labelBox(where.left(), y, labelWidth - 6, 60);
        const double height =
            std::max({15.0, painter.boundingRect(valueBox, Qt::TextWordWrap, line.value).height(),
                      painter.boundingRect(labelBox, Qt::TextWordWrap, line.label).height()});
        painter.setPen(kGrey);
        painter.drawText(labelBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line.label);
        painter.setPen(line.flagged ? kFlag : Qt::black);
        painter.drawText(valueBox, Qt::TextWordWrap, line.value);
        y += height + 1;
    }
    return y;
}

// A page's heading: its title on the left, a note in grey on the right.
void drawHeading(QPainter &painter, double height, double titlePoints, const QString &title, const QString &note,
                 double notePoints)
{
    const QRectF line(kBody.left(), kBody.top(), kBody.width(), height);
    painter.setFont(font(titlePoints, true));
    painter.setPen(Qt::black);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(font(notePoints));
    painter.setPen(kGrey);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, note);
}

void drawFirstPage(QPainter &painter, const Content &content, const Options &options, const StringTable &strings,
                   int page, int pages)
{
    const QLocale locale;
    painter.setRenderHint(QPainter::Antialiasing);
    const QDate made = CardDates::toDateTime(options.now).toTimeZone(options.zone).date();
    drawHeading(painter, 28, 17, text(strings, "REPORT_TITLE"),
                text(strings, "REPORT_MADE_ON").arg(locale.toString(made, QLocale::LongFormat)), 7.5);
    double y = kBody.top() + 30;
    painter.setFont(font(9.5));
    painter.setPen(Qt::black);
    QString span = options.title;
    if (!content.days.empty())
        span = text(strings, "REPORT_SPAN")
                   .arg(locale.toString(content.days.front().day, QLocale::LongFormat),
                        locale.toString(content.days.back().day, QLocale::LongFormat), options.title);
    painter.drawText(QRectF(kBody.left(), y, kBody.width(), 18), Qt::AlignLeft | Qt::AlignVCenter, span);
    y += 22;
    painter.setPen(QPen(kRule, 1));
    painter.drawLine(QPointF(kBody.left(), y), QPointF(kBody.right(), y));
    y += 6;

    if (content.trends.figures.readings == 0 && content.trends.figures.doses == 0) {
        painter.setFont(font(10));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(kBody.left(), y, kBody.width(), 24), Qt::AlignLeft | Qt::AlignVCenter,
                         text(strings, "REPORT_NO_CARDS"));
        drawFooter(painter, page, pages, strings);
        return;
    }

    // The figures in two columns: centre and spread, then insulin, on the
    // left; the shares of the bands and the estimates on the right.
    std::vector<FigureLine> left, right;
    bool inShares = false;
    for (const FigureLine &line : content.lines) {
        if (line.kind == FigureLine::Heading)
            inShares = line.id == QLatin1String("trendsShares");
        (inShares ? right : left).push_back(line);
    }
    const double column = (kBody.width() - 24) / 2;
    const double bottom = std::max(drawFigureLines(painter, left, QRectF(kBody.left(), y, column, 0)),
                                   drawFigureLines(painter, right, QRectF(kBody.left() + column + 24, y, column, 0)));
    y = bottom + 8;

    // The charts share what is left of the page: glycemia, insulin beneath
    // it, the modal day.
    const double room = kBody.bottom() - y;
    const double glycemiaHeight = room * 0.40, insulinHeight = room * 0.18, modalHeight = room * 0.42;
    drawChart(painter, TrendsCharts::glycemiaChart(content.trends.series, options.unit, strings),
              QRectF(kBody.left(), y, kBody.width(), glycemiaHeight));
    y += glycemiaHeight;
    drawChart(painter, TrendsCharts::insulinChart(content.trends.series, strings),
              QRectF(kBody.left(), y, kBody.width(), insulinHeight));
    y += insulinHeight;
    drawChart(painter, TrendsCharts::modalDayChart(content.trends.modalDay, options.unit, strings),
              QRectF(kBody.left(), y, kBody.width(), modalHeight));
    drawFooter(painter, page, pages, strings);
}

void drawLogbookPage(QPainter &painter, const Logbook &book, size_t first, size_t end, const Options &options,
                     const StringTable &strings, int page, int pages)
{
    drawHeading(painter, 22, 12, text(strings, "REPORT_LOGBOOK"),
                QStringLiteral("%1 · %2").arg(unitName(options.unit), text(strings, "STATISTICS_UNITS")), 8);
    double y = kBody.top() + 34;

    // Column heads: the meals over their three columns, then what each holds.
    double x[kColumns + 1];
    x[0] = kBody.left();
    for (int c = 0; c < kColumns; ++c)
        x[c + 1] = x[c] + kColumnWidths[c];
    painter.setPen(Qt::black);
    painter.setFont(font(8, true));
    const char *meals[3] = {"POPUP_MEAL_BREAKFAST", "POPUP_MEAL_LUNCH", "POPUP_MEAL_DINNER"};
    painter.drawText(QRectF(x[0], y, kColumnWidths[0], kHeaderHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     text(strings, "REPORT_DAY"));
    for (int m = 0; m < 3; ++m)
        painter.drawText(QRectF(x[1 + 3 * m], y, x[4 + 3 * m] - x[1 + 3 * m], kHeaderHeight / 2), Qt::AlignCenter,
                         text(strings, meals[m]));
    painter.drawText(QRectF(x[10], y, kColumnWidths[10], kHeaderHeight), Qt::AlignCenter | Qt::TextWordWrap,
                     text(strings, "REPORT_OTHER"));
    painter.drawText(QRectF(x[11], y, kColumnWidths[11], kHeaderHeight), Qt::AlignCenter | Qt::TextWordWrap,
                     text(strings, "REPORT_OTHER_UNITS"));
    painter.setFont(font(7.5));
    const char *parts[3] = {"STATISTICS_PRE_MEAL", "STATISTICS_POST_MEAL", "STATISTICS_UNITS"};
    for (int m = 0; m < 3; ++m)
        for (int p = 0; p < 3; ++p)
            painter.drawText(QRectF(x[1 + 3 * m + p], y + kHeaderHeight / 2, kColumnWidths[1 + 3 * m + p],
                                    kHeaderHeight / 2),
                             Qt::AlignCenter, text(strings, parts[p]));
    y += kHeaderHeight;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(x[0], y), QPointF(x[kColumns], y));

    painter.setFont(font(7.5));
    const double top = y - kHeaderHeight;
    for (size_t r = first; r < end; ++r) {
        const double h = book.heights[r];
        if ((r - first) % 2 == 1)
            painter.fillRect(QRectF(x[0], y, x[kColumns] - x[0], h), kStripe);
        painter.setPen(Qt::black);
        for (int c = 0; c < kColumns; ++c) {
            const QRectF cell(x[c] + kCellPadding, y + kCellPadding, kColumnWidths[c] - 2 * kCellPadding,
                              h - 2 * kCellPadding);
            painter.drawText(cell, (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop | Qt::TextWordWrap,
                             book.rows[r][size_t(c)]);
        }
        y += h;
        painter.setPen(QPen(kRule, 0.5));
        painter.drawLine(QPointF(x[0], y), QPointF(x[kColumns], y));
    }
    // Rules between the meals, from the heads down.
    painter.setPen(QPen(kRule, 1));
    for (int c : {1, 4, 7, 10, 11})
        painter.drawLine(QPointF(x[c], top), QPointF(x[c], y));
    drawFooter(painter, page, pages, strings);
}

// The AGP page: the heading and the period, the time-in-ranges bar beside
// the figures and their targets, the AGP, then as many rows of daily
// profiles as fit; the rest of the days go on to pages of their own.
constexpr double kRangesHeight = 200;
constexpr double kAgpHeight = 300;
constexpr double kDayRow = 92;
constexpr int kDaysARow = 7;
constexpr double kDaysHeading = 22;
const double kFirstDaysTop = kBody.top() + 58 + kRangesHeight + 16 + kAgpHeight + kDaysHeading;
const double kMoreDaysTop = kBody.top() + 34;
const QColor kMet(0x2e, 0x7d, 0x32);

size_t daysOnFirstAgpPage()
{
    return size_t(std::max(0.0, std::floor((kBody.bottom() - kFirstDaysTop) / kDayRow))) * kDaysARow;
}

size_t daysOnMoreAgpPages()
{
    return size_t(std::floor((kBody.bottom() - kMoreDaysTop) / kDayRow)) * kDaysARow;
}

int agpPagesOf(const Content &content)
{
    if (!content.sensor)
        return 0;
    const size_t rest = content.sensorDays.size() - std::min(content.sensorDays.size(), daysOnFirstAgpPage());
    return 1 + int((rest + daysOnMoreAgpPages() - 1) / daysOnMoreAgpPages());
}

QString profileName(Consensus::Profile profile, const StringTable &strings)
{
    return text(strings, profile == Consensus::Profile::OlderHighRisk ? "AGP_PROFILE_OLDER" : "AGP_PROFILE_STANDARD");
}

// The consensus figures as a table: label, value, target and whether it is
// met; returns where it ends.
double drawAgpFigures(QPainter &painter, const std::vector<Agp::Line> &lines, const QRectF &where,
                      const StringTable &strings)
{
    // The values and the targets as wide as the widest of them; the labels
    // wrap in what is left.
    std::vector<QString> targets;
    double valueWidth = 0, targetWidth = 0;
    const QFontMetricsF valueMetrics(font(8.5, true), painter.device()), targetMetrics(font(8), painter.device());
    for (const Agp::Line &line : lines) {
        targets.push_back(Agp::targetText(line, strings));
        valueWidth = std::max(valueWidth, valueMetrics.horizontalAdvance(line.value) + 8);
        targetWidth = std::max(targetWidth, targetMetrics.horizontalAdvance(targets.back()) + 4);
    }
    const double labelWidth = std::max(where.width() * 0.3, where.width() - valueWidth - targetWidth);
    double y = where.top();
    for (size_t i = 0; i < lines.size(); ++i) {
        const Agp::Line &line = lines[i];
        painter.setFont(font(8.5));
        const QRectF labelBox(where.left(), y, labelWidth - 6, 40);
        const double height = std::max(16.0, painter.boundingRect(labelBox, Qt::TextWordWrap, line.label).height() + 1);
        painter.setPen(kGrey);
        painter.drawText(labelBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line.label);
        painter.setPen(Qt::black);
        painter.setFont(font(8.5, true));
        painter.drawText(QRectF(where.left() + labelWidth, y, valueWidth - 8, height), Qt::AlignRight | Qt::AlignTop,
                         line.value);
        painter.setFont(font(8));
        painter.setPen(line.met ? (*line.met ? kMet : kFlag) : kGrey);
        const double targetLeft = where.left() + labelWidth + valueWidth;
        painter.drawText(QRectF(targetLeft, y, where.right() - targetLeft, height), Qt::AlignLeft | Qt::AlignTop,
                         targets[i]);
        y += height;
    }
    return y;
}

void drawSensorDays(QPainter &painter, const Content &content, size_t first, size_t count, double top)
{
    AgpPainting::DaysLayout layout;
    layout.columns = kDaysARow;
    layout.rowHeight = kDayRow;
    layout.topMgdl = AgpPainting::topOf(content.sensorDays);
    AgpPainting::drawDays(painter, QRectF(kBody.left(), top, kBody.width(), kBody.bottom() - top), content.sensorDays,
                          first, count, layout, font(7));
}

void drawAgpPage(QPainter &painter, const Content &content, const Options &options, const StringTable &strings,
                 int pages)
{
    const QLocale locale;
    const Consensus::Figures &figures = *content.sensor;
    painter.setRenderHint(QPainter::Antialiasing);
    const QDate made = CardDates::toDateTime(options.now).toTimeZone(options.zone).date();
    drawHeading(painter, 28, 17, text(strings, "AGP_CHART"),
                text(strings, "REPORT_MADE_ON").arg(locale.toString(made, QLocale::LongFormat)), 7.5);
    double y = kBody.top() + 30;
    const QRectF periodLine(kBody.left(), y, kBody.width(), 18);
    painter.setFont(font(9.5));
    painter.setPen(Qt::black);
    painter.drawText(periodLine, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1 · %2").arg(
                         Agp::periodText(figures.from, figures.to, strings, locale),
                         text(strings, "AGP_PROFILE_OF").arg(profileName(options.sensor.profile, strings))));
    y += 22;
    painter.setPen(QPen(kRule, 1));
    painter.drawLine(QPointF(kBody.left(), y), QPointF(kBody.right(), y));
    y += 6;

    // The bar with its title, and the figures beside it.
    const QRectF titleLine(kBody.left(), y, kBody.width(), 16);
    painter.setFont(font(9, true));
    painter.setPen(Qt::black);
    painter.drawText(titleLine, Qt::AlignLeft | Qt::AlignVCenter, text(strings, "AGP_RANGES"));
    if (!figures.sufficient()) {
        painter.setPen(kFlag);
        painter.drawText(titleLine, Qt::AlignRight | Qt::AlignVCenter, text(strings, "AGP_NOT_SUFFICIENT"));
    }
    const auto shares = Agp::shares(figures, options.unit, strings, locale);
    const QFont barFont = font(8);
    const double barWidth =
        std::min(kBody.width() * 0.42, AgpPainting::rangesBarWidth(shares, barFont, painter.device(), locale));
    AgpPainting::drawRangesBar(painter, QRectF(kBody.left(), y + 22, barWidth, kRangesHeight - 14), shares, barFont,
                               locale);
    const double left = kBody.left() + barWidth + 28;
    drawAgpFigures(painter, Agp::figureLines(figures, options.sensor.profile, options.unit, strings, locale),
                   QRectF(left, y + 22, kBody.right() - left, kRangesHeight), strings);
    y += kRangesHeight + 16;

    drawChart(painter, TrendsCharts::agpChart(figures, options.unit, strings),
              QRectF(kBody.left(), y, kBody.width(), kAgpHeight));
    y += kAgpHeight;
    painter.setFont(font(10, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kBody.left(), y, kBody.width(), kDaysHeading), Qt::AlignLeft | Qt::AlignVCenter,
                     text(strings, "AGP_DAILY"));
    drawSensorDays(painter, content, 0, daysOnFirstAgpPage(), kFirstDaysTop);
    drawFooter(painter, 1, pages, strings);
}

void drawMoreDaysPage(QPainter &painter, const Content &content, size_t first, const StringTable &strings, int page,
                      int pages)
{
    drawHeading(painter, 22, 12, text(strings, "AGP_DAILY_MORE"),
                Agp::periodText(content.sensor->from, content.sensor->to, strings), 8);
    drawSensorDays(painter, content, first, daysOnMoreAgpPages(), kMoreDaysTop);
    drawFooter(painter, page, pages, strings);
}

// A device of the layout's 96 dpi, for measuring text off the page.
QImage probe()
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kDpi / 0.0254));
    return image;
}

int pagesOf(const Content &content, const Options &options, const StringTable &strings)
{
    QImage device = probe();
    const Logbook book = paginate(content, options.unit, QLocale(), strings, &device);
    return agpPagesOf(content) + 1 + int(book.pageStarts.size());
}

// The AGP pages, each but the first begun on a page of its own.
void drawAgpPages(QPainter &painter, QPdfWriter &pdf, const Content &content, const Options &options,
                  const StringTable &strings, int pages)
{
    const int agpPages = agpPagesOf(content);
    for (int p = 0; p < agpPages; ++p) {
        if (p == 0) {
            drawAgpPage(painter, content, options, strings, pages);
            continue;
        }
        pdf.newPage();
        drawMoreDaysPage(painter, content, daysOnFirstAgpPage() + size_t(p - 1) * daysOnMoreAgpPages(), strings, p + 1,
                         pages);
    }
}

} // namespace

int pageCount(const CardList &view, const Options &options, const StringTable &strings)
{
    const Content content = contentOf(view, options, strings);
    return pagesOf(content, options, strings);
}

bool write(const QString &path, const CardList &view, const Options &options, const StringTable &strings,
           QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // Made whole in memory (a lifetime's report is a few megabytes), then
    // written at once: the PDF writer does not tell a write that fails.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const Content content = contentOf(view, options, strings);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(text(strings, "REPORT_TITLE"));
        pdf.setCreator(QStringLiteral("Orvane"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return fail(QStringLiteral("the PDF could not be started"));
        // The page in our 96-dpi layout, whatever the writer's own units.
        const double scale = double(pdf.width()) / kPage.width();
        painter.scale(scale, scale);
        const Logbook book = paginate(content, options.unit, QLocale(), strings, &pdf);
        const int agpPages = agpPagesOf(content);
        const int pages = agpPages + 1 + int(book.pageStarts.size());
        drawAgpPages(painter, pdf, content, options, strings, pages);
        if (agpPages > 0)
            pdf.newPage();
        drawFirstPage(painter, content, options, strings, agpPages + 1, pages);
        for (size_t p = 0; p < book.pageStarts.size(); ++p) {
            pdf.newPage();
            const size_t end = p + 1 < book.pageStarts.size() ? book.pageStarts[p + 1] : book.rows.size();
            drawLogbookPage(painter, book, book.pageStarts[p], end, options, strings, agpPages + int(p) + 2, pages);
        }
        if (!painter.end())
            return fail(QStringLiteral("the PDF could not be finished"));
    }
    const DiaryFile::SaveResult written =
        DiaryFile::writeAtomically(path, buffer.data(), DiaryFile::Folder::MustExist);
    if (!written.ok)
        return fail(written.error);
    return true;
}

QImage firstPage(const CardList &view, const Options &options, const StringTable &strings, int width)
{
    const Content content = contentOf(view, options, strings);
    const double scale = double(width) / kPage.width();
    QImage image(width, qRound(kPage.height() * scale), QImage::Format_RGB32);
    // Fonts are sized at the layout's 96 dpi; the painter scales the page.
    image.setDotsPerMeterX(qRound(kDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    const int pages = pagesOf(content, options, strings);
    if (content.sensor)
        drawAgpPage(painter, content, options, strings, pages);
    else
        drawFirstPage(painter, content, options, strings, 1, pages);
    return image;
}

} // namespace TrendsReport
