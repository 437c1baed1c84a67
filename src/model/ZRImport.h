#pragma once

#include "model/ZRGlycemicCard.h"

#include <cstdint>

// Ordering and identifiers of the diary. The reading of CSV text and the
// merge of diary files belong to the same family of operations and are
// declared in interchange/ZRImportCsv.h.
namespace ZRImport {

// Sorts in place by measurement date, newest first, and returns the same
// list (nullptr for nullptr). The sort is stable; a card without a
// measurement date (or with one that is not a number) goes after every
// dated card.
CardList *sortForMeasuramentDateArray(CardList *cards);
// Gives the card at position i the identifier n - i.
void regenerateID(CardList &cards);
// One more than the largest identifier in the list (1 for an empty list or
// nullptr). Should the largest identifier be the highest one there is, the
// smallest identifier not in use is given instead of wrapping around to 0.
uint64_t generateNewIDtoArray(const CardList *cards);

} // namespace ZRImport
