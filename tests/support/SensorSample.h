#pragma once

// A sensor's readings for the tests that draw them: every five minutes over
// whole local days, in a wave that rises after the meals, and the store
// beside a diary that holds them.
#include "interchange/SensorStore.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <vector>

namespace testsupport {

// Readings every five minutes from the first minute of from to the last
// five of to, local days of zone, but none in [skipFrom, skipTo).
inline std::vector<ForeignFormat::SensorReading> sensorDays(QDate from, QDate to, const QTimeZone &zone,
                                                            int64_t skipFrom = 0, int64_t skipTo = 0)
{
    std::vector<ForeignFormat::SensorReading> out;
    const int64_t first = QDateTime(from, QTime(0, 0), zone).toSecsSinceEpoch();
    const int64_t end = QDateTime(to.addDays(1), QTime(0, 0), zone).toSecsSinceEpoch();
    for (int64_t t = first; t < end; t += 300) {
        if (t >= skipFrom && t < skipTo)
            continue;
        const double hour = double((t - first) % 86400) / 3600.0;
        const int mgdl = int(130 + 60 * std::sin(hour / 24.0 * 6.283 * 3) + double((t / 300) % 7) * 3);
        out.push_back({t, mgdl, ForeignFormat::SensorFlag::None, QStringLiteral("test sensor")});
    }
    return out;
}

// Adds the readings to the store beside the diary at diaryPath.
inline bool addToStore(const QString &diaryPath, const std::vector<ForeignFormat::SensorReading> &readings)
{
    SensorStore store(SensorStore::pathForDiary(diaryPath));
    return store.beginAdding(readings) && store.commit();
}

} // namespace testsupport
