// orvane-tool: the diary from the command line, on the same core as the
// program itself.

#include "interchange/ForeignImport.h"
#include "interchange/Interchange.h"
#include "interchange/SensorStore.h"
#include "model/DiaryFile.h"
#include "model/DiaryLock.h"
#include "report/TrendsReport.h"
#include "text/StringTable.h"
#include "text/ValueFormatter.h"
#include "view/Consensus.h"
#include "view/Agp.h"
#include "view/DiaryFilter.h"
#include "view/Statistics.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>
#include <QTimeZone>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <tuple>

namespace {

int usage()
{
    std::fputs("usage: orvane-tool dump [FILE]\n"
               "       orvane-tool copy IN OUT\n"
               "       orvane-tool stats [--diary FILE] [--period N] [--kind N] [--now INSTANT]\n"
               "       orvane-tool export --format orv|csv|realstudio [--diary FILE] OUT\n"
               "       orvane-tool import [--replace] [--diary FILE] [--json] FILE\n"
               "       orvane-tool sensor [--diary FILE]\n"
               "       orvane-tool report [--diary FILE] [--period N] [--kind N] [--unit mg/dL|mmol/L]\n"
               "                          [--now INSTANT] [--from YYYY-MM-DD] [--to YYYY-MM-DD] OUT.pdf\n"
               "       orvane-tool agp [--diary FILE] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--json]\n"
               "                       consensus figures of the sensor readings of local days: by\n"
               "                       default the 14 ending on the newest reading's day, or 14 from\n"
               "                       --from or to --to alone; status 1 when none is in the period\n",
               stderr);
    return 2;
}

void fail(const QString &text)
{
    std::fprintf(stderr, "orvane-tool: %s\n", qPrintable(text));
}

// The program's diary; none (told) when there is no home folder to find it
// in.
std::optional<QString> programDiary()
{
    const QString path = DiaryFile::diaryPath();
    if (path.isEmpty())
        fail(QStringLiteral("no home folder to find the diary in: HOME is not set and the account has none"));
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

// A diary file is written only under the lock that the program holds on its
// diary while it runs: the program's next save would write its own cards
// over the file, and of two imports at once one would be lost. False (told)
// while another holds it; a lock that cannot be made at all leaves the write
// to say why it fails.
bool lockForWriting(DiaryLock &lock, const QString &path)
{
    if (lock.tryLock() != DiaryLock::Status::InUse)
        return true;
    fail(QStringLiteral("%1 is open in another Orvane (process %2): nothing was written").arg(path).arg(lock.holder()));
    return false;
}

// CSV or a PDF over a diary file, the one read or the program's own, would
// leave nothing to read there. True (told) when out is one.
bool overDiary(const QString &out, const QString &diaryRead)
{
    for (const QString &diary : {diaryRead, DiaryFile::diaryPath()}) {
        if (!diary.isEmpty() && DiaryFile::sameFile(out, diary)) {
            fail(QStringLiteral("%1: that is the diary %2; only a diary is written over it").arg(out, diary));
            return true;
        }
    }
    return false;
}

QByteArray jsonString(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out + '"';
}

// Numbers that JSON cannot hold travel as strings.
QByteArray jsonNumber(double value, int digits)
{
    if (std::isnan(value))
        return "\"nan\"";
    if (std::isinf(value))
        return value > 0 ? "\"inf\"" : "\"-inf\"";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return buffer;
}

QByteArray jsonDate(const CardDate &date)
{
    return date ? jsonNumber(*date, 17) : QByteArray("null");
}

QByteArray jsonText(const CardText &text)
{
    return text ? jsonString(*text) : QByteArray("null");
}

QByteArray jsonFlag(bool flag)
{
    return flag ? "true" : "false";
}

QByteArray cardJson(const ZRGlycemicCard &c)
{
    QByteArray out;
    out += "{\"idCard\":" + QByteArray::number(static_cast<qulonglong>(c.idCard()));
    out += ",\"dateCreation\":" + jsonDate(c.dateCreation());
    out += ",\"dateEditing\":" + jsonDate(c.dateEditing());
    out += ",\"dateMeasurement\":" + jsonDate(c.dateMeasurement());
    out += ",\"isProtect\":" + jsonFlag(c.isProtect());
    out += ",\"isPreMeal\":" + jsonFlag(c.isPreMeal());
    out += ",\"isTherapy\":" + jsonFlag(c.isTherapy());
    out += ",\"nameMeal\":" + jsonText(c.nameMeal());
    out += ",\"nameInsulin\":" + jsonText(c.nameInsulin());
    out += ",\"notes\":" + jsonText(c.notes());
    out += ",\"glycemiaValue\":" + jsonNumber(c.glycemiaValue(), 9);
    out += ",\"unitValue\":" + jsonNumber(c.unitValue(), 9);
    out += "}\n";
    return out;
}

// Standard output in blocks of about 1 MiB: a long listing is never held
// whole.
void writeWhenFull(QByteArray &out)
{
    if (out.size() > (1 << 20)) {
        std::fwrite(out.constData(), 1, out.size(), stdout);
        out.clear();
    }
}

int finishOutput(const QByteArray &out)
{
    std::fwrite(out.constData(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int dump(const QStringList &args)
{
    if (args.size() > 1)
        return usage();
    const std::optional<QString> path = args.isEmpty() ? programDiary() : args.first();
    if (!path)
        return 1;
    QString error;
    const auto cards = DiaryFile::read(*path, &error);
    if (!cards) {
        fail(QStringLiteral("%1: %2").arg(*path, error));
        return 1;
    }
    QByteArray out;
    for (const CardRef &card : *cards)
        writeWhenFull(out += cardJson(*card));
    return finishOutput(out);
}

int copy(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    DiaryLock lock(args[1]);
    if (!lockForWriting(lock, args[1]))
        return 1;
    QString error;
    auto cards = DiaryFile::read(args[0], &error);
    if (!cards) {
        fail(QStringLiteral("%1: %2").arg(args[0], error));
        return 1;
    }
    const DiaryFile::SaveResult saved = DiaryFile::save(args[1], *cards);
    if (!saved.ok) {
        fail(QStringLiteral("%1: %2").arg(args[1], saved.error));
        return 1;
    }
    // A diary's backup is the diary file and its sensor store.
    SensorStore store(SensorStore::pathForDiary(args[0]));
    if (!store.exists() || DiaryFile::sameFile(args[0], args[1]))
        return 0;
    if (!store.copyTo(SensorStore::pathForDiary(args[1]))) {
        fail(QStringLiteral("%1 was copied, its sensor readings not: %2").arg(args[1], store.error()));
        return 1;
    }
    return 0;
}

// A bad argument: one line on stderr, status 2.
int badArgumentOf(const char *command, const QString &text)
{
    fail(QLatin1String(command) + QStringLiteral(": ") + text);
    return 2;
}

int badArgument(const QString &text)
{
    return badArgumentOf("stats", text);
}

// An ISO 8601 date and time, with or without an offset (without one it is
// local time); a date alone is not an instant. Sets *why when it is none.
std::optional<double> parseInstant(const QString &text, QString *why)
{
    const QDateTime dt = text.contains(QLatin1Char('T')) ? QDateTime::fromString(text, Qt::ISODateWithMs) : QDateTime();
    if (dt.isValid())
        return CardDates::fromDateTime(dt);
    // A well-formed local time can still be one that the clock skips when it
    // moves forward.
    const qsizetype t = text.indexOf(QLatin1Char('T'));
    const bool wellFormed = t > 0 && QDate::fromString(text.left(t), Qt::ISODate).isValid()
                            && QTime::fromString(text.mid(t + 1), Qt::ISODateWithMs).isValid();
    *why = wellFormed ? QStringLiteral("--now: %1 is skipped by a clock change here").arg(text)
                      : QStringLiteral("--now wants an ISO 8601 date and time, not \"%1\"").arg(text);
    return std::nullopt;
}

// The statistics panel's twelve figures for the cards the filter keeps.
int stats(const QStringList &args)
{
    QString diaryPath;
    int period = DiaryFilter::Everyday;
    int kind = DiaryFilter::AllKinds;
    std::optional<double> now;
    for (int i = 0; i < args.size(); ++i) {
        QString option = args[i];
        std::optional<QString> value;
        if (const qsizetype eq = option.indexOf(QLatin1Char('=')); option.startsWith(QLatin1String("--")) && eq > 0) {
            value = option.mid(eq + 1);
            option.truncate(eq);
        }
        if (!option.startsWith(QLatin1String("--")))
            return badArgument(QStringLiteral("unexpected argument %1").arg(option));
        const bool known = option == QLatin1String("--diary") || option == QLatin1String("--period")
                           || option == QLatin1String("--kind") || option == QLatin1String("--now");
        if (!known)
            return badArgument(QStringLiteral("unknown option %1").arg(option));
        if (!value) {
            if (i + 1 >= args.size())
                return badArgument(QStringLiteral("%1 wants a value").arg(option));
            value = args[++i];
        }
        if (option == QLatin1String("--diary")) {
            if (value->isEmpty())
                return badArgument(QStringLiteral("--diary wants a file"));
            diaryPath = *value;
        } else if (option == QLatin1String("--now")) {
            QString why;
            now = parseInstant(*value, &why);
            if (!now)
                return badArgument(why);
        } else {
            const bool isPeriod = option == QLatin1String("--period");
            const int highest = isPeriod ? DiaryFilter::PeriodCount - 1 : DiaryFilter::KindCount - 1;
            bool ok = false;
            const int n = value->toInt(&ok);
            if (!ok || n < 0 || n > highest)
                return badArgument(QStringLiteral("%1 wants a number from 0 to %2, not \"%3\"")
                                       .arg(option)
                                       .arg(highest)
                                       .arg(*value));
            (isPeriod ? period : kind) = n;
        }
    }

    // No diary yet is an empty diary; a named file must be there.
    CardList diary;
    const bool byDefault = diaryPath.isEmpty();
    if (byDefault) {
        const std::optional<QString> path = programDiary();
        if (!path)
            return 1;
        diaryPath = *path;
    }
    if (!byDefault || QFileInfo::exists(diaryPath)) {
        QString error;
        auto cards = DiaryFile::read(diaryPath, &error);
        if (!cards) {
            fail(QStringLiteral("%1: %2").arg(diaryPath, error));
            return 1;
        }
        diary = std::move(*cards);
    }

    const DiaryFilter::View view =
        DiaryFilter::filter(diary, period, kind, now ? *now : CardDates::now(), QTimeZone::systemTimeZone());
    const Statistics::Figures figures = Statistics::calculatesStatistics(view.isDiary ? diary : view.cards);
    const ValueFormatter formatter{QLocale()};
    const StringTable &table = StringTable::shared();
    QByteArray out;
    for (size_t f = 0; f < figures.values.size(); ++f) {
        out += Statistics::outletNames()[f].toUtf8() + ' '
               + Statistics::figureText(figures.values[f], formatter, table).toUtf8() + '\n';
    }
    std::fwrite(out.constData(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// The arguments of export and import: options that take a value
// ("--diary FILE" or "--diary=FILE"), options that take none, and the rest.
struct Arguments {
    QHash<QString, QString> values;
    QSet<QString> flags;
    QStringList rest;
    QString error; // set when the arguments are bad
};

Arguments parseArguments(const QStringList &args, const QStringList &withValue, const QStringList &flags)
{
    Arguments out;
    for (int i = 0; i < args.size() && out.error.isEmpty(); ++i) {
        QString option = args[i];
        if (!option.startsWith(QLatin1String("--")) || option.size() == 2) {
            out.rest.append(option);
            continue;
        }
        std::optional<QString> value;
        if (const qsizetype eq = option.indexOf(QLatin1Char('=')); eq > 0) {
            value = option.mid(eq + 1);
            option.truncate(eq);
        }
        if (flags.contains(option)) {
            if (value)
                out.error = QStringLiteral("%1 takes no value").arg(option);
            out.flags.insert(option);
        } else if (withValue.contains(option)) {
            if (!value) {
                if (i + 1 >= args.size()) {
                    out.error = QStringLiteral("%1 wants a value").arg(option);
                    break;
                }
                value = args[++i];
            }
            if (value->isEmpty())
                out.error = QStringLiteral("%1 wants a value").arg(option);
            out.values.insert(option, *value);
        } else {
            out.error = QStringLiteral("unknown option %1").arg(option);
        }
    }
    return out;
}

// The file --diary names, or the program's diary.
std::optional<QString> diaryArgument(const Arguments &a)
{
    if (const auto named = a.values.find(QStringLiteral("--diary")); named != a.values.end())
        return *named;
    return programDiary();
}

// The diary a command works on: --diary or the program's own. A missing
// file is an empty diary when allowed; one that is there must read.
std::optional<CardList> readDiary(const QString &path, bool missingIsEmpty)
{
    if (missingIsEmpty && !QFileInfo::exists(path))
        return CardList();
    QString error;
    auto cards = DiaryFile::read(path, &error);
    if (!cards)
        fail(QStringLiteral("%1: %2").arg(path, error));
    return cards;
}

// The whole diary written to OUT as a diary file or CSV in either layout.
int exportDiary(const QStringList &args)
{
    const Arguments a = parseArguments(args, {QStringLiteral("--format"), QStringLiteral("--diary")}, {});
    if (!a.error.isEmpty())
        return badArgumentOf("export", a.error);
    if (a.rest.size() != 1)
        return badArgumentOf("export", a.rest.isEmpty() ? QStringLiteral("wants the file to write")
                                                        : QStringLiteral("unexpected argument %1").arg(a.rest[1]));
    const QString format = a.values.value(QStringLiteral("--format"));
    ZRExport::Kind kind;
    if (format == QLatin1String("orv"))
        kind = ZRExport::Kind::OrvaneORV;
    else if (format == QLatin1String("csv"))
        kind = ZRExport::Kind::OrvaneCSV;
    else if (format == QLatin1String("realstudio"))
        kind = ZRExport::Kind::OrvaneREALStudioCSV;
    else
        return badArgumentOf("export", format.isEmpty() ? QStringLiteral("--format wants orv, csv or realstudio")
                                                        : QStringLiteral("--format wants orv, csv or realstudio, not \"%1\"").arg(format));

    const bool byDefault = !a.values.contains(QStringLiteral("--diary"));
    const std::optional<QString> diaryPath = diaryArgument(a);
    if (!diaryPath)
        return 1;
    const QString out = a.rest.first();
    DiaryLock lock(out);
    if (kind == ZRExport::Kind::OrvaneORV ? !lockForWriting(lock, out) : overDiary(out, *diaryPath))
        return 1;
    const std::optional<CardList> diary = readDiary(*diaryPath, byDefault);
    if (!diary)
        return 1;
    const Interchange::ExportResult written = Interchange::exportDiary(*diary, kind, out);
    if (!written.ok) {
        fail(QStringLiteral("%1: %2").arg(out, written.error));
        return 1;
    }
    return 0;
}

// An import under way: the diary it goes into, as read, and how.
struct ImportJob {
    QString diaryPath;
    CardList diary;
    QString file;
    bool replace = false;
    bool json = false;
};

// "1 card", "2 cards".
QString counted(size_t n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(qulonglong(n)).arg(QLatin1String(n == 1 ? one : many));
}

// The import's summary as one line of JSON, its fields in a fixed order.
QByteArray summaryJson(const QJsonObject &summary)
{
    static const char *const kFields[] = {"format",      "cardsAdded", "cardsKnown",    "sensorAdded",
                                          "sensorKnown", "skipped",    "notUnderstood", "firstProblem"};
    QByteArray out;
    for (const char *field : kFields) {
        const QJsonValue value = summary.value(QLatin1String(field));
        out += (out.isEmpty() ? "{\"" : ",\"") + QByteArray(field) + "\":";
        if (value.isString())
            out += jsonString(value.toString());
        else if (value.isObject())
            out += QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
        else if (value.isDouble())
            out += QByteArray::number(value.toInteger());
        else
            out += "null";
    }
    return out + "}\n";
}

void printSummary(const QJsonObject &summary)
{
    const QByteArray out = summaryJson(summary);
    std::fwrite(out.constData(), 1, out.size(), stdout);
}

// "Dexcom Clarity: 4 cards added, 0 already known; 23 sensor readings added,
// 0 already known; 13 records skipped, 0 not understood".
QString summaryLine(const ForeignImport::Summary &s)
{
    QString line = QStringLiteral("%1: %2 added, %3 already known; %4 added, %5 already known; %6 skipped, %7 not "
                                  "understood")
                       .arg(ForeignFormat::formatName(s.format), counted(s.cardsAdded(), "card", "cards"))
                       .arg(qulonglong(s.cardsKnown))
                       .arg(counted(s.sensorAdded, "sensor reading", "sensor readings"))
                       .arg(qulonglong(s.sensorKnown))
                       .arg(counted(s.skippedTotal(), "record", "records"))
                       .arg(qulonglong(s.notUnderstood));
    if (!s.problems.isEmpty())
        line += QStringLiteral(" (the first: %1)").arg(s.problems.first());
    return line;
}

// Nothing in a file that was read is a card or a sensor reading: why, with
// the first record that could not be read.
QString nothingUnderstood(const ForeignImport::Summary &s)
{
    if (s.notUnderstood == 0)
        return QStringLiteral("Nothing was imported: the %1 file holds no cards and no sensor readings.")
            .arg(ForeignFormat::formatName(s.format));
    return QStringLiteral("Nothing was imported: nothing in the %1 file could be read as a card or a sensor reading "
                          "(%2 not understood; %3).")
        .arg(ForeignFormat::formatName(s.format), counted(s.notUnderstood, "record", "records"), s.problems.value(0));
}

// The new cards into the diary file and the new readings into its store,
// both or neither. False (told) when either cannot be written.
bool applyForeign(const ImportJob &job, const ForeignImport::Plan &plan, SensorStore &store)
{
    // Should the store fail once the diary is written, the diary goes back
    // to these bytes (or away, when there was none).
    const bool existed = QFileInfo::exists(job.diaryPath);
    QByteArray before;
    if (existed && !plan.newCards.empty() && !plan.newReadings.empty()) {
        QFile diary(job.diaryPath);
        if (!diary.open(QIODevice::ReadOnly) || (before = diary.readAll()).size() != diary.size()) {
            fail(QStringLiteral("%1: %2; nothing was imported").arg(job.diaryPath, diary.errorString()));
            return false;
        }
    }
    const auto writeDiary = [&](bool joined, QString *why) {
        if (!joined)
            return existed ? DiaryFile::writeAtomically(job.diaryPath, before).ok : QFile::remove(job.diaryPath);
        CardList cards = ForeignImport::joined(job.replace ? CardList() : job.diary, plan.newCards);
        const DiaryFile::SaveResult saved = DiaryFile::save(job.diaryPath, cards);
        if (!saved.ok && why)
            *why = QStringLiteral("%1: %2").arg(job.diaryPath, saved.error);
        return saved.ok;
    };
    QString error;
    if (!ForeignImport::apply(plan, store, writeDiary, &error)) {
        fail(QStringLiteral("%1; nothing was imported").arg(error));
        return false;
    }
    return true;
}

// Another program's export: its cards join the diary (or replace its
// cards) and its sensor readings join the store beside it.
int importForeign(const ImportJob &job)
{
    QFile in(job.file);
    if (!in.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("%1: Nothing was imported: the file cannot be read (%2).").arg(job.file, in.errorString()));
        return 1;
    }
    ForeignFormat::ReadOptions options;
    options.zone = QTimeZone::systemTimeZone();
    options.importTime = CardDates::now();
    ForeignFormat::ReadResult read = ForeignFormat::read(in, options);
    in.close();
    if (!read.ok()) {
        fail(QStringLiteral("%1: Nothing was imported from this %2 file: %3.")
                 .arg(job.file, ForeignFormat::formatName(read.format), read.error));
        return 1;
    }
    // Replacing, the file's cards are the diary's: none of them is known.
    SensorStore store(SensorStore::pathForDiary(job.diaryPath));
    QString error;
    const std::optional<ForeignImport::Plan> plan =
        ForeignImport::plan(std::move(read), job.replace ? CardList() : job.diary, store, &error);
    if (!plan) {
        fail(QStringLiteral("%1; nothing was imported").arg(error));
        return 1;
    }
    if (plan->summary.nothingUnderstood()) {
        fail(QStringLiteral("%1: %2").arg(job.file, nothingUnderstood(plan->summary)));
        return 1;
    }
    if (!applyForeign(job, *plan, store))
        return 1;
    if (job.json)
        printSummary(ForeignImport::toJson(plan->summary));
    else
        std::printf("%s\n", qPrintable(summaryLine(plan->summary)));
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// A diary file or CSV in one of the diary's layouts, as the program's
// import takes them.
int importOwn(const ImportJob &job, bool diaryFile)
{
    Interchange::ImportResult result;
    size_t fileCards = 0;
    if (diaryFile) {
        QString why;
        const std::optional<CardList> cards = DiaryFile::read(job.file, &why);
        if (!cards) {
            fail(QStringLiteral("%1: Nothing was imported: the file cannot be read (%2).").arg(job.file, why));
            return 1;
        }
        fileCards = cards->size();
        result = Interchange::importDiaryCards(*cards, job.diary, job.replace);
    } else {
        result = Interchange::importCsvFile(job.file, job.diary, job.replace);
    }
    // Records that could not be read are told whether or not any card came in.
    if (!result.warning().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(result.warning()));
    // A diary file's cards that do not join are those the diary holds.
    const size_t known = diaryFile ? fileCards - result.added : 0;
    if (!result.imported() && known == 0) {
        const bool recognised = result.outcome != Interchange::ImportResult::Outcome::NotRecognised;
        fail(QStringLiteral("%1: %2").arg(job.file, recognised ? result.message
                                                                : QStringLiteral("Nothing was imported: the file is "
                                                                                 "neither a diary file, nor CSV in one "
                                                                                 "of the diary's layouts, nor the "
                                                                                 "export of a program the import "
                                                                                 "reads.")));
        return 1;
    }
    if (result.imported()) {
        const DiaryFile::SaveResult saved = DiaryFile::save(job.diaryPath, result.newDiary);
        if (!saved.ok) {
            fail(QStringLiteral("%1: %2").arg(job.diaryPath, saved.error));
            return 1;
        }
    } else if (!job.json) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(job.file), qPrintable(result.message));
    }
    if (job.json) {
        // The diary's own files are not told apart by kind of card.
        ForeignImport::Summary summary;
        summary.measurementsAdded = result.added;
        summary.cardsKnown = known;
        summary.notUnderstood = result.notImported;
        QJsonObject json = ForeignImport::toJson(summary);
        json.insert(QStringLiteral("format"), diaryFile ? QStringLiteral("Orvane diary file") : QStringLiteral("Orvane CSV"));
        printSummary(json);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// A file brought into the diary, which it replaces (--replace) or joins;
// what the file is comes from its content. The diary is saved only when
// cards came in.
int importIntoDiary(const QStringList &args)
{
    const Arguments a =
        parseArguments(args, {QStringLiteral("--diary")}, {QStringLiteral("--replace"), QStringLiteral("--json")});
    if (!a.error.isEmpty())
        return badArgumentOf("import", a.error);
    if (a.rest.size() != 1)
        return badArgumentOf("import", a.rest.isEmpty() ? QStringLiteral("wants the file to import")
                                                        : QStringLiteral("unexpected argument %1").arg(a.rest[1]));
    const std::optional<QString> diaryArg = diaryArgument(a);
    if (!diaryArg)
        return 1;
    ImportJob job;
    job.diaryPath = *diaryArg;
    job.file = a.rest.first();
    job.replace = a.flags.contains(QStringLiteral("--replace"));
    job.json = a.flags.contains(QStringLiteral("--json"));
    DiaryLock lock(job.diaryPath);
    if (!lockForWriting(lock, job.diaryPath))
        return 1;
    // No diary yet: the import makes it.
    std::optional<CardList> diary = readDiary(job.diaryPath, true);
    if (!diary)
        return 1;
    job.diary = std::move(*diary);
    const QFileInfo info(job.file);
    if (info.isFile() && (info.size() == 0 || info.size() > Interchange::kLargestForeign)) {
        fail(QStringLiteral("%1: Nothing was imported: %2")
                 .arg(job.file, info.size() == 0 ? QStringLiteral("the file is empty.")
                                                 : QStringLiteral("the file is larger than %1 GiB, more than any "
                                                                  "the import reads.")
                                                       .arg(Interchange::kLargestForeign >> 30)));
        return 1;
    }
    const Interchange::FileSource source = Interchange::sourceOfFile(job.file);
    if (source.kind == Interchange::FileSource::Kind::Foreign)
        return importForeign(job);
    return importOwn(job, source.kind == Interchange::FileSource::Kind::Diary);
}

// The sensor readings of the diary's store, one JSON object a line, oldest
// first; none while there is no store.
int sensor(const QStringList &args)
{
    const Arguments a = parseArguments(args, {QStringLiteral("--diary")}, {});
    if (!a.error.isEmpty())
        return badArgumentOf("sensor", a.error);
    if (!a.rest.isEmpty())
        return badArgumentOf("sensor", QStringLiteral("unexpected argument %1").arg(a.rest.first()));
    const std::optional<QString> diaryPath = diaryArgument(a);
    if (!diaryPath)
        return 1;
    SensorStore store(SensorStore::pathForDiary(*diaryPath));
    const std::optional<std::vector<SensorStore::Reading>> readings = store.readings();
    if (!readings) {
        fail(store.error());
        return 1;
    }
    QByteArray out;
    for (const SensorStore::Reading &r : *readings) {
        const char *flag = r.flag == ForeignFormat::SensorFlag::Low    ? "\"low\""
                           : r.flag == ForeignFormat::SensorFlag::High ? "\"high\""
                                                                       : "null";
        writeWhenFull(out += "{\"time\":" + QByteArray::number(qint64(r.time)) + ",\"mgdl\":"
                             + QByteArray::number(r.mgdl) + ",\"flag\":" + flag + ",\"source\":"
                             + jsonString(r.source) + "}\n");
    }
    return finishOutput(out);
}

// The period of the report's AGP page: --from and --to (local days,
// YYYY-MM-DD). Without them, the 14 days up to the newest reading; --from
// alone runs to that day, --to alone takes the 14 days up to it. Sets *why
// when it is wrong.
std::optional<std::pair<QDate, QDate>> reportPeriod(const Arguments &a, std::optional<int64_t> newest,
                                                    const QTimeZone &zone, QString *why)
{
    QDate given[2];
    const char *const options[2] = {"--from", "--to"};
    for (int i = 0; i < 2; ++i) {
        const QString name = QString::fromLatin1(options[i]);
        if (!a.values.contains(name))
            continue;
        const QString value = a.values.value(name);
        given[i] = value.size() == 10 ? QDate::fromString(value, Qt::ISODate) : QDate();
        if (!given[i].isValid()) {
            *why = QStringLiteral("%1 wants a day as YYYY-MM-DD, not \"%2\"").arg(name, value);
            return std::nullopt;
        }
    }
    std::pair<QDate, QDate> period = newest ? Consensus::defaultPeriod(*newest, zone) : std::pair<QDate, QDate>();
    if (given[1].isValid())
        period = {given[1].addDays(-13), given[1]};
    if (given[0].isValid())
        period.first = given[0];
    if (period.first.isValid() && !period.second.isValid())
        period.second = period.first.addDays(13);
    if (period.first > period.second || period.first.daysTo(period.second) >= Agp::kLongestPeriod) {
        *why = QStringLiteral("the period from %1 to %2 is not one of 1 to %3 days")
                   .arg(period.first.toString(Qt::ISODate), period.second.toString(Qt::ISODate))
                   .arg(Agp::kLongestPeriod);
        return std::nullopt;
    }
    return period;
}

// The sensor's readings of the report's period, from the store beside the
// diary (none when it is missing); exit status 1 or 2 (told) when the store
// cannot be read or the period is wrong.
int readSensorPages(const Arguments &a, const QString &diaryPath, TrendsReport::SensorPages &pages,
                    const QTimeZone &zone)
{
    SensorStore store(SensorStore::pathForDiary(diaryPath));
    const std::optional<int64_t> newest = store.newestReading();
    if (!newest && !store.reason().isEmpty()) {
        fail(store.error());
        return 1;
    }
    QString why;
    const std::optional<std::pair<QDate, QDate>> period = reportPeriod(a, newest, zone, &why);
    if (!period)
        return badArgumentOf("report", why);
    std::tie(pages.from, pages.to) = *period;
    if (!newest || !pages.from.isValid())
        return 0;
    const auto [first, last] = Consensus::instantsOf(pages.from, pages.to, zone);
    std::optional<std::vector<Consensus::Reading>> readings = store.readings(first, last);
    if (!readings) {
        fail(store.error());
        return 1;
    }
    pages.readings = std::move(*readings);
    return 0;
}

// The report for the care team of the cards the filter keeps, as a PDF,
// opening with the AGP page when the sensor has readings in the period.
int report(const QStringList &args)
{
    const Arguments a = parseArguments(args,
                                       {QStringLiteral("--diary"), QStringLiteral("--period"), QStringLiteral("--kind"),
                                        QStringLiteral("--unit"), QStringLiteral("--now"), QStringLiteral("--from"),
                                        QStringLiteral("--to")},
                                       {});
    if (!a.error.isEmpty())
        return badArgumentOf("report", a.error);
    if (a.rest.size() != 1)
        return badArgumentOf("report", a.rest.isEmpty() ? QStringLiteral("wants the PDF file to write")
                                                        : QStringLiteral("unexpected argument %1").arg(a.rest[1]));
    int chosen[2] = {DiaryFilter::Everyday, DiaryFilter::AllKinds};
    const std::pair<const char *, int> indexOptions[2] = {{"--period", DiaryFilter::PeriodCount - 1},
                                                          {"--kind", DiaryFilter::KindCount - 1}};
    for (int i = 0; i < 2; ++i) {
        const QString option = QString::fromLatin1(indexOptions[i].first);
        if (!a.values.contains(option))
            continue;
        const QString value = a.values.value(option);
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 0 || n > indexOptions[i].second)
            return badArgumentOf("report", QStringLiteral("%1 wants a number from 0 to %2, not \"%3\"")
                                               .arg(option)
                                               .arg(indexOptions[i].second)
                                               .arg(value));
        chosen[i] = n;
    }
    TrendsReport::Options options;
    if (a.values.contains(QStringLiteral("--unit"))) {
        const QString unit = a.values.value(QStringLiteral("--unit"));
        if (unit != Trends::unitKey(Trends::Unit::MgdL) && unit != Trends::unitKey(Trends::Unit::MmolL))
            return badArgumentOf("report", QStringLiteral("--unit wants mg/dL or mmol/L, not \"%1\"").arg(unit));
        options.unit = Trends::unitFromKey(unit);
    }
    options.now = CardDates::now();
    if (a.values.contains(QStringLiteral("--now"))) {
        QString why;
        const std::optional<double> now = parseInstant(a.values.value(QStringLiteral("--now")), &why);
        if (!now)
            return badArgumentOf("report", why);
        options.now = *now;
    }

    const bool byDefault = !a.values.contains(QStringLiteral("--diary"));
    const std::optional<QString> diaryPath = diaryArgument(a);
    if (!diaryPath || overDiary(a.rest.first(), *diaryPath))
        return 1;
    const std::optional<CardList> diary = readDiary(*diaryPath, byDefault);
    if (!diary)
        return 1;
    if (const int status = readSensorPages(a, *diaryPath, options.sensor, options.zone))
        return status;
    const DiaryFilter::View view = DiaryFilter::filter(*diary, chosen[0], chosen[1], options.now, options.zone);
    const StringTable &strings = StringTable::shared();
    options.title = QStringLiteral("%1 · %2").arg(strings.text(StringTable::periodKeys()[chosen[0]]),
                                                  strings.text(StringTable::kindKeys()[chosen[1]]));
    const QString out = a.rest.first();
    QString error;
    if (!TrendsReport::write(out, view.isDiary ? *diary : view.cards, options, strings, &error)) {
        fail(QStringLiteral("%1: %2").arg(out, error));
        return 1;
    }
    return 0;
}

// A calendar day written YYYY-MM-DD; none when it is not one.
std::optional<QDate> parseDay(const QString &text)
{
    const QDate day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return text.size() == 10 && day.isValid() ? std::optional(day) : std::nullopt;
}

// The period of agp: --from and --to, either alone meaning 14 days from or
// to it, or by default the 14 days ending on the day of the newest reading.
// Sets *status and returns nothing when there is no period to take.
std::optional<std::pair<QDate, QDate>> agpPeriod(const Arguments &a, SensorStore &store, const QTimeZone &zone,
                                                 int *status)
{
    std::optional<QDate> days[2];
    const QString names[2] = {QStringLiteral("--from"), QStringLiteral("--to")};
    for (int i = 0; i < 2; ++i) {
        if (!a.values.contains(names[i]))
            continue;
        days[i] = parseDay(a.values.value(names[i]));
        if (!days[i]) {
            *status = badArgumentOf("agp", QStringLiteral("%1 wants a date YYYY-MM-DD, not \"%2\"")
                                               .arg(names[i], a.values.value(names[i])));
            return std::nullopt;
        }
    }
    if (days[0] && days[1] && *days[0] > *days[1]) {
        *status = badArgumentOf("agp", QStringLiteral("--from %1 is after --to %2")
                                           .arg(days[0]->toString(Qt::ISODate), days[1]->toString(Qt::ISODate)));
        return std::nullopt;
    }
    if (days[0] || days[1])
        return std::pair(days[0].value_or(days[1] ? days[1]->addDays(-13) : QDate()),
                         days[1].value_or(days[0] ? days[0]->addDays(13) : QDate()));
    const std::optional<int64_t> newest = store.newestReading();
    if (newest)
        return Consensus::defaultPeriod(*newest, zone);
    *status = 1;
    fail(store.reason().isEmpty() ? QStringLiteral("agp: no sensor readings in %1").arg(store.path()) : store.error());
    return std::nullopt;
}

// The figures as text, one a line: its name and value, fractions in the
// locale's form with one decimal; then the profile, a line for each slot.
QByteArray agpText(const Consensus::Figures &f)
{
    const QLocale locale;
    const auto number = [&locale](double v) { return locale.toString(v, 'f', 1).toUtf8(); };
    QByteArray out = "from " + f.from.toString(Qt::ISODate).toUtf8() + "\nto " + f.to.toString(Qt::ISODate).toUtf8()
                     + '\n';
    const std::pair<const char *, int64_t> counts[] = {{"days", f.days},
                                                       {"daysWithData", f.daysWithData},
                                                       {"readings", f.readings},
                                                       {"intervalMinutes", f.intervalMinutes}};
    for (const auto &[name, value] : counts)
        out += QByteArray(name) + ' ' + QByteArray::number(qlonglong(value)) + '\n';
    const std::pair<const char *, double> values[] = {
        {"activePercent", f.activePercent}, {"mean", f.mean},   {"sd", f.sd},
        {"cv", f.cv},                       {"gmiPercent", f.gmiPercent}, {"gmiMmolMol", f.gmiMmolMol},
        {"veryLow", f.veryLow},             {"low", f.low},     {"inRange", f.inRange},
        {"tightRange", f.tightRange},       {"high", f.high},   {"veryHigh", f.veryHigh}};
    for (const auto &[name, value] : values)
        out += QByteArray(name) + ' ' + number(value) + '\n';
    const QByteArray none = StringTable::shared().text(QStringLiteral("NOT_DISPONBLE")).toUtf8();
    for (const Consensus::Slot &slot : f.agp) {
        out += "percentiles " + QTime(0, 0).addSecs(slot.minuteOfDay * 60).toString(QStringLiteral("HH:mm")).toUtf8();
        if (!slot.percentiles)
            out += ' ' + none;
        else
            for (const double p : *slot.percentiles)
                out += ' ' + number(p);
        out += '\n';
    }
    return out;
}

// The consensus figures of the sensor readings kept beside the diary, over
// local days of the system's time zone.
int agp(const QStringList &args)
{
    const Arguments a = parseArguments(args, {QStringLiteral("--diary"), QStringLiteral("--from"), QStringLiteral("--to")},
                                       {QStringLiteral("--json")});
    if (!a.error.isEmpty())
        return badArgumentOf("agp", a.error);
    if (!a.rest.isEmpty())
        return badArgumentOf("agp", QStringLiteral("unexpected argument %1").arg(a.rest.first()));
    const std::optional<QString> diaryPath = diaryArgument(a);
    if (!diaryPath)
        return 1;
    SensorStore store(SensorStore::pathForDiary(*diaryPath));
    const QTimeZone zone = QTimeZone::systemTimeZone();
    int status = 0;
    const std::optional<std::pair<QDate, QDate>> period = agpPeriod(a, store, zone, &status);
    if (!period)
        return status;
    const auto [first, last] = Consensus::instantsOf(period->first, period->second, zone);
    const std::optional<std::vector<SensorStore::Reading>> readings = store.readings(first, last);
    if (!readings) {
        fail(store.error());
        return 1;
    }
    const Consensus::Figures figures = Consensus::figures(*readings, period->first, period->second, zone);
    if (figures.readings == 0) {
        fail(QStringLiteral("agp: no sensor readings in the period %1 to %2")
                 .arg(period->first.toString(Qt::ISODate), period->second.toString(Qt::ISODate)));
        return 1;
    }
    const QByteArray out = a.flags.contains(QStringLiteral("--json"))
                               ? QJsonDocument(Consensus::toJson(figures)).toJson(QJsonDocument::Compact) + '\n'
                               : agpText(figures);
    std::fwrite(out.constData(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The report draws its charts with widgets, which need a QApplication;
    // it draws into a PDF, not onto a screen, so it needs no display.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "report") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt says where it keeps its runtime files;
    // that is no news to someone writing a report from a script.
    static const QtMessageHandler qtHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
            qtHandler(type, context, message);
    });
    std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("dump"))
        return dump(args);
    if (command == QLatin1String("copy"))
        return copy(args);
    if (command == QLatin1String("stats"))
        return stats(args);
    if (command == QLatin1String("export"))
        return exportDiary(args);
    if (command == QLatin1String("import"))
        return importIntoDiary(args);
    if (command == QLatin1String("sensor"))
        return sensor(args);
    if (command == QLatin1String("report"))
        return report(args);
    if (command == QLatin1String("agp"))
        return agp(args);
    return usage();
}
