// A new user's first session, from an empty home folder to the next start:
// cards added and changed through the sheets, the view narrowed from the
// toolbar and the menus, the panels, export and import, and quitting through
// the window's close button. Every step checks what the window shows and
// what is on disk.
#include "app/AppDelegate.h"
#include "app/MainWindowFixture.h"
#include "app/Preferences.h"
#include "edit/DeleteSheet.h"
#include "edit/EditSheet.h"
#include "interchange/CsvLayouts.h"
#include "support/UserActions.h"
#include "ui/ExportTypeSheet.h"

#include <QDateTimeEdit>

namespace {

using namespace useractions;

class JourneyTest : public MainWindowTest
{
protected:
    struct NewCard {
        const char *when;
        bool therapy;
        int meal;
        bool preMeal;
        const char *value;
        int insulin;
        bool protect;
        const char *note;
    };

    // Through the toolbar's button and the sheet, as the user types it.
    void add(const NewCard &c)
    {
        ASSERT_TRUE(clickToolbar(controller->toolBar, controller->cardAddItem));
        EditSheet *sheet = controller->windowEdit;
        ASSERT_TRUE(sheet->isVisible());
        QDateTime when = QDateTime::fromString(QString::fromLatin1(c.when), Qt::ISODate);
        when.setTimeZone(kRome);
        sheet->windowEditDate->setDateTime(when.toLocalTime());
        if (c.therapy)
            click(sheet->windowEditIsTherapy);
        pick(sheet->windowEditPopUpMeal, c.meal);
        if (c.preMeal != sheet->windowEditIsPreMeal->isChecked())
            click(sheet->windowEditIsPreMeal);
        if (c.therapy) {
            pick(sheet->windowEditPopUpInsulin, c.insulin);
            QTest::keyClicks(sheet->windowEditTextFieldUnit, QString::fromLatin1(c.value));
        } else {
            QTest::keyClicks(sheet->windowEditTextFieldGlycemia, QString::fromLatin1(c.value));
        }
        if (c.protect)
            click(sheet->windowEditIsProtect);
        if (c.note)
            QTest::keyClicks(sheet->windowEditTextViewNote, QString::fromUtf8(c.note));
        click(sheet->windowEditButtonAction);
        EXPECT_FALSE(sheet->isVisible());
    }

    CardList onDisk() const { return DiaryFile::read(path, nullptr).value_or(CardList{}); }

    static QList<float> glycemiasOf(const CardList &cards)
    {
        QList<float> out;
        for (const CardRef &c : cards)
            out << (c->isTherapy() ? -c->unitValue() : c->glycemiaValue());
        return out;
    }

    QList<float> glycemiasShown() const { return glycemiasOf(controller->tableModel()->view()); }

    QString counted(int shown, int total) const
    {
        return QStringLiteral("Cards shown: %1 of %2").arg(shown).arg(total);
    }

    void exportAs(QRadioButton *ExportTypeSheet::*kind, const QString &file)
    {
        ASSERT_TRUE(clickToolbar(controller->toolBar, controller->csvExport));
        ExportTypeSheet *sheet = controller->windowExportType;
        ASSERT_TRUE(sheet->isVisible());
        QRadioButton *button = sheet->*kind;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        dialogs.fileAnswers << file;
        click(sheet->windowExportTypeButtonContinue);
        EXPECT_FALSE(sheet->isVisible());
    }

    void importFrom(const QString &file, bool replace)
    {
        dialogs.fileAnswers << file;
        dialogs.alertAnswers << (replace ? Dialogs::kFirstButton : Dialogs::kFirstButton + 1);
        controller->menuImport->trigger();
    }
};

TEST_F(JourneyTest, AFirstSessionFromAnEmptyHomeToTheNextStart)
{
    start();
    AppDelegate delegate(controller.get());
    delegate.setWindow(controller->windowMain);
    EXPECT_EQ(label(), counted(0, 0));

    // Three measurements and two doses (negative in these lists: units).
    const NewCard cards[] = {
        {"2026-03-11T08:00:00", false, 1, true, "95", 0, false, "before the walk"},
        {"2026-03-11T10:00:00", false, 1, false, "160", 0, true, nullptr},
        {"2026-03-05T13:00:00", false, 2, true, "110", 0, false, nullptr},
        {"2026-03-11T07:50:00", true, 1, true, "6", 3, false, nullptr},
        {"2026-02-20T12:55:00", true, 2, true, "8", 2, false, nullptr},
    };
    for (const NewCard &c : cards)
        add(c);
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    EXPECT_EQ(glycemiasOf(onDisk()), (QList<float>{160, 95, -6, 110, -8}));
    EXPECT_EQ(glycemiasShown(), (QList<float>{160, 95, -6, 110, -8}));
    EXPECT_EQ(label(), counted(5, 5));

    // Today from the toolbar's pop-up, measurements from the menu.
    pick(controller->popupPeriod, 1);
    EXPECT_EQ(glycemiasShown(), (QList<float>{160, 95, -6}));
    controller->menuViewMeasuramentBlood->trigger();
    EXPECT_EQ(glycemiasShown(), (QList<float>{160, 95}));
    EXPECT_EQ(label(), counted(2, 5));

    // The panels: statistics of the two readings, the note of the one chosen.
    ASSERT_TRUE(clickToolbar(controller->toolBar, controller->viewStatistics));
    EXPECT_TRUE(controller->windowStatistics->isVisible());
    EXPECT_EQ(controller->menuStatistics->text(), strings.text(QStringLiteral("MENU_NOTE_HIDE")));
    EXPECT_EQ(controller->windowStatisticsGenricMin->text(), QStringLiteral("95"));
    EXPECT_EQ(controller->windowStatisticsGenricMid->text(), QStringLiteral("127.5"));
    EXPECT_EQ(controller->windowStatisticsGenricMax->text(), QStringLiteral("160"));
    EXPECT_EQ(controller->windowStatisticsBreakfastPre->text(), QStringLiteral("95"));
    EXPECT_EQ(controller->windowStatisticsBreakfastPost->text(), QStringLiteral("160"));
    controller->menuNote->trigger();
    EXPECT_TRUE(controller->windowNote->isVisible());
    controller->listaSchedeGlicemiche->selectRow(1);
    EXPECT_EQ(controller->windowNoteTextViewNote->toPlainText(), QStringLiteral("before the walk"));

    // A reading corrected in its sheet, opened by a double click.
    doubleClickRow(controller->listaSchedeGlicemiche, 1);
    ASSERT_TRUE(controller->windowEdit->isVisible());
    retype(controller->windowEdit->windowEditTextFieldGlycemia, "99");
    click(controller->windowEdit->windowEditButtonAction);
    EXPECT_EQ(glycemiasOf(onDisk()), (QList<float>{160, 99, -6, 110, -8}));
    EXPECT_EQ(controller->windowStatisticsGenricMid->text(), QStringLiteral("129.5"));
    EXPECT_EQ(controller->windowNoteTextViewNote->toPlainText(), QStringLiteral("before the walk"));

    // The protected reading cannot go; the other one can.
    controller->listaSchedeGlicemiche->selectRow(0);
    ASSERT_TRUE(clickToolbar(controller->toolBar, controller->cardRemoveItem));
    ASSERT_TRUE(controller->windowDelete->isVisible());
    EXPECT_FALSE(controller->windowDelete->windowDeleteButtonRemove->isEnabled());
    QTest::keyClick(controller->windowDelete, Qt::Key_Escape);
    EXPECT_FALSE(controller->windowDelete->isVisible());
    controller->listaSchedeGlicemiche->selectRow(1);
    controller->menuRemove->trigger();
    click(controller->windowDelete->windowDeleteButtonRemove);
    EXPECT_EQ(glycemiasOf(onDisk()), (QList<float>{160, -6, 110, -8}));
    EXPECT_EQ(glycemiasShown(), (QList<float>{160}));
    EXPECT_EQ(label(), counted(1, 4));

    // Export in the three kinds: always the whole diary.
    const QString csv = home.filePath(QStringLiteral("Orvane.csv"));
    const QString old = home.filePath(QStringLiteral("Orvane Old.csv"));
    const QString orv = home.filePath(QStringLiteral("Orvane copy.orv"));
    exportAs(&ExportTypeSheet::formatOrvaneCSV, csv);
    exportAs(&ExportTypeSheet::formatOrvaneREALStudioCSV, old);
    exportAs(&ExportTypeSheet::formatOrvaneORV, orv);
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    EXPECT_TRUE(testsupport::readFile(csv).startsWith(CsvLayouts::returnPropertyNameListDefault().toUtf8()));
    EXPECT_EQ(testsupport::readFile(csv).count('\r'), 5);
    EXPECT_TRUE(testsupport::readFile(old).startsWith(CsvLayouts::returnPropertyNameListREALStudio().toUtf8()));
    EXPECT_EQ(testsupport::readFile(old).count('\r'), 5);
    const std::optional<CardList> copy = DiaryFile::read(orv, nullptr);
    ASSERT_TRUE(copy);
    EXPECT_EQ(testsupport::expectedText(*copy), testsupport::expectedText(onDisk()));

    // The CSV joins (CSV cards are always added); the diary file replaces.
    importFrom(csv, false);
    EXPECT_EQ(onDisk().size(), 8u);
    EXPECT_EQ(label(), counted(2, 8)) << "the view narrowed to today's readings, as before";
    importFrom(orv, true);
    EXPECT_EQ(testsupport::expectedText(onDisk()), testsupport::expectedText(*copy));
    EXPECT_EQ(glycemiasShown(), (QList<float>{160}));
    EXPECT_TRUE(dialogs.alerts.size() == 2) << "only the two questions";

    // Quit through the close button, as the program wires it.
    bool ended = false;
    controller->windowMain->shouldClose = [&] {
        ended = delegate.applicationShouldTerminateAfterLastWindowClosed();
        return ended;
    };
    dialogs.alertAnswers << Dialogs::kFirstButton;
    controller->windowMain->close();
    ASSERT_TRUE(ended);
    EXPECT_FALSE(controller->windowMain->isVisible());
    delegate.applicationWillTerminate();
    const QByteArray saved = testsupport::readFile(path);

    // The next start: the same diary, panels and choices.
    start();
    EXPECT_EQ(testsupport::readFile(path), saved);
    EXPECT_EQ(controller->popupPeriod->currentIndex(), 1);
    EXPECT_EQ(controller->popupMeasurements->currentIndex(), 1);
    EXPECT_EQ(glycemiasShown(), (QList<float>{160}));
    EXPECT_EQ(label(), counted(1, 4));
    EXPECT_TRUE(controller->windowStatistics->isVisible());
    EXPECT_TRUE(controller->windowNote->isVisible());
    EXPECT_EQ(controller->windowStatisticsGenricMid->text(), QStringLiteral("160"));
}

} // namespace
