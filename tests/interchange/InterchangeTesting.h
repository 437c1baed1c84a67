#pragma once

#include "model/ZRGlycemicCard.h"

#include <QDateTime>
#include <QTimeZone>

#include <memory>

// Dates and cards for the interchange tests, built with QDateTime so that
// they do not depend on the calendar code under test.
namespace interchangetesting {

inline const QTimeZone &rome()
{
    static const QTimeZone zone("Europe/Rome");
    return zone;
}

// Seconds since 2001 of a date and time in a zone (UTC by default).
inline double at(int y, int mo, int d, int h = 0, int mi = 0, double s = 0, const QTimeZone &zone = QTimeZone::utc())
{
    const QDateTime t(QDate(y, mo, d), QTime(h, mi, 0), zone);
    return double(t.toSecsSinceEpoch()) - 978307200.0 + s;
}

// A card measured and created at the given instants; everything else zero.
inline CardRef card(CardDate measured, CardDate created, CardDate edited = std::nullopt)
{
    auto c = std::make_shared<ZRGlycemicCard>();
    c->setDateMeasurement(measured);
    c->setDateCreation(created);
    c->setDateEditing(edited);
    return c;
}

} // namespace interchangetesting
