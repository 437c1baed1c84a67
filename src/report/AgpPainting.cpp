#include "report/AgpPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace AgpPainting {

namespace {

const QColor kBands[5] = {QColor(0x8b, 0x00, 0x00), QColor(0xe5, 0x39, 0x35), QColor(0x2e, 0x9e, 0x44),
                          QColor(0xf9, 0xa8, 0x25), QColor(0xe6, 0x51, 0x00)};
const QColor kFrame(0xb0, 0xb0, 0xb0);
const QColor kHourLine(0xe4, 0xe4, 0xe4);
const QColor kTarget(0x4c, 0xaf, 0x50, 55);
const QColor kTrace(0x1f, 0x5f, 0xa8);
const QColor kText(0x20, 0x20, 0x20);
const QColor kEmpty(0xee, 0xee, 0xee);

constexpr double kBarWidth = 30;
constexpr double kSliver = 3; // the least height of a band that holds anything
constexpr double kLabelGap = 14;

QString percentText(double percent, const QLocale &locale)
{
    // Whole percents, as the page is read at a glance; under 1 % with one
    // decimal, so that a trace of lows is not read as none.
    const int decimals = percent > 0 && percent < 1 ? 1 : 0;
    return QStringLiteral("%1 %").arg(locale.toString(percent, 'f', decimals));
}

// The heights of the bands in a column of the given height, lowest first.
std::array<double, 5> bandHeights(const std::array<Agp::Share, 5> &shares, double height)
{
    std::array<double, 5> h{};
    double total = 0;
    for (const Agp::Share &s : shares)
        total += std::max(0.0, s.percent);
    if (total <= 0)
        return h;
    int slivers = 0;
    for (const Agp::Share &s : shares)
        slivers += s.percent > 0 ? 1 : 0;
    const double room = std::max(0.0, height - slivers * kSliver);
    for (size_t b = 0; b < h.size(); ++b)
        h[b] = shares[b].percent > 0 ? kSliver + room * shares[b].percent / total : 0;
    return h;
}

// Label centres as near as may be to where they want to be, no two closer
// than the line height, all within [top, bottom]; wanted is top to bottom.
std::vector<double> spread(std::vector<double> wanted, double line, double top, double bottom)
{
    for (size_t i = 0; i < wanted.size(); ++i) {
        const double least = i == 0 ? top + line / 2 : wanted[i - 1] + line;
        wanted[i] = std::max(wanted[i], least);
    }
    for (size_t i = wanted.size(); i-- > 0;) {
        const double most = i + 1 == wanted.size() ? bottom - line / 2 : wanted[i + 1] - line;
        wanted[i] = std::min(wanted[i], most);
    }
    return wanted;
}

} // namespace

QColor bandColour(size_t band)
{
    return kBands[std::min<size_t>(band, 4)];
}

double rangesBarWidth(const std::array<Agp::Share, 5> &shares, const QFont &font, const QPaintDevice *device,
                      const QLocale &locale)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF plain(font, device), strong(bold, device);
    double widest = 0;
    for (const Agp::Share &s : shares)
        widest = std::max(
            widest, plain.horizontalAdvance(s.label) + 8 + strong.horizontalAdvance(percentText(s.percent, locale)));
    return kBarWidth + kLabelGap + widest + 4;
}

void drawRangesBar(QPainter &painter, const QRectF &where, const std::array<Agp::Share, 5> &shares, const QFont &font,
                   const QLocale &locale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF bar(where.left(), where.top(), kBarWidth, where.height());
    const std::array<double, 5> heights = bandHeights(shares, bar.height());
    painter.fillRect(bar, kEmpty);
    double bottom = bar.bottom();
    std::vector<double> wanted(shares.size());
    for (size_t b = 0; b < shares.size(); ++b) {
        const QRectF segment(bar.left(), bottom - heights[b], bar.width(), heights[b]);
        painter.fillRect(segment, kBands[b]);
        wanted[shares.size() - 1 - b] = heights[b] > 0 ? segment.center().y() : bottom;
        bottom -= heights[b];
    }
    painter.setPen(QPen(kFrame, 1));
    painter.drawRect(bar);

    // The labels, highest band first, beside the bar.
    QFont bold = font;
    bold.setBold(true);
    const double line = QFontMetricsF(font, painter.device()).height() * 1.15;
    const std::vector<double> at = spread(wanted, line, where.top(), where.bottom());
    const double left = bar.right() + kLabelGap;
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (size_t i = 0; i < at.size(); ++i) {
        const size_t b = shares.size() - 1 - i;
        const QRectF label(left, at[i] - line / 2, where.right() - left, line);
        painter.setPen(QPen(kBands[b], 2));
        painter.drawLine(QPointF(bar.right() + 2, wanted[i]), QPointF(left - 3, at[i]));
        painter.setPen(kText);
        painter.setFont(font);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, shares[b].label);
        painter.setFont(bold);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, percentText(shares[b].percent, locale));
    }
    painter.restore();
}

double topOf(const std::vector<Agp::DayTrace> &days)
{
    double highest = 0;
    for (const Agp::DayTrace &d : days)
        for (const Agp::DayPoint &p : d.points)
            highest = std::max(highest, double(p.mgdl));
    return std::clamp(std::ceil(highest / 50.0) * 50.0, 350.0, 500.0);
}

namespace {

void drawDay(QPainter &painter, const QRectF &cell, const Agp::DayTrace &day, double top, const QFont &font,
             const QLocale &locale)
{
    const double head = QFontMetricsF(font, painter.device()).height() + 2;
    painter.setFont(font);
    painter.setPen(kText);
    painter.drawText(QRectF(cell.left(), cell.top(), cell.width(), head), Qt::AlignLeft | Qt::AlignVCenter,
                     locale.toString(day.day, QStringLiteral("ddd d MMM")));
    const QRectF plot(cell.left(), cell.top() + head, cell.width(), cell.height() - head);
    auto yOf = [&](double mgdl) { return plot.bottom() - plot.height() * std::clamp(mgdl / top, 0.0, 1.0); };
    auto xOf = [&](double hours) { return plot.left() + plot.width() * hours / 24.0; };
    painter.fillRect(QRectF(QPointF(plot.left(), yOf(Trends::kHigh)), QPointF(plot.right(), yOf(Trends::kLow))),
                     kTarget);
    painter.setPen(QPen(kHourLine, 1));
    for (int h : {6, 12, 18})
        painter.drawLine(QPointF(xOf(h), plot.top()), QPointF(xOf(h), plot.bottom()));
    painter.setPen(QPen(kFrame, 1));
    painter.drawRect(plot);

    QPainterPath path;
    for (const Agp::DayPoint &p : day.points) {
        const QPointF at(xOf(p.hours), yOf(p.mgdl));
        if (p.joined)
            path.lineTo(at);
        else
            path.moveTo(at);
    }
    painter.save();
    painter.setClipRect(plot);
    painter.setPen(QPen(kTrace, 1.2));
    painter.drawPath(path);
    // A reading with no neighbour would leave no mark: a dot shows it.
    for (size_t i = 0; i < day.points.size(); ++i) {
        const bool alone = !day.points[i].joined && (i + 1 == day.points.size() || !day.points[i + 1].joined);
        if (alone)
            painter.drawPoint(QPointF(xOf(day.points[i].hours), yOf(day.points[i].mgdl)));
    }
    painter.restore();
}

} // namespace

void drawDays(QPainter &painter, const QRectF &where, const std::vector<Agp::DayTrace> &days, size_t first,
              size_t count, const DaysLayout &layout, const QFont &font, const QLocale &locale)
{
    const int columns = std::max(1, layout.columns);
    const double gap = 6;
    const double width = (where.width() - gap * (columns - 1)) / columns;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const size_t end = std::min(days.size(), first + count);
    for (size_t i = first; i < end; ++i) {
        const size_t n = i - first;
        const QRectF cell(where.left() + double(n % size_t(columns)) * (width + gap),
                          where.top() + double(n / size_t(columns)) * layout.rowHeight, width, layout.rowHeight - gap);
        drawDay(painter, cell, days[i], layout.topMgdl, font, locale);
    }
    painter.restore();
}

} // namespace AgpPainting
