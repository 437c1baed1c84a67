// xDrip+'s "Export CSV (SiDiary format)": no quoting, so a ";" in the last
// column (REMARK) belongs to it; "||" stands for a line break there.

#include "interchange/foreign/ForeignReading.h"

namespace ForeignFormat::detail {

void readXDrip(Input &input, Sink &sink, const ReadOptions &options)
{
    CsvRecordReader csv(input, ';', false);
    WallClock clock(options.zone);
    bool atHeader = true;
    eachRecord(csv, sink, [&] {
        if (std::exchange(atHeader, false) || csv.blank())
            return;
        if (csv.size() < 7)
            return sink.problem(QStringLiteral("%1 fields where 7 are expected").arg(csv.size()));
        CivilTime::Fields f;
        if (!matchPattern(trimmed(csv.field(0)), "DD.MM.YYYY", f) || !matchPattern(trimmed(csv.field(1)), "hh:mm", f))
            return sink.problem(QStringLiteral("\"%1 %2\" is not a date and time")
                                    .arg(Sink::printable(csv.field(0)), Sink::printable(csv.field(1))));
        if (!exists(f))
            return sink.failBadDate(csv.field(0));
        // Sensor, calibration, carbohydrates, bolus; an empty field is 0.
        double values[4] = {};
        for (int i = 0; i < 4; ++i) {
            const QByteArrayView field = trimmed(csv.field(2 + i));
            const std::optional<double> value = field.isEmpty() ? std::optional(0.0) : decimal(field);
            if (!value)
                return sink.problem(QStringLiteral("\"%1\" is not a number").arg(Sink::printable(field)));
            values[i] = *value;
        }
        const QString remark = text(csv.rest(6)).replace(QStringLiteral("||"), QStringLiteral("\n"));
        const int64_t t = clock.instant(f);
        if (values[0] > 0.0)
            sink.reading(t, values[0]);
        if (values[1] > 0.0)
            sink.measurement(t, values[1], QString());
        if (values[3] > 0.0)
            sink.therapy(t, values[3], InsulinKind::Quick, DoseMeal::None, remark);
        if (values[0] > 0.0 || values[1] > 0.0 || values[3] > 0.0)
            return;
        sink.skip(values[2] > 0.0       ? QStringLiteral("carbohydrates")
                  : !remark.isEmpty() ? QStringLiteral("note")
                                      : QStringLiteral("empty row"));
    });
}

} // namespace ForeignFormat::detail
