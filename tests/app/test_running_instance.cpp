// A second start on an open diary, inside one process: the program holding
// the diary listens, the second start asks from a thread of its own (its
// asking blocks), and the window that is asked comes forward.
#include "app/AppDelegate.h"
#include "app/RunningInstance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <future>
#include <unistd.h>

namespace {

// Serves this thread's events while FN runs in another.
template <typename Fn> auto whileServing(Fn fn)
{
    auto result = std::async(std::launch::async, fn);
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result.get();
}

bool askFromAnotherStart(const RunningInstance &asker, int timeoutMs = 1500)
{
    return whileServing([&asker, timeoutMs] { return asker.askToComeForward(timeoutMs); });
}

// What a raw client gets back for BYTES before the server hangs up.
QByteArray answerTo(const QString &name, const QByteArray &bytes)
{
    return whileServing([&name, &bytes] {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(2000))
            return QByteArrayLiteral("not connected");
        socket.write(bytes);
        socket.waitForBytesWritten(2000);
        while (socket.state() == QLocalSocket::ConnectedState && socket.waitForReadyRead(6000)) {}
        return socket.readAll();
    });
}

QString socketPath(const QString &name)
{
    return QDir::tempPath() + QLatin1Char('/') + name;
}

class RunningInstanceTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    const QString diary = dir.filePath(QStringLiteral("Orvane.orv"));
};

TEST_F(RunningInstanceTest, TheNameIsTheLocksOwn)
{
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath(QStringLiteral("Linked"))));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Other")));
    const QString name = RunningInstance::serverName(diary);
    EXPECT_TRUE(name.startsWith(QStringLiteral("orvane-%1-").arg(::getuid()))) << name.toStdString();
    EXPECT_LE(name.size(), 40) << "a socket's path has a limit of about 100 bytes";

    const struct {
        QString path;
        bool same;
    } cases[] = {
        {diary, true},
        {dir.filePath(QStringLiteral("Other/../Orvane.orv")), true},
        {dir.filePath(QStringLiteral("Linked/Orvane.orv")), true}, // the same lock file
        {dir.filePath(QStringLiteral("Other.orv")), false},
        {dir.filePath(QStringLiteral("Other/Orvane.orv")), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RunningInstance::serverName(c.path) == name, c.same) << c.path.toStdString();
}

TEST_F(RunningInstanceTest, TheProgramListeningAnswers)
{
    RunningInstance asker(diary);
    EXPECT_FALSE(askFromAnotherStart(asker)) << "nobody listens";

    // The socket a program killed outright leaves is checked with the
    // program itself.
    const QString path = socketPath(asker.name());
    {
        RunningInstance running(diary);
        QSignalSpy asked(&running, &RunningInstance::comeForwardAsked);
        ASSERT_TRUE(running.listen());
        EXPECT_TRUE(running.isListening());
        for (int start = 1; start <= 3; ++start) {
            EXPECT_TRUE(askFromAnotherStart(asker));
            EXPECT_EQ(asked.count(), start);
        }
        // A second start on another diary finds nobody.
        EXPECT_FALSE(askFromAnotherStart(RunningInstance(dir.filePath(QStringLiteral("Other.orv")))));
        EXPECT_EQ(asked.count(), 3);
    }
    EXPECT_FALSE(QFile::exists(path)) << "the program's ending takes its socket away";
    EXPECT_FALSE(askFromAnotherStart(asker));
}

TEST_F(RunningInstanceTest, OnlyTheQuestionIsAnswered)
{
    RunningInstance running(diary);
    QSignalSpy asked(&running, &RunningInstance::comeForwardAsked);
    ASSERT_TRUE(running.listen());
    const struct {
        QByteArray sent;
        QByteArray answer;
    } cases[] = {
        {"forward\n", "ok\n"},
        {"forward\nforward\n", "ok\n"}, // one question per connection
        {"backward\n", ""},
        {"forward", ""},           // never finished: dropped after a while
        {QByteArray(64, 'f'), ""}, // no line of ours is that long
        {QByteArray("forward\0\n", 9), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(answerTo(running.name(), c.sent), c.answer) << c.sent.toStdString();
    EXPECT_EQ(asked.count(), 2);
}

TEST(AppDelegateForward, TheWindowComesForwardOnceStartUpIsOver)
{
    QMainWindow window;
    AppDelegate delegate(nullptr);
    delegate.setWindow(&window);
    delegate.bringWindowForward();
    EXPECT_FALSE(window.isVisible()) << "start-up shows it when it is done";

    delegate.applicationDidFinishLaunching();
    for (const Qt::WindowStates state :
         {Qt::WindowStates(Qt::WindowMinimized), Qt::WindowStates(Qt::WindowMinimized | Qt::WindowMaximized),
          Qt::WindowStates(Qt::WindowNoState)}) {
        window.setWindowState(state);
        delegate.bringWindowForward();
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.isMinimized());
        EXPECT_EQ(window.isMaximized(), state.testFlag(Qt::WindowMaximized));
    }
}

} // namespace
