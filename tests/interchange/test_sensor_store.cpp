#include "interchange/ForeignImport.h"
#include "interchange/SensorStore.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using ForeignFormat::SensorFlag;
using ForeignFormat::SensorReading;
using testsupport::readFile;

namespace {

SensorReading reading(int64_t time, int mgdl, SensorFlag flag = SensorFlag::None)
{
    return {time, mgdl, flag, QStringLiteral("Dexcom Clarity")};
}

std::vector<SensorReading> readings(std::initializer_list<int64_t> times)
{
    std::vector<SensorReading> out;
    for (const int64_t t : times)
        out.push_back(reading(t, int(100 + t % 50)));
    return out;
}

// Readings 5 minutes apart from `from`, with a flag now and then and the
// source changing every 150 readings: runs that cross the store's batches
// of 200 rows a statement.
std::vector<SensorReading> readingsFrom(int64_t from, int count, const QStringList &sources)
{
    std::vector<SensorReading> out;
    for (int i = 0; i < count; ++i) {
        const SensorFlag flag = i % 13 == 5 ? SensorFlag::Low : i % 17 == 3 ? SensorFlag::High : SensorFlag::None;
        const int mgdl = flag == SensorFlag::Low ? 39 : flag == SensorFlag::High ? 401 : 40 + i * 37 % 360;
        out.push_back({from + 300 * int64_t(i), mgdl, flag, sources[(i / 150) % sources.size()]});
    }
    return out;
}

// Some readings with one instant given twice, at index `at`.
std::vector<SensorReading> withTwin(std::vector<SensorReading> r, size_t at, int64_t time)
{
    r[at].time = time;
    return r;
}

// A card measured at a unix time (a fraction of a second allowed).
CardRef card(double unixTime, bool therapy, float value)
{
    return std::make_shared<ZRGlycemicCard>(0, std::nullopt, std::nullopt,
                                            unixTime - CardDates::kUnixToReferenceSeconds, false, false, therapy,
                                            std::nullopt, std::nullopt, std::nullopt, therapy ? 0.0f : value,
                                            therapy ? value : 0.0f);
}

QStringList qtMessages;

class Store : public ::testing::Test
{
protected:
    // Qt's warnings, such as a connection let go while a query still holds
    // it, are faults here.
    void SetUp() override
    {
        qtMessages.clear();
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
            qtMessages.append(message);
        });
    }
    void TearDown() override
    {
        qInstallMessageHandler(nullptr);
        EXPECT_EQ(qtMessages.join(u'\n').toStdString(), "");
    }
    // A store that holds these readings, committed.
    void fill(const std::vector<SensorReading> &held)
    {
        SensorStore store(path);
        ASSERT_TRUE(store.beginAdding(held)) << store.error().toStdString();
        ASSERT_TRUE(store.commit());
    }
    std::vector<int64_t> heldTimes()
    {
        SensorStore store(path);
        const std::optional<std::vector<SensorReading>> held = store.readings();
        std::vector<int64_t> out;
        for (const SensorReading &r : held ? *held : std::vector<SensorReading>())
            out.push_back(r.time);
        return out;
    }
    // What the folder holds: a change that fails leaves no journal behind.
    QStringList files() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name); }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvane.sensors.sqlite"));
};

TEST_F(Store, SitsBesideTheDiaryAndIsMadeByTheFirstAdding)
{
    EXPECT_EQ(SensorStore::pathForDiary(QStringLiteral("/a/b/Orvane.orv")), "/a/b/Orvane.sensors.sqlite");
    EXPECT_EQ(SensorStore::pathForDiary(QStringLiteral("/a/b.c/diary.2026.orv")), "/a/b.c/diary.2026.sensors.sqlite");
    SensorStore store(path);
    EXPECT_EQ(store.readings(), std::vector<SensorReading>());
    EXPECT_EQ(store.count(), 0);
    EXPECT_FALSE(store.exists());

    const std::vector<SensorReading> added = {reading(1000, 39, SensorFlag::Low), reading(1300, 401, SensorFlag::High),
                                              {1600, 120, SensorFlag::None, QStringLiteral("Nightscout")}};
    fill(added);
    EXPECT_EQ(store.readings(), added);
    EXPECT_EQ(store.readings(1300, 1600).value().size(), 2u);
    EXPECT_EQ(store.instantsBetween(0, 1300), (std::vector<int64_t>{1000, 1300}));
    EXPECT_EQ(store.count(), 3);
    EXPECT_TRUE(store.remove({1300}));
    EXPECT_EQ(heldTimes(), (std::vector<int64_t>{1000, 1600}));
}

TEST_F(Store, KeepsEveryReadingAsGivenWhateverTheBatchesTheyFill)
{
    // Around the number of rows one statement inserts (200), and past it.
    for (const int count : {1, 199, 200, 201, 450, 1001}) {
        SCOPED_TRACE(count);
        QFile::remove(path);
        SensorStore store(path);
        const std::vector<SensorReading> first = readingsFrom(1700000000, count, {"Dexcom Clarity", "LibreView"});
        ASSERT_TRUE(store.beginAdding(first) && store.commit()) << store.error().toStdString();
        EXPECT_EQ(store.readings(), first);
        // A later import: one source the store knows, one it does not.
        const std::vector<SensorReading> later = readingsFrom(1701000000, count + 7, {"Nightscout", "LibreView"});
        ASSERT_TRUE(store.beginAdding(later) && store.commit()) << store.error().toStdString();
        std::vector<SensorReading> all = first;
        all.insert(all.end(), later.begin(), later.end());
        EXPECT_EQ(store.readings(), all);
        EXPECT_EQ(store.count(), int64_t(all.size()));
    }
}

// Every change is one transaction: taken back or failed, the file is as it
// was, byte for byte; the first change taken back leaves no file at all. A
// failure in the third batch of 200 rows finds two batches in the file.
TEST_F(Store, AChangeTakenBackOrFailedLeavesTheFileAsItWas)
{
    const struct {
        const char *what;
        std::vector<SensorReading> held, adding;
        bool adds;
    } cases[] = {
        {"the first adding, taken back", {}, readings({1, 2, 3}), true},
        {"an adding, taken back", readings({1, 2}), readings({3, 4}), true},
        {"an instant the store holds", readings({1, 2}), readings({3, 2}), false},
        {"one instant twice", readings({1}), {reading(5, 100), reading(5, 101)}, false},
        {"the first adding, one instant twice", {}, {reading(5, 100), reading(5, 101)}, false},
        {"an instant held, in the third batch", readingsFrom(1, 300, {"LibreView"}),
         withTwin(readingsFrom(1000001, 450, {"Dexcom Clarity"}), 420, 3001), false},
        {"the first adding, twice in the third batch", {},
         withTwin(readingsFrom(1, 450, {"Dexcom Clarity"}), 401, 120001), false},
        {"many, taken back", readingsFrom(1, 300, {"LibreView"}), readingsFrom(1000001, 450, {"Nightscout"}), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path);
        if (!c.held.empty())
            fill(c.held);
        const QStringList filesBefore = files();
        const QByteArray before = readFile(path);
        {
            SensorStore store(path);
            EXPECT_EQ(store.beginAdding(c.adding), c.adds) << store.error().toStdString();
            if (c.adds) {
                EXPECT_EQ(store.count(), qint64(c.held.size() + c.adding.size()));
                store.rollback();
            } else {
                EXPECT_TRUE(store.error().startsWith(path)) << store.error().toStdString();
            }
        }
        EXPECT_EQ(files(), filesBefore);
        EXPECT_EQ(readFile(path), before);
    }
    // Going away in the middle of a change takes it back too.
    QFile::remove(path);
    fill(readings({1}));
    {
        SensorStore store(path);
        ASSERT_TRUE(store.beginAdding(readings({40, 41})));
    }
    EXPECT_EQ(heldTimes(), (std::vector<int64_t>{1}));
}

// What the program cannot take for its store is never written over.
TEST_F(Store, RefusesWhatIsNoStoreOfItsOwn)
{
    fill(readings({1, 2}));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("later"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 2"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("later"));
    const QString later = dir.filePath(QStringLiteral("later.sqlite"));
    ASSERT_TRUE(QFile::rename(path, later));
    const QString text = dir.filePath(QStringLiteral("text.sqlite")), folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(testsupport::writeFile(text, QByteArray("time,mgdl\n1,100\n").repeated(400)));
    ASSERT_TRUE(QDir().mkdir(folder));
    const std::pair<QString, const char *> cases[] = {
        {later, "the store was written by a later version of the program"},
        {text, "not a sensor store"},
        {folder, "it is not a file"},
    };
    for (const auto &[file, why] : cases) {
        SCOPED_TRACE(why);
        const QByteArray before = readFile(file);
        SensorStore store(file);
        EXPECT_FALSE(store.readings());
        EXPECT_TRUE(store.error().startsWith(file + ": ")) << store.error().toStdString();
        EXPECT_TRUE(store.error().contains(QLatin1String(why))) << store.error().toStdString();
        EXPECT_FALSE(store.instantsBetween(0, 10));
        EXPECT_FALSE(store.beginAdding(readings({3})));
        EXPECT_FALSE(store.copyTo(dir.filePath(QStringLiteral("copy.sqlite"))));
        EXPECT_EQ(readFile(file), before);
        EXPECT_TRUE(QFileInfo::exists(file));
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("copy.sqlite"))));
}

TEST_F(Store, CopiesItselfWhole)
{
    fill(readings({1, 2, 3}));
    const QString copy = dir.filePath(QStringLiteral("backup.sensors.sqlite"));
    ASSERT_TRUE(testsupport::writeFile(copy, "an older backup"));
    SensorStore store(path);
    ASSERT_TRUE(store.copyTo(copy)) << store.error().toStdString();
    EXPECT_EQ(SensorStore(copy).readings(), store.readings());
    // Nowhere to write: nothing is left behind.
    EXPECT_FALSE(store.copyTo(dir.filePath(QStringLiteral("gone/backup.sqlite"))));
    EXPECT_EQ(files(), (QStringList{"Orvane.sensors.sqlite", "backup.sensors.sqlite"}));
}

// What the diary already holds: a card of the same kind, measured in the
// same second, with the same value to 0.01.
TEST_F(Store, APlanLeavesOutWhatTheDiaryAndTheStoreHold)
{
    const double t = 1750000000.0;
    const CardList diary = {card(t + 0.2, false, 120.0f), card(t, true, 4.5f), card(t + 60, false, 98.0f)};
    const struct {
        const char *what;
        CardRef incoming;
        bool known;
    } cards[] = {
        {"the same", card(t, false, 120.0f), true},             {"the same second", card(t + 0.9, false, 120.0f), true},
        {"within 0.01", card(t, false, 120.009f), true},        {"a dose within 0.01", card(t, true, 4.51f), true},
        {"0.02 apart", card(t, false, 120.02f), false},         {"a dose 0.02 apart", card(t, true, 4.52f), false},
        {"the next second", card(t + 1, false, 120.0f), false}, {"the other kind", card(t + 60, true, 98.0f), false},
    };
    for (const auto &c : cards) {
        SCOPED_TRACE(c.what);
        ForeignFormat::ReadResult read;
        read.cards = {c.incoming};
        SensorStore store(path);
        const auto plan = ForeignImport::plan(std::move(read), diary, store, nullptr);
        ASSERT_TRUE(plan);
        EXPECT_EQ(plan->summary.cardsKnown, c.known ? 1u : 0u);
        EXPECT_EQ(plan->newCards.size(), c.known ? 0u : 1u);
    }

    // Two equal doses in one file are two doses; the diary as it was is what
    // holds a card, not the file's earlier cards.
    fill(readings({100, 200}));
    ForeignFormat::ReadResult read;
    read.format = ForeignFormat::Format::Clarity;
    read.cards = {card(t + 120, true, 2.0f), card(t + 120, true, 2.0f), card(t + 60, false, 98.0f)};
    read.readings = readings({50, 100, 150, 200, 300});
    read.knownReadings = 1; // a second reading of one second, in the file
    SensorStore store(path);
    const auto plan = ForeignImport::plan(std::move(read), diary, store, nullptr);
    ASSERT_TRUE(plan);
    const ForeignImport::Summary &s = plan->summary;
    EXPECT_EQ(std::tuple(s.dosesAdded, s.measurementsAdded, s.cardsKnown, s.sensorAdded, s.sensorKnown),
              std::tuple(2u, 0u, 1u, 3u, 3u));
    EXPECT_EQ(plan->newReadings, readings({50, 150, 300}));
    EXPECT_EQ(std::pair(s.first, s.last), std::pair(std::optional<int64_t>(50), std::optional<int64_t>(int64_t(t) + 120)));

    // The new cards join with identifiers after the diary's largest.
    CardList numbered = diary;
    numbered[1] = std::make_shared<ZRGlycemicCard>(*diary[1]);
    numbered[1]->setIdCard(41);
    const CardList joined = ForeignImport::joined(numbered, plan->newCards);
    ASSERT_EQ(joined.size(), 5u);
    std::vector<uint64_t> ids;
    for (const CardRef &c : joined)
        ids.push_back(c->idCard());
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<uint64_t>{0, 0, 41, 42, 43}));
    EXPECT_EQ(diary[1]->idCard(), 0u); // the diary given is not changed

    // A store that cannot be read makes no plan.
    ASSERT_TRUE(testsupport::writeFile(path, QByteArray("not SQLite at all ").repeated(100)));
    ForeignFormat::ReadResult again;
    again.readings = readings({1});
    QString error;
    SensorStore unreadable(path);
    EXPECT_FALSE(ForeignImport::plan(std::move(again), diary, unreadable, &error));
    EXPECT_TRUE(error.contains(QLatin1String("not a sensor store"))) << error.toStdString();
}

// The diary and the store change together: a diary that cannot be written
// leaves the store as it was.
TEST_F(Store, AppliesBothOrNeither)
{
    ForeignImport::Plan plan;
    plan.newCards = {card(1750000000, false, 100)};
    plan.newReadings = readings({10, 20});
    const auto refuse = [](bool, QString *why) {
        *why = QStringLiteral("diary.orv: the disk is full");
        return false;
    };
    for (const bool storeThere : {false, true}) {
        SCOPED_TRACE(storeThere ? "a store" : "no store yet");
        if (storeThere)
            fill(readings({5}));
        const QStringList filesBefore = files();
        const QByteArray before = readFile(path);
        SensorStore store(path);
        QString error;
        EXPECT_FALSE(ForeignImport::apply(plan, store, refuse, &error));
        EXPECT_EQ(error, "diary.orv: the disk is full");
        EXPECT_EQ(files(), filesBefore);
        EXPECT_EQ(readFile(path), before);
    }
    // Written: the diary once, joined.
    std::vector<bool> writes;
    SensorStore store(path);
    const auto write = [&](bool joined, QString *) {
        writes.push_back(joined);
        return true;
    };
    EXPECT_TRUE(ForeignImport::apply(plan, store, write, nullptr));
    EXPECT_EQ(writes, std::vector<bool>{true});
    EXPECT_EQ(heldTimes(), (std::vector<int64_t>{5, 10, 20}));
}

} // namespace
