#pragma once

#include "model/ZRGlycemicCard.h"

#include <QDateTime>
#include <QTimeZone>

#include <memory>

// Dates and cards for the interchange tests, built with QDateTime so that
// they do not depend on the calendar code under test.
namespace interchangetesting {

inline const QTimeZone kRome("Europe/Rome");

// Seconds since 2001 of a date and time in a zone (UTC by default).
inline double at(int y, int mo, int d, int h = 0, int mi = 0, double s = 0, const QTimeZone &zone = QTimeZone::utc())
{
    return double(QDateTime(QDate(y, mo, d), QTime(h, mi), zone).toSecsSinceEpoch()) - 978307200.0 + s;
}

// A card measured and created at the given instants; everything else zero.
inline CardRef card(CardDate measured, CardDate created, CardDate edited = std::nullopt, uint64_t id = 0)
{
    return std::make_shared<ZRGlycemicCard>(id, created, edited, measured, false, false, false, std::nullopt,
                                            std::nullopt, std::nullopt, 0.0f, 0.0f);
}

} // namespace interchangetesting
