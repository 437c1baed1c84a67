#include "interchange/CsvLayouts.h"
#include "interchange/CsvLines.h"
#include "interchange/InterchangeTesting.h"
#include "model/ZRImport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace interchangetesting;

namespace {

const QString kDefaultHeader = CsvLayouts::returnPropertyNameListDefault();
const QString kOldHeader = CsvLayouts::returnPropertyNameListREALStudio();
const QString kDate = QStringLiteral("2013-05-04 08:00:00 +0000");

int layoutOf(const QString &text)
{
    const CsvLines l(text);
    return ZRImport::defineCSVTypeWithStreamText(&l);
}

TEST(CsvLines, SplitAtCarriageReturnsOnly)
{
    EXPECT_FALSE(ZRImport::convertIntoArrayStreamText(std::nullopt));
    EXPECT_EQ(ZRImport::convertIntoArrayStreamText(QString())->toStringList(), QStringList{QString()});
    EXPECT_EQ(CsvLines(QStringLiteral("a\rb\r")).toStringList(), (QStringList{"a", "b", ""}));
    EXPECT_EQ(CsvLines(QStringLiteral("a\r\nb\nc\r\n")).toStringList(), (QStringList{"a", "\nb\nc", "\n"}));
    EXPECT_EQ(CsvLines(QStringLiteral("\r\r")).size(), 3);
}

TEST(CsvDetection, ByTheHeaderLine)
{
    const int def = ZRImport::kLayoutDefault, old = ZRImport::kLayoutREALStudio, none = ZRImport::kLayoutNotRecognised;
    const std::pair<QString, int> rows[] = {
        {kDefaultHeader, def},
        {kOldHeader, old},
        {kDefaultHeader + QStringLiteral("\n"), def}, // CR LF: the line feed opens the next line
        {QStringLiteral("\nidCard;a;b;c;d;e;f;g;h;i;j;k"), def}, // the other names: any that are not empty
        {QStringLiteral("dataCreazione;a;b;c;d;e;f;g;h;i;j;k;l;m"), old},
        // Line feeds alone do not end lines: header and record are one line.
        {kDefaultHeader.chopped(1) + QStringLiteral("\n1;;;;;;;;;;0;0\n"), none},
    };
    for (const auto &[text, layout] : rows)
        EXPECT_EQ(layoutOf(text), layout) << text.toStdString();
    for (const char *text : {"", "idCard;a;b;c;d;e;f;g;h;i;;k", "idCard;a;b;c;d;e;f;g;h;i;j;",
                             "IdCard;a;b;c;d;e;f;g;h;i;j;k", " idCard;a;b;c;d;e;f;g;h;i;j;k",
                             "dataCreazione;a;b;c;d;e;f;g;h;i;j;k", "idCard;a;b;c;d;e;f;g;h;i;j;k;l;m"})
        EXPECT_EQ(layoutOf(QString::fromLatin1(text)), none) << text;
    EXPECT_EQ(ZRImport::defineCSVTypeWithStreamText(nullptr), none);
}

// Every field read is checked by the round trips; here, what the reader
// adds: an unreadable editing date is dropped, the cards read are sorted
// and appended, and the whole diary is renumbered.
TEST(CsvImport, AppendsNewestFirstAndRenumbersTheWholeDiary)
{
    CardList diary = {card(at(2020, 1, 1), at(2020, 1, 1)), card(at(2019, 1, 1), at(2019, 1, 1))};
    const CardRef first = diary[0];
    const QString text = kDefaultHeader + QStringLiteral("5;%1;garbage;%1;;;;;;;;\r").arg(kDate)
                         + QStringLiteral("99;%1;%1;2013-05-04 13:00:00 +0000;;;;;;;;\r").arg(kDate);
    const ZRImport::CsvCounts counts = ZRImport::importDefaultCSV(CsvLines(text), diary);
    EXPECT_EQ(counts.added, 2u);
    EXPECT_EQ(counts.notImported, 0u);
    ASSERT_EQ(diary.size(), 4u);
    EXPECT_EQ(diary[0], first);
    EXPECT_EQ(diary[2]->dateMeasurement(), at(2013, 5, 4, 13, 0));
    EXPECT_EQ(diary[2]->dateEditing(), at(2013, 5, 4, 8, 0));
    EXPECT_EQ(diary[3]->dateMeasurement(), at(2013, 5, 4, 8, 0));
    EXPECT_EQ(diary[3]->dateEditing(), std::nullopt);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(diary[i]->idCard(), 4 - i);

    // Nothing accepted: the diary stays exactly as it was.
    diary[0]->setIdCard(77);
    const QString rejected = kDefaultHeader + QStringLiteral("1;;;;;;;;;;1;1\r");
    EXPECT_EQ(ZRImport::importDefaultCSV(CsvLines(rejected), diary).added, 0u);
    EXPECT_EQ(diary.size(), 4u);
    EXPECT_EQ(diary[0]->idCard(), 77u);
}

// Every line that is not blank either becomes a card or is counted.
TEST(CsvImport, RecordsThatAreNotImported)
{
    const auto rec = [](const QString &created, const QString &measured, const char *tail) {
        return QStringLiteral("1;%1;;%2;;;;;;%3").arg(created, measured, QLatin1String(tail));
    };
    const std::tuple<const char *, QString, bool> rows[] = {
        {"no creation date", rec(QString(), kDate, ";120;0"), true},
        {"unreadable measurement date", rec(kDate, QStringLiteral("04/05/13"), ";120;0"), true},
        {"notes holding ;", rec(kDate, kDate, "a;b;120;0"), true},
        {"eleven fields", QStringLiteral("1;;;;;;;;;;0"), true},
        {"nan glycemia", rec(kDate, kDate, ";nan;0"), true},
        {"infinite units", rec(kDate, kDate, ";120;inf"), true},
        {"overflowing exponent", rec(kDate, kDate, ";1e39;0"), true},
        {"text as a value", rec(kDate, kDate, ";abc;0"), true},
        {"only separators", QStringLiteral(";;;;;;;;;;;"), true},
        {"blank line", QStringLiteral("   \t"), false},
        {"line feed only", QStringLiteral("\n"), false},
        {"empty line", QString(), false},
    };
    for (const auto &[what, line, counted] : rows) {
        CardList diary;
        const QString text = kDefaultHeader + line + QStringLiteral("\r") + rec(kDate, kDate, ";1;0");
        const ZRImport::CsvCounts counts = ZRImport::importDefaultCSV(CsvLines(text), diary);
        EXPECT_EQ(counts.added, 1u) << what;
        EXPECT_EQ(counts.notImported, counted ? 1u : 0u) << what;
    }
}

// Meal and insulin words, and files with CR LF line ends, which read like
// the others.
TEST(CsvImport, REALStudioRecords)
{
    QString text = kOldHeader
                   + QStringLiteral("04/05/13;13:30;05/05/13;08:00;04/05/13;13:00;1;1;Pranzo;142;;;;buono\r"
                                    "04/05/13;13:30;;;;;;;Cena;100;;;;no measurement date\r"
                                    "04/05/13;13:30;;;04/05/13;12:00;;;Cena;100;;;only thirteen fields\r"
                                    "04/05/13;07:00;;;04/05/13;07:00;;1;Merenda;;1;6.5;Lantus;\r"
                                    "04/05/13;06:00;;;04/05/13;06:00;;1;Altro;;1;4;Mista;\r"
                                    "04/05/13;05:00;;;04/05/13;05:00;;1;;;;;Seleziona;\r");
    text.replace(QStringLiteral("\r"), QStringLiteral("\r\n"));
    CardList diary;
    const ZRImport::CsvCounts counts = ZRImport::importREALStudioCSV(CsvLines(text), diary, rome(), at(2026, 6, 15));
    EXPECT_EQ(counts.added, 4u);
    EXPECT_EQ(counts.notImported, 2u);
    ASSERT_EQ(diary.size(), 4u);
    const ZRGlycemicCard expected(4, at(2013, 5, 4, 13, 30, 0, rome()), at(2013, 5, 5, 8, 0, 0, rome()),
                                  at(2013, 5, 4, 13, 0, 0, rome()), true, true, false,
                                  QStringLiteral("POPUP_MEAL_LUNCH"), QString(), QStringLiteral("buono"), 142.0f, 0.0f);
    EXPECT_TRUE(*diary[0] == expected);
    EXPECT_TRUE(diary[1]->isTherapy());
    EXPECT_EQ(diary[1]->unitValue(), 6.5f);
    // A meal word outside the table, or none, is a control after the meal
    // whatever prePasto says; "Altro" keeps the flag and gives no meal.
    const std::tuple<const char *, bool, const char *> rest[] = {{"POPUP_MEAL_CONTROL", false, "POPUP_INSULIN_SLOW"},
                                                                 {"", true, ""},
                                                                 {"POPUP_MEAL_CONTROL", false, "POPUP_INSULIN_SELECT"}};
    for (size_t i = 1; i < 4; ++i) {
        const auto &[meal, pre, insulin] = rest[i - 1];
        EXPECT_EQ(diary[i]->nameMeal(), QString::fromLatin1(meal)) << i;
        EXPECT_EQ(diary[i]->isPreMeal(), pre) << i;
        EXPECT_EQ(diary[i]->nameInsulin(), QString::fromLatin1(insulin)) << i;
    }
}

// Merging diary files: noon of a day of May 2013.
double may(int day)
{
    return at(2013, 5, day, 12, 0);
}

TEST(Merge, TakesOnlyCardsCreatedOrEditedLater)
{
    // Newest card created on 10 May, last edit on 12 May.
    CardList diary = {card(may(10), may(10)), card(may(2), may(2), may(12)), card(may(1), may(1))};
    const CardRef created11 = card(may(11), may(11));
    const CardRef edited13 = card(may(1), may(1), may(13));
    const CardList incoming = {card(may(9), may(9)), created11, card(may(3), may(10), may(12)) /* equal is not later */,
                               edited13, card(may(20), std::nullopt)};
    EXPECT_EQ(ZRImport::removeMeasuramentDuplicate(incoming, diary), 2u);
    ASSERT_EQ(diary.size(), 5u);
    EXPECT_EQ(diary[3], created11);
    EXPECT_EQ(diary[4], edited13);

    // An empty diary takes every card, dated or not.
    CardList empty;
    EXPECT_EQ(ZRImport::removeMeasuramentDuplicate(incoming, empty), 5u);
    EXPECT_EQ(empty, incoming);
}

TEST(Merge, ReferenceDates)
{
    struct Row {
        const char *what;
        CardList diary, incoming;
        size_t added;
    };
    const Row rows[] = {
        // Cards appended by the merge do not move the reference dates, and
        // the incoming cards are not compared with one another.
        {"taken once, before the merge", {card(may(10), may(10))},
         {card(may(12), may(12)), card(may(11), may(11)), card(may(12), may(12))}, 3},
        // No card of the diary was ever edited: an edit made elsewhere is
        // taken, a card never edited and created earlier is not.
        {"no editing date", {card(may(10), may(10))}, {card(may(5), may(5), may(6)), card(may(4), may(4))}, 1},
        // No creation date in the diary (a date that is not a number is
        // none): every incoming card that has one.
        {"no creation date", {card(may(9), std::nan("")), card(may(10), std::nullopt)},
         {card(may(1), may(1)), card(may(2), std::nullopt)}, 1},
    };
    for (const Row &row : rows) {
        CardList diary = row.diary;
        EXPECT_EQ(ZRImport::removeMeasuramentDuplicate(row.incoming, diary), row.added) << row.what;
    }

    const CardList cards = {card(0, std::nan(""), std::nan("")), card(0, may(3), may(8)), card(0, may(5)),
                            card(0, std::nullopt, may(7))};
    EXPECT_EQ(ZRImport::returnDateLastAdd(&cards), may(5));
    EXPECT_EQ(ZRImport::returnDateLastEdit(&cards), may(8));
    const CardList unedited = {card(0, may(3))};
    EXPECT_EQ(ZRImport::returnDateLastEdit(&unedited), std::nullopt);
    EXPECT_EQ(ZRImport::returnDateLastAdd(nullptr), std::nullopt);
}

} // namespace
