#pragma once

#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace testsupport {
QString fixturePath(const QString &name);
QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

// Makes every write into the folder fail, root's included: it is moved
// aside and a file takes its name. unblockFolder puts it back.
bool blockFolder(const QString &folder);
bool unblockFolder(const QString &folder);

// The recovery files ("Orvane-*.orv") of a folder, by name.
QStringList recoveryFiles(const QString &folder);

// The pages of a PDF, as its page objects count them.
int pdfPages(const QByteArray &pdf);

// The cards in the text form that the fixtures' .expected.txt files use.
QByteArray expectedText(const CardList &cards);

// Runs the Python interpreter on a script of the test folder; returns its
// standard output, or sets *error.
QByteArray runPython(const QString &script, const QStringList &args, QString *error);

// How far the peak resident memory rises while work runs, in bytes (-1 when
// it cannot be measured). The work runs in a child process, so that no
// earlier peak of the test run hides its own.
qint64 peakMemoryGrowth(const std::function<void()> &work);

// A small, varied diary for round trips.
CardList sampleCards();
} // namespace testsupport
