#include "model/ZRGlycemicCard.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <cstring>

ZRGlycemicCard::ZRGlycemicCard(uint64_t idCard, CardDate dateCreation, CardDate dateEditing,
                               CardDate dateMeasurement, bool isProtect, bool isPreMeal, bool isTherapy,
                               CardText nameMeal, CardText nameInsulin, CardText notes, float glycemiaValue,
                               float unitValue)
{
    setIdCard(idCard);
    setDateCreation(dateCreation);
    setDateEditing(dateEditing);
    setDateMeasurement(dateMeasurement);
    setIsProtect(isProtect);
    setIsPreMeal(isPreMeal);
    setIsTherapy(isTherapy);
    setNameMeal(std::move(nameMeal));
    setNameInsulin(std::move(nameInsulin));
    setNotes(std::move(notes));
    setGlycemiaValue(glycemiaValue);
    setUnitValue(unitValue);
}

ZRGlycemicCard ZRGlycemicCard::initWithObject(const ZRGlycemicCard &s)
{
    return ZRGlycemicCard(s.idCard(), s.dateCreation(), s.dateEditing(), s.dateMeasurement(), s.isProtect(),
                          s.isPreMeal(), s.isTherapy(), s.nameMeal(), s.nameInsulin(), s.notes(),
                          s.glycemiaValue(), s.unitValue());
}

const std::vector<QString> &ZRGlycemicCard::propertyNames()
{
    static const std::vector<QString> names = {
        QStringLiteral("idCard"),        QStringLiteral("dateCreation"), QStringLiteral("dateEditing"),
        QStringLiteral("dateMeasurement"), QStringLiteral("isProtect"), QStringLiteral("isPreMeal"),
        QStringLiteral("isTherapy"),     QStringLiteral("nameMeal"),     QStringLiteral("nameInsulin"),
        QStringLiteral("notes"),         QStringLiteral("glycemiaValue"), QStringLiteral("unitValue"),
    };
    return names;
}

namespace {
QVariant dateVariant(const CardDate &d)
{
    return d ? QVariant(*d) : QVariant();
}
QVariant textVariant(const CardText &t)
{
    return t ? QVariant(*t) : QVariant();
}
bool toDate(const QVariant &v, CardDate &out)
{
    if (v.isNull()) {
        out.reset();
        return true;
    }
    if (v.metaType().id() == QMetaType::QDateTime) {
        const QDateTime dt = v.toDateTime();
        if (!dt.isValid())
            return false;
        out = CardDates::fromDateTime(dt);
        return true;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    out = d;
    return true;
}
bool toText(const QVariant &v, CardText &out)
{
    if (v.isNull()) {
        out.reset();
        return true;
    }
    if (!v.canConvert<QString>())
        return false;
    out = v.toString();
    return true;
}
bool toFlag(const QVariant &v, bool &out)
{
    if (!v.canConvert<bool>())
        return false;
    out = v.toBool();
    return true;
}
bool toFloat(const QVariant &v, float &out)
{
    bool ok = false;
    const float f = v.toFloat(&ok);
    if (!ok)
        return false;
    out = f;
    return true;
}
} // namespace

QVariant ZRGlycemicCard::valueForKey(const QString &name) const
{
    if (name == QLatin1String("idCard"))
        return QVariant::fromValue<quint64>(m_idCard);
    if (name == QLatin1String("dateCreation"))
        return dateVariant(m_dateCreation);
    if (name == QLatin1String("dateEditing"))
        return dateVariant(m_dateEditing);
    if (name == QLatin1String("dateMeasurement"))
        return dateVariant(m_dateMeasurement);
    if (name == QLatin1String("isProtect"))
        return m_isProtect;
    if (name == QLatin1String("isPreMeal"))
        return m_isPreMeal;
    if (name == QLatin1String("isTherapy"))
        return m_isTherapy;
    if (name == QLatin1String("nameMeal"))
        return textVariant(m_nameMeal);
    if (name == QLatin1String("nameInsulin"))
        return textVariant(m_nameInsulin);
    if (name == QLatin1String("notes"))
        return textVariant(m_notes);
    if (name == QLatin1String("glycemiaValue"))
        return m_glycemiaValue;
    if (name == QLatin1String("unitValue"))
        return m_unitValue;
    return {};
}

bool ZRGlycemicCard::setValueForKey(const QString &name, const QVariant &value)
{
    if (name == QLatin1String("idCard")) {
        bool ok = false;
        const qulonglong id = value.toULongLong(&ok);
        if (!ok)
            return false;
        m_idCard = id;
        return true;
    }
    if (name == QLatin1String("dateCreation"))
        return toDate(value, m_dateCreation);
    if (name == QLatin1String("dateEditing"))
        return toDate(value, m_dateEditing);
    if (name == QLatin1String("dateMeasurement"))
        return toDate(value, m_dateMeasurement);
    if (name == QLatin1String("isProtect"))
        return toFlag(value, m_isProtect);
    if (name == QLatin1String("isPreMeal"))
        return toFlag(value, m_isPreMeal);
    if (name == QLatin1String("isTherapy"))
        return toFlag(value, m_isTherapy);
    if (name == QLatin1String("nameMeal"))
        return toText(value, m_nameMeal);
    if (name == QLatin1String("nameInsulin"))
        return toText(value, m_nameInsulin);
    if (name == QLatin1String("notes"))
        return toText(value, m_notes);
    if (name == QLatin1String("glycemiaValue"))
        return toFloat(value, m_glycemiaValue);
    if (name == QLatin1String("unitValue"))
        return toFloat(value, m_unitValue);
    return false;
}

namespace {
// Dates and floats compare by their bits, so -0.0 differs from 0.0 and a NaN
// equals itself: "the same card" means "the same bytes on disk".
template <typename T> bool sameBits(T a, T b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}
bool sameDate(const CardDate &a, const CardDate &b)
{
    return a.has_value() == b.has_value() && (!a || sameBits(*a, *b));
}
} // namespace

bool ZRGlycemicCard::operator==(const ZRGlycemicCard &o) const
{
    return m_idCard == o.m_idCard && sameDate(m_dateCreation, o.m_dateCreation) &&
           sameDate(m_dateEditing, o.m_dateEditing) && sameDate(m_dateMeasurement, o.m_dateMeasurement) &&
           m_isProtect == o.m_isProtect && m_isPreMeal == o.m_isPreMeal && m_isTherapy == o.m_isTherapy &&
           m_nameMeal == o.m_nameMeal && m_nameInsulin == o.m_nameInsulin && m_notes == o.m_notes &&
           sameBits(m_glycemiaValue, o.m_glycemiaValue) && sameBits(m_unitValue, o.m_unitValue);
}

namespace CardDates {
QDateTime toDateTime(double s)
{
    const double ms = std::floor((s + kUnixToReferenceSeconds) * 1000.0 + 0.5);
    if (!std::isfinite(ms) || std::fabs(ms) > 8.0e15)
        return {};
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms), Qt::UTC);
}
double fromDateTime(const QDateTime &dt)
{
    return static_cast<double>(dt.toMSecsSinceEpoch()) / 1000.0 - kUnixToReferenceSeconds;
}
double now()
{
    return fromDateTime(QDateTime::currentDateTimeUtc());
}
} // namespace CardDates
