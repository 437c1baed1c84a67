#pragma once

#include "model/ZRGlycemicCard.h"

// A realistic diary of n cards: about 8 a day, a third of them therapies,
// notes on one card in five, one card in ten edited. Deterministic.
CardList syntheticDiary(size_t n);
