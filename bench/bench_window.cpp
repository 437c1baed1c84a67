// The main window over a lifetime diary: how long it takes to open, and how
// long a change of period or kind takes to refresh the table, the record
// count and the statistics (painting included).
#include "SyntheticDiary.h"

#include "app/AppController.h"
#include "model/DiaryFile.h"
#include "ui/MainWindow.h"
#include "ui/StringTable.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>

namespace {

QString g_diaryPath;

std::unique_ptr<AppController> openWindow(double now)
{
    auto controller = std::make_unique<AppController>(StringTable::shared());
    controller->diaryPath = g_diaryPath;
    controller->clock = [now] { return now; };
    controller->loadLayout(controller->strings());
    controller->awakeFromNib();
    controller->windowMain->show();
    QApplication::processEvents();
    return controller;
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
    for (auto _ : state) {
        // Back to everything, then the choice: each iteration rebuilds the
        // view twice, as the user flipping between the two would.
        controller->popupPeriod->setCurrentIndex(period);
        controller->popupMeasurements->setCurrentIndex(kind);
        controller->filtraDatiSecondoParametriPopupButton();
        QApplication::processEvents();
        controller->popupPeriod->setCurrentIndex(0);
        controller->popupMeasurements->setCurrentIndex(0);
        controller->filtraDatiSecondoParametriPopupButton();
        QApplication::processEvents();
    }
    state.counters["shown"] = double(controller->numberOfRowsInTableView());
}
BENCHMARK(BM_WindowFilter)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 9, 1), {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's chatter would drown the table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type >= QtCriticalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
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
