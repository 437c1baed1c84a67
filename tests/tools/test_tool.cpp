#include "interchange/CsvLayouts.h"
#include "model/DiaryFile.h"
#include "model/ZRImport.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
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

ToolRun tool(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVANE_TOOL), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

TEST(ToolDump, PrintsOneObjectPerCardThatReadsBackExactly)
{
    const ToolRun r = tool({QStringLiteral("dump"), fixturePath(QStringLiteral("diary.orv"))});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 6);
    QJsonParseError error;
    const QJsonObject first = QJsonDocument::fromJson(lines[0], &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(first.size(), 12);
    EXPECT_EQ(first.value(QStringLiteral("dateCreation")).toDouble(), 389015407.123456);
    EXPECT_TRUE(first.value(QStringLiteral("dateEditing")).isNull());
    EXPECT_EQ(first.value(QStringLiteral("isPreMeal")), QJsonValue(true));
    EXPECT_EQ(first.value(QStringLiteral("notes")).toString(), QStringLiteral("caffè ☕\ncornetto"));
    EXPECT_EQ(first.value(QStringLiteral("glycemiaValue")).toDouble(), 123.5);
    // Identifiers past 2^53 are printed whole, not rounded.
    EXPECT_TRUE(lines[1].startsWith("{\"idCard\":4294967297,"));
    const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
    EXPECT_EQ(static_cast<float>(second.value(QStringLiteral("unitValue")).toDouble()), 7.256f);
}

TEST(ToolDump, DefaultsToTheDiaryAndFailsClearly)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVANE_TOOL), {QStringLiteral("dump")});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 1);
    const QByteArray err = p.readAllStandardError();
    EXPECT_TRUE(err.contains("Orvane.orv")) << err.toStdString();
    EXPECT_EQ(err.count('\n'), 1);

    const ToolRun broken = tool({QStringLiteral("dump"), fixturePath(QStringLiteral("broken-wrapped-references.orv"))});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.out.isEmpty());
    EXPECT_EQ(tool({QStringLiteral("frobnicate")}).status, 2);
}

TEST(ToolCopy, WritesWhatTheProgramSavesAndNeverHalfAFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.orv"));
    const ToolRun r = tool({QStringLiteral("copy"), fixturePath(QStringLiteral("diary.orv")), out});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QString error;
    auto original = DiaryFile::read(fixturePath(QStringLiteral("diary.orv")), &error);
    const auto copied = DiaryFile::read(out, &error);
    ASSERT_TRUE(original && copied) << error.toStdString();
    ZRImport::sortForMeasuramentDateArray(&*original);
    EXPECT_EQ(testsupport::expectedText(*copied), testsupport::expectedText(*original));

    // A failed read leaves an existing OUT as it was.
    const QByteArray before = readFile(out);
    const ToolRun bad = tool({QStringLiteral("copy"), fixturePath(QStringLiteral("broken-wrapped-references.orv")), out});
    EXPECT_EQ(bad.status, 1);
    EXPECT_FALSE(bad.err.isEmpty());
    EXPECT_EQ(readFile(out), before);
    const ToolRun unwritable = tool({QStringLiteral("copy"), fixturePath(QStringLiteral("diary.orv")), out + QStringLiteral("/x.orv")});
    EXPECT_EQ(unwritable.status, 1);
}

// Two days of cards in Rome: the 7th of December 2026 with breakfast, the
// 8th with lunch.
class ToolStats : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QTimeZone rome("Europe/Rome");
        const auto at = [&](int day, int hh, int mm) {
            return CardDates::fromDateTime(QDateTime(QDate(2026, 12, day), QTime(hh, mm), rome));
        };
        const auto card = [](double when, bool therapy, const char *meal, bool pre, float value) {
            auto c = std::make_shared<ZRGlycemicCard>();
            c->setDateMeasurement(when);
            c->setIsTherapy(therapy);
            c->setNameMeal(QString::fromLatin1(meal));
            c->setIsPreMeal(pre);
            if (therapy)
                c->setUnitValue(value);
            else
                c->setGlycemiaValue(value);
            return c;
        };
        CardList cards = {card(at(7, 8, 0), false, "POPUP_MEAL_BREAKFAST", true, 100.0f),
                          card(at(7, 8, 5), true, "POPUP_MEAL_BREAKFAST", true, 6.0f),
                          card(at(7, 9, 30), false, "POPUP_MEAL_BREAKFAST", false, 160.0f),
                          card(at(8, 12, 0), false, "POPUP_MEAL_LUNCH", true, 122.0f),
                          card(at(8, 12, 5), true, "POPUP_MEAL_LUNCH", true, 8.5f)};
        path = dir.filePath(QStringLiteral("diary.orv"));
        ASSERT_TRUE(DiaryFile::save(path, cards).ok);
    }

    ToolRun stats(QStringList args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        return tool(QStringList{QStringLiteral("stats"), QStringLiteral("--diary"), path} + args, env);
    }

    QTemporaryDir dir;
    QString path;
};

QByteArray figures(const char *min, const char *mid, const char *max, const char *bPre, const char *bPost,
                   const char *bUnit, const char *lPre, const char *lUnit, const char *na = "n/a")
{
    QByteArray out;
    const auto line = [&](const char *name, const char *value) { out += QByteArray(name) + ' ' + value + '\n'; };
    line("windowStatisticsGenricMin", min);
    line("windowStatisticsGenricMid", mid);
    line("windowStatisticsGenricMax", max);
    line("windowStatisticsBreakfastPre", bPre);
    line("windowStatisticsBreakfastPost", bPost);
    line("windowStatisticsBreakfastUnit", bUnit);
    line("windowStatisticsLunchPre", lPre);
    line("windowStatisticsLunchPost", na);
    line("windowStatisticsLunchUnit", lUnit);
    line("windowStatisticsDinnerPre", na);
    line("windowStatisticsDinnerPost", na);
    line("windowStatisticsDinnerUnit", na);
    return out;
}

TEST_F(ToolStats, PrintsTheTwelveFiguresOfTheView)
{
    const ToolRun all = stats({QStringLiteral("--now"), QStringLiteral("2026-12-08T18:00:00")});
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_EQ(all.out, figures("100", "127.33", "160", "100", "160", "6", "122", "8.5"));

    const ToolRun therapies = stats({QStringLiteral("--kind"), QStringLiteral("2")});
    EXPECT_EQ(therapies.out, figures("n/a", "n/a", "n/a", "n/a", "n/a", "6", "n/a", "8.5"));
    const ToolRun measurements = stats({QStringLiteral("--kind=1")});
    EXPECT_EQ(measurements.out, figures("100", "127.33", "160", "100", "160", "n/a", "122", "n/a"));

    // In the user's locale.
    QProcessEnvironment italian = QProcessEnvironment::systemEnvironment();
    italian.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    italian.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
    EXPECT_EQ(stats({}, italian).out, figures("100", "127,33", "160", "100", "160", "6", "122", "8,5", "n.d."));
}

TEST_F(ToolStats, NowIsLocalTimeUnlessItHasAnOffset)
{
    const QStringList today = {QStringLiteral("--period"), QStringLiteral("1"), QStringLiteral("--now")};
    const QByteArray seventh = figures("100", "130", "160", "100", "160", "6", "n/a", "n/a");
    const QByteArray eighth = figures("122", "122", "122", "n/a", "n/a", "n/a", "122", "8.5");
    EXPECT_EQ(stats(today + QStringList{QStringLiteral("2026-12-07T23:30:00")}).out, seventh);
    EXPECT_EQ(stats(today + QStringList{QStringLiteral("2026-12-07T23:30:00+01:00")}).out, seventh);
    // 23:30 UTC is half past midnight in Rome.
    EXPECT_EQ(stats(today + QStringList{QStringLiteral("2026-12-07T23:30:00Z")}).out, eighth);
    EXPECT_EQ(stats(today + QStringList{QStringLiteral("2026-12-08T00:00")}).out, eighth);
    // Yesterday seen from the 9th; nothing at all seen from the 10th.
    EXPECT_EQ(stats({QStringLiteral("--period=2"), QStringLiteral("--now=2026-12-09T08:00:00.250+01:00")}).out, eighth);
    EXPECT_EQ(stats({QStringLiteral("--period"), QStringLiteral("2"), QStringLiteral("--now"),
                     QStringLiteral("2026-12-10T08:00:00")})
                  .out,
              figures("n/a", "n/a", "n/a", "n/a", "n/a", "n/a", "n/a", "n/a"));
}

TEST_F(ToolStats, DiaryMissingOrUnreadable)
{
    // No diary yet: every figure is not available.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    const ToolRun fresh = tool({QStringLiteral("stats")}, env);
    EXPECT_EQ(fresh.status, 0) << fresh.err.toStdString();
    EXPECT_EQ(fresh.out, figures("n/a", "n/a", "n/a", "n/a", "n/a", "n/a", "n/a", "n/a"));

    // The default diary is read when it is there.
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
    ASSERT_TRUE(QFile::copy(path, home.filePath(QStringLiteral("Documents/Orvane.orv"))));
    EXPECT_EQ(tool({QStringLiteral("stats"), QStringLiteral("--kind"), QStringLiteral("2")}, env).out,
              figures("n/a", "n/a", "n/a", "n/a", "n/a", "6", "n/a", "8.5"));

    for (const QString &file : {fixturePath(QStringLiteral("broken-wrapped-references.orv")),
                                dir.filePath(QStringLiteral("absent.orv"))}) {
        const ToolRun r = tool({QStringLiteral("stats"), QStringLiteral("--diary"), file});
        EXPECT_EQ(r.status, 1) << file.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}

TEST_F(ToolStats, BadArgumentsGiveOneLineAndStatusTwo)
{
    const QList<QStringList> bad = {
        {QStringLiteral("--frobnicate")},
        {QStringLiteral("extra")},
        {QStringLiteral("--period")},
        {QStringLiteral("--period"), QStringLiteral("10")},
        {QStringLiteral("--period"), QStringLiteral("-1")},
        {QStringLiteral("--kind"), QStringLiteral("3")},
        {QStringLiteral("--kind"), QStringLiteral("one")},
        {QStringLiteral("--kind=")},
        {QStringLiteral("--now"), QStringLiteral("yesterday")},
        {QStringLiteral("--now"), QStringLiteral("2026-12-07")},
        {QStringLiteral("--now"), QStringLiteral("2026-13-07T10:00:00")},
        {QStringLiteral("--now"), QStringLiteral("2026-12-07T25:00:00")},
        {QStringLiteral("--now"), QStringLiteral("2026-12-07T10:00:00+25:00")},
        // Rome's clocks skip from 2:00 to 3:00 that night.
        {QStringLiteral("--now"), QStringLiteral("2026-03-29T02:30:00")},
    };
    for (const QStringList &args : bad) {
        const ToolRun r = stats(args);
        const std::string shown = args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_TRUE(r.out.isEmpty()) << shown;
        EXPECT_EQ(r.err.count('\n'), 1) << shown << ": " << r.err.toStdString();
    }
    EXPECT_EQ(tool({QStringLiteral("stats"), QStringLiteral("--diary")}).status, 2);
}

} // namespace

namespace {

QByteArray csvHeader()
{
    return CsvLayouts::returnPropertyNameListDefault().toUtf8();
}

// A diary of three cards in a scratch folder, for export and import.
class ToolInterchange : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto card = [](double when, const char *notes) {
            auto c = std::make_shared<ZRGlycemicCard>();
            c->setDateMeasurement(when);
            c->setDateCreation(when + 30.5);
            c->setNameMeal(QStringLiteral("POPUP_MEAL_LUNCH"));
            c->setNotes(QString::fromUtf8(notes));
            c->setGlycemiaValue(112.5f);
            return c;
        };
        CardList cards = {card(800000000.0, "uno"), card(800086400.0, "due; tre"), card(800172800.0, "caffè")};
        diary = dir.filePath(QStringLiteral("diary.orv"));
        ASSERT_TRUE(DiaryFile::save(diary, cards).ok);
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    CardList read(const QString &file) const
    {
        QString error;
        const auto cards = DiaryFile::read(file, &error);
        EXPECT_TRUE(cards) << error.toStdString();
        return cards.value_or(CardList());
    }

    QTemporaryDir dir;
    QString diary;
};

TEST_F(ToolInterchange, ExportsEachFormat)
{
    const ToolRun orv = tool({QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("orv"),
                              QStringLiteral("--diary"), diary, path("out.orv")});
    ASSERT_EQ(orv.status, 0) << orv.err.toStdString();
    EXPECT_EQ(testsupport::expectedText(read(path("out.orv"))), testsupport::expectedText(read(diary)));

    const ToolRun csv = tool({QStringLiteral("export"), QStringLiteral("--format=csv"), QStringLiteral("--diary=") + diary,
                              path("out.csv")});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    const QList<QByteArray> lines = readFile(path("out.csv")).split('\r');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith("idCard;dateCreation;"));
    EXPECT_TRUE(lines[2].endsWith(";POPUP_MEAL_LUNCH;;due, tre;112.500000;0.000000")) << lines[2].toStdString();

    // Numbers keep their "." in an Italian session.
    QProcessEnvironment italian = QProcessEnvironment::systemEnvironment();
    italian.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    italian.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
    ASSERT_EQ(tool({QStringLiteral("export"), QStringLiteral("--format=csv"), QStringLiteral("--diary=") + diary,
                    path("italian.csv")},
                   italian)
                  .status,
              0);
    EXPECT_EQ(readFile(path("italian.csv")), readFile(path("out.csv")));

    const ToolRun old = tool({QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("realstudio"),
                              QStringLiteral("--diary"), diary, path("old.csv")});
    ASSERT_EQ(old.status, 0) << old.err.toStdString();
    EXPECT_TRUE(readFile(path("old.csv")).contains(";Pranzo;112;;;;caffè\r"));

    // Nowhere to write, or no diary to read: one line, status 1.
    for (const QStringList &args : {QStringList{QStringLiteral("--diary"), diary, path("out.csv/x.csv")},
                                    QStringList{QStringLiteral("--diary"), path("absent.orv"), path("x.csv")}}) {
        const ToolRun r = tool(QStringList{QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("csv")} + args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}

TEST_F(ToolInterchange, ImportsJoiningOrReplacing)
{
    ASSERT_EQ(tool({QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("csv"),
                    QStringLiteral("--diary"), diary, path("out.csv")})
                  .status,
              0);
    // CSV cards join without a duplicate check, and the diary is renumbered.
    const ToolRun joined = tool({QStringLiteral("import"), QStringLiteral("--diary"), diary, path("out.csv")});
    ASSERT_EQ(joined.status, 0) << joined.err.toStdString();
    EXPECT_TRUE(joined.err.isEmpty());
    const CardList doubled = read(diary);
    ASSERT_EQ(doubled.size(), 6u);
    EXPECT_EQ(ZRImport::generateNewIDtoArray(&doubled), 7u);

    const ToolRun replaced = tool({QStringLiteral("import"), QStringLiteral("--replace"), QStringLiteral("--diary"),
                                   diary, path("out.csv")});
    ASSERT_EQ(replaced.status, 0) << replaced.err.toStdString();
    EXPECT_EQ(read(diary).size(), 3u);

    // A diary file that holds nothing new changes nothing and says so.
    const QByteArray before = readFile(diary);
    ASSERT_TRUE(QFile::copy(diary, path("copy.orv")));
    const ToolRun same = tool({QStringLiteral("import"), QStringLiteral("--diary"), diary, path("copy.orv")});
    EXPECT_EQ(same.status, 1);
    EXPECT_EQ(same.err.count('\n'), 1) << same.err.toStdString();
    EXPECT_EQ(readFile(diary), before);

    // A new diary is made when there is none, by default the program's own.
    const ToolRun fresh = tool({QStringLiteral("import"), QStringLiteral("--diary"), path("new.orv"), path("copy.orv")});
    ASSERT_EQ(fresh.status, 0) << fresh.err.toStdString();
    EXPECT_EQ(read(path("new.orv")).size(), 3u);
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    ASSERT_EQ(tool({QStringLiteral("import"), path("out.csv")}, env).status, 0);
    EXPECT_EQ(read(home.filePath(QStringLiteral("Documents/Orvane.orv"))).size(), 3u);
}

TEST_F(ToolInterchange, RecordsNotImportedAreToldOnStandardError)
{
    QByteArray csv = csvHeader() + "1;2026-05-04 08:00:00 +0000;;2026-05-04 08:00:00 +0000;;;;;;;1;0\r"
                     + "1;2026-05-04 08:00:00 +0000;;2026-05-04 08:00:00 +0000;;;;;;a;b;1;0\r";
    ASSERT_TRUE(testsupport::writeFile(path("mixed.csv"), csv));
    const ToolRun r = tool({QStringLiteral("import"), QStringLiteral("--diary"), diary, path("mixed.csv")});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.err, QByteArray("ATTENZIONE: 1 record non sono stati importati!\n"));
    EXPECT_EQ(read(diary).size(), 4u);
}

TEST_F(ToolInterchange, BadInputLeavesTheDiaryUntouched)
{
    ASSERT_TRUE(testsupport::writeFile(path("latin1.csv"), csvHeader() + "caff\xe8\r"));
    ASSERT_TRUE(testsupport::writeFile(path("header.csv"), csvHeader()));
    ASSERT_TRUE(testsupport::writeFile(path("bad.orv"), "not a diary"));
    const QByteArray before = readFile(diary);
    for (const char *name : {"latin1.csv", "header.csv", "bad.orv", "absent.csv"}) {
        for (const bool replace : {false, true}) {
            QStringList args = {QStringLiteral("import"), QStringLiteral("--diary"), diary, path(name)};
            if (replace)
                args.insert(1, QStringLiteral("--replace"));
            const ToolRun r = tool(args);
            EXPECT_EQ(r.status, 1) << name;
            EXPECT_EQ(r.err.count('\n'), 1) << name << ": " << r.err.toStdString();
            EXPECT_EQ(readFile(diary), before) << name;
        }
    }
    // An unreadable diary is never written over.
    const ToolRun r = tool({QStringLiteral("import"), QStringLiteral("--diary"), path("bad.orv"), path("header.csv")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(path("bad.orv")), QByteArray("not a diary"));
}

TEST(ToolInterchangeArguments, BadArgumentsGiveOneLineAndStatusTwo)
{
    const QList<QStringList> bad = {
        {QStringLiteral("export")},
        {QStringLiteral("export"), QStringLiteral("out.csv")},
        {QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("xls"), QStringLiteral("out.csv")},
        {QStringLiteral("export"), QStringLiteral("--format=csv")},
        {QStringLiteral("export"), QStringLiteral("--format=csv"), QStringLiteral("a.csv"), QStringLiteral("b.csv")},
        {QStringLiteral("export"), QStringLiteral("--format=csv"), QStringLiteral("--diary"), QStringLiteral("out.csv")},
        {QStringLiteral("export"), QStringLiteral("--format=csv"), QStringLiteral("--replace"), QStringLiteral("a.csv")},
        {QStringLiteral("import")},
        {QStringLiteral("import"), QStringLiteral("a.csv"), QStringLiteral("b.csv")},
        {QStringLiteral("import"), QStringLiteral("--replace=yes"), QStringLiteral("a.csv")},
        {QStringLiteral("import"), QStringLiteral("--diary="), QStringLiteral("a.csv")},
        {QStringLiteral("import"), QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("a.csv")},
    };
    for (const QStringList &args : bad) {
        const ToolRun r = tool(args);
        const std::string shown = args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_EQ(r.err.count('\n'), 1) << shown << ": " << r.err.toStdString();
    }
}

} // namespace
