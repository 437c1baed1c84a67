#include "SyntheticDiary.h"

#include <random>

CardList syntheticDiary(size_t n)
{
    static const QString meals[] = {QStringLiteral("POPUP_MEAL_BREAKFAST"), QStringLiteral("POPUP_MEAL_LUNCH"),
                                    QStringLiteral("POPUP_MEAL_DINNER"),    QStringLiteral("POPUP_MEAL_CONTROL"),
                                    QStringLiteral("POPUP_MEAL_BASAL"),     QStringLiteral("POPUP_MEAL_CORRECTION")};
    static const QString insulins[] = {QStringLiteral("POPUP_INSULIN_SLOW"), QStringLiteral("POPUP_INSULIN_NORMAL"),
                                       QStringLiteral("POPUP_INSULIN_QUICK"), QStringLiteral("POPUP_INSULIN_MIXED")};
    static const QString notes[] = {QStringLiteral("dopo la corsa"), QStringLiteral("pizza con gli amici"),
                                    QStringLiteral("felt shaky, had juice"), QStringLiteral("sensore nuovo"),
                                    QStringLiteral("malato, febbre 38°")};
    std::mt19937_64 rng(12345);
    CardList cards;
    cards.reserve(n);
    const double start = 400000000.0; // 2013
    for (size_t i = 0; i < n; ++i) {
        const double when = start + static_cast<double>(i) * 10800.0 + static_cast<double>(rng() % 3600);
        const bool therapy = i % 3 == 2;
        auto c = std::make_shared<ZRGlycemicCard>();
        c->setIdCard(i + 1);
        c->setDateMeasurement(when);
        c->setDateCreation(when + static_cast<double>(rng() % 600) + 0.25);
        if (i % 10 == 0)
            c->setDateEditing(when + 86400.5);
        c->setIsTherapy(therapy);
        c->setIsPreMeal(rng() % 2 == 0);
        c->setIsProtect(i % 50 == 0);
        c->setNameMeal(meals[rng() % 6]);
        if (therapy) {
            c->setNameInsulin(insulins[rng() % 4]);
            c->setUnitValue(static_cast<float>(rng() % 200) / 10.0f);
        } else {
            c->setGlycemiaValue(static_cast<float>(60 + rng() % 200) + 0.5f);
        }
        if (i % 5 == 0)
            c->setNotes(notes[rng() % 5] + QStringLiteral(" #%1").arg(i));
        cards.push_back(std::move(c));
    }
    return cards;
}
