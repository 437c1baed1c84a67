// A new user's first session, from an empty home folder to the next start:
// cards added and changed through the sheets, the view narrowed from the
// toolbar and the menus, the panels, export and import, and quitting through
// the window's close button. Every step checks what the window shows and
// what is on disk.
#include "app/AppDelegate.h"
#include "app/MainWindowFixture.h"
#include "app/Preferences.h"
#include "edit/EditSheet.h"
#include "support/UserActions.h"
#include "ui/MainWindow.h"

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
        ASSERT_TRUE(clickToolbar("cardAdd"));
        EditSheet *sheet = control<EditSheet>("windowEdit");
        ASSERT_TRUE(sheet->isVisible());
        QDateTime when = QDateTime::fromString(QString::fromLatin1(c.when), Qt::ISODate);
        when.setTimeZone(kRome);
        control<QDateTimeEdit>("windowEditDate")->setDateTime(when.toLocalTime());
        if (c.therapy)
            click(control<QCheckBox>("windowEditIsTherapy"));
        pick(control<QComboBox>("windowEditPopUpMeal"), c.meal);
        if (c.preMeal != control<QCheckBox>("windowEditIsPreMeal")->isChecked())
            click(control<QCheckBox>("windowEditIsPreMeal"));
        if (c.therapy) {
            pick(control<QComboBox>("windowEditPopUpInsulin"), c.insulin);
            QTest::keyClicks(control<QLineEdit>("windowEditTextFieldUnit"), QString::fromLatin1(c.value));
        } else {
            QTest::keyClicks(control<QLineEdit>("windowEditTextFieldGlycemia"), QString::fromLatin1(c.value));
        }
        if (c.protect)
            click(control<QCheckBox>("windowEditIsProtect"));
        if (c.note)
            QTest::keyClicks(control<QPlainTextEdit>("windowEditTextViewNote"), QString::fromUtf8(c.note));
        click(control<QPushButton>("windowEditButtonAction"));
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

    QList<float> glycemiasShown() const { return glycemiasOf(tableModel()->view()); }

    QString counted(int shown, int total) const
    {
        return QStringLiteral("Cards shown: %1 of %2").arg(shown).arg(total);
    }

    void exportAs(const char *kind, const QString &file)
    {
        ASSERT_TRUE(clickToolbar("csvExport"));
        QDialog *sheet = control<QDialog>("windowExportType");
        ASSERT_TRUE(sheet->isVisible());
        QRadioButton *button = control<QRadioButton>(kind);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        dialogs.fileAnswers << file;
        click(control<QPushButton>("windowExportTypeButtonContinue"));
        EXPECT_FALSE(sheet->isVisible());
    }

    void importFrom(const QString &file, bool replace)
    {
        dialogs.fileAnswers << file;
        dialogs.alertAnswers << (replace ? Dialogs::kFirstButton : Dialogs::kFirstButton + 1);
        control<QAction>("menuImport")->trigger();
    }
};

TEST_F(JourneyTest, AFirstSessionFromAnEmptyHomeToTheNextStart)
{
    start();
    AppDelegate delegate(controller.get());
    delegate.setWindow(control<QMainWindow>("windowMain"));
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
    pick(control<QComboBox>("popupPeriod"), 1);
    EXPECT_EQ(glycemiasShown(), (QList<float>{160, 95, -6}));
    control<QAction>("menuViewMeasuramentBlood")->trigger();
    EXPECT_EQ(glycemiasShown(), (QList<float>{160, 95}));
    EXPECT_EQ(label(), counted(2, 5));

    // The panels: statistics of the two readings, the note of the one chosen.
    ASSERT_TRUE(clickToolbar("viewStatistics"));
    EXPECT_TRUE(control<QWidget>("windowStatistics")->isVisible());
    EXPECT_EQ(control<QLineEdit>("windowStatisticsGenricMid")->text(), QStringLiteral("127.5"));
    control<QAction>("menuNote")->trigger();
    EXPECT_TRUE(control<QWidget>("windowNote")->isVisible());
    control<QTableView>("listaSchedeGlicemiche")->selectRow(1);
    EXPECT_EQ(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText(), QStringLiteral("before the walk"));

    // A reading corrected in its sheet, opened by a double click.
    doubleClickRow(control<QTableView>("listaSchedeGlicemiche"), 1);
    ASSERT_TRUE(control<EditSheet>("windowEdit")->isVisible());
    retype(control<QLineEdit>("windowEditTextFieldGlycemia"), "99");
    click(control<QPushButton>("windowEditButtonAction"));
    EXPECT_EQ(glycemiasOf(onDisk()), (QList<float>{160, 99, -6, 110, -8}));
    EXPECT_EQ(control<QLineEdit>("windowStatisticsGenricMid")->text(), QStringLiteral("129.5"));
    EXPECT_EQ(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText(), QStringLiteral("before the walk"));

    // A reading removed (the delete sheet's own cases are its tests').
    control<QTableView>("listaSchedeGlicemiche")->selectRow(1);
    control<QAction>("menuRemove")->trigger();
    click(control<QPushButton>("windowDeleteButtonRemove"));
    EXPECT_EQ(glycemiasOf(onDisk()), (QList<float>{160, -6, 110, -8}));
    EXPECT_EQ(glycemiasShown(), (QList<float>{160}));
    EXPECT_EQ(label(), counted(1, 4));

    // Export in the three kinds: always the whole diary.
    const QString csv = home.filePath(QStringLiteral("Orvane.csv"));
    const QString old = home.filePath(QStringLiteral("Orvane Old.csv"));
    const QString orv = home.filePath(QStringLiteral("Orvane copy.orv"));
    exportAs("formatOrvaneCSV", csv);
    exportAs("formatOrvaneREALStudioCSV", old);
    exportAs("formatOrvaneORV", orv);
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    // Each file holds the header and the four cards (the layouts are the
    // exporter's tests' concern).
    EXPECT_EQ(testsupport::readFile(csv).count('\r'), 5);
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
    control<MainWindow>("windowMain")->shouldClose = [&] {
        ended = delegate.applicationShouldTerminateAfterLastWindowClosed();
        return ended;
    };
    dialogs.alertAnswers << Dialogs::kFirstButton;
    control<QMainWindow>("windowMain")->close();
    ASSERT_TRUE(ended);
    EXPECT_FALSE(control<QMainWindow>("windowMain")->isVisible());
    delegate.applicationWillTerminate();
    const QByteArray saved = testsupport::readFile(path);

    // The next start: the same diary, panels and choices.
    start();
    EXPECT_EQ(testsupport::readFile(path), saved);
    EXPECT_EQ(control<QComboBox>("popupPeriod")->currentIndex(), 1);
    EXPECT_EQ(control<QComboBox>("popupMeasurements")->currentIndex(), 1);
    EXPECT_EQ(glycemiasShown(), (QList<float>{160}));
    EXPECT_EQ(label(), counted(1, 4));
    EXPECT_TRUE(control<QWidget>("windowStatistics")->isVisible());
    EXPECT_TRUE(control<QWidget>("windowNote")->isVisible());
    EXPECT_EQ(control<QLineEdit>("windowStatisticsGenricMid")->text(), QStringLiteral("160"));
}

} // namespace
