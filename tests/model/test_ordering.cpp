#include "model/ZRImport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

namespace {

using Ids = std::vector<uint64_t>;

// Cards with these identifiers and measurement dates (1.0 where none is given).
CardList cardsOf(const Ids &ids, const std::vector<CardDate> &dates = {})
{
    CardList cards;
    for (size_t i = 0; i < ids.size(); ++i) {
        cards.push_back(std::make_shared<ZRGlycemicCard>());
        cards.back()->setIdCard(ids[i]);
        cards.back()->setDateMeasurement(i < dates.size() ? dates[i] : 1.0);
    }
    return cards;
}

Ids ids(const CardList &cards)
{
    Ids out;
    for (const auto &c : cards)
        out.push_back(c->idCard());
    return out;
}

TEST(Ordering, NewestFirstStableAndUndatedLast)
{
    const CardDate none, nan = std::nan("");
    // Equal dates keep their order; no date and a date that is not a number go last, in their order.
    const struct { std::vector<CardDate> dates; Ids sorted; } cases[] = {
        {{3 * 86400.0, 86400.0, 2 * 86400.0}, {1, 3, 2}},
        {{none, 10, nan, 10, 20, none, 10}, {5, 2, 4, 7, 1, 3, 6}},
        {{}, {}},
    };
    for (const auto &c : cases) {
        Ids numbered(c.dates.size());
        std::iota(numbered.begin(), numbered.end(), 1);
        CardList cards = cardsOf(numbered, c.dates);
        EXPECT_EQ(ZRImport::sortForMeasuramentDateArray(&cards), &cards); // sorted in place
        EXPECT_EQ(ids(cards), c.sorted);
    }
    EXPECT_EQ(ZRImport::sortForMeasuramentDateArray(nullptr), nullptr);
}

TEST(Ordering, Identifiers)
{
    CardList cards = cardsOf({9, 9, 0, 100});
    ZRImport::regenerateID(cards); // n - position, whatever they were
    EXPECT_EQ(ids(cards), (Ids{4, 3, 2, 1}));
    CardList none;
    ZRImport::regenerateID(none);
    EXPECT_TRUE(none.empty());

    // A new identifier is one more than the largest.
    const uint64_t top = std::numeric_limits<uint64_t>::max();
    const struct { Ids ids; uint64_t next; } cases[] = {
        {{3, 9, 4}, 10}, {{4, 3, 9}, 10}, {{}, 1},
        // Compared unsigned: an identifier stored negative in a file is a large one.
        {{9, 9223372036854775808ull}, 9223372036854775809ull},
        // Never wraps to zero: the smallest identifier not in use instead.
        {{top, 1, 2, 4}, 3}, {{2, top}, 1},
    };
    for (const auto &c : cases) {
        const CardList list = cardsOf(c.ids);
        EXPECT_EQ(ZRImport::generateNewIDtoArray(&list), c.next);
    }
    EXPECT_EQ(ZRImport::generateNewIDtoArray(nullptr), 1u);
}

} // namespace
