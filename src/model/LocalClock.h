#pragma once

#include "model/CivilTime.h"

#include <QTimeZone>

#include <cstdint>
#include <limits>
#include <map>

// Wall-clock time in one time zone, for the REALStudio layout, whose dates
// are local. Asking QTimeZone for every date of a lifetime diary is slow, so
// each offset is remembered together with the span between the two zone
// transitions around it: a diary kept in order rarely leaves its span, and a
// file whose dates jump about asks the zone once per span, not per date.
class LocalClock
{
public:
    // An invalid zone counts as UTC.
    explicit LocalClock(const QTimeZone &zone);

    // The zone's offset from UTC, in seconds, at an instant given as seconds
    // since 1970 UTC.
    int offsetAt(int64_t unixSeconds);

    // The wall-clock date and time of an instant.
    CivilTime::Fields toLocal(int64_t unixSeconds);

    // The instant at which the wall clock shows the given date and time. A
    // time that the clock shows twice (when it is put back) is its first
    // occurrence; a time that the clock skips (when it is put forward) is read
    // with the offset in force before the change, so it lands just after it.
    int64_t fromLocal(const CivilTime::Fields &local);

private:
    struct Span {
        int64_t until;
        int offset;
    };
    void learn(int64_t unixSeconds);

    QTimeZone m_zone;
    bool m_fixed = false;
    int m_offset = 0;
    // Instants in [m_from, m_until) have the offset m_offset.
    int64_t m_from = 1;
    int64_t m_until = 0;
    // Every span learnt, by its start.
    std::map<int64_t, Span> m_spans;
};
