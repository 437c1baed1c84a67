// The trends window over a sensor's readings: how long it takes to redraw
// 90 days of readings every five minutes (some 26,000: the trace, the AGP,
// the bar and the figures, the window painted), and, with a store of a
// million readings, how long choosing another 14 days takes (the store
// queried, the figures worked out, everything redrawn and painted).
#include "OffscreenApp.h"
#include "SyntheticDiary.h"

#include "../tests/support/ControlLookup.h"
#include "../tests/support/SensorSample.h"
#include "app/AppController.h"
#include "model/DiaryFile.h"
#include "text/StringTable.h"
#include "ui/SensorPanel.h"
#include "ui/TrendsWindow.h"

#include <benchmark/benchmark.h>

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QMainWindow>
#include <QTabBar>
#include <QTemporaryDir>

namespace {

using controls::required;

// The sensor's newest day in both stores.
const QDate kNewest(2026, 3, 10);

QString g_recentDiary;   // 90 days of readings beside it
QString g_lifetimeDiary; // a million

bool makeDiary(const QString &path, QDate firstSensorDay)
{
    CardList cards = syntheticDiary(3000);
    if (!DiaryFile::save(path, cards).ok)
        return false;
    // In slices: the readings of a million are not all made at once.
    for (QDate from = firstSensorDay; from <= kNewest; from = from.addDays(100)) {
        const QDate to = std::min(from.addDays(99), kNewest);
        if (!testsupport::addToStore(path, testsupport::sensorDays(from, to, QTimeZone::systemTimeZone())))
            return false;
    }
    return true;
}

// The program on a diary, its trends window shown.
std::unique_ptr<AppController> openTrends(const QString &diary)
{
    auto controller = std::make_unique<AppController>(StringTable::shared());
    controller->setDiaryPath(diary);
    controller->preferencesPath = diary + QStringLiteral(".conf");
    controller->loadLayout(StringTable::shared());
    controller->awakeFromNib();
    required<QMainWindow>("windowMain")->show();
    required<QAction>("viewTrends")->trigger();
    QApplication::processEvents();
    return controller;
}

// The user's choice of a period, one end and then the other: going back,
// the end first (the start follows it), going forward the start first, so
// that no step reads more than the days chosen.
void choose(QDate from, QDate to)
{
    auto *fromEdit = required<QDateEdit>("agpFrom");
    auto *toEdit = required<QDateEdit>("agpTo");
    if (to < toEdit->date()) {
        toEdit->setDate(to);
        fromEdit->setDate(from);
    } else {
        fromEdit->setDate(from);
        toEdit->setDate(to);
    }
}

// Arguments: 0 the unit changed (everything redrawn from the readings
// held); 1 the period read again from the store, a day shorter or longer;
// 2 the unit changed with the daily profiles in sight.
void BM_AgpRedraw90Days(benchmark::State &state)
{
    auto controller = openTrends(g_recentDiary);
    auto *trends = required<TrendsWindow>("windowTrends");
    choose(kNewest.addDays(-89), kNewest);
    if (state.range(0) == 2)
        required<QTabBar>("trendsPages")->setCurrentIndex(1);
    QApplication::processEvents();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        if (state.range(0) == 1)
            required<QDateEdit>("agpFrom")->setDate(kNewest.addDays(flip ? -88 : -89));
        else
            trends->setUnit(flip ? Trends::Unit::MmolL : Trends::Unit::MgdL);
        trends->repaint();
    }
    state.counters["readings"] = double(trends->sensor->readings().size());
}
BENCHMARK(BM_AgpRedraw90Days)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(20);

// Two fortnights in turn, each chosen as the user does (start, then end)
// and painted.
void BM_AgpChoose14DaysOfAMillion(benchmark::State &state)
{
    auto controller = openTrends(g_lifetimeDiary);
    auto *trends = required<TrendsWindow>("windowTrends");
    QApplication::processEvents();
    bool back = false;
    for (auto _ : state) {
        back = !back;
        const QDate to = back ? kNewest.addDays(-400) : kNewest;
        choose(to.addDays(-13), to);
        trends->repaint();
    }
    state.counters["readings"] = double(trends->sensor->readings().size());
}
BENCHMARK(BM_AgpChoose14DaysOfAMillion)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    quietOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_recentDiary = dir.filePath(QStringLiteral("recent/Orvane.orv"));
    g_lifetimeDiary = dir.filePath(QStringLiteral("lifetime/Orvane.orv"));
    QDir(dir.path()).mkpath(QStringLiteral("recent"));
    QDir(dir.path()).mkpath(QStringLiteral("lifetime"));
    // 1,000,000 readings every five minutes: 3,473 days and a bit.
    if (!makeDiary(g_recentDiary, kNewest.addDays(-89)) || !makeDiary(g_lifetimeDiary, kNewest.addDays(-3472)))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
