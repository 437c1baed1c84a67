#include "model/DiaryFile.h"

#include "model/BinaryPlist.h"
#include "model/KeyedArchive.h"
#include "model/ZRImport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace DiaryFile {

QString diaryPath()
{
    return QDir::homePath() + QStringLiteral("/Documents/%1").arg(QLatin1String(kFileName));
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

SaveResult writeAtomically(const QString &path, const QByteArray &bytes)
{
    SaveResult result;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        result.error = QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
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
