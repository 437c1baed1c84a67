#pragma once

#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QString>

// Reading and writing the diary file. Writes are atomic: the new diary goes
// to a temporary file in the same folder, is flushed to disk and then renamed
// over the old one, so a crash or a full disk never leaves half a diary.
namespace DiaryFile {

inline constexpr const char *kFileName = "Orvane.orv";

// $HOME/Documents/Orvane.orv
QString diaryPath();

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

// Writes bytes to path atomically, creating the folder when it is missing.
SaveResult writeAtomically(const QString &path, const QByteArray &bytes);

} // namespace DiaryFile
