#pragma once

#include "interchange/ZRExport.h"
#include "interchange/foreign/ForeignFormat.h"
#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

// The import and export commands without their panels and questions: what
// the main window and orvane-tool both run. Nothing here shows anything;
// results say what happened and carry the texts to tell.
namespace Interchange {

// What a file holds, from its content: a diary file, one of the files of
// other programs the import reads, CSV whose first line is a header of one
// of the diary's layouts (also said of a file that cannot be opened, which
// the import then tells), or nothing the import reads.
struct FileSource {
    enum class Kind { OwnCsv, Diary, Foreign, Unknown };
    Kind kind = Kind::OwnCsv;
    ForeignFormat::Format format = ForeignFormat::Format::Unknown;
};
FileSource sourceOfFile(const QString &path);

struct ImportResult {
    enum class Outcome {
        Imported,        // cards were added: newDiary is the diary to keep
        NothingImported, // the file was read but gave no card to add
        Unreadable,      // the file could not be read (or is not a diary file)
        NotUtf8,         // a CSV file that is not UTF-8 text
        NotRecognised,   // a CSV file in neither layout
    };
    Outcome outcome = Outcome::Unreadable;
    // Imported: the new diary, newest measurement first. Otherwise the diary
    // as it was given: nothing was changed, not even an identifier.
    CardList newDiary;
    size_t added = 0;       // cards taken from the file
    size_t notImported = 0; // CSV records that could not be read
    // Not imported: one sentence saying why nothing was imported (English,
    // for the command line), the string-table key of the same sentence for
    // the program's alert, and the system's reason where the sentence has
    // a place for one ("%1").
    QString message;
    QString messageKey;
    QString reason;

    bool imported() const { return outcome == Outcome::Imported; }
    // "ATTENZIONE: %lu record non sono stati importati!" when records were
    // not imported (to be shown as it is), else empty.
    QString warning() const;
};

// The import command of a diary file or one of the diary's CSV layouts
// (told apart by content) once its questions are answered: the file to
// import and whether its cards replace the diary (true) or join it. CSV cards are
// appended and the whole diary renumbered; a diary file's cards keep their
// identifiers and, when joining, only those the diary does not know are
// taken (dates of the diary after now, the moment of the import, do not
// count). The REALStudio layout's dates are read on the wall clock of zone,
// its two-digit years counted from now (seconds since 2001).
//
// The diary given is never changed: renumbered cards are copies. Whatever
// goes wrong, or when the file has nothing to add, the outcome says so and
// the diary stays as it was, also when replacing was asked for.
ImportResult importFile(const QString &path, const CardList &diary, bool replace,
                        const QTimeZone &zone = QTimeZone::systemTimeZone(), double now = CardDates::now());
// The same for a file already known to be no diary file (sourceOfFile), read
// as CSV without being looked at again.
ImportResult importCsvFile(const QString &path, const CardList &diary, bool replace,
                           const QTimeZone &zone = QTimeZone::systemTimeZone(), double now = CardDates::now());
// The same for the bytes of a CSV file and for the cards of a diary file.
ImportResult importCsv(const QByteArray &bytes, const CardList &diary, bool replace,
                       const QTimeZone &zone = QTimeZone::systemTimeZone(), double now = CardDates::now());
ImportResult importDiaryCards(const CardList &fileCards, const CardList &diary, bool replace,
                              double now = CardDates::now());

// The largest CSV file taken: a lifetime diary is about 20 MB of CSV.
inline constexpr qint64 kLargestCsv = qint64(64) << 20;
// The largest file of another program taken: ten years of five-minute
// sensor readings are about 150 MB. Such files are read as a stream.
inline constexpr qint64 kLargestForeign = qint64(1) << 30;

struct ExportResult {
    bool ok = false;
    QString error; // why the file could not be written
};

// The whole diary, in its order, in one of the three kinds (REALStudio
// dates on the wall clock of zone).
QByteArray exportBytes(const CardList &diary, ZRExport::Kind kind, const QTimeZone &zone = QTimeZone::systemTimeZone());
// Writes the export to path atomically: a failed write leaves whatever was
// there before, and says why.
ExportResult exportDiary(const CardList &diary, ZRExport::Kind kind, const QString &path,
                         const QTimeZone &zone = QTimeZone::systemTimeZone());

} // namespace Interchange
