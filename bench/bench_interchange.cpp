// The CSV layouts and the import at the size of a lifetime diary (100,000
// cards): export in each layout, import of a default CSV, and the merge of a
// diary file into another.

#include "SyntheticDiary.h"
#include "interchange/CsvLayouts.h"
#include "interchange/Interchange.h"
#include "model/DiaryFile.h"
#include "model/ZRImport.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

const QTimeZone &rome()
{
    static const QTimeZone zone("Europe/Rome");
    return zone;
}

const CardList &lifetime()
{
    static const CardList cards = [] {
        CardList c = syntheticDiary(100000);
        ZRImport::sortForMeasuramentDateArray(&c);
        return c;
    }();
    return cards;
}

void BM_ExportDefaultCSV(benchmark::State &state)
{
    size_t size = 0;
    for (auto _ : state) {
        const QByteArray text = ZRExport::exportFormatCSVFromArray(lifetime());
        size = size_t(text.size());
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["file_MB"] = double(size) / 1e6;
}

void BM_ExportREALStudioCSV(benchmark::State &state)
{
    size_t size = 0;
    for (auto _ : state) {
        const QByteArray text = ZRExport::exportFormatREALStudioCSVFromArray(lifetime(), rome());
        size = size_t(text.size());
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["file_MB"] = double(size) / 1e6;
}

// The whole export command as orvane-tool runs it: text and atomic write.
void BM_ExportDiaryFileCSV(benchmark::State &state)
{
    const QString path = scratch().filePath(QStringLiteral("export.csv"));
    for (auto _ : state) {
        if (!Interchange::exportDiary(lifetime(), ZRExport::Kind::OrvaneCSV, path, rome()).ok)
            state.SkipWithError("export failed");
    }
}

QString lifetimeCsv()
{
    const QString path = scratch().filePath(QStringLiteral("lifetime.csv"));
    if (!QFile::exists(path))
        Interchange::exportDiary(lifetime(), ZRExport::Kind::OrvaneCSV, path, rome());
    return path;
}

// A 100,000-line default CSV read from its file, replacing an empty diary
// (arg 0) or joining the lifetime diary (arg 1), which renumbers 200,000.
void BM_ImportDefaultCSV(benchmark::State &state)
{
    const QString path = lifetimeCsv();
    const CardList diary = state.range(0) ? lifetime() : CardList();
    for (auto _ : state) {
        const Interchange::ImportResult r = Interchange::importFile(path, diary, diary.empty(), rome());
        if (r.added != 100000)
            state.SkipWithError("not every card came in");
        benchmark::DoNotOptimize(r.newDiary.data());
    }
}

// A diary file of n cards merged into a diary of n cards. Half of the
// file's cards are later than the diary's (they are taken), half are not.
void BM_MergeDiaryFile(benchmark::State &state)
{
    const auto n = size_t(state.range(0));
    const CardList diary = syntheticDiary(n);
    const QString path = scratch().filePath(QStringLiteral("merge-%1.orv").arg(n));
    CardList incoming = syntheticDiary(n);
    for (size_t i = 0; i < n; i += 2) {
        auto later = std::make_shared<ZRGlycemicCard>(*incoming[i]);
        later->setDateCreation(*later->dateCreation() + 1e9);
        incoming[i] = later;
    }
    DiaryFile::save(path, incoming);
    size_t added = 0;
    for (auto _ : state) {
        const Interchange::ImportResult r = Interchange::importFile(path, diary, false);
        added = r.added;
        benchmark::DoNotOptimize(r.newDiary.data());
    }
    state.counters["added"] = double(added);
}

// A hostile REALStudio file: 100,000 records whose dates jump across the
// years 1 to 9999, so that no two neighbours share a span of the clock.
void BM_ImportScatteredREALStudioCSV(benchmark::State &state)
{
    QByteArray text = CsvLayouts::returnPropertyNameListREALStudio().toUtf8();
    uint32_t seed = 1;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < 100000; ++i) {
        const QByteArray date = QByteArray::number(1 + next() % 28) + '/' + QByteArray::number(1 + next() % 12) + '/'
                                + QByteArray::number(1000 + next() % 9000);
        text += date + ";12:00;;;" + date + ";0" + QByteArray::number(next() % 10) + ":30;;;Cena;120;;;;\r";
    }
    for (auto _ : state) {
        const Interchange::ImportResult r = Interchange::importCsv(text, {}, true, rome());
        if (r.added != 100000)
            state.SkipWithError("not every card came in");
        benchmark::DoNotOptimize(r.newDiary.data());
    }
}

BENCHMARK(BM_ExportDefaultCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportREALStudioCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportDiaryFileCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportDefaultCSV)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportScatteredREALStudioCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeDiaryFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
