#pragma once

#include "app/CardsInView.h"
#include "app/Panels.h"
#include "app/Sheets.h"
#include "app/ViewSettings.h"
#include "app/WaysOut.h"
#include "model/Diary.h"
#include "model/ZRGlycemicCard.h"
#include "ui/MainWindow.h"
#include "view/Commands.h"

#include <QObject>
#include <QString>
#include <QTimeZone>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>

class CommandStates;
class DiaryFileAlerts;
class FileCommands;
class RememberedView;
class DiaryTableModel;
class QComboBox;
class StringTable;

// The one controller of the program: it owns the diary, the view, the main
// window (which owns every control and panel), and every user command. The
// logic itself lives in the core (filter, statistics, file) and in the
// classes each command forwards to; this class ties them to the windows.
class AppController : public QObject
{
    Q_OBJECT

public:
    // An empty diary and no windows yet: loadLayout() builds them, then
    // awakeFromNib() starts the program.
    explicit AppController(const StringTable &strings, QObject *parent = nullptr);
    ~AppController() override;

    // Builds the main window with its controls and panels.
    void loadLayout(const StringTable &strings);
    MainWindow *mainWindow() const { return m_window; }

    // Start-up: fills the pop-ups, restores the remembered view, opens the
    // diary.
    void awakeFromNib();

    // The diary file
    void fileSave();
    void fileOpen();
    // Where the diary lives: the Documents folder of the home directory
    // unless set otherwise before start-up.
    const QString &diaryPath() const { return m_diary->path(); }
    void setDiaryPath(const QString &path) { m_diary->setPath(path); }
    // Saves encode and write the file on a thread of their own (the window
    // is ready again at once; a failure is told when it comes). Off unless
    // set: a save then returns once the file is written.
    bool saveInBackground = false;
    // Returns once every save asked for is on disk (or has failed).
    void waitForSave() { m_diary->waitForSave(); }

    // Remembered view settings
    void loadingPreference();
    void updatePreference();
    ViewSettings settings;
    // Where they are kept; the user's configuration folder unless set.
    QString preferencesPath;

    // The quit command: saves, then asks; the first button ends the
    // program at once through exitProgram.
    void quitApplicationWithAllert();
    std::function<void(int status)> exitProgram;
    // True once a way out the user chose has saved: the program's
    // termination need not save again.
    bool savedForQuit() const { return m_savedForQuit; }
    void setSavedForQuit() { m_savedForQuit = true; }

    // The last save of a way out the user chose, written before any window
    // goes. When it fails the user is told why and chooses: try again, save
    // the diary elsewhere, quit without saving, or stay.
    using LastSave = WaysOut::LastSave;
    LastSave saveBeforeQuitting();
    // The last save of an ending that cannot ask (a signal, the session
    // ending): a diary that cannot be written goes to a new file in
    // recoveryFolder, which the next start tells about. Nothing modal.
    void saveWithoutAsking();
    // The user's data folder unless set.
    QString recoveryFolder;

    // The filter
    void filtraDatiSecondoParametriPopupButton();

    // The table and the note panel
    int numberOfRowsInTableView() const { return int(arrayArchiveFiltered().size()); }
    void tableViewSelectionDidChange();
    void refreshwindowNoteTextViewNote() { m_cards->refreshNote(); }
    void myDoubleClickAction();
    void refreshRecordCount() { m_cards->refreshRecordCount(); }
    int selectedRow() const { return m_cards ? m_cards->selectedRow() : -1; }
    DiaryTableModel *tableModel() const { return m_cards ? &m_cards->model() : nullptr; }

    // Statistics
    void calculatesStatistics() { m_cards->calculatesStatistics(); }

    // The unit every glycemia is shown and typed in, chosen in View > Glucose
    // Unit or in the trends window: the table, the statistics panel, the
    // sheets, the trends and the report follow it, and the settings keep it.
    // The diary keeps mg/dL whatever it is.
    void setGlycemiaUnit(GlycemiaUnit::Unit unit);
    GlycemiaUnit::Unit glycemiaUnit() const { return GlycemiaUnit::fromName(settings.glycemiaUnit); }

    // Trends: the window follows every filter run while it is shown (and
    // catches up when it is shown again); the report writes the cards in
    // view as a PDF.
    void calculatesTrends() { m_cards->calculatesTrends(); }
    void exportReport();

    // Commands
    void toolbar(QAction *sender);
    void menuView(QAction *sender);
    bool validateToolbarItem(QAction *item);
    bool validateMenuItem(QAction *item) const;
    void viewPanel(QWidget *panel, QAction * /*menuAssociated*/) { m_panels->toggle(panel); }
    void changeToolbarMenuItemStatus(QAction *menuItem);
    void cardAdd() { inizializeGUIwindowsEditWhitGlycemicCard(nullptr); }
    void cardEdit();
    void cardRemove() { measurementRemove(); }

    // The edit sheet
    void inizializeGUIwindowsEditWhitGlycemicCard(const CardRef &card)
    {
        m_sheets->inizializeGUIwindowsEditWhitGlycemicCard(card);
    }
    void windowEditButtonCancel() { m_sheets->windowEditButtonCancel(); }
    void windowEditButtonAction() { m_sheets->windowEditButtonAction(); }

    // The delete sheet
    void measurementRemove() { m_sheets->measurementRemove(selectedCard()); }
    void windowDeleteCancel() { m_sheets->windowDeleteCancel(); }
    void windowDeleteRemove() { m_sheets->windowDeleteRemove(); }

    // Import and export
    void fileOpenToImport();
    void exportDB() { m_sheets->exportDB(); }
    void windowExportTypeButtonCancel() { m_sheets->windowExportTypeButtonCancel(); }
    void windowExportTypeButtonContinue() { m_sheets->windowExportTypeButtonContinue(); }
    // Brings every toolbar and menu item's enabled state in line with its
    // validator; runs whenever what the validators read changes.
    void updateCommandStates();
    Commands::State commandState() const;

    // The diary, newest measurement first after every save.
    const CardList &arrayArchive() const { return m_diary->cards(); }
    Diary &diary() const { return *m_diary; }
    // Every change to the diary, for Edit > Undo and Redo.
    QUndoStack &undoStack() { return m_undo; }
    // The cards in view: the diary itself when neither pop-up narrows it.
    const CardList &arrayArchiveFiltered() const { return m_cards ? m_cards->cards() : m_diary->cards(); }

    // The reference instant of the filter (seconds since 2001) and the time
    // zone of its calendar days; the clock and the system zone unless set.
    std::function<double()> clock;
    QTimeZone zone = QTimeZone::systemTimeZone();

    const StringTable &strings() const { return m_strings; }

private:
    QString text(const char *key) const;
    double currentInstant() const;
    CardRef selectedCard() const { return m_cards ? m_cards->selectedCard() : nullptr; }
    // Writes the diary as it stands, sorted; tells the user when it fails.
    bool writeDiary();
    // The window follows every change of the diary.
    void diaryChanged(const CardRef &focus);
    void tellSaveFailed(const QString &path, const QString &error);
    void connectSignals();
    void run(int menuTag, QAction *sender);
    RememberedView remembered();
    FileCommands fileCommands();
    DiaryFileAlerts fileAlerts();
    CommandStates commandStates() const;

    const StringTable &m_strings;
    MainWindow *m_window = nullptr; // owned; it owns every control and panel
    std::unique_ptr<Panels> m_panels;
    std::unique_ptr<Sheets> m_sheets;
    std::unique_ptr<CardsInView> m_cards;
    CardRef m_selectNext;    // the card the next filter run selects
    bool m_savedForQuit = false;
    CardList m_recovered; // the cards last kept in a recovery file
    bool m_noteInPlace = false; // a note is being edited in the table
    QUndoStack m_undo;
    // Last, so that it is the first to go: it finishes what it writes while
    // the rest is still there.
    std::unique_ptr<Diary> m_diary;
};
