// orvane-tool: the diary from the command line, on the same core as the
// program itself.

#include "interchange/Interchange.h"
#include "interchange/SensorStore.h"
#include "model/DiaryFile.h"
#include "model/DiaryLock.h"
#include "report/TrendsReport.h"
#include "text/StringTable.h"
#include "text/ValueFormatter.h"
#include "view/Agp.h"
#include "view/DiaryFilter.h"
#include "view/Statistics.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
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
               "       orvane-tool import [--replace] [--diary FILE] FILE\n"
               "       orvane-tool report [--diary FILE] [--period N] [--kind N] [--unit mg/dL|mmol/L]\n"
               "                          [--now INSTANT] [--from YYYY-MM-DD] [--to YYYY-MM-DD] OUT.pdf\n",
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
    for (const CardRef &card : *cards) {
        out += cardJson(*card);
        if (out.size() > (1 << 20)) {
            std::fwrite(out.constData(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.constData(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
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

// A CSV or diary file brought into the diary, which it replaces (--replace)
// or joins; the diary is saved only when cards came in.
int importIntoDiary(const QStringList &args)
{
    const Arguments a = parseArguments(args, {QStringLiteral("--diary")}, {QStringLiteral("--replace")});
    if (!a.error.isEmpty())
        return badArgumentOf("import", a.error);
    if (a.rest.size() != 1)
        return badArgumentOf("import", a.rest.isEmpty() ? QStringLiteral("wants the file to import")
                                                        : QStringLiteral("unexpected argument %1").arg(a.rest[1]));
    const std::optional<QString> diaryArg = diaryArgument(a);
    if (!diaryArg)
        return 1;
    const QString diaryPath = *diaryArg;
    DiaryLock lock(diaryPath);
    if (!lockForWriting(lock, diaryPath))
        return 1;
    // No diary yet: the import makes it.
    const std::optional<CardList> diary = readDiary(diaryPath, true);
    if (!diary)
        return 1;
    const QString file = a.rest.first();
    Interchange::ImportResult result =
        Interchange::importFile(file, *diary, a.flags.contains(QStringLiteral("--replace")));
    // Records that could not be read are told whether or not any card came in.
    if (!result.warning().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(result.warning()));
    if (!result.imported()) {
        fail(QStringLiteral("%1: %2").arg(file, result.message));
        return 1;
    }
    const DiaryFile::SaveResult saved = DiaryFile::save(diaryPath, result.newDiary);
    if (!saved.ok) {
        fail(QStringLiteral("%1: %2").arg(diaryPath, saved.error));
        return 1;
    }
    return 0;
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
    const std::optional<int64_t> newest = store.newest();
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
    if (command == QLatin1String("report"))
        return report(args);
    return usage();
}
