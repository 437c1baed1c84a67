#include "support/FormatSamples.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace formatsamples {

using ForeignFormat::SensorFlag;

namespace {

QString unquoted(const QString &cell)
{
    return cell == u"\"\"" ? QString() : QJsonDocument::fromJson(("[" + cell + "]").toUtf8()).array().at(0).toString(cell);
}

// "`cardsAdded` 4, `cardsKnown` 0, …, status 0" → {cardsAdded: 4, …}.
std::map<QString, qint64> importCounts(const QString &text)
{
    std::map<QString, qint64> out;
    static const QRegularExpression pair(QStringLiteral("`?(\\w+)`? (\\d+)"));
    for (auto it = pair.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out[m.captured(1)] = m.captured(2).toLongLong();
    }
    return out;
}

void readImportLine(const QString &line, Expected &e)
{
    const qsizetype second = line.indexOf(u"Second time");
    e.firstImport = importCounts(line.mid(line.indexOf(u"first time:"), second));
    e.secondImport = importCounts(line.mid(second, line.indexOf(u"The names") - second));
}

void readRow(const QString &section, const QStringList &cells, Expected &e)
{
    if (section == u"Counts") {
        e.counts[cells[0]] = cells[1];
    } else if (section == u"Cards") {
        e.cards.emplace_back(cells[1].toLongLong(), cells[2] == u"therapy", cells[3].toDouble(), unquoted(cells[4]),
                             unquoted(cells[5]), unquoted(cells[6]));
    } else if (cells[0] == u"…") {
        e.runs.emplace_back();
    } else if (section.startsWith(u"Sensor readings")) {
        const SensorFlag flag = cells[3] == u"low"    ? SensorFlag::Low
                                : cells[3] == u"high" ? SensorFlag::High
                                                      : SensorFlag::None;
        e.runs.back().emplace_back(cells[1].toLongLong(), cells[2].toInt(), flag);
    }
}

} // namespace

QString folder()
{
    return QStringLiteral(ORVANE_TESTS_DIR "/data/formats/");
}

QByteArray sample(const QString &name)
{
    QFile file(folder() + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList stems()
{
    QStringList out = QDir(folder()).entryList({QStringLiteral("*.expected.md")});
    for (QString &name : out)
        name.chop(int(qstrlen(".expected.md")));
    return out;
}

QString dataFile(const QString &stem)
{
    return QDir(folder()).entryList({stem + QStringLiteral(".csv"), stem + QStringLiteral(".json")}).value(0);
}

CardRow cardRow(const ZRGlycemicCard &c)
{
    return {qint64(*c.dateMeasurement() + CardDates::kUnixToReferenceSeconds), c.isTherapy(),
            c.isTherapy() ? c.unitValue() : c.glycemiaValue(), c.nameInsulin().value_or("?"),
            c.nameMeal().value_or("?"), c.notes().value_or("?")};
}

std::string show(const CardRow &c)
{
    return QStringLiteral("%1 %2 %3 %4 %5 \"%6\"")
        .arg(std::get<0>(c))
        .arg(std::get<1>(c) ? "therapy" : "measurement")
        .arg(std::get<2>(c))
        .arg(std::get<3>(c), std::get<4>(c), std::get<5>(c))
        .toStdString();
}

size_t Expected::skippedTotal() const
{
    // "alert 4, bolus wizard (delivery on its own row) 3" → 7.
    QString text = count("records giving nothing (by kind)");
    text.remove(QRegularExpression(QStringLiteral("\\([^)]*\\)")));
    size_t total = 0;
    for (const QString &kind : text.split(u','))
        total += kind.trimmed().section(u' ', -1).toULongLong();
    return total;
}

Expected expectedOf(const QString &stem)
{
    Expected e;
    QString section;
    for (const QString &line : QString::fromUtf8(sample(stem + QStringLiteral(".expected.md"))).split(u'\n')) {
        if (line.startsWith(u"## ")) {
            section = line.mid(3);
            e.runs.emplace_back();
            continue;
        }
        if (line.startsWith(u"`import --json`"))
            readImportLine(line, e);
        QStringList cells = line.split(u'|');
        if (cells.size() < 3)
            continue;
        cells = cells.mid(1, cells.size() - 2);
        for (QString &cell : cells)
            cell = cell.trimmed();
        // Wide enough for what is read of it: a row of the card table has
        // seven cells, of the readings four, of the counts two.
        const qsizetype needed = section == u"Cards" ? 7 : section.startsWith(u"Sensor readings") ? 4 : 2;
        if (cells.size() < needed || cells[0].startsWith(u"---") || cells[1] == u"unix" || cells[0] == u"kind")
            continue;
        readRow(section, cells, e);
    }
    std::erase_if(e.runs, [](const auto &run) { return run.empty(); });
    return e;
}

std::string cardsDiffer(std::vector<CardRow> got, std::vector<CardRow> want)
{
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    if (got.size() != want.size())
        return std::to_string(got.size()) + " cards, not " + std::to_string(want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        const CardRow &a = got[i], &b = want[i];
        const bool same = std::get<0>(a) == std::get<0>(b) && std::get<1>(a) == std::get<1>(b)
                          && std::abs(std::get<2>(a) - std::get<2>(b)) < 0.01 && std::get<3>(a) == std::get<3>(b)
                          && std::get<4>(a) == std::get<4>(b) && std::get<5>(a) == std::get<5>(b);
        if (!same)
            return show(a) + " is not " + show(b);
    }
    return {};
}

std::string runsMissing(const std::vector<ReadingRow> &readings, const Expected &expected)
{
    auto from = readings.begin();
    for (size_t i = 0; i < expected.runs.size(); ++i) {
        const auto &run = expected.runs[i];
        const auto at = i == 0 ? readings.begin() : std::search(from, readings.end(), run.begin(), run.end());
        const bool there = readings.end() - at >= qsizetype(run.size()) && std::equal(run.begin(), run.end(), at);
        const bool last = i + 1 == expected.runs.size();
        if (!there || (last && at + qsizetype(run.size()) != readings.end()))
            return "run " + std::to_string(i) + " from " + std::to_string(std::get<0>(run.front()));
        from = at + qsizetype(run.size());
    }
    return {};
}

QString readingsCount(const std::vector<ReadingRow> &readings)
{
    const auto flagged = [&](SensorFlag flag) {
        return std::count_if(readings.begin(), readings.end(), [&](const auto &r) { return std::get<2>(r) == flag; });
    };
    return QStringLiteral("%1 (flag low: %2, flag high: %3)")
        .arg(readings.size())
        .arg(flagged(SensorFlag::Low))
        .arg(flagged(SensorFlag::High));
}

} // namespace formatsamples
