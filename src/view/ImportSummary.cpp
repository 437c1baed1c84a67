#include "view/ImportSummary.h"

#include "text/StringTable.h"

#include <QDateTime>
#include <QLocale>

namespace ImportSummary {

namespace {

QString text(const StringTable &strings, const char *key)
{
    return strings.text(QString::fromLatin1(key));
}

QString number(size_t n)
{
    return QLocale().toString(qulonglong(n));
}

QString day(int64_t unixSeconds, const QTimeZone &zone)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(unixSeconds, zone).date(), QLocale::ShortFormat);
}

} // namespace

Texts texts(const ForeignImport::Summary &s, const StringTable &strings, const QTimeZone &zone)
{
    Texts out;
    const QString format = ForeignFormat::formatName(s.format);
    out.anythingNew = s.cardsAdded() + s.sensorAdded > 0;
    out.message = (out.anythingNew ? text(strings, "IMPORT_SUMMARY") : text(strings, "IMPORT_SUMMARY_NOTHING_NEW"))
                      .arg(format);
    QStringList lines;
    if (s.first && s.last)
        lines << text(strings, "IMPORT_SUMMARY_SPAN").arg(day(*s.first, zone), day(*s.last, zone));
    lines << text(strings, "IMPORT_SUMMARY_NEW")
                 .arg(number(s.measurementsAdded), number(s.dosesAdded), number(s.sensorAdded));
    if (s.cardsKnown + s.sensorKnown > 0)
        lines << text(strings, "IMPORT_SUMMARY_KNOWN").arg(number(s.cardsKnown), number(s.sensorKnown));
    if (!s.skipped.empty()) {
        QStringList kinds;
        for (const auto &[kind, n] : s.skipped)
            kinds << number(n) + QLatin1Char(' ') + kind;
        lines << text(strings, "IMPORT_SUMMARY_SKIPPED").arg(kinds.join(QStringLiteral(", ")));
    }
    if (s.notUnderstood > 0) {
        lines << text(strings, "IMPORT_SUMMARY_NOT_UNDERSTOOD").arg(number(s.notUnderstood));
        // The first few, as the reader tells them.
        for (const QString &problem : s.problems.mid(0, 5))
            lines << QStringLiteral("  ") + problem;
    }
    out.informativeText = lines.join(QLatin1Char('\n'));
    return out;
}

QString whyNothing(const ForeignFormat::ReadResult &read, const StringTable &strings)
{
    using ForeignFormat::Failure;
    QString why;
    switch (read.failure) {
    case Failure::Binary: why = text(strings, "IMPORT_FOREIGN_BINARY"); break;
    case Failure::UnknownLayout: why = text(strings, "IMPORT_FOREIGN_UNKNOWN"); break;
    case Failure::Unsupported:
        why = text(strings, "IMPORT_FOREIGN_UNSUPPORTED").arg(ForeignFormat::formatName(read.format));
        break;
    case Failure::Truncated: why = text(strings, "IMPORT_FOREIGN_TRUNCATED"); break;
    case Failure::Junk: why = text(strings, "IMPORT_FOREIGN_JUNK"); break;
    case Failure::BadDate: why = text(strings, "IMPORT_FOREIGN_BAD_DATE"); break;
    case Failure::TooLong: why = text(strings, "IMPORT_FOREIGN_TOO_LONG"); break;
    case Failure::Unreadable: why = text(strings, "IMPORT_UNREADABLE").arg(read.error); return why;
    case Failure::Cancelled:
    case Failure::None: why = text(strings, "IMPORT_FOREIGN_NOTHING"); break;
    }
    const QString detail = read.ok() ? read.problems.value(0) : read.error;
    return detail.isEmpty() ? why : why + QStringLiteral("\n\n") + detail;
}

} // namespace ImportSummary
