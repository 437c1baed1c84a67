// The view settings kept from one run to the next, and the ways out of the
// program: which of them save the diary and the settings, and which ask.
#include "app/AppDelegate.h"
#include "app/MainWindowFixture.h"
#include "app/Preferences.h"
#include "edit/EditSheet.h"
#include "ui/TrendsWindow.h"

#include <QComboBox>
#include <QMenu>
#include <QScreen>

namespace {

class PreferencesTest : public MainWindowTest
{
protected:
    Preferences::Domain domain() const { return Preferences::read(prefs).value_or(Preferences::Domain{}); }

    static Preferences::Domain everyKey(const char *toolbar, const char *display, const char *size,
                                        const char *statistics, const char *note, const char *period,
                                        const char *kind, const char *trends = "NO", const char *unit = "mg/dL")
    {
        Preferences::Domain d;
        const std::pair<const char *, const char *> values[] = {
            {"toolBarIsVisible", toolbar}, {"toolBarDisplayMode", display}, {"toolBarSizeMode", size},
            {"statisticsIsVisible", statistics}, {"noteIsVisible", note}, {"prediodoMenuSelect", period},
            {"misurazioniMenuSelect", kind}, {"trendsIsVisible", trends}, {"glycemiaUnit", unit}};
        for (const auto &[key, value] : values) {
            if (value)
                d.insert(QString::fromLatin1(key), QString::fromUtf8(value));
        }
        return d;
    }

    CardList diaryOnDisk() const { return DiaryFile::read(path, nullptr).value_or(CardList{}); }

    QString places() const { return Preferences::placesPath(prefs); }

    // The toolbar's own menu, separators aside: icon and label, icon only,
    // label only, then small size.
    static QList<QAction *> toolbarMenuItems()
    {
        QList<QAction *> items = control<QMenu>("toolbarMenu")->actions();
        items.removeIf([](const QAction *item) { return item->isSeparator(); });
        return items;
    }

    // Makes every save of the diary fail, and lets it succeed again.
    void blockTheDiary() { ASSERT_TRUE(testsupport::blockFolder(home.filePath(QStringLiteral("Documents")))); }
    void unblockTheDiary() { ASSERT_TRUE(testsupport::unblockFolder(home.filePath(QStringLiteral("Documents")))); }
    QStringList recoveryFiles() const { return testsupport::recoveryFiles(recovery); }

    // The week's diary in the window, a card added and not yet saved, and
    // every ending of the program kept in exits.
    std::unique_ptr<AppDelegate> startWithAnUnsavedCard()
    {
        writeDiary(weekOfCards());
        start();
        auto delegate = std::make_unique<AppDelegate>(controller.get());
        delegate->setWindow(control<QMainWindow>("windowMain"));
        exits.clear();
        setExitProgram([this](int status) { exits << status; });
        addUnsaved(card(30, "2026-03-11T10:00:00", false, "POPUP_MEAL_LUNCH", 120));
        return delegate;
    }
    QList<int> exits;
};

// The windows that are shown, in the order they are shown.
class ShowOrder : public QObject
{
public:
    ShowOrder() { qApp->installEventFilter(this); }
    ~ShowOrder() override { qApp->removeEventFilter(this); }
    QList<QObject *> shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            shown << watched;
        return false;
    }
};

QRect placeOf(const QWidget *window)
{
    return QRect(window->pos(), window->size());
}

TEST_F(PreferencesTest, TheFirstStartWritesWhatItShows)
{
    start();
    EXPECT_EQ(domain(), everyKey("YES", "0", "0", "NO", "NO", "POPUP_PERIOD_EVERYDAY", "POPUP_MEASURAMENT_ALL"));
    // A plain text file of its own, its keys as they are spelled.
    const QByteArray text = testsupport::readFile(prefs);
    EXPECT_TRUE(text.contains("prediodoMenuSelect=POPUP_PERIOD_EVERYDAY")) << text.toStdString();
    EXPECT_TRUE(text.contains("toolBarIsVisible=YES")) << text.toStdString();
}

TEST_F(PreferencesTest, WhatARunLeavesIsWhatTheNextStartShows)
{
    writeDiary(weekOfCards());
    start();
    AppDelegate delegate(controller.get());
    control<QAction>("menuViewShowToolBar")->trigger();
    control<QAction>("menuNote")->trigger();
    const QList<QAction *> toolbarMenu = toolbarMenuItems();
    ASSERT_EQ(toolbarMenu.size(), 4);
    toolbarMenu[1]->trigger(); // icon only
    toolbarMenu[3]->trigger(); // small size
    control<QAction>("menuTrends")->trigger();
    pick(control<QComboBox>("trendsUnit"), 1); // mmol/L
    pick(control<QComboBox>("popupPeriod"), 3);
    pick(control<QComboBox>("popupMeasurements"), 1);
    // Changes during the run are not written until the program ends.
    EXPECT_EQ(domain().value(QStringLiteral("noteIsVisible")), QStringLiteral("NO"));
    delegate.applicationWillTerminate();
    EXPECT_EQ(domain(),
              everyKey("NO", "2", "1", "NO", "YES", "POPUP_PERIOD_WEEK", "POPUP_MEASURAMENT_BLOOD", "YES", "mmol/L"));

    start();
    EXPECT_TRUE(control<QToolBar>("toolBar")->isHidden());
    EXPECT_TRUE(control<QWidget>("windowNote")->isVisible());
    EXPECT_FALSE(control<QWidget>("windowStatistics")->isVisible());
    EXPECT_TRUE(control<QWidget>("windowTrends")->isVisible());
    EXPECT_EQ(control<TrendsWindow>("windowTrends")->unit(), Trends::Unit::MmolL);
    EXPECT_TRUE(control<QAction>("menuUnitMmol")->isChecked()) << "the trends window's unit is the program's";
    EXPECT_EQ(control<TrendsWindow>("windowTrends")->figures().readings, 4)
        << "the shown window follows the first filter run";
    EXPECT_EQ(control<QToolBar>("toolBar")->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(control<QToolBar>("toolBar")->iconSize(), QSize(16, 16));
    EXPECT_EQ(control<QComboBox>("popupPeriod")->currentIndex(), 3);
    EXPECT_EQ(control<QComboBox>("popupMeasurements")->currentIndex(), 1);
    EXPECT_EQ(rowsShown(), (QList<uint64_t>{9, 8, 6, 5})) << "the first filter run uses both";
    // The toolbar's menu shows the modes in force.
    ASSERT_EQ(toolbarMenuItems().size(), 4);
    EXPECT_TRUE(toolbarMenuItems()[1]->isChecked());
    EXPECT_TRUE(toolbarMenuItems()[3]->isChecked());
}

TEST_F(PreferencesTest, MissingAndMalformedValuesFallBack)
{
    writeDiary(weekOfCards());
    const int styleSize = QApplication::style()->pixelMetric(QStyle::PM_ToolBarIconSize);
    struct Case {
        const char *what;
        Preferences::Domain stored;
        bool toolbarHidden;
        Qt::ToolButtonStyle style;
        QSize iconSize;
        int period, kind;
        Trends::Unit unit;
    };
    const Case cases[] = {
        {"a title as shown, not as a key; a size the toolbar does not have",
         everyKey("YES", "1", "7", "NO", "NO", "Last 7 days", "POPUP_MEASURAMENT_TERAPIES", "NO", "mmol/L"), false,
         Qt::ToolButtonTextUnderIcon, QSize(styleSize, styleSize), 3, 2, Trends::Unit::MmolL},
        {"no number, no such title, no such mode",
         everyKey("NO", "icons", "1", "NO", "NO", "Ieri l'altro", "POPUP_MEASURAMENT_BLOOD", "si", "mmol"), true,
         Qt::ToolButtonFollowStyle, QSize(16, 16), 0, 1, Trends::Unit::MgdL},
        {"keys missing: false, 0 and no title",
         everyKey(nullptr, "9", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), true,
         Qt::ToolButtonFollowStyle, QSize(24, 24), 0, 0, Trends::Unit::MgdL},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(Preferences::write(prefs, c.stored));
        start();
        EXPECT_EQ(control<QToolBar>("toolBar")->isHidden(), c.toolbarHidden);
        EXPECT_EQ(control<QToolBar>("toolBar")->toolButtonStyle(), c.style);
        EXPECT_EQ(control<QToolBar>("toolBar")->iconSize(), c.iconSize);
        EXPECT_FALSE(control<QWidget>("windowStatistics")->isVisible());
        EXPECT_EQ(control<QComboBox>("popupPeriod")->currentIndex(), c.period);
        EXPECT_EQ(control<QComboBox>("popupMeasurements")->currentIndex(), c.kind);
        EXPECT_FALSE(control<QWidget>("windowTrends")->isVisible());
        EXPECT_EQ(control<TrendsWindow>("windowTrends")->unit(), c.unit);
        EXPECT_EQ(domain(), c.stored) << "reading writes nothing";
    }
}

TEST_F(PreferencesTest, TheGlucoseUnitIsKeptAndAUnitKeptByTheTrendsWindowAppliesEverywhere)
{
    writeDiary(weekOfCards());
    const int glycemia = DiaryTableModel::columnWithIdentifier(QStringLiteral("glycemiaValue"));
    auto shownIn = [&](const char *unit) {
        const bool mmol = QLatin1String(unit) == QLatin1String("mmol/L");
        EXPECT_EQ(control<QAction>("menuUnitMmol")->isChecked(), mmol);
        EXPECT_EQ(control<QAction>("menuUnitMgdl")->isChecked(), !mmol);
        EXPECT_EQ(control<TrendsWindow>("windowTrends")->unit(), mmol ? Trends::Unit::MmolL : Trends::Unit::MgdL);
        EXPECT_EQ(tableModel()->index(0, glycemia).data().toString(),
                  mmol ? QStringLiteral("5.6") : QStringLiteral("101"));
        EXPECT_EQ(control<QLineEdit>("windowStatisticsGenricMin")->text(),
                  mmol ? QStringLiteral("5.6") : QStringLiteral("101"));
    };

    // Chosen in the menu, kept under the key the trends window used.
    start();
    shownIn("mg/dL");
    control<QAction>("menuUnitMmol")->trigger();
    AppDelegate(controller.get()).applicationWillTerminate();
    EXPECT_EQ(domain().value(QStringLiteral("glycemiaUnit")), QStringLiteral("mmol/L"));
    start();
    shownIn("mmol/L");
    control<QAction>("menuUnitMgdl")->trigger();
    controller->updatePreference();
    EXPECT_EQ(domain().value(QStringLiteral("glycemiaUnit")), QStringLiteral("mg/dL"));

    // Settings written when only the trends window had a unit: the whole
    // program now shows it, the edit sheet included.
    ASSERT_TRUE(Preferences::write(
        prefs,
        everyKey("YES", "0", "0", "NO", "NO", "POPUP_PERIOD_EVERYDAY", "POPUP_MEASURAMENT_ALL", "NO", "mmol/L")));
    start();
    shownIn("mmol/L");
    control<QTableView>("listaSchedeGlicemiche")->selectRow(0);
    controller->cardEdit();
    EXPECT_EQ(control<QLabel>("windowEditGlycemiaTitle")->text(), QStringLiteral("Glycemia (mmol/L)"));
    EXPECT_EQ(control<QLineEdit>("windowEditTextFieldGlycemia")->text(), QStringLiteral("5.6"));
    control<QPushButton>("windowEditButtonCancel")->click();
}

TEST_F(PreferencesTest, ClosingTheWindowAsksAndOnlyYesEndsAndSaves)
{
    const auto delegate = startWithAnUnsavedCard();
    const QByteArray diary = testsupport::readFile(path);
    const Preferences::Domain before = domain();
    control<QAction>("menuNote")->trigger();

    control<QMainWindow>("windowMain")->hide(); // closed by the user
    dialogs.alertAnswers << Dialogs::kFirstButton + 1;
    EXPECT_FALSE(delegate->applicationShouldTerminateAfterLastWindowClosed());
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts[0].message, strings.text(QStringLiteral("ALLERT_TEXT_MESSAGE_QUIT")));
    EXPECT_TRUE(control<QMainWindow>("windowMain")->isVisible());
    EXPECT_EQ(testsupport::readFile(path), diary);
    EXPECT_EQ(domain(), before);

    dialogs.alertAnswers << Dialogs::kFirstButton;
    EXPECT_TRUE(delegate->applicationShouldTerminateAfterLastWindowClosed());
    delegate->applicationWillTerminate(); // what ending the program runs
    const CardList saved = diaryOnDisk();
    ASSERT_EQ(saved.size(), 10u);
    EXPECT_EQ(saved[1]->idCard(), 30u) << "sorted, newest first";
    EXPECT_EQ(domain().value(QStringLiteral("noteIsVisible")), QStringLiteral("YES"));
}

TEST_F(PreferencesTest, TheQuitCommandSavesFirstThenAsks)
{
    const auto delegate = startWithAnUnsavedCard();
    // No: the program goes on, with the diary and the settings written.
    control<QAction>("menuNote")->trigger();
    dialogs.alertAnswers << Dialogs::kFirstButton + 1;
    control<QAction>("menuQuit")->trigger();
    EXPECT_EQ(dialogs.alerts.size(), 1);
    EXPECT_TRUE(exits.isEmpty());
    EXPECT_EQ(diaryOnDisk().size(), 10u);
    EXPECT_EQ(domain().value(QStringLiteral("noteIsVisible")), QStringLiteral("YES"));

    // Yes with the edit sheet open: the sheet goes without its entries, the
    // program ends with status 0, and its ending writes nothing more.
    control<QAction>("cardAdd")->trigger();
    ASSERT_TRUE(control<EditSheet>("windowEdit")->isVisible());
    QTest::keyClicks(control<QLineEdit>("windowEditTextFieldGlycemia"), QStringLiteral("140"));
    EXPECT_TRUE(control<QAction>("menuQuit")->isEnabled()) << "the one command a sheet leaves";
    dialogs.alertAnswers << Dialogs::kFirstButton;
    // Its shortcut, typed in the sheet.
    control<EditSheet>("windowEdit")->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(control<EditSheet>("windowEdit")));
    QTest::keySequence(control<QLineEdit>("windowEditTextFieldGlycemia"), control<QAction>("menuQuit")->shortcut());
    EXPECT_EQ(exits, QList<int>{0});
    EXPECT_FALSE(control<EditSheet>("windowEdit")->isVisible());
    const QByteArray saved = testsupport::readFile(path);
    clearUnsaved();
    delegate->applicationWillTerminate();
    EXPECT_EQ(testsupport::readFile(path), saved);
    EXPECT_EQ(diaryOnDisk().size(), 10u);
}

TEST_F(PreferencesTest, RestoredPanelsComeUpBesideTheMainWindowAndAboveItWhereTheyWereLeft)
{
    writeDiary(weekOfCards());
    ASSERT_TRUE(Preferences::write(prefs, everyKey("YES", "0", "0", "YES", "YES", "POPUP_PERIOD_EVERYDAY",
                                                   "POPUP_MEASURAMENT_ALL", "YES")));
    ASSERT_TRUE(Preferences::write(places(), {{QStringLiteral("windowMain"), QStringLiteral("10,20,300,200")}}));
    std::optional<ShowOrder> order(std::in_place);
    start();
    const QList<QObject *> shown = order->shown;
    order.reset();

    QWidget *main = control<QMainWindow>("windowMain");
    const QRect screen = main->screen()->availableGeometry();
    EXPECT_EQ(placeOf(main), QRect(10, 20, 300, 200));
    const auto panels = panelsAndItems();
    for (const auto &[panel, item] : panels) {
        SCOPED_TRACE(panel->objectName().toStdString());
        EXPECT_TRUE(panel->isVisible());
        EXPECT_EQ(item->text(), strings.text(QStringLiteral("MENU_NOTE_HIDE")));
        // Shown before the main window, a panel ends up beneath it.
        EXPECT_GT(shown.indexOf(panel), shown.indexOf(main));
        EXPECT_TRUE(screen.contains(panel->frameGeometry()));
    }
    // The two small panels fit beside it, one above the other.
    QWidget *statistics = control<QWidget>("windowStatistics"), *note = control<QWidget>("windowNote");
    EXPECT_FALSE(statistics->frameGeometry().intersects(main->frameGeometry()));
    EXPECT_FALSE(note->frameGeometry().intersects(main->frameGeometry()));
    EXPECT_FALSE(note->frameGeometry().intersects(statistics->frameGeometry()));

    // Where the user leaves them is where the next start puts them.
    main->setGeometry(30, 40, 320, 220);
    note->move(400, 300);
    AppDelegate(controller.get()).applicationWillTerminate();
    const QRect mainPlace = placeOf(main), notePlace = placeOf(note), statisticsPlace = placeOf(statistics);
    EXPECT_EQ(domain().size(), 9) << "the places are kept in a file of their own";
    start();
    EXPECT_EQ(placeOf(control<QMainWindow>("windowMain")), mainPlace);
    EXPECT_EQ(placeOf(control<QWidget>("windowNote")), notePlace);
    EXPECT_EQ(placeOf(control<QWidget>("windowStatistics")), statisticsPlace);

    // A place on no screen, or no place at all, is not restored: the window
    // comes up on the screen, a panel beside the main window.
    struct Case {
        const char *statistics;
        const char *main;
    };
    const Case cases[] = {{"5000,5000,300,200", "10,20,300,200"}, {"-900,10,300,200", "10,20,300,200"},
                          {"10,10,0,200", "10,20,300,200"},      {"10,10,300", "10,20,300,200"},
                          {"ten,10,300,200", "10,20,300,200"},   {"450,300,300,200", "-4000,20,300,200"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.statistics) + " " + c.main);
        ASSERT_TRUE(Preferences::write(places(), {{QStringLiteral("windowMain"), QString::fromLatin1(c.main)},
                                                  {QStringLiteral("windowStatistics"),
                                                   QString::fromLatin1(c.statistics)}}));
        start();
        const QRect mainFrame = control<QMainWindow>("windowMain")->frameGeometry();
        EXPECT_TRUE(screen.contains(mainFrame));
        EXPECT_TRUE(screen.contains(control<QWidget>("windowStatistics")->frameGeometry()));
        if (mainFrame.topLeft() == QPoint(10, 20))
            EXPECT_FALSE(control<QWidget>("windowStatistics")->frameGeometry().intersects(mainFrame));
        else
            EXPECT_EQ(control<QWidget>("windowStatistics")->pos(), QPoint(450, 300));
    }
}

TEST_F(PreferencesTest, AWayOutWhoseSaveFailsKeepsTheWindowUntilTheUserSettlesIt)
{
    const int tryAgain = Dialogs::kFirstButton, elsewhere = Dialogs::kFirstButton + 1,
              withoutSaving = Dialogs::kFirstButton + 2, stay = Dialogs::kFirstButton + 3;
    const QString copy = home.filePath(QStringLiteral("copy"));
    QStringList buttons;
    for (const char *key : {"BUTTON_TRY_AGAIN", "BUTTON_SAVE_ELSEWHERE", "BUTTON_QUIT_WITHOUT_SAVING", "ALLERT_BUTTON_CANCEL"})
        buttons << strings.text(QString::fromLatin1(key));
    struct Case {
        const char *what;
        bool byClosing; // the window's close button, else the quit command
        QList<int> answers;
        QStringList files; // the save panel's answers
        bool ends;
        int failureAlerts;
    };
    const Case cases[] = {
        {"stay", true, {stay}, {}, false, 1},
        {"try again, in vain, then stay", false, {tryAgain, stay}, {}, false, 2},
        {"the panel cancelled, then stay", false, {elsewhere, stay}, {}, false, 2},
        {"elsewhere, in vain, then elsewhere", true, {elsewhere, elsewhere}, {QStringLiteral("/proc/copy"), copy},
         true, 2},
        {"elsewhere", false, {elsewhere}, {copy}, true, 1},
        {"without saving", true, {withoutSaving}, {}, true, 1},
        {"without saving", false, {withoutSaving}, {}, true, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.what) + (c.byClosing ? " (closing)" : " (quit command)"));
        const auto delegate = startWithAnUnsavedCard();
        blockTheDiary();
        QFile::remove(copy + QStringLiteral(".orv"));
        dialogs.alerts.clear();
        dialogs.alertAnswers = c.answers;
        dialogs.fileAnswers = c.files;

        bool ends;
        if (c.byClosing) {
            dialogs.alertAnswers.prepend(Dialogs::kFirstButton); // yes, quit
            ends = delegate->applicationShouldTerminateAfterLastWindowClosed();
            dialogs.alerts.removeFirst();
        } else {
            control<QAction>("menuQuit")->trigger();
            ends = !exits.isEmpty();
        }
        EXPECT_EQ(ends, c.ends);
        EXPECT_TRUE(control<QMainWindow>("windowMain")->isVisible());
        EXPECT_EQ(diaryCards().size(), 10u);
        ASSERT_GE(dialogs.alerts.size(), c.failureAlerts);
        for (int i = 0; i < c.failureAlerts; ++i) {
            const ScriptedDialogs::Alert &alert = dialogs.alerts[i];
            EXPECT_EQ(alert.message, strings.text(QStringLiteral("ALERT_QUIT_SAVE_FAILED")));
            EXPECT_EQ(alert.buttons, buttons);
            EXPECT_EQ(alert.destructiveButton, 2);
            EXPECT_TRUE(alert.informativeText.contains(i == 1 && c.files.size() == 2 ? QStringLiteral("/proc/copy")
                                                                                     : path))
                << alert.informativeText.toStdString();
        }
        const bool savedElsewhere = c.files.contains(copy);
        EXPECT_EQ(dialogs.alerts.size(), c.failureAlerts + (savedElsewhere ? 1 : 0)) << "nothing more is asked";
        if (savedElsewhere) {
            const std::optional<CardList> saved = DiaryFile::read(copy + QStringLiteral(".orv"), nullptr);
            ASSERT_TRUE(saved);
            EXPECT_EQ(testsupport::expectedText(*saved), testsupport::expectedText(diaryCards()));
            EXPECT_TRUE(dialogs.alerts.last().message.contains(copy));
            EXPECT_TRUE(dialogs.alerts.last().informativeText.contains(path)) << "the diary was not written";
        }
        // What ends the program writes nothing more, and no recovery file:
        // the user has chosen.
        if (ends)
            delegate->applicationWillTerminate();
        EXPECT_TRUE(recoveryFiles().isEmpty());
        unblockTheDiary();
        EXPECT_EQ(diaryOnDisk().size(), 9u);
    }

    // Once the diary can be written again, trying again ends the program.
    const auto delegate = startWithAnUnsavedCard();
    blockTheDiary();
    dialogs.alerts.clear();
    dialogs.alertAnswers = {stay};
    control<QAction>("menuQuit")->trigger();
    unblockTheDiary();
    dialogs.alertAnswers = {Dialogs::kFirstButton}; // yes, quit
    control<QAction>("menuQuit")->trigger();
    EXPECT_EQ(exits, QList<int>{0});
    EXPECT_EQ(diaryOnDisk().size(), 10u);
}

TEST_F(PreferencesTest, AnEndingThatCannotAskKeepsTheCardsInARecoveryFileToldOfOnce)
{
    const auto delegate = startWithAnUnsavedCard();
    blockTheDiary();
    delegate->applicationWillTerminate(); // a signal, or the session ending
    delegate->applicationWillTerminate(); // the same cards again: kept once
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    QStringList kept = recoveryFiles();
    ASSERT_EQ(kept.size(), 1);
    const std::optional<CardList> recovered = DiaryFile::read(recovery + QLatin1Char('/') + kept[0], nullptr);
    ASSERT_TRUE(recovered);
    EXPECT_EQ(testsupport::expectedText(*recovered), testsupport::expectedText(diaryCards()));
    EXPECT_EQ(recovered->size(), 10u);
    // Another change, another file; none is written over.
    addUnsaved(card(31, "2026-03-11T11:00:00", false, "POPUP_MEAL_LUNCH", 130));
    delegate->applicationWillTerminate();
    const QStringList first = kept;
    kept = recoveryFiles();
    ASSERT_EQ(kept.size(), 2);
    kept.removeOne(first[0]);
    EXPECT_EQ(DiaryFile::read(recovery + QLatin1Char('/') + first[0], nullptr)->size(), 10u);
    EXPECT_EQ(DiaryFile::read(recovery + QLatin1Char('/') + kept[0], nullptr)->size(), 11u);
    kept << first[0];
    unblockTheDiary();

    // The next start tells where they are; the one after says nothing more,
    // until there is another.
    start();
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts[0].message, strings.text(QStringLiteral("ALERT_RECOVERED")));
    for (const QString &name : kept)
        EXPECT_TRUE(dialogs.alerts[0].informativeText.contains(recovery + QLatin1Char('/') + name));
    start();
    EXPECT_EQ(dialogs.alerts.size(), 1);
    ASSERT_TRUE(DiaryFile::writeAtomically(recovery + QStringLiteral("/Orvane-2030-01-01-000000.orv"),
                                           KeyedArchive::encodeDiary(weekOfCards())).ok);
    start();
    ASSERT_EQ(dialogs.alerts.size(), 2);
    EXPECT_TRUE(dialogs.alerts[1].informativeText.contains(QStringLiteral("Orvane-2030-01-01-000000.orv")));
    EXPECT_FALSE(dialogs.alerts[1].informativeText.contains(kept[0]));
}

} // namespace
