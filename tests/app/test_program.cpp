// The real program, started as the desktop starts it (offscreen, a fresh
// home folder): it saves when the session ends it, and keeps to one program
// per diary, a second start bringing the first forward.
#include "model/DiaryFile.h"
#include "model/DiaryLock.h"
#include "model/KeyedArchive.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <memory>

namespace {

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        diary = home.filePath(QStringLiteral("Documents/Orvane.orv"));
        prefs = home.filePath(QStringLiteral(".config/Orvane/OrvanePreferenze.conf"));
        recovery = home.filePath(QStringLiteral(".local/share/Orvane/recovery"));
    }

    std::unique_ptr<QProcess> launch()
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(ORVANE_BINARY), {});
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }

    // Start-up is over once the first start has written its settings.
    static bool waitFor(const std::function<bool()> &condition)
    {
        QDeadlineTimer deadline(30000);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    // The settings are written before the diary is read: a program is past
    // its start-up once its main thread waits in the event loop. Where the
    // kernel does not say what a thread waits in, a moment is allowed.
    static void waitForEventLoop(const QProcess &p)
    {
        const QString wchan = QStringLiteral("/proc/%1/wchan").arg(p.processId());
        auto waitsIn = [&wchan] {
            QFile f(wchan);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        if (const QByteArray first = waitsIn(); first.isEmpty() || first == "0")
            QThread::msleep(1000);
        else
            waitFor([&] { return waitsIn().contains("poll"); });
    }

    static int endWith(QProcess &p, int signalNumber)
    {
        ::kill(static_cast<pid_t>(p.processId()), signalNumber);
        EXPECT_TRUE(p.waitForFinished(30000));
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // A second start on the diary ends at once without a word, and the
    // program running brings its window forward.
    void startAgainAndSeeItForward(QProcess &running)
    {
        // It answers from its event loop.
        waitForEventLoop(running);
        auto second = launch();
        ASSERT_TRUE(second->waitForFinished(30000)) << "an alert would wait for the user";
        EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second->exitCode(), 0);
        EXPECT_FALSE(second->readAllStandardError().contains("orvane:"));
        QByteArray said;
        EXPECT_TRUE(waitFor([&] {
            running.waitForReadyRead(100);
            said += running.readAllStandardError();
            return said.contains("brought this window forward");
        })) << said.toStdString();
        EXPECT_EQ(running.state(), QProcess::Running);
    }

    // A second start that nobody answers for says why, and waits for the
    // user to read it.
    void startAgainAndSeeItRefused()
    {
        auto second = launch();
        ASSERT_TRUE(waitFor([&] {
            second->waitForReadyRead(100);
            return second->readAllStandardError().contains("already open");
        }));
        EXPECT_EQ(endWith(*second, SIGTERM), 1);
    }

    // Three cards out of order: a save puts them newest first.
    void writeUnsortedDiary()
    {
        CardList cards = testsupport::sampleCards();
        std::reverse(cards.begin(), cards.end());
        ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("Documents"))));
        ASSERT_TRUE(DiaryFile::writeAtomically(diary, KeyedArchive::encodeDiary(cards)).ok);
    }

    QStringList recoveryFiles() const { return testsupport::recoveryFiles(recovery); }

    QTemporaryDir home;
    QString diary, prefs, recovery;
};

TEST_F(ProgramTest, TheSessionEndingSavesTheDiaryAndTheSettings)
{
    writeUnsortedDiary();
    const QByteArray before = testsupport::readFile(diary);
    auto program = launch();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(prefs); })) << program->readAllStandardError().toStdString();
    EXPECT_EQ(endWith(*program, SIGTERM), 0) << program->readAllStandardError().toStdString();

    const std::optional<CardList> saved = DiaryFile::read(diary, nullptr);
    ASSERT_TRUE(saved);
    CardList expected = testsupport::sampleCards();
    std::reverse(expected.begin(), expected.end());
    DiaryFile::save(home.filePath(QStringLiteral("sorted.orv")), expected);
    EXPECT_EQ(testsupport::expectedText(*saved), testsupport::expectedText(expected));
    EXPECT_NE(testsupport::readFile(diary), before) << "written again, sorted";
    EXPECT_TRUE(testsupport::readFile(prefs).contains("toolBarIsVisible=YES"));
    EXPECT_FALSE(QFile::exists(diary + QStringLiteral(".lock")));
}

TEST_F(ProgramTest, ASecondStartBringsTheFirstForwardAndACrashedOneBlocksNothing)
{
    writeUnsortedDiary();
    auto first = launch();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(prefs); }));
    const QByteArray whileOpen = testsupport::readFile(diary);

    // The second never touches the diary.
    startAgainAndSeeItForward(*first);
    // Nor does the tool write it: the program's next save would undo it.
    QProcess tool;
    tool.setProcessEnvironment(first->processEnvironment());
    tool.start(QStringLiteral(ORVANE_TOOL), {QStringLiteral("import"), testsupport::fixturePath(QStringLiteral("diary.orv"))});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_TRUE(tool.readAllStandardError().contains("open in another Orvane"));
    EXPECT_EQ(testsupport::readFile(diary), whileOpen);
    EXPECT_EQ(first->state(), QProcess::Running);

    // A program killed outright leaves its lock and its socket behind, the
    // lock with its number in it or, killed as it made the file, empty; the
    // next one starts all the same and is found by a second start, and a
    // hang-up ends it as a termination does.
    const QString lock = diary + QStringLiteral(".lock");
    std::unique_ptr<QProcess> last = std::move(first);
    for (const bool emptied : {false, true}) {
        ::kill(static_cast<pid_t>(last->processId()), SIGKILL);
        ASSERT_TRUE(last->waitForFinished(30000));
        ASSERT_TRUE(QFile::exists(lock));
        ASSERT_TRUE(!emptied || testsupport::writeFile(lock, {}));
        ASSERT_TRUE(QFile::remove(prefs));
        last = launch();
        ASSERT_TRUE(waitFor([&] { return QFile::exists(prefs); })) << last->readAllStandardError().toStdString();
        startAgainAndSeeItForward(*last);
    }
    EXPECT_EQ(endWith(*last, SIGHUP), 0);
    EXPECT_FALSE(last->readAllStandardError().contains("already open"));
}

TEST_F(ProgramTest, ASecondStartThatNobodyAnswersForIsRefused)
{
    writeUnsortedDiary();
    auto first = launch();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(prefs); }));
    QByteArray before = testsupport::readFile(diary);

    // A program that is stuck: the second start waits a moment for it, then
    // tells the user. The question left behind troubles nobody.
    ::kill(static_cast<pid_t>(first->processId()), SIGSTOP);
    startAgainAndSeeItRefused();
    ::kill(static_cast<pid_t>(first->processId()), SIGCONT);
    EXPECT_EQ(testsupport::readFile(diary), before);
    startAgainAndSeeItForward(*first);
    EXPECT_EQ(endWith(*first, SIGTERM), 0);

    // A lock that no program holds: orvane-tool's, or this test's.
    before = testsupport::readFile(diary);
    DiaryLock lock(diary);
    ASSERT_EQ(lock.tryLock(), DiaryLock::Status::Locked);
    startAgainAndSeeItRefused();
    EXPECT_EQ(testsupport::readFile(diary), before);
}

TEST_F(ProgramTest, AnEndingThatCannotWriteTheDiaryKeepsItInARecoveryFileAndEnds)
{
    writeUnsortedDiary();
    CardList sorted = testsupport::sampleCards();
    DiaryFile::save(home.filePath(QStringLiteral("sorted.orv")), sorted);
    // Nothing can be written where the diary is, by root either: its folder
    // becomes a file.
    const QString documents = home.filePath(QStringLiteral("Documents"));

    auto program = launch();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(prefs); })) << program->readAllStandardError().toStdString();
    waitForEventLoop(*program); // the diary is read: it must not be moved before
    ASSERT_TRUE(testsupport::blockFolder(documents));
    EXPECT_EQ(endWith(*program, SIGTERM), 0) << "nothing is asked";
    QStringList kept = recoveryFiles();
    ASSERT_EQ(kept.size(), 1);
    const std::optional<CardList> recovered = DiaryFile::read(recovery + QLatin1Char('/') + kept[0], nullptr);
    ASSERT_TRUE(recovered);
    EXPECT_EQ(testsupport::expectedText(*recovered), testsupport::expectedText(sorted));
    EXPECT_TRUE(program->readAllStandardError().contains(kept[0].toUtf8()));

    // The next start tells of the file; a hang-up while it does still ends
    // the program, and the cards are kept again.
    ASSERT_TRUE(testsupport::unblockFolder(documents));
    program = launch();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(recovery + QStringLiteral("/told.txt")); }));
    ASSERT_TRUE(testsupport::blockFolder(documents));
    EXPECT_EQ(endWith(*program, SIGHUP), 0);
    kept = recoveryFiles();
    ASSERT_EQ(kept.size(), 2);
    for (const QString &name : kept)
        EXPECT_EQ(DiaryFile::read(recovery + QLatin1Char('/') + name, nullptr)->size(), sorted.size());
}

} // namespace
