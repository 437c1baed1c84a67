#pragma once

#include "model/ZRGlycemicCard.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Where the cards go when the diary cannot be written and nobody can be asked
// (a signal, the session ending): a diary file of their own in the user's data
// folder, which the next start tells about, once.
namespace Recovery {

// $XDG_DATA_HOME/Orvane/recovery, ~/.local/share when XDG_DATA_HOME is unset.
QString defaultFolder();

// Writes the cards as a diary file named for the local time `when`
// (Orvane-2026-12-08-101500.orv), never over a file that is there. The file's
// path; empty, with *error set, when it could not be written.
QString write(const QString &folder, CardList cards, const QDateTime &when, QString *error);

// The recovery files in folder no start has told about yet, oldest first.
// From now on they count as told: the folder keeps the list of the names told.
QStringList takeUntold(const QString &folder);

} // namespace Recovery
