#include "app/Recovery.h"

#include "model/DiaryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace Recovery {

namespace {
constexpr char kToldList[] = "told.txt";
// A list that long was not written by us: it is not read.
constexpr qint64 kLargestList = 1 << 20;
} // namespace

QString defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Orvane/recovery");
}

QString write(const QString &folder, CardList cards, const QDateTime &when, QString *error)
{
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString path = QStringLiteral("%1/Orvane-%2.orv").arg(folder, stamp);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1/Orvane-%2-%3.orv").arg(folder, stamp).arg(n);
    const DiaryFile::SaveResult result = DiaryFile::save(path, cards);
    if (!result.ok) {
        if (error)
            *error = result.error;
        return {};
    }
    return path;
}

QStringList takeUntold(const QString &folder)
{
    const QDir dir(folder);
    QStringList present = dir.entryList({QStringLiteral("Orvane-*.orv")}, QDir::Files);
    if (present.isEmpty())
        return {};
    // The names sort by time, without their ending: "…101500" before "…101500-2".
    std::sort(present.begin(), present.end(), [](const QString &a, const QString &b) {
        return QStringView(a).chopped(4) < QStringView(b).chopped(4);
    });
    QSet<QString> told;
    QFile list(dir.filePath(QString::fromLatin1(kToldList)));
    if (list.size() <= kLargestList && list.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : list.readAll().split('\n'))
            told.insert(QString::fromUtf8(line));
        list.close();
    }
    QStringList untold;
    for (const QString &name : present) {
        if (!told.contains(name))
            untold << dir.filePath(name);
    }
    // Names of files that are gone are left out, so the list stays as short as
    // the folder.
    if (!untold.isEmpty())
        DiaryFile::writeAtomically(list.fileName(), present.join(QLatin1Char('\n')).toUtf8() + '\n');
    return untold;
}

} // namespace Recovery
