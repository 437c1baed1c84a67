#include "model/DiaryFile.h"
#include "model/DiaryWriter.h"
#include "model/KeyedArchive.h"
#include "support/TestSupport.h"

#include <QDir>

#include <atomic>
#include <sys/stat.h>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::readFile;
using testsupport::writeFile;

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
};

TEST_F(DiaryFileTest, PathIsInTheDocumentsFolderOfHome)
{
    EXPECT_EQ(DiaryFile::diaryPath(), home.path() + QStringLiteral("/Documents/Orvane.orv"));
}

TEST_F(DiaryFileTest, MissingFileIsAnEmptyDiaryAndCreatesNothing)
{
    const auto result = DiaryFile::open(DiaryFile::diaryPath());
    EXPECT_EQ(result.status, DiaryFile::OpenResult::Status::Missing);
    EXPECT_TRUE(result.cards.empty());
    EXPECT_FALSE(QDir(home.path()).exists(QStringLiteral("Documents")));
}

TEST_F(DiaryFileTest, SaveCreatesTheFolderSortsAndReadsBack)
{
    CardList cards = testsupport::sampleCards();
    const auto saved = DiaryFile::save(DiaryFile::diaryPath(), cards);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    // Sorted newest first in place; undated cards last.
    for (size_t i = 1; i < cards.size(); ++i) {
        if (cards[i]->dateMeasurement()) {
            EXPECT_GE(*cards[i - 1]->dateMeasurement(), *cards[i]->dateMeasurement());
        }
    }
    EXPECT_FALSE(cards.back()->dateMeasurement().has_value());

    const auto opened = DiaryFile::open(DiaryFile::diaryPath());
    ASSERT_EQ(opened.status, DiaryFile::OpenResult::Status::Opened);
    ASSERT_EQ(opened.cards.size(), cards.size());
    for (size_t i = 0; i < cards.size(); ++i)
        EXPECT_TRUE(*opened.cards[i] == *cards[i]);
    // No temporary file is left beside the diary.
    EXPECT_EQ(QDir(home.path() + QStringLiteral("/Documents")).entryList(QDir::Files),
              QStringList{QStringLiteral("Orvane.orv")});
}

TEST_F(DiaryFileTest, UnreadableFileIsKeptAsideNeverOverwritten)
{
    const QString path = DiaryFile::diaryPath();
    QDir().mkpath(home.path() + QStringLiteral("/Documents"));
    const QByteArray garbage("this was someone's diary before a disk error");
    ASSERT_TRUE(writeFile(path, garbage));

    const auto result = DiaryFile::open(path);
    EXPECT_EQ(result.status, DiaryFile::OpenResult::Status::KeptAside);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(result.cards.empty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(result.keptAsidePath.startsWith(path + QStringLiteral(".unreadable-")));
    EXPECT_EQ(readFile(result.keptAsidePath), garbage);

    // A second bad file in the same second gets a name of its own.
    ASSERT_TRUE(writeFile(path, "again"));
    const auto second = DiaryFile::open(path);
    EXPECT_EQ(second.status, DiaryFile::OpenResult::Status::KeptAside);
    EXPECT_NE(second.keptAsidePath, result.keptAsidePath);
    EXPECT_EQ(readFile(result.keptAsidePath), garbage);
}

TEST_F(DiaryFileTest, EmptyFilesPipesAndDevicesAreNoDiaries)
{
    const QString path = DiaryFile::diaryPath();
    QDir().mkpath(home.path() + QStringLiteral("/Documents"));
    ASSERT_TRUE(writeFile(path, QByteArray()));
    EXPECT_EQ(DiaryFile::open(path).status, DiaryFile::OpenResult::Status::KeptAside);

    // Opening a pipe with no writer would wait for ever.
    const QString pipe = home.filePath(QStringLiteral("pipe.orv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString why;
    EXPECT_FALSE(DiaryFile::read(pipe, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(DiaryFile::read(QStringLiteral("/dev/zero"), nullptr));
}

TEST_F(DiaryFileTest, HugeFileIsRefusedWithoutReadingIt)
{
    QTemporaryDir dir;
    QFile huge(dir.filePath(QStringLiteral("huge.orv")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize((qint64(1) << 30) + 1)); // sparse: no disk, no memory
    huge.close();
    QString error;
    EXPECT_FALSE(DiaryFile::read(huge.fileName(), &error).has_value());
    EXPECT_TRUE(error.contains(QLatin1String("too large")));
}

TEST_F(DiaryFileTest, FailedWriteIsReportedAndLeavesTheOldFile)
{
    // Documents is a file: no folder can be made, no save can succeed.
    ASSERT_TRUE(writeFile(home.path() + QStringLiteral("/Documents"), "not a folder"));
    CardList cards = testsupport::sampleCards();
    const auto saved = DiaryFile::save(DiaryFile::diaryPath(), cards);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.error.isEmpty());

    // An existing diary stays whole when the new one cannot be written over it.
    QTemporaryDir other;
    const QString path = other.filePath(QStringLiteral("d.orv"));
    ASSERT_TRUE(DiaryFile::save(path, cards).ok);
    const QByteArray before = readFile(path);
    const auto blocked = DiaryFile::writeAtomically(path + QStringLiteral("/below-a-file"), "x");
    EXPECT_FALSE(blocked.ok);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(DiaryFileTest, ExportedDiaryOpensAsTheDiary)
{
    QTemporaryDir dir;
    const QString exported = dir.filePath(QStringLiteral("export.orv"));
    CardList cards = testsupport::sampleCards();
    ASSERT_TRUE(DiaryFile::writeAtomically(exported, KeyedArchive::encodeDiary(cards)).ok);
    QDir().mkpath(home.path() + QStringLiteral("/Documents"));
    ASSERT_TRUE(QFile::copy(exported, DiaryFile::diaryPath()));
    const auto opened = DiaryFile::open(DiaryFile::diaryPath());
    ASSERT_EQ(opened.status, DiaryFile::OpenResult::Status::Opened);
    // Identifiers stay as stored, even when they are not 1 to n.
    EXPECT_EQ(opened.cards[0]->idCard(), cards[0]->idCard());
    EXPECT_EQ(opened.cards.size(), cards.size());
}

} // namespace

TEST_F(DiaryFileTest, TheWriterWritesTheLatestRequestAndFinishesBeforeItGoes)
{
    const QString path = home.filePath(QStringLiteral("Documents/Orvane.orv"));
    CardList cards = testsupport::sampleCards();
    std::atomic<int> written{0};
    std::atomic<int> failed{0};
    auto done = [&](const DiaryFile::SaveResult &r) { ++(r.ok ? written : failed); };
    ASSERT_TRUE(testsupport::writeFile(home.filePath(QStringLiteral("file")), "not a folder"));
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
