#pragma once

#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testsupport {
QString fixturePath(const QString &name);
QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

// The cards in the text form that the fixtures' .expected.txt files use.
QByteArray expectedText(const CardList &cards);

// Runs the Python interpreter on a script of the test folder; returns its
// standard output, or sets *error.
QByteArray runPython(const QString &script, const QStringList &args, QString *error);

// A small, varied diary for round trips.
CardList sampleCards();
} // namespace testsupport
