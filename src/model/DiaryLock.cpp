#include "model/DiaryLock.h"

#include <QDir>
#include <QFileInfo>

DiaryLock::DiaryLock(const QString &diaryPath)
    : m_folder(QFileInfo(diaryPath).absolutePath())
    , m_lock(diaryPath + QStringLiteral(".lock"))
{
    // Held for as long as the program runs, so its age says nothing: only a
    // holder that is gone makes it stale.
    m_lock.setStaleLockTime(0);
}

DiaryLock::Status DiaryLock::tryLock()
{
    m_holder = 0;
    QDir().mkpath(m_folder);
    if (m_lock.tryLock(0))
        return Status::Locked;
    if (m_lock.error() != QLockFile::LockFailedError)
        return Status::Unavailable;
    if (m_lock.getLockInfo(&m_holder, nullptr, nullptr))
        return Status::InUse;
    // No owner to be read. A live holder keeps a system lock on the file
    // from the moment it makes it, so the removal fails while one is still
    // writing its number; the second lock keeps two takers from removing
    // each other's new lock.
    QLockFile removing(m_lock.fileName() + QStringLiteral(".rmlock"));
    if (removing.tryLock(0) && m_lock.removeStaleLockFile() && m_lock.tryLock(0))
        return Status::Locked;
    m_lock.getLockInfo(&m_holder, nullptr, nullptr);
    return m_lock.error() == QLockFile::LockFailedError ? Status::InUse : Status::Unavailable;
}
