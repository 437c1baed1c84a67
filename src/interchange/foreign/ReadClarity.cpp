// Dexcom Clarity CSV: one header, untimed preamble rows, then timed events
// in wall-clock time. In the hour repeated when summer time ends, two
// readings share each wall-clock minute; the transmitter's own clock
// (seconds, "Transmitter Time") tells which pass each belongs to.

#include "interchange/foreign/ForeignReading.h"

#include <cstdlib>
#include <map>
#include <utility>

namespace ForeignFormat::detail {

namespace {

struct Columns {
    qsizetype type, subtype, glucose, insulin, transmitterTime, transmitterId, count;
    double factor;
};

// A reading in a repeated hour, waiting to learn which pass it is in.
struct Twin {
    size_t index;
    int64_t first, second, transmitterTime;
    QByteArray transmitter;
};

class Reader : public RowReader
{
public:
    using RowReader::RowReader;

    bool header(const QStringList &h)
    {
        m = {column(h, {"Event Type", "Ereignisart"}),
             column(h, {"Event Subtype", "Ereignis-Unterart"}),
             column(h, {"Glucose Value (*", "Glukosewert (*"}),
             column(h, {"Insulin Value (*", "Insulinwert (*"}),
             column(h, {"Transmitter Time (*", "Transmitterzeit (*"}),
             column(h, {"Transmitter ID", "Transmitter-ID"}),
             h.size(),
             0.0};
        if (m.type < 0 || m.glucose < 0)
            return false;
        m.factor = h[m.glucose].contains(u"mmol/L") ? 18.0 : h[m.glucose].contains(u"mg/dL") ? 1.0 : 0.0;
        return m.factor != 0.0;
    }

    void record(const CsvRecordReader &csv)
    {
        if (csv.blank())
            return;
        if (!fits(csv, m.count))
            return;
        const QByteArrayView event = trimmed(csv.field(m.type));
        const QByteArrayView stamp = trimmed(csv.field(1));
        const bool timedEvent = event == "EGV" || event == "Calibration" || event == "Insulin" || event == "Carbs"
                                || event == "Exercise" || event == "Health";
        if (stamp.isEmpty()) {
            if (timedEvent)
                return m_sink.problem(QStringLiteral("an event without a time"));
            return m_sink.skip(QStringLiteral("preamble"));
        }
        CivilTime::Fields f;
        if (!matchPattern(stamp, "YYYY-MM-DDThh:mm:ss", f))
            return m_sink.problem(QStringLiteral("\"%1\" is not a time").arg(Sink::printable(stamp)));
        if (!exists(f))
            return m_sink.failBadDate(stamp);
        if (event == "EGV")
            return reading(csv, f);
        if (event == "Calibration") {
            const std::optional<double> value = decimal(csv.field(m.glucose));
            if (!value)
                return m_sink.problem(QStringLiteral("a calibration without a glucose value"));
            return m_sink.measurement(m_clock.instant(f), *value * m.factor, QString());
        }
        if (event == "Insulin") {
            if (trimmed(csv.field(m.insulin)).isEmpty())
                return m_sink.skip(QStringLiteral("insulin without amount"));
            const std::optional<double> units = decimal(csv.field(m.insulin));
            if (!units)
                return m_sink.problem(QStringLiteral("\"%1\" is not an insulin amount").arg(Sink::printable(csv.field(m.insulin))));
            const QByteArrayView subtype = csv.field(m.subtype);
            const bool slow = subtype.contains("Long") || subtype.contains("Lang");
            return m_sink.therapy(m_clock.instant(f), *units, slow ? InsulinKind::Slow : InsulinKind::Quick,
                                  slow ? DoseMeal::Basal : DoseMeal::None, QString());
        }
        m_sink.skip(event == "Carbs"      ? QStringLiteral("carbohydrates")
                    : event == "Exercise" ? QStringLiteral("exercise")
                    : event == "Health"   ? QStringLiteral("health event")
                                          : QStringLiteral("other event"));
    }

private:
    void reading(const CsvRecordReader &csv, const CivilTime::Fields &f)
    {
        const QByteArrayView value = trimmed(csv.field(m.glucose));
        double mgdl = 0.0;
        SensorFlag flag = SensorFlag::None;
        if (value == "Low" || value == "Niedrig") {
            mgdl = 39;
            flag = SensorFlag::Low;
        } else if (value == "High" || value == "Hoch") {
            mgdl = 401;
            flag = SensorFlag::High;
        } else if (const std::optional<double> n = decimal(value)) {
            mgdl = *n * m.factor;
        } else {
            return m_sink.problem(QStringLiteral("\"%1\" is not a glucose value").arg(Sink::printable(value)));
        }
        const QByteArrayView ttField = trimmed(csv.field(m.transmitterTime));
        const std::optional<int64_t> tt = integer(ttField);
        if (!ttField.isEmpty() && (!tt || std::llabs(*tt) > (int64_t(1) << 40)))
            return m_sink.problem(QStringLiteral("\"%1\" is not a transmitter time").arg(Sink::printable(ttField)));
        const QByteArrayView transmitter = trimmed(csv.field(m.transmitterId));
        const auto known = m_offsets.find(transmitter);
        int64_t first = 0, second = 0;
        if (tt && m_clock.twice(f, first, second)) {
            const size_t index = m_sink.reading(first, mgdl, flag);
            if (index == size_t(-1))
                return;
            const Twin twin{index, first, second, *tt, transmitter.toByteArray()};
            if (known != m_offsets.end())
                place(twin, known->second);
            else
                m_waiting.push_back(twin);
            return;
        }
        const int64_t t = m_clock.instant(f);
        if (m_sink.reading(t, mgdl, flag) == size_t(-1) || !tt)
            return;
        // The transmitter's clock against the wall clock, from readings whose
        // instant is certain; the first of a transmitter places those of its
        // repeated hours already read.
        if (known != m_offsets.end()) {
            known->second = t - *tt;
        } else if (m_offsets.size() < 256) {
            m_offsets.emplace(transmitter.toByteArray(), t - *tt);
            std::erase_if(m_waiting, [&](const Twin &w) {
                if (w.transmitter != transmitter)
                    return false;
                place(w, t - *tt);
                return true;
            });
        }
    }

    // The pass whose instant is nearer to what the transmitter's clock says.
    void place(const Twin &twin, int64_t offset)
    {
        const int64_t expected = offset + twin.transmitterTime;
        if (std::llabs(twin.second - expected) < std::llabs(twin.first - expected))
            m_sink.setReadingTime(twin.index, twin.second);
    }

    Columns m{};
    std::map<QByteArray, int64_t, std::less<>> m_offsets;
    std::vector<Twin> m_waiting;
};

} // namespace

void readClarity(Input &input, Sink &sink, const ReadOptions &options, const QByteArray &head)
{
    const std::vector<QStringList> comma = firstRecords(head, ',', 1);
    const char separator = !comma.empty() && comma[0].size() > 1 ? ',' : ';';
    CsvRecordReader csv(input, separator);
    Reader reader(sink, options);
    bool atHeader = true;
    eachRecord(csv, sink, [&] {
        if (!std::exchange(atHeader, false)) {
            reader.record(csv);
        } else if (!reader.header(fieldTexts(csv))) {
            sink.fail(Failure::Unsupported, QStringLiteral("a Clarity header without event type or glucose unit"),
                      csv.line());
        }
    });
    // Readings of a repeated hour whose transmitter was never seen outside
    // one stay at their first occurrence.
}

} // namespace ForeignFormat::detail
