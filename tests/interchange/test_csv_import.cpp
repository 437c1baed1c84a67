#include "interchange/CsvLayouts.h"
#include "interchange/CsvLines.h"
#include "interchange/InterchangeTesting.h"
#include "model/ZRImport.h"

#include <gtest/gtest.h>

using namespace interchangetesting;

namespace {

const QString kDefaultHeader = CsvLayouts::returnPropertyNameListDefault();
const QString kOldHeader = CsvLayouts::returnPropertyNameListREALStudio();

CsvLines lines(const QString &text)
{
    return CsvLines(text);
}

int layoutOf(const QString &text)
{
    const CsvLines l(text);
    return ZRImport::defineCSVTypeWithStreamText(&l);
}

// A default record measured and created at the given UTC dates.
QString defaultRecord(const char *created, const char *measured, const char *rest = ";;;;;;;120;0")
{
    return QStringLiteral("1;%1;;%2%3\r").arg(QLatin1String(created), QLatin1String(measured), QLatin1String(rest));
}

TEST(CsvLines, SplitsAtCarriageReturnsOnly)
{
    EXPECT_FALSE(ZRImport::convertIntoArrayStreamText(std::nullopt));
    EXPECT_EQ(ZRImport::convertIntoArrayStreamText(QString())->toStringList(), QStringList{QString()});
    EXPECT_EQ(lines(QStringLiteral("a\rb\r")).toStringList(), (QStringList{"a", "b", ""}));
    EXPECT_EQ(lines(QStringLiteral("a\nb")).size(), 1);
    EXPECT_EQ(lines(QStringLiteral("a\r\nb\r\n")).toStringList(), (QStringList{"a", "\nb", "\n"}));
    EXPECT_EQ(lines(QStringLiteral("\r\r")).size(), 3);
}

struct LayoutRow {
    QString text;
    int layout;
};

TEST(CsvDetection, ByTheHeaderLine)
{
    const QString twelve = QStringLiteral("idCard;a;b;c;d;e;f;g;h;i;j;k");
    const QString fourteen = QStringLiteral("dataCreazione;a;b;c;d;e;f;g;h;i;j;k;l;m");
    const LayoutRow rows[] = {
        {kDefaultHeader, ZRImport::kLayoutDefault},
        {kOldHeader, ZRImport::kLayoutREALStudio},
        {kDefaultHeader + QStringLiteral("\n"), ZRImport::kLayoutDefault}, // LF in the last name
        {twelve, ZRImport::kLayoutDefault},                                // other names: any non-empty
        {fourteen, ZRImport::kLayoutREALStudio},
        {QStringLiteral("\nidCard;a;b;c;d;e;f;g;h;i;j;k"), ZRImport::kLayoutDefault},
        {QString(), ZRImport::kLayoutNotRecognised},
        {QStringLiteral("idCard;a;b;c;d;e;f;g;h;i;;k"), ZRImport::kLayoutNotRecognised},
        {QStringLiteral("idCard;a;b;c;d;e;f;g;h;i;j;"), ZRImport::kLayoutNotRecognised},
        {QStringLiteral("IdCard;a;b;c;d;e;f;g;h;i;j;k"), ZRImport::kLayoutNotRecognised},
        {QStringLiteral(" idCard;a;b;c;d;e;f;g;h;i;j;k"), ZRImport::kLayoutNotRecognised},
        {QStringLiteral("dataCreazione;a;b;c;d;e;f;g;h;i;j;k"), ZRImport::kLayoutNotRecognised},
        {QStringLiteral("idCard;a;b;c;d;e;f;g;h;i;j;k;l;m"), ZRImport::kLayoutNotRecognised},
        {QStringLiteral("idCard;a;b;c;d;e;f;g;h;i;j;k;l"), ZRImport::kLayoutNotRecognised},
        // Line feeds alone do not end lines: header and record are one line.
        {kDefaultHeader.chopped(1) + QStringLiteral("\n1;;;;;;;;;;0;0\n"), ZRImport::kLayoutNotRecognised},
    };
    for (const LayoutRow &row : rows)
        EXPECT_EQ(layoutOf(row.text), row.layout) << row.text.toStdString();
    EXPECT_EQ(ZRImport::defineCSVTypeWithStreamText(nullptr), ZRImport::kLayoutNotRecognised);
}

TEST(CsvImport, ReadsDefaultRecords)
{
    const QString text = kDefaultHeader
                         + QStringLiteral("99;2013-05-04 13:30:07 +0000;2013-05-05 08:00:00 +0000;"
                                          "2013-05-04 13:00:00 +0000;1;yes;0;POPUP_MEAL_LUNCH;x;nota;99.900002;1e1\r")
                         + QStringLiteral("\n5;2013-05-04 07:00:00 +0000;garbage;2013-05-04 08:00:00 +0000;"
                                          "000;-01;T;;;;;\r");
    CardList diary;
    const ZRImport::CsvCounts counts = ZRImport::importDefaultCSV(lines(text), diary);
    EXPECT_EQ(counts.added, 2u);
    EXPECT_EQ(counts.notImported, 0u);
    ASSERT_EQ(diary.size(), 2u);
    // Newest measurement first, renumbered from the position.
    const ZRGlycemicCard expected0(2, at(2013, 5, 4, 13, 30, 7), at(2013, 5, 5, 8, 0), at(2013, 5, 4, 13, 0), true,
                                   true, false, QStringLiteral("POPUP_MEAL_LUNCH"), QStringLiteral("x"),
                                   QStringLiteral("nota"), 99.900002f, 10.0f);
    const ZRGlycemicCard expected1(1, at(2013, 5, 4, 7, 0), std::nullopt, at(2013, 5, 4, 8, 0), false, true, true,
                                   QString(), QString(), QString(), 0.0f, 0.0f);
    EXPECT_TRUE(*diary[0] == expected0);
    EXPECT_TRUE(*diary[1] == expected1);
}

TEST(CsvImport, AppendsAndRenumbersTheWholeDestination)
{
    CardList diary = {card(at(2020, 1, 1), at(2020, 1, 1)), card(at(2019, 1, 1), at(2019, 1, 1))};
    const CardRef first = diary[0];
    const QString text = kDefaultHeader + defaultRecord("2013-05-04 08:00:00 +0000", "2013-05-04 08:00:00 +0000")
                         + defaultRecord("2013-05-04 20:00:00 +0000", "2013-05-04 20:00:00 +0000");
    EXPECT_EQ(ZRImport::importDefaultCSV(lines(text), diary).added, 2u);
    ASSERT_EQ(diary.size(), 4u);
    EXPECT_EQ(diary[0], first);
    EXPECT_EQ(diary[2]->dateMeasurement(), at(2013, 5, 4, 20, 0));
    EXPECT_EQ(diary[3]->dateMeasurement(), at(2013, 5, 4, 8, 0));
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(diary[i]->idCard(), 4 - i);

    // Nothing accepted: the destination stays exactly as it was.
    diary[0]->setIdCard(77);
    const ZRImport::CsvCounts none = ZRImport::importDefaultCSV(lines(kDefaultHeader), diary);
    EXPECT_EQ(none.added, 0u);
    EXPECT_EQ(diary.size(), 4u);
    EXPECT_EQ(diary[0]->idCard(), 77u);
}

struct RecordRow {
    const char *what;
    QString line;
    bool counted; // false: silently skipped
};

// Every line that is not blank either becomes a card or is counted.
TEST(CsvImport, RecordsThatAreNotImported)
{
    const QString c = QStringLiteral("2013-05-04 08:00:00 +0000");
    const auto rec = [&](const QString &created, const QString &measured, const QString &tail) {
        return QStringLiteral("1;%1;;%2;;;;;;%3").arg(created, measured, tail);
    };
    const RecordRow rows[] = {
        {"no creation date", rec(QString(), c, QStringLiteral(";120;0")), true},
        {"unreadable measurement date", rec(c, QStringLiteral("04/05/13"), QStringLiteral(";120;0")), true},
        {"notes holding ;", rec(c, c, QStringLiteral("a;b;120;0")), true},
        {"eleven fields", QStringLiteral("1;;;;;;;;;;0"), true},
        {"nan glycemia", rec(c, c, QStringLiteral(";nan;0")), true},
        {"infinite units", rec(c, c, QStringLiteral(";120;inf")), true},
        {"overflowing exponent", rec(c, c, QStringLiteral(";1e39;0")), true},
        {"text as a value", rec(c, c, QStringLiteral(";abc;0")), true},
        {"only separators", QStringLiteral(";;;;;;;;;;;"), true},
        {"blank line", QStringLiteral("   \t"), false},
        {"line feed only", QStringLiteral("\n"), false},
        {"empty line", QString(), false},
    };
    for (const RecordRow &row : rows) {
        CardList diary;
        const QString text = kDefaultHeader + row.line + QStringLiteral("\r") + rec(c, c, QStringLiteral(";1;0"));
        const ZRImport::CsvCounts counts = ZRImport::importDefaultCSV(lines(text), diary);
        EXPECT_EQ(counts.added, 1u) << row.what;
        EXPECT_EQ(counts.notImported, row.counted ? 1u : 0u) << row.what;
    }
    // Accepted: an unreadable editing date is dropped, a tiny number is 0,
    // "12abc" is 12.
    CardList diary;
    const QString text = kDefaultHeader + QStringLiteral("1;%1;never;%1;;;;;;;1e-50;12abc\r").arg(c);
    EXPECT_EQ(ZRImport::importDefaultCSV(lines(text), diary).added, 1u);
    ASSERT_EQ(diary.size(), 1u);
    EXPECT_FALSE(diary[0]->dateEditing());
    EXPECT_EQ(diary[0]->glycemiaValue(), 0.0f);
    EXPECT_EQ(diary[0]->unitValue(), 12.0f);
}

TEST(CsvImport, REALStudioRecords)
{
    const double now = at(2026, 6, 15, 12, 0);
    const QString text = kOldHeader
                         + QStringLiteral("04/05/13;13:30;05/05/13;08:00;04/05/13;13:00;1;1;Pranzo;142;;;;buono\r"
                                          "04/05/13;13:30;;;;;;;Cena;100;;;;no measurement date\r"
                                          "04/05/13;13:30;;;04/05/13;12:00;;;Cena;100;;;only thirteen fields\r"
                                          "04/05/13;07:00;;;04/05/13;07:00;;1;Merenda;;1;6.5;Lantus;\r"
                                          "04/05/13;06:00;;;04/05/13;06:00;;1;Altro;;1;4;Mista;\r"
                                          "04/05/13;05:00;;;04/05/13;05:00;;1;;;;;Seleziona;\r");
    CardList diary;
    const ZRImport::CsvCounts counts = ZRImport::importREALStudioCSV(lines(text), diary, rome(), now);
    EXPECT_EQ(counts.added, 4u);
    EXPECT_EQ(counts.notImported, 2u);
    ASSERT_EQ(diary.size(), 4u);
    const ZRGlycemicCard expected(4, at(2013, 5, 4, 13, 30, 0, rome()), at(2013, 5, 5, 8, 0, 0, rome()),
                                  at(2013, 5, 4, 13, 0, 0, rome()), true, true, false,
                                  QStringLiteral("POPUP_MEAL_LUNCH"), QString(), QStringLiteral("buono"), 142.0f, 0.0f);
    EXPECT_TRUE(*diary[0] == expected);
    // A meal word outside the table: a control after the meal.
    EXPECT_EQ(diary[1]->nameMeal(), QStringLiteral("POPUP_MEAL_CONTROL"));
    EXPECT_FALSE(diary[1]->isPreMeal());
    EXPECT_TRUE(diary[1]->isTherapy());
    EXPECT_EQ(diary[1]->unitValue(), 6.5f);
    EXPECT_EQ(diary[1]->nameInsulin(), QStringLiteral("POPUP_INSULIN_SLOW"));
    // "Altro" keeps the flag and gives no meal; an unknown insulin none.
    EXPECT_EQ(diary[2]->nameMeal(), QString());
    EXPECT_TRUE(diary[2]->isPreMeal());
    EXPECT_EQ(diary[2]->nameInsulin(), QString());
    // An empty meal is a control after the meal, whatever prePasto says.
    EXPECT_EQ(diary[3]->nameMeal(), QStringLiteral("POPUP_MEAL_CONTROL"));
    EXPECT_FALSE(diary[3]->isPreMeal());
    EXPECT_EQ(diary[3]->nameInsulin(), QStringLiteral("POPUP_INSULIN_SELECT"));
}

// A line feed that opens a line is no part of its first field, so files
// with CR LF ends read like the others.
TEST(CsvImport, CarriageReturnLineFeedFiles)
{
    QString old = kOldHeader + QStringLiteral("04/05/13;13:30;;;04/05/13;13:00;;;Cena;100;;;;\r");
    old.replace(QStringLiteral("\r"), QStringLiteral("\r\n"));
    CardList diary;
    const ZRImport::CsvCounts counts = ZRImport::importREALStudioCSV(lines(old), diary, rome(), at(2026, 1, 1));
    EXPECT_EQ(counts.added, 1u);
    EXPECT_EQ(counts.notImported, 0u);
    ASSERT_EQ(diary.size(), 1u);
    EXPECT_EQ(diary[0]->dateCreation(), at(2013, 5, 4, 13, 30, 0, rome()));
    EXPECT_EQ(diary[0]->notes(), QString());

    QString text = kDefaultHeader + defaultRecord("2013-05-04 08:00:00 +0000", "2013-05-04 08:00:00 +0000");
    text.replace(QStringLiteral("\r"), QStringLiteral("\r\n"));
    diary.clear();
    EXPECT_EQ(ZRImport::importDefaultCSV(lines(text), diary).added, 1u);
    EXPECT_EQ(ZRImport::importDefaultCSV(lines(text), diary).notImported, 0u);
}

TEST(CsvImport, TheMessageIsShownAsItIs)
{
    EXPECT_EQ(ZRImport::notImportedMessage(3), QStringLiteral("ATTENZIONE: 3 record non sono stati importati!"));
}

} // namespace
