// The main window as the user meets it: start-up, the filter pop-ups and
// menus, the table, the record count and the note panel. Runs offscreen.
#include "app/MainWindowFixture.h"
#include "ui/TrendsWindow.h"

#include <QScopeGuard>

#include <array>

namespace {

TEST_F(MainWindowTest, FirstStartShowsAnEmptyDiaryWithEveryControlInPlace)
{
    start();
    const QComboBox *period = control<QComboBox>("popupPeriod");
    const QComboBox *kind = control<QComboBox>("popupMeasurements");
    EXPECT_EQ(period->count(), 10);
    EXPECT_EQ(kind->count(), 3);
    EXPECT_EQ(period->currentIndex() + kind->currentIndex(), 0);
    EXPECT_EQ(tableModel()->rowCount(), 0);
    EXPECT_EQ(label(), QStringLiteral("Cards shown: 0 of 0"));
    EXPECT_TRUE(control<QToolBar>("toolBar")->isVisible());
    EXPECT_FALSE(control<QWidget>("windowStatistics")->isVisible());
    EXPECT_FALSE(control<QWidget>("windowNote")->isVisible());
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    EXPECT_FALSE(QFile::exists(path)) << "nothing is written before the first change";

    // No command tag is carried by two menu items; Undo and Redo are the
    // undo stack's, with no tag.
    QMultiHash<int, QString> menuTags;
    QStringList untagged;
    for (QAction *item : menuItems()) {
        if (item->property("tag").isValid())
            menuTags.insert(tagOf(item), item->objectName());
        else
            untagged << item->objectName();
    }
    EXPECT_EQ(untagged, (QStringList{"menuUndo", "menuRedo"}));
    for (int tag : menuTags.uniqueKeys())
        EXPECT_EQ(menuTags.values(tag).size(), 1) << menuTags.values(tag).join(u' ').toStdString();
}

TEST_F(MainWindowTest, OpensTheDiaryFileAndShowsEveryCardInItsOrder)
{
    writeDiary(weekOfCards());
    start();
    EXPECT_EQ(rowsShown(), (QList<uint64_t>{9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(&cardsInView(), &diaryCards()) << "with both pop-ups at their first item the view is the diary itself";
    EXPECT_EQ(label(), QStringLiteral("Cards shown: 9 of 9"));
    EXPECT_TRUE(dialogs.alerts.isEmpty());
}

TEST_F(MainWindowTest, PeriodsFollowCalendarDaysAroundMidnight)
{
    writeDiary(weekOfCards());
    start("2026-03-11T23:45:00");
    auto shownFor = [this](int period) {
        pick(control<QComboBox>("popupPeriod"), period);
        return rowsShown();
    };
    EXPECT_EQ(shownFor(1), (QList<uint64_t>{8}));                      // today: not tomorrow's card
    EXPECT_EQ(shownFor(2), (QList<uint64_t>{7, 6}));                   // yesterday, first and last minute
    EXPECT_EQ(shownFor(3), (QList<uint64_t>{9, 8, 7, 6, 5}));          // Thursday last week on, not Wednesday

    // A quarter of an hour later it is the 12th: yesterday is the 11th.
    start("2026-03-12T00:00:00");
    EXPECT_EQ(shownFor(2), (QList<uint64_t>{8}));
    EXPECT_EQ(label(), QStringLiteral("Cards shown: 1 of 9"));

    // Months later, today holds nothing: no rows, no note, the diary counted.
    start("2026-06-01T12:00:00");
    EXPECT_TRUE(shownFor(1).isEmpty());
    EXPECT_EQ(label(), QStringLiteral("Cards shown: 0 of 9"));
    EXPECT_TRUE(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, KindsAndLastNThroughPopupsAndMenus)
{
    // 15 measurements interleaved with 12 therapies, an hour apart, newest first.
    CardList cards;
    for (uint64_t id = 27; id >= 1; --id) {
        cards.push_back(card(id, "2026-03-11T20:00:00", id % 2 == 0 && id <= 24, "", 100));
        cards.back()->setDateMeasurement(rome("2026-03-11T20:00:00") - 3600.0 * double(27 - id));
    }
    writeDiary(cards);
    start();

    // Last 10 measurements, by the menu: the pop-up shows the choice.
    control<QAction>("menuViewMeasuramentBlood")->trigger();
    control<QAction>("menuViewPeriodLast10")->trigger();
    EXPECT_EQ(control<QComboBox>("popupPeriod")->currentIndex(), 6);
    EXPECT_EQ(control<QComboBox>("popupMeasurements")->currentIndex(), 1);
    EXPECT_EQ(rowsShown(), (QList<uint64_t>{27, 26, 25, 23, 21, 19, 17, 15, 13, 11}));
    EXPECT_TRUE(columnHidden("unitValue"));
    EXPECT_FALSE(columnHidden("glycemiaValue"));
    EXPECT_EQ(label(), QStringLiteral("Cards shown: 10 of 27"));

    // Last 20 therapies: only 12 exist.
    pick(control<QComboBox>("popupMeasurements"), 2);
    control<QAction>("menuViewPeriodLast20")->trigger();
    EXPECT_EQ(control<QComboBox>("popupPeriod")->currentIndex(), 7);
    EXPECT_EQ(rowsShown().size(), 12);
    EXPECT_TRUE(columnHidden("glycemiaValue"));
    EXPECT_FALSE(columnHidden("unitValue"));

    // Every card again, every column again.
    control<QAction>("menuViewMeasuramentAll")->trigger();
    control<QAction>("menuViewPeriodEveryday")->trigger();
    EXPECT_EQ(rowsShown().size(), 27);
    for (const char *id : {"glycemiaValue", "isPreMeal", "unitValue", "nameInsulin"})
        EXPECT_FALSE(columnHidden(id)) << id;
}

TEST_F(MainWindowTest, TheStatisticsPanelDescribesTheView)
{
    start();
    const QString na = text("NOT_DISPONBLE");
    const QList<QLineEdit *> fields = control<QWidget>("windowStatistics")->findChildren<QLineEdit *>();
    for (const QLineEdit *field : fields)
        EXPECT_EQ(field->text(), na) << field->objectName().toStdString();

    writeDiary(weekOfCards());
    start();
    auto field = [](const char *name) { return control<QLineEdit>(name)->text(); };
    // The panel shows what the figures give (they are worked out by hand in
    // the statistics' own tests) and follows every new view.
    EXPECT_EQ(field("windowStatisticsBreakfastPre"), QStringLiteral("101.5"));
    EXPECT_EQ(field("windowStatisticsDinnerUnit"), QStringLiteral("6"));
    EXPECT_EQ(field("windowStatisticsBreakfastPost"), na);
    pick(control<QComboBox>("popupPeriod"), 1); // today: the one breakfast of the 11th
    EXPECT_EQ(field("windowStatisticsGenricMid"), QStringLiteral("102"));
    pick(control<QComboBox>("popupMeasurements"), 2);
    EXPECT_EQ(field("windowStatisticsGenricMid"), na);
}

TEST_F(MainWindowTest, TheGlucoseUnitMenuSetsTheUnitOfEveryGlycemiaShownAndTheTrendsWindowFollows)
{
    writeDiary(weekOfCards());
    start();
    QAction *mgdl = control<QAction>("menuUnitMgdl");
    QAction *mmol = control<QAction>("menuUnitMmol");
    EXPECT_TRUE(mgdl->isChecked() && !mmol->isChecked()) << "the diary's own unit until one is chosen";

    const int glycemia = DiaryTableModel::columnWithIdentifier(QStringLiteral("glycemiaValue"));
    auto cell = [this, glycemia](int row) { return tableModel()->index(row, glycemia).data().toString(); };
    auto header = [this, glycemia] { return tableModel()->headerData(glycemia, Qt::Horizontal).toString(); };
    auto field = [](const QString &name) { return control<QLineEdit>(name.toLatin1().constData())->text(); };
    EXPECT_EQ(cell(0), QStringLiteral("101"));
    EXPECT_EQ(header(), QStringLiteral("Glycemia (mg/dL)"));
    EXPECT_EQ(control<QLabel>("windowStatisticsUnit")->text(), QStringLiteral("mg/dL"));
    const int narrow = control<QTableView>("listaSchedeGlicemiche")->columnWidth(glycemia);

    mmol->trigger();
    EXPECT_TRUE(mmol->isChecked() && !mgdl->isChecked());
    EXPECT_EQ(cell(0), QStringLiteral("5.6")); // 101
    EXPECT_EQ(header(), QStringLiteral("Glycemia (mmol/L)"));
    EXPECT_GT(control<QTableView>("listaSchedeGlicemiche")->columnWidth(glycemia), narrow)
        << "wide enough for its title";
    EXPECT_EQ(control<QLabel>("windowStatisticsUnit")->text(), QStringLiteral("mmol/L"));
    // The statistics panel in the unit too, doses as they were.
    EXPECT_EQ(field(QStringLiteral("windowStatisticsGenricMax")), QStringLiteral("6.1")); // 109
    EXPECT_EQ(field(QStringLiteral("windowStatisticsDinnerUnit")), QStringLiteral("6"));
    pick(control<QComboBox>("popupPeriod"), 1); // a new view keeps the unit
    EXPECT_EQ(field(QStringLiteral("windowStatisticsGenricMid")), QStringLiteral("5.7")); // 102
    pick(control<QComboBox>("popupPeriod"), 0);

    // The trends window shows the same unit, and its own pop-up sets it for
    // the whole program, the menu included.
    TrendsWindow *trends = control<TrendsWindow>("windowTrends");
    EXPECT_EQ(trends->unit(), GlycemiaUnit::Unit::MmolL) << "while hidden too";
    control<QAction>("menuTrends")->trigger();
    EXPECT_EQ(control<QComboBox>("trendsUnit")->currentIndex(), 1);
    EXPECT_TRUE(trends->figureText(QStringLiteral("trendsMean")).endsWith(QStringLiteral("mmol/L")));
    pick(control<QComboBox>("trendsUnit"), 0);
    EXPECT_TRUE(mgdl->isChecked() && !mmol->isChecked());
    EXPECT_EQ(cell(0), QStringLiteral("101"));
    pick(control<QComboBox>("trendsUnit"), 1);
    EXPECT_TRUE(mmol->isChecked());
    EXPECT_EQ(cell(0), QStringLiteral("5.6"));
    // Picking the unit in force again changes nothing.
    mmol->trigger();
    EXPECT_TRUE(mmol->isChecked() && !mgdl->isChecked());
    mgdl->trigger();
    EXPECT_EQ(trends->unit(), GlycemiaUnit::Unit::MgdL);
    EXPECT_EQ(control<QComboBox>("trendsUnit")->currentIndex(), 0);
    EXPECT_TRUE(trends->figureText(QStringLiteral("trendsMean")).endsWith(QStringLiteral("mg/dL")));
}

TEST_F(MainWindowTest, EachLanguageShowsItsTextsDatesAndNumbers)
{
    // The desktop's locale gives the texts and the dates and numbers alike.
    const QLocale before;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    writeDiary({card(3, "2026-03-11T08:05:00", false, "POPUP_MEAL_BREAKFAST", 1234.5f),
                card(2, "2026-03-10T12:30:00", true, "POPUP_MEAL_LUNCH", 6.5f),
                card(1, "2026-03-10T08:00:00", false, "POPUP_MEAL_BREAKFAST", 98.5f)});
    // How each locale shows them is the table's, the figures' and the
    // texts' own test; here each part of the window takes the desktop's.
    const std::array<const char *, 6> rows[] = {
        {"en_US", "3/11/2026 8:05 AM", "1,234.5", "Cards shown: 3 of 3", "666.5", "&File"},
        {"it_IT", "11/03/2026 08:05", "1.234,5", "Schede visualizzate: 3 su 3", "666,5", "&Archivio"},
        {"fr_FR", "11/03/2026 08:05", "1\u202f234,5", "Fiches affichées\u00a0: 3 sur 3", "666,5", "&Fichier"},
    };
    for (const auto &[locale, date, glycemia, count, mean, menu] : rows) {
        SCOPED_TRACE(locale);
        controller.reset();
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        strings = StringTable::forLocale(QLocale());
        start();
        auto shown = [this](const char *id) {
            const int column = DiaryTableModel::columnWithIdentifier(QLatin1String(id));
            return tableModel()->data(tableModel()->index(0, column)).toString().toStdString();
        };
        EXPECT_EQ(shown("dateMeasurement"), date);
        EXPECT_EQ(shown("glycemiaValue"), glycemia);
        EXPECT_EQ(label().toStdString(), count);
        EXPECT_EQ(control<QLineEdit>("windowStatisticsGenricMid")->text().toStdString(), mean);
        EXPECT_EQ(control<QMainWindow>("windowMain")->menuBar()->actions().value(0)->text().toStdString(), menu);
    }
}

TEST_F(MainWindowTest, TheNotePanelFollowsTheSelection)
{
    writeDiary(weekOfCards());
    start();
    QTableView *table = control<QTableView>("listaSchedeGlicemiche");
    table->selectRow(1);
    EXPECT_EQ(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText(),
              QStringLiteral("first minute of today"));
    table->selectRow(0);
    EXPECT_EQ(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText(), QString()) << "a card without notes";
    table->selectRow(1);
    table->clearSelection();
    EXPECT_EQ(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText(), QString());

    // A new view keeps the selected card selected while it is in view.
    table->selectRow(1);
    pick(control<QComboBox>("popupPeriod"), 1);
    EXPECT_EQ(controller->selectedRow(), 0);
    EXPECT_EQ(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText(),
              QStringLiteral("first minute of today"));
    pick(control<QComboBox>("popupPeriod"), 2);
    EXPECT_EQ(controller->selectedRow(), -1);
    EXPECT_EQ(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText(), QString());
}

TEST_F(MainWindowTest, APanelItemFollowsItsPanelHoweverItIsShownOrHidden)
{
    start();
    const QString show = text("MENU_NOTE_VIEW");
    const QString hide = text("MENU_NOTE_HIDE");
    const auto panels = panelsAndItems();
    for (const auto &[panel, item] : panels) {
        SCOPED_TRACE(panel->objectName().toStdString());
        item->trigger();
        ASSERT_TRUE(panel->isVisible());
        EXPECT_EQ(item->text(), hide);
        // The panel's own close button.
        panel->close();
        EXPECT_EQ(item->text(), show);
        item->trigger();
        EXPECT_TRUE(panel->isVisible());
        EXPECT_EQ(item->text(), hide);
        item->trigger();
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(item->text(), show);
    }
}

TEST_F(MainWindowTest, BackgroundSavesWriteTheLatestDiaryAndTellFailures)
{
    writeDiary(weekOfCards());
    start();
    setSaveInBackground(true);
    control<QAction>("menuViewMeasuramentBlood")->trigger(); // the view is a list of its own
    DiaryTableModel *model = tableModel();
    const int notes = DiaryTableModel::columnWithIdentifier(QStringLiteral("notes"));

    // Edits in quick succession; the card a save may be reading is never
    // changed, its edited copy takes its place in the view and the diary.
    const CardRef shown = model->cardAt(1);
    control<QTableView>("listaSchedeGlicemiche")->selectRow(1);
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(model->setData(model->index(1, notes), QStringLiteral("edit %1").arg(i)));
    EXPECT_EQ(control<QPlainTextEdit>("windowNoteTextViewNote")->toPlainText(), QStringLiteral("edit 5"));
    EXPECT_EQ(shown->notes(), CardText(QStringLiteral("first minute of today")));
    const CardRef edited = model->cardAt(1);
    EXPECT_EQ(edited->notes(), CardText(QStringLiteral("edit 5")));
    EXPECT_NE(std::find(diaryCards().begin(), diaryCards().end(), edited), diaryCards().end());
    EXPECT_EQ(std::find(diaryCards().begin(), diaryCards().end(), shown), diaryCards().end());

    controller->waitForSave();
    const CardList onDisk = cardsOnDisk();
    ASSERT_EQ(onDisk.size(), 9u);
    EXPECT_EQ(onDisk[1]->notes(), CardText(QStringLiteral("edit 5")));

    // A failure, in the background or not, is told once the writer has
    // given up; the diary is kept.
    ASSERT_TRUE(testsupport::writeFile(home.filePath(QStringLiteral("Blocked")), "a file, not a folder"));
    setDiaryPath(home.filePath(QStringLiteral("Blocked/Orvane.orv")));
    for (const bool background : {true, false}) {
        setSaveInBackground(background);
        dialogs.alerts.clear();
        controller->fileSave();
        controller->waitForSave();
        for (int i = 0; i < 500 && dialogs.alerts.isEmpty(); ++i)
            QTest::qWait(10);
        ASSERT_EQ(dialogs.alerts.size(), 1) << background;
        EXPECT_EQ(dialogs.alerts[0].message, text("ALERT_SAVE_FAILED"));
        EXPECT_EQ(diaryCards().size(), 9u);
    }
}

TEST_F(MainWindowTest, AnUnreadableDiaryIsKeptAsideAndTold)
{
    ASSERT_TRUE(testsupport::writeFile(path, QByteArray("this is no diary")));
    start();
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts[0].message, text("ALERT_DIARY_KEPT_ASIDE"));
    EXPECT_EQ(tableModel()->rowCount(), 0);
    EXPECT_FALSE(QFile::exists(path));
    const QStringList aside = QDir(home.filePath(QStringLiteral("Documents")))
                                  .entryList({QStringLiteral("Orvane.orv.unreadable-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(dialogs.alerts[0].informativeText.contains(aside[0]));
}

TEST_F(MainWindowTest, ItemsAreEnabledExactlyWhenTheirValidatorsSaySo)
{
    auto enabledNames = [this] {
        QSet<QString> names;
        const QList<QAction *> toolbar = toolbarItems();
        for (QAction *item : toolbar + menuItems()) {
            if (item == control<QAction>("popupPeriodItem") || item == control<QAction>("popupMeasurementsItem"))
                continue;
            const bool valid =
                toolbar.contains(item) ? controller->validateToolbarItem(item) : controller->validateMenuItem(item);
            EXPECT_EQ(item->isEnabled(), valid) << item->objectName().toStdString();
            if (item->isEnabled())
                names.insert(item->objectName());
        }
        return names;
    };
    // Which items each situation allows is the commands' own test; here the
    // window asks its validators again whenever the situation changes.
    const QSet<QString> export_{QStringLiteral("csvExport"), QStringLiteral("menuExport")};
    const QSet<QString> selection{QStringLiteral("cardEdit"), QStringLiteral("cardRemove"), QStringLiteral("menuEdit"),
                                  QStringLiteral("menuRemove")};

    // Empty diary: no export, no pop-ups, no kind or period items.
    start();
    const QSet<QString> always = enabledNames();
    EXPECT_FALSE(always.contains(QStringLiteral("csvExport")));
    EXPECT_FALSE(control<QComboBox>("popupPeriod")->isEnabled());
    EXPECT_FALSE(control<QComboBox>("popupMeasurements")->isEnabled());

    // Cards, but none in view: export and the pop-ups, still no kind or
    // period items.
    writeDiary(weekOfCards());
    start("2026-06-01T12:00:00");
    pick(control<QComboBox>("popupPeriod"), 1);
    EXPECT_EQ(enabledNames(), always + export_);
    EXPECT_TRUE(control<QComboBox>("popupPeriod")->isEnabled());
    EXPECT_TRUE(control<QComboBox>("popupMeasurements")->isEnabled());

    // Cards in view: the kind and period items; a selection: edit and remove.
    pick(control<QComboBox>("popupPeriod"), 0);
    const QSet<QString> viewChoices = enabledNames() - always - export_;
    EXPECT_TRUE(viewChoices.contains(QStringLiteral("menuViewPeriodToday")) && viewChoices.contains("menuReport"));
    control<QTableView>("listaSchedeGlicemiche")->selectRow(3);
    EXPECT_EQ(enabledNames(), always + export_ + viewChoices + selection);
    // A new view without the selected card takes edit and remove away again.
    pick(control<QComboBox>("popupPeriod"), 1);
    EXPECT_EQ(enabledNames(), always + export_);
}

// ---------------------------------------------------------------------------
// Import and export

// On its indicator: a radio button takes clicks on its indicator and title
// only, not on the rest of its row.
void clickRadio(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

TEST_F(MainWindowTest, ImportingADiaryFileJoinsWhatIsNewOrReplacesTheDiary)
{
    writeDiary(weekOfCards());
    start();
    control<QAction>("menuViewPeriodToday")->trigger();

    // Nothing in the diary was ever edited: a card edited elsewhere is
    // news, a card created before the diary's newest is not.
    CardList incoming{card(20, "2026-03-13T08:00:00", false, "POPUP_MEAL_LUNCH", 140),
                      card(21, "2026-03-01T08:00:00", false, "POPUP_MEAL_LUNCH", 141),
                      card(22, "2026-03-01T09:00:00", false, "POPUP_MEAL_LUNCH", 142)};
    incoming[2]->setDateEditing(rome("2026-03-14T10:00:00"));
    const QString other = home.filePath(QStringLiteral("other.orv"));
    ASSERT_TRUE(DiaryFile::writeAtomically(other, KeyedArchive::encodeDiary(incoming)).ok);

    dialogs.fileAnswers << other;
    dialogs.alertAnswers << Dialogs::kFirstButton + 1; // join
    control<QAction>("csvImport")->trigger();
    EXPECT_EQ(dialogs.panelTitle, text("PANEL_IMPORT"));
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts[0].message, text("ALLERT_TEXT_MESSAGE_IMPORT"));
    EXPECT_EQ(dialogs.alerts[0].buttons, (QStringList{text("BUTTON_YES"), text("BUTTON_NO")}));
    EXPECT_EQ(idsOf(cardsOnDisk()), (QList<uint64_t>{20, 9, 8, 7, 6, 5, 4, 22, 3, 2, 1}));
    EXPECT_EQ(label().toStdString(), "Cards shown: 1 of 11") << "today's one card, as after any filter run";

    // The same file again adds nothing, is told so, and writes nothing.
    const QByteArray before = testsupport::readFile(path);
    dialogs.fileAnswers << other;
    dialogs.alertAnswers << Dialogs::kFirstButton + 1;
    control<QAction>("csvImport")->trigger();
    ASSERT_EQ(dialogs.alerts.size(), 3);
    EXPECT_EQ(dialogs.alerts[2].message, text("ALERT_IMPORT_NOTHING"));
    EXPECT_EQ(dialogs.alerts[2].informativeText, text("IMPORT_ALL_KNOWN"));
    EXPECT_EQ(testsupport::readFile(path), before);
    EXPECT_EQ(diaryCards().size(), 11u);

    // Replacing leaves exactly the file's cards, with their identifiers.
    dialogs.fileAnswers << other;
    dialogs.alertAnswers << Dialogs::kFirstButton;
    control<QAction>("menuImport")->trigger();
    EXPECT_EQ(idsOf(cardsOnDisk()), (QList<uint64_t>{20, 22, 21}));
    EXPECT_EQ(label().toStdString(), "Cards shown: 0 of 3");

    // Cancelling the panel asks nothing more.
    const qsizetype asked = dialogs.alerts.size();
    control<QAction>("csvImport")->trigger();
    EXPECT_EQ(dialogs.alerts.size(), asked);
}

TEST_F(MainWindowTest, ImportingCsvAppendsRenumbersAndTellsWhatWasLeftOut)
{
    writeDiary(weekOfCards());
    start();
    const QString csv = home.filePath(QStringLiteral("cards.csv"));
    QByteArray text = ZRExport::exportFormatCSVFromArray({card(1, "2026-03-11T07:00:00", false, "POPUP_MEAL_LUNCH", 150)});
    text += "not;a;record\r";
    ASSERT_TRUE(testsupport::writeFile(csv, text));

    dialogs.fileAnswers << csv;
    dialogs.alertAnswers << Dialogs::kFirstButton + 1;
    control<QAction>("csvImport")->trigger();
    ASSERT_EQ(dialogs.alerts.size(), 2);
    EXPECT_EQ(dialogs.alerts[1].message, QStringLiteral("ATTENZIONE: 1 record non sono stati importati!"));
    EXPECT_EQ(cardsOnDisk().size(), 10u);
    EXPECT_EQ(rowsShown().size(), 10);
}

TEST_F(MainWindowTest, AnImportThatYieldsNothingLeavesTheDiaryAsItWas)
{
    writeDiary(weekOfCards());
    start();
    const QByteArray before = testsupport::readFile(path);
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *key;
    };
    const Case cases[] = {
        // A file of no layout the import reads is told without a question.
        {"notes.csv", "date,value\r2026-03-11,120\r", "IMPORT_FOREIGN_UNKNOWN"},
        {"header.csv", CsvLayouts::returnPropertyNameListDefault().toUtf8(), "IMPORT_NO_RECORDS"},
        {"broken.orv", "bplist00 and then nothing", "IMPORT_UNREADABLE"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = home.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(testsupport::writeFile(file, c.bytes));
        dialogs.alerts.clear();
        dialogs.fileAnswers << file;
        dialogs.alertAnswers << Dialogs::kFirstButton; // replace: must not empty the diary
        control<QAction>("csvImport")->trigger();
        dialogs.alertAnswers.clear();
        const qsizetype asked = c.key == std::string_view("IMPORT_FOREIGN_UNKNOWN") ? 0 : 1;
        ASSERT_EQ(dialogs.alerts.size(), asked + 1);
        EXPECT_EQ(dialogs.alerts.last().message, text("ALERT_IMPORT_NOTHING"));
        EXPECT_TRUE(dialogs.alerts.last().informativeText.startsWith(
            strings.text(QString::fromLatin1(c.key)).section(QLatin1Char('%'), 0, 0)));
        EXPECT_EQ(diaryCards().size(), 9u);
        EXPECT_EQ(testsupport::readFile(path), before);
        EXPECT_EQ(rowsShown().size(), 9);
    }
}

TEST_F(MainWindowTest, ExportWritesTheWholeDiaryInTheKindChosen)
{
    writeDiary(weekOfCards());
    start("2013-05-04T09:07:00");
    control<QAction>("menuViewMeasuramentTherapy")->trigger(); // two cards in view, nine exported
    QDialog *sheet = control<QDialog>("windowExportType");

    control<QAction>("csvExport")->trigger();
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_TRUE(control<QRadioButton>("formatOrvaneORV")->isChecked());
    clickRadio(control<QRadioButton>("formatOrvaneCSV"));
    const QString csv = home.filePath(QStringLiteral("out.csv"));
    dialogs.fileAnswers << csv;
    QTest::mouseClick(control<QPushButton>("windowExportTypeButtonContinue"), Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(dialogs.panelSuggestedName, QStringLiteral("Orvane 2013.05.04 09.07.csv"));
    EXPECT_EQ(dialogs.panelFolder, QDir::homePath());
    EXPECT_EQ(dialogs.panelTitle, text("PANEL_EXPORT"));
    EXPECT_EQ(dialogs.panelFilter.toStdString(), "CSV (*.csv)");
    EXPECT_EQ(testsupport::readFile(csv), ZRExport::exportFormatCSVFromArray(diaryCards()));

    // Opened again, the diary-file kind is chosen; it reads back as the diary.
    control<QAction>("menuExport")->trigger();
    EXPECT_TRUE(control<QRadioButton>("formatOrvaneORV")->isChecked());
    const QString orv = home.filePath(QStringLiteral("copy.orv"));
    dialogs.fileAnswers << orv;
    QTest::mouseClick(control<QPushButton>("windowExportTypeButtonContinue"), Qt::LeftButton);
    EXPECT_EQ(dialogs.panelSuggestedName, QStringLiteral("Orvane 2013.05.04 09.07.orv"));
    EXPECT_EQ(dialogs.panelFilter.toStdString(), "Orvane diary (*.orv)");
    const auto copy = DiaryFile::read(orv, nullptr);
    ASSERT_TRUE(copy);
    EXPECT_EQ(idsOf(*copy), idsOf(diaryCards()));

    // Cancel on the sheet or on the panel writes nothing and tells nothing.
    control<QAction>("csvExport")->trigger();
    QTest::mouseClick(control<QPushButton>("windowExportTypeButtonCancel"), Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
    control<QAction>("csvExport")->trigger();
    QTest::mouseClick(control<QPushButton>("windowExportTypeButtonContinue"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(MainWindowTest, AnExportThatCannotBeWrittenIsToldAndNeverReplacesTheDiary)
{
    writeDiary(weekOfCards());
    start();
    const QByteArray diary = testsupport::readFile(path);

    control<QAction>("csvExport")->trigger();
    control<QRadioButton>("formatOrvaneCSV")->setChecked(true);
    ASSERT_TRUE(testsupport::writeFile(home.filePath(QStringLiteral("plain")), "a file, not a folder"));
    dialogs.fileAnswers << home.filePath(QStringLiteral("plain/out.csv"));
    QTest::mouseClick(control<QPushButton>("windowExportTypeButtonContinue"), Qt::LeftButton);
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts[0].message, text("ALERT_EXPORT_FAILED"));

    // CSV over the diary file itself would make it unreadable.
    control<QAction>("csvExport")->trigger();
    control<QRadioButton>("formatOrvaneCSV")->setChecked(true);
    dialogs.fileAnswers << path;
    QTest::mouseClick(control<QPushButton>("windowExportTypeButtonContinue"), Qt::LeftButton);
    ASSERT_EQ(dialogs.alerts.size(), 2);
    EXPECT_EQ(dialogs.alerts[1].informativeText, text("ALERT_EXPORT_OVER_DIARY_INFO"));
    EXPECT_EQ(testsupport::readFile(path), diary);

    // With no diary file on disk, a new file is not taken for it.
    ASSERT_TRUE(QFile::remove(path));
    control<QAction>("csvExport")->trigger();
    control<QRadioButton>("formatOrvaneCSV")->setChecked(true);
    dialogs.fileAnswers << home.filePath(QStringLiteral("new.csv"));
    QTest::mouseClick(control<QPushButton>("windowExportTypeButtonContinue"), Qt::LeftButton);
    EXPECT_EQ(dialogs.alerts.size(), 2);
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("new.csv"))));
}

} // namespace
