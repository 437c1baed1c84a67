#include "interchange/CsvLayouts.h"
#include "interchange/SensorStore.h"
#include "interchange/ZRExport.h"
#include "model/DiaryFile.h"
#include "model/ZRImport.h"
#include "support/FormatSamples.h"
#include "support/SensorSample.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

using testsupport::readFile;

namespace {

struct ToolRun {
    int status = -1;
    QByteArray out, err;
};

// The tool in the test's environment, changed by "NAME=value" entries; a
// bare "NAME" removes the variable. inChild runs in the new process before
// the tool starts.
ToolRun tool(const QStringList &args, const QStringList &env = {}, const std::function<void()> &inChild = {})
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString &v : env) {
        if (v.contains(u'='))
            e.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
        else
            e.remove(v);
    }
    QProcess p;
    p.setProcessEnvironment(e);
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.start(QStringLiteral(ORVANE_TOOL), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

const QString kFixture = testsupport::fixturePath(QStringLiteral("diary.orv"));
const QString kBroken = testsupport::fixturePath(QStringLiteral("broken-wrapped-references.orv"));

CardList readDiary(const QString &file)
{
    return DiaryFile::read(file, nullptr).value_or(CardList());
}

QString sampleFile(const QString &stem)
{
    return formatsamples::folder() + formatsamples::dataFile(stem);
}

// What `sensor` lists of the diary's store, a reading a line.
QByteArray sensorLines(const QString &diary)
{
    const ToolRun r = tool({"sensor", "--diary", diary});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return r.out;
}

// The summary that import --json prints, checked against the status and
// the counts stated ("cardsAdded" → 4, "status" → 0).
QJsonObject importSummary(const ToolRun &r, const std::map<QString, qint64> &stated)
{
    EXPECT_EQ(r.status, stated.at(QStringLiteral("status"))) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("{\"format\":\"") && r.out.endsWith("}\n") && r.out.count('\n') == 1)
        << r.out.toStdString();
    const QJsonObject summary = QJsonDocument::fromJson(r.out).object();
    for (const auto &[name, count] : stated) {
        if (name != u"status") {
            EXPECT_EQ(summary.value(name).toInteger(-1), count) << name.toStdString();
        }
    }
    return summary;
}

// Refused with STATUS: nothing on standard output, one line on standard
// error.
void expectRefused(const ToolRun &r, int status, const std::string &shown = {})
{
    EXPECT_EQ(r.status, status) << shown << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << shown;
    EXPECT_EQ(r.err.count('\n'), 1) << shown << ": " << r.err.toStdString();
}

size_t skippedTotal(const QJsonObject &summary)
{
    size_t total = 0;
    for (const QJsonValue &n : summary.value(u"skipped").toObject())
        total += size_t(n.toInteger());
    return total;
}

// A diary of three cards, the same cards as CSV, a CSV file of nothing but
// its header and a file that is no diary, in a scratch folder.
class Tool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CardList cards;
        for (const double when : {800000000.0, 800086400.0, 800172800.0})
            cards.push_back(std::make_shared<ZRGlycemicCard>(0, when + 30.5, std::nullopt, when, false, false, false,
                                                             std::nullopt, std::nullopt, std::nullopt, 0.0f, 0.0f));
        ASSERT_TRUE(DiaryFile::save(diary, cards).ok);
        ASSERT_TRUE(testsupport::writeFile(path("cards.csv"), ZRExport::exportFormatCSVFromArray(readDiary(diary))));
        ASSERT_TRUE(testsupport::writeFile(path("header.csv"), CsvLayouts::returnPropertyNameListDefault().toUtf8()));
        ASSERT_TRUE(testsupport::writeFile(path("bad.orv"), "not a diary"));
        ASSERT_TRUE(testsupport::writeFile(path("bad.sensors.sqlite"), "not a sensor store"));
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Every file and folder of the scratch folder, each file with a digest
    // of its bytes.
    std::string contents() const
    {
        QStringList out;
        for (QDirIterator it(dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString entry = it.next();
            out << QDir(dir.path()).relativeFilePath(entry) + u' '
                       + QCryptographicHash::hash(readFile(entry), QCryptographicHash::Sha1).toHex();
        }
        out.sort();
        return out.join(u'\n').toStdString();
    }

    QTemporaryDir dir;
    const QString diary = dir.filePath(QStringLiteral("diary.orv"));
};

// Refused: the status, nothing on standard output, one line on standard
// error (after the count of records not imported, when there are some), and
// nothing written or left behind, not even by a failed write.
TEST_F(Tool, RefusesWithoutWritingAnything)
{
    const QString d = diary, absent = path("absent.orv"), cards = path("cards.csv"), rejected = path("rejected.csv");
    // The program's diary in the home folder of these runs, and another name
    // for the diary.
    const QString home = path("home"), own = home + "/Documents/Orvane.orv";
    ASSERT_TRUE(QDir().mkpath(home + "/Documents") && QFile::copy(d, own));
    ASSERT_TRUE(QFile::link(d, path("link.orv")));
    // Records that are all refused are counted before the reason is given.
    ASSERT_TRUE(testsupport::writeFile(rejected, readFile(path("header.csv")) + "1;;;;;;;;;;1;0\r1;x;;y;;;;;;;1;0\r"));
    const QByteArray counted = "ATTENZIONE: 2 record non sono stati importati!\n";
    // The status, the arguments that the cases share, the cases.
    const std::tuple<int, QStringList, QList<QStringList>> groups[] = {
        {1, {}, {{"dump", kBroken}, {"copy", kBroken, d}, {"copy", kFixture, d + "/x.orv"},
                 {"stats", "--diary", kBroken}, {"stats", "--diary", absent},
                 {"report", "--diary", kBroken, path("broken.pdf")}, {"report", "--diary", d, path("gone/r.pdf")},
                 {"sensor", "--diary", path("bad.orv")}}},
        // Nowhere to write, no diary to read, a file that brings nothing (even
        // when replacing), a diary that cannot be read and so is never written.
        {1, {"export", "--format", "csv", "--diary"}, {{d, cards + "/x.csv"}, {absent, cards}}},
        {1, {"import", "--replace", "--diary"}, {{d, path("header.csv")}, {path("bad.orv"), cards}, {d, rejected}}},
        // Anything but a diary over the diary read or the program's own, by
        // whatever name, would leave nothing to read there.
        {1, {}, {{"export", "--format", "csv", "--diary", d, "diary.orv"}, {"report", "--diary", d, path("link.orv")},
                 {"export", "--format", "realstudio", "--diary", d, own}, {"report", "--diary", d, own}}},
        // Rome's clocks skip from 2:00 to 3:00 in the night of 29 March 2026.
        {2, {"stats", "--diary", d}, {{"--frobnicate"}, {"extra"}, {"--period"}, {"--period", "10"}, {"--period", "-1"},
                                      {"--kind", "3"}, {"--kind", "one"}, {"--diary="}, {"--now", "yesterday"},
                                      {"--now", "2026-12-07"}, {"--now", "2026-13-07T10:00:00"},
                                      {"--now", "2026-03-29T02:30:00"}}},
        {2, {"export"}, {{}, {"out.csv"}, {"--format", "xls", "out.csv"}, {"--format=csv"},
                         {"--format=csv", "a.csv", "b.csv"}, {"--format=csv", "--diary", "out.csv"},
                         {"--format=csv", "--replace", "a.csv"}}},
        {2, {"import"}, {{}, {"a.csv", "b.csv"}, {"--replace=yes", "a.csv"}, {"--diary=", "a.csv"},
                         {"--format", "csv", "a.csv"}, {"--json=1", "a.csv"}}},
        {2, {"sensor"}, {{"extra"}, {"--diary"}, {"--diary", d, "--json"}}},
        {2, {"report", "--diary", d}, {{}, {"--unit", "mmol", path("u.pdf")}, {"--kind", "3", path("k.pdf")},
                                       {"a.pdf", "b.pdf"}, {"--now", "today", path("n.pdf")}}}};
    const std::string before = contents();
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path())); // where the relative names would land
    for (const auto &[status, shared, cases] : groups) {
        for (const QStringList &args : cases) {
            const ToolRun r = tool(shared + args, {"HOME=" + home});
            const std::string shown = (shared + args).join(QLatin1Char(' ')).toStdString();
            EXPECT_EQ(r.status, status) << shown;
            EXPECT_TRUE(r.out.isEmpty()) << shown;
            const bool hasCount = args.contains(rejected);
            EXPECT_EQ(r.err.startsWith(counted), hasCount) << shown << ": " << r.err.toStdString();
            EXPECT_EQ(r.err.count('\n'), 1 + hasCount) << shown << ": " << r.err.toStdString();
        }
    }
    // No command, or one used wrongly: the usage, status 2.
    for (const QStringList &args :
         QList<QStringList>{{}, {"frobnicate"}, {"dump", "a.orv", "b.orv"}, {"copy", kFixture}}) {
        const ToolRun r = tool(args);
        EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains("usage:") && r.out.isEmpty());
    }
    QDir::setCurrent(cwd);
    EXPECT_EQ(contents(), before);
}

TEST_F(Tool, DumpsOneObjectPerCardAndCopiesWhatTheProgramSaves)
{
    const ToolRun r = tool({"dump", kFixture});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "{\"idCard\":1,\"dateCreation\":389015407.123456,\"dateEditing\":null,"
                        "\"dateMeasurement\":389015400,\"isProtect\":false,\"isPreMeal\":true,\"isTherapy\":false,"
                        "\"nameMeal\":\"Colazione\",\"nameInsulin\":null,\"notes\":\"caffè ☕\\ncornetto\","
                        "\"glycemiaValue\":123.5,\"unitValue\":0}");
    EXPECT_TRUE(lines[1].startsWith("{\"idCard\":4294967297,")
                && lines[1].endsWith(",\"glycemiaValue\":0,\"unitValue\":7.25600004}"))
        << lines[1].toStdString();
    // By default the program's diary, named when it cannot be read.
    QTemporaryDir home;
    const ToolRun absent = tool({"dump"}, {"HOME=" + home.path()});
    EXPECT_EQ(absent.status, 1);
    EXPECT_TRUE(absent.err.contains("Orvane.orv")) << absent.err.toStdString();
    // Without HOME, or with it empty, the account's home folder, never the
    // root of the file system; without an account's folder, no diary.
    const QByteArray account = QByteArray(getpwuid(getuid())->pw_dir) + "/Documents/Orvane.orv";
    for (const char *unset : {"HOME", "HOME="}) {
        const ToolRun run = tool({"dump"}, {unset});
        EXPECT_TRUE(QFile::exists(account) ? run.status == 0 : run.err.contains(account)) << run.err.toStdString();
    }
    if (getuid() == 0 && !getpwuid(54321)) {
        const ToolRun homeless = tool({"dump"}, {"HOME"}, [] {
            if (setgid(54321) != 0 || setuid(54321) != 0)
                _exit(99);
        });
        EXPECT_EQ(homeless.status, 1);
        EXPECT_TRUE(homeless.err.contains("no home folder")) << homeless.err.toStdString();
    }

    ASSERT_EQ(tool({"copy", kFixture, diary}).status, 0);
    CardList original = readDiary(kFixture);
    ZRImport::sortForMeasuramentDateArray(&original);
    EXPECT_EQ(testsupport::expectedText(readDiary(diary)), testsupport::expectedText(original));
}

// Two days of cards in Rome: the 7th of December 2026 with breakfast, the
// 8th with lunch.
TEST_F(Tool, PrintsTheTwelveFiguresOfTheView)
{
    const auto card = [](int day, int hh, int mm, const char *meal, bool pre, float glycemia, float units = 0) {
        const QDateTime when(QDate(2026, 12, day), QTime(hh, mm), QTimeZone("Europe/Rome"));
        return std::make_shared<ZRGlycemicCard>(0, std::nullopt, std::nullopt, CardDates::fromDateTime(when), false,
                                                pre, units > 0, QString::fromLatin1(meal), std::nullopt, std::nullopt,
                                                glycemia, units);
    };
    const char *const breakfast = "POPUP_MEAL_BREAKFAST", *const lunch = "POPUP_MEAL_LUNCH";
    CardList cards = {card(7, 8, 0, breakfast, true, 100), card(7, 8, 5, breakfast, true, 0, 6),
                      card(7, 9, 30, breakfast, false, 160), card(8, 12, 0, lunch, true, 122),
                      card(8, 12, 5, lunch, true, 0, 8.5f)};
    ASSERT_TRUE(DiaryFile::save(diary, cards).ok);
    // The figures as the tool prints them, from their values in order.
    const auto figures = [](const char *values) {
        const QList<QByteArray> v = QByteArray(values).split(' ');
        const QList<QByteArray> names = QByteArray("GenricMin GenricMid GenricMax BreakfastPre BreakfastPost "
                                                   "BreakfastUnit LunchPre LunchPost LunchUnit DinnerPre DinnerPost "
                                                   "DinnerUnit").split(' ');
        QByteArray out;
        for (int i = 0; i < 12; ++i)
            out += "windowStatistics" + names[i] + ' ' + v.value(i) + '\n';
        return out;
    };
    const char *const therapies = "n/a n/a n/a n/a n/a 6 n/a n/a 8.5 n/a n/a n/a";
    const char *const eighth = "122 122 122 n/a n/a n/a 122 n/a 8.5 n/a n/a n/a";
    const std::tuple<QStringList, QStringList, const char *> rows[] = {
        {{}, {}, "100 127.33 160 100 160 6 122 n/a 8.5 n/a n/a n/a"},
        {{"--kind", "2"}, {}, therapies},
        {{}, {"LC_ALL=it_IT.UTF-8", "LANG=it_IT.UTF-8"}, "100 127,33 160 100 160 6 122 n.d. 8,5 n.d. n.d. n.d."},
        {{}, {"LC_ALL=es_ES.UTF-8", "LANG=es_ES.UTF-8"}, "100 127,33 160 100 160 6 122 n/d 8,5 n/d n/d n/d"},
        // LANGUAGE's first language with a table, though the locale is
        // another's; a language without one gets English; C gets English
        // whatever LANGUAGE says.
        {{}, {"LC_ALL", "LANG=de_DE.UTF-8", "LANGUAGE=pt_BR:es:fr"}, "100 127,33 160 100 160 6 122 n/d 8,5 n/d n/d n/d"},
        {{}, {"LC_ALL=pt_BR.UTF-8", "LANG=pt_BR.UTF-8"}, "100 127,33 160 100 160 6 122 n/a 8,5 n/a n/a n/a"},
        {{}, {"LC_ALL=C", "LANGUAGE=de"}, "100 127.33 160 100 160 6 122 n/a 8.5 n/a n/a n/a"},
        // --now is local time unless it has an offset: 23:30 UTC is half
        // past midnight in Rome.
        {{"--period", "1", "--now", "2026-12-07T23:30:00"}, {}, "100 130 160 100 160 6 n/a n/a n/a n/a n/a n/a"},
        {{"--period", "1", "--now", "2026-12-07T23:30:00Z"}, {}, eighth},
        {{"--period=2", "--now=2026-12-09T08:00:00.250+01:00"}, {}, eighth}, // yesterday
    };
    for (const auto &[args, env, expected] : rows) {
        const ToolRun r = tool(QStringList{"stats", "--diary", diary} + args, env);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, figures(expected)) << args.join(QLatin1Char(' ')).toStdString();
    }
    // An empty diary while the program's own is missing.
    QTemporaryDir home;
    EXPECT_EQ(tool({"stats"}, {"HOME=" + home.path()}).out, figures("n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a"));
}

TEST_F(Tool, ExportsEachFormat)
{
    const std::tuple<QStringList, const char *, QByteArray> rows[] = {
        {{"--format", "orv", "--diary", diary}, "out.orv", readFile(diary)},
        {{"--format=csv", "--diary=" + diary}, "out.csv", readFile(path("cards.csv"))},
        {{"--format", "realstudio", "--diary", diary}, "old.csv",
         CsvLayouts::returnPropertyNameListREALStudio().toUtf8()},
    };
    for (const auto &[args, name, start] : rows) {
        const ToolRun r = tool(QStringList{"export"} + args + QStringList{path(name)});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(readFile(path(name)).startsWith(start)) << name;
    }
}

TEST_F(Tool, ImportsJoiningOrReplacing)
{
    // Records that could not be read are told on standard error.
    ASSERT_TRUE(testsupport::writeFile(path("mixed.csv"), readFile(path("cards.csv")) + "1;;;;;;;;;;1;0\r"));
    const ToolRun joined = tool({"import", "--diary", diary, path("mixed.csv")});
    ASSERT_EQ(joined.status, 0) << joined.err.toStdString();
    EXPECT_EQ(joined.err, QByteArray("ATTENZIONE: 1 record non sono stati importati!\n"));
    EXPECT_EQ(readDiary(diary).size(), 6u);
    // A new diary is made when there is none, by default the program's own.
    QTemporaryDir home;
    ASSERT_EQ(tool({"import", path("cards.csv")}, {"HOME=" + home.path()}).status, 0);
    EXPECT_EQ(readDiary(home.filePath(QStringLiteral("Documents/Orvane.orv"))).size(), 3u);
}

// Every command that writes a diary file holds the lock that the program
// holds on its diary: while another process holds it the command is refused
// and the file left as it was. A lock that names no owner (a program killed
// as it made the file) is taken over, as is one whose process is gone.
TEST_F(Tool, WritesADiaryFileOnlyUnderItsLock)
{
    const QString lockFile = diary + ".lock";
    const QList<QStringList> writers = {{"import", "--diary", diary, path("cards.csv")},
                                        {"copy", kFixture, diary},
                                        {"export", "--format=orv", "--diary", kFixture, diary}};
    {
        QLockFile held(lockFile);
        ASSERT_TRUE(held.tryLock(0));
        const QByteArray before = readFile(diary);
        for (const QStringList &args : writers) {
            const ToolRun r = tool(args);
            expectRefused(r, 1, args[0].toStdString());
            EXPECT_TRUE(r.err.contains("process " + QByteArray::number(QCoreApplication::applicationPid())))
                << r.err.toStdString();
            EXPECT_EQ(readFile(diary), before);
        }
    }
    for (const char *left : {"", "\x7f\x01 damaged\n", "2147483647\norvane\n"}) {
        for (const QStringList &args : writers) {
            ASSERT_TRUE(testsupport::writeFile(lockFile, left));
            const ToolRun r = tool(args);
            EXPECT_EQ(r.status, 0) << args[0].toStdString() << ": " << r.err.toStdString();
            EXPECT_FALSE(QFile::exists(lockFile));
        }
    }
}

// A write that the system stops part way (here at a limit on file size, as
// at a full disk) is told with the file's name and the system's reason, and
// leaves what was there: a small file and large ones, a diary, CSV and a
// report.
TEST_F(Tool, AWriteCutShortIsToldAndLeavesWhatWasThere)
{
    const QString big = testsupport::fixturePath(QStringLiteral("big15000.orv"));
    ASSERT_TRUE(testsupport::writeFile(path("out.pdf"), "the report of last month"));
    const std::tuple<rlim_t, QStringList, const char *> rows[] = {
        {1024, {"copy", kFixture}, "out.orv"},
        {65536, {"copy", big}, "out.orv"},
        {65536, {"export", "--format", "csv", "--diary", big}, "out.csv"},
        {65536, {"report", "--diary", big}, "out.pdf"},
    };
    const std::string before = contents();
    for (const auto &[limit, args, name] : rows) {
        const ToolRun r = tool(args + QStringList{path(name)}, {}, [limit = limit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{limit, limit};
            setrlimit(RLIMIT_FSIZE, &size);
        });
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_EQ(r.err.toStdString(),
                  "orvane-tool: " + path(name).toStdString() + ": the file is larger than the system allows\n");
    }
    EXPECT_EQ(contents(), before);
}

TEST_F(Tool, WritesTheReportOfTheViewWithoutADisplay)
{
    // No display at all: the report draws offscreen.
    const ToolRun r = tool({"report", "--diary", diary, "--period", "0", "--kind=1", "--unit", "mmol/L", path("r.pdf")},
                           {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(readFile(path("r.pdf")).startsWith("%PDF-"));
}

// Every sample of another program, imported into an empty diary, gives the
// counts its expected file states (what the cards and readings are is the
// readers' and the window's import tests' concern); imported again it adds
// nothing and changes no byte.
TEST_F(Tool, ImportsEachOtherProgramsSampleOnce)
{
    const QStringList stems = formatsamples::stems();
    ASSERT_EQ(stems.size(), 14);
    for (const QString &stem : stems) {
        SCOPED_TRACE(stem.toStdString());
        const formatsamples::Expected e = formatsamples::expectedOf(stem);
        const QString d = dir.filePath(stem + QStringLiteral(".orv"));
        const QStringList import = {"import", "--json", "--diary", d, sampleFile(stem)};
        const QJsonObject first = importSummary(tool(import, {"TZ=Europe/Rome"}), e.firstImport);
        EXPECT_NE(first.value(u"format").toString(), "unknown");
        EXPECT_EQ(skippedTotal(first), e.skippedTotal());
        EXPECT_TRUE(first.value(u"firstProblem").isNull());
        EXPECT_EQ(readDiary(d).size(), size_t(e.cards.size()));
        const QString store = SensorStore::pathForDiary(d);
        const QByteArray diaryBefore = readFile(d), storeBefore = readFile(store);
        EXPECT_EQ(QFileInfo::exists(store), !sensorLines(d).isEmpty());
        importSummary(tool(import, {"TZ=Europe/Rome"}), e.secondImport);
        EXPECT_EQ(readFile(d), diaryBefore);
        EXPECT_EQ(readFile(store), storeBefore);
    }
}

// Two exports that overlap bring their union: a sample's records in two
// halves sharing their middle third give what the whole file gives.
TEST_F(Tool, TwoOverlappingFilesBringTheirUnion)
{
    for (const char *stem : {"xdrip_sidiary", "mysugr", "clarity_unquoted_spring"}) {
        SCOPED_TRACE(stem);
        const QString whole = sampleFile(QString::fromLatin1(stem));
        QList<QByteArray> lines = readFile(whole).trimmed().split('\n');
        const QByteArray header = lines.takeFirst() + '\n';
        const qsizetype n = lines.size();
        ASSERT_TRUE(testsupport::writeFile(path("first"), header + lines.mid(0, n * 2 / 3).join('\n') + '\n')
                    && testsupport::writeFile(path("second"), header + lines.mid(n / 3).join('\n') + '\n'));
        const QTemporaryDir diaries;
        const QString a = diaries.filePath(QStringLiteral("whole.orv")), b = diaries.filePath(QStringLiteral("joined.orv"));
        ASSERT_EQ(tool({"import", "--diary", a, whole}).status, 0);
        ASSERT_EQ(tool({"import", "--diary", b, path("first")}).status, 0);
        const ToolRun r = tool({"import", "--json", "--diary", b, path("second")});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QJsonObject summary = QJsonDocument::fromJson(r.out).object();
        EXPECT_GT(summary.value(u"cardsKnown").toInteger() + summary.value(u"sensorKnown").toInteger(), 0);
        EXPECT_EQ(tool({"dump", b}).out.count('\n'), tool({"dump", a}).out.count('\n'));
        EXPECT_EQ(sensorLines(b), sensorLines(a));
    }
}

// A file that cannot be read, or that has nothing in it the diary takes,
// is refused with the reason (and the line to blame): the diary and its
// store stay as they were, and no store is made. The readers' own reasons
// are checked one by one with the readers.
TEST_F(Tool, RefusesBrokenFilesWithoutTouchingDiaryOrStore)
{
    QTemporaryDir inputs;
    const auto input = [&](const char *name, const QByteArray &bytes) {
        const QString file = inputs.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(testsupport::writeFile(file, bytes));
        return file;
    };
    const QByteArray clarity = formatsamples::sample(QStringLiteral("clarity_unquoted_spring.csv"));
    const QByteArray clarityHeader = clarity.left(clarity.indexOf('\n') + 1);
    const QByteArray xdrip = "DAY;TIME;UDT_CGMS;BG_LEVEL;CH_GR;BOLUS;REMARK\n10.05.2025;16:00;112;;;;\n";
    // Two gigabytes after a good header, in a file with a hole that costs
    // no disk.
    const QString huge = input("huge.csv", clarityHeader);
    ASSERT_TRUE(QFile(huge).resize(qint64(2) << 30));
    const std::pair<QString, const char *> cases[] = {
        {input("cut.csv", xdrip + "10.05.2025;16:0"), "line 3: the file ends in the middle of this line"},
        {input("feb30.csv", clarityHeader + "11,2025-02-30T20:05:00,Insulin,Fast-Acting,,,Android G6,,7.00,,,,\n"),
         "line 2: no such date or time: 2025-02-30T20:05:00"},
        {input("unread.csv", QByteArray(xdrip).replace("10.05.2025;16:00;112", "x;y;") + "10.05.2025;16:05;;;;;\n"),
         "1 record not understood; line 2: \"x y\" is not a date and time"},
        {input("nothing.csv", QByteArray(xdrip).replace("10.05.2025;16:00", "x;y")),
         "line 2: nothing here reads as a record of xDrip+ SiDiary"},
        {input("header.csv", clarityHeader), "the Dexcom Clarity file holds no cards and no sensor readings"},
        {input("layout.csv", "Name,Value\nx,1\n"), "neither a diary file, nor CSV in one of the diary's layouts"},
        {input("empty.csv", ""), "the file is empty"},
        {huge, "the file is larger than 1 GiB"},
        {inputs.path(), "it is not a file"},
        {inputs.filePath(QStringLiteral("absent.csv")), "No such file"},
    };
    // Without a store, then with one.
    for (const bool withStore : {false, true}) {
        if (withStore) {
            ASSERT_EQ(tool({"import", "--diary", diary, sampleFile(QStringLiteral("clarity_de_semicolon"))}).status, 0);
        }
        const std::string before = contents();
        for (const auto &[file, says] : cases) {
            SCOPED_TRACE(file.toStdString() + (withStore ? " with a store" : ""));
            const ToolRun r = tool({"import", "--json", "--diary", diary, file});
            expectRefused(r, 1);
            EXPECT_TRUE(r.err.startsWith("orvane-tool: " + file.toUtf8() + ": Nothing was imported"))
                << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(says)) << r.err.toStdString();
        }
        EXPECT_EQ(contents(), before);
    }
}

// No limit on the size of files, and the tool run as a user other than
// root.
constexpr rlim_t kOtherUser = 0;

// The diary and the store change together: a store that cannot be written
// leaves the diary as it was, and a diary that cannot be written leaves the
// store so. Which stores are refused is the store's own tests' concern.
TEST_F(Tool, ChangesTheDiaryAndItsStoreTogether)
{
    const QString store = SensorStore::pathForDiary(diary), big = testsupport::fixturePath(QStringLiteral("big15000.orv"));
    const struct {
        const char *what;
        std::function<void()> prepare;
        rlim_t sizeLimit;
        const char *says;
    } cases[] = {
        {"a file that is no store", [&] { ASSERT_TRUE(testsupport::writeFile(store, QByteArray(5000, 'x'))); },
         RLIM_INFINITY, "not a sensor store"},
        // The limit on the size of a file a process writes, as a full disk.
        {"no room for the store", [] {}, 8192, ""},
        {"no room for the diary", [&] { ASSERT_TRUE(QFile::remove(diary) && QFile::copy(big, diary)); }, 1 << 20,
         "the file is larger than the system allows"},
        // Permissions, which hold for everyone but root: as root, the tool
        // runs as another user.
        {"a store that may not be written",
         [&] {
             ASSERT_EQ(tool({"import", "--diary", diary, sampleFile(QStringLiteral("clarity_de_semicolon"))}).status, 0);
             ASSERT_TRUE(QFile::setPermissions(store, QFileDevice::ReadOwner | QFileDevice::ReadOther));
             ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777))); // anyone may write
         },
         kOtherUser, "readonly"},
        {"a folder that may not be written",
         [&] {
             ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                               | QFileDevice::ReadOther | QFileDevice::ExeOther));
         },
         kOtherUser, ""},
    };
    const QByteArray cards = readFile(diary);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(testsupport::writeFile(diary, cards));
        c.prepare();
        const std::string before = contents();
        const ToolRun r = tool({"import", "--diary", diary, sampleFile(QStringLiteral("clarity_unquoted_spring"))}, {},
                               [limit = c.sizeLimit] {
                                   const bool other = limit == kOtherUser && geteuid() == 0;
                                   if (other && (setgid(54321) != 0 || setuid(54321) != 0))
                                       _exit(99);
                                   std::signal(SIGXFSZ, SIG_IGN);
                                   const rlim_t bytes = limit == kOtherUser ? RLIM_INFINITY : limit;
                                   const rlimit size{bytes, bytes};
                                   setrlimit(RLIMIT_FSIZE, &size);
                               });
        expectRefused(r, 1);
        EXPECT_TRUE(r.err.contains(c.says) && r.err.endsWith("nothing was imported\n")) << r.err.toStdString();
        EXPECT_EQ(contents(), before);
        ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                          | QFileDevice::ExeOwner));
        QFile::setPermissions(store, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QDir(store).removeRecursively();
        QFile::remove(store);
    }
}

// Replacing takes the file's cards for the diary's; readings always join.
// The diary's own files say what they did too.
TEST_F(Tool, ReplacesTheCardsAndJoinsTheReadings)
{
    // Replacing, nothing is known of the cards; a file without cards leaves
    // them.
    const std::tuple<QString, std::map<QString, qint64>, size_t> rows[] = {
        {"clarity_unquoted_spring", {{"status", 0}, {"cardsAdded", 4}, {"sensorAdded", 23}}, 4},
        {"clarity_unquoted_spring", {{"status", 0}, {"cardsAdded", 4}, {"cardsKnown", 0}, {"sensorKnown", 23}}, 4},
        {"clarity_de_semicolon", {{"status", 0}, {"cardsAdded", 0}, {"sensorAdded", 30}}, 4},
        {"mysugr", {{"status", 0}, {"cardsAdded", 16}, {"cardsKnown", 0}}, 16},
    };
    for (const auto &[stem, counts, cardsAfter] : rows) {
        importSummary(tool({"import", "--replace", "--json", "--diary", diary, sampleFile(stem)}), counts);
        EXPECT_EQ(readDiary(diary).size(), cardsAfter) << stem.toStdString();
    }
    EXPECT_EQ(sensorLines(diary).count('\n'), 53);

    // The diary's CSV and diary files.
    importSummary(tool({"import", "--json", "--diary", path("other.orv"), path("cards.csv")}),
                  {{"status", 0}, {"cardsAdded", 3}, {"cardsKnown", 0}});
    const QString copy = path("copy.orv");
    importSummary(tool({"import", "--json", "--diary", copy, kFixture}), {{"status", 0}, {"cardsAdded", 6}});
    const QByteArray before = readFile(copy);
    const QJsonObject again = importSummary(tool({"import", "--json", "--diary", copy, kFixture}),
                                            {{"status", 0}, {"cardsAdded", 0}, {"cardsKnown", 6}});
    EXPECT_EQ(again.value(u"format").toString(), "Orvane diary file");
    EXPECT_EQ(readFile(copy), before);
}

// A diary's backup is its file and its store.
TEST_F(Tool, CopiesTheSensorStoreWithTheDiary)
{
    ASSERT_EQ(tool({"import", "--diary", diary, sampleFile(QStringLiteral("tidepool"))}).status, 0);
    const QString copy = path("backup/copy.orv");
    ASSERT_EQ(tool({"copy", diary, copy}).status, 0);
    const QByteArray original = sensorLines(diary);
    EXPECT_EQ(original.count('\n'), 32);
    EXPECT_EQ(QJsonDocument::fromJson(original.left(original.indexOf('\n'))).object().keys(),
              QStringList({"flag", "mgdl", "source", "time"}));
    EXPECT_EQ(sensorLines(copy), original);
    // Over an older backup, and from a diary without a store.
    ASSERT_EQ(tool({"copy", diary, copy}).status, 0);
    EXPECT_EQ(sensorLines(copy), original);
    ASSERT_EQ(tool({"copy", kFixture, path("plain.orv")}).status, 0);
    EXPECT_FALSE(QFileInfo::exists(SensorStore::pathForDiary(path("plain.orv"))));
}

// The consensus figures of the sensor readings kept beside the diary, for
// the period asked: those of a LibreView sample, 39 readings from 23:02 on 11 October 2025 to 7:55
// on the 12th in Rome.
TEST_F(Tool, PrintsTheConsensusFiguresOfTheSensorReadings)
{
    QFile sample(QStringLiteral(ORVANE_TESTS_DIR "/data/formats/libreview_mmol_dayfirst.csv"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const std::vector<SensorStore::Reading> readings = ForeignFormat::read(sample, {}).readings;
    ASSERT_EQ(readings.size(), 39u);
    {
        SensorStore store(SensorStore::pathForDiary(diary));
        ASSERT_TRUE(store.beginAdding(readings) && store.commit()) << store.error().toStdString();
    }
    int onThe12th = 0;
    for (const SensorStore::Reading &r : readings)
        onThe12th += QDateTime::fromSecsSinceEpoch(r.time, QTimeZone("Europe/Rome")).date().day() == 12;
    // By default the 14 days ending on the newest reading's day.
    const std::tuple<QStringList, const char *, const char *, int, int> rows[] = {
        {{}, "2025-09-29", "2025-10-12", 14, 39},
        {{"--from", "2025-10-12", "--to=2025-10-12"}, "2025-10-12", "2025-10-12", 1, onThe12th},
        {{"--to", "2025-10-11"}, "2025-09-28", "2025-10-11", 14, 39 - onThe12th},
        {{"--from", "2025-10-01"}, "2025-10-01", "2025-10-14", 14, 39}};
    for (const auto &[args, from, to, days, count] : rows) {
        const ToolRun r = tool(QStringList{"agp", "--json", "--diary", diary} + args);
        const std::string shown = args.join(u' ').toStdString();
        ASSERT_EQ(r.status, 0) << shown << ": " << r.err.toStdString();
        const QJsonObject json = QJsonDocument::fromJson(r.out).object();
        EXPECT_EQ(json["from"].toString(), from) << shown;
        EXPECT_EQ(json["to"].toString(), to) << shown;
        EXPECT_EQ(json["days"].toInt(), days) << shown;
        EXPECT_EQ(json["readings"].toInt(), count) << shown;
    }
    // As text, a figure a line (the figures are the consensus code's).
    const ToolRun text = tool({"agp", "--diary", diary});
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith("from 2025-09-29\nto 2025-10-12\ndays 14\n")) << text.out.toStdString();

    // No reading in the period, or no store at all: told, status 1.
    for (const QStringList &args : {QStringList{"--diary", diary, "--from", "2024-01-01"},
                                    QStringList{"--diary", path("none.orv")}}) {
        const ToolRun none = tool(QStringList{"agp"} + args);
        expectRefused(none, 1);
        EXPECT_TRUE(none.err.contains("no sensor readings")) << none.err.toStdString();
    }
    // Used wrongly: one line on standard error, status 2.
    const QList<QStringList> wrong = {{"--from", "2025-13-01"}, {"--from", "12-10-2025"}, {"--to", "2025-10-1"},
                                      {"--from", "2025-10-12", "--to", "2025-10-11"}, {"--to"}, {"--json=yes"},
                                      {"--frobnicate"}, {"extra"}};
    for (const QStringList &args : wrong)
        expectRefused(tool(QStringList{"agp", "--diary", diary} + args), 2, args.join(u' ').toStdString());
}

// The sensor's store beside the diary: the report opens with the AGP page of
// the 14 days up to its newest reading, or of the days --from and --to say.
TEST_F(Tool, TheReportOpensWithTheAgpPageOfTheSensorsPeriod)
{
    // The store is written through the program's own code, whose SQL driver
    // is a plugin that only an application object loads.
    int argc = 1;
    char name[] = "test_tool";
    char *argv[] = {name, nullptr};
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app.emplace(argc, argv);
    ASSERT_TRUE(testsupport::addToStore(
        diary, testsupport::sensorDays(QDate(2026, 2, 1), QDate(2026, 3, 10), QTimeZone("Europe/Rome"))));
    auto pages = [this](const QStringList &more) {
        const ToolRun r = tool(QStringList{"report", "--diary", diary} + more + QStringList{path("r.pdf")});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return testsupport::pdfPages(readFile(path("r.pdf")));
    };
    const int cards = pages({"--from", "2025-01-01", "--to", "2025-01-02"}); // no reading then
    EXPECT_EQ(pages({}), cards + 1);
    EXPECT_EQ(pages({"--to", "2026-02-10"}), cards + 1) << "from 28 January";

    // Days that are none, or a period that runs backwards or is too long:
    // refused, nothing written.
    QFile::remove(path("r.pdf"));
    for (const QStringList &args : QList<QStringList>{{"--from", "2026-02-30"},
                                                      {"--to", "10/03/2026"},
                                                      {"--from", "2026-3-1"},
                                                      {"--from", "2026-03-10", "--to", "2026-03-01"},
                                                      {"--from", "2026-03-11"}, // after the newest reading
                                                      {"--from", "2024-01-01", "--to", "2026-01-01"}}) {
        expectRefused(tool(QStringList{"report", "--diary", diary} + args + QStringList{path("r.pdf")}), 2,
                      args.join(u' ').toStdString());
        EXPECT_FALSE(QFile::exists(path("r.pdf")));
    }
    // A store that cannot be read is told, not taken for none.
    ASSERT_TRUE(testsupport::writeFile(SensorStore::pathForDiary(diary), "not a database"));
    const ToolRun r = tool({"report", "--diary", diary, path("r.pdf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("sensors.sqlite")) << r.err.toStdString();
}

} // namespace
