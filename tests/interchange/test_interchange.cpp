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
using Outcome = ImportResult::Outcome;

namespace {

const QString kMeals[] = {QStringLiteral("POPUP_MEAL_SELECT"),    QStringLiteral("POPUP_MEAL_BREAKFAST"),
                          QStringLiteral("POPUP_MEAL_LUNCH"),     QStringLiteral("POPUP_MEAL_DINNER"),
                          QStringLiteral("POPUP_MEAL_CONTROL"),   QStringLiteral("POPUP_MEAL_BASAL"),
                          QStringLiteral("POPUP_MEAL_CORRECTION"), QString()};
const QString kInsulins[] = {QStringLiteral("POPUP_INSULIN_SELECT"), QStringLiteral("POPUP_INSULIN_SLOW"),
                             QStringLiteral("POPUP_INSULIN_NORMAL"), QStringLiteral("POPUP_INSULIN_QUICK"),
                             QStringLiteral("POPUP_INSULIN_MIXED"),  QString()};
const QString kNotes[] = {QString(), QStringLiteral("caffè ☕ e 😀 \"quoted\"\tx"), QStringLiteral("two\nlines"),
                          QStringLiteral("a;b"), QStringLiteral("cr\r\nlf"), QString(3000, QChar(0x4e2d))};

// A varied diary, newest measurement first, as the program keeps it;
// without the hours around Rome's clock changes, whose wall-clock times
// are ambiguous in the old layout.
CardList variedDiary(int n)
{
    const auto offset = [](double t) {
        return rome().offsetFromUtc(QDateTime::fromSecsSinceEpoch(qint64(t + 978307200.0), Qt::UTC));
    };
    std::mt19937 rng(7);
    CardList cards;
    for (int i = 0; i < n; ++i) {
        const double t = at(2025, 12, 1) - i * 7919.37;
        const uint32_t r = rng(), s = rng();
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
    const QStringList keptInsulins = {kInsulins[1], kInsulins[2], kInsulins[3]};
    for (const bool old : {false, true}) {
        const QByteArray text = Interchange::exportBytes(
            diary, old ? ZRExport::Kind::OrvaneREALStudioCSV : ZRExport::Kind::OrvaneCSV, rome());
        const ImportResult r = Interchange::importCsv(text, {}, true, rome(), at(2026, 3, 1));
        ASSERT_EQ(r.outcome, Outcome::Imported) << r.message.toStdString();
        EXPECT_EQ(r.notImported, 0u);
        ASSERT_EQ(r.newDiary.size(), diary.size());
        const double unit = old ? 60 : 1;
        const auto floored = [&](const CardDate &d) { return d ? CardDate(std::floor(*d / unit) * unit) : d; };
        const auto kept = [&](float v) { return !old ? v : v > 0 ? std::trunc(v) : 0.0f; };
        const auto sixDecimals = [](float v) { return QString::asprintf("%.6f", double(v)); };
        for (size_t i = 0; i < diary.size(); ++i) {
            const ZRGlycemicCard &a = *diary[i];
            const ZRGlycemicCard &b = *r.newDiary[i];
            SCOPED_TRACE(testing::Message() << (old ? "old " : "default ") << i);
            EXPECT_EQ(b.idCard(), diary.size() - i);
            EXPECT_EQ(b.dateCreation(), floored(a.dateCreation()));
            EXPECT_EQ(b.dateEditing(), floored(a.dateEditing()));
            EXPECT_EQ(b.dateMeasurement(), floored(a.dateMeasurement()));
            EXPECT_EQ(sixDecimals(b.glycemiaValue()), sixDecimals(kept(a.glycemiaValue())));
            EXPECT_EQ(sixDecimals(b.unitValue()), sixDecimals(kept(a.unitValue())));
            EXPECT_EQ(std::pair(b.isProtect(), b.isTherapy()), std::pair(a.isProtect(), a.isTherapy()));
            EXPECT_EQ(b.notes(), written(a.notes()));
            const QString meal = a.nameMeal().value_or(QString());
            const QString insulin = a.nameInsulin().value_or(QString());
            if (!old) {
                EXPECT_EQ(b.isPreMeal(), a.isPreMeal());
                EXPECT_EQ(b.nameMeal(), written(a.nameMeal()));
                EXPECT_EQ(b.nameInsulin(), written(a.nameInsulin()));
                continue;
            }
            EXPECT_EQ(b.nameMeal(), meal == kMeals[0] ? kMeals[4] : keptMeals.contains(meal) ? meal : QString());
            EXPECT_EQ(b.isPreMeal(), meal != kMeals[0] && a.isPreMeal());
            EXPECT_EQ(b.nameInsulin(), keptInsulins.contains(insulin) ? insulin : QString());
        }
    }
}

class ImportFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        diary = {card(at(2020, 1, 2), at(2020, 1, 2)), card(at(2020, 1, 1), at(2020, 1, 1))};
        diary[0]->setIdCard(20);
        diary[1]->setIdCard(10);
    }
    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(testsupport::writeFile(path, bytes));
        return path;
    }
    void expectUntouched(const ImportResult &r)
    {
        EXPECT_FALSE(r.imported());
        EXPECT_FALSE(r.message.isEmpty());
        EXPECT_EQ(r.newDiary, diary);
        EXPECT_EQ(diary[0]->idCard(), 20u);
        EXPECT_EQ(diary[1]->idCard(), 10u);
    }

    QTemporaryDir dir;
    CardList diary;
};

TEST_F(ImportFile, CsvJoinsWithoutADuplicateCheckAndRenumbersCopies)
{
    // A byte-order mark is skipped; blank lines are not records; records
    // that do not read are counted beside the cards taken.
    const QByteArray csv = Interchange::exportBytes(diary, ZRExport::Kind::OrvaneCSV);
    const QString path = file("same.csv", "\xef\xbb\xbf" + csv + "1;;;;;;;;;;1;1\r\r  \r1;x;;y;;;;;;a;b;1;1\r");
    const ImportResult joined = Interchange::importFile(path, diary, false);
    ASSERT_TRUE(joined.imported()) << joined.message.toStdString();
    EXPECT_EQ(joined.added, 2u);
    EXPECT_EQ(joined.warning(), QStringLiteral("ATTENZIONE: 2 record non sono stati importati!"));
    // The diary's cards come first and are renumbered 4, 3, the file's 2, 1;
    // then the diary is sorted. The caller's cards keep their numbers.
    std::vector<uint64_t> ids;
    for (const CardRef &c : joined.newDiary)
        ids.push_back(c->idCard());
    EXPECT_EQ(ids, (std::vector<uint64_t>{4, 2, 3, 1}));
    EXPECT_EQ(diary[0]->idCard(), 20u);

    const ImportResult replaced = Interchange::importFile(path, diary, true);
    ASSERT_TRUE(replaced.imported());
    ASSERT_EQ(replaced.newDiary.size(), 2u);
    EXPECT_EQ(replaced.newDiary[0]->idCard(), 2u);
}

// Whatever the file, when nothing comes of it the diary stays as it was,
// also when the user chose to replace it.
TEST_F(ImportFile, NothingImportedLeavesTheDiaryAsItWas)
{
    const QByteArray header = CsvLayouts::returnPropertyNameListDefault().toUtf8();
    const std::tuple<const char *, QByteArray, Outcome> files[] = {
        {"latin1.csv", header + "1;;;;;;;;;caff\xe8;1;1\r", Outcome::NotUtf8},
        {"cut.csv", header + "1;;;;;;;;;caff\xc3", Outcome::NotUtf8},
        {"other.csv", "date,value\r2013-05-04,120\r", Outcome::NotRecognised},
        {"header.csv", header, Outcome::NothingImported},
        {"rejected.csv", header + "1;;;;;;;;;;1;1\r1;a;;b;;;;;;;1;1\r", Outcome::NothingImported},
        {"garbage.orv", "bplist00 but not really", Outcome::Unreadable},
        {"empty.orv", KeyedArchive::encodeDiary({}), Outcome::NothingImported},
        {"notes.txt", header, Outcome::NotImportable},
        {"upper.CSV", header, Outcome::NotImportable},
        {"csv", header, Outcome::NothingImported}, // the whole name is the extension
    };
    for (const auto &[name, bytes, outcome] : files) {
        const QString path = file(name, bytes);
        for (const bool replace : {true, false}) {
            SCOPED_TRACE(std::string(name) + (replace ? " replacing" : " joining"));
            const ImportResult r = Interchange::importFile(path, diary, replace);
            EXPECT_EQ(r.outcome, outcome);
            expectUntouched(r);
        }
    }
    // Missing files, folders, and a pipe, which could be read for ever.
    const QString fifo = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.csv")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.orv")));
    for (const char *name : {"absent.csv", "absent.orv", "pipe.csv", "folder.csv", "folder.orv"}) {
        const ImportResult r = Interchange::importFile(dir.filePath(QString::fromLatin1(name)), diary, true);
        EXPECT_EQ(r.outcome, Outcome::Unreadable) << name;
        expectUntouched(r);
    }
}

TEST(Export, WritesEachKindAndTellsAFailure)
{
    QTemporaryDir dir;
    const CardList diary = {card(at(2020, 1, 1), at(2020, 1, 1))};
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(Interchange::exportDiary({}, ZRExport::Kind::OrvaneCSV, csv).ok);
    EXPECT_EQ(testsupport::readFile(csv), CsvLayouts::returnPropertyNameListDefault().toUtf8());
    ASSERT_TRUE(Interchange::exportDiary({}, ZRExport::Kind::OrvaneREALStudioCSV, csv).ok);
    EXPECT_EQ(testsupport::readFile(csv), CsvLayouts::returnPropertyNameListREALStudio().toUtf8());

    // A file where a folder is, or a folder under a file: not written, and
    // the error says why; what was there stays.
    for (const QString &bad : {dir.path(), csv + QStringLiteral("/inside.csv")}) {
        const Interchange::ExportResult r = Interchange::exportDiary(diary, ZRExport::Kind::OrvaneCSV, bad);
        EXPECT_FALSE(r.ok) << bad.toStdString();
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_EQ(testsupport::readFile(csv), CsvLayouts::returnPropertyNameListREALStudio().toUtf8());
}

TEST(Export, SuggestedNamesAreOnTheWallClockToTheMinute)
{
    const double lastSecond = at(2013, 12, 31, 23, 59, 59, rome());
    EXPECT_EQ(ZRExport::suggestedFileName(ZRExport::Kind::OrvaneORV, lastSecond, QTimeZone::utc()),
              QStringLiteral("Orvane 2013.12.31 22.59.orv"));
}

} // namespace
