// mySugr's CSV export: one row per logbook entry, newest first. English
// dates "Aug 9, 2025" (or "8/9/2025") with a 12-hour "7:05:00 PM", German
// "09.08.25" with "19:05:00", both wall-clock.

#include "interchange/foreign/ForeignReading.h"

#include <algorithm>
#include <cmath>

namespace ForeignFormat::detail {

namespace {

constexpr const char *kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// "Aug 9, 2025" (or the full month name), "8/9/2025", "09.08.25" or "09.08.2025".
bool readDate(QByteArrayView s, CivilTime::Fields &f)
{
    qsizetype pos = 0;
    if (someDigits(s, pos, 2, f.month)) {
        const char separator = pos < s.size() ? s[pos] : 0;
        if (separator == '/')
            return literal(s, pos, '/') && someDigits(s, pos, 2, f.day) && literal(s, pos, '/')
                   && digits(s, pos, 4, f.year) && pos == s.size();
        f.day = f.month;
        if (!literal(s, pos, '.') || !digits(s, pos, 2, f.month) || !literal(s, pos, '.'))
            return false;
        const qsizetype start = pos;
        if (!someDigits(s, pos, 4, f.year) || pos != s.size() || (pos - start != 2 && pos - start != 4))
            return false;
        if (pos - start == 2)
            f.year += 2000;
        return true;
    }
    const qsizetype space = s.indexOf(' ');
    if (space < 0)
        return false;
    const QByteArrayView name = s.first(space);
    f.month = 0;
    for (int m = 0; m < 12; ++m) {
        const QByteArrayView month(kMonths[m]);
        if (name == month || name == month.first(3))
            f.month = m + 1;
    }
    pos = space + 1;
    return f.month != 0 && someDigits(s, pos, 2, f.day) && literal(s, pos, ',') && literal(s, pos, ' ')
           && digits(s, pos, 4, f.year) && pos == s.size();
}

// "7:05:00 PM", "12:15:00 AM" (00:15), "19:05:00"; seconds may be left out.
bool readTime(QByteArrayView s, CivilTime::Fields &f)
{
    qsizetype pos = 0;
    f.second = 0;
    if (!someDigits(s, pos, 2, f.hour) || !literal(s, pos, ':') || !digits(s, pos, 2, f.minute))
        return false;
    if (literal(s, pos, ':') && !digits(s, pos, 2, f.second))
        return false;
    const QByteArrayView rest = s.sliced(pos);
    if (rest.isEmpty())
        return true;
    if ((rest != " AM" && rest != " PM") || f.hour < 1 || f.hour > 12)
        return false;
    f.hour = f.hour % 12 + (rest == " PM" ? 12 : 0);
    return true;
}

struct Columns {
    qsizetype date, time, glucose, pen, pump, basal, meal, correction, carbs, steps, note, count;
    double factor;
    std::vector<qsizetype> activity, other;
};

class Reader : public RowReader
{
public:
    using RowReader::RowReader;

    bool header(const QStringList &h)
    {
        m = {column(h, {"Date", "Datum"}),
             column(h, {"Time", "Zeit"}),
             column(h, {"Blood Sugar Measurement (*", "Blood Glucose Measurement (*", "Blutzuckermessung (*"}),
             column(h, {"Insulin Injection Units (Pen)", "Bolusinjektionseinheiten (Pen)"}),
             column(h, {"Insulin Injection Units (pump)", "Bolusinjektionseinheiten (Pump)"}),
             column(h, {"Basal Injection Units", "Basalinjektionseinheiten"}),
             column(h, {"Insulin (Meal)", "Bolus (Mahlzeit)"}),
             column(h, {"Insulin (Correction)", "Bolus (Korrektur)"}),
             column(h, {"Meal Carbohydrates*", "Mahlzeitkohlenhydrate*"}),
             column(h, {"Steps", "Schritte"}),
             column(h, {"Note", "Notiz"}),
             h.size(),
             0.0,
             {},
             {}};
        if (m.date < 0 || m.time < 0 || m.glucose < 0)
            return false;
        m.factor = h[m.glucose].endsWith(u"(mmol/L)") ? 18.0 : h[m.glucose].endsWith(u"(mg/dL)") ? 1.0 : 0.0;
        // What else a row may hold: activities, and measures the diary does
        // not keep (pressure, weight, HbA1c, ketones, food, medication).
        const QStringList ignored = {QStringLiteral("Tags"), QStringLiteral("Timezone"), QStringLiteral("Latitude"),
                                     QStringLiteral("Longitude"), QStringLiteral("Location")};
        const qsizetype used[] = {m.date, m.time, m.glucose, m.pen, m.pump, m.basal, m.meal, m.correction,
                                  m.carbs, m.steps, m.note};
        for (qsizetype i = 0; i < h.size(); ++i) {
            if (h[i].startsWith(u"Activity") || h[i].startsWith(u"Aktivität"))
                m.activity.push_back(i);
            else if (!ignored.contains(h[i]) && std::find(std::begin(used), std::end(used), i) == std::end(used))
                m.other.push_back(i);
        }
        return m.factor != 0.0;
    }

    void record(const CsvRecordReader &csv)
    {
        if (csv.blank())
            return;
        if (!fits(csv, m.count))
            return;
        CivilTime::Fields f;
        if (!readDate(trimmed(csv.field(m.date)), f) || !readTime(trimmed(csv.field(m.time)), f))
            return m_sink.problem(QStringLiteral("\"%1 %2\" is not a date and time")
                                      .arg(Sink::printable(csv.field(m.date)), Sink::printable(csv.field(m.time))));
        if (!exists(f))
            return m_sink.failBadDate(csv.field(m.date));
        // Glucose, pen, pump, basal, meal and correction insulin; NaN when empty.
        const qsizetype columns[] = {m.glucose, m.pen, m.pump, m.basal, m.meal, m.correction};
        double v[6];
        for (int i = 0; i < 6; ++i) {
            const QByteArrayView field = trimmed(csv.field(columns[i]));
            const std::optional<double> n = field.isEmpty() ? std::optional(std::nan("")) : decimal(field);
            if (!n)
                return m_sink.problem(QStringLiteral("\"%1\" is not a number").arg(Sink::printable(field)));
            v[i] = *n;
        }
        const auto given = [&](int i) { return !std::isnan(v[i]); };
        const auto amount = [&](int i) { return given(i) ? v[i] : 0.0; };
        // How a pen or pump total relates to the meal and correction split is
        // not known: a row with both is taken only when they agree, as the split.
        const bool total = given(1) || given(2), split = given(4) || given(5);
        if (total && split) {
            if (std::abs(amount(1) + amount(2) - amount(4) - amount(5)) > 0.001)
                return m_sink.problem(QStringLiteral("an insulin total that differs from its meal and correction parts"));
            v[1] = v[2] = std::nan("");
        }
        const int64_t t = m_clock.instant(f);
        const QString note = m.note >= 0 ? text(csv.field(m.note)) : QString();
        const std::pair<InsulinKind, DoseMeal> kinds[6] = {
            {},
            {InsulinKind::Quick, DoseMeal::None},
            {InsulinKind::Quick, DoseMeal::None},
            {InsulinKind::Slow, DoseMeal::Basal},
            {InsulinKind::Quick, DoseMeal::None},
            {InsulinKind::Quick, DoseMeal::Correction}};
        bool any = false;
        for (int i = 0; i < 6; ++i) {
            if (!given(i))
                continue;
            any = true;
            if (i == 0)
                m_sink.measurement(t, v[0] * m.factor, note);
            else
                m_sink.therapy(t, v[i], kinds[i].first, kinds[i].second, note);
        }
        if (any)
            return;
        const auto anyFilled = [&](const std::vector<qsizetype> &cs) {
            return std::any_of(cs.begin(), cs.end(), [&](qsizetype c) { return !trimmed(csv.field(c)).isEmpty(); });
        };
        m_sink.skip(anyFilled({m.carbs})      ? QStringLiteral("carbohydrates")
                    : anyFilled(m.activity)   ? QStringLiteral("activity")
                    : anyFilled({m.steps})    ? QStringLiteral("steps")
                    : anyFilled({m.note})     ? QStringLiteral("note")
                    : anyFilled(m.other)      ? QStringLiteral("other")
                                              : QStringLiteral("empty row"));
    }

private:
    Columns m{};
};

} // namespace

void readMySugr(Input &input, Sink &sink, const ReadOptions &options)
{
    CsvRecordReader csv(input, ',');
    Reader reader(sink, options);
    bool atHeader = true;
    eachRecord(csv, sink, [&] {
        if (!std::exchange(atHeader, false))
            reader.record(csv);
        else if (!reader.header(fieldTexts(csv)))
            sink.fail(Failure::Unsupported, QStringLiteral("a mySugr header without date, time or blood sugar unit"),
                      csv.line());
    });
}

} // namespace ForeignFormat::detail
