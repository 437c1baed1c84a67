// Nightscout's API answers saved to a file: /api/v1/entries.json (sensor
// and meter readings) and /api/v1/treatments.json (doses, finger sticks and
// everything else the care portal and the loop apps record).

#include "interchange/foreign/ForeignReading.h"

#include <QJsonObject>

namespace ForeignFormat::detail {

namespace {

void entry(const QJsonObject &o, Sink &sink)
{
    QString type = o.value(u"type").toString();
    if (type.isEmpty())
        type = o.contains(u"sgv") ? QStringLiteral("sgv") : o.contains(u"mbg") ? QStringLiteral("mbg") : QString();
    if (type != u"sgv" && type != u"mbg")
        return sink.skip(type == u"cal" ? QStringLiteral("calibration") : QStringLiteral("other entry"));
    std::optional<int64_t> time = jsonInstant(o.value(u"date"), sink);
    if (!time && !o.contains(u"date"))
        time = jsonInstant(o.value(u"dateString"), sink);
    if (!time) {
        if (!o.contains(u"date") && !o.contains(u"dateString"))
            sink.problem(QStringLiteral("an entry without a time"));
        return;
    }
    const std::optional<double> value = jsonNumber(o.value(type));
    if (!value)
        return sink.problem(QStringLiteral("an entry whose %1 is not a number").arg(type));
    if (type == u"mbg")
        return sink.measurement(*time, *value, QString());
    // Below 39 the value is a device error code; 39 is what the device shows
    // as LOW, above 400 HIGH.
    if (*value < 39.0)
        return sink.skip(QStringLiteral("device error code"));
    sink.reading(*time, *value, *value < 39.5 ? SensorFlag::Low : *value > 400.0 ? SensorFlag::High : SensorFlag::None);
}

void treatment(const QJsonObject &o, Sink &sink)
{
    std::optional<int64_t> time;
    for (const char16_t *key : {u"created_at", u"date", u"timestamp"}) {
        if (o.contains(key)) {
            time = jsonInstant(o.value(key), sink);
            break;
        }
    }
    if (!time) {
        if (!sink.stopped() && !o.contains(u"created_at") && !o.contains(u"date") && !o.contains(u"timestamp"))
            sink.problem(QStringLiteral("a treatment without a time"));
        return;
    }
    const QString eventType = o.value(u"eventType").toString();
    const QString note = o.value(u"notes").toString();
    size_t cards = 0;
    const QJsonValue insulin = o.value(u"insulin");
    if (!insulin.isUndefined() && !insulin.isNull()) {
        const std::optional<double> units = jsonNumber(insulin);
        if (!units)
            return sink.problem(QStringLiteral("an insulin amount that is not a number"));
        if (*units != 0.0) {
            const bool correction = eventType == u"Correction Bolus" || o.value(u"isSMB").toBool();
            sink.therapy(*time, *units, InsulinKind::Quick, correction ? DoseMeal::Correction : DoseMeal::None, note);
            ++cards;
        }
    }
    const QJsonValue glucose = o.value(u"glucose");
    const bool finger = o.value(u"glucoseType").toString().compare(u"Finger", Qt::CaseInsensitive) == 0;
    if (finger && !glucose.isUndefined() && !glucose.isNull()) {
        const std::optional<double> value = jsonNumber(glucose);
        const QString units = o.value(u"units").toString().toLower();
        if (!value || !(units.isEmpty() || units.startsWith(u"mmol") || units == u"mg/dl"))
            return sink.problem(QStringLiteral("a glucose value or unit that cannot be read"));
        // Without a unit, values below 35 can only be mmol/L.
        const bool mmol = units.startsWith(u"mmol") || (units.isEmpty() && *value < 35.0);
        sink.measurement(*time, mmol ? *value * 18.0 : *value, note);
        ++cards;
    }
    if (cards > 0)
        return;
    if (o.contains(u"glucose"))
        sink.skip(QStringLiteral("glucose not from a finger stick"));
    else if (o.contains(u"carbs"))
        sink.skip(QStringLiteral("carbohydrates"));
    else
        sink.skip(eventType.isEmpty() ? QStringLiteral("other treatment") : eventType.toLower());
}

} // namespace

void readNightscout(Input &input, Sink &sink, bool treatments)
{
    eachObject(input, sink, [&](const QJsonObject &o) { treatments ? treatment(o, sink) : entry(o, sink); });
}

} // namespace ForeignFormat::detail
