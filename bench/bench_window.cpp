// The main window over a lifetime diary: how long it takes to open, how long
// a change of period or kind takes to refresh the table, the record count and
// the statistics (painting included), and how long the window takes to be
// ready again after a card is added, edited or removed (save, filter,
// statistics and table together).
#include "OffscreenApp.h"
#include "SyntheticDiary.h"

#include "../tests/support/ControlLookup.h"
#include "app/AppController.h"
#include "model/DiaryFile.h"
#include "report/TrendsReport.h"
#include "text/StringTable.h"
#include "ui/TrendsWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTemporaryDir>

namespace {

using controls::required;

QString g_diaryPath;

// What the benchmarks set and read of the controller besides its commands
// and its windows: here alone, so that a change of its shape is followed in
// one place.
std::unique_ptr<AppController> openWindow(double now)
{
    auto controller = std::make_unique<AppController>(StringTable::shared());
    controller->setDiaryPath(g_diaryPath);
    controller->preferencesPath = g_diaryPath + QStringLiteral(".conf");
    // As the program runs: the window is ready before the file is written.
    controller->saveInBackground = true;
    controller->clock = [now] { return now; };
    controller->loadLayout(StringTable::shared());
    controller->awakeFromNib();
    required<QMainWindow>("windowMain")->show();
    QApplication::processEvents();
    return controller;
}
const CardList &cardsInView(const AppController &controller)
{
    return controller.arrayArchiveFiltered();
}
const QTimeZone &zoneOf(const AppController &controller)
{
    return controller.zone;
}
size_t diarySize(const AppController &controller)
{
    return controller.arrayArchive().size();
}

double g_newest = 0;

double newestDate()
{
    return g_newest;
}

void BM_WindowOpen(benchmark::State &state)
{
    for (auto _ : state) {
        auto controller = openWindow(newestDate() + 3600);
        benchmark::DoNotOptimize(controller.get());
    }
}
BENCHMARK(BM_WindowOpen)->Unit(benchmark::kMillisecond)->Iterations(5);

// Arguments: period index, kind index.
void BM_WindowFilter(benchmark::State &state)
{
    auto controller = openWindow(newestDate() + 3600);
    const int period = int(state.range(0));
    const int kind = int(state.range(1));
    QComboBox *periodPopup = required<QComboBox>("popupPeriod");
    QComboBox *kindPopup = required<QComboBox>("popupMeasurements");
    for (auto _ : state) {
        // Back to everything, then the choice: each iteration rebuilds the
        // view twice, as the user flipping between the two would.
        periodPopup->setCurrentIndex(period);
        kindPopup->setCurrentIndex(kind);
        controller->filtraDatiSecondoParametriPopupButton();
        QApplication::processEvents();
        periodPopup->setCurrentIndex(0);
        kindPopup->setCurrentIndex(0);
        controller->filtraDatiSecondoParametriPopupButton();
        QApplication::processEvents();
    }
    state.counters["shown"] = double(controller->numberOfRowsInTableView());
}
BENCHMARK(BM_WindowFilter)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 9, 1), {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// The trends window over the lifetime view: the figures worked out, the
// charts rebuilt and the whole window painted, as after a filter run (0) or
// a change of unit (1).
void BM_TrendsRedraw(benchmark::State &state)
{
    auto controller = openWindow(newestDate() + 3600);
    required<QAction>("viewTrends")->trigger();
    TrendsWindow *trends = required<TrendsWindow>("windowTrends");
    QApplication::processEvents();
    bool mmol = false;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            trends->showTrends(cardsInView(*controller), zoneOf(*controller));
        } else {
            mmol = !mmol;
            trends->setUnit(mmol ? Trends::Unit::MmolL : Trends::Unit::MgdL);
        }
        trends->repaint();
    }
    state.counters["readings"] = double(trends->figures().readings);
}
BENCHMARK(BM_TrendsRedraw)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(10);

// The report of the lifetime view as a PDF: page one and a logbook of some
// twelve thousand days.
void BM_Report(benchmark::State &state)
{
    const std::optional<CardList> diary = DiaryFile::read(g_diaryPath, nullptr);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    TrendsReport::Options options;
    options.now = newestDate() + 3600;
    int pages = 0;
    for (auto _ : state) {
        QString error;
        if (!diary || !TrendsReport::write(file, *diary, options, StringTable::shared(), &error))
            state.SkipWithError("the report was not written");
    }
    if (diary)
        pages = TrendsReport::pageCount(*diary, options, StringTable::shared());
    state.counters["pages"] = pages;
    state.counters["file_MB"] = double(QFileInfo(file).size()) / 1e6;
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond)->Iterations(2);

// The sheets as the user fills them, the button pressed, and the window
// repainted.
void addMeasurement(AppController &controller, const char *value)
{
    controller.cardAdd();
    required<QLineEdit>("windowEditTextFieldGlycemia")->setText(QString::fromLatin1(value));
    controller.windowEditButtonAction();
    QApplication::processEvents();
}

void editFirstRow(AppController &controller, const char *value)
{
    required<QTableView>("listaSchedeGlicemiche")->selectRow(0);
    controller.cardEdit();
    required<QLineEdit>("windowEditTextFieldGlycemia")->setText(QString::fromLatin1(value));
    controller.windowEditButtonAction();
    QApplication::processEvents();
}

void removeFirstRow(AppController &controller)
{
    required<QTableView>("listaSchedeGlicemiche")->selectRow(0);
    controller.cardRemove();
    controller.windowDeleteRemove();
    QApplication::processEvents();
}

// Arguments: which change (0 add, 1 edit, 2 remove), and whether the time
// runs until the file is on disk (1) or only until the window is ready again
// (0; the file is then written meanwhile on the writer's thread). The diary
// keeps its size: the opposite change runs untimed.
void BM_CardChange(benchmark::State &state)
{
    auto controller = openWindow(newestDate() + 3600);
    const int change = int(state.range(0));
    const bool untilWritten = state.range(1) != 0;
    auto untimed = [&](auto &&what) {
        state.PauseTiming();
        controller->waitForSave();
        what();
        controller->waitForSave();
        state.ResumeTiming();
    };
    for (auto _ : state) {
        switch (change) {
        case 0:
            addMeasurement(*controller, "123");
            if (untilWritten)
                controller->waitForSave();
            untimed([&] { removeFirstRow(*controller); });
            break;
        case 1:
            editFirstRow(*controller, "124");
            if (untilWritten)
                controller->waitForSave();
            untimed([] {});
            break;
        default:
            untimed([&] { addMeasurement(*controller, "125"); });
            removeFirstRow(*controller);
            if (untilWritten)
                controller->waitForSave();
            untimed([] {});
            break;
        }
    }
    state.counters["cards"] = double(diarySize(*controller));
}
BENCHMARK(BM_CardChange)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    quietOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_diaryPath = dir.filePath(QStringLiteral("Orvane.orv"));
    CardList diary = syntheticDiary(100000);
    for (const CardRef &card : diary)
        g_newest = std::max(g_newest, card->dateMeasurement().value_or(0));
    if (!DiaryFile::save(g_diaryPath, diary).ok)
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
