#include "model/DiaryFile.h"

#include "model/BinaryPlist.h"
#include "model/KeyedArchive.h"
#include "model/ZRImport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace DiaryFile {

QString homeFolder()
{
    // Qt would answer the root folder when HOME is not set.
    if (const QString home = qEnvironmentVariable("HOME"); !home.isEmpty())
        return QDir::cleanPath(home);
    const passwd *account = ::getpwuid(::getuid());
    return account && account->pw_dir && *account->pw_dir ? QDir::cleanPath(QFile::decodeName(account->pw_dir))
                                                             : QString();
}

QString diaryPath()
{
    const QString home = homeFolder();
    return home.isEmpty() ? QString() : QDir(home).filePath(QStringLiteral("Documents/%1").arg(QLatin1String(kFileName)));
}

namespace {
// Where a write to path lands: links followed as QSaveFile follows them,
// then the folder's canonical path.
QString landingPath(const QString &path)
{
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops)
        info.setFile(info.symLinkTarget());
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : QDir(folder).filePath(info.fileName());
}
} // namespace

namespace {
std::function<QString(const QString &)> &reasonLookup()
{
    static std::function<QString(const QString &)> lookup;
    return lookup;
}

} // namespace

void setReasonLookup(std::function<QString(const QString &key)> lookup)
{
    reasonLookup() = std::move(lookup);
}

bool sameFile(const QString &a, const QString &b)
{
    return landingPath(a) == landingPath(b);
}

std::optional<CardList> read(const QString &path, QString *error)
{
    // Pipes and devices are no diaries: opening a pipe would wait for a
    // writer, and reading a device might never end.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("it is not a file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    // A lifetime diary is about 25 MB; a file many times that size is no
    // diary, and reading it whole could exhaust memory.
    constexpr qint64 kLargestDiary = qint64(1) << 30;
    if (file.size() > kLargestDiary) {
        if (error)
            *error = QStringLiteral("the file is too large to be a diary");
        return std::nullopt;
    }
    // Header and trailer first: a large file that is no diary is refused
    // without being read whole.
    const qint64 size = file.size();
    const QByteArray header = file.read(bplist::kHeaderSize);
    QByteArray trailer;
    if (size >= bplist::kHeaderSize + bplist::kTrailerSize && file.seek(size - bplist::kTrailerSize))
        trailer = file.read(bplist::kTrailerSize);
    QByteArray bytes;
    if (file.error() == QFileDevice::NoError) {
        if (!bplist::checkFrame(header, trailer, uint64_t(size), error))
            return std::nullopt;
        if (file.seek(0))
            bytes = file.read(size);
    }
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return KeyedArchive::decodeDiary(bytes, error);
}

namespace {
QString asideName(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString candidate = QStringLiteral("%1.unreadable-%2").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = QStringLiteral("%1.unreadable-%2-%3").arg(path, stamp).arg(n);
    return candidate;
}
} // namespace

OpenResult open(const QString &path)
{
    OpenResult result;
    if (!QFileInfo::exists(path))
        return result;
    QString error;
    if (auto cards = read(path, &error)) {
        result.status = OpenResult::Status::Opened;
        result.cards = std::move(*cards);
        return result;
    }
    result.error = error;
    const QString aside = asideName(path);
    if (QFile::rename(path, aside)) {
        result.status = OpenResult::Status::KeptAside;
        result.keptAsidePath = aside;
    } else {
        result.status = OpenResult::Status::Blocked;
    }
    return result;
}

namespace {
// Why a write failed, from the system's error: in the user's language once
// the string table has been loaded, in English before.
QString systemReason(int error)
{
    const char *key = nullptr;
    const char *english = nullptr;
    switch (error) {
    case ENOSPC:
    case EDQUOT: key = "SAVE_REASON_DISK_FULL", english = "the disk is full"; break;
    case EROFS: key = "SAVE_REASON_READ_ONLY", english = "the disk is read-only"; break;
    case EACCES:
    case EPERM: key = "SAVE_REASON_NO_PERMISSION", english = "you have no permission to write there"; break;
    case EFBIG: key = "SAVE_REASON_TOO_LARGE", english = "the file is larger than the system allows"; break;
    case EIO: key = "SAVE_REASON_DEVICE", english = "the disk reported an error"; break;
    default: return qt_error_string(error);
    }
    const QString name = QString::fromLatin1(key);
    const QString text = reasonLookup() ? reasonLookup()(name) : QString();
    return text.isEmpty() || text == name ? QString::fromLatin1(english) : text;
}

// The error of flushing a folder, 0 when there is none to tell: folders
// cannot be flushed on every file system, and the file is in place all the
// same, so only an error of the disk itself counts.
int syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == EIO ? error : 0;
}
} // namespace

SaveResult writeAtomically(const QString &path, const QByteArray &bytes, Folder folder)
{
    SaveResult result;
    const QFileInfo info(path);
    if (folder == Folder::Make && !QDir().mkpath(info.absolutePath())) {
        result.error = QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.error = file.errorString();
        return result;
    }
    // Straight to the descriptor: the file device tells a write cut short
    // as an unknown error, and lets a failed last flush through to commit.
    const int fd = file.handle();
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            result.error = systemReason(n < 0 ? errno : EIO);
            file.cancelWriting();
            return result;
        }
        done += n;
    }
    // A file system that cannot flush (EINVAL) has nothing to lose on the way.
    if (::fsync(fd) != 0 && errno != EINVAL) {
        result.error = systemReason(errno);
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    if (const int error = syncFolder(QFileInfo(landingPath(path)).absolutePath())) {
        result.error = systemReason(error);
        return result;
    }
    result.ok = true;
    return result;
}

SaveResult save(const QString &path, CardList &cards)
{
    ZRImport::sortForMeasuramentDateArray(&cards);
    return writeAtomically(path, KeyedArchive::encodeDiary(cards));
}

} // namespace DiaryFile
