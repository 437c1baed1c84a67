#pragma once

#include "interchange/foreign/ForeignFormat.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>
#include <vector>

// The continuous sensor readings, kept apart from the diary's cards in an
// SQLite database beside the diary file ("Orvane.orv" has
// "Orvane.sensors.sqlite"): one reading per second, in whole mg/dL. The
// file is made by the first import that brings readings; until something
// asks for readings nothing is opened. Every change is one transaction: a
// change that fails leaves the file as it was.
class SensorStore
{
public:
    using Reading = ForeignFormat::SensorReading;

    // The store that goes with the diary file at diaryPath.
    static QString pathForDiary(const QString &diaryPath);

    explicit SensorStore(QString path);
    ~SensorStore();
    SensorStore(const SensorStore &) = delete;
    SensorStore &operator=(const SensorStore &) = delete;

    const QString &path() const { return m_path; }
    // Something is at the path (which every operation refuses unless it is
    // the store's file).
    bool exists() const;
    // Why the last operation failed, with the file's path; and without it.
    QString error() const { return QStringLiteral("%1: %2").arg(m_path, m_reason); }
    const QString &reason() const { return m_reason; }

    // The instants (seconds since 1970) of the readings held in [from, to],
    // oldest first; empty when there is no store yet. nullopt (error() says
    // why) when the file cannot be read.
    std::optional<std::vector<int64_t>> instantsBetween(int64_t from, int64_t to);
    // The readings held in [from, to], oldest first; the same failures.
    std::optional<std::vector<Reading>> readings(int64_t from = INT64_MIN, int64_t to = INT64_MAX);
    std::optional<int64_t> count();
    // The instant of the newest reading held, none when the store holds
    // none (or there is no store yet), and none also when the store cannot
    // be read (reason() then says why, and is empty otherwise).
    std::optional<int64_t> newestReading();

    // Adds readings, none of whose instants the store holds (nor two of
    // them one instant), in one transaction that stays open until commit()
    // or rollback(): the caller writes what goes with them meanwhile. The
    // file is made when missing. False (error() says why, nothing changed)
    // when it cannot be written.
    bool beginAdding(const std::vector<Reading> &readings);
    bool commit();
    void rollback();
    // Removes the readings at these instants, in one transaction (taking an
    // import back).
    bool remove(const std::vector<int64_t> &instants);
    // Writes the store, as one consistent state even while another process
    // changes it, to path (a backup): into a new file beside path that then
    // takes its place. False (error() says why, path untouched) on failure.
    bool copyTo(const QString &path);

private:
    bool open(bool create);
    // A query of the readings between from and to (its two placeholders),
    // run; nullopt (error() says why) when it cannot be.
    std::optional<QSqlQuery> rangeQuery(const QString &query, int64_t from, int64_t to);
    // The value of a query of one row and column; null when there is no
    // store; nullopt (error() says why) when it cannot be read.
    std::optional<QVariant> valueOf(const QString &query);
    bool fail(const QString &what);
    void close();

    QString m_path;
    QString m_connection;
    QString m_reason;
    bool m_inTransaction = false;
    bool m_created = false; // by the change under way
};
