// What the diary table shows for each card, and what it lets the user change
// in place.
#include "view/DiaryTableModel.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDateTime>
#include <QSignalSpy>

#include <tuple>

namespace {

const QTimeZone kRome("Europe/Rome");

int column(const char *id)
{
    return DiaryTableModel::columnWithIdentifier(QString::fromLatin1(id));
}

CardList cards()
{
    auto measurement = std::make_shared<ZRGlycemicCard>();
    measurement->setIdCard(2);
    QDateTime when(QDate(2026, 3, 29), QTime(3, 30, 45), kRome); // just after the clocks went forward
    measurement->setDateMeasurement(CardDates::fromDateTime(when));
    measurement->setNameMeal(QStringLiteral("POPUP_MEAL_BREAKFAST"));
    measurement->setIsPreMeal(true);
    measurement->setGlycemiaValue(98.456f);
    measurement->setNotes(QStringLiteral("fasting\nafter a long night"));

    auto therapy = std::make_shared<ZRGlycemicCard>();
    therapy->setIdCard(1);
    therapy->setIsTherapy(true);
    therapy->setIsProtect(true);
    therapy->setNameMeal(QStringLiteral("Colazione")); // not a key: shown as it is
    therapy->setNameInsulin(QStringLiteral("POPUP_INSULIN_SLOW"));
    therapy->setUnitValue(1234.5f);
    therapy->setNotes(QStringLiteral("locked"));
    return {measurement, therapy};
}

class TableModelTest : public ::testing::Test
{
protected:
    StringTable english = StringTable::forLanguage(QStringLiteral("en"));
    StringTable italian = StringTable::forLanguage(QStringLiteral("it"));
    CardList view = cards();
};

TEST_F(TableModelTest, PassesQtsModelChecksThroughResets)
{
    DiaryTableModel model(english, QLocale(QLocale::English, QLocale::UnitedStates), kRome);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setView(&view);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), DiaryTableModel::columnIdentifiers().size());
    CardList none;
    model.setView(&none);
    EXPECT_EQ(model.rowCount(), 0);
    model.setView(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
    model.setView(&view);
    model.setData(model.index(1, column("notes")), QStringLiteral("still locked"));
}

TEST_F(TableModelTest, CellsShowTextsDatesNumbersAndFlagsForTheLocale)
{
    for (const char *id : {"dateMeasurement", "nameMeal", "isPreMeal", "glycemiaValue", "unitValue", "nameInsulin",
                           "isTherapy", "isProtect", "notes"})
        EXPECT_GE(column(id), 0) << id;

    DiaryTableModel model(english, QLocale(QLocale::English, QLocale::UnitedStates), kRome);
    model.setView(&view);
    auto cell = [&model](int row, const char *id, int role = Qt::DisplayRole) {
        return model.data(model.index(row, column(id)), role);
    };
    EXPECT_EQ(cell(0, "nameMeal").toString(), english.text(QStringLiteral("POPUP_MEAL_BREAKFAST")));
    EXPECT_EQ(cell(1, "nameMeal").toString(), QStringLiteral("Colazione"));
    EXPECT_EQ(cell(0, "nameInsulin").toString(), QString()) << "no insulin stored";
    EXPECT_EQ(cell(1, "nameInsulin").toString(), english.text(QStringLiteral("POPUP_INSULIN_SLOW")));
    EXPECT_EQ(cell(0, "glycemiaValue").toString(), QStringLiteral("98.46"));
    EXPECT_EQ(cell(1, "unitValue").toString(), QStringLiteral("1,234.5"));
    EXPECT_EQ(cell(1, "dateMeasurement").toString(), QString()) << "no date stored";
    EXPECT_EQ(cell(0, "isPreMeal", Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(cell(1, "isPreMeal", Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(cell(1, "isProtect", Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(cell(0, "isPreMeal").isValid()) << "a flag is a check box, not a word";
    EXPECT_EQ(cell(0, "notes").toString(), QStringLiteral("fasting …"));
    EXPECT_EQ(cell(0, "notes", Qt::ToolTipRole).toString(), QStringLiteral("fasting\nafter a long night"));
    EXPECT_EQ(model.objectValueForTableColumn(QStringLiteral("glycemiaValue"), 0).toFloat(), 98.456f);
    EXPECT_EQ(model.headerData(column("glycemiaValue"), Qt::Horizontal).toString(), QStringLiteral("Glycemia (mg/dL)"));

    DiaryTableModel italianModel(italian, QLocale(QLocale::Italian, QLocale::Italy), kRome);
    italianModel.setView(&view);
    EXPECT_EQ(italianModel.data(italianModel.index(0, column("glycemiaValue"))).toString(), QStringLiteral("98,46"));
    EXPECT_EQ(italianModel.data(italianModel.index(1, column("unitValue"))).toString(), QStringLiteral("1.234,5"));
    EXPECT_EQ(italianModel.data(italianModel.index(0, column("nameMeal"))).toString(),
              italian.text(QStringLiteral("POPUP_MEAL_BREAKFAST")));
}

TEST_F(TableModelTest, TheGlycemiaColumnShowsAndNamesTheUnitChosen)
{
    auto hundred = std::make_shared<ZRGlycemicCard>(*view[0]);
    hundred->setGlycemiaValue(108.0f);
    view.push_back(hundred);
    for (const auto &[table, locale, mgdl, mmol] :
         {std::tuple{&english, "en_US", "Glycemia (mg/dL)", "Glycemia (mmol/L)"},
          std::tuple{&italian, "it_IT", "Glicemia (mg/dL)", "Glicemia (mmol/L)"}}) {
        DiaryTableModel model(*table, QLocale(QString::fromLatin1(locale)), kRome);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        model.setView(&view);
        auto shown = [&model](int row, const char *id) { return model.data(model.index(row, column(id))).toString(); };
        const bool it = table == &italian;
        EXPECT_EQ(model.headerData(column("glycemiaValue"), Qt::Horizontal).toString(), QString::fromUtf8(mgdl));
        QSignalSpy header(&model, &QAbstractItemModel::headerDataChanged);
        QSignalSpy cells(&model, &QAbstractItemModel::dataChanged);
        model.setGlycemiaUnit(GlycemiaUnit::Unit::MmolL);
        EXPECT_EQ(header.count(), 1);
        ASSERT_EQ(cells.count(), 1);
        EXPECT_EQ(cells[0][0].toModelIndex().column(), column("glycemiaValue"));
        EXPECT_EQ(cells[0][1].toModelIndex().row(), 2);
        EXPECT_EQ(model.headerData(column("glycemiaValue"), Qt::Horizontal).toString(), QString::fromUtf8(mmol));
        // One decimal, a zero one too; the stored value stays what the raw
        // roles give; units and a dose's empty glycemia are left alone.
        EXPECT_EQ(shown(0, "glycemiaValue"), it ? QStringLiteral("5,5") : QStringLiteral("5.5"));
        EXPECT_EQ(shown(2, "glycemiaValue"), it ? QStringLiteral("6,0") : QStringLiteral("6.0"));
        EXPECT_EQ(model.data(model.index(2, column("glycemiaValue")), DiaryTableModel::RawValueRole).toFloat(), 108.0f);
        EXPECT_EQ(shown(1, "glycemiaValue"), QString());
        EXPECT_EQ(shown(1, "unitValue"), it ? QStringLiteral("1.234,5") : QStringLiteral("1,234.5"));
        EXPECT_TRUE(model.widestText(QStringLiteral("glycemiaValue")).contains(QStringLiteral("mmol/L")));
        model.setGlycemiaUnit(GlycemiaUnit::Unit::MmolL);
        EXPECT_EQ(header.count(), 1) << "the same unit again changes nothing";
        model.setGlycemiaUnit(GlycemiaUnit::Unit::MgdL);
        EXPECT_EQ(shown(2, "glycemiaValue"), QStringLiteral("108"));
    }
}

TEST_F(TableModelTest, DatesShowAFourDigitYearAndNoSecondsInEveryLocale)
{
    // 29 March 2026 at 03:30:45 in Rome. The locale's short forms have a
    // two-digit year (en_US, it_IT, de_DE, es_ES, bg_BG) or seconds (C).
    const std::pair<const char *, const char *> cases[] = {
        {"en_US", "3/29/2026 3:30 AM"}, {"en_GB", "29/03/2026 03:30"}, {"it_IT", "29/03/2026 03:30"},
        {"de_DE", "29.03.2026 03:30"},  {"fr_FR", "29/03/2026 03:30"}, {"es_ES", "29/3/2026 3:30"},
        {"C", "29 Mar 2026 03:30"},     {"fi_FI", "29.3.2026 3.30"},   {"bg_BG", "29.03.2026 г. 3:30 ч."},
    };
    for (const auto &[name, shown] : cases) {
        DiaryTableModel model(english, QLocale(QString::fromLatin1(name)), kRome);
        model.setView(&view);
        EXPECT_EQ(model.data(model.index(0, column("dateMeasurement"))).toString(), QString::fromUtf8(shown)) << name;
    }
}

TEST_F(TableModelTest, OnlyOneLineNotesEditInPlace)
{
    DiaryTableModel model(english, QLocale(QLocale::English, QLocale::UnitedStates), kRome);
    model.setView(&view);
    QList<int> edited;
    // The owner of the view puts the edited copy in place.
    model.onEdited = [&](int row, const CardRef &card) {
        edited << row;
        view[size_t(row)] = card;
    };
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    for (const QString &id : DiaryTableModel::columnIdentifiers()) {
        const bool editable = model.flags(model.index(1, column(id.toLatin1().constData()))) & Qt::ItemIsEditable;
        EXPECT_EQ(editable, id == QLatin1String("notes")) << id.toStdString();
    }
    // A protected card's note stays the user's to change, as in the edit sheet.
    const CardRef before = view[1];
    ASSERT_TRUE(model.setData(model.index(1, column("notes")), QStringLiteral("pasted\nover two lines")));
    EXPECT_EQ(view[1]->notes(), CardText(QStringLiteral("pasted over two lines")));
    // The card shown before is a copy nobody changes (a save may be reading it).
    EXPECT_NE(before->notes(), view[1]->notes());
    EXPECT_EQ(before->unitValue(), view[1]->unitValue());
    EXPECT_EQ(edited, QList<int>{1});
    EXPECT_EQ(changed.count(), 1);

    // Values, flags and notes of several lines are refused and left alone.
    EXPECT_FALSE(model.flags(model.index(0, column("notes"))) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, column("notes")), QStringLiteral("lost")));
    EXPECT_FALSE(model.setData(model.index(1, column("unitValue")), 700.0f));
    EXPECT_FALSE(model.setData(model.index(1, column("isProtect")), false));
    EXPECT_FALSE(model.setData(model.index(1, column("isProtect")), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(view[0]->notes(), CardText(QStringLiteral("fasting\nafter a long night")));
    EXPECT_EQ(view[1]->unitValue(), 1234.5f);
    EXPECT_TRUE(view[1]->isProtect());
    EXPECT_EQ(edited, QList<int>{1});

    // The same text again changes nothing and tells no one.
    ASSERT_TRUE(model.setData(model.index(1, column("notes")), QStringLiteral("pasted over two lines")));
    EXPECT_EQ(edited, QList<int>{1});
}

} // namespace
