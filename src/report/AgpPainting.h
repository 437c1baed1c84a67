#pragma once

#include "view/Agp.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPaintDevice;
class QPainter;

// The parts of the AGP page drawn with a painter, shared by the trends
// window and the PDF report: the time-in-ranges bar and the daily profiles.
namespace AgpPainting {

// The colours of the five bands, lowest first: dark red, red, green,
// amber, dark orange.
QColor bandColour(size_t band);

// The time-in-ranges bar: a column stacked from the lowest band up, each
// band at least a sliver when it holds anything, and beside it each band's
// name and share, pushed apart where they would overlap. Text in font.
void drawRangesBar(QPainter &painter, const QRectF &where, const std::array<Agp::Share, 5> &shares, const QFont &font,
                   const QLocale &locale = QLocale());
// The width the bar and its labels need in font on the device.
double rangesBarWidth(const std::array<Agp::Share, 5> &shares, const QFont &font, const QPaintDevice *device,
                      const QLocale &locale = QLocale());

// The daily profiles: days[first, first + count) in rows of `columns`
// cells of rowHeight, from the top left of where. Each cell holds the day's
// date and, from midnight to midnight, the band 70-180 shaded and the
// trace; every day is drawn on one scale, up to topMgdl.
struct DaysLayout {
    int columns = 7;
    double rowHeight = 90;
    double topMgdl = 350;
};
void drawDays(QPainter &painter, const QRectF &where, const std::vector<Agp::DayTrace> &days, size_t first,
              size_t count, const DaysLayout &layout, const QFont &font, const QLocale &locale = QLocale());
// The scale of the daily profiles: 350 mg/dL, or the highest reading's
// next 50 up to 500.
double topOf(const std::vector<Agp::DayTrace> &days);

} // namespace AgpPainting
