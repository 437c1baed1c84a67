#include "interchange/CsvLayouts.h"
#include "interchange/Interchange.h"
#include "interchange/InterchangeTesting.h"
#include "model/KeyedArchive.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include <sys/stat.h>

using namespace interchangetesting;
using Interchange::ImportResult;
using Kind = ZRExport::Kind;
using Outcome = ImportResult::Outcome;

namespace {

const QStringList kMeals = {"POPUP_MEAL_SELECT",  "POPUP_MEAL_BREAKFAST", "POPUP_MEAL_LUNCH",      "POPUP_MEAL_DINNER",
                            "POPUP_MEAL_CONTROL", "POPUP_MEAL_BASAL",     "POPUP_MEAL_CORRECTION", QString()};
const QStringList kInsulins = {"POPUP_INSULIN_SELECT", "POPUP_INSULIN_SLOW",  "POPUP_INSULIN_NORMAL",
                               "POPUP_INSULIN_QUICK",  "POPUP_INSULIN_MIXED", QString()};
const QStringList kNotes = {QString(), "caffè ☕ e 😀 \"quoted\"\tx", "two\nlines", "a;b", "cr\r\nlf",
                            QString(3000, QChar(0x4e2d))};

// A varied diary, newest measurement first, as the program keeps it;
// without the hours around Rome's clock changes, whose wall-clock times
// are ambiguous in the old layout.
CardList variedDiary(int n)
{
    const auto offset = [](double t) {
        return kRome.offsetFromUtc(QDateTime::fromSecsSinceEpoch(qint64(t + 978307200.0), Qt::UTC));
    };
    std::mt19937 rng(7);
    CardList cards;
    for (int i = 0; i < n; ++i) {
        const double t = at(2025, 12, 1) - i * 7919.37;
        const auto r = uint32_t(rng()), s = uint32_t(rng());
        if (offset(t - 7200) == offset(t + 93600)) // the day after: the editing date
            cards.push_back(std::make_shared<ZRGlycemicCard>(
                0, t + 12.5, i % 3 ? CardDate() : CardDate(t + 86400.25), t, r & 1, r & 2, r & 4, kMeals[(r >> 3) % 8],
                i % 5 == 4 ? CardText() : kInsulins[(r >> 6) % 6], i % 4 == 3 ? CardText() : kNotes[(r >> 9) % 6],
                float(s % 60000) / 100.0f - 10.0f, i % 7 == 0 ? 1e9f : float((s >> 16) % 400) / 8.0f));
    }
    return cards;
}

// What a text becomes in a CSV field.
QString written(const CardText &t)
{
    return t.value_or(QString()).replace(u';', u',').replace(u'\r', u'\n');
}

// The default layout keeps everything but identifiers and fractions of a
// second, and values to six decimals. The old one loses seconds and
// fractions, writes no value of 0 or below, reads no meal chosen as a
// control after the meal, other meals outside its table as no meal and
// insulins outside it as none.
TEST(RoundTrip, EachLayoutLosesOnlyWhatItCannotHold)
{
    const CardList diary = variedDiary(400);
    const QStringList keptMeals = {kMeals[1], kMeals[2], kMeals[3], kMeals[4], kMeals[6]};
    const QStringList keptInsulins = kInsulins.mid(1, 3);
    const auto sixDecimals = [](float v) { return QString::asprintf("%.6f", double(v)); };
    for (const bool old : {false, true}) {
        const Kind kind = old ? Kind::OrvaneREALStudioCSV : Kind::OrvaneCSV;
        const ImportResult r = Interchange::importCsv(Interchange::exportBytes(diary, kind, kRome), {}, true, kRome,
                                                      at(2026, 3, 1));
        ASSERT_EQ(r.outcome, Outcome::Imported) << r.message.toStdString();
        EXPECT_EQ(r.notImported, 0u);
        ASSERT_EQ(r.newDiary.size(), diary.size());
        const double unit = old ? 60 : 1;
        const auto floored = [&](const CardDate &d) { return d ? CardDate(std::floor(*d / unit) * unit) : d; };
        const auto kept = [&](float v) { return sixDecimals(!old ? v : v > 0 ? std::trunc(v) : 0.0f); };
        for (size_t i = 0; i < diary.size(); ++i) {
            const ZRGlycemicCard &a = *diary[i], &b = *r.newDiary[i];
            SCOPED_TRACE(testing::Message() << (old ? "old " : "default ") << i);
            const QString meal = a.nameMeal().value_or(QString()), insulin = a.nameInsulin().value_or(QString());
            EXPECT_EQ(b.idCard(), diary.size() - i);
            EXPECT_EQ(std::tuple(b.dateCreation(), b.dateEditing(), b.dateMeasurement()),
                      std::tuple(floored(a.dateCreation()), floored(a.dateEditing()), floored(a.dateMeasurement())));
            EXPECT_EQ(std::pair(sixDecimals(b.glycemiaValue()), sixDecimals(b.unitValue())),
                      std::pair(kept(a.glycemiaValue()), kept(a.unitValue())));
            EXPECT_EQ(std::tuple(b.isProtect(), b.isTherapy(), b.isPreMeal()),
                      std::tuple(a.isProtect(), a.isTherapy(), a.isPreMeal() && !(old && meal == kMeals[0])));
            EXPECT_EQ(b.notes(), written(a.notes()));
            const QString oldMeal = meal == kMeals[0] ? kMeals[4] : keptMeals.contains(meal) ? meal : QString();
            EXPECT_EQ(b.nameMeal(), old ? oldMeal : written(a.nameMeal()));
            const QString oldInsulin = keptInsulins.contains(insulin) ? insulin : QString();
            EXPECT_EQ(b.nameInsulin(), old ? oldInsulin : written(a.nameInsulin()));
        }
    }
}

// A diary of two cards, numbered 20 and 10.
class ImportFile : public ::testing::Test
{
protected:
    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(testsupport::writeFile(path, bytes));
        return path;
    }
    static std::vector<uint64_t> ids(const CardList &cards)
    {
        std::vector<uint64_t> out;
        for (const CardRef &c : cards)
            out.push_back(c->idCard());
        return out;
    }
    // Nothing imported: the diary given back as it was, not a number changed.
    void expectUntouched(const ImportResult &r)
    {
        EXPECT_FALSE(r.imported());
        EXPECT_FALSE(r.message.isEmpty());
        EXPECT_EQ(r.newDiary, diary);
        EXPECT_EQ(ids(diary), (std::vector<uint64_t>{20, 10}));
    }

    QTemporaryDir dir;
    const CardList diary = {card(at(2020, 1, 2), at(2020, 1, 2), {}, 20), card(at(2020, 1, 1), at(2020, 1, 1), {}, 10)};
};

TEST_F(ImportFile, CsvJoinsWithoutADuplicateCheckAndRenumbersCopies)
{
    // A byte-order mark is skipped; blank lines are not records; records
    // that do not read are counted beside the cards taken.
    const QByteArray csv = Interchange::exportBytes(diary, Kind::OrvaneCSV);
    const QString path = file("same.csv", "\xef\xbb\xbf" + csv + "1;;;;;;;;;;1;1\r\r  \r1;x;;y;;;;;;a;b;1;1\r");
    const ImportResult joined = Interchange::importFile(path, diary, false);
    ASSERT_TRUE(joined.imported()) << joined.message.toStdString();
    EXPECT_EQ(joined.added, 2u);
    EXPECT_EQ(joined.warning(), QStringLiteral("ATTENZIONE: 2 record non sono stati importati!"));
    // The diary's cards come first and are renumbered 4, 3, the file's 2, 1;
    // then the diary is sorted. The caller's cards keep their numbers.
    EXPECT_EQ(ids(joined.newDiary), (std::vector<uint64_t>{4, 2, 3, 1}));
    EXPECT_EQ(ids(diary), (std::vector<uint64_t>{20, 10}));
    const ImportResult replaced = Interchange::importFile(path, diary, true);
    ASSERT_TRUE(replaced.imported());
    EXPECT_EQ(ids(replaced.newDiary), (std::vector<uint64_t>{2, 1}));
}

// Joining a diary file at a given moment: a card of the diary dated after
// it (here in 2021, the import in 2020) does not count as the latest.
TEST_F(ImportFile, DiaryFileJoinsAsOfTheMomentOfTheImport)
{
    CardList withAhead = diary;
    withAhead.push_back(card(at(2021, 1, 1), at(2021, 1, 1), {}, 30));
    const QString path = file("new.orv", KeyedArchive::encodeDiary({card(at(2020, 1, 3), at(2020, 1, 3), {}, 5)}));
    const ImportResult joined = Interchange::importFile(path, withAhead, false, kRome, at(2020, 1, 4));
    ASSERT_TRUE(joined.imported()) << joined.message.toStdString();
    EXPECT_EQ(joined.added, 1u);
}

// Whatever the file, when nothing comes of it the diary stays as it was,
// also when the user chose to replace it.
TEST_F(ImportFile, NothingImportedLeavesTheDiaryAsItWas)
{
    const QByteArray header = CsvLayouts::returnPropertyNameListDefault().toUtf8();
    // Missing files, folders, and a pipe, which could be read for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.csv"))).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.csv")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.orv")));
    const std::tuple<const char *, std::optional<QByteArray>, Outcome> files[] = {
        {"latin1.csv", header + "1;;;;;;;;;caff\xe8;1;1\r", Outcome::NotUtf8},
        {"cut.csv", header + "1;;;;;;;;;caff\xc3", Outcome::NotUtf8},
        {"other.csv", "date,value\r2013-05-04,120\r", Outcome::NotRecognised},
        {"header.csv", header, Outcome::NothingImported},
        {"rejected.csv", header + "1;;;;;;;;;;1;1\r1;a;;b;;;;;;;1;1\r", Outcome::NothingImported},
        {"garbage.orv", "bplist00 but not really", Outcome::Unreadable},
        {"empty.orv", KeyedArchive::encodeDiary({}), Outcome::NothingImported},
        // What a file is comes from its content, whatever its name.
        {"notes.txt", header, Outcome::NothingImported}, {"upper.CSV", header, Outcome::NothingImported},
        {"diary.csv", KeyedArchive::encodeDiary({}), Outcome::NothingImported},
        {"csv", header, Outcome::NothingImported},
        {"absent.csv", {}, Outcome::Unreadable}, {"absent.orv", {}, Outcome::Unreadable},
        {"pipe.csv", {}, Outcome::Unreadable}, {"folder.csv", {}, Outcome::Unreadable},
        {"folder.orv", {}, Outcome::Unreadable}};
    for (const auto &[name, bytes, outcome] : files) {
        const QString path = bytes ? file(name, *bytes) : dir.filePath(QString::fromLatin1(name));
        for (const bool replace : {true, false}) {
            SCOPED_TRACE(std::string(name) + (replace ? " replacing" : " joining"));
            const ImportResult r = Interchange::importFile(path, diary, replace);
            EXPECT_EQ(r.outcome, outcome);
            expectUntouched(r);
        }
    }
}

TEST(Export, WritesEachKindTellsAFailureAndSuggestsAName)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(Interchange::exportDiary({}, Kind::OrvaneCSV, csv).ok);
    EXPECT_EQ(testsupport::readFile(csv), CsvLayouts::returnPropertyNameListDefault().toUtf8());
    ASSERT_TRUE(Interchange::exportDiary({}, Kind::OrvaneREALStudioCSV, csv).ok);
    EXPECT_EQ(testsupport::readFile(csv), CsvLayouts::returnPropertyNameListREALStudio().toUtf8());
    // A file where a folder is, or a folder under a file: not written, and
    // the error says why; what was there stays.
    for (const QString &bad : {dir.path(), csv + QStringLiteral("/inside.csv")}) {
        const Interchange::ExportResult r =
            Interchange::exportDiary({card(at(2020, 1, 1), at(2020, 1, 1))}, Kind::OrvaneCSV, bad);
        EXPECT_FALSE(r.ok) << bad.toStdString();
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_EQ(testsupport::readFile(csv), CsvLayouts::returnPropertyNameListREALStudio().toUtf8());
    // Suggested names are on the wall clock, to the minute.
    EXPECT_EQ(ZRExport::suggestedFileName(Kind::OrvaneORV, at(2013, 12, 31, 23, 59, 59, kRome), QTimeZone::utc()),
              QStringLiteral("Orvane 2013.12.31 22.59.orv"));
}

} // namespace
