// Opening and saving the diary at the sizes people reach: a year (about
// 3,000 cards), a few years, a lifetime (100,000 cards, about 20 MB).

#include "SyntheticDiary.h"
#include "model/BinaryPlist.h"
#include "model/DiaryFile.h"
#include "model/KeyedArchive.h"
#include "view/DiaryFilter.h"
#include "view/Statistics.h"
#include "view/Trends.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#ifdef ORVANE_HAVE_LIBPLIST
#include <plist/plist.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

QString diaryOf(size_t n)
{
    const QString path = scratch().filePath(QStringLiteral("diary-%1.orv").arg(n));
    if (!QFile::exists(path)) {
        CardList cards = syntheticDiary(n);
        DiaryFile::save(path, cards);
    }
    return path;
}

void BM_FileOpen(benchmark::State &state)
{
    const QString path = diaryOf(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        auto result = DiaryFile::open(path);
        if (result.status != DiaryFile::OpenResult::Status::Opened)
            state.SkipWithError("diary did not open");
        benchmark::DoNotOptimize(result.cards.data());
    }
    state.counters["file_MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
}

void BM_Decode(benchmark::State &state)
{
    QFile f(diaryOf(static_cast<size_t>(state.range(0))));
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        auto cards = KeyedArchive::decodeDiary(bytes, nullptr);
        benchmark::DoNotOptimize(cards);
    }
}

void BM_Encode(benchmark::State &state)
{
    const CardList cards = syntheticDiary(static_cast<size_t>(state.range(0)));
    size_t size = 0;
    for (auto _ : state) {
        QByteArray bytes = KeyedArchive::encodeDiary(cards);
        size = static_cast<size_t>(bytes.size());
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

// The whole save as the program does it: sort, encode, write, flush to disk,
// rename over the old file.
void BM_FileSave(benchmark::State &state)
{
    CardList cards = syntheticDiary(static_cast<size_t>(state.range(0)));
    const QString path = scratch().filePath(QStringLiteral("save-%1.orv").arg(state.range(0)));
    for (auto _ : state) {
        if (!DiaryFile::save(path, cards).ok)
            state.SkipWithError("save failed");
    }
}

#ifdef ORVANE_HAVE_LIBPLIST
// An independent reader of the same file, for the ratio.
void BM_LibplistParse(benchmark::State &state)
{
    QFile f(diaryOf(static_cast<size_t>(state.range(0))));
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        plist_t root = nullptr;
        plist_from_bin(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
        if (!root)
            state.SkipWithError("libplist refused the file");
        plist_free(root);
    }
}
BENCHMARK(BM_LibplistParse)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
#endif

// Peak memory of one open of the lifetime diary, measured in a fresh process
// (this binary started again with --open-once, which reports its own peak
// resident size) so that nothing this process already holds is counted.
void BM_OpenPeakMemory(benchmark::State &state)
{
    const QString path = diaryOf(100000);
    double peakMb = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(QStringLiteral("/proc/self/exe"), {QStringLiteral("--open-once"), path});
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            state.SkipWithError("the open failed");
        peakMb = child.readAllStandardOutput().trimmed().toDouble() / 1024.0;
    }
    state.counters["peak_MB"] = peakMb;
}

// The peak resident size of this process so far, in kB.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// One run of the diary filter over a lifetime diary, for each period, with
// measurements only (the kind that makes every card be looked at).
void BM_Filter(benchmark::State &state)
{
    static const CardList diary = syntheticDiary(100000);
    const double now = *diary.back()->dateMeasurement() + 3600.0;
    const int period = static_cast<int>(state.range(0));
    size_t kept = 0;
    for (auto _ : state) {
        const auto view = DiaryFilter::filter(diary, period, DiaryFilter::Measurements, now);
        kept = view.cards.size();
        benchmark::DoNotOptimize(view.cards.data());
    }
    state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_Filter)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

// The statistics panel's figures over a lifetime view (every card, both
// kinds), as the filter computes them at the end of every run.
void BM_Statistics(benchmark::State &state)
{
    static const CardList view = syntheticDiary(100000);
    for (auto _ : state) {
        const Statistics::Figures figures = Statistics::calculatesStatistics(view);
        benchmark::DoNotOptimize(figures);
    }
    state.counters["cards"] = static_cast<double>(view.size());
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

// The trends of a lifetime view (newest first, as the diary is kept): 0 the
// figures alone, 1 everything the trends window draws (figures, series and
// modal day), 2 the report's logbook.
void BM_Trends(benchmark::State &state)
{
    static const CardList view = [] {
        CardList cards = syntheticDiary(100000);
        std::reverse(cards.begin(), cards.end());
        return cards;
    }();
    const QTimeZone zone("Europe/Rome");
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0: benchmark::DoNotOptimize(Trends::figures(view, zone)); break;
        case 1: benchmark::DoNotOptimize(Trends::overview(view, zone)); break;
        default: benchmark::DoNotOptimize(Trends::logbook(view, zone)); break;
        }
    }
    state.counters["cards"] = static_cast<double>(view.size());
}
BENCHMARK(BM_Trends)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_OpenPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FileOpen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FileSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--open-once") == 0) {
        const auto result = DiaryFile::open(QFile::decodeName(argv[2]));
        std::printf("%ld\n", peakResidentKb());
        return result.status == DiaryFile::OpenResult::Status::Opened ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
