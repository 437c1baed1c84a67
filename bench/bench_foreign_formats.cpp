// Reading another program's export at the largest size seen: a Dexcom
// Clarity file of 1,000,000 rows (about ten years of 5-minute readings) in
// the quoted layout, from its file, detection included. Memory is to stay
// with the readings made, not the file's size (run under /usr/bin/time -v).

#include "interchange/foreign/ForeignFormat.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 1000000;

// Written row by row, so the generator itself holds no copy of the file.
QString clarityFile()
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clarity.csv"));
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("\xEF\xBB\xBF\"Index\",\"Timestamp (YYYY-MM-DDThh:mm:ss)\",\"Event Type\",\"Event Subtype\","
               "\"Patient Info\",\"Device Info\",\"Source Device ID\",\"Glucose Value (mg/dL)\",\"Insulin Value (u)\","
               "\"Carb Value (grams)\",\"Duration (hh:mm:ss)\",\"Glucose Rate of Change (mg/dL/min)\","
               "\"Transmitter Time (Long Integer)\",\"Transmitter ID\"\n"
               "\"1\",\"\",\"FirstName\",\"\",\"Demo\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n");
    const QDateTime start(QDate(2016, 1, 1), QTime(0, 0, 7), QTimeZone("Europe/Rome"));
    QByteArray block;
    for (int i = 2; i <= kRows; ++i) {
        const QDateTime at = start.addSecs(300LL * i);
        const QByteArray when = at.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1();
        if (i % 50 == 0)
            block += "\"" + QByteArray::number(i) + "\",\"" + when
                     + "\",\"Insulin\",\"Fast-Acting\",\"\",\"\",\"android G6\",\"\",\"4.50\",\"\",\"\",\"\",\"\"\n";
        else
            block += "\"" + QByteArray::number(i) + "\",\"" + when + "\",\"EGV\",\"\",\"\",\"\",\"android G6\",\""
                     + QByteArray::number(40 + i * 7 % 300) + "\",\"\",\"\",\"\",\"\",\"" + QByteArray::number(300LL * i)
                     + "\",\"8ZQ4TW\"\n";
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
    return path;
}

void BM_ReadClarityMillionRows(benchmark::State &state)
{
    const QString path = clarityFile();
    ForeignFormat::ReadOptions options;
    options.zone = QTimeZone("Europe/Rome");
    size_t readings = 0, cards = 0;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("no file");
            return;
        }
        const ForeignFormat::ReadResult result = ForeignFormat::read(file, options);
        if (!result.ok())
            state.SkipWithError("not read");
        readings = result.readings.size();
        cards = result.cards.size();
    }
    state.counters["file_MB"] = double(QFile(path).size()) / 1e6;
    state.counters["readings"] = double(readings);
    state.counters["cards"] = double(cards);
}

} // namespace

BENCHMARK(BM_ReadClarityMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
