#pragma once

#include "interchange/foreign/ForeignFormat.h"
#include "model/ZRGlycemicCard.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

class SensorStore;

// Bringing what another program's file holds into the diary and the sensor
// store: what is already known is left out, the rest is added as one change
// (the diary file and the store are both written, or neither).
namespace ForeignImport {

// What an import would do, told to the user before anything changes.
struct Summary {
    ForeignFormat::Format format = ForeignFormat::Format::Unknown;
    // The span of the file's cards and readings, seconds since 1970.
    std::optional<int64_t> first, last;
    size_t measurementsAdded = 0, dosesAdded = 0;
    size_t cardsKnown = 0;
    size_t sensorAdded = 0, sensorKnown = 0;
    std::map<QString, size_t> skipped;
    size_t notUnderstood = 0;
    QStringList problems; // the first few, "line N: what"

    size_t cardsAdded() const { return measurementsAdded + dosesAdded; }
    size_t skippedTotal() const;
    // Nothing in the file was a card or a reading, new or known.
    bool nothingUnderstood() const { return cardsAdded() + cardsKnown + sensorAdded + sensorKnown == 0; }
};

struct Plan {
    Summary summary;
    CardList newCards; // oldest first, without identifiers yet
    std::vector<ForeignFormat::SensorReading> newReadings; // oldest first
};

// Sorts what was read into what is new and what the diary (a card of the
// same kind, the same second of measurement and the same value to 0.01) or
// the store (a reading of the same second) already holds. nullopt, with
// error set, when the store cannot be read.
std::optional<Plan> plan(ForeignFormat::ReadResult read, const CardList &diary, SensorStore &store,
                         QString *error);

// The diary with the new cards in it, each with a fresh identifier, in the
// diary's order.
CardList joined(const CardList &diary, const CardList &newCards);

// Adds the plan's readings to the store and, when cards come in, writes the
// joined diary through writeDiary(true, ...); the store keeps the readings
// only once that has succeeded, and should the store then fail the diary is
// written back as it was (writeDiary(false, ...)). False, with error set and
// nothing changed, when either fails.
bool apply(const Plan &plan, SensorStore &store, const std::function<bool(bool joined, QString *error)> &writeDiary,
           QString *error);

// The summary as the command line prints it: {"format", "cardsAdded",
// "cardsKnown", "sensorAdded", "sensorKnown", "skipped", "notUnderstood",
// "firstProblem"}.
QJsonObject toJson(const Summary &summary);

} // namespace ForeignImport
