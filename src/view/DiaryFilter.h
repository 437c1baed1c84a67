#pragma once

#include "model/ZRGlycemicCard.h"

#include <QTimeZone>

// The cards in view: which of the diary's cards the period and kind pop-ups
// keep. Pure functions of the diary, the two pop-up indexes, the reference
// instant and the time zone, so that the main window and orvane-tool agree
// and tests can fix "now".
namespace DiaryFilter {

// Pop-up indexes, in the pop-ups' item order.
enum Period { Everyday, Today, Yesterday, Week, Month, Year, Last10, Last20, Last50, Last100, PeriodCount };
enum Kind { AllKinds, Measurements, Therapies, KindCount };

// True when a measurement on the given date lies in the period: case 1 and 2
// compare calendar days for equality, case 3 and 4 want the measurement's day
// strictly later than the day that lies dayOfDifference calendar days before
// the reference instant's day; any other case is false. Without a reference instant the current one is used. A card
// without a measurement date is in no period.
bool chekDateMeasurements(const CardDate &dateMeasurement, std::optional<double> actualDay, int dayOfDifference,
                          int caseNumber, const QTimeZone &zone = QTimeZone::systemTimeZone());

struct View {
    bool isDiary = false; // both pop-ups at index 0: the view is the diary list itself
    CardList cards;       // otherwise the cards kept, in diary order
};

// Builds the view. periodIndex or kindIndex -1 means nothing is selected.
View filter(const CardList &diary, int periodIndex, int kindIndex, double now,
            const QTimeZone &zone = QTimeZone::systemTimeZone());

// Which of the kind-dependent columns are shown: "glycemiaValue", "isPreMeal",
// "unitValue", "nameInsulin".
struct Columns {
    bool glycemiaValue = true, isPreMeal = true, unitValue = true, nameInsulin = true;
};
Columns columnsForKind(int kindIndex);

} // namespace DiaryFilter
