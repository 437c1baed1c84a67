#pragma once

#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

// The diary as CSV text, and the name an export suggests; class operations
// only.
class ZRExport
{
public:
    ZRExport() = delete;

    // The three export kinds, in the order of the export sheet's buttons
    // (formatOrvaneORV, formatOrvaneCSV, formatOrvaneREALStudioCSV).
    enum class Kind { OrvaneORV, OrvaneCSV, OrvaneREALStudioCSV };

    // The default CSV text of the cards, in UTF-8: the header, then one line
    // per card in list order. The header alone for no cards.
    static QByteArray exportFormatCSVFromArray(const CardList &cards);
    // The REALStudio CSV text, its dates on the wall clock of zone.
    static QByteArray exportFormatREALStudioCSVFromArray(const CardList &cards,
                                                         const QTimeZone &zone = QTimeZone::systemTimeZone());

    // "Orvane" or "Orvane Old", and ".orv" or ".csv".
    static QString baseName(Kind kind);
    static QString extension(Kind kind);
    // The file name suggested for an export at an instant (seconds since
    // 2001) in a time zone: "Orvane Old 2013.05.04 09.07.csv" at 09:07 on
    // 4 May 2013.
    static QString suggestedFileName(Kind kind, double instant, const QTimeZone &zone = QTimeZone::systemTimeZone());
};
