#include "interchange/CsvLayouts.h"
#include "interchange/CsvLines.h"
#include "interchange/Interchange.h"
#include "interchange/InterchangeTesting.h"
#include "interchange/ZRImportCsv.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace interchangetesting;

namespace {

const QString kDefaultHeader = CsvLayouts::returnPropertyNameListDefault();
const QString kDate = QStringLiteral("2013-05-04 08:00:00 +0000");

TEST(CsvDetection, ByTheHeaderLine)
{
    const int def = ZRImport::kLayoutDefault, old = ZRImport::kLayoutREALStudio, none = ZRImport::kLayoutNotRecognised;
    const std::pair<QString, int> rows[] = {
        {kDefaultHeader, def}, {CsvLayouts::returnPropertyNameListREALStudio(), old},
        {kDefaultHeader + "\n", def}, // CR LF: the line feed opens the next line
        {"\nidCard;a;b;c;d;e;f;g;h;i;j;k\r", def}, // the other names: any that are not empty
        {"dataCreazione;a;b;c;d;e;f;g;h;i;j;k;l;m", old},
        // Line feeds end lines in a text without any CR; with one, header
        // and record are one line.
        {kDefaultHeader.chopped(1) + "\n1;;;;;;;;;;0;0\n", def}, {"\nidCard;a;b;c;d;e;f;g;h;i;j;k", none},
        {kDefaultHeader.chopped(1) + "\n1;;;;;;;;;;0;0\r", none}, {"", none}, {"idCard;a;b;c;d;e;f;g;h;i;;k", none},
        {"idCard;a;b;c;d;e;f;g;h;i;j;", none}, {"IdCard;a;b;c;d;e;f;g;h;i;j;k", none},
        {" idCard;a;b;c;d;e;f;g;h;i;j;k", none}, {"dataCreazione;a;b;c;d;e;f;g;h;i;j;k", none},
        {"idCard;a;b;c;d;e;f;g;h;i;j;k;l;m", none}};
    for (const auto &[text, layout] : rows) {
        const CsvLines lines(text);
        EXPECT_EQ(ZRImport::defineCSVTypeWithStreamText(&lines), layout) << text.toStdString();
    }
}

// Every field read is checked by the round trips; here, what the reader
// adds: the cards read are sorted newest first and numbered, and an
// unreadable editing date is dropped.
TEST(CsvImport, SortsAndNumbersTheCardsRead)
{
    CardList cards;
    const QString text = kDefaultHeader + QStringLiteral("5;%1;garbage;%1;;;;;;;;\r").arg(kDate)
                         + QStringLiteral("99;%1;%1;2013-05-04 13:00:00 +0000;;;;;;;;\r").arg(kDate);
    const ZRImport::CsvCounts counts = ZRImport::importDefaultCSV(CsvLines(text), cards);
    EXPECT_EQ(std::pair(counts.added, counts.notImported), std::pair(size_t(2), size_t(0)));
    ASSERT_EQ(cards.size(), 2u);
    const auto fields = [](const CardRef &c) {
        return std::tuple(c->idCard(), c->dateMeasurement(), c->dateEditing());
    };
    const CardDate eight = at(2013, 5, 4, 8, 0), one = at(2013, 5, 4, 13, 0);
    EXPECT_EQ(fields(cards[0]), std::tuple(uint64_t(2), one, eight));
    EXPECT_EQ(fields(cards[1]), std::tuple(uint64_t(1), eight, CardDate()));
}

// Every line that is not blank either becomes a card or is counted.
TEST(CsvImport, RecordsThatAreNotImported)
{
    const auto rec = [](const QString &created, const QString &measured, const char *tail) {
        return QStringLiteral("1;%1;;%2;;;;;;%3").arg(created, measured, QLatin1String(tail));
    };
    const std::tuple<const char *, QString, bool> rows[] = {
        {"no creation date", rec(QString(), kDate, ";120;0"), true},
        {"unreadable measurement date", rec(kDate, "04/05/13", ";120;0"), true},
        {"notes holding ;", rec(kDate, kDate, "a;b;120;0"), true}, {"eleven fields", "1;;;;;;;;;;0", true},
        {"nan glycemia", rec(kDate, kDate, ";nan;0"), true}, {"infinite units", rec(kDate, kDate, ";120;inf"), true},
        {"overflowing exponent", rec(kDate, kDate, ";1e39;0"), true},
        {"text as a value", rec(kDate, kDate, ";abc;0"), true}, {"only separators", ";;;;;;;;;;;", true},
        {"blank line", "   \t", false}, {"line feed only", "\n", false}, {"empty line", QString(), false}};
    for (const auto &[what, line, counted] : rows) {
        CardList diary;
        const ZRImport::CsvCounts counts =
            ZRImport::importDefaultCSV(CsvLines(kDefaultHeader + line + "\r" + rec(kDate, kDate, ";1;0")), diary);
        EXPECT_EQ(std::pair(counts.added, counts.notImported), std::pair(size_t(1), size_t(counted))) << what;
    }
}

// The round trips check every column; here, files with CR LF line ends,
// records that do not read, and words the program never writes.
TEST(CsvImport, REALStudioRecords)
{
    QString text = CsvLayouts::returnPropertyNameListREALStudio()
                   + QStringLiteral("04/05/13;13:30;05/05/13;08:00;04/05/13;13:00;1;1;Pranzo;142;;;;buono\r"
                                    "04/05/13;13:30;;;;;;;Cena;100;;;;no measurement date\r"
                                    "04/05/13;13:30;;;04/05/13;12:00;;;Cena;100;;;only thirteen fields\r"
                                    "04/05/13;07:00;;;04/05/13;07:00;;1;Merenda;;1;6.5;Lantus;\r"
                                    "04/05/13;06:00;;;04/05/13;06:00;;1;Altro;;1;4;Mista;\r"
                                    "04/05/13;05:00;;;04/05/13;05:00;;1;;;;;Seleziona;\r");
    text.replace(QStringLiteral("\r"), QStringLiteral("\r\n"));
    CardList diary;
    const ZRImport::CsvCounts counts = ZRImport::importREALStudioCSV(CsvLines(text), diary, kRome, at(2026, 6, 15));
    EXPECT_EQ(std::pair(counts.added, counts.notImported), std::pair(size_t(4), size_t(2)));
    ASSERT_EQ(diary.size(), 4u);
    EXPECT_EQ(std::pair(diary[1]->isTherapy(), diary[1]->unitValue()), std::pair(true, 6.5f)); // decimals read
    // A meal word outside the table, or none, is a control after the meal
    // whatever prePasto says; "Altro" keeps the flag and gives no meal.
    const std::tuple<CardText, bool, CardText> rest[] = {{"POPUP_MEAL_CONTROL", false, "POPUP_INSULIN_SLOW"},
                                                         {"", true, ""},
                                                         {"POPUP_MEAL_CONTROL", false, "POPUP_INSULIN_SELECT"}};
    for (size_t i = 1; i < 4; ++i)
        EXPECT_EQ(std::tuple(diary[i]->nameMeal(), diary[i]->isPreMeal(), diary[i]->nameInsulin()), rest[i - 1]) << i;
}

// Most editors on Linux save line feeds alone: such a file reads as the
// same file saved with CRs, in either layout, and so does one with CR LF.
TEST(CsvImport, LineFeedsEndTheLinesOfAFileWithoutCR)
{
    const auto read = [](const QString &text) {
        return Interchange::importCsv(text.toUtf8(), {}, true, kRome, at(2026, 6, 15));
    };
    const QString record = QStringLiteral("1;%1;;%1;;;;;;%2;120;0").arg(kDate);
    const std::pair<const char *, QString> files[] = {
        {"default", kDefaultHeader + record.arg("first") + "\r" + record.arg("second") + "\r"},
        {"old", CsvLayouts::returnPropertyNameListREALStudio()
                    + "04/05/13;13:30;;;04/05/13;13:00;1;1;Pranzo;142;;;;buono\r"
                      "04/05/13;07:00;;;04/05/13;07:00;;1;Merenda;;1;6.5;Lantus;\r"}};
    for (const auto &[layout, text] : files) {
        const Interchange::ImportResult cr = read(text), lf = read(QString(text).replace(u'\r', u'\n')),
                                        crlf = read(QString(text).replace(QStringLiteral("\r"), QStringLiteral("\r\n")));
        ASSERT_EQ(std::tuple(cr.added, lf.added, crlf.added), std::tuple(size_t(2), size_t(2), size_t(2))) << layout;
        EXPECT_EQ(testsupport::expectedText(lf.newDiary), testsupport::expectedText(cr.newDiary)) << layout;
        EXPECT_EQ(testsupport::expectedText(crlf.newDiary), testsupport::expectedText(cr.newDiary)) << layout;
    }
    // Where there is a CR, a line feed is text: a note of two lines.
    const Interchange::ImportResult note = read(kDefaultHeader + record.arg("two\nlines") + "\r");
    ASSERT_EQ(note.added, 1u);
    EXPECT_EQ(note.newDiary[0]->notes(), QStringLiteral("two\nlines"));
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
    const CardRef created11 = card(may(11), may(11)), edited13 = card(may(1), may(1), may(13));
    const CardList incoming = {card(may(9), may(9)), created11, card(may(3), may(10), may(12)) /* equal is not later */,
                               edited13, card(may(20), std::nullopt)};
    EXPECT_EQ(ZRImport::removeMeasuramentDuplicate(incoming, diary), 2u);
    ASSERT_EQ(diary.size(), 5u);
    EXPECT_EQ(std::pair(diary[3], diary[4]), std::pair(created11, edited13));
    // An empty diary takes every card, dated or not.
    CardList empty;
    EXPECT_EQ(ZRImport::removeMeasuramentDuplicate(incoming, empty), 5u);
    EXPECT_EQ(empty, incoming);

    const std::tuple<const char *, CardList, CardList, size_t> rows[] = {
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
    for (auto [what, to, from, added] : rows)
        EXPECT_EQ(ZRImport::removeMeasuramentDuplicate(from, to), added) << what;
}

// A card stamped by a clock set ahead (here the 20th, with the import on
// the 15th) must not hide every card made after the diary's real latest.
TEST(Merge, DatesAfterTheImportDoNotHideLaterCards)
{
    const double now = may(15);
    const CardRef ahead = card(may(20), may(20)), editedAhead = card(may(1), may(1), may(20));
    const std::tuple<const char *, CardList, CardList, size_t> rows[] = {
        {"created after the diary's latest", {card(may(10), may(10)), ahead}, {card(may(12), may(12))}, 1},
        {"edited after the diary's latest", {card(may(10), may(10), may(11)), editedAhead},
         {card(may(2), may(2), may(12))}, 1},
        // A date after the import is measured against every date of the
        // diary: the card ahead, joined again, is not taken twice.
        {"the cards ahead again", {card(may(10), may(10)), ahead, editedAhead}, {ahead, editedAhead}, 0},
        {"a card further ahead", {card(may(10), may(10)), ahead}, {card(may(21), may(21))}, 1},
        {"a card ahead, into a diary without one", {card(may(10), may(10))}, {card(may(19), may(19))}, 1},
    };
    for (auto [what, to, from, added] : rows)
        EXPECT_EQ(ZRImport::removeMeasuramentDuplicate(from, to, now), added) << what;
    const CardList cards = {card(0, may(10), may(11)), ahead, editedAhead};
    EXPECT_EQ(std::pair(ZRImport::returnDateLastAdd(&cards, now), ZRImport::returnDateLastEdit(&cards, now)),
              std::pair(CardDate(may(10)), CardDate(may(11))));
}

TEST(Merge, ReferenceDatesAreTheLatestThatAreNumbers)
{
    const CardList cards = {card(0, std::nan(""), std::nan("")), card(0, may(3), may(8)), card(0, may(5)),
                            card(0, std::nullopt, may(7))};
    const CardList unedited = {card(0, may(3))};
    EXPECT_EQ(std::pair(ZRImport::returnDateLastAdd(&cards), ZRImport::returnDateLastEdit(&cards)),
              std::pair(CardDate(may(5)), CardDate(may(8))));
    EXPECT_EQ(ZRImport::returnDateLastEdit(&unedited), std::nullopt);
}

} // namespace
