#pragma once

#include "model/ZRImport.h"

#include <cstddef>
#include <optional>

class CsvLines;
class QTimeZone;

// The reading of CSV text and the merge of diary files, beside the ordering
// and identifiers of the diary (model/ZRImport.h).
namespace ZRImport {

// Layout codes of defineCSVTypeWithStreamText().
inline constexpr int kLayoutNotRecognised = 0;
inline constexpr int kLayoutDefault = 1;
inline constexpr int kLayoutREALStudio = 2;

// The text split at every CR (at every LF when it holds no CR), without
// trimming; nothing for no text.
std::optional<CsvLines> convertIntoArrayStreamText(const std::optional<QString> &text);
// The layout of the lines by their header (nullptr: no lines): default
// when it has 12 fields, the first "idCard" and none empty; REALStudio
// when it has 14, the first "dataCreazione" and none empty; otherwise not
// recognised. A line feed that opens the line is not part of its first
// field, here and in every record (files with CR LF line ends).
int defineCSVTypeWithStreamText(const CsvLines *lines);

struct CsvCounts {
    size_t added = 0;       // cards appended to the destination
    size_t notImported = 0; // records that gave no card
};
// Read every record after the header into a new card, sort the new cards
// newest first, append them to the destination and renumber the whole
// destination. A record is not imported, and is counted, when its line
// is not blank and has the wrong number of fields (a text holding ";"),
// or lacks a readable creation or measurement date, or has a glycemia or
// units that are not a finite number. When no card is accepted the
// destination is left exactly as it was.
CsvCounts importDefaultCSV(const CsvLines &lines, CardList &destination);
// The same for the REALStudio layout, whose dates are on the wall clock
// of zone; two-digit years are read in the hundred years that start 80
// years before now (seconds since 2001).
CsvCounts importREALStudioCSV(const CsvLines &lines, CardList &destination, const QTimeZone &zone,
                             double now);
// "ATTENZIONE: %lu record non sono stati importati!" with the count.
QString notImportedMessage(size_t count);

// --- Merging diary files

// Appends to the destination, in their order, the incoming cards it does
// not know yet: those created after its latest creation date, or edited
// after its latest editing date. When the destination has no such date,
// every incoming card that has the date counts as later. An empty
// destination takes every card. Returns the number of cards appended.
//
// Dates after now (the moment of the import) were stamped by a clock set
// ahead: they are left out of the destination's latest dates, which they
// would otherwise hold for ever. An incoming date after now is measured
// against every date of the destination, so that such a card, joined
// again, is not taken twice.
size_t removeMeasuramentDuplicate(const CardList &incoming, CardList &destination, double now = CardDates::now());
// The latest editing date, up to the instant given, among the cards that
// have one; nothing when none has (or for nullptr).
CardDate returnDateLastEdit(const CardList *cards, double upTo = CardDates::now());
// The latest creation date, up to the instant given, among the cards that
// have one; nothing when none has (or for nullptr).
CardDate returnDateLastAdd(const CardList *cards, double upTo = CardDates::now());

} // namespace ZRImport
