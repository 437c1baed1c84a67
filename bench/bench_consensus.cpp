// The consensus figures and the ambulatory profile of 90 days of five-minute
// sensor readings (25,920, across the change to summer time), as the agp
// command and the trends window work them out: to take under 30 ms.

#include "view/Consensus.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QTimeZone kRome("Europe/Rome");
const QDate kFrom(2025, 2, 1);
constexpr int kDays = 90;

// A day's swing round meals and a slower drift, a few seconds off the
// five-minute beat as a sensor's clock is, whole mg/dL from 39 to 401.
std::vector<Consensus::Reading> readings()
{
    std::vector<Consensus::Reading> out;
    const int64_t start = kFrom.startOfDay(kRome).toSecsSinceEpoch();
    const int64_t count = int64_t(kDays) * 288;
    out.reserve(size_t(count));
    for (int64_t i = 0; i < count; ++i) {
        const double hours = double(i) / 12.0;
        const double mgdl = 140 + 60 * std::sin(hours * 2 * std::numbers::pi / 24) + 35 * std::sin(hours * 2 * std::numbers::pi / 5.5)
                            + 20 * std::sin(double(i) * 0.37);
        out.push_back({start + i * 300 + (i * 7) % 13, int(std::lround(std::clamp(mgdl, 39.0, 401.0))),
                       ForeignFormat::SensorFlag::None, QStringLiteral("bench")});
    }
    return out;
}

void BM_ConsensusFigures(benchmark::State &state)
{
    const std::vector<Consensus::Reading> all = readings();
    const QDate to = kFrom.addDays(kDays - 1);
    for (auto _ : state) {
        const Consensus::Figures f = Consensus::figures(all, kFrom, to, kRome);
        benchmark::DoNotOptimize(f.agp[48].percentiles);
    }
    state.counters["readings"] = double(all.size());
}
BENCHMARK(BM_ConsensusFigures)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
