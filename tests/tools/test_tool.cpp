#include "interchange/CsvLayouts.h"
#include "interchange/ZRExport.h"
#include "model/DiaryFile.h"
#include "model/ZRImport.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using testsupport::fixturePath;
using testsupport::readFile;

namespace {

struct ToolRun {
    int status = -1;
    QByteArray out, err;
};

QProcessEnvironment environment(const char *name = nullptr, const QString &value = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (name)
        env.insert(QString::fromLatin1(name), value);
    return env;
}

ToolRun tool(const QString &command, const QStringList &args, const QProcessEnvironment &env = environment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVANE_TOOL), QStringList{command} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// A refusal: the status, nothing on standard output, one line on standard
// error.
void expectRefused(const char *command, const QStringList &args, int status)
{
    const ToolRun r = tool(QString::fromLatin1(command), args);
    const std::string shown = command + (' ' + args.join(QLatin1Char(' ')).toStdString());
    EXPECT_EQ(r.status, status) << shown;
    EXPECT_TRUE(r.out.isEmpty()) << shown;
    EXPECT_EQ(r.err.count('\n'), 1) << shown << ": " << r.err.toStdString();
}

const QString kFixture = fixturePath(QStringLiteral("diary.orv"));
const QString kBroken = fixturePath(QStringLiteral("broken-wrapped-references.orv"));

CardList readDiary(const QString &file)
{
    return DiaryFile::read(file, nullptr).value_or(CardList());
}

TEST(ToolDump, PrintsOneObjectPerCardThatReadsBackExactly)
{
    const ToolRun r = tool(QStringLiteral("dump"), {kFixture});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "{\"idCard\":1,\"dateCreation\":389015407.123456,\"dateEditing\":null,"
                        "\"dateMeasurement\":389015400,\"isProtect\":false,\"isPreMeal\":true,\"isTherapy\":false,"
                        "\"nameMeal\":\"Colazione\",\"nameInsulin\":null,\"notes\":\"caffè ☕\\ncornetto\","
                        "\"glycemiaValue\":123.5,\"unitValue\":0}");
    EXPECT_TRUE(lines[1].startsWith("{\"idCard\":4294967297,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(",\"glycemiaValue\":0,\"unitValue\":7.25600004}")) << lines[1].toStdString();

    // By default the program's diary, named when it cannot be read.
    QTemporaryDir home;
    const ToolRun absent = tool(QStringLiteral("dump"), {}, environment("HOME", home.path()));
    EXPECT_EQ(absent.status, 1);
    EXPECT_TRUE(absent.err.contains("Orvane.orv")) << absent.err.toStdString();
    expectRefused("dump", {kBroken}, 1);
    EXPECT_EQ(tool(QStringLiteral("dump"), {"a.orv", "b.orv"}).status, 2);
    EXPECT_EQ(tool(QStringLiteral("frobnicate"), {}).status, 2);
}

TEST(ToolCopy, WritesWhatTheProgramSavesAndNeverHalfAFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.orv"));
    const ToolRun r = tool(QStringLiteral("copy"), {kFixture, out});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    CardList original = readDiary(kFixture);
    ZRImport::sortForMeasuramentDateArray(&original);
    EXPECT_EQ(testsupport::expectedText(readDiary(out)), testsupport::expectedText(original));

    // A failed read leaves an existing OUT as it was.
    const QByteArray before = readFile(out);
    expectRefused("copy", {kBroken, out}, 1);
    EXPECT_EQ(readFile(out), before);
    expectRefused("copy", {kFixture, out + QStringLiteral("/x.orv")}, 1);
    EXPECT_EQ(tool(QStringLiteral("copy"), {kFixture}).status, 2);
}

// The twelve figures as the tool prints them, from their values in order.
QByteArray figures(const char *values)
{
    static const char *const names[] = {"GenricMin", "GenricMid", "GenricMax", "BreakfastPre", "BreakfastPost",
                                        "BreakfastUnit", "LunchPre", "LunchPost", "LunchUnit", "DinnerPre",
                                        "DinnerPost", "DinnerUnit"};
    const QList<QByteArray> v = QByteArray(values).split(' ');
    QByteArray out;
    for (int i = 0; i < 12; ++i)
        out += QByteArray("windowStatistics") + names[i] + ' ' + v.value(i) + '\n';
    return out;
}

// Two days of cards in Rome: the 7th of December 2026 with breakfast, the
// 8th with lunch.
TEST(ToolStats, PrintsTheTwelveFiguresOfTheView)
{
    const auto card = [](int day, int hh, int mm, const char *meal, bool pre, float glycemia, float units = 0) {
        const QDateTime when(QDate(2026, 12, day), QTime(hh, mm), QTimeZone("Europe/Rome"));
        return std::make_shared<ZRGlycemicCard>(0, std::nullopt, std::nullopt, CardDates::fromDateTime(when), false,
                                                pre, units > 0, QString::fromLatin1(meal), std::nullopt, std::nullopt,
                                                glycemia, units);
    };
    const char *const breakfast = "POPUP_MEAL_BREAKFAST";
    CardList cards = {card(7, 8, 0, breakfast, true, 100), card(7, 8, 5, breakfast, true, 0, 6),
                      card(7, 9, 30, breakfast, false, 160), card(8, 12, 0, "POPUP_MEAL_LUNCH", true, 122),
                      card(8, 12, 5, "POPUP_MEAL_LUNCH", true, 0, 8.5f)};
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("diary.orv"));
    ASSERT_TRUE(DiaryFile::save(path, cards).ok);

    QProcessEnvironment italian = environment("LC_ALL", QStringLiteral("it_IT.UTF-8"));
    italian.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
    const char *const therapies = "n/a n/a n/a n/a n/a 6 n/a n/a 8.5 n/a n/a n/a";
    const char *const eighth = "122 122 122 n/a n/a n/a 122 n/a 8.5 n/a n/a n/a";
    const std::tuple<QStringList, QProcessEnvironment, const char *> rows[] = {
        {{}, environment(), "100 127.33 160 100 160 6 122 n/a 8.5 n/a n/a n/a"},
        {{"--kind", "2"}, environment(), therapies},
        {{}, italian, "100 127,33 160 100 160 6 122 n.d. 8,5 n.d. n.d. n.d."},
        // --now is local time unless it has an offset: 23:30 UTC is half
        // past midnight in Rome.
        {{"--period", "1", "--now", "2026-12-07T23:30:00"}, environment(),
         "100 130 160 100 160 6 n/a n/a n/a n/a n/a n/a"},
        {{"--period", "1", "--now", "2026-12-07T23:30:00Z"}, environment(), eighth},
        {{"--period=2", "--now=2026-12-09T08:00:00.250+01:00"}, environment(), eighth}, // yesterday
    };
    for (const auto &[args, env, expected] : rows) {
        const ToolRun r = tool(QStringLiteral("stats"), QStringList{"--diary", path} + args, env);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, figures(expected)) << args.join(QLatin1Char(' ')).toStdString();
    }

    // The program's diary by default, an empty one while there is none.
    const QProcessEnvironment atHome = environment("HOME", home.path());
    EXPECT_EQ(tool(QStringLiteral("stats"), {}, atHome).out,
              figures("n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a n/a"));
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
    ASSERT_TRUE(QFile::copy(path, home.filePath(QStringLiteral("Documents/Orvane.orv"))));
    EXPECT_EQ(tool(QStringLiteral("stats"), {"--kind", "2"}, atHome).out, figures(therapies));

    expectRefused("stats", {"--diary", kBroken}, 1);
    expectRefused("stats", {"--diary", home.filePath(QStringLiteral("absent.orv"))}, 1);
    // Rome's clocks skip from 2:00 to 3:00 in the night of 29 March 2026.
    for (const QStringList &args : QList<QStringList>{
             {"--frobnicate"}, {"extra"}, {"--period"}, {"--period", "10"}, {"--period", "-1"}, {"--kind", "3"},
             {"--kind", "one"}, {"--diary="}, {"--now", "yesterday"}, {"--now", "2026-12-07"},
             {"--now", "2026-13-07T10:00:00"}, {"--now", "2026-03-29T02:30:00"}})
        expectRefused("stats", QStringList{"--diary", path} + args, 2);
}

// A diary of three cards, and the same cards as CSV, in a scratch folder.
class ToolInterchange : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CardList cards;
        for (const double when : {800000000.0, 800086400.0, 800172800.0}) {
            cards.push_back(std::make_shared<ZRGlycemicCard>());
            cards.back()->setDateMeasurement(when);
            cards.back()->setDateCreation(when + 30.5);
        }
        ASSERT_TRUE(DiaryFile::save(diary, cards).ok);
        ASSERT_TRUE(testsupport::writeFile(path("cards.csv"), ZRExport::exportFormatCSVFromArray(readDiary(diary))));
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    const QString diary = dir.filePath(QStringLiteral("diary.orv"));
};

TEST_F(ToolInterchange, ExportsEachFormat)
{
    const std::tuple<QStringList, const char *, QByteArray> rows[] = {
        {{"--format", "orv", "--diary", diary}, "out.orv", readFile(diary)},
        {{"--format=csv", "--diary=" + diary}, "out.csv", readFile(path("cards.csv"))},
        {{"--format", "realstudio", "--diary", diary}, "old.csv",
         CsvLayouts::returnPropertyNameListREALStudio().toUtf8()},
    };
    for (const auto &[args, name, start] : rows) {
        const ToolRun r = tool(QStringLiteral("export"), args + QStringList{path(name)});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(readFile(path(name)).startsWith(start)) << name;
    }

    // Nowhere to write, or no diary to read: what was there stays.
    const QByteArray before = readFile(path("out.csv"));
    expectRefused("export", {"--format", "csv", "--diary", diary, path("out.csv/x.csv")}, 1);
    expectRefused("export", {"--format", "csv", "--diary", path("absent.orv"), path("out.csv")}, 1);
    EXPECT_EQ(readFile(path("out.csv")), before);
    for (const QStringList &args : QList<QStringList>{{}, {"out.csv"}, {"--format", "xls", "out.csv"}, {"--format=csv"},
                                                      {"--format=csv", "a.csv", "b.csv"},
                                                      {"--format=csv", "--diary", "out.csv"},
                                                      {"--format=csv", "--replace", "a.csv"}})
        expectRefused("export", args, 2);
}

TEST_F(ToolInterchange, ImportsJoiningOrReplacing)
{
    // Records that could not be read are told on standard error.
    ASSERT_TRUE(testsupport::writeFile(path("mixed.csv"), readFile(path("cards.csv")) + "1;;;;;;;;;;1;0\r"));
    const ToolRun joined = tool(QStringLiteral("import"), {"--diary", diary, path("mixed.csv")});
    ASSERT_EQ(joined.status, 0) << joined.err.toStdString();
    EXPECT_EQ(joined.err, QByteArray("ATTENZIONE: 1 record non sono stati importati!\n"));
    EXPECT_EQ(readDiary(diary).size(), 6u);
    const ToolRun replaced = tool(QStringLiteral("import"), {"--replace", "--diary", diary, path("cards.csv")});
    ASSERT_EQ(replaced.status, 0) << replaced.err.toStdString();
    EXPECT_TRUE(replaced.err.isEmpty());
    EXPECT_EQ(readDiary(diary).size(), 3u);

    // A file that brings nothing changes nothing, even when replacing; an
    // unreadable diary is never written over.
    const QByteArray before = readFile(diary);
    ASSERT_TRUE(QFile::copy(diary, path("copy.orv")));
    ASSERT_TRUE(testsupport::writeFile(path("header.csv"), CsvLayouts::returnPropertyNameListDefault().toUtf8()));
    ASSERT_TRUE(testsupport::writeFile(path("bad.orv"), "not a diary"));
    expectRefused("import", {"--diary", diary, path("copy.orv")}, 1);
    expectRefused("import", {"--replace", "--diary", diary, path("header.csv")}, 1);
    expectRefused("import", {"--replace", "--diary", path("bad.orv"), path("cards.csv")}, 1);
    EXPECT_EQ(readFile(diary), before);
    EXPECT_EQ(readFile(path("bad.orv")), QByteArray("not a diary"));

    // A new diary is made when there is none, by default the program's own.
    QTemporaryDir home;
    ASSERT_EQ(tool(QStringLiteral("import"), {path("cards.csv")}, environment("HOME", home.path())).status, 0);
    EXPECT_EQ(readDiary(home.filePath(QStringLiteral("Documents/Orvane.orv"))).size(), 3u);
    for (const QStringList &args : QList<QStringList>{{}, {"a.csv", "b.csv"}, {"--replace=yes", "a.csv"},
                                                      {"--diary=", "a.csv"}, {"--format", "csv", "a.csv"}})
        expectRefused("import", args, 2);
}

} // namespace

TEST_F(ToolInterchange, WritesTheReportOfTheViewWithoutADisplay)
{
    // No display at all: the report draws offscreen.
    QProcessEnvironment headless = environment();
    headless.remove(QStringLiteral("QT_QPA_PLATFORM"));
    headless.remove(QStringLiteral("DISPLAY"));
    headless.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const ToolRun r = tool(QStringLiteral("report"),
                           {"--diary", diary, "--period", "0", "--kind=1", "--unit", "mmol/L", path("r.pdf")}, headless);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(testsupport::readFile(path("r.pdf")).startsWith("%PDF-"));

    expectRefused("report", {"--diary", kBroken, path("broken.pdf")}, 1);
    expectRefused("report", {"--diary", diary, path("gone/r.pdf")}, 1);
    for (const QStringList &args : QList<QStringList>{{}, {"--unit", "mmol", path("u.pdf")},
                                                      {"--kind", "3", path("k.pdf")}, {"a.pdf", "b.pdf"},
                                                      {"--now", "today", path("n.pdf")}})
        expectRefused("report", QStringList{"--diary", diary} + args, 2);
    EXPECT_FALSE(QFileInfo::exists(path("u.pdf")));
}
