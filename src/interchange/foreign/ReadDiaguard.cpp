// Diaguard's backup: a "meta" line with the database version, then tags
// and foods, then each entry (date and note) followed by its measurements.
// Entries come in database order, not by date.

#include "interchange/foreign/ForeignReading.h"

namespace ForeignFormat::detail {

namespace {

// Categories that hold no glucose and no insulin.
constexpr const char *kOtherCategories[] = {"meal", "activity", "hba1c", "weight", "pulse", "pressure",
                                            "oxygen_saturation"};

// The layout read here (category before the values) is that of database
// version 19 and later.
constexpr int64_t kFirstVersion = 19;

struct Entry {
    bool open = false;   // an entry row has been read
    bool usable = false; // and its date could be read
    int64_t time = 0;
    QString note;
    size_t measurements = 0;
};

class Reader : public RowReader
{
public:
    using RowReader::RowReader;

    void record(const CsvRecordReader &csv)
    {
        const QByteArrayView kind = csv.field(0);
        if (csv.blank() || kind == "tag" || kind == "food" || kind == "foodEaten" || kind == "entryTag")
            return;
        if (kind == "entry")
            return entry(csv);
        if (kind != "measurement")
            return m_sink.problem(QStringLiteral("a row of kind \"%1\"").arg(Sink::printable(kind)));
        if (!m_entry.open)
            return m_sink.problem(QStringLiteral("a measurement before any entry"));
        ++m_entry.measurements;
        if (!m_entry.usable)
            return m_sink.problem(QStringLiteral("a measurement of an entry without a date"));
        measurement(csv);
    }

    void close()
    {
        if (m_entry.open && m_entry.usable && m_entry.measurements == 0)
            m_sink.skip(QStringLiteral("entry without measurements"));
        m_entry = Entry();
    }

private:
    void entry(const CsvRecordReader &csv)
    {
        close();
        m_entry.open = true;
        CivilTime::Fields f;
        if (!matchPattern(trimmed(csv.field(1)), "YYYY-MM-DD hh:mm:ss", f))
            return m_sink.problem(QStringLiteral("\"%1\" is not a date").arg(Sink::printable(csv.field(1))));
        if (!exists(f))
            return m_sink.failBadDate(csv.field(1));
        m_entry.usable = true;
        m_entry.time = m_clock.instant(f);
        m_entry.note = text(csv.field(2));
    }

    void measurement(const CsvRecordReader &csv)
    {
        const QByteArrayView category = csv.field(1);
        if (category == "bloodsugar") {
            const std::optional<double> mgdl = decimal(csv.field(2));
            if (!mgdl)
                return m_sink.problem(QStringLiteral("a blood sugar that is not a number"));
            return m_sink.measurement(m_entry.time, *mgdl, m_entry.note);
        }
        if (category == "insulin") {
            std::optional<double> units[3];
            for (int i = 0; i < 3; ++i) {
                units[i] = decimal(csv.field(2 + i));
                if (!units[i])
                    return m_sink.problem(QStringLiteral("an insulin amount that is not a number"));
            }
            const std::pair<InsulinKind, DoseMeal> kinds[3] = {{InsulinKind::Quick, DoseMeal::None},
                                                               {InsulinKind::Quick, DoseMeal::Correction},
                                                               {InsulinKind::Slow, DoseMeal::Basal}};
            bool any = false;
            for (int i = 0; i < 3; ++i) {
                if (*units[i] != 0.0) {
                    m_sink.therapy(m_entry.time, *units[i], kinds[i].first, kinds[i].second, m_entry.note);
                    any = true;
                }
            }
            if (!any)
                m_sink.skip(QStringLiteral("insulin without amount"));
            return;
        }
        for (const char *other : kOtherCategories) {
            if (category == other)
                return m_sink.skip(QString::fromLatin1(other));
        }
        m_sink.problem(QStringLiteral("a measurement of category \"%1\"").arg(Sink::printable(category)));
    }

    Entry m_entry;
};

} // namespace

void readDiaguard(Input &input, Sink &sink, const ReadOptions &options)
{
    CsvRecordReader csv(input, ';');
    Reader reader(sink, options);
    bool atMeta = true;
    eachRecord(csv, sink, [&] {
        if (!std::exchange(atMeta, false))
            return reader.record(csv);
        const std::optional<int64_t> version = integer(csv.field(1));
        if (!version || *version < kFirstVersion)
            sink.fail(Failure::Unsupported,
                      QStringLiteral("a Diaguard backup of database version %1, older than the layout read")
                          .arg(Sink::printable(csv.field(1))),
                      csv.line());
    });
    reader.close();
}

} // namespace ForeignFormat::detail
