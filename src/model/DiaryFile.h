#pragma once

#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Reading and writing the diary file. Writes are atomic: the new diary goes
// to a temporary file in the same folder, is flushed to disk and then renamed
// over the old one, so a crash or a full disk never leaves half a diary.
namespace DiaryFile {

inline constexpr const char *kFileName = "Orvane.orv";

// The user's home folder: $HOME, or the account's own when HOME is unset
// or empty; empty when there is none.
QString homeFolder();

// <home>/Documents/Orvane.orv; empty when there is no home folder.
QString diaryPath();

// The texts of the reasons a write fails ("SAVE_REASON_DISK_FULL": "the disk
// is full"), looked up by key; English until the string table, which lies
// above the diary file, installs its own lookup here.
void setReasonLookup(std::function<QString(const QString &key)> lookup);

// Whether a write to a and a write to b land in the same file: symbolic
// links are followed as the atomic write follows them, and neither file
// need exist.
bool sameFile(const QString &a, const QString &b);

struct OpenResult {
    enum class Status {
        Missing,   // no file: an empty diary, nothing to tell
        Opened,    // read
        KeptAside, // not a diary: moved to keptAsidePath, start empty
        Blocked,   // not a diary and could not be moved: it must not be overwritten
    };
    Status status = Status::Missing;
    CardList cards;
    QString error;         // why the file could not be read
    QString keptAsidePath; // where it now is (KeptAside)
};

// Reads the diary at path. A file that is there but is no diary is never
// adopted: it is renamed aside (its name shows the date and time) so the
// next save cannot overwrite it.
OpenResult open(const QString &path);

// Reads any diary file, without touching it.
std::optional<CardList> read(const QString &path, QString *error);

struct SaveResult {
    bool ok = false;
    QString error;
};

// Sorts the cards newest first (in place: whoever holds the list sees the new
// order), encodes them and writes them atomically, creating the folder when
// it is missing.
SaveResult save(const QString &path, CardList &cards);

// Writes bytes to path atomically, creating the folder when it is missing
// (Folder::Make) or failing then (Folder::MustExist). A failure says what
// happened in the system's terms ("the disk is full"); the caller names the
// file. Once the file is in place its folder is flushed too, so that a power
// cut cannot take back the rename.
enum class Folder { Make, MustExist };
SaveResult writeAtomically(const QString &path, const QByteArray &bytes, Folder folder = Folder::Make);

} // namespace DiaryFile
