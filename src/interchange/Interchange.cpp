#include "interchange/Interchange.h"

#include "interchange/CsvLines.h"
#include "model/DiaryFile.h"
#include "model/KeyedArchive.h"
#include "interchange/ZRImportCsv.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace Interchange {

namespace {

using Outcome = ImportResult::Outcome;

// Nothing imported: the sentence (with the reason in place of "%1") under
// its string-table key.
ImportResult refused(const CardList &diary, Outcome outcome, const char *key, const char *sentence,
                     size_t notImported = 0, const QString &reason = QString())
{
    ImportResult result;
    result.outcome = outcome;
    result.newDiary = diary;
    result.notImported = notImported;
    result.messageKey = QString::fromLatin1(key);
    result.reason = reason;
    result.message = QStringLiteral("Nothing was imported: ") + QString::fromLatin1(sentence);
    if (!reason.isEmpty())
        result.message = result.message.arg(reason);
    return result;
}

ImportResult accepted(CardList newDiary, size_t added, size_t notImported)
{
    ImportResult result;
    result.outcome = Outcome::Imported;
    ZRImport::sortForMeasuramentDateArray(&newDiary);
    result.newDiary = std::move(newDiary);
    result.added = added;
    result.notImported = notImported;
    return result;
}

// Reads at most limit bytes; a longer file is refused rather than read.
// Devices and pipes are no files: reading them might never end.
std::optional<QByteArray> readBounded(const QString &path, qint64 limit, QString *why)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *why = QStringLiteral("it is not a file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    if (file.size() > limit) {
        *why = QStringLiteral("the file is too large");
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(file.size());
    constexpr qint64 kChunk = qint64(1) << 20;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                *why = file.errorString();
                return std::nullopt;
            }
            break;
        }
        if (bytes.size() + chunk.size() > limit) {
            *why = QStringLiteral("the file is too large");
            return std::nullopt;
        }
        bytes += chunk;
    }
    return bytes;
}

} // namespace

QString ImportResult::warning() const
{
    return notImported > 0 ? ZRImport::notImportedMessage(notImported) : QString();
}

ImportResult importCsv(const QByteArray &bytes, const CardList &diary, bool replace, const QTimeZone &zone,
                       double now)
{
    // Strict: a file with bytes that are no UTF-8 is refused, not patched up
    // with replacement characters. A byte-order mark is skipped.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return refused(diary, Outcome::NotUtf8, "IMPORT_NOT_UTF8", "the file is not UTF-8 text.");

    const std::optional<CsvLines> lines = ZRImport::convertIntoArrayStreamText(std::move(text));
    const int layout = ZRImport::defineCSVTypeWithStreamText(lines ? &*lines : nullptr);
    if (layout == ZRImport::kLayoutNotRecognised)
        return refused(diary, Outcome::NotRecognised, "IMPORT_NOT_RECOGNISED",
                       "the file is in neither of the diary's CSV layouts "
                       "(its first line is not a header of either).");

    CardList fresh;
    const ZRImport::CsvCounts counts = layout == ZRImport::kLayoutDefault
                                           ? ZRImport::importDefaultCSV(*lines, fresh)
                                           : ZRImport::importREALStudioCSV(*lines, fresh, zone, now);
    if (counts.added == 0)
        return counts.notImported > 0
                   ? refused(diary, Outcome::NothingImported, "IMPORT_NONE_READABLE",
                             "none of the file's records could be read.", counts.notImported)
                   : refused(diary, Outcome::NothingImported, "IMPORT_NO_RECORDS", "the file holds no records.");
    if (replace)
        return accepted(std::move(fresh), counts.added, counts.notImported);

    // Joining renumbers the whole diary; the cards it held are renumbered as
    // copies, so the caller's diary is untouched until it takes the result.
    CardList joined;
    joined.reserve(diary.size() + fresh.size());
    for (const CardRef &card : diary)
        joined.push_back(std::make_shared<ZRGlycemicCard>(*card));
    joined.insert(joined.end(), fresh.begin(), fresh.end());
    ZRImport::regenerateID(joined);
    return accepted(std::move(joined), counts.added, counts.notImported);
}

ImportResult importDiaryCards(const CardList &fileCards, const CardList &diary, bool replace, double now)
{
    if (fileCards.empty())
        return refused(diary, Outcome::NothingImported, "IMPORT_NO_CARDS", "the diary file holds no cards.");
    if (replace)
        return accepted(fileCards, fileCards.size(), 0);
    CardList joined = diary;
    const size_t added = ZRImport::removeMeasuramentDuplicate(fileCards, joined, now);
    if (added == 0)
        return refused(diary, Outcome::NothingImported, "IMPORT_ALL_KNOWN",
                       "the diary already holds every card of the file.");
    return accepted(std::move(joined), added, 0);
}

FileSource sourceOfFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    if (file.peek(8) == QByteArrayLiteral("bplist00"))
        return {FileSource::Kind::Diary};
    const ForeignFormat::Format format = ForeignFormat::detect(file);
    if (format != ForeignFormat::Format::Unknown)
        return {FileSource::Kind::Foreign, format};
    // The diary's own CSV: a header of one of its layouts on the first line.
    const QByteArray head = file.peek(64 * 1024);
    qsizetype end = head.indexOf('\r');
    if (const qsizetype lf = head.indexOf('\n'); end < 0 || (lf >= 0 && lf < end))
        end = lf;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const std::optional<CsvLines> lines = ZRImport::convertIntoArrayStreamText(decoder.decode(head.left(end)));
    if (ZRImport::defineCSVTypeWithStreamText(lines ? &*lines : nullptr) == ZRImport::kLayoutNotRecognised)
        return {FileSource::Kind::Unknown};
    return {};
}

ImportResult importFile(const QString &path, const CardList &diary, bool replace, const QTimeZone &zone,
                        double now)
{
    // What the file is comes from its content, never its name (something
    // that is not a file is refused as CSV).
    if (sourceOfFile(path).kind != FileSource::Kind::Diary)
        return importCsvFile(path, diary, replace, zone, now);
    QString why;
    const std::optional<CardList> cards = DiaryFile::read(path, &why);
    if (!cards)
        return refused(diary, Outcome::Unreadable, "IMPORT_UNREADABLE", "the file cannot be read (%1).", 0, why);
    return importDiaryCards(*cards, diary, replace, now);
}

ImportResult importCsvFile(const QString &path, const CardList &diary, bool replace, const QTimeZone &zone,
                           double now)
{
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return refused(diary, Outcome::Unreadable, "IMPORT_UNREADABLE", "the file cannot be read (%1).", 0,
                       QStringLiteral("it is not a file"));
    QString why;
    const std::optional<QByteArray> bytes = readBounded(path, kLargestCsv, &why);
    if (!bytes)
        return refused(diary, Outcome::Unreadable, "IMPORT_UNREADABLE", "the file cannot be read (%1).", 0, why);
    return importCsv(*bytes, diary, replace, zone, now);
}

QByteArray exportBytes(const CardList &diary, ZRExport::Kind kind, const QTimeZone &zone)
{
    switch (kind) {
    case ZRExport::Kind::OrvaneORV: return KeyedArchive::encodeDiary(diary);
    case ZRExport::Kind::OrvaneCSV: return ZRExport::exportFormatCSVFromArray(diary);
    case ZRExport::Kind::OrvaneREALStudioCSV: return ZRExport::exportFormatREALStudioCSVFromArray(diary, zone);
    }
    return {};
}

ExportResult exportDiary(const CardList &diary, ZRExport::Kind kind, const QString &path, const QTimeZone &zone)
{
    const DiaryFile::SaveResult saved = DiaryFile::writeAtomically(path, exportBytes(diary, kind, zone));
    ExportResult result;
    result.ok = saved.ok;
    if (!saved.ok)
        result.error = saved.error.isEmpty() ? QStringLiteral("the file could not be written") : saved.error;
    return result;
}

} // namespace Interchange
