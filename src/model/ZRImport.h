#pragma once

#include "model/ZRGlycemicCard.h"

#include <cstdint>

// Ordering and identifiers of the diary; class operations only.
class ZRImport
{
public:
    ZRImport() = delete;

    // Sorts in place by measurement date, newest first, and returns the same
    // list (nullptr for nullptr). The sort is stable; a card without a
    // measurement date (or with one that is not a number) goes after every
    // dated card.
    static CardList *sortForMeasuramentDateArray(CardList *cards);
    // Gives the card at position i the identifier n - i.
    static void regenerateID(CardList &cards);
    // One more than the largest identifier in the list (1 for an empty list or
    // nullptr). Should the largest identifier be the highest one there is, the
    // smallest identifier not in use is given instead of wrapping around to 0.
    static uint64_t generateNewIDtoArray(const CardList *cards);
};
