// Tidepool's device data as a JSON array of records. Glucose is kept in
// mmol/L as mg/dL divided by 18.01559, so it is multiplied back by that.

#include "interchange/foreign/ForeignReading.h"

#include <QJsonArray>
#include <QJsonObject>

namespace ForeignFormat::detail {

namespace {

constexpr double kTidepoolMmol = 18.01559;

// The record's glucose in mg/dL, by the unit it names.
std::optional<double> glucose(const QJsonObject &o)
{
    const std::optional<double> value = jsonNumber(o.value(u"value"));
    const QString units = o.value(u"units").toString();
    if (!value)
        return std::nullopt;
    if (units.compare(u"mmol/L", Qt::CaseInsensitive) == 0)
        return *value * kTidepoolMmol;
    if (units.compare(u"mg/dL", Qt::CaseInsensitive) == 0)
        return *value;
    return std::nullopt;
}

// The out-of-range mark a device put on a reading beyond what it measures.
SensorFlag outOfRange(const QJsonObject &o)
{
    for (const QJsonValue &a : o.value(u"annotations").toArray()) {
        const QJsonObject annotation = a.toObject();
        if (annotation.value(u"code").toString() != u"bg/out-of-range")
            continue;
        const QString side = annotation.value(u"value").toString();
        if (side == u"low")
            return SensorFlag::Low;
        if (side == u"high")
            return SensorFlag::High;
    }
    return SensorFlag::None;
}

void record(const QJsonObject &o, Sink &sink)
{
    const QString type = o.value(u"type").toString();
    const std::optional<int64_t> time = jsonInstant(o.value(u"time"), sink);
    if (!time) {
        if (!o.contains(u"time"))
            sink.problem(QStringLiteral("a record without a time"));
        return;
    }
    if (type == u"cbg" || type == u"smbg") {
        const std::optional<double> mgdl = glucose(o);
        if (!mgdl)
            return sink.problem(QStringLiteral("a glucose value or unit that cannot be read"));
        if (type == u"smbg")
            return sink.measurement(*time, *mgdl, QString());
        switch (outOfRange(o)) {
        case SensorFlag::Low:
            return void(sink.reading(*time, 39, SensorFlag::Low));
        case SensorFlag::High:
            return void(sink.reading(*time, 401, SensorFlag::High));
        case SensorFlag::None:
            return void(sink.reading(*time, *mgdl));
        }
    }
    if (type == u"bolus") {
        double units = 0.0;
        for (const char16_t *part : {u"normal", u"extended"}) {
            if (!o.contains(part))
                continue;
            const std::optional<double> amount = jsonNumber(o.value(part));
            if (!amount || *amount < 0.0)
                return sink.problem(QStringLiteral("a bolus amount that is not a number"));
            units += *amount;
        }
        if (units == 0.0)
            return sink.skip(QStringLiteral("insulin without amount"));
        return sink.therapy(*time, units, InsulinKind::Quick, DoseMeal::None, QString());
    }
    sink.skip(type.isEmpty() ? QStringLiteral("other record") : type);
}

} // namespace

void readTidepool(Input &input, Sink &sink)
{
    eachObject(input, sink, [&](const QJsonObject &o) { record(o, sink); });
}

} // namespace ForeignFormat::detail
