#pragma once

// What the readers of the other programs' files share: the byte stream,
// the collector of what they read, and strict parsers for numbers, dates
// and texts. Not for use outside src/interchange/foreign.

#include "model/CivilTime.h"
#include "model/LocalClock.h"
#include "interchange/foreign/CsvRecordReader.h"
#include "interchange/foreign/JsonArrayReader.h"
#include "interchange/foreign/ForeignFormat.h"
#include "interchange/foreign/ForeignInput.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace ForeignFormat::detail {

enum class InsulinKind { Quick, Slow };
enum class DoseMeal { None, Correction, Basal };

// Gathers what a reader makes of its records and how it fails.
class Sink
{
public:
    Sink(Format format, const ReadOptions &options, QString source);

    // The line the records given next come from (for problems).
    void at(qint64 line) { m_line = line; }

    // A finger-stick reading in mg/dL; a value out of (0, 600] is a problem.
    void measurement(int64_t time, double mgdl, const QString &note);
    // An insulin dose; an amount out of (0, 100] is a problem.
    void therapy(int64_t time, double units, InsulinKind kind, DoseMeal meal, const QString &note);
    // A sensor reading (rounded to the nearest mg/dL, halves up); its index,
    // for a reader that fixes its time later.
    size_t reading(int64_t time, double mgdl, SensorFlag flag = SensorFlag::None);
    void setReadingTime(size_t index, int64_t time) { m_result.readings[index].time = time; }
    void skip(const QString &kind);
    // A record that could not be read, at the current line.
    void problem(const QString &what);
    // Ends the reading: the first failure stands.
    void fail(Failure failure, const QString &what, qint64 line);
    void failBadDate(QByteArrayView text)
    {
        fail(Failure::BadDate, QStringLiteral("no such date or time: ") + printable(text), m_line);
    }

    bool stopped() const { return m_result.failure != Failure::None; }
    size_t notUnderstood() const { return m_result.notUnderstood; }

    // The result: sorted, readings one per second, or the failure alone.
    ReadResult finish(const Input &input);

    // A field's text for a message: UTF-8 (or Windows-1252), cut short.
    static QString printable(QByteArrayView text);

private:
    ReadResult m_result;
    const ReadOptions &m_options;
    QString m_source;
    QString m_noMeal, m_quick, m_slow, m_correction, m_basal;
    qint64 m_line = 0;
    size_t m_understood = 0;
    qint64 m_firstProblemLine = 0;
    QString m_firstProblem;
};

// Text of a field: UTF-8 when it is valid, else Windows-1252 (the fallback
// for files re-saved on Windows).
QString text(QByteArrayView field);
// The field without spaces and tabs around it.
QByteArrayView trimmed(QByteArrayView field);

// A plain decimal number: digits, at most one decimal separator (the point
// given: "." or ",") with digits after it; no sign, no exponent, at most 15
// digits. Spaces around are allowed.
std::optional<double> decimal(QByteArrayView field, char point = '.');
// A plain integer (an optional "-", at most 18 digits).
std::optional<int64_t> integer(QByteArrayView field);

// Reads exactly `count` digits at pos (advanced past them).
bool digits(QByteArrayView s, qsizetype &pos, int count, int &value);
// Reads from 1 to `most` digits at pos.
bool someDigits(QByteArrayView s, qsizetype &pos, int most, int &value);
bool literal(QByteArrayView s, qsizetype &pos, char c);

// Matches a date and time against a pattern of fixed-width fields: YYYY,
// MM, DD, hh, mm, ss, any other character literal. Only the shape is
// checked: see exists().
bool matchPattern(QByteArrayView s, const char *pattern, CivilTime::Fields &f);
// A day and time that exist, in the years 1970 to 2199.
bool exists(const CivilTime::Fields &f);

// An ISO 8601 instant: YYYY-MM-DDThh:mm[:ss[.fraction]] with Z, ±hh:mm,
// ±hhmm or no zone (read as UTC); whole seconds, the fraction dropped.
// Sets *badDate when the shape is right but the day or time does not exist.
std::optional<int64_t> isoInstant(QByteArrayView s, bool *badDate);

// Wall-clock times of one zone, read as instants.
class WallClock
{
public:
    explicit WallClock(const QTimeZone &zone)
        : m_clock(zone)
    {
    }
    // A time shown twice is its first occurrence; a skipped one is read an
    // hour later.
    int64_t instant(const CivilTime::Fields &f) { return m_clock.fromLocal(f); }
    // Both instants of a time the clock shows twice; false when it shows it
    // once (or never).
    bool twice(const CivilTime::Fields &f, int64_t &first, int64_t &second);

private:
    LocalClock m_clock;
};

// What the readers of CSV rows share: the sink, the zone's wall clock, and
// the check of a row's length.
class RowReader
{
public:
    RowReader(Sink &sink, const ReadOptions &options)
        : m_sink(sink)
        , m_clock(options.zone)
    {
    }

protected:
    // False, with a problem, for a row with more fields than its header.
    bool fits(const CsvRecordReader &csv, qsizetype headerFields);

    Sink &m_sink;
    WallClock m_clock;
};

// Hands every record of the CSV to handle() (with the sink at its line)
// until the end, a failure of the file, or one that handle() reports. A last
// record cut off by the end of the file that could not be read is taken for a
// truncated file.
template <typename Handle> void eachRecord(CsvRecordReader &csv, Sink &sink, Handle &&handle)
{
    while (!sink.stopped()) {
        const CsvRecordReader::Status status = csv.next();
        if (status == CsvRecordReader::Status::End)
            return;
        if (status == CsvRecordReader::Status::Failed)
            return sink.fail(csv.failure(), csv.error(), csv.errorLine());
        sink.at(csv.line());
        const size_t before = sink.notUnderstood();
        handle();
        if (csv.unterminated() && sink.notUnderstood() > before)
            sink.fail(Failure::Truncated, QStringLiteral("the file ends in the middle of this line"), csv.line());
    }
}

// The record's fields as text, trimmed.
QStringList fieldTexts(const CsvRecordReader &csv);
// The first records of a text split at the separator, as text.
std::vector<QStringList> firstRecords(const QByteArray &head, char separator, int count);
// The index of the first header name that equals one of the names given
// (or, for a name ending in "*", starts with it); -1 when none does.
qsizetype column(const QStringList &header, std::initializer_list<const char *> names);

// Hands every object of the JSON array to handle() (with the sink at its
// line) until the end or a failure.
template <typename Handle> void eachObject(Input &input, Sink &sink, Handle &&handle)
{
    JsonArrayReader json(input);
    while (!sink.stopped()) {
        const JsonArrayReader::Status status = json.next();
        if (status == JsonArrayReader::Status::End)
            return;
        if (status == JsonArrayReader::Status::Failed)
            return sink.fail(json.failure(), json.error(), json.errorLine());
        sink.at(json.line());
        handle(json.object());
    }
}

// A JSON number, or a string holding a plain decimal number ("2.00");
// nothing for anything else.
std::optional<double> jsonNumber(const QJsonValue &value);
// An instant from epoch milliseconds (a number) or an ISO 8601 text. A
// problem or a failure is reported to the sink when the value is there but
// cannot be read; nothing when it is absent.
std::optional<int64_t> jsonInstant(const QJsonValue &value, Sink &sink);

// The readers, one per format family; each reads the whole input.
void readLibreView(Input &input, Sink &sink, const ReadOptions &options);
// Clarity and CareLink take the file's first bytes to choose their separator.
void readClarity(Input &input, Sink &sink, const ReadOptions &options, const QByteArray &head);
void readXDrip(Input &input, Sink &sink, const ReadOptions &options);
void readDiaguard(Input &input, Sink &sink, const ReadOptions &options);
void readCareLink(Input &input, Sink &sink, const ReadOptions &options, const QByteArray &head);
void readMySugr(Input &input, Sink &sink, const ReadOptions &options);
void readNightscout(Input &input, Sink &sink, bool treatments);
void readTidepool(Input &input, Sink &sink);

} // namespace ForeignFormat::detail
