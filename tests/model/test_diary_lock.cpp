#include "model/DiaryLock.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

// What a start finds beside the diary: nothing, a lock whose program is gone,
// one that names no owner (a program killed between making the file and
// writing its number), or one a live process holds.
TEST(DiaryLock, TakesOverEveryLockButALiveOne)
{
    using Status = DiaryLock::Status;
    QTemporaryDir dir;
    const QString diary = dir.filePath(QStringLiteral("Documents/Orvane.orv"));
    const QString lockFile = diary + QStringLiteral(".lock");
    const std::optional<QByteArray> leftovers[] = {
        std::nullopt, // the folder is made too
        QByteArray("2147483647\norvane\n"),
        QByteArray(),
        QByteArray("\x7f\x01 not a number\n"),
        QByteArray("0\n"),
    };
    for (const std::optional<QByteArray> &left : leftovers) {
        SCOPED_TRACE(left ? left->toStdString() : "no lock");
        if (left) {
            ASSERT_TRUE(testsupport::writeFile(lockFile, *left));
        }
        {
            DiaryLock lock(diary);
            EXPECT_EQ(lock.tryLock(), Status::Locked);
            // Held: a second taker is refused and told who holds it.
            DiaryLock second(diary);
            EXPECT_EQ(second.tryLock(), Status::InUse);
            EXPECT_EQ(second.holder(), QCoreApplication::applicationPid());
        }
        EXPECT_FALSE(QFile::exists(lockFile)) << "let go";
    }
    // Not taken from a live holder, however long it has held it.
    QLockFile held(lockFile);
    ASSERT_TRUE(held.tryLock(0));
    QFile file(lockFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)
                && file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    DiaryLock lock(diary);
    EXPECT_EQ(lock.tryLock(), Status::InUse);
    EXPECT_EQ(testsupport::readFile(lockFile).split('\n').value(0).toLongLong(), QCoreApplication::applicationPid());
}

} // namespace
