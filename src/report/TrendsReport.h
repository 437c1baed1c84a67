#pragma once

#include "view/Consensus.h"
#include "view/Trends.h"

#include <QImage>
#include <QString>
#include <QTimeZone>

class StringTable;

// The report for the care team: a PDF of the cards in view. When the
// sensor held readings in the period chosen, the report opens with the AGP
// page (the consensus figures with their targets, the time-in-ranges bar,
// the AGP, then the daily profiles, seven days a row, going on to further
// pages as they need). Then a page of the cards' figures and charts, and
// the logbook, one row a day with breakfast, lunch and dinner (before,
// after, units) and other readings. Needs a QApplication (the charts are
// drawn by Qt Charts).
namespace TrendsReport {

// The sensor's readings of the AGP page: their period (local days) and the
// targets they are judged by. No AGP page without readings.
struct SensorPages {
    QDate from, to;
    std::vector<Consensus::Reading> readings; // of the period, oldest first
    Consensus::Profile profile = Consensus::Profile::Standard;
};

struct Options {
    Trends::Unit unit = Trends::Unit::MgdL;
    QTimeZone zone = QTimeZone::systemTimeZone();
    QString title;       // e.g. the view's period and kind, shown under the heading
    double now = 0;      // seconds since 2001-01-01 UTC: the report's date
    SensorPages sensor;
};

// Writes the PDF to path (atomically). False, with the reason in *error, when
// it could not be written.
bool write(const QString &path, const CardList &view, const Options &options, const StringTable &strings,
           QString *error);

// The report's pages: the AGP pages when there are readings, one for the
// cards, plus as many as the logbook needs.
int pageCount(const CardList &view, const Options &options, const StringTable &strings);

// Page one (the AGP page when there are readings) as an image of the given
// width, white behind, for previews and the documentation.
QImage firstPage(const CardList &view, const Options &options, const StringTable &strings, int width);

} // namespace TrendsReport
