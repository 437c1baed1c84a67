// CareLink's CSV: a preamble, then sections opened by a "-------" line, each
// with its own header. A row's kind is which of its columns are filled.
// European files use ";" and a decimal comma.

#include "interchange/foreign/ForeignReading.h"

#include <utility>

namespace ForeignFormat::detail {

namespace {

enum class Section { None, Pump, Sensor, DailyTotals };

// What makes a row a record of each kind, in the order the kinds are tried.
struct Columns {
    qsizetype count = 0;
    qsizetype bg = -1, delivered = -1, sensor = -1, selected = -1, marker = -1;
    double bgFactor = 1.0, sensorFactor = 1.0;
    // Columns whose filling makes the row a record given nothing, by kind.
    std::vector<std::pair<qsizetype, QString>> kinds;
};

class Reader : public RowReader
{
public:
    Reader(Sink &sink, const ReadOptions &options, char separator)
        : RowReader(sink, options)
        , m_point(separator == ';' ? ',' : '.')
    {
    }

    void record(const CsvRecordReader &csv)
    {
        bool empty = true;
        for (qsizetype i = 0; i < csv.size() && empty; ++i)
            empty = trimmed(csv.field(i)).isEmpty();
        const QByteArrayView first = trimmed(csv.field(0));
        if (empty)
            return;
        if (first.startsWith("-------")) {
            m_section = trimmed(csv.field(4)) == "Aggregated Auto Insulin Data" ? Section::DailyTotals
                        : csv.field(2) == "Sensor"                               ? Section::Sensor
                                                                                 : Section::Pump;
            m_header = false;
            return;
        }
        if (m_section == Section::None) // the preamble
            return;
        if (first == "Index" && csv.field(1) == "Date" && csv.field(2) == "Time")
            return header(fieldTexts(csv));
        if (!m_header)
            return m_sink.problem(QStringLiteral("a row of a section without a header"));
        row(csv);
    }

private:
    void header(const QStringList &h)
    {
        m = Columns();
        m.count = h.size();
        m.bg = column(h, {"BG Reading (*"});
        m.delivered = column(h, {"Bolus Volume Delivered (U)"});
        m.sensor = column(h, {"Sensor Glucose (*"});
        m.selected = column(h, {"Bolus Volume Selected (U)"});
        m.marker = column(h, {"Event Marker"});
        m.bgFactor = m.bg >= 0 && h[m.bg].contains(u"mmol") ? 18.0 : 1.0;
        m.sensorFactor = m.sensor >= 0 && h[m.sensor].contains(u"mmol") ? 18.0 : 1.0;
        const std::pair<const char *, QString> named[] = {
            {"New Device Time", QStringLiteral("time change")},
            {"Suspend", QStringLiteral("suspend/resume")},
            {"Rewind", QStringLiteral("rewind")},
            {"Prime Type", QStringLiteral("prime")},
            {"BWZ *", QStringLiteral("bolus wizard")},
            {"Sensor Calibration BG*", QStringLiteral("sensor calibration BG")},
            {"Basal Rate (U/h)", QStringLiteral("basal")},
            {"Temp Basal Amount", QStringLiteral("basal")},
            {"Alert", QStringLiteral("alert")},
            {"Alarm", QStringLiteral("alert")},
            {"User Cleared Alerts", QStringLiteral("alert")},
        };
        for (const auto &[name, kind] : named) {
            // Every BWZ column counts, not only the first.
            for (qsizetype i = 0; i < h.size(); ++i) {
                if (column(QStringList{h[i]}, {name}) == 0)
                    m.kinds.emplace_back(i, kind);
            }
        }
        m_header = true;
    }

    bool filled(const CsvRecordReader &csv, qsizetype i) const { return i >= 0 && !trimmed(csv.field(i)).isEmpty(); }

    std::optional<double> number(const CsvRecordReader &csv, qsizetype i)
    {
        const std::optional<double> n = decimal(csv.field(i), m_point);
        if (!n)
            m_sink.problem(QStringLiteral("\"%1\" is not a number").arg(Sink::printable(csv.field(i))));
        return n;
    }

    // "2025/09/21" and "22:10:05"; day-first dates are taken too.
    bool time(const CsvRecordReader &csv, int64_t &t)
    {
        CivilTime::Fields f;
        const QByteArrayView date = trimmed(csv.field(1));
        if (!(matchPattern(date, "YYYY/MM/DD", f) || matchPattern(date, "DD-MM-YYYY", f)
              || matchPattern(date, "DD.MM.YYYY", f))
            || !matchPattern(trimmed(csv.field(2)), "hh:mm:ss", f)) {
            m_sink.problem(QStringLiteral("\"%1 %2\" is not a date and time")
                               .arg(Sink::printable(csv.field(1)), Sink::printable(csv.field(2))));
            return false;
        }
        if (!exists(f)) {
            m_sink.failBadDate(date);
            return false;
        }
        t = m_clock.instant(f);
        return true;
    }

    void row(const CsvRecordReader &csv)
    {
        if (!fits(csv, m.count))
            return;
        int64_t t = 0;
        if (!time(csv, t))
            return;
        if (m_section == Section::DailyTotals)
            return m_sink.skip(QStringLiteral("daily automatic insulin total"));
        if (filled(csv, m.bg)) {
            if (const std::optional<double> mgdl = number(csv, m.bg))
                m_sink.measurement(t, *mgdl * m.bgFactor, QString());
            return;
        }
        if (filled(csv, m.delivered)) {
            const std::optional<double> units = number(csv, m.delivered);
            if (units && *units == 0.0)
                m_sink.skip(QStringLiteral("insulin without amount"));
            else if (units)
                m_sink.therapy(t, *units, InsulinKind::Quick, DoseMeal::None, QString());
            return;
        }
        if (filled(csv, m.sensor)) {
            if (const std::optional<double> mgdl = number(csv, m.sensor))
                m_sink.reading(t, *mgdl * m.sensorFactor);
            return;
        }
        if (filled(csv, m.selected))
            return m_sink.skip(QStringLiteral("bolus programmed"));
        if (filled(csv, m.marker))
            return m_sink.skip(csv.field(m.marker).contains("Insulin") ? QStringLiteral("event marker with insulin")
                                                                       : QStringLiteral("event marker"));
        for (const auto &[i, kind] : m.kinds) {
            if (filled(csv, i))
                return m_sink.skip(kind);
        }
        for (qsizetype i = 3; i < csv.size(); ++i) {
            if (filled(csv, i))
                return m_sink.skip(QStringLiteral("other"));
        }
        m_sink.skip(QStringLiteral("empty row"));
    }

    char m_point;
    Section m_section = Section::None;
    bool m_header = false;
    Columns m;
};

} // namespace

void readCareLink(Input &input, Sink &sink, const ReadOptions &options, const QByteArray &head)
{
    const std::vector<QStringList> comma = firstRecords(head, ',', 1);
    const char separator = !comma.empty() && comma[0].size() > 2 && comma[0][1] == u"First Name" ? ',' : ';';
    CsvRecordReader csv(input, separator);
    Reader reader(sink, options, separator);
    eachRecord(csv, sink, [&] { reader.record(csv); });
}

} // namespace ForeignFormat::detail
