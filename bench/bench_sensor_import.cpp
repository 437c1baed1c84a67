// Importing the largest sensor export seen: a Dexcom Clarity file of
// 1,000,000 readings (about ten years at 5 minutes, in the quoted layout,
// Rome's wall-clock time with its clock changes, a new transmitter every 90
// days, a few "Low" and "High"), from its file into the sensor store:
// reading, sorting out what is known, and the store's transaction. Once into
// a store that does not exist yet, and once more into one that holds it all.
// read_ms, plan_ms and apply_ms split the time among the three steps.
//
// peak_MB is the resident high-water mark of the whole process (libraries
// included) while the import runs: on Linux the mark is reset before each
// import through /proc/self/clear_refs; elsewhere it is the process maximum,
// so run one case per process, as bench/run_sensor_import.sh does. before_MB
// is what the process held when the import started.

#include "interchange/ForeignImport.h"
#include "interchange/SensorStore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include <sys/resource.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int kReadings = 1000000;
constexpr int64_t kStep = 300;
// A transmitter lasts 90 days; its clock starts again with the next one.
constexpr int64_t kTransmitterLife = 90 * 86400;

const QTimeZone &zone()
{
    static const QTimeZone rome("Europe/Rome");
    return rome;
}

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

QByteArray preamble()
{
    return "\xEF\xBB\xBF\"Index\",\"Timestamp (YYYY-MM-DDThh:mm:ss)\",\"Event Type\",\"Event Subtype\","
           "\"Patient Info\",\"Device Info\",\"Source Device ID\",\"Glucose Value (mg/dL)\",\"Insulin Value (u)\","
           "\"Carb Value (grams)\",\"Duration (hh:mm:ss)\",\"Glucose Rate of Change (mg/dL/min)\","
           "\"Transmitter Time (Long Integer)\",\"Transmitter ID\"\n"
           "\"1\",\"\",\"FirstName\",\"\",\"Demo\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n"
           "\"2\",\"\",\"LastName\",\"\",\"User\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n"
           "\"3\",\"\",\"Device\",\"\",\"\",\"Dexcom G6 Mobile App\",\"android G6\",\"\",\"\",\"\",\"\",\"\",\"\"\n"
           "\"4\",\"\",\"Alert\",\"High\",\"\",\"\",\"android G6\",\"250\",\"\",\"\",\"\",\"\",\"\"\n"
           "\"5\",\"\",\"Alert\",\"Low\",\"\",\"\",\"android G6\",\"70\",\"\",\"\",\"\",\"\",\"\"\n";
}

// One EGV row; a few read "Low" or "High", as the sensor writes them.
QByteArray egvRow(int index, int64_t instant, int64_t start)
{
    const QByteArray when =
        QDateTime::fromSecsSinceEpoch(instant, zone()).toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1();
    const int64_t age = instant - start;
    const QByteArray transmitter =
        "8Z" + QByteArray::number(age / kTransmitterLife, 36).toUpper().rightJustified(4, '0');
    QByteArray subtype, value;
    if (index % 997 == 0) {
        subtype = value = "Low";
    } else if (index % 1009 == 0) {
        subtype = value = "High";
    } else {
        value = QByteArray::number(40 + index * 7 % 300);
    }
    return "\"" + QByteArray::number(index + 6) + "\",\"" + when + "\",\"EGV\",\"" + subtype
           + "\",\"\",\"\",\"android G6\",\"" + value + "\",\"\",\"\",\"\",\"\",\""
           + QByteArray::number(age % kTransmitterLife + 7) + "\",\"" + transmitter + "\"\n";
}

// Written once, row by row: the generator holds no copy of the file.
QString clarityFile()
{
    const QString path = scratch().filePath(QStringLiteral("clarity.csv"));
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(preamble());
    const int64_t start = QDateTime(QDate(2015, 3, 1), QTime(0, 2, 14), zone()).toSecsSinceEpoch();
    QByteArray block;
    for (int i = 0; i < kReadings; ++i) {
        block += egvRow(i, start + kStep * i, start);
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
    return file.error() == QFileDevice::NoError ? path : QString();
}

double residentMB(const char *field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size())) / 1024.0;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Starts the high-water mark from what the process holds now, the memory
// freed by earlier runs given back first; returns that, in MB.
double resetPeak()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    std::ofstream("/proc/self/clear_refs") << "5";
    return residentMB("VmRSS:");
}

struct Imported {
    ForeignImport::Summary summary;
    QString error;
    // Milliseconds of each step.
    double read = 0.0, plan = 0.0, apply = 0.0;
};

// The whole import as the program does it: read, plan against an empty
// diary, apply.
Imported import(const QString &csv, const QString &storePath)
{
    Imported out;
    QFile file(csv);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error = QStringLiteral("no file");
        return out;
    }
    ForeignFormat::ReadOptions options;
    options.zone = zone();
    QElapsedTimer clock;
    clock.start();
    ForeignFormat::ReadResult read = ForeignFormat::read(file, options);
    out.read = double(clock.nsecsElapsed()) / 1e6;
    if (!read.ok()) {
        out.error = read.error;
        return out;
    }
    SensorStore store(storePath);
    clock.start();
    std::optional<ForeignImport::Plan> plan = ForeignImport::plan(std::move(read), CardList(), store, &out.error);
    out.plan = double(clock.nsecsElapsed()) / 1e6;
    if (!plan)
        return out;
    out.summary = plan->summary;
    const auto writeDiary = [](bool, QString *) { return true; };
    clock.start();
    if (!ForeignImport::apply(*plan, store, writeDiary, &out.error))
        out.summary = {};
    out.apply = double(clock.nsecsElapsed()) / 1e6;
    return out;
}

void report(benchmark::State &state, const Imported &last, double before, double peak)
{
    state.counters["added"] = double(last.summary.sensorAdded);
    state.counters["known"] = double(last.summary.sensorKnown);
    state.counters["peak_MB"] = peak;
    state.counters["before_MB"] = before;
    state.counters["read_ms"] = last.read;
    state.counters["plan_ms"] = last.plan;
    state.counters["apply_ms"] = last.apply;
}

void BM_ImportIntoEmptyStore(benchmark::State &state)
{
    const QString csv = clarityFile();
    Imported last;
    double before = 0.0, peak = 0.0;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString storePath = scratch().filePath(QStringLiteral("empty-%1.sqlite").arg(++run));
        before = resetPeak();
        state.ResumeTiming();
        last = import(csv, storePath);
        state.PauseTiming();
        peak = std::max(peak, residentMB("VmHWM:"));
        QFile::remove(storePath);
        state.ResumeTiming();
        if (!last.error.isEmpty() || last.summary.sensorAdded == 0)
            state.SkipWithError(qPrintable(QStringLiteral("not imported: ") + last.error));
    }
    report(state, last, before, peak);
}

void BM_ImportAgain(benchmark::State &state)
{
    const QString csv = clarityFile();
    const QString storePath = scratch().filePath(QStringLiteral("full.sqlite"));
    if (!QFile::exists(storePath) && !import(csv, storePath).error.isEmpty()) {
        state.SkipWithError("the store could not be filled");
        return;
    }
    Imported last;
    double before = 0.0, peak = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        before = resetPeak();
        state.ResumeTiming();
        last = import(csv, storePath);
        state.PauseTiming();
        peak = std::max(peak, residentMB("VmHWM:"));
        state.ResumeTiming();
        if (!last.error.isEmpty() || last.summary.sensorAdded != 0)
            state.SkipWithError(qPrintable(QStringLiteral("not everything known: ") + last.error));
    }
    report(state, last, before, peak);
}

} // namespace

BENCHMARK(BM_ImportIntoEmptyStore)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_ImportAgain)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK_MAIN();
