#pragma once

#include "interchange/foreign/ForeignFormat.h"
#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <string>
#include <tuple>
#include <vector>

// The other programs' sample files in data/formats and what their
// .expected.md files say they give.
namespace formatsamples {

QString folder();
QByteArray sample(const QString &name);
// The stems of the samples that have an expected result ("mysugr"), and the
// sample file of a stem ("mysugr.csv").
QStringList stems();
QString dataFile(const QString &stem);

// A card as the expected files list it: unix time, therapy, glycemia or
// units, insulin, meal, notes.
using CardRow = std::tuple<qint64, bool, double, QString, QString, QString>;
using ReadingRow = std::tuple<qint64, int, ForeignFormat::SensorFlag>;
CardRow cardRow(const ZRGlycemicCard &card);
std::string show(const CardRow &card);

// The counts, every card, and the readings listed in runs that follow each
// other in the result (a "…" row between runs); the first run starts the
// readings and the last ends them. firstImport and secondImport are the
// counts of "import --json" the first and the second time ("cardsAdded",
// …, "status").
struct Expected {
    std::map<QString, QString> counts;
    std::vector<CardRow> cards;
    std::vector<std::vector<ReadingRow>> runs;
    std::map<QString, qint64> firstImport, secondImport;

    QString count(const char *kind) const { return counts.at(QString::fromLatin1(kind)); }
    // The records giving nothing, all kinds together.
    size_t skippedTotal() const;
};
Expected expectedOf(const QString &stem);

// Empty when got holds the cards wanted (equal times in any order, values
// to 0.01), else what differs.
std::string cardsDiffer(std::vector<CardRow> got, std::vector<CardRow> want);
// Empty when the readings (oldest first) hold every run where it belongs,
// else the first run that is not there.
std::string runsMissing(const std::vector<ReadingRow> &readings, const Expected &expected);
// "30 (flag low: 1, flag high: 0)", as the counts table says it.
QString readingsCount(const std::vector<ReadingRow> &readings);

} // namespace formatsamples
