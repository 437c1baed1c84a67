#pragma once

#include "model/ZRGlycemicCard.h"

#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QIODevice;

// Readers for the export files of other diabetes programs. A file becomes
// cards for the diary (finger-stick readings and insulin doses), continuous
// sensor readings, and counts of what was left out. The file is read as a
// stream: memory grows with what is read out of it, not with its size.
namespace ForeignFormat {

enum class Format {
    Unknown,
    LibreView,
    Clarity,
    NightscoutEntries,
    NightscoutTreatments,
    XDripSiDiary,
    Diaguard,
    CareLink,
    Tidepool,
    MySugr,
};

// The name of the format for the user ("Dexcom Clarity").
QString formatName(Format format);

enum class SensorFlag : uint8_t { None, Low, High };

struct SensorReading {
    int64_t time = 0; // whole seconds since 1970-01-01 UTC
    int mgdl = 0;     // "Low" is 39 flagged low, "High" 401 flagged high
    SensorFlag flag = SensorFlag::None;
    QString source; // the program that wrote the file (shared by all readings)

    bool operator==(const SensorReading &) const = default;
};

struct ReadOptions {
    // The zone of the wall-clock times of the formats that write no offset.
    QTimeZone zone = QTimeZone::systemTimeZone();
    // The cards' creation date, seconds since 2001 (the instant of the import).
    double importTime = CardDates::now();
    // Called after every block read with the bytes read so far; returning
    // false stops the reading (the result is then Cancelled).
    std::function<bool(qint64 bytesRead)> progress;
    // How much is read at a time, so how often progress is told (1 byte to
    // 16 MiB).
    qint64 blockSize = 256 * 1024;
};

// Why a file gave nothing at all.
enum class Failure {
    None,
    Cancelled,
    Unreadable,    // the device could not be read
    Binary,        // not text
    UnknownLayout, // text, but none of the formats
    Unsupported,   // a known program, in a version or layout not read
    Truncated,     // the file stops in the middle of a record
    Junk,          // a good header, then nothing that reads as its records
    BadDate,       // a date or time that does not exist (30 February)
    TooLong,       // a line or record beyond the limit
};

struct ReadResult {
    Format format = Format::Unknown;
    Failure failure = Failure::None;
    // The failure in English, "line N: what" where a line is to blame.
    QString error;
    qint64 errorLine = 0;

    // Oldest first. Cards carry no identifier yet (0); dateCreation is the
    // import time, dateEditing is absent.
    CardList cards;
    // Oldest first, one per second: the first in the file wins.
    std::vector<SensorReading> readings;
    // Readings dropped because an earlier one in the file has their second.
    size_t knownReadings = 0;
    // Records that give nothing, by kind ("carbohydrates": 88).
    std::map<QString, size_t> skipped;
    // Records that could not be read, and the first few as "line N: what".
    size_t notUnderstood = 0;
    QStringList problems;

    bool ok() const { return failure == Failure::None; }
    size_t skippedTotal() const;
};

// The most problems a result keeps, and the longest record read (a longer
// one fails the file as TooLong).
inline constexpr int kMaxProblems = 20;
inline constexpr qsizetype kMaxRecordBytes = qsizetype(1) << 20;

// The format of the device's content, from its first 64 KiB, read with
// peek(): the device's position is not moved. The program's own diary and
// CSV layouts are not among these: look for them first.
Format detect(QIODevice &device);

// Detects and reads the whole device, from its current position. On a
// failure the result holds no cards, readings or counts.
ReadResult read(QIODevice &device, const ReadOptions &options);

} // namespace ForeignFormat
