#include "view/Statistics.h"

#include "text/StringTable.h"
#include "text/ValueFormatter.h"

#include <cmath>

namespace Statistics {

namespace {

enum Meal { Breakfast, Lunch, Dinner, OtherMeal };

Meal mealOf(const CardText &name)
{
    static const QString breakfast = QStringLiteral("POPUP_MEAL_BREAKFAST");
    static const QString lunch = QStringLiteral("POPUP_MEAL_LUNCH");
    static const QString dinner = QStringLiteral("POPUP_MEAL_DINNER");
    if (!name)
        return OtherMeal;
    if (*name == breakfast)
        return Breakfast;
    if (*name == lunch)
        return Lunch;
    if (*name == dinner)
        return Dinner;
    return OtherMeal;
}

// A running single-precision sum and its count.
struct Mean {
    float sum = 0.0f;
    unsigned long count = 0;

    void add(float v)
    {
        sum += v;
        ++count;
    }
    // 0/0 for an empty mean: not a number, which fails every test.
    float value() const { return sum / static_cast<float>(count); }
};

std::optional<float> shownWhenAbove(float value, float threshold)
{
    // False for NaN, so an empty mean shows nothing.
    if (value > threshold)
        return value;
    return std::nullopt;
}

} // namespace

Figures calculatesStatistics(const CardList &view)
{
    constexpr float kLowestStart = 9999.0f;
    float lowest = kLowestStart;
    float highest = 0.0f;
    Mean overall;
    Mean pre[3], post[3], units[3];

    for (const CardRef &card : view) {
        const Meal meal = mealOf(card->nameMeal());
        if (card->isTherapy()) {
            const float u = card->unitValue();
            if (meal != OtherMeal && !std::isnan(u))
                units[meal].add(u);
            continue;
        }
        const float v = card->glycemiaValue();
        if (std::isnan(v))
            continue;
        if (lowest > v)
            lowest = v;
        if (v > highest)
            highest = v;
        overall.add(v);
        if (meal != OtherMeal)
            (card->isPreMeal() ? pre[meal] : post[meal]).add(v);
    }

    Figures f;
    if (lowest != kLowestStart)
        f.values[GenericMin] = lowest;
    f.values[GenericMid] = shownWhenAbove(overall.value(), 0.0f);
    f.values[GenericMax] = shownWhenAbove(highest, 0.0f);
    const Figure preFigures[3] = {BreakfastPre, LunchPre, DinnerPre};
    const Figure postFigures[3] = {BreakfastPost, LunchPost, DinnerPost};
    const Figure unitFigures[3] = {BreakfastUnit, LunchUnit, DinnerUnit};
    for (int m = 0; m < 3; ++m) {
        // Before breakfast a mean of 1 or less is not shown.
        f.values[preFigures[m]] = shownWhenAbove(pre[m].value(), m == Breakfast ? 1.0f : 0.0f);
        f.values[postFigures[m]] = shownWhenAbove(post[m].value(), 0.0f);
        f.values[unitFigures[m]] = shownWhenAbove(units[m].value(), 0.0f);
    }
    return f;
}

const std::array<QString, FigureCount> &outletNames()
{
    static const std::array<QString, FigureCount> names = {
        QStringLiteral("windowStatisticsGenricMin"),     QStringLiteral("windowStatisticsGenricMid"),
        QStringLiteral("windowStatisticsGenricMax"),     QStringLiteral("windowStatisticsBreakfastPre"),
        QStringLiteral("windowStatisticsBreakfastPost"), QStringLiteral("windowStatisticsBreakfastUnit"),
        QStringLiteral("windowStatisticsLunchPre"),      QStringLiteral("windowStatisticsLunchPost"),
        QStringLiteral("windowStatisticsLunchUnit"),     QStringLiteral("windowStatisticsDinnerPre"),
        QStringLiteral("windowStatisticsDinnerPost"),    QStringLiteral("windowStatisticsDinnerUnit"),
    };
    return names;
}

QString figureText(const std::optional<float> &figure, const ValueFormatter &formatter, const StringTable &table)
{
    return figure ? formatter.format(*figure) : table.text(QStringLiteral("NOT_DISPONBLE"));
}

bool isGlycemia(Figure figure)
{
    return figure != BreakfastUnit && figure != LunchUnit && figure != DinnerUnit;
}

QString figureText(const Figures &figures, Figure which, const ValueFormatter &formatter, const StringTable &table,
                   GlycemiaUnit::Unit unit)
{
    const std::optional<float> &figure = figures[which];
    if (!figure || !isGlycemia(which))
        return figureText(figure, formatter, table);
    return formatter.formatGlycemia(*figure, unit);
}

} // namespace Statistics
