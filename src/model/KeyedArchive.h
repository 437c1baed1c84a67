#pragma once

// The diary file format: a keyed archive (binary property list) whose root is
// the list of cards. The writer produces what the desktop archivers of the
// card's original platform produce; the reader also takes what independent
// archivers write (native dates, strings as NS.string dictionaries, an NSArray
// root, missing keys, objects in any order) and refuses, with an error text,
// anything it would otherwise have to guess at.

#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace KeyedArchive {

// Decodes a whole diary. A nil or NSNull root is an empty diary. On failure
// returns nothing and sets *error to a sentence for the user.
std::optional<CardList> decodeDiary(const QByteArray &bytes, QString *error);

// Encodes the cards, in the order given, as the root array of an archive.
QByteArray encodeDiary(const CardList &cards);

} // namespace KeyedArchive
