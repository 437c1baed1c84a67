// The edit and delete sheets as the user meets them: opened from the toolbar,
// the menu or the table, filled in with the keyboard and the mouse, and
// confirmed or cancelled. Every accepted change is checked in the diary file
// on disk. Runs offscreen.
#include "app/MainWindowFixture.h"
#include "edit/EditSheet.h"
#include "support/UserActions.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QStyleOptionButton>

#include <tuple>

namespace {

// A measurement or a therapy, created a minute before it was measured; a
// therapy has been edited since and carries a note.
CardRef card(uint64_t id, double when, bool protect, bool therapy, const char *meal, float value)
{
    return std::make_shared<ZRGlycemicCard>(
        id, when - 60.5, therapy ? CardDate(when + 10) : std::nullopt, when, protect, !therapy, therapy,
        QString::fromLatin1(meal), therapy ? CardText(QStringLiteral("POPUP_INSULIN_QUICK")) : std::nullopt,
        therapy ? CardText(QStringLiteral("before lunch")) : std::nullopt, therapy ? 0.0f : value,
        therapy ? value : 0.0f);
}

class EditSheetsTest : public MainWindowTest
{
protected:
    // "Now" is Wednesday 11 March 2026, a little after 23:45 in Rome. Its
    // fraction of a second, like that of card 11, is finer than the date
    // picker's milliseconds: it shows whether a date passes the sheet intact.
    void start()
    {
        create();
        setClock([this] { return now; });
        controller->awakeFromNib();
        control<QMainWindow>("windowMain")->resize(1400, 900);
        control<QMainWindow>("windowMain")->show();
        edit = control<EditSheet>("windowEdit");
        del = control<QDialog>("windowDelete");
    }

    // A diary newest first, as the program keeps it.
    static CardList diary()
    {
        return {
            card(12, rome("2026-03-11T21:00:00"), false, false, "POPUP_MEAL_DINNER", 140),
            card(11, rome("2026-03-11T20:30:00") + 0.0625, false, true, "POPUP_MEAL_LUNCH", 5),
            card(10, rome("2026-03-11T08:00:00"), true, false, "POPUP_MEAL_BREAKFAST", 95),
            card(9, rome("2026-03-10T12:00:00"), true, true, "POPUP_MEAL_LUNCH", 4),
            // Imported, with values beyond what may be typed, one with more
            // decimals than the fields show.
            card(3, rome("2026-03-09T08:00:00"), false, false, "", 1234.567f),
            card(4, rome("2026-02-01T12:00:00"), false, true, "POPUP_MEAL_LUNCH", 150),
        };
    }

    static CardRef byId(const CardList &cards, uint64_t id)
    {
        const auto it = std::find_if(cards.begin(), cards.end(), [id](const CardRef &c) { return c->idCard() == id; });
        return it == cards.end() ? std::make_shared<ZRGlycemicCard>() : *it;
    }

    // Opens the edit sheet on a row of the table, as the toolbar does.
    void editRow(int row)
    {
        control<QTableView>("listaSchedeGlicemiche")->selectRow(row);
        controller->cardEdit();
    }
    // A card as a save through the sheet leaves it: a fresh id, edited now,
    // "no insulin" stored as an empty name.
    ZRGlycemicCard savedAs(const ZRGlycemicCard &before, uint64_t id, const char *note) const
    {
        ZRGlycemicCard out = before;
        out.setIdCard(id);
        out.setDateEditing(now);
        out.setNotes(QString::fromLatin1(note));
        out.setNameInsulin(before.isTherapy() ? before.nameInsulin() : QString());
        return out;
    }

    static void click(QCheckBox *box) { useractions::click(box); }
    static void click(QAbstractButton *button) { useractions::click(button); }
    void clickToolbar(const char *item) { ASSERT_TRUE(useractions::clickToolbar(item)); }
    void doubleClickRow(int row) { useractions::doubleClickRow(control<QTableView>("listaSchedeGlicemiche"), row); }
    static void retype(QLineEdit *field, const char *text) { useractions::retype(field, text); }
    static void paste(QLineEdit *field, const QString &text) { useractions::paste(field, text); }

    QStringList alertMessages() const
    {
        QStringList out;
        for (const ScriptedDialogs::Alert &a : dialogs.alerts)
            out << a.message;
        return out;
    }


    static std::string described(const ZRGlycemicCard &card)
    {
        return testsupport::expectedText({std::make_shared<ZRGlycemicCard>(card)}).toStdString();
    }

    double now = rome("2026-03-11T23:45:00") + 0.3125;
    EditSheet *edit = nullptr;
    QDialog *del = nullptr;
};

TEST_F(EditSheetsTest, AddingAMeasurementAndATherapyWritesThemToTheDiary)
{
    writeDiary(diary());
    start();

    // A measurement, from the toolbar.
    clickToolbar("cardAdd");
    ASSERT_TRUE(edit->isVisible());
    EXPECT_TRUE(edit->isAddMode());
    EXPECT_EQ(control<QDateTimeEdit>("windowEditDate")->dateTime(), CardDates::toDateTime(now));
    EXPECT_FALSE(control<QCheckBox>("windowEditIsPreMeal")->isEnabled()) << "no meal chosen yet";
    EXPECT_FALSE(control<QComboBox>("windowEditPopUpInsulin")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>("windowEditTextFieldUnit")->isReadOnly());
    EXPECT_FALSE(control<QLineEdit>("windowEditTextFieldGlycemia")->isReadOnly());

    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldGlycemia"), QStringLiteral("123.5"));
    pick(control<QComboBox>("windowEditPopUpMeal"), 2); // lunch
    ASSERT_TRUE(control<QCheckBox>("windowEditIsPreMeal")->isEnabled());
    click(control<QCheckBox>("windowEditIsPreMeal"));
    EXPECT_TRUE(control<QCheckBox>("windowEditIsPreMeal")->isChecked());
    QTest::keyClicks(control<QPlainTextEdit>("windowEditTextViewNote"), QStringLiteral("after a walk"));
    click(control<QPushButton>("windowEditButtonAction"));

    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(alertMessages(), QStringList());
    CardList cards = cardsOnDisk();
    ASSERT_EQ(idsOf(cards), (QList<uint64_t>{13, 12, 11, 10, 9, 3, 4})) << "newest first, one more than the largest id";
    // Created now, never edited, measured at the instant the sheet opened.
    EXPECT_EQ(described(*cards[0]),
              described(ZRGlycemicCard(13, now, std::nullopt, now, false, true, false, QStringLiteral("POPUP_MEAL_LUNCH"),
                                       QString(), QStringLiteral("after a walk"), 123.5f, 0.0f)));
    EXPECT_EQ(rowsShown().first(), 13u);
    EXPECT_EQ(controller->selectedRow(), 0) << "the new card is selected";

    // A protected therapy earlier in the day, from the menu. The sheet starts
    // afresh: nothing of the measurement is left in it.
    control<QAction>("menuNew")->trigger();
    ASSERT_TRUE(edit->isVisible());
    EXPECT_TRUE(control<QLineEdit>("windowEditTextFieldGlycemia")->text().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>("windowEditTextViewNote")->toPlainText().isEmpty());
    EXPECT_EQ(control<QComboBox>("windowEditPopUpMeal")->currentIndex(), 0);
    EXPECT_FALSE(control<QCheckBox>("windowEditIsPreMeal")->isChecked());

    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldUnit"), QStringLiteral("3"));
    EXPECT_TRUE(control<QLineEdit>("windowEditTextFieldUnit")->text().isEmpty()) << "units only for a therapy";
    click(control<QCheckBox>("windowEditIsTherapy"));
    EXPECT_TRUE(control<QComboBox>("windowEditPopUpInsulin")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>("windowEditTextFieldGlycemia")->isReadOnly());
    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldUnit"), QStringLiteral("6.5"));
    pick(control<QComboBox>("windowEditPopUpInsulin"), 3); // rapid-acting
    pick(control<QComboBox>("windowEditPopUpMeal"), 1);    // breakfast
    click(control<QCheckBox>("windowEditIsPreMeal"));
    pick(control<QComboBox>("windowEditPopUpMeal"), 4); // control: never before a meal
    EXPECT_FALSE(control<QCheckBox>("windowEditIsPreMeal")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("windowEditIsPreMeal")->isEnabled());
    const QDateTime morning = CardDates::toDateTime(rome("2026-03-11T08:30:00")).toLocalTime();
    control<QDateTimeEdit>("windowEditDate")->setDateTime(morning);
    click(control<QCheckBox>("windowEditIsProtect"));
    EXPECT_FALSE(control<QLineEdit>("windowEditTextFieldUnit")->isEnabled());
    click(control<QPushButton>("windowEditButtonAction"));

    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(alertMessages(), QStringList());
    cards = cardsOnDisk();
    ASSERT_EQ(idsOf(cards), (QList<uint64_t>{13, 12, 11, 14, 10, 9, 3, 4}));
    EXPECT_EQ(described(*cards[3]),
              described(ZRGlycemicCard(14, now, std::nullopt, rome("2026-03-11T08:30:00"), true, false, true,
                                       QStringLiteral("POPUP_MEAL_CONTROL"), QStringLiteral("POPUP_INSULIN_QUICK"),
                                       QString(), 0.0f, 6.5f)));
    EXPECT_EQ(rowsShown()[3], 14u);
    EXPECT_EQ(controller->selectedRow(), 3);
    for (const CardRef &old : diary())
        EXPECT_EQ(described(*byId(cards, old->idCard())), described(*old)) << "untouched";
}

TEST_F(EditSheetsTest, RefusedEntriesAreToldAndChangeNothing)
{
    writeDiary(diary());
    start();
    const QByteArray original = testsupport::readFile(path);
    const QString refused = text("DATA_INCORRECT");
    auto expectRefused = [&](const char *what) {
        click(control<QPushButton>("windowEditButtonAction"));
        EXPECT_EQ(alertMessages(), QStringList{refused}) << what;
        dialogs.alerts.clear();
        EXPECT_TRUE(edit->isVisible()) << what;
        EXPECT_EQ(testsupport::readFile(path), original) << what;
        EXPECT_EQ(diaryCards().size(), 6u) << what;
    };

    controller->cardAdd();
    expectRefused("a measurement without a glycemia");
    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldGlycemia"), QStringLiteral("......"));
    expectRefused("a glycemia that is no number");
    EXPECT_EQ(control<QLineEdit>("windowEditTextFieldGlycemia")->text(), QStringLiteral("......"))
        << "entries are kept";

    click(control<QCheckBox>("windowEditIsTherapy"));
    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldUnit"), QStringLiteral("4"));
    expectRefused("a therapy without an insulin");
    EXPECT_EQ(control<QLineEdit>("windowEditTextFieldUnit")->text(), QStringLiteral("4"));
    pick(control<QComboBox>("windowEditPopUpInsulin"), 1);
    retype(control<QLineEdit>("windowEditTextFieldUnit"), "0");
    expectRefused("a therapy of 0 units");
    EXPECT_TRUE(control<QCheckBox>("windowEditIsTherapy")->isChecked());
    EXPECT_EQ(control<QComboBox>("windowEditPopUpInsulin")->currentIndex(), 1);

    // Eight pasted letters are cut to seven, not filtered: still refused.
    click(control<QCheckBox>("windowEditIsTherapy"));
    paste(control<QLineEdit>("windowEditTextFieldGlycemia"), QStringLiteral("abcdefgh"));
    EXPECT_EQ(control<QLineEdit>("windowEditTextFieldGlycemia")->text(), QStringLiteral("abcdefg"));
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    expectRefused("pasted letters");
    click(control<QPushButton>("windowEditButtonCancel"));
    EXPECT_FALSE(edit->isVisible());

    // Edit mode: emptying the value of a card refuses the save and keeps the
    // card. Deleting the last character raises no range message.
    editRow(0);
    ASSERT_EQ(control<QLineEdit>("windowEditTextFieldGlycemia")->text(), QStringLiteral("140"));
    control<QLineEdit>("windowEditTextFieldGlycemia")->end(false);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(control<QLineEdit>("windowEditTextFieldGlycemia"), Qt::Key_Backspace);
    EXPECT_TRUE(control<QLineEdit>("windowEditTextFieldGlycemia")->text().isEmpty());
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    expectRefused("an edited measurement emptied");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(diaryCards()[0]->glycemiaValue(), 140.0f);
    EXPECT_EQ(testsupport::readFile(path), original);
}

TEST_F(EditSheetsTest, NumberFieldsFilterLimitAndRangeCheckWhatTheUserTypesOrPastes)
{
    writeDiary(diary());
    start();
    controller->cardAdd();
    QLineEdit *glycemia = control<QLineEdit>("windowEditTextFieldGlycemia");
    QLineEdit *units = control<QLineEdit>("windowEditTextFieldUnit");
    const QStringList none;
    const QStringList glycemiaLimit{text("LIMIT_INPUT_GLYCEMIA")};
    const QStringList unitLimit{text("LIMIT_INPUT_UNIT")};
    // The field's text and the messages shown since the last look.
    auto expectField = [this](QLineEdit *field, const char *shown, const QStringList &told, const char *what) {
        EXPECT_EQ(field->text(), QString::fromLatin1(shown)) << what;
        EXPECT_EQ(alertMessages(), told) << what;
        dialogs.alerts.clear();
    };

    // Typed or pasted text: letters vanish and a seventh character
    // vanishes, silently; a value out of range is told when the offending
    // character arrives, and the field emptied; pasted text is cut to seven
    // characters before it is checked.
    enum Action { Type, Retype, Paste };
    struct Step {
        Action action;
        const char *text;
        const char *shown;
        bool told;
    };
    const Step glycemiaSteps[] = {
        {Type, "1x2-", "12", false},   {Type, "3.456", "123.45", false}, {Retype, "60", "60", false},
        {Type, "1", "", true},         {Type, "0", "", true},            {Type, "600", "600", false},
        {Paste, "abc", "600", false},  {Retype, "", "", false},          {Paste, "9a8.b5", "98.5", false},
        {Retype, "", "", false},       {Paste, "12345678", "", true},
    };
    const Step unitSteps[] = {
        {Type, "0", "0", false},       {Retype, "100.5", "", true},      {Paste, "12345678", "", true},
        {Paste, "-1234567", "", true}, {Paste, "abc", "", false},        {Paste, "7.5", "7.5", false},
    };
    auto run = [&](QLineEdit *field, const auto &steps, const QStringList &limit) {
        for (const Step &step : steps) {
            if (step.action == Type)
                QTest::keyClicks(field, QString::fromLatin1(step.text));
            else if (step.action == Retype)
                retype(field, step.text);
            else
                paste(field, QString::fromLatin1(step.text));
            expectField(field, step.shown, step.told ? limit : none, step.text);
        }
    };
    run(glycemia, glycemiaSteps, glycemiaLimit);
    click(control<QCheckBox>("windowEditIsTherapy"));
    run(units, unitSteps, unitLimit);
    click(control<QPushButton>("windowEditButtonCancel"));

    // The program's own texts are not checked: values beyond what may be
    // typed open as they are, with no message.
    editRow(4);
    expectField(glycemia, "1234.57", none, "an imported glycemia");
    click(control<QPushButton>("windowEditButtonCancel"));
    editRow(5);
    expectField(units, "150", none, "imported units");
    expectField(glycemia, "", none, "a therapy's glycemia");
    click(control<QPushButton>("windowEditButtonCancel"));
}

TEST_F(EditSheetsTest, CommaOrPointIsTheDecimalPointInEveryLanguage)
{
    const QLocale before;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    // A dose of 6.5 units (row 0) and an imported reading finer than shown (row 1).
    const CardList cards{card(2, rome("2026-03-11T08:00:00"), false, true, "POPUP_MEAL_LUNCH", 6.5f),
                         card(1, rome("2026-03-10T08:00:00"), false, false, "", 1234.567f)};

    // Typed or pasted into a new card, or typed at the end of a stored
    // card's value; then saved. A value out of range is told as it is typed
    // (the field emptied, so the save is refused too); a text the field
    // cannot read is refused when saved, never read another way.
    enum Action { Type, Paste, Edit };
    struct Step {
        const char *locale;
        bool units;
        Action action;
        const char *text;
        const char *shown;
        bool outOfRange;
        std::optional<float> saved; // in mg/dL
        bool mmol = false;
    };
    const Step steps[] = {
        {"it_IT", true, Type, "6,5", "6,5", false, 6.5f},
        {"it_IT", false, Paste, "5.5", "5.5", false, 5.5f},
        {"it_IT", true, Type, "100,5", "", true, {}},
        {"it_IT", false, Type, "600,5", "", true, {}},
        {"it_IT", true, Type, "6,5.1", "6,5.1", false, {}},
        {"it_IT", true, Edit, "1", "6,51", false, 6.51f},
        {"it_IT", false, Edit, "", "1234,57", false, 1234.567f},
        {"de_DE", true, Paste, "1.000", "1.000", false, 1.0f}, // "." is never grouping
        {"de_DE", false, Type, "1.234,5", "1.234,", false, {}}, // the seventh character dropped
        {"fr_FR", false, Type, "98,25", "98,25", false, 98.25f},
        {"fr_FR", true, Paste, "1 000", "", true, {}}, // a space groups digits: a thousand
        {"en_US", true, Type, "6,5", "6,5", false, 6.5f},
        {"en_US", false, Edit, "", "1234.57", false, 1234.567f},
        // In mmol/L: 5.5 mmol/L is 99 mg/dL exactly, whichever decimal point.
        {"en_US", false, Type, "5,5", "5,5", false, 99.0f, true},
        {"it_IT", false, Paste, "5.5", "5.5", false, 99.0f, true},
        {"de_DE", false, Type, "5,5", "5,5", false, 99.0f, true},
    };
    for (const Step &step : steps) {
        const std::string what =
            std::string(step.locale) + " " + step.text + (step.units ? " units" : step.mmol ? " mmol/L" : " glycemia");
        controller.reset();
        QLocale::setDefault(QLocale(QString::fromLatin1(step.locale)));
        strings = StringTable::forLocale(QLocale());
        ASSERT_EQ(strings.language(), QLocale(QString::fromLatin1(step.locale)).language()) << "the alerts' language";
        writeDiary(cards);
        start();
        if (step.mmol)
            control<QAction>("menuUnitMmol")->trigger();
        const QByteArray original = testsupport::readFile(path);
        QLineEdit *field = step.units ? control<QLineEdit>("windowEditTextFieldUnit")
                                      : control<QLineEdit>("windowEditTextFieldGlycemia");
        if (step.action == Edit) {
            editRow(step.units ? 0 : 1);
            field->end(false);
        } else {
            controller->cardAdd();
            if (step.units) {
                click(control<QCheckBox>("windowEditIsTherapy"));
                pick(control<QComboBox>("windowEditPopUpInsulin"), 1);
            }
        }
        if (step.action == Paste)
            paste(field, QString::fromLatin1(step.text));
        else
            QTest::keyClicks(field, QString::fromLatin1(step.text));
        EXPECT_EQ(field->text().toStdString(), step.shown) << what;
        click(control<QPushButton>("windowEditButtonAction"));

        QStringList told;
        if (step.outOfRange)
            told << text(step.units ? "LIMIT_INPUT_UNIT" : "LIMIT_INPUT_GLYCEMIA");
        if (!step.saved)
            told << text("DATA_INCORRECT");
        EXPECT_EQ(alertMessages().join(u'|').toStdString(), told.join(u'|').toStdString()) << what;
        dialogs.alerts.clear();
        if (step.saved) {
            const CardList saved = cardsOnDisk();
            EXPECT_EQ(saved.size(), step.action == Edit ? 2u : 3u) << what;
            const CardRef newest = byId(saved, 3);
            EXPECT_EQ(step.units ? newest->unitValue() : newest->glycemiaValue(), *step.saved) << what;
        } else {
            EXPECT_TRUE(edit->isVisible()) << what;
            EXPECT_EQ(testsupport::readFile(path), original) << what;
        }
    }
}

TEST_F(EditSheetsTest, InMmolPerLitreTheLimitsAreConvertedAndAValueLeftAloneIsKeptExactly)
{
    writeDiary({card(2, rome("2026-03-11T08:00:00"), false, false, "POPUP_MEAL_BREAKFAST", 100.0f),
                card(1, rome("2026-03-10T08:00:00"), false, false, "", 1234.567f)});
    start();
    control<QAction>("menuUnitMmol")->trigger();
    QLineEdit *glycemia = control<QLineEdit>("windowEditTextFieldGlycemia");
    const QStringList told{text("LIMIT_INPUT_GLYCEMIA_MMOL")};
    ASSERT_TRUE(told[0].contains(QStringLiteral("33.3 mmol/L"))) << told[0].toStdString();

    // Typed into a new card: refused as the offending character arrives and
    // the field emptied, as in mg/dL; the characters and the length are held
    // to the same rules.
    const struct {
        const char *typed;
        const char *shown;
        bool refused;
    } steps[] = {
        // Where each limit lies is the limits' own test.
        {"33.4", "", true},   {"0", "", true},         {"33,3", "33,3", false},
        {"33.3", "33.3", false}, {"1a2.b3", "12.3", false}, {"5,55555", "5,5555", false},
    };
    controller->cardAdd();
    EXPECT_EQ(control<QLabel>("windowEditGlycemiaTitle")->text(), QStringLiteral("Glycemia (mmol/L)"));
    for (const auto &step : steps) {
        retype(glycemia, "");
        QTest::keyClicks(glycemia, QString::fromLatin1(step.typed));
        EXPECT_EQ(glycemia->text().toStdString(), step.shown) << step.typed;
        EXPECT_EQ(alertMessages(), step.refused ? told : QStringList()) << step.typed;
        dialogs.alerts.clear();
    }
    retype(glycemia, "33.3");
    click(control<QPushButton>("windowEditButtonAction"));
    EXPECT_EQ(alertMessages(), QStringList());
    EXPECT_EQ(byId(cardsOnDisk(), 3)->glycemiaValue(), 33.3f * 18.0f) << "the highest that may be typed";

    // A card of 100 mg/dL opens as 5.6 mmol/L; a change of its note alone
    // keeps 100, not 5.6 x 18. So does an imported value beyond the limits,
    // which opens with no message.
    auto withNote = [this](const char *note) {
        const CardList cards = cardsOnDisk();
        const auto it = std::find_if(cards.begin(), cards.end(), [note](const CardRef &c) {
            return c->notes() == CardText(QString::fromLatin1(note));
        });
        return it == cards.end() ? std::make_shared<ZRGlycemicCard>() : *it;
    };
    auto select = [this](float stored) {
        for (int row = 0; row < tableModel()->rowCount(); ++row) {
            if (tableModel()->cardAt(row)->glycemiaValue() == stored)
                control<QTableView>("listaSchedeGlicemiche")->selectRow(row);
        }
    };
    auto open = [&](float stored) {
        select(stored);
        controller->cardEdit();
    };
    for (const auto &[stored, shown, note] :
         {std::tuple{100.0f, "5.6", "fasting"}, std::tuple{1234.567f, "68.6", "from the old meter"}}) {
        open(stored);
        EXPECT_EQ(glycemia->text().toStdString(), shown);
        QTest::keyClicks(control<QPlainTextEdit>("windowEditTextViewNote"), QString::fromLatin1(note));
        click(control<QPushButton>("windowEditButtonAction"));
        EXPECT_EQ(alertMessages(), QStringList()) << note;
        EXPECT_EQ(withNote(note)->glycemiaValue(), stored) << note;
    }
    // Retyped as it was shown it stays as stored; another value is kept as
    // 18 times what was typed.
    open(100.0f);
    retype(glycemia, "5.6");
    click(control<QPushButton>("windowEditButtonAction"));
    EXPECT_EQ(withNote("fasting")->glycemiaValue(), 100.0f);
    open(100.0f);
    retype(glycemia, "5.7");
    click(control<QPushButton>("windowEditButtonAction"));
    EXPECT_EQ(withNote("fasting")->glycemiaValue(), 5.7f * 18.0f);

    // The delete sheet names the value in the unit, the unit with it.
    for (const auto &[unit, info] :
         {std::pair{"menuUnitMmol", " 5.7 mmol/L"}, std::pair{"menuUnitMgdl", " 102.6 mg/dL"}}) {
        control<QAction>(unit)->trigger();
        select(5.7f * 18.0f);
        controller->cardRemove();
        EXPECT_EQ(control<QLabel>("windowDeleteMeasuramentInfo")->text(),
                  text("DELETE_MSG_INFO_MEASURAMENT") + QString::fromLatin1(info));
        click(control<QPushButton>("windowDeleteButtonCancel"));
    }
}

TEST_F(EditSheetsTest, EditingReplacesTheCardShownInTheViewAndKeepsTheRest)
{
    writeDiary(diary());
    start();
    // Therapies of the last week: row 0 is card 11, the diary's second card.
    pick(control<QComboBox>("popupMeasurements"), 2);
    pick(control<QComboBox>("popupPeriod"), 3);
    ASSERT_EQ(rowsShown(), (QList<uint64_t>{11, 9}));
    control<QTableView>("listaSchedeGlicemiche")->selectRow(0);
    doubleClickRow(0);
    ASSERT_TRUE(edit->isVisible());
    EXPECT_FALSE(edit->isAddMode());
    EXPECT_EQ(control<QLineEdit>("windowEditTextFieldUnit")->text(), QStringLiteral("5"));
    EXPECT_EQ(control<QComboBox>("windowEditPopUpInsulin")->currentText(), text("POPUP_INSULIN_QUICK"));
    EXPECT_EQ(control<QComboBox>("windowEditPopUpMeal")->currentText(), text("POPUP_MEAL_LUNCH"));
    EXPECT_TRUE(control<QLineEdit>("windowEditTextFieldGlycemia")->text().isEmpty());
    EXPECT_FALSE(control<QLineEdit>("windowEditTextFieldUnit")->isReadOnly());
    EXPECT_TRUE(control<QComboBox>("windowEditPopUpInsulin")->isEnabled());

    retype(control<QLineEdit>("windowEditTextFieldUnit"), "8");
    click(control<QPushButton>("windowEditButtonAction"));
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(alertMessages(), QStringList());

    const CardList before = diary(), cards = cardsOnDisk();
    ASSERT_EQ(idsOf(cards), (QList<uint64_t>{12, 13, 10, 9, 3, 4}));
    // A fresh id, the creation date and the measurement date (to the fraction
    // of a second) kept, edited now.
    ZRGlycemicCard expected = savedAs(*before[1], 13, "before lunch");
    expected.setUnitValue(8);
    EXPECT_EQ(described(*cards[1]), described(expected));
    for (size_t i : {0, 2, 3, 4, 5})
        EXPECT_EQ(described(*cards[i]), described(*before[i])) << "untouched";
    EXPECT_EQ(rowsShown(), (QList<uint64_t>{13, 9}));
    EXPECT_EQ(controller->selectedRow(), 0);
}

TEST_F(EditSheetsTest, ProtectedCardsLockTheirValuesAndCannotBeRemoved)
{
    CardList cards = diary();
    cards.insert(cards.begin() + 1, std::make_shared<ZRGlycemicCard>(*cards[0])); // an equal-looking twin of 12
    writeDiary(cards);
    start();
    const QByteArray original = testsupport::readFile(path);

    // A protected therapy: the seven value controls are locked, the protect
    // box, the note and both buttons are not.
    pick(control<QComboBox>("popupMeasurements"), 2);
    pick(control<QComboBox>("popupPeriod"), 3);
    ASSERT_EQ(rowsShown(), (QList<uint64_t>{11, 9}));
    control<QTableView>("listaSchedeGlicemiche")->selectRow(1);
    clickToolbar("cardEdit");
    ASSERT_TRUE(edit->isVisible());
    const QList<QWidget *> locked{
        control<QDateTimeEdit>("windowEditDate"),     control<QCheckBox>("windowEditIsTherapy"),
        control<QCheckBox>("windowEditIsPreMeal"),    control<QComboBox>("windowEditPopUpMeal"),
        control<QComboBox>("windowEditPopUpInsulin"), control<QLineEdit>("windowEditTextFieldGlycemia"),
        control<QLineEdit>("windowEditTextFieldUnit")};
    for (QWidget *w : locked)
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(control<QCheckBox>("windowEditIsProtect")->isEnabled());
    EXPECT_TRUE(control<QPlainTextEdit>("windowEditTextViewNote")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("windowEditIsProtect")->isChecked());
    EXPECT_EQ(control<QLineEdit>("windowEditTextFieldUnit")->text(), QStringLiteral("4"));
    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldUnit"), QStringLiteral("9"));
    EXPECT_EQ(control<QLineEdit>("windowEditTextFieldUnit")->text(), QStringLiteral("4"));
    click(control<QCheckBox>("windowEditIsProtect"));
    for (QWidget *w : locked)
        EXPECT_TRUE(w->isEnabled()) << "unprotected: " << w->objectName().toStdString();
    click(control<QPushButton>("windowEditButtonCancel"));
    EXPECT_EQ(testsupport::readFile(path), original);

    // Its delete sheet offers only Cancel.
    clickToolbar("cardRemove");
    ASSERT_TRUE(del->isVisible());
    EXPECT_EQ(control<QLabel>("windowDeleteMessageNote")->text(), text("DELETE_MSG_MESSAGE_PROTECT"));
    EXPECT_EQ(control<QLabel>("windowDeleteMeasuramentDate")->text(),
              text("DELETE_MSG_DATE") + QStringLiteral(" 2026/03/10 12:00"));
    EXPECT_EQ(control<QLabel>("windowDeleteMeasuramentInfo")->text(),
              text("DELETE_MSG_INFO_THERAPY") + QStringLiteral(" 4"));
    EXPECT_FALSE(control<QPushButton>("windowDeleteButtonRemove")->isEnabled());
    click(control<QPushButton>("windowDeleteButtonRemove"));
    EXPECT_TRUE(del->isVisible());
    click(control<QPushButton>("windowDeleteButtonCancel"));
    EXPECT_FALSE(del->isVisible());
    EXPECT_EQ(testsupport::readFile(path), original);

    // Row 0 of the view, unprotected: its sheet may remove it, and Cancel
    // still keeps it.
    control<QTableView>("listaSchedeGlicemiche")->selectRow(0);
    controller->cardRemove();
    ASSERT_TRUE(del->isVisible());
    EXPECT_TRUE(control<QPushButton>("windowDeleteButtonRemove")->isEnabled());
    EXPECT_EQ(control<QLabel>("windowDeleteMessageNote")->text(), text("DELETE_MSG_MESSAGE_INFO"));
    EXPECT_EQ(control<QLabel>("windowDeleteMeasuramentInfo")->text(),
              text("DELETE_MSG_INFO_THERAPY") + QStringLiteral(" 5"));
    click(control<QPushButton>("windowDeleteButtonCancel"));
    EXPECT_EQ(testsupport::readFile(path), original);
    controller->cardRemove();
    QTest::keyClick(del, Qt::Key_Return);
    EXPECT_FALSE(del->isVisible()) << "Enter answers Cancel";
    EXPECT_EQ(testsupport::readFile(path), original);

    controller->cardRemove();
    click(control<QPushButton>("windowDeleteButtonRemove"));
    EXPECT_FALSE(del->isVisible());
    EXPECT_EQ(alertMessages(), QStringList());
    EXPECT_EQ(idsOf(cardsOnDisk()), (QList<uint64_t>{12, 12, 10, 9, 3, 4}));
    EXPECT_EQ(rowsShown(), (QList<uint64_t>{9}));

    // Of two equal-looking cards only the one shown at the row goes.
    pick(control<QComboBox>("popupMeasurements"), 1);
    pick(control<QComboBox>("popupPeriod"), 1);
    ASSERT_EQ(rowsShown(), (QList<uint64_t>{12, 12, 10}));
    const CardRef second = tableModel()->cardAt(1);
    control<QTableView>("listaSchedeGlicemiche")->selectRow(0);
    controller->cardRemove();
    click(control<QPushButton>("windowDeleteButtonRemove"));
    EXPECT_EQ(idsOf(cardsOnDisk()), (QList<uint64_t>{12, 10, 9, 3, 4}));
    EXPECT_EQ(diaryCards()[0], second);

    // A protected measurement still takes a new note, and stays protected.
    editRow(1);
    ASSERT_EQ(tableModel()->cardAt(1)->idCard(), 10u);
    QTest::keyClicks(control<QPlainTextEdit>("windowEditTextViewNote"), QStringLiteral("fasting"));
    click(control<QPushButton>("windowEditButtonAction"));
    const CardList last = cardsOnDisk();
    ASSERT_EQ(idsOf(last), (QList<uint64_t>{12, 13, 9, 3, 4}));
    EXPECT_EQ(described(*last[1]), described(savedAs(*cards[3], 13, "fasting")));
}

TEST_F(EditSheetsTest, TheKeyboardAloneFillsSavesAndCancelsTheSheet)
{
    writeDiary(diary());
    start();
    QApplication::setActiveWindow(control<QMainWindow>("windowMain"));
    clickToolbar("cardAdd");
    ASSERT_TRUE(edit->isVisible());
    QApplication::setActiveWindow(edit);

    // Tab visits every control in the order they are laid out (the date
    // takes a Tab for each of its sections before it lets go).
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget()->objectName() != visited.last())
            visited << QApplication::focusWidget()->objectName();
    }
    // The pre-meal box and the insulin are disabled until a meal and a
    // therapy are chosen: Tab passes them by (the units, read only, may
    // still be selected and copied).
    const QStringList expected{"windowEditDate",          "windowEditIsTherapy",         "windowEditIsProtect",
                               "windowEditPopUpMeal",     "windowEditTextFieldGlycemia", "windowEditTextFieldUnit",
                               "windowEditTextViewNote",  "windowEditButtonCancel",      "windowEditButtonAction"};
    EXPECT_EQ(visited.mid(0, expected.size()).join(u' ').toStdString(), expected.join(u' ').toStdString());

    // Typed, then Enter: the card is saved.
    control<QLineEdit>("windowEditTextFieldGlycemia")->setFocus();
    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldGlycemia"), QStringLiteral("117"));
    QTest::keyClick(control<QLineEdit>("windowEditTextFieldGlycemia"), Qt::Key_Return);
    EXPECT_FALSE(edit->isVisible());
    ASSERT_EQ(cardsOnDisk().size(), 7u);
    EXPECT_EQ(cardsOnDisk()[0]->glycemiaValue(), 117.0f);

    // Escape leaves the file as it was.
    const QByteArray before = testsupport::readFile(path);
    clickToolbar("cardAdd");
    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldGlycemia"), QStringLiteral("130"));
    QTest::keyClick(control<QLineEdit>("windowEditTextFieldGlycemia"), Qt::Key_Escape);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(testsupport::readFile(path), before);
}

} // namespace
