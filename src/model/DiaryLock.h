#pragma once

#include <QLockFile>
#include <QString>

// One writer per diary file: the program holds its diary's lock for as long
// as it runs, orvane-tool for as long as a command reads and writes a diary
// file. The lock is the file DIARY.lock beside the diary. A lock whose
// program is gone is taken over, and so is one whose owner cannot be read
// (what a program killed between making the file and writing its number
// leaves).
class DiaryLock
{
public:
    enum class Status {
        Locked,      // held by us until the lock goes
        InUse,       // another program holds it: holder()
        Unavailable, // no lock can be made there (a read-only folder): writes there fail anyway
    };

    explicit DiaryLock(const QString &diaryPath);
    DiaryLock(const DiaryLock &) = delete;
    DiaryLock &operator=(const DiaryLock &) = delete;

    // Takes the lock without waiting, making the diary's folder when it is
    // missing.
    Status tryLock();
    // The process holding the lock (after InUse), 0 when it cannot be told.
    qint64 holder() const { return m_holder; }

private:
    QString m_folder;
    QLockFile m_lock;
    qint64 m_holder = 0;
};
