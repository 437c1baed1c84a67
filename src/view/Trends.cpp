#include "view/Trends.h"

#include "model/CivilTime.h"
#include "model/LocalClock.h"
#include "text/GlycemiaUnit.h"
#include "text/StringTable.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>

namespace Trends {

namespace {

// The Julian day of 1970-01-01, where CivilTime counts its days from.
constexpr qint64 kJulianDayOfUnixEpoch = 2440588;

// A card that enters the trends: its instant, its local calendar day and
// time of day, and its value (glycemia or units).
struct Entry {
    double when = 0;
    int64_t day = 0;          // days since 1970-01-01, local
    double secondsOfDay = 0;  // local wall-clock time
    float value = 0;
    const ZRGlycemicCard *card = nullptr;
};

// Readings and doses of a view, each in the order of the view.
struct Entries {
    std::vector<Entry> readings, doses;
};

bool placed(const CardDate &date, int64_t *unixSeconds)
{
    return date && std::isfinite(*date) && CivilTime::toUnixSeconds(*date, unixSeconds);
}

Entries entriesOf(const CardList &view, const QTimeZone &zone)
{
    Entries out;
    LocalClock clock(zone);
    for (const CardRef &card : view) {
        const float value = card->isTherapy() ? card->unitValue() : card->glycemiaValue();
        int64_t unix = 0;
        if (!(std::isfinite(value) && value > 0) || !placed(card->dateMeasurement(), &unix))
            continue;
        const int64_t local = unix + clock.offsetAt(unix);
        const int64_t day = local >= 0 ? local / 86400 : -((-local + 86399) / 86400);
        Entry e;
        e.when = *card->dateMeasurement();
        e.day = day;
        // The fraction of a second kept, so that points keep their order.
        const double fraction = e.when - std::floor(e.when);
        e.secondsOfDay = double(local - day * 86400) + fraction;
        e.value = value;
        e.card = card.get();
        (card->isTherapy() ? out.doses : out.readings).push_back(e);
    }
    return out;
}

QDate dateOf(int64_t day)
{
    return QDate::fromJulianDay(day + kJulianDayOfUnixEpoch);
}

void sortByTime(std::vector<Entry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.when < b.when; });
}

enum Meal { Breakfast, Lunch, Dinner, OtherMeal };

Meal mealOf(const CardText &name)
{
    if (!name)
        return OtherMeal;
    if (*name == QLatin1String("POPUP_MEAL_BREAKFAST"))
        return Breakfast;
    if (*name == QLatin1String("POPUP_MEAL_LUNCH"))
        return Lunch;
    if (*name == QLatin1String("POPUP_MEAL_DINNER"))
        return Dinner;
    return OtherMeal;
}

} // namespace

Band bandOf(float mgdl)
{
    if (mgdl < kVeryLow)
        return BandVeryLow;
    if (mgdl < kLow)
        return BandLow;
    if (mgdl <= kHigh)
        return BandInRange;
    if (mgdl <= kVeryHigh)
        return BandHigh;
    return BandVeryHigh;
}

std::optional<double> percentile(const std::vector<double> &sorted, double p)
{
    if (sorted.empty())
        return std::nullopt;
    const double rank = std::clamp(p, 0.0, 100.0) / 100.0 * double(sorted.size() - 1);
    const size_t below = size_t(std::floor(rank));
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (rank - double(below));
}

namespace {

// Centre, spread, bands and estimates of the readings (f.readings > 0, f.days set).
void addReadingFigures(const Entries &entries, Figures &f)
{
    std::vector<double> values;
    std::vector<int64_t> days;
    values.reserve(entries.readings.size());
    days.reserve(entries.readings.size());
    double sum = 0;
    for (const Entry &e : entries.readings) {
        values.push_back(e.value);
        days.push_back(e.day);
        sum += e.value;
        const Band band = bandOf(e.value);
        ++f.bandReadings[band];
    }
    std::sort(days.begin(), days.end());
    f.daysWithReadings = int(std::unique(days.begin(), days.end()) - days.begin());

    const double mean = sum / double(f.readings);
    f.mean = mean;
    std::sort(values.begin(), values.end());
    f.median = percentile(values, 50);
    if (f.readings >= 2) {
        double squares = 0;
        for (double v : values)
            squares += (v - mean) * (v - mean);
        f.standardDeviation = std::sqrt(squares / double(f.readings - 1));
        f.coefficientOfVariation = *f.standardDeviation / mean * 100.0;
        f.highVariability = *f.coefficientOfVariation > kHighVariability;
    }
    for (int b = 0; b < BandCount; ++b)
        f.bandShares[size_t(b)] = 100.0 * f.bandReadings[size_t(b)] / double(f.readings);
    f.below54 = f.bandReadings[BandVeryLow];
    f.below70 = f.below54 + f.bandReadings[BandLow];

    f.estimatedA1cPercent = (mean + 46.7) / 28.7;
    f.estimatedA1cMmolMol = (*f.estimatedA1cPercent - 2.15) * 10.929;
    f.gmiPercent = 3.31 + 0.02392 * mean;
    f.gmiMmolMol = 12.71 + 4.70587 * (mean / 18.0);
    f.estimatesUnreliable = f.days < kReliableDays || double(f.readings) / double(f.days) < kReliableReadingsPerDay;
}

// Units a day, doses a day and the mean units of each meal (f.doses > 0, f.days set).
void addDoseFigures(const Entries &entries, Figures &f)
{
    const QStringList &meals = StringTable::mealKeys();
    // Slot 0 of the pop-up is its "select" placeholder: no meal.
    std::vector<MealUnits> byMeal(size_t(meals.size()) + 1);
    std::vector<double> sums(byMeal.size(), 0.0);
    for (const Entry &e : entries.doses) {
        f.totalUnits += e.value;
        const CardText &meal = e.card->nameMeal();
        qsizetype slot = meal ? meals.indexOf(*meal) : -1;
        if (slot <= 0)
            slot = meals.size();
        ++byMeal[size_t(slot)].doses;
        sums[size_t(slot)] += e.value;
    }
    f.unitsPerDay = f.totalUnits / double(f.days);
    f.dosesPerDay = double(f.doses) / double(f.days);
    for (size_t slot = 1; slot < byMeal.size(); ++slot) {
        if (byMeal[slot].doses == 0)
            continue;
        byMeal[slot].mealKey = slot < size_t(meals.size()) ? meals[qsizetype(slot)] : QString();
        byMeal[slot].meanUnits = sums[slot] / byMeal[slot].doses;
        f.unitsByMeal.push_back(byMeal[slot]);
    }
}

Figures figuresOf(const Entries &entries)
{
    Figures f;
    f.readings = int(entries.readings.size());
    f.doses = int(entries.doses.size());

    // The span in days, over readings and doses alike.
    int64_t first = 0, last = 0;
    bool any = false;
    for (const std::vector<Entry> *list : {&entries.readings, &entries.doses}) {
        for (const Entry &e : *list) {
            first = any ? std::min(first, e.day) : e.day;
            last = any ? std::max(last, e.day) : e.day;
            any = true;
        }
    }
    f.days = any ? int(last - first + 1) : 0;
    if (f.readings > 0)
        addReadingFigures(entries, f);
    if (f.doses > 0)
        addDoseFigures(entries, f);
    return f;
}

Series seriesOf(const Entries &entries, const QTimeZone &zone)
{
    Series s;
    s.readings.reserve(entries.readings.size());
    for (const Entry &e : entries.readings)
        s.readings.push_back({e.when, e.value});
    std::stable_sort(s.readings.begin(), s.readings.end(),
                     [](const Point &a, const Point &b) { return a.when < b.when; });
    std::map<int64_t, DayUnits> days;
    for (const Entry &e : entries.doses) {
        DayUnits &d = days[e.day];
        d.units += e.value;
        ++d.doses;
    }
    s.unitsPerDay.reserve(days.size());
    LocalClock clock(zone);
    for (auto &[day, units] : days) {
        units.day = dateOf(day);
        CivilTime::Fields midnight = CivilTime::fromSeconds(day * 86400);
        units.start = double(clock.fromLocal(midnight)) - CardDates::kUnixToReferenceSeconds;
        s.unitsPerDay.push_back(units);
    }
    return s;
}

} // namespace

std::vector<UnitsBar> insulinBars(const std::vector<DayUnits> &days, size_t maxBars)
{
    std::vector<UnitsBar> bars;
    if (days.empty() || maxBars == 0)
        return bars;
    const qint64 first = days.front().day.toJulianDay();
    const qint64 span = days.back().day.toJulianDay() - first + 1;
    const qint64 width = std::max<qint64>(1, (span + qint64(maxBars) - 1) / qint64(maxBars));
    size_t i = 0;
    while (i < days.size()) {
        const qint64 bin = (days[i].day.toJulianDay() - first) / width;
        UnitsBar bar;
        bar.days = int(width);
        bar.from = days[i].start - double(days[i].day.toJulianDay() - first - bin * width) * 86400.0;
        bar.to = bar.from + double(width) * 86400.0;
        double units = 0;
        int withDose = 0;
        for (; i < days.size() && (days[i].day.toJulianDay() - first) / width == bin; ++i) {
            units += days[i].units;
            ++withDose;
        }
        bar.unitsADay = units / withDose;
        bars.push_back(bar);
    }
    return bars;
}

std::vector<Point> thinned(const std::vector<Point> &readings, size_t maxPoints)
{
    if (readings.size() <= maxPoints || maxPoints < 4)
        return readings;
    const size_t spans = maxPoints / 4;
    const double first = readings.front().when;
    const double width = (readings.back().when - first) / double(spans);
    std::vector<Point> out;
    out.reserve(maxPoints);
    size_t begin = 0;
    while (begin < readings.size()) {
        // The readings of one span: [begin, end).
        const size_t span = width > 0 ? std::min(spans - 1, size_t((readings[begin].when - first) / width)) : 0;
        // The last span, like a view whose readings share one instant, takes
        // everything that is left.
        const double spanEnd = span + 1 == spans || !(width > 0) ? std::numeric_limits<double>::infinity()
                                                                  : first + width * double(span + 1);
        size_t end = begin, low = begin, high = begin;
        for (; end < readings.size() && readings[end].when < spanEnd; ++end) {
            if (readings[end].mgdl < readings[low].mgdl)
                low = end;
            if (readings[end].mgdl > readings[high].mgdl)
                high = end;
        }
        end = std::max(end, begin + 1);
        size_t keep[4] = {begin, low, high, end - 1};
        std::sort(std::begin(keep), std::end(keep));
        for (size_t i = 0; i < 4; ++i)
            if (i == 0 || keep[i] != keep[i - 1])
                out.push_back(readings[keep[i]]);
        begin = end;
    }
    return out;
}

namespace {

ModalDay modalDayOf(const Entries &entries)
{
    ModalDay m;
    std::array<std::vector<double>, 24> byHour;
    m.readings.reserve(entries.readings.size());
    for (const Entry &e : entries.readings) {
        m.readings.push_back({e.secondsOfDay, e.value});
        byHour[size_t(std::clamp(int(e.secondsOfDay / 3600), 0, 23))].push_back(e.value);
    }
    std::sort(m.readings.begin(), m.readings.end(),
              [](const TimeOfDayPoint &a, const TimeOfDayPoint &b) { return a.secondsOfDay < b.secondsOfDay; });
    for (size_t h = 0; h < 24; ++h) {
        std::vector<double> &values = byHour[h];
        HourBands &bands = m.hours[h];
        bands.readings = int(values.size());
        if (bands.readings < kModalDayMinimum)
            continue;
        std::sort(values.begin(), values.end());
        bands.median = percentile(values, 50);
        bands.p5 = percentile(values, 5);
        bands.p25 = percentile(values, 25);
        bands.p75 = percentile(values, 75);
        bands.p95 = percentile(values, 95);
    }
    return m;
}

} // namespace

Figures figures(const CardList &view, const QTimeZone &zone)
{
    return figuresOf(entriesOf(view, zone));
}

Series series(const CardList &view, const QTimeZone &zone)
{
    return seriesOf(entriesOf(view, zone), zone);
}

ModalDay modalDay(const CardList &view, const QTimeZone &zone)
{
    return modalDayOf(entriesOf(view, zone));
}

Overview overview(const CardList &view, const QTimeZone &zone)
{
    const Entries entries = entriesOf(view, zone);
    return {figuresOf(entries), seriesOf(entries, zone), modalDayOf(entries)};
}

std::vector<LogbookDay> logbook(const CardList &view, const QTimeZone &zone)
{
    Entries entries = entriesOf(view, zone);
    std::vector<Entry> all = std::move(entries.readings);
    all.insert(all.end(), entries.doses.begin(), entries.doses.end());
    sortByTime(all);

    std::map<int64_t, LogbookDay> days;
    for (const Entry &e : all) {
        LogbookDay &day = days[e.day];
        const Meal meal = mealOf(e.card->nameMeal());
        const bool therapy = e.card->isTherapy();
        if (meal == OtherMeal) {
            (therapy ? day.otherUnits : day.otherReadings).push_back(e.value);
            continue;
        }
        MealCells &cells = meal == Breakfast ? day.breakfast : meal == Lunch ? day.lunch : day.dinner;
        if (therapy)
            cells.units.push_back(e.value);
        else
            (e.card->isPreMeal() ? cells.before : cells.after).push_back(e.value);
    }
    std::vector<LogbookDay> out;
    out.reserve(days.size());
    for (auto &[day, row] : days) {
        row.day = dateOf(day);
        out.push_back(std::move(row));
    }
    return out;
}

std::vector<FigureLine> figureLines(const Figures &f, Unit unit, const StringTable &strings, const QLocale &locale)
{
    auto t = [&strings](const char *key) { return strings.text(QString::fromLatin1(key)); };
    const QString na = t("NOT_DISPONBLE");
    auto number = [&locale, &na](const std::optional<double> &v, int decimals) {
        return v ? locale.toString(*v, 'f', decimals) : na;
    };
    const int glycemiaDecimals = unit == Unit::MmolL ? 1 : 0;
    auto glycemia = [&](const std::optional<double> &mgdl) {
        return mgdl ? QStringLiteral("%1 %2").arg(locale.toString(inUnit(*mgdl, unit), 'f', glycemiaDecimals),
                                                  unitName(unit))
                    : na;
    };
    auto edge = [&](double mgdl) { return locale.toString(inUnit(mgdl, unit), 'f', glycemiaDecimals); };
    auto percent = [&](double v) { return QStringLiteral("%1 %").arg(locale.toString(v, 'f', 1)); };

    std::vector<FigureLine> lines;
    auto add = [&lines](const char *id, const QString &label, const QString &value,
                        FigureLine::Kind kind = FigureLine::Figure, bool flagged = false) {
        lines.push_back({QString::fromLatin1(id), label, value, kind, flagged});
    };
    add("trendsReadings", t("TRENDS_FIGURES_READINGS"), locale.toString(f.readings));
    add("trendsDays", t("TRENDS_FIGURES_DAYS"),
        t("TRENDS_FIGURES_DAYS_VALUE").arg(locale.toString(f.days), locale.toString(f.daysWithReadings)));
    add("trendsMean", t("TRENDS_FIGURES_MEAN"), glycemia(f.mean));
    add("trendsMedian", t("TRENDS_FIGURES_MEDIAN"), glycemia(f.median));
    add("trendsDeviation", t("TRENDS_FIGURES_SD"), glycemia(f.standardDeviation));
    QString cv = f.coefficientOfVariation ? percent(*f.coefficientOfVariation) : na;
    if (f.highVariability)
        cv = t("TRENDS_FIGURES_CV_HIGH").arg(cv);
    add("trendsVariation", t("TRENDS_FIGURES_CV"), cv, FigureLine::Figure, f.highVariability);

    add("trendsShares", t("TRENDS_FIGURES_SHARES"), QString(), FigureLine::Heading);
    add("trendsSharesNote", t("TRENDS_FIGURES_SHARES_NOTE"), QString(), FigureLine::Note);
    const QString u = unitName(unit);
    const QString bandLabels[BandCount] = {
        t("TRENDS_BAND_BELOW").arg(edge(kVeryLow)),
        t("TRENDS_BAND_BETWEEN").arg(edge(kVeryLow), edge(kLow - 1)),
        t("TRENDS_BAND_BETWEEN").arg(edge(kLow), edge(kHigh)),
        t("TRENDS_BAND_BETWEEN").arg(edge(kHigh + 1), edge(kVeryHigh)),
        t("TRENDS_BAND_ABOVE").arg(edge(kVeryHigh)),
    };
    const char *bandIds[BandCount] = {"trendsBandVeryLow", "trendsBandLow", "trendsBandInRange", "trendsBandHigh",
                                      "trendsBandVeryHigh"};
    for (int b = 0; b < BandCount; ++b)
        add(bandIds[b], QStringLiteral("%1 %2").arg(bandLabels[b], u),
            f.readings > 0 ? percent(f.bandShares[size_t(b)]) : na);
    add("trendsHypoglycaemia", t("TRENDS_FIGURES_HYPO"),
        t("TRENDS_FIGURES_HYPO_VALUE").arg(locale.toString(f.below70), edge(kLow), locale.toString(f.below54),
                                           edge(kVeryLow)));

    auto estimate = [&](const std::optional<double> &pc, const std::optional<double> &mmol) {
        if (!pc || !mmol)
            return na;
        const QString value = t("TRENDS_FIGURES_A1C_VALUE").arg(locale.toString(*pc, 'f', 1),
                                                                 locale.toString(*mmol, 'f', 0));
        return f.estimatesUnreliable ? t("TRENDS_FIGURES_UNRELIABLE").arg(value) : value;
    };
    const bool unreliable = f.estimatesUnreliable && f.mean.has_value();
    add("trendsA1c", t("TRENDS_FIGURES_A1C"), estimate(f.estimatedA1cPercent, f.estimatedA1cMmolMol),
        FigureLine::Figure, unreliable);
    add("trendsGmi", t("TRENDS_FIGURES_GMI"), estimate(f.gmiPercent, f.gmiMmolMol), FigureLine::Figure, unreliable);

    add("trendsInsulin", t("TRENDS_FIGURES_INSULIN"), QString(), FigureLine::Heading);
    add("trendsUnitsADay", t("TRENDS_FIGURES_UNITS_A_DAY"), number(f.unitsPerDay, 1));
    add("trendsDosesADay", t("TRENDS_FIGURES_DOSES_A_DAY"), number(f.dosesPerDay, 1));
    for (const MealUnits &meal : f.unitsByMeal) {
        const QString name = meal.mealKey.isEmpty() ? t("TRENDS_FIGURES_NO_MEAL") : strings.text(meal.mealKey);
        lines.push_back({QStringLiteral("trendsUnits_%1").arg(meal.mealKey.isEmpty() ? QStringLiteral("none") : meal.mealKey),
                         t("TRENDS_FIGURES_UNITS_MEAL").arg(name), locale.toString(meal.meanUnits, 'f', 1),
                         FigureLine::Figure, false});
    }
    return lines;
}

double inUnit(double mgdl, Unit unit)
{
    return unit == Unit::MmolL ? double(GlycemiaUnit::convertmgdLTommoLThisgdl(float(mgdl))) : mgdl;
}

QString valueText(double mgdl, Unit unit)
{
    if (!std::isfinite(mgdl))
        return QString();
    const double v = inUnit(mgdl, unit);
    return unit == Unit::MmolL ? QString::number(v, 'f', 1) : QString::number(std::round(v), 'f', 0);
}

QString unitName(Unit unit)
{
    return unitKey(unit);
}

QString unitKey(Unit unit)
{
    return unit == Unit::MmolL ? QStringLiteral("mmol/L") : QStringLiteral("mg/dL");
}

Unit unitFromKey(const QString &key)
{
    return key == QLatin1String("mmol/L") ? Unit::MmolL : Unit::MgdL;
}

} // namespace Trends
