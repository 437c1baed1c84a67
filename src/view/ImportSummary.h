#pragma once

#include "interchange/ForeignImport.h"

#include <QString>
#include <QTimeZone>

class StringTable;

// What the import of another program's file tells the user, in the user's
// language: the summary asked about before anything changes, and why a file
// gave nothing.
namespace ImportSummary {

struct Texts {
    QString message;        // the question ("Import from Dexcom Clarity?")
    QString informativeText; // the span, what is new, known, left out and not understood
    bool anythingNew = false;
};

Texts texts(const ForeignImport::Summary &summary, const StringTable &strings,
            const QTimeZone &zone = QTimeZone::systemTimeZone());

// Why nothing could be taken from the file, with the reader's own words
// (and line) underneath.
QString whyNothing(const ForeignFormat::ReadResult &read, const StringTable &strings);

} // namespace ImportSummary
