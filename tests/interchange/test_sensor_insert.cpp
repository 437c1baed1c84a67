#include "interchange/SensorStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Reading = SensorStore::Reading;
using ForeignFormat::SensorFlag;

namespace {

// Readings 5 minutes apart from `from`, with a flag now and then and the
// source changing every 150 readings (runs that cross the store's batches).
std::vector<Reading> readingsFrom(int64_t from, int count, const QStringList &sources)
{
    std::vector<Reading> out;
    for (int i = 0; i < count; ++i) {
        const SensorFlag flag = i % 13 == 5 ? SensorFlag::Low : i % 17 == 3 ? SensorFlag::High : SensorFlag::None;
        const int mgdl = flag == SensorFlag::Low ? 39 : flag == SensorFlag::High ? 401 : 40 + i * 37 % 360;
        out.push_back({from + 300 * int64_t(i), mgdl, flag, sources[(i / 150) % sources.size()]});
    }
    return out;
}

bool add(SensorStore &store, const std::vector<Reading> &readings)
{
    return store.beginAdding(readings) && store.commit();
}

constexpr int64_t kStart = 1700000000;

} // namespace

TEST(SensorStore, KeepsEveryReadingAsGivenWhateverTheBatchesTheyFill)
{
    // Around the number of rows one statement inserts (200), and past it.
    for (const int count : {1, 199, 200, 201, 450, 1001}) {
        SCOPED_TRACE(count);
        QTemporaryDir dir;
        SensorStore store(dir.filePath(QStringLiteral("s.sqlite")));
        const std::vector<Reading> first = readingsFrom(kStart, count, {"Dexcom Clarity", "LibreView"});
        ASSERT_TRUE(add(store, first)) << qPrintable(store.error());
        EXPECT_EQ(store.readings(), first);

        // A later import: one source the store knows, one it does not.
        const std::vector<Reading> later = readingsFrom(kStart + 1000000, count + 7, {"Nightscout", "LibreView"});
        ASSERT_TRUE(add(store, later)) << qPrintable(store.error());
        std::vector<Reading> all = first;
        all.insert(all.end(), later.begin(), later.end());
        EXPECT_EQ(store.readings(), all);
        EXPECT_EQ(store.count(), int64_t(all.size()));
    }
}

TEST(SensorStore, AnAddThatFailsPartWayLeavesTheStoreAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.sqlite"));
    SensorStore store(path);
    const std::vector<Reading> held = readingsFrom(kStart, 300, {"LibreView"});
    ASSERT_TRUE(add(store, held));

    // The instant of a held reading, in the third batch of the new ones: two
    // batches are in the file when it fails.
    std::vector<Reading> clash = readingsFrom(kStart + 1000000, 450, {"Dexcom Clarity"});
    clash[420].time = held[10].time;
    EXPECT_FALSE(store.beginAdding(clash));
    EXPECT_TRUE(store.error().contains(path)) << qPrintable(store.error());
    EXPECT_EQ(store.readings(), held);

    // Taken back by the caller after the readings went in.
    ASSERT_TRUE(store.beginAdding(readingsFrom(kStart + 1000000, 450, {"Nightscout"})));
    store.rollback();
    EXPECT_EQ(store.readings(), held);

    // A store the failed add would have made is not left behind.
    const QString fresh = dir.filePath(QStringLiteral("fresh.sqlite"));
    SensorStore empty(fresh);
    std::vector<Reading> twice = readingsFrom(kStart, 450, {"Dexcom Clarity"});
    twice[401].time = twice[400].time;
    EXPECT_FALSE(empty.beginAdding(twice));
    EXPECT_FALSE(QFile::exists(fresh));
}
