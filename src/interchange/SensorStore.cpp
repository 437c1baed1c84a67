#include "interchange/SensorStore.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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
    return QFileInfo(m_path).isFile();
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
    if (!m_connection.isEmpty())
        return true;
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
    // Reading the layout version is the first read: a file that is not a
    // database fails here.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        const QString why = q.lastError().text();
        q = QSqlQuery();
        close();
        return fail(QStringLiteral("not a sensor store (%1)").arg(why));
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (version > kLayoutVersion) {
        q = QSqlQuery();
        close();
        return fail(QStringLiteral("the store was written by a later version of the program"));
    }
    if (version == 0 && create) {
        const char *const schema[] = {
            "CREATE TABLE IF NOT EXISTS source(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
            "CREATE TABLE IF NOT EXISTS reading(time INTEGER PRIMARY KEY, mgdl INTEGER NOT NULL, "
            "flag INTEGER NOT NULL DEFAULT 0, source INTEGER NOT NULL REFERENCES source(id))",
            "PRAGMA user_version = 1",
        };
        for (const char *statement : schema)
            if (!q.exec(QString::fromLatin1(statement))) {
                const QString why = q.lastError().text();
                q = QSqlQuery();
                close();
                return fail(why);
            }
    }
    return true;
}

std::optional<std::vector<int64_t>> SensorStore::instantsBetween(int64_t from, int64_t to)
{
    std::vector<int64_t> out;
    if (!exists())
        return out;
    if (!open(false))
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT time FROM reading WHERE time BETWEEN ? AND ? ORDER BY time"));
    q.addBindValue(qint64(from));
    q.addBindValue(qint64(to));
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    while (q.next())
        out.push_back(q.value(0).toLongLong());
    return out;
}

std::optional<std::vector<SensorStore::Reading>> SensorStore::readings(int64_t from, int64_t to)
{
    std::vector<Reading> out;
    if (!exists())
        return out;
    if (!open(false))
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT reading.time, reading.mgdl, reading.flag, source.name FROM reading "
                             "LEFT JOIN source ON source.id = reading.source "
                             "WHERE reading.time BETWEEN ? AND ? ORDER BY reading.time"));
    q.addBindValue(qint64(from));
    q.addBindValue(qint64(to));
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    QHash<QString, QString> names; // one string per source, shared by its readings
    while (q.next()) {
        Reading r;
        r.time = q.value(0).toLongLong();
        r.mgdl = q.value(1).toInt();
        r.flag = flagOf(q.value(2).toInt());
        const QString name = q.value(3).toString();
        r.source = names.contains(name) ? names.value(name) : names.insert(name, name).value();
        out.push_back(std::move(r));
    }
    return out;
}

std::optional<int64_t> SensorStore::count()
{
    if (!exists())
        return 0;
    if (!open(false))
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM reading")) || !q.next()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}

std::optional<int64_t> SensorStore::newest()
{
    m_reason.clear();
    if (!exists() || !open(false))
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("SELECT max(time) FROM reading")) || !q.next()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    if (q.value(0).isNull())
        return std::nullopt;
    return q.value(0).toLongLong();
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
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return fail(db.lastError().text());
    m_inTransaction = true;
    QSqlQuery source(db), insert(db);
    source.prepare(QStringLiteral("INSERT OR IGNORE INTO source(name) VALUES (?)"));
    QSqlQuery sourceId(db);
    sourceId.prepare(QStringLiteral("SELECT id FROM source WHERE name = ?"));
    insert.prepare(QStringLiteral("INSERT INTO reading(time, mgdl, flag, source) VALUES (?, ?, ?, ?)"));
    QHash<QString, qint64> sources;
    for (const Reading &r : readings) {
        auto known = sources.constFind(r.source);
        if (known == sources.cend()) {
            source.bindValue(0, r.source);
            sourceId.bindValue(0, r.source);
            if (!source.exec() || !sourceId.exec() || !sourceId.next()) {
                const QString why = (source.lastError().isValid() ? source : sourceId).lastError().text();
                rollback();
                return fail(why);
            }
            known = sources.insert(r.source, sourceId.value(0).toLongLong());
            sourceId.finish();
        }
        insert.bindValue(0, qint64(r.time));
        insert.bindValue(1, r.mgdl);
        insert.bindValue(2, flagNumber(r.flag));
        insert.bindValue(3, *known);
        if (!insert.exec()) {
            const QString why = insert.lastError().text();
            rollback();
            return fail(why);
        }
    }
    return true;
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
        close();
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
