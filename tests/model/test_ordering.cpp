#include "model/ZRImport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

CardRef measured(CardDate when, uint64_t id = 0)
{
    auto c = std::make_shared<ZRGlycemicCard>();
    c->setDateMeasurement(when);
    c->setIdCard(id);
    return c;
}

std::vector<uint64_t> ids(const CardList &cards)
{
    std::vector<uint64_t> out;
    for (const auto &c : cards)
        out.push_back(c->idCard());
    return out;
}

TEST(Ordering, SortsNewestFirstInPlace)
{
    const double day = 86400;
    CardList cards = {measured(3 * day, 3), measured(1 * day, 1), measured(2 * day, 2)};
    CardList *same = ZRImport::sortForMeasuramentDateArray(&cards);
    EXPECT_EQ(same, &cards);
    EXPECT_EQ(ids(cards), (std::vector<uint64_t>{3, 2, 1}));
    EXPECT_EQ(ZRImport::sortForMeasuramentDateArray(nullptr), nullptr);
    CardList empty;
    EXPECT_TRUE(ZRImport::sortForMeasuramentDateArray(&empty)->empty());
}

TEST(Ordering, EqualDatesKeepTheirOrderAndUndatedGoLast)
{
    CardList cards = {measured(std::nullopt, 1), measured(10, 2), measured(std::nan(""), 3), measured(10, 4),
                      measured(20, 5), measured(std::nullopt, 6), measured(10, 7)};
    ZRImport::sortForMeasuramentDateArray(&cards);
    EXPECT_EQ(ids(cards), (std::vector<uint64_t>{5, 2, 4, 7, 1, 3, 6}));
}

TEST(Ordering, RenumbersFromThePosition)
{
    CardList cards = {measured(1, 9), measured(2, 9), measured(3, 0), measured(4, 100)};
    ZRImport::regenerateID(cards);
    EXPECT_EQ(ids(cards), (std::vector<uint64_t>{4, 3, 2, 1}));
    EXPECT_EQ(ZRImport::generateNewIDtoArray(&cards), 5u);
    CardList empty;
    ZRImport::regenerateID(empty);
    EXPECT_TRUE(empty.empty());
}

TEST(Ordering, NewIdentifierIsOneMoreThanTheLargest)
{
    CardList cards = {measured(1, 3), measured(2, 9), measured(3, 4)};
    EXPECT_EQ(ZRImport::generateNewIDtoArray(&cards), 10u);
    cards.erase(cards.begin() + 1);
    cards.push_back(measured(4, 9));
    cards.erase(cards.begin());
    EXPECT_EQ(ZRImport::generateNewIDtoArray(&cards), 10u);
    CardList empty;
    EXPECT_EQ(ZRImport::generateNewIDtoArray(&empty), 1u);
    EXPECT_EQ(ZRImport::generateNewIDtoArray(nullptr), 1u);
    // Compared unsigned: an identifier stored negative in a file is a large one.
    cards.push_back(measured(5, 9223372036854775808ull));
    EXPECT_EQ(ZRImport::generateNewIDtoArray(&cards), 9223372036854775809ull);
}

TEST(Ordering, NewIdentifierNeverWrapsToZero)
{
    const uint64_t top = std::numeric_limits<uint64_t>::max();
    CardList cards = {measured(1, top), measured(2, 1), measured(3, 2), measured(4, 4)};
    EXPECT_EQ(ZRImport::generateNewIDtoArray(&cards), 3u);
}

} // namespace
