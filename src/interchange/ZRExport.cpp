#include "interchange/ZRExport.h"

#include "interchange/CsvLayouts.h"
#include "model/LocalClock.h"

#include <QDateTime>

namespace {
// About what a line of a lifetime diary takes, so that the text grows once
// or twice rather than twenty times.
constexpr qsizetype kLineEstimate = 160;
} // namespace

QByteArray ZRExport::exportFormatCSVFromArray(const CardList &cards)
{
    QByteArray text = CsvLayouts::returnPropertyNameListDefault().toUtf8();
    text.reserve(text.size() + qsizetype(cards.size()) * kLineEstimate);
    for (const CardRef &card : cards)
        CsvLayouts::appendDefaultCSV(text, *card);
    return text;
}

QByteArray ZRExport::exportFormatREALStudioCSVFromArray(const CardList &cards, const QTimeZone &zone)
{
    LocalClock clock(zone);
    QByteArray text = CsvLayouts::returnPropertyNameListREALStudio().toUtf8();
    text.reserve(text.size() + qsizetype(cards.size()) * kLineEstimate);
    for (const CardRef &card : cards)
        CsvLayouts::appendREALStudioCSV(text, *card, clock);
    return text;
}

QString ZRExport::baseName(Kind kind)
{
    return kind == Kind::OrvaneREALStudioCSV ? QStringLiteral("Orvane Old") : QStringLiteral("Orvane");
}

QString ZRExport::extension(Kind kind)
{
    return kind == Kind::OrvaneORV ? QStringLiteral(".orv") : QStringLiteral(".csv");
}

QString ZRExport::suggestedFileName(Kind kind, double instant, const QTimeZone &zone)
{
    QDateTime when = CardDates::toDateTime(instant);
    if (!when.isValid())
        when = QDateTime::currentDateTimeUtc();
    when = when.toTimeZone(zone.isValid() ? zone : QTimeZone::utc());
    const QDate day = when.date();
    const QTime time = when.time();
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1 %2.%3.%4 %5.%6%7")
        .arg(baseName(kind))
        .arg(day.year())
        .arg(two(day.month()), two(day.day()), two(time.hour()), two(time.minute()), extension(kind));
}
