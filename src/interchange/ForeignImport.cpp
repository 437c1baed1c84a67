#include "interchange/ForeignImport.h"

#include "interchange/SensorStore.h"
#include "model/ZRImport.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace ForeignImport {

namespace {

// Seconds between 1970 and 2001, the cards' epoch.
constexpr double kCardEpoch = 978307200.0;

int64_t unixSecond(const ZRGlycemicCard &card)
{
    return int64_t(std::floor(card.dateMeasurement().value_or(0.0) + kCardEpoch));
}

double valueOf(const ZRGlycemicCard &card)
{
    return card.isTherapy() ? double(card.unitValue()) : double(card.glycemiaValue());
}

// The diary's cards by kind and second of measurement.
class KnownCards
{
public:
    explicit KnownCards(const CardList &diary)
    {
        m_values.reserve(diary.size());
        for (const CardRef &c : diary)
            m_values[key(*c)].push_back(valueOf(*c));
    }
    bool holds(const ZRGlycemicCard &card) const
    {
        const auto it = m_values.find(key(card));
        if (it == m_values.end())
            return false;
        const double value = valueOf(card);
        // Values are kept as floats: 0.01 and a float's rounding.
        return std::any_of(it->second.begin(), it->second.end(),
                           [value](double v) { return std::abs(v - value) <= 0.01 + 1e-6 * std::abs(value); });
    }

private:
    static int64_t key(const ZRGlycemicCard &card) { return unixSecond(card) * 2 + (card.isTherapy() ? 1 : 0); }
    std::unordered_map<int64_t, std::vector<double>> m_values;
};

void widen(Summary &s, int64_t t)
{
    s.first = s.first ? std::min(*s.first, t) : t;
    s.last = s.last ? std::max(*s.last, t) : t;
}

} // namespace

size_t Summary::skippedTotal() const
{
    size_t total = 0;
    for (const auto &[kind, n] : skipped)
        total += n;
    return total;
}

std::optional<Plan> plan(ForeignFormat::ReadResult read, const CardList &diary, SensorStore &store, QString *error)
{
    Plan p;
    Summary &s = p.summary;
    s.format = read.format;
    s.skipped = std::move(read.skipped);
    s.notUnderstood = read.notUnderstood;
    s.problems = std::move(read.problems);
    s.sensorKnown = read.knownReadings;

    // Judged against the diary as it was: two equal doses in one file are
    // two doses.
    const KnownCards known(diary);
    for (CardRef &card : read.cards) {
        widen(s, unixSecond(*card));
        if (known.holds(*card)) {
            ++s.cardsKnown;
            continue;
        }
        ++(card->isTherapy() ? s.dosesAdded : s.measurementsAdded);
        p.newCards.push_back(std::move(card));
    }
    read.cards = {};

    std::vector<ForeignFormat::SensorReading> &readings = read.readings;
    if (!readings.empty()) {
        widen(s, readings.front().time);
        widen(s, readings.back().time);
        const std::optional<std::vector<int64_t>> held =
            store.instantsBetween(readings.front().time, readings.back().time);
        if (!held) {
            if (error)
                *error = store.error();
            return std::nullopt;
        }
        // Both oldest first: one walk.
        auto h = held->begin();
        size_t kept = 0;
        for (size_t i = 0; i < readings.size(); ++i) {
            while (h != held->end() && *h < readings[i].time)
                ++h;
            if (h != held->end() && *h == readings[i].time) {
                ++s.sensorKnown;
                continue;
            }
            if (kept != i)
                readings[kept] = std::move(readings[i]);
            ++kept;
        }
        readings.resize(kept);
        // The room of the known ones is given back when it is most of it:
        // shrinking means a copy, which would raise the peak for little.
        if (kept < readings.capacity() / 2)
            readings.shrink_to_fit();
        s.sensorAdded = kept;
        p.newReadings = std::move(readings);
    }
    return p;
}

CardList joined(const CardList &diary, const CardList &newCards)
{
    CardList out;
    out.reserve(diary.size() + newCards.size());
    out = diary;
    uint64_t next = ZRImport::generateNewIDtoArray(&out);
    for (const CardRef &c : newCards) {
        auto card = std::make_shared<ZRGlycemicCard>(*c);
        card->setIdCard(next);
        out.push_back(std::move(card));
        // After the largest identifier the next is free; at the very top of
        // the range the gaps are looked for.
        next = next < UINT64_MAX ? next + 1 : ZRImport::generateNewIDtoArray(&out);
    }
    ZRImport::sortForMeasuramentDateArray(&out);
    return out;
}

bool apply(const Plan &plan, SensorStore &store, const std::function<bool(bool joined, QString *error)> &writeDiary,
           QString *error)
{
    const bool readings = !plan.newReadings.empty();
    if (readings && !store.beginAdding(plan.newReadings)) {
        if (error)
            *error = store.error();
        return false;
    }
    if (!plan.newCards.empty() && !writeDiary(true, error)) {
        store.rollback();
        return false;
    }
    if (readings && !store.commit()) {
        // The diary was written already: it goes back as it was.
        if (error)
            *error = store.error();
        if (!plan.newCards.empty())
            writeDiary(false, nullptr);
        return false;
    }
    return true;
}

QJsonObject toJson(const Summary &summary)
{
    QJsonObject skipped;
    for (const auto &[kind, n] : summary.skipped)
        skipped.insert(kind, qint64(n));
    return {
        {QStringLiteral("format"), ForeignFormat::formatName(summary.format)},
        {QStringLiteral("cardsAdded"), qint64(summary.cardsAdded())},
        {QStringLiteral("cardsKnown"), qint64(summary.cardsKnown)},
        {QStringLiteral("sensorAdded"), qint64(summary.sensorAdded)},
        {QStringLiteral("sensorKnown"), qint64(summary.sensorKnown)},
        {QStringLiteral("skipped"), skipped},
        {QStringLiteral("notUnderstood"), qint64(summary.notUnderstood)},
        {QStringLiteral("firstProblem"),
         summary.problems.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(summary.problems.first())},
    };
}

} // namespace ForeignImport
