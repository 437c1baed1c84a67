#include "view/DiaryFilter.h"

#include "text/TextConversions.h"

#include <QDateTime>

#include <cmath>
#include <limits>

namespace DiaryFilter {

namespace {
// The day N calendar days before the reference instant's day. Counting whole
// days of 86,400 s instead would, in the hour after a 23-hour day of a
// change to summer time, make "yesterday" the day before yesterday.
QDate thresholdDay(double reference, int days, const QTimeZone &zone)
{
    const QDate today = TextConversions::calendarDay(reference, zone);
    return today.isValid() ? today.addDays(-days) : QDate();
}
} // namespace

bool chekDateMeasurements(const CardDate &dateMeasurement, std::optional<double> actualDay, int dayOfDifference,
                          int caseNumber, const QTimeZone &zone)
{
    if (caseNumber < 1 || caseNumber > 4 || !dateMeasurement || !std::isfinite(*dateMeasurement))
        return false;
    const double reference = actualDay ? *actualDay : CardDates::now();
    const QDate measured = TextConversions::calendarDay(*dateMeasurement, zone);
    const QDate threshold = thresholdDay(reference, dayOfDifference, zone);
    if (!measured.isValid() || !threshold.isValid())
        return false;
    if (caseNumber <= 2)
        return measured == threshold;
    return measured > threshold;
}

namespace {
struct PeriodRule {
    int days;
    int caseNumber;
};
// Days back and case of the dated periods, by pop-up index.
constexpr PeriodRule kRules[] = {{0, 0}, {0, 1}, {1, 2}, {7, 3}, {30, 4}, {365, 4}};
constexpr size_t kLimits[] = {10, 20, 50, 100};

// The first instant of a calendar day in the zone, in stored seconds.
double dayStart(QDate day, const QTimeZone &zone)
{
    return CardDates::fromDateTime(QDateTime(day, QTime(0, 0), zone));
}

// A dated period as a range of instants [from, to): the same answer as
// chekDateMeasurements for every card, with the time zone consulted once a
// run instead of once a card.
struct Range {
    double from = 0, to = 0;
    bool contains(const CardDate &d) const { return d && *d >= from && *d < to; }
};

std::optional<Range> rangeFor(const PeriodRule &rule, double now, const QTimeZone &zone)
{
    const QDate threshold = thresholdDay(now, rule.days, zone);
    if (!threshold.isValid())
        return std::nullopt;
    if (rule.caseNumber <= 2)
        return Range{dayStart(threshold, zone), dayStart(threshold.addDays(1), zone)};
    return Range{dayStart(threshold.addDays(1), zone), std::numeric_limits<double>::infinity()};
}
} // namespace

View filter(const CardList &diary, int periodIndex, int kindIndex, double now, const QTimeZone &zone)
{
    View view;
    if (periodIndex == Everyday && kindIndex == AllKinds) {
        view.isDiary = true;
        return view;
    }
    if (periodIndex < 0 || diary.empty())
        return view;
    std::optional<Range> range;
    if (periodIndex > Everyday && periodIndex <= Year) {
        range = rangeFor(kRules[periodIndex], now, zone);
        if (!range)
            return view;
    }
    for (const CardRef &card : diary) {
        bool inPeriod = false;
        if (periodIndex == Everyday) {
            inPeriod = true;
        } else if (periodIndex <= Year) {
            inPeriod = range->contains(card->dateMeasurement());
        } else if (periodIndex <= Last100) {
            // The limit is tested before the kind: once the view is full no
            // further card passes.
            inPeriod = view.cards.size() < kLimits[periodIndex - Last10];
        }
        if (!inPeriod)
            continue;
        if (kindIndex == AllKinds || (kindIndex == Measurements && !card->isTherapy()) ||
            (kindIndex == Therapies && card->isTherapy()))
            view.cards.push_back(card);
    }
    return view;
}

Columns columnsForKind(int kindIndex)
{
    Columns c;
    if (kindIndex == Measurements)
        c.unitValue = c.nameInsulin = false;
    else if (kindIndex == Therapies)
        c.glycemiaValue = c.isPreMeal = false;
    return c;
}

} // namespace DiaryFilter
