// The view settings kept from one run to the next, and the ways out of the
// program: which of them save the diary and the settings, and which ask.
#include "app/AppDelegate.h"
#include "app/MainWindowFixture.h"
#include "app/Preferences.h"
#include "edit/EditSheet.h"
#include "ui/TrendsWindow.h"

#include <QComboBox>

#include <QMenu>

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
};

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
    controller->menuViewShowToolBar->trigger();
    controller->menuNote->trigger();
    controller->toolbarModeItems[1]->trigger(); // icon only
    controller->toolbarSmallSize->trigger();
    controller->menuTrends->trigger();
    pick(controller->windowTrends->unitPopup, 1); // mmol/L
    pick(controller->popupPeriod, 3);
    pick(controller->popupMeasurements, 1);
    // Changes during the run are not written until the program ends.
    EXPECT_EQ(domain().value(QStringLiteral("noteIsVisible")), QStringLiteral("NO"));
    delegate.applicationWillTerminate();
    EXPECT_EQ(domain(),
              everyKey("NO", "2", "1", "NO", "YES", "POPUP_PERIOD_WEEK", "POPUP_MEASURAMENT_BLOOD", "YES", "mmol/L"));

    start();
    EXPECT_TRUE(controller->toolBar->isHidden());
    EXPECT_EQ(controller->menuViewShowToolBar->text(), strings.text(QStringLiteral("MENU_TOOLBAR_SHOW")));
    EXPECT_TRUE(controller->windowNote->isVisible());
    EXPECT_FALSE(controller->windowStatistics->isVisible());
    EXPECT_TRUE(controller->windowTrends->isVisible());
    EXPECT_EQ(controller->menuTrends->text(), strings.text(QStringLiteral("MENU_NOTE_HIDE")));
    EXPECT_EQ(controller->windowTrends->unit(), Trends::Unit::MmolL);
    EXPECT_EQ(controller->windowTrends->unitPopup->currentIndex(), 1);
    EXPECT_EQ(controller->windowTrends->figures().readings, 4) << "the shown window follows the first filter run";
    EXPECT_EQ(controller->toolBar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(controller->toolBar->iconSize(), QSize(16, 16));
    EXPECT_EQ(controller->popupPeriod->currentIndex(), 3);
    EXPECT_EQ(controller->popupMeasurements->currentIndex(), 1);
    EXPECT_EQ(rowsShown(), (QList<uint64_t>{9, 8, 6, 5})) << "the first filter run uses both";
    // The toolbar's menu shows the modes in force.
    EXPECT_TRUE(controller->toolbarModeItems[1]->isChecked());
    EXPECT_TRUE(controller->toolbarSmallSize->isChecked());
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
        EXPECT_EQ(controller->toolBar->isHidden(), c.toolbarHidden);
        EXPECT_EQ(controller->toolBar->toolButtonStyle(), c.style);
        EXPECT_EQ(controller->toolBar->iconSize(), c.iconSize);
        EXPECT_FALSE(controller->windowStatistics->isVisible());
        EXPECT_EQ(controller->popupPeriod->currentIndex(), c.period);
        EXPECT_EQ(controller->popupMeasurements->currentIndex(), c.kind);
        EXPECT_FALSE(controller->windowTrends->isVisible());
        EXPECT_EQ(controller->windowTrends->unit(), c.unit);
        EXPECT_EQ(domain(), c.stored) << "reading writes nothing";
    }
}

TEST_F(PreferencesTest, ClosingTheWindowAsksAndOnlyYesEndsAndSaves)
{
    writeDiary(weekOfCards());
    start();
    AppDelegate delegate(controller.get());
    delegate.setWindow(controller->windowMain);
    const QByteArray diary = testsupport::readFile(path);
    const Preferences::Domain before = domain();
    controller->arrayArchive.push_back(card(30, "2026-03-11T10:00:00", false, "POPUP_MEAL_LUNCH", 120));
    controller->menuNote->trigger();

    controller->windowMain->hide(); // closed by the user
    dialogs.alertAnswers << Dialogs::kFirstButton + 1;
    EXPECT_FALSE(delegate.applicationShouldTerminateAfterLastWindowClosed());
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts[0].message, strings.text(QStringLiteral("ALLERT_TEXT_MESSAGE_QUIT")));
    EXPECT_EQ(dialogs.alerts[0].buttons,
              (QStringList{strings.text(QStringLiteral("BUTTON_YES")), strings.text(QStringLiteral("BUTTON_NO"))}));
    EXPECT_TRUE(controller->windowMain->isVisible());
    EXPECT_EQ(testsupport::readFile(path), diary);
    EXPECT_EQ(domain(), before);

    dialogs.alertAnswers << Dialogs::kFirstButton;
    EXPECT_TRUE(delegate.applicationShouldTerminateAfterLastWindowClosed());
    delegate.applicationWillTerminate(); // what ending the program runs
    const CardList saved = diaryOnDisk();
    ASSERT_EQ(saved.size(), 10u);
    EXPECT_EQ(saved[1]->idCard(), 30u) << "sorted, newest first";
    EXPECT_EQ(domain().value(QStringLiteral("noteIsVisible")), QStringLiteral("YES"));
}

TEST_F(PreferencesTest, TheQuitCommandSavesFirstThenAsks)
{
    writeDiary(weekOfCards());
    start();
    AppDelegate delegate(controller.get());
    QList<int> exits;
    controller->exitProgram = [&exits](int status) { exits << status; };

    // No: the program goes on, with the diary and the settings written.
    controller->arrayArchive.push_back(card(30, "2026-03-11T10:00:00", false, "POPUP_MEAL_LUNCH", 120));
    controller->menuNote->trigger();
    dialogs.alertAnswers << Dialogs::kFirstButton + 1;
    controller->menuQuit->trigger();
    EXPECT_EQ(dialogs.alerts.size(), 1);
    EXPECT_TRUE(exits.isEmpty());
    EXPECT_EQ(diaryOnDisk().size(), 10u);
    EXPECT_EQ(domain().value(QStringLiteral("noteIsVisible")), QStringLiteral("YES"));

    // Yes with the edit sheet open: the sheet goes without its entries, the
    // program ends with status 0, and its ending writes nothing more.
    controller->cardAddItem->trigger();
    ASSERT_TRUE(controller->windowEdit->isVisible());
    QTest::keyClicks(controller->windowEdit->windowEditTextFieldGlycemia, QStringLiteral("140"));
    EXPECT_TRUE(controller->menuQuit->isEnabled()) << "the one command a sheet leaves";
    dialogs.alertAnswers << Dialogs::kFirstButton;
    // Its shortcut, typed in the sheet.
    controller->windowEdit->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(controller->windowEdit));
    QTest::keySequence(controller->windowEdit->windowEditTextFieldGlycemia, controller->menuQuit->shortcut());
    EXPECT_EQ(exits, QList<int>{0});
    EXPECT_FALSE(controller->windowEdit->isVisible());
    const QByteArray saved = testsupport::readFile(path);
    controller->arrayArchive.clear();
    delegate.applicationWillTerminate();
    EXPECT_EQ(testsupport::readFile(path), saved);
    EXPECT_EQ(diaryOnDisk().size(), 10u);
}

} // namespace
