#pragma once

#include "view/Trends.h"

#include <QImage>
#include <QString>
#include <QTimeZone>

class StringTable;

// The report for the care team: a PDF of the cards in view. Page one holds
// the figures and the charts; then the logbook, one row a day with
// breakfast, lunch and dinner (before, after, units) and other readings.
// Needs a QApplication (the charts are drawn by Qt Charts).
namespace TrendsReport {

struct Options {
    Trends::Unit unit = Trends::Unit::MgdL;
    QTimeZone zone = QTimeZone::systemTimeZone();
    QString title;       // e.g. the view's period and kind, shown under the heading
    double now = 0;      // seconds since 2001-01-01 UTC: the report's date
};

// Writes the PDF to path (atomically). False, with the reason in *error, when
// it could not be written.
bool write(const QString &path, const CardList &view, const Options &options, const StringTable &strings,
           QString *error);

// The report's pages: one, plus as many as the logbook needs.
int pageCount(const CardList &view, const Options &options, const StringTable &strings);

// Page one as an image of the given width, white behind, for previews and
// the documentation.
QImage firstPage(const CardList &view, const Options &options, const StringTable &strings, int width);

} // namespace TrendsReport
