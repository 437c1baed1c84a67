#include "model/DiaryFile.h"
#include "model/DiaryWriter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <sys/stat.h>

using testsupport::readFile;
using testsupport::writeFile;
using Status = DiaryFile::OpenResult::Status;

namespace {

class DiaryFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", home.path().toUtf8());
    }
    QTemporaryDir home;
    const QString documents = home.filePath(QStringLiteral("Documents"));
};

TEST_F(DiaryFileTest, SaveCreatesTheFolderSortsAndReadsBack)
{
    const QString path = DiaryFile::diaryPath();
    EXPECT_EQ(path, documents + QStringLiteral("/Orvane.orv"));
    // No file is an empty diary, and creates nothing.
    const auto missing = DiaryFile::open(path);
    EXPECT_EQ(missing.status, Status::Missing);
    EXPECT_TRUE(missing.cards.empty());
    EXPECT_FALSE(QFileInfo::exists(documents));

    CardList cards = testsupport::sampleCards();
    const auto saved = DiaryFile::save(path, cards);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    // Sorted newest first in place, the undated card last; identifiers stay as they were.
    std::vector<uint64_t> ids;
    for (const CardRef &c : cards)
        ids.push_back(c->idCard());
    EXPECT_EQ(ids, (std::vector<uint64_t>{9223372036854775808ull, 2, 1, 18446744073709551615ull, 3}));

    const auto opened = DiaryFile::open(path);
    ASSERT_EQ(opened.status, Status::Opened);
    EXPECT_EQ(testsupport::expectedText(opened.cards), testsupport::expectedText(cards));
    // No temporary file is left beside the diary.
    EXPECT_EQ(QDir(documents).entryList(QDir::Files), QStringList{QStringLiteral("Orvane.orv")});
}

TEST_F(DiaryFileTest, UnreadableFileIsKeptAsideNeverOverwritten)
{
    const QString path = DiaryFile::diaryPath();
    QDir().mkpath(documents);
    const QByteArray garbage("this was someone's diary before a disk error");
    ASSERT_TRUE(writeFile(path, garbage));
    const auto result = DiaryFile::open(path);
    EXPECT_EQ(result.status, Status::KeptAside);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(result.cards.empty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(result.keptAsidePath.startsWith(path + QStringLiteral(".unreadable-")));
    EXPECT_EQ(readFile(result.keptAsidePath), garbage);

    // A second bad file in the same second gets a name of its own; so does an empty one.
    for (const QByteArray &bad : {QByteArray("again"), QByteArray()}) {
        ASSERT_TRUE(writeFile(path, bad));
        const auto next = DiaryFile::open(path);
        EXPECT_EQ(next.status, Status::KeptAside);
        EXPECT_NE(next.keptAsidePath, result.keptAsidePath);
        EXPECT_EQ(readFile(next.keptAsidePath), bad);
    }
    EXPECT_EQ(readFile(result.keptAsidePath), garbage);
}

TEST_F(DiaryFileTest, PipesDevicesAndHugeFilesAreNoDiaries)
{
    // Opening a pipe with no writer would wait for ever.
    const QString pipe = home.filePath(QStringLiteral("pipe.orv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString why;
    EXPECT_FALSE(DiaryFile::read(pipe, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(DiaryFile::read(QStringLiteral("/dev/zero"), nullptr));

    QFile huge(home.filePath(QStringLiteral("huge.orv")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize((qint64(1) << 30) + 1)); // sparse: no disk, no memory
    huge.close();
    EXPECT_FALSE(DiaryFile::read(huge.fileName(), &why).has_value());
    EXPECT_TRUE(why.contains(QLatin1String("too large")));

    // Just under that size, what is no diary is told by its first and last
    // bytes, before the rest is read.
    const std::pair<QByteArray, const char *> starts[] = {{"PK\x03\x04", "not a binary property list"},
                                                          {"bplist00", "trailer is damaged"}};
    for (const auto &[start, reason] : starts) {
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_TRUE(huge.write(start) == start.size() && huge.resize(qint64(1) << 30));
        huge.close();
        EXPECT_FALSE(DiaryFile::read(huge.fileName(), &why).has_value());
        EXPECT_TRUE(why.contains(QLatin1String(reason))) << why.toStdString();
        const qint64 grown = testsupport::peakMemoryGrowth([&] { (void)DiaryFile::read(huge.fileName(), nullptr); });
        EXPECT_TRUE(grown >= 0 && grown < (16 << 20)) << reason << ": " << grown << " bytes";
    }
}

TEST_F(DiaryFileTest, FailedWriteIsReportedAndLeavesTheOldFile)
{
    // Documents is a file: no folder can be made, no save can succeed.
    ASSERT_TRUE(writeFile(documents, "not a folder"));
    CardList cards = testsupport::sampleCards();
    const auto saved = DiaryFile::save(DiaryFile::diaryPath(), cards);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.error.isEmpty());

    // An existing diary stays whole when the new one cannot be written over it.
    const QString path = home.filePath(QStringLiteral("d.orv"));
    ASSERT_TRUE(DiaryFile::save(path, cards).ok);
    const QByteArray before = readFile(path);
    EXPECT_FALSE(DiaryFile::writeAtomically(path + QStringLiteral("/below-a-file"), "x").ok);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(DiaryFileTest, TheWriterWritesTheLatestRequestAndFinishesBeforeItGoes)
{
    const QString path = DiaryFile::diaryPath();
    const CardList cards = testsupport::sampleCards();
    std::atomic<int> written{0}, failed{0};
    auto done = [&](const DiaryFile::SaveResult &r) { ++(r.ok ? written : failed); };
    ASSERT_TRUE(writeFile(home.filePath(QStringLiteral("file")), "not a folder"));
    {
        DiaryWriter writer;
        // Each request holds one card more; the last one asked for is the
        // one on disk, whichever of the others were dropped on the way.
        for (size_t n = 1; n <= cards.size(); ++n)
            writer.submit(path, CardList(cards.begin(), cards.begin() + qsizetype(n)), done);
        writer.submit(home.filePath(QStringLiteral("file/Orvane.orv")), cards, done);
        writer.submit(path, cards, done);
        // Leaving the scope writes what is still waiting.
    }
    const std::optional<CardList> onDisk = DiaryFile::read(path, nullptr);
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(onDisk->size(), cards.size());
    EXPECT_GE(written.load(), 1);
    EXPECT_LE(failed.load(), 1);
}

} // namespace
