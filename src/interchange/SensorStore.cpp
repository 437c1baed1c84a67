#include "interchange/SensorStore.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QVariant>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

// The layout of the file; a store of a later layout is not touched.
constexpr int kLayoutVersion = 1;

QAtomicInteger<quint64> connections;

int flagNumber(ForeignFormat::SensorFlag flag)
{
    switch (flag) {
    case ForeignFormat::SensorFlag::Low: return 1;
    case ForeignFormat::SensorFlag::High: return 2;
    case ForeignFormat::SensorFlag::None: break;
    }
    return 0;
}

ForeignFormat::SensorFlag flagOf(int number)
{
    return number == 1 ? ForeignFormat::SensorFlag::Low
                       : number == 2 ? ForeignFormat::SensorFlag::High : ForeignFormat::SensorFlag::None;
}

// The store's identifiers of the sources the readings name; a source not
// yet in the store is added.
std::optional<QHash<QString, qint64>> sourceIds(const QSqlDatabase &db,
                                                const std::vector<ForeignFormat::SensorReading> &readings, QString *why)
{
    QHash<QString, qint64> ids;
    QSqlQuery add(db), find(db);
    add.prepare(QStringLiteral("INSERT OR IGNORE INTO source(name) VALUES (?)"));
    find.prepare(QStringLiteral("SELECT id FROM source WHERE name = ?"));
    const QString *last = nullptr; // readings come in runs of one source
    for (const ForeignFormat::SensorReading &r : readings) {
        if ((last && r.source == *last) || ids.contains(r.source)) {
            last = &r.source;
            continue;
        }
        add.bindValue(0, r.source);
        find.bindValue(0, r.source);
        if (!add.exec() || !find.exec() || !find.next()) {
            *why = (add.lastError().isValid() ? add : find).lastError().text();
            return std::nullopt;
        }
        ids.insert(r.source, find.value(0).toLongLong());
        find.finish();
        last = &r.source;
    }
    return ids;
}

// Rows one statement inserts: Qt's work for a statement run (its reset, the
// copy of the values bound, the step) is done once for them all. 4 values a
// row stay within the 999 placeholders that every SQLite allows.
constexpr size_t kRowsPerInsert = 200;

QSqlQuery insertStatement(const QSqlDatabase &db, size_t rows)
{
    QString sql = QStringLiteral("INSERT INTO reading(time, mgdl, flag, source) VALUES (?, ?, ?, ?)");
    for (size_t i = 1; i < rows; ++i)
        sql += QStringLiteral(", (?, ?, ?, ?)");
    QSqlQuery q(db);
    q.prepare(sql);
    return q;
}

bool insertReadings(const QSqlDatabase &db, const std::vector<ForeignFormat::SensorReading> &readings,
                    const QHash<QString, qint64> &sources, QString *why)
{
    QSqlQuery full = insertStatement(db, kRowsPerInsert), tail;
    // What each placeholder of the statement holds: Qt keeps bound values
    // from one run to the next, so the flag and source of row after row are
    // not bound again.
    std::vector<std::optional<qint64>> bound;
    const QString *lastName = nullptr;
    qint64 lastSource = 0;
    for (size_t start = 0; start < readings.size(); start += kRowsPerInsert) {
        const size_t rows = std::min(kRowsPerInsert, readings.size() - start);
        if (rows < kRowsPerInsert) {
            tail = insertStatement(db, rows);
            bound.clear();
        }
        QSqlQuery &q = rows < kRowsPerInsert ? tail : full;
        bound.resize(4 * rows);
        const auto bind = [&](size_t at, qint64 value) {
            if (bound[at] != value) {
                q.bindValue(int(at), value);
                bound[at] = value;
            }
        };
        for (size_t i = 0; i < rows; ++i) {
            const ForeignFormat::SensorReading &r = readings[start + i];
            if (!lastName || r.source != *lastName) {
                lastName = &r.source;
                lastSource = sources.value(r.source);
            }
            bind(4 * i, r.time);
            bind(4 * i + 1, r.mgdl);
            bind(4 * i + 2, flagNumber(r.flag));
            bind(4 * i + 3, lastSource);
        }
        if (!q.exec()) {
            *why = q.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace

QString SensorStore::pathForDiary(const QString &diaryPath)
{
    const QFileInfo diary(diaryPath);
    return diary.dir().filePath(diary.completeBaseName() + QStringLiteral(".sensors.sqlite"));
}

SensorStore::SensorStore(QString path)
    : m_path(std::move(path))
{
}

SensorStore::~SensorStore()
{
    if (m_inTransaction)
        rollback();
    close();
}

bool SensorStore::exists() const
{
    return QFileInfo::exists(m_path);
}

void SensorStore::close()
{
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

bool SensorStore::fail(const QString &what)
{
    m_reason = what;
    return false;
}

bool SensorStore::open(bool create)
{
    if (!m_connection.isEmpty()) {
        if (QSqlDatabase::database(m_connection, false).isOpen())
            return true;
        close(); // closed by the change that made the file, taken back
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QStringLiteral("the SQLite driver of Qt is not installed"));
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile())
        return fail(QStringLiteral("it is not a file"));
    const QString name = QStringLiteral("orvane-sensors-%1").arg(++connections);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(m_path);
    if (!create)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        const QString why = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        return fail(why);
    }
    m_connection = name;
    QSqlQuery q(db);
    // No handle may be left when the connection goes.
    const auto refuse = [&](const QString &why) {
        q = QSqlQuery();
        db = QSqlDatabase();
        close();
        return fail(why);
    };
    // Reading the layout version is the first read: a file that is not a
    // database fails here.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return refuse(QStringLiteral("not a sensor store (%1)").arg(q.lastError().text()));
    const int version = q.value(0).toInt();
    q.finish();
    if (version > kLayoutVersion)
        return refuse(QStringLiteral("the store was written by a later version of the program"));
    if (version == 0 && create) {
        const char *const schema[] = {
            "CREATE TABLE IF NOT EXISTS source(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
            "CREATE TABLE IF NOT EXISTS reading(time INTEGER PRIMARY KEY, mgdl INTEGER NOT NULL, "
            "flag INTEGER NOT NULL DEFAULT 0, source INTEGER NOT NULL REFERENCES source(id))",
            "PRAGMA user_version = 1",
        };
        for (const char *statement : schema)
            if (!q.exec(QString::fromLatin1(statement)))
                return refuse(q.lastError().text());
    }
    return true;
}

std::optional<QSqlQuery> SensorStore::rangeQuery(const QString &query, int64_t from, int64_t to)
{
    if (!open(false))
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(query);
    q.addBindValue(qint64(from));
    q.addBindValue(qint64(to));
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    return q;
}

std::optional<std::vector<int64_t>> SensorStore::instantsBetween(int64_t from, int64_t to)
{
    std::vector<int64_t> out;
    if (!exists())
        return out;
    std::optional<QSqlQuery> q =
        rangeQuery(QStringLiteral("SELECT time FROM reading WHERE time BETWEEN ? AND ? ORDER BY time"), from, to);
    if (!q)
        return std::nullopt;
    while (q->next())
        out.push_back(q->value(0).toLongLong());
    return out;
}

std::optional<std::vector<SensorStore::Reading>> SensorStore::readings(int64_t from, int64_t to)
{
    std::vector<Reading> out;
    if (!exists())
        return out;
    std::optional<QSqlQuery> q =
        rangeQuery(QStringLiteral("SELECT reading.time, reading.mgdl, reading.flag, source.name FROM reading "
                                  "LEFT JOIN source ON source.id = reading.source "
                                  "WHERE reading.time BETWEEN ? AND ? ORDER BY reading.time"),
                   from, to);
    if (!q)
        return std::nullopt;
    QHash<QString, QString> names; // one string per source, shared by its readings
    while (q->next()) {
        Reading r;
        r.time = q->value(0).toLongLong();
        r.mgdl = q->value(1).toInt();
        r.flag = flagOf(q->value(2).toInt());
        const QString name = q->value(3).toString();
        r.source = names.contains(name) ? names.value(name) : names.insert(name, name).value();
        out.push_back(std::move(r));
    }
    return out;
}

std::optional<QVariant> SensorStore::valueOf(const QString &query)
{
    if (!exists())
        return QVariant();
    if (!open(false))
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(query) || !q.next()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    return q.value(0);
}

std::optional<int64_t> SensorStore::count()
{
    const std::optional<QVariant> n = valueOf(QStringLiteral("SELECT count(*) FROM reading"));
    return n ? std::optional<int64_t>(n->toLongLong()) : std::nullopt;
}

std::optional<int64_t> SensorStore::newestReading()
{
    m_reason.clear();
    const std::optional<QVariant> time = valueOf(QStringLiteral("SELECT max(time) FROM reading"));
    return time && !time->isNull() ? std::optional<int64_t>(time->toLongLong()) : std::nullopt;
}

bool SensorStore::beginAdding(const std::vector<Reading> &readings)
{
    m_reason.clear();
    if (m_inTransaction)
        return fail(QStringLiteral("a change is already under way"));
    // A store opened to be read is opened again to be written.
    close();
    m_created = !exists();
    if (!open(true)) {
        if (m_created)
            QFile::remove(m_path);
        return false;
    }
    QString why;
    {
        // Released before a rollback, which may close the connection.
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (!db.transaction())
            return fail(db.lastError().text());
        m_inTransaction = true;
        const std::optional<QHash<QString, qint64>> sources = sourceIds(db, readings, &why);
        if (sources && insertReadings(db, readings, *sources, &why))
            return true;
    }
    rollback();
    return fail(why);
}

bool SensorStore::commit()
{
    if (!m_inTransaction)
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.commit()) {
        const QString why = db.lastError().text();
        rollback();
        return fail(why);
    }
    m_inTransaction = false;
    m_created = false;
    return true;
}

void SensorStore::rollback()
{
    if (!m_inTransaction)
        return;
    QSqlDatabase::database(m_connection, false).rollback();
    m_inTransaction = false;
    // A store the change made goes with it.
    if (std::exchange(m_created, false)) {
        // The caller may hold queries still: the connection is closed here
        // and let go by the next close().
        QSqlDatabase::database(m_connection, false).close();
        QFile::remove(m_path);
    }
}

bool SensorStore::remove(const std::vector<int64_t> &instants)
{
    m_reason.clear();
    if (instants.empty())
        return true;
    if (m_inTransaction)
        return fail(QStringLiteral("a change is already under way"));
    close();
    if (!exists() || !open(true))
        return exists() ? false : fail(QStringLiteral("the store is gone"));
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return fail(db.lastError().text());
    m_inTransaction = true;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM reading WHERE time = ?"));
    for (const int64_t t : instants) {
        q.bindValue(0, qint64(t));
        if (!q.exec()) {
            const QString why = q.lastError().text();
            rollback();
            return fail(why);
        }
    }
    return commit();
}

bool SensorStore::copyTo(const QString &path)
{
    m_reason.clear();
    if (m_inTransaction)
        return fail(QStringLiteral("a change is already under way"));
    if (!open(false))
        return false;
    // VACUUM INTO writes a snapshot into a file that is missing or empty.
    const QFileInfo target(path);
    QTemporaryFile part(target.dir().filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    if (!part.open())
        return fail(QStringLiteral("copying to %1: %2").arg(path, part.errorString()));
    part.close();
    part.setPermissions(QFileInfo(m_path).permissions());
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(part.fileName());
    if (!q.exec())
        return fail(QStringLiteral("copying to %1: %2").arg(path, q.lastError().text()));
    if (std::rename(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(QStringLiteral("copying to %1: %2").arg(path, qt_error_string(errno)));
    part.setAutoRemove(false);
    return true;
}
