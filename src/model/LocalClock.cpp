#include "model/LocalClock.h"

#include <QDateTime>

namespace {
constexpr int64_t kEarliest = std::numeric_limits<int64_t>::min();
constexpr int64_t kLatest = std::numeric_limits<int64_t>::max();
} // namespace

LocalClock::LocalClock(const QTimeZone &zone)
    : m_zone(zone)
{
    if (!m_zone.isValid()) {
        m_fixed = true;
        m_from = kEarliest;
        m_until = kLatest;
    }
}

void LocalClock::learn(int64_t t)
{
    if (auto next = m_spans.upper_bound(t); next != m_spans.begin()) {
        const auto known = std::prev(next);
        if (t < known->second.until) {
            m_from = known->first;
            m_until = known->second.until;
            m_offset = known->second.offset;
            return;
        }
    }
    // Ten thousand years of a zone that changes twice a year fit.
    if (m_spans.size() >= 50000)
        m_spans.clear();
    const QDateTime at = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
    m_offset = m_zone.offsetFromUtc(at);
    if (!m_zone.hasTransitions()) {
        // Without transition data nothing tells how long the offset lasts;
        // an hour is safe for every zone that changes on the hour.
        m_from = t - (t % 3600 + 3600) % 3600;
        m_until = m_from + 3600;
        m_spans[m_from] = {m_until, m_offset};
        return;
    }
    const QTimeZone::OffsetData before = m_zone.previousTransition(at.addSecs(1));
    const QTimeZone::OffsetData after = m_zone.nextTransition(at);
    m_from = before.atUtc.isValid() ? before.atUtc.toSecsSinceEpoch() : kEarliest;
    m_until = after.atUtc.isValid() ? after.atUtc.toSecsSinceEpoch() : kLatest;
    if (m_from > t || m_until <= t) {
        // Transition data that does not surround the instant: trust it for
        // this one second only.
        m_from = t;
        m_until = t + 1;
    }
    m_spans[m_from] = {m_until, m_offset};
}

int LocalClock::offsetAt(int64_t t)
{
    if (m_fixed)
        return 0;
    if (t < m_from || t >= m_until)
        learn(t);
    return m_offset;
}

CivilTime::Fields LocalClock::toLocal(int64_t t)
{
    return CivilTime::fromSeconds(t + offsetAt(t));
}

int64_t LocalClock::fromLocal(const CivilTime::Fields &local)
{
    const int64_t wall = CivilTime::toSeconds(local);
    // The offsets a day either side: a wall-clock time is read with one of
    // them, and both are the same except near a change of the clock.
    const int before = offsetAt(wall - 86400);
    const int after = offsetAt(wall + 86400);
    const int64_t withBefore = wall - before;
    const int64_t withAfter = wall - after;
    const bool beforeFits = offsetAt(withBefore) == before;
    const bool afterFits = offsetAt(withAfter) == after;
    if (beforeFits && afterFits)
        return std::min(withBefore, withAfter);
    if (afterFits)
        return withAfter;
    return withBefore;
}
