#include "interchange/CsvLayouts.h"
#include "interchange/Interchange.h"
#include "interchange/InterchangeTesting.h"
#include "model/DiaryFile.h"
#include "model/KeyedArchive.h"
#include "model/ZRImport.h"
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
using testsupport::fixturePath;
using testsupport::writeFile;

namespace {

const QString kMeals[] = {QStringLiteral("POPUP_MEAL_SELECT"),    QStringLiteral("POPUP_MEAL_BREAKFAST"),
                          QStringLiteral("POPUP_MEAL_LUNCH"),     QStringLiteral("POPUP_MEAL_DINNER"),
                          QStringLiteral("POPUP_MEAL_CONTROL"),   QStringLiteral("POPUP_MEAL_BASAL"),
                          QStringLiteral("POPUP_MEAL_CORRECTION"), QString()};
const QString kInsulins[] = {QStringLiteral("POPUP_INSULIN_SELECT"), QStringLiteral("POPUP_INSULIN_SLOW"),
                             QStringLiteral("POPUP_INSULIN_NORMAL"), QStringLiteral("POPUP_INSULIN_QUICK"),
                             QStringLiteral("POPUP_INSULIN_MIXED"),  QString()};
const QString kNotes[] = {QString(), QStringLiteral("fasting"), QStringLiteral("caffè ☕ e 😀 \"quoted\"\tx"),
                          QStringLiteral("two\nlines"), QStringLiteral("a;b"), QStringLiteral("cr\r\nlf"),
                          QString(3000, QChar(0x4e2d))};

// A varied diary, newest measurement first, as the program keeps it.
CardList variedDiary(int n)
{
    std::mt19937 rng(7);
    CardList cards;
    for (int i = 0; i < n; ++i) {
        const double measured = at(2025, 12, 1) - i * 7919.37;
        auto c = std::make_shared<ZRGlycemicCard>();
        c->setIdCard(uint64_t(i) * 3 + 1);
        c->setDateMeasurement(measured);
        c->setDateCreation(measured + 12.5);
        if (i % 3 == 0)
            c->setDateEditing(measured + 86400.25);
        c->setIsProtect(rng() % 2);
        c->setIsPreMeal(rng() % 2);
        c->setIsTherapy(rng() % 2);
        c->setNameMeal(kMeals[rng() % 8]);
        if (i % 5 != 4)
            c->setNameInsulin(kInsulins[rng() % 6]);
        if (i % 4 != 3)
            c->setNotes(kNotes[rng() % 7]);
        c->setGlycemiaValue(float(rng() % 60000) / 100.0f - 10.0f);
        c->setUnitValue(i % 7 == 0 ? 1e9f : float(rng() % 400) / 8.0f);
        cards.push_back(c);
    }
    return cards;
}

// What a text becomes in a CSV field.
QString written(const CardText &t)
{
    return t.value_or(QString()).replace(u';', u',').replace(u'\r', u'\n');
}

CardDate floored(const CardDate &d, double unit)
{
    if (!d)
        return std::nullopt;
    return std::floor(*d / unit) * unit;
}

QString sixDecimals(float v)
{
    return QString::asprintf("%.6f", double(v));
}

// Near a change of Rome's clocks the wall-clock time of the old layout is
// ambiguous; such dates are kept out of its round trip.
bool nearClockChange(const CardDate &d)
{
    if (!d)
        return false;
    const auto offset = [](double t) {
        return rome().offsetFromUtc(QDateTime::fromSecsSinceEpoch(qint64(t + 978307200.0), Qt::UTC));
    };
    return offset(*d - 7200) != offset(*d + 7200);
}

TEST(RoundTrip, DefaultLayoutKeepsEverythingButIdentifiersAndFractions)
{
    const CardList diary = variedDiary(600);
    const ImportResult r =
        Interchange::importCsv(Interchange::exportBytes(diary, ZRExport::Kind::OrvaneCSV), {}, true, rome());
    ASSERT_EQ(r.outcome, Outcome::Imported) << r.message.toStdString();
    EXPECT_EQ(r.notImported, 0u);
    ASSERT_EQ(r.newDiary.size(), diary.size());
    for (size_t i = 0; i < diary.size(); ++i) {
        const ZRGlycemicCard &a = *diary[i];
        const ZRGlycemicCard &b = *r.newDiary[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(b.idCard(), diary.size() - i);
        EXPECT_EQ(b.dateCreation(), floored(a.dateCreation(), 1));
        EXPECT_EQ(b.dateEditing(), floored(a.dateEditing(), 1));
        EXPECT_EQ(b.dateMeasurement(), floored(a.dateMeasurement(), 1));
        EXPECT_EQ(b.isProtect(), a.isProtect());
        EXPECT_EQ(b.isPreMeal(), a.isPreMeal());
        EXPECT_EQ(b.isTherapy(), a.isTherapy());
        EXPECT_EQ(b.nameMeal(), written(a.nameMeal()));
        EXPECT_EQ(b.nameInsulin(), written(a.nameInsulin()));
        EXPECT_EQ(b.notes(), written(a.notes()));
        EXPECT_EQ(sixDecimals(b.glycemiaValue()), sixDecimals(a.glycemiaValue()));
        EXPECT_EQ(sixDecimals(b.unitValue()), sixDecimals(a.unitValue()));
    }
}

TEST(RoundTrip, REALStudioLayoutLosesOnlyWhatItCannotHold)
{
    CardList diary;
    for (const CardRef &c : variedDiary(600)) {
        if (!nearClockChange(c->dateCreation()) && !nearClockChange(c->dateEditing())
            && !nearClockChange(c->dateMeasurement()))
            diary.push_back(c);
    }
    const QByteArray text = Interchange::exportBytes(diary, ZRExport::Kind::OrvaneREALStudioCSV, rome());
    const ImportResult r = Interchange::importCsv(text, {}, true, rome(), at(2026, 3, 1));
    ASSERT_EQ(r.outcome, Outcome::Imported) << r.message.toStdString();
    EXPECT_EQ(r.notImported, 0u);
    ASSERT_EQ(r.newDiary.size(), diary.size());
    const QStringList keptMeals = {kMeals[1], kMeals[2], kMeals[3], kMeals[4], kMeals[6]};
    const QStringList keptInsulins = {kInsulins[1], kInsulins[2], kInsulins[3]};
    for (size_t i = 0; i < diary.size(); ++i) {
        const ZRGlycemicCard &a = *diary[i];
        const ZRGlycemicCard &b = *r.newDiary[i];
        SCOPED_TRACE(i);
        // Dates lose their seconds; whole values their fractions; values of
        // 0 or below are not written.
        EXPECT_EQ(b.dateCreation(), floored(a.dateCreation(), 60));
        EXPECT_EQ(b.dateEditing(), floored(a.dateEditing(), 60));
        EXPECT_EQ(b.dateMeasurement(), floored(a.dateMeasurement(), 60));
        EXPECT_EQ(b.glycemiaValue(), a.glycemiaValue() > 0 ? std::trunc(a.glycemiaValue()) : 0.0f);
        EXPECT_EQ(b.unitValue(), a.unitValue() > 0 ? std::trunc(a.unitValue()) : 0.0f);
        EXPECT_EQ(b.isProtect(), a.isProtect());
        EXPECT_EQ(b.isTherapy(), a.isTherapy());
        EXPECT_EQ(b.notes(), written(a.notes()));
        // No meal chosen reads as a control after the meal; meals outside
        // the table as no meal; insulins outside it as none.
        const QString meal = a.nameMeal().value_or(QString());
        if (meal == kMeals[0]) {
            EXPECT_EQ(b.nameMeal(), kMeals[4]);
            EXPECT_FALSE(b.isPreMeal());
        } else {
            EXPECT_EQ(b.nameMeal(), keptMeals.contains(meal) ? meal : QString());
            EXPECT_EQ(b.isPreMeal(), a.isPreMeal());
        }
        const QString insulin = a.nameInsulin().value_or(QString());
        EXPECT_EQ(b.nameInsulin(), keptInsulins.contains(insulin) ? insulin : QString());
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
    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }
    QByteArray csvOf(const CardList &cards) { return Interchange::exportBytes(cards, ZRExport::Kind::OrvaneCSV); }
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
    const QString path = file(QStringLiteral("same.csv"), csvOf(diary));
    const ImportResult joined = Interchange::importFile(path, diary, false);
    ASSERT_TRUE(joined.imported()) << joined.message.toStdString();
    EXPECT_EQ(joined.added, 2u);
    ASSERT_EQ(joined.newDiary.size(), 4u);
    // The diary's cards come first and are renumbered 4, 3, the file's 2, 1;
    // then the diary is sorted. The caller's cards keep their numbers.
    std::vector<uint64_t> ids;
    for (const CardRef &c : joined.newDiary)
        ids.push_back(c->idCard());
    EXPECT_EQ(ids, (std::vector<uint64_t>{4, 2, 3, 1}));
    EXPECT_EQ(diary[0]->idCard(), 20u);
    EXPECT_TRUE(joined.warning().isEmpty());

    const ImportResult replaced = Interchange::importFile(path, diary, true);
    ASSERT_TRUE(replaced.imported());
    ASSERT_EQ(replaced.newDiary.size(), 2u);
    EXPECT_EQ(replaced.newDiary[0]->idCard(), 2u);
}

TEST_F(ImportFile, DiaryFileReplacesOrMerges)
{
    QString error;
    CardList stored = *DiaryFile::read(fixturePath(QStringLiteral("diary.orv")), &error);
    const ImportResult replaced = Interchange::importFile(fixturePath(QStringLiteral("diary.orv")), diary, true);
    ASSERT_TRUE(replaced.imported()) << replaced.message.toStdString();
    ZRImport::sortForMeasuramentDateArray(&stored);
    EXPECT_EQ(testsupport::expectedText(replaced.newDiary), testsupport::expectedText(stored));

    // A copy of the diary's own file adds nothing, and says so.
    diary[1]->setDateEditing(at(2020, 1, 5));
    const QString own = dir.filePath(QStringLiteral("own.orv"));
    CardList copy = diary;
    ASSERT_TRUE(DiaryFile::save(own, copy).ok);
    expectUntouched(Interchange::importFile(own, diary, false));
    EXPECT_EQ(Interchange::importFile(own, diary, false).outcome, Outcome::NothingImported);

    // One card edited since: only that one comes in.
    auto edited = std::make_shared<ZRGlycemicCard>(*diary[0]);
    edited->setDateEditing(at(2020, 1, 6));
    const QString newer = dir.filePath(QStringLiteral("newer.orv"));
    CardList newerCards = {edited, diary[1]};
    ASSERT_TRUE(DiaryFile::save(newer, newerCards).ok);
    const ImportResult merged = Interchange::importFile(newer, diary, false);
    ASSERT_TRUE(merged.imported());
    EXPECT_EQ(merged.added, 1u);
    EXPECT_EQ(merged.newDiary.size(), 3u);
}

struct BadFile {
    const char *name;
    QByteArray bytes;
    Outcome outcome;
};

// Whatever the file, when nothing comes of it the diary stays as it was,
// also when the user chose to replace it.
TEST_F(ImportFile, NothingImportedLeavesTheDiaryAsItWas)
{
    const QByteArray header = CsvLayouts::returnPropertyNameListDefault().toUtf8();
    const BadFile files[] = {
        {"latin1.csv", header + "1;2013-05-04 08:00:00 +0000;;2013-05-04 08:00:00 +0000;;;;caff\xe8;;;1;1\r",
         Outcome::NotUtf8},
        {"cut.csv", header + "1;;;;;;;;;caff\xc3", Outcome::NotUtf8},
        {"surrogate.csv", header + "\xed\xa0\x80\r", Outcome::NotUtf8},
        {"other.csv", "date,value\r2013-05-04,120\r", Outcome::NotRecognised},
        {"empty.csv", "", Outcome::NotRecognised},
        {"header.csv", header, Outcome::NothingImported},
        {"rejected.csv", header + "1;;;;;;;;;;1;1\r1;a;;b;;;;;;;1;1\r", Outcome::NothingImported},
        {"garbage.orv", "bplist00 but not really", Outcome::Unreadable},
        {"empty.orv", KeyedArchive::encodeDiary({}), Outcome::NothingImported},
        {"notes.txt", header, Outcome::NotImportable},
        {"upper.CSV", header, Outcome::NotImportable},
        {"csv", header, Outcome::NothingImported}, // the whole name is the extension
    };
    for (const BadFile &f : files) {
        SCOPED_TRACE(f.name);
        const QString path = file(QString::fromLatin1(f.name), f.bytes);
        for (const bool replace : {true, false}) {
            const ImportResult r = Interchange::importFile(path, diary, replace);
            EXPECT_EQ(r.outcome, f.outcome);
            expectUntouched(r);
        }
    }
    EXPECT_EQ(Interchange::importFile(fixturePath(QStringLiteral("broken-wrapped-references.orv")), diary, true).outcome,
              Outcome::Unreadable);
    // A pipe could be read for ever.
    const QString fifo = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {dir.filePath(QStringLiteral("absent.csv")), dir.filePath(QStringLiteral("absent.orv")),
                                fifo}) {
        const ImportResult r = Interchange::importFile(path, diary, true);
        EXPECT_EQ(r.outcome, Outcome::Unreadable) << path.toStdString();
        expectUntouched(r);
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.csv")));
    expectUntouched(Interchange::importFile(dir.filePath(QStringLiteral("folder.csv")), diary, true));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.orv")));
    expectUntouched(Interchange::importFile(dir.filePath(QStringLiteral("folder.orv")), diary, true));
}

TEST_F(ImportFile, RejectedRecordsAreCountedBesideTheImportedOnes)
{
    CardList cards = {card(at(2021, 1, 1), at(2021, 1, 1))};
    cards[0]->setNotes(QStringLiteral("with ; and \r inside"));
    QByteArray bytes = "\xef\xbb\xbf" + csvOf(cards) + "1;;;;;;;;;;1;1\r\r  \r1;x;;y;;;;;;a;b;1;1\r";
    const ImportResult r = Interchange::importFile(file(QStringLiteral("mixed.csv"), bytes), diary, false);
    ASSERT_TRUE(r.imported()) << r.message.toStdString();
    EXPECT_EQ(r.added, 1u);
    EXPECT_EQ(r.notImported, 2u);
    EXPECT_EQ(r.warning(), QStringLiteral("ATTENZIONE: 2 record non sono stati importati!"));
    EXPECT_EQ(r.newDiary.front()->notes(), QStringLiteral("with , and \n inside"));
}

TEST(Export, WritesEachKindAndTellsAFailure)
{
    QTemporaryDir dir;
    const CardList diary = variedDiary(20);
    const QString orv = dir.filePath(QStringLiteral("out.orv"));
    ASSERT_TRUE(Interchange::exportDiary(diary, ZRExport::Kind::OrvaneORV, orv).ok);
    QString error;
    const auto back = DiaryFile::read(orv, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(testsupport::expectedText(*back), testsupport::expectedText(diary));

    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(Interchange::exportDiary({}, ZRExport::Kind::OrvaneCSV, csv).ok);
    EXPECT_EQ(testsupport::readFile(csv), QByteArray("idCard;dateCreation;dateEditing;dateMeasurement;isProtect;"
                                                     "isPreMeal;isTherapy;nameMeal;nameInsulin;notes;glycemiaValue;"
                                                     "unitValue\r"));
    ASSERT_TRUE(Interchange::exportDiary({}, ZRExport::Kind::OrvaneREALStudioCSV, csv).ok);
    EXPECT_TRUE(testsupport::readFile(csv).startsWith("dataCreazione;"));

    // A file where a folder is, or a folder under a file: not written, and
    // the error says why; what was there stays.
    for (const QString &bad : {dir.path(), csv + QStringLiteral("/inside.csv")}) {
        const Interchange::ExportResult r = Interchange::exportDiary(diary, ZRExport::Kind::OrvaneCSV, bad);
        EXPECT_FALSE(r.ok) << bad.toStdString();
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_TRUE(testsupport::readFile(csv).startsWith("dataCreazione;"));
}

TEST(Export, SuggestedNames)
{
    const double morning = at(2013, 5, 4, 9, 7, 30, rome());
    EXPECT_EQ(ZRExport::suggestedFileName(ZRExport::Kind::OrvaneORV, morning, rome()),
              QStringLiteral("Orvane 2013.05.04 09.07.orv"));
    EXPECT_EQ(ZRExport::suggestedFileName(ZRExport::Kind::OrvaneCSV, morning, rome()),
              QStringLiteral("Orvane 2013.05.04 09.07.csv"));
    EXPECT_EQ(ZRExport::suggestedFileName(ZRExport::Kind::OrvaneREALStudioCSV, morning, rome()),
              QStringLiteral("Orvane Old 2013.05.04 09.07.csv"));
    EXPECT_EQ(ZRExport::suggestedFileName(ZRExport::Kind::OrvaneCSV, at(2013, 12, 31, 23, 59, 59, rome()), rome()),
              QStringLiteral("Orvane 2013.12.31 23.59.csv"));
    // The same instant in UTC is two hours earlier.
    EXPECT_EQ(ZRExport::suggestedFileName(ZRExport::Kind::OrvaneCSV, morning, QTimeZone::utc()),
              QStringLiteral("Orvane 2013.05.04 07.07.csv"));
}

} // namespace
