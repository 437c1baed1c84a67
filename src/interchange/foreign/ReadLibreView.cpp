// LibreView's "Download Glucose Data": a title line, a 19-column header, rows
// grouped by record type. Dates are NN-NN-YYYY with the day or the month
// first, decided once for the whole file.

#include "interchange/foreign/ForeignReading.h"

#include <cmath>
#include <limits>

namespace ForeignFormat::detail {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

struct Stamp {
    int first = 0, second = 0, year = 0, hour = 0, minute = 0;
    char half = 0; // 'A' or 'P' on a 12-hour clock
};

// "16-03-2021 13:42" or "01-02-2026 11:40 PM" ("/" and "." also taken).
bool readStamp(QByteArrayView s, Stamp &t)
{
    qsizetype pos = 0;
    if (!digits(s, pos, 2, t.first) || pos >= s.size())
        return false;
    const char separator = s[pos++];
    if ((separator != '-' && separator != '/' && separator != '.') || !digits(s, pos, 2, t.second)
        || !literal(s, pos, separator) || !digits(s, pos, 4, t.year) || !literal(s, pos, ' ')
        || !someDigits(s, pos, 2, t.hour) || !literal(s, pos, ':') || !digits(s, pos, 2, t.minute))
        return false;
    const QByteArrayView rest = s.sliced(pos);
    if (rest == " AM" || rest == " PM")
        t.half = rest[1];
    return rest.isEmpty() || t.half;
}

enum class Order { Unknown, DayFirst, MonthFirst };

Order evidence(const Stamp &t)
{
    return t.first > 12 ? Order::DayFirst : t.second > 12 ? Order::MonthFirst : Order::Unknown;
}

// False for a day or time that does not exist.
bool civil(const Stamp &t, Order order, CivilTime::Fields &f)
{
    f.year = t.year;
    f.month = order == Order::DayFirst ? t.second : t.first;
    f.day = order == Order::DayFirst ? t.first : t.second;
    f.hour = t.hour;
    f.minute = t.minute;
    f.second = 0;
    if (t.half) {
        if (t.hour < 1 || t.hour > 12)
            return false;
        f.hour = t.hour % 12 + (t.half == 'P' ? 12 : 0);
    }
    return exists(f);
}

struct Columns {
    qsizetype time, type, historic, scan, strip, rapid, slow, meal, correction, notes, count;
    double historicFactor, scanFactor, stripFactor;
};

// The factor to mg/dL of a glucose column, by the unit its name ends with;
// 0 when it names none.
double factor(const QStringList &header, qsizetype i)
{
    if (i < 0)
        return 0.0;
    return header[i].endsWith(u"mmol/L") ? 18.0 : header[i].endsWith(u"mg/dL") ? 1.0 : 0.0;
}

struct Row {
    qint64 line = 0;
    Stamp stamp;
    int type = 0;
    double glucose = kNone; // in mg/dL
    double rapid = kNone, slow = kNone, meal = kNone, correction = kNone;
    QString note;
};

class Reader : public RowReader
{
public:
    using RowReader::RowReader;

    bool header(const QStringList &title, const QStringList &h)
    {
        // The title's "Generated on" date may settle the order of the rows'.
        Stamp generated;
        if (title.size() > 2 && readStamp(title[2].chopped(title[2].endsWith(u" UTC") ? 4 : 0).toLatin1(), generated))
            m_order = evidence(generated);
        m = {column(h, {"Device Timestamp", "Gerätezeitstempel"}),
             column(h, {"Record Type", "Aufzeichnungstyp"}),
             column(h, {"Historic Glucose*", "Glukosewert-Verlauf*"}),
             column(h, {"Scan Glucose*", "Glukose-Scan*"}),
             column(h, {"Strip Glucose*", "Glukose-Teststreifen*"}),
             column(h, {"Rapid-Acting Insulin (units)", "Schnellwirkendes Insulin (Einheiten)"}),
             column(h, {"Long-Acting Insulin (units)", "Long-Acting Insulin Value (units)", "Depotinsulin (Einheiten)"}),
             column(h, {"Meal Insulin (units)", "Mahlzeiteninsulin (Einheiten)"}),
             column(h, {"Correction Insulin (units)", "Korrekturinsulin (Einheiten)"}),
             column(h, {"Notes", "Notizen"}),
             h.size(),
             0.0,
             0.0,
             0.0};
        m.historicFactor = factor(h, m.historic);
        m.scanFactor = factor(h, m.scan);
        m.stripFactor = factor(h, m.strip);
        return m.time >= 0 && m.type >= 0;
    }

    void record(const CsvRecordReader &csv)
    {
        if (csv.blank())
            return;
        Row row;
        if (!parse(csv, row))
            return;
        if (m_order == Order::Unknown) {
            m_order = evidence(row.stamp);
            if (m_order != Order::Unknown)
                flush();
        }
        // Rows that give nothing need no instant, only a date that exists;
        // with both numbers at most 12 it exists either way. So only rows
        // that give something wait for the order.
        const bool gives = row.type <= 2 || (row.type == 4 && givesDose(row));
        if (m_order == Order::Unknown && gives)
            m_pending.push_back(std::move(row));
        else
            give(row);
    }

    // Without a number above 12 anywhere, the clock tells: 12-hour files
    // have come month-first, 24-hour files day-first.
    void finish()
    {
        if (m_order == Order::Unknown && !m_pending.empty())
            m_order = m_pending.front().stamp.half ? Order::MonthFirst : Order::DayFirst;
        flush();
    }

private:
    bool number(const CsvRecordReader &csv, qsizetype i, double factor, double &value, const char *what)
    {
        const QByteArrayView field = trimmed(csv.field(i));
        if (field.isEmpty())
            return true;
        const std::optional<double> n = decimal(field);
        if (!n || factor == 0.0) {
            m_sink.problem(QStringLiteral("%1 \"%2\" is not a number").arg(QLatin1StringView(what), Sink::printable(field)));
            return false;
        }
        value = *n * factor;
        return true;
    }

    bool parse(const CsvRecordReader &csv, Row &row)
    {
        row.line = csv.line();
        if (!fits(csv, m.count))
            return false;
        const std::optional<int64_t> type = integer(csv.field(m.type));
        if (!type || *type < 0 || *type > 99) {
            m_sink.problem(QStringLiteral("record type \"%1\" is not a number").arg(Sink::printable(csv.field(m.type))));
            return false;
        }
        row.type = int(*type);
        if (!readStamp(trimmed(csv.field(m.time)), row.stamp)) {
            m_sink.problem(QStringLiteral("\"%1\" is not a date").arg(Sink::printable(csv.field(m.time))));
            return false;
        }
        // Only the cards keep a note.
        if (m.notes >= 0 && (row.type == 2 || row.type == 4))
            row.note = text(csv.field(m.notes));
        switch (row.type) {
        case 0:
        case 1:
        case 2: {
            const qsizetype i = row.type == 0 ? m.historic : row.type == 1 ? m.scan : m.strip;
            const double f = row.type == 0 ? m.historicFactor : row.type == 1 ? m.scanFactor : m.stripFactor;
            if (!number(csv, i, f, row.glucose, "glucose"))
                return false;
            if (std::isnan(row.glucose)) {
                m_sink.problem(QStringLiteral("a glucose record without a value"));
                return false;
            }
            return true;
        }
        case 4:
            return number(csv, m.rapid, 1.0, row.rapid, "insulin") && number(csv, m.slow, 1.0, row.slow, "insulin")
                   && number(csv, m.meal, 1.0, row.meal, "insulin")
                   && number(csv, m.correction, 1.0, row.correction, "insulin");
        default:
            return true;
        }
    }

    void flush()
    {
        for (const Row &row : m_pending)
            give(row);
        m_pending.clear();
        m_pending.shrink_to_fit();
    }

    static bool givesDose(const Row &row)
    {
        return !std::isnan(row.rapid) || !std::isnan(row.slow) || !std::isnan(row.meal) || !std::isnan(row.correction);
    }

    void give(const Row &row)
    {
        m_sink.at(row.line);
        CivilTime::Fields f;
        if (!civil(row.stamp, m_order == Order::Unknown ? Order::DayFirst : m_order, f))
            return m_sink.fail(Failure::BadDate, QStringLiteral("no such date or time (read %1)")
                                                     .arg(m_order == Order::DayFirst ? u"day first" : u"month first"),
                               row.line);
        const int64_t t = m_clock.instant(f);
        switch (row.type) {
        case 0:
        case 1:
            m_sink.reading(t, row.glucose);
            break;
        case 2:
            m_sink.measurement(t, row.glucose, row.note);
            break;
        case 3:
            m_sink.skip(QStringLiteral("ketone"));
            break;
        case 4: {
            const std::pair<double, std::pair<InsulinKind, DoseMeal>> doses[] = {
                {row.rapid, {InsulinKind::Quick, DoseMeal::None}},
                {row.slow, {InsulinKind::Slow, DoseMeal::Basal}},
                {row.meal, {InsulinKind::Quick, DoseMeal::None}},
                {row.correction, {InsulinKind::Quick, DoseMeal::Correction}}};
            for (const auto &[units, kind] : doses) {
                if (!std::isnan(units))
                    m_sink.therapy(t, units, kind.first, kind.second, row.note);
            }
            if (!givesDose(row))
                m_sink.skip(QStringLiteral("insulin without amount"));
            break;
        }
        case 5:
            m_sink.skip(QStringLiteral("carbohydrates"));
            break;
        case 6:
            m_sink.skip(QStringLiteral("note"));
            break;
        default:
            m_sink.skip(QStringLiteral("other record type"));
        }
    }

    Columns m{};
    Order m_order = Order::Unknown;
    std::vector<Row> m_pending;
};

} // namespace

void readLibreView(Input &input, Sink &sink, const ReadOptions &options)
{
    CsvRecordReader csv(input, ',');
    Reader reader(sink, options);
    QStringList title;
    int line = 0;
    eachRecord(csv, sink, [&] {
        if (++line == 1) {
            title = fieldTexts(csv);
        } else if (line == 2) {
            if (!reader.header(title, fieldTexts(csv)))
                sink.fail(Failure::Unsupported, QStringLiteral("a LibreView header without the date or the record type"),
                          csv.line());
        } else {
            reader.record(csv);
        }
    });
    if (!sink.stopped())
        reader.finish();
}

} // namespace ForeignFormat::detail
