#pragma once

#include "model/ZRGlycemicCard.h"

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <QTimeZone>

class LocalClock;

// The two CSV layouts of the diary, writer and reader side by side for every
// column so that they cannot drift apart.
//
// Both layouts: UTF-8, a CR after every line (the header and the last line
// included), ";" between fields, no quoting; numbers with "." whatever the
// locale. The default layout's header is the card's property names; the
// REALStudio layout is the older one, with an Italian header, local dates
// split into date and time and meal and insulin written as words.
class CsvLayouts
{
public:
    CsvLayouts() = delete;

    static int returnNumberOfFieldFormatDefault();    // 12
    static int returnNumberOfFieldFormatREALStudio(); // 14
    // The header lines, each with its closing CR.
    static const QString &returnPropertyNameListDefault();
    static const QString &returnPropertyNameListREALStudio();

    // A card as one line of each layout, closing CR included. A text field
    // is written with "," for each ";" and a line feed for each CR, so that
    // every line written can be read back; an absent text is written empty.
    static QString returnPropertyIntoFormatDefaultCSV(const ZRGlycemicCard &card);
    static QString returnPropertyIntoFormatREALStudioCSV(const ZRGlycemicCard &card,
                                                         const QTimeZone &zone = QTimeZone::systemTimeZone());
    // The same lines in UTF-8, appended to out; the export writes with these.
    static void appendDefaultCSV(QByteArray &out, const ZRGlycemicCard &card);
    static void appendREALStudioCSV(QByteArray &out, const ZRGlycemicCard &card, LocalClock &clock);

    // --- Column rules

    // The default layout's date: the moment in UTC as "2013-05-04 13:30:07
    // +0000", fractions of a second dropped. Empty for an absent date and for
    // one outside the years 1 to 9999.
    static QString defaultDateText(const CardDate &date);
    // Reads "yyyy-MM-dd HH:mm:ss" (one or two digits for every part but the
    // year), one blank and a zone: "+0000", "-05:30", "+01", "Z", "UTC",
    // "GMT", "GMT+01:00". Nothing may follow. Absent when unreadable, and
    // for a moment outside the years 1 to 9999 in UTC.
    static CardDate readDefaultDate(QStringView text);

    // Where two-digit years begin: 80 years before the reference instant, on
    // the wall clock. A two-digit year is read as the one year of the hundred
    // that follow this moment.
    struct CenturyStart {
        int year = 1926, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    };
    static CenturyStart twoDigitYearStart(double now, LocalClock &clock);
    // Reads a REALStudio date ("04/05/13": day, month and year, one or two
    // digits for day and month, a two-digit year or a four-digit one) and
    // time ("13:30": hour and minute) on the local wall clock. Absent when
    // either does not read.
    static CardDate readREALStudioDate(QStringView date, QStringView time, LocalClock &clock,
                                       const CenturyStart &start);

    // The meal word written for a stored meal key ("Colazione" for
    // "POPUP_MEAL_BREAKFAST", empty for "POPUP_MEAL_SELECT", "Altro" for any
    // other or no meal).
    static QLatin1String mealWord(const CardText &nameMeal);
    // The meal key read from a meal word. A word outside the table gives
    // "POPUP_MEAL_CONTROL" and sets *outsideTable (the reader then takes the
    // card as after the meal); "Altro" gives the empty text.
    static QString mealKey(QStringView word, bool *outsideTable);
    // The insulin brand written for a stored insulin key (empty outside the
    // table), and the key read from a brand (empty outside the table).
    static QLatin1String insulinBrand(const CardText &nameInsulin);
    static QString insulinKey(QStringView brand);
};
