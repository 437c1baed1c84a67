#pragma once

#include "model/ZRGlycemicCard.h"
#include "text/GlycemiaUnit.h"

#include <QString>

#include <array>
#include <optional>

class StringTable;
class ValueFormatter;

// The statistics panel: twelve figures summarising the cards in view. The
// computation is a pure function of the view, shared by the panel and
// orvane-tool.
namespace Statistics {

// The figures, in the panel's order.
enum Figure {
    GenericMin,
    GenericMid,
    GenericMax,
    BreakfastPre,
    BreakfastPost,
    BreakfastUnit,
    LunchPre,
    LunchPost,
    LunchUnit,
    DinnerPre,
    DinnerPost,
    DinnerUnit,
    FigureCount
};

// Each figure is the number the panel shows, or nothing when the panel shows
// the not-available text instead.
struct Figures {
    std::array<std::optional<float>, FigureCount> values;

    const std::optional<float> &operator[](Figure f) const { return values[f]; }
};

// Lowest, mean and highest glycemia of every measurement card; the mean
// glycemia before and after breakfast, lunch and dinner; the mean dose of the
// therapy cards of those three meals. Everything is worked out in single
// precision, in view order, as the panel always has:
//  - the lowest starts at 9999 and is shown only when some value lies below
//    it; the highest starts at 0 and, like every mean, is shown only when
//    above 0 (the breakfast pre-meal mean only when above 1);
//  - a therapy card counts only for its meal's dose, a measurement card only
//    for the glycemia figures;
//  - a meal is breakfast, lunch or dinner when the stored meal is exactly
//    that pop-up key; any other meal, or none, enters no meal figure.
// A value that is not a number (a damaged card) is left out of every figure
// it would enter, rather than turning every mean it touches into nothing.
Figures calculatesStatistics(const CardList &view);

// The panel's field names, in figure order.
const std::array<QString, FigureCount> &outletNames();

// A figure as the panel shows it: the formatted number, or the
// not-available text.
QString figureText(const std::optional<float> &figure, const ValueFormatter &formatter, const StringTable &table);

// Every figure is a glycemia (in mg/dL) but the three mean doses.
bool isGlycemia(Figure figure);
// One of the figures as the panel shows it: a glycemia in the unit (with one
// decimal in mmol/L, ValueFormatter::formatGlycemia), a dose as it is.
QString figureText(const Figures &figures, Figure which, const ValueFormatter &formatter, const StringTable &table,
                   GlycemiaUnit::Unit unit);

} // namespace Statistics
