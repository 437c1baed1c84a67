#include "model/ZRImport.h"

#include <algorithm>
#include <cmath>
#include <limits>

CardList *ZRImport::sortForMeasuramentDateArray(CardList *cards)
{
    if (!cards)
        return nullptr;
    auto dated = [](const CardRef &c) { return c->dateMeasurement() && !std::isnan(*c->dateMeasurement()); };
    auto newerFirst = [&](const CardRef &a, const CardRef &b) {
        const bool da = dated(a), db = dated(b);
        if (da != db)
            return da; // dated cards first
        return da && *a->dateMeasurement() > *b->dateMeasurement();
    };
    // Every save sorts, and the diary is nearly always in order already: a
    // check is a fraction of a stable sort's cost, and a stable sort of a
    // sorted list leaves it as it is.
    if (!std::is_sorted(cards->begin(), cards->end(), newerFirst))
        std::stable_sort(cards->begin(), cards->end(), newerFirst);
    return cards;
}

void ZRImport::regenerateID(CardList &cards)
{
    const uint64_t n = cards.size();
    for (uint64_t i = 0; i < n; ++i)
        cards[i]->setIdCard(n - i);
}

uint64_t ZRImport::generateNewIDtoArray(const CardList *cards)
{
    if (!cards)
        return 1;
    uint64_t largest = 0;
    for (const CardRef &c : *cards)
        largest = std::max(largest, c->idCard());
    if (largest < std::numeric_limits<uint64_t>::max())
        return largest + 1;
    std::vector<uint64_t> ids;
    ids.reserve(cards->size());
    for (const CardRef &c : *cards)
        ids.push_back(c->idCard());
    std::sort(ids.begin(), ids.end());
    uint64_t candidate = 1;
    for (const uint64_t id : ids) {
        if (id == candidate)
            ++candidate;
        else if (id > candidate)
            break;
    }
    return candidate;
}
