#include "interchange/CsvLayouts.h"
#include "interchange/ZRExport.h"
#include "model/DiaryFile.h"
#include "model/ZRImport.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
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
                 {"report", "--diary", kBroken, path("broken.pdf")}, {"report", "--diary", d, path("gone/r.pdf")}}},
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
                         {"--format", "csv", "a.csv"}}},
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
    // The program's diary by default, an empty one while there is none.
    QTemporaryDir home;
    const QStringList atHome = {"HOME=" + home.path()};
    EXPECT_EQ(tool({"stats"}, atHome).out, figures("n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a"));
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
    ASSERT_TRUE(QFile::copy(diary, home.filePath(QStringLiteral("Documents/Orvane.orv"))));
    EXPECT_EQ(tool({"stats", "--kind", "2"}, atHome).out, figures(therapies));
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
    const ToolRun replaced = tool({"import", "--replace", "--diary", diary, path("cards.csv")});
    ASSERT_EQ(replaced.status, 0) << replaced.err.toStdString();
    EXPECT_TRUE(replaced.err.isEmpty());
    EXPECT_EQ(readDiary(diary).size(), 3u);
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
            EXPECT_EQ(r.status, 1) << args[0].toStdString();
            EXPECT_EQ(r.err.count('\n'), 1);
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

} // namespace
