#include "app/AppController.h"

#include "app/CardsInView.h"
#include "app/CommandStates.h"
#include "app/DiaryFileAlerts.h"
#include "app/FileCommands.h"
#include "app/Panels.h"
#include "app/Preferences.h"
#include "app/Recovery.h"
#include "app/RememberedView.h"
#include "app/Sheets.h"
#include "app/WaysOut.h"
#include "model/Diary.h"
#include "model/DiaryFile.h"
#include "text/StringTable.h"
#include "ui/Dialogs.h"
#include "ui/NotePanel.h"
#include "ui/StatisticsPanel.h"
#include "ui/ToolbarLook.h"
#include "ui/TrendsWindow.h"
#include "view/DiaryCommands.h"
#include "view/DiaryTableModel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QToolBar>

AppController::AppController(const StringTable &strings, QObject *parent)
    : QObject(parent)
    , m_strings(strings)
    , m_diary(std::make_unique<Diary>(DiaryFile::diaryPath()))
{
    // The last hundred changes can be undone: an import keeps the diary it
    // replaced, so the history is bounded rather than the session's.
    m_undo.setUndoLimit(100);
    connect(m_diary.get(), &Diary::changed, this, [this](const CardRef &focus) { diaryChanged(focus); });
    connect(m_diary.get(), &Diary::saveFailed, this,
            [this](const QString &path, const QString &error) { tellSaveFailed(path, error); });
    preferencesPath = Preferences::defaultPath();
    recoveryFolder = Recovery::defaultFolder();
    exitProgram = [](int status) { QCoreApplication::exit(status); };
}

AppController::~AppController()
{
    // A save still under way is finished while everything is in place.
    m_diary->waitForSave();
    m_cards.reset();
    m_panels.reset();
    delete m_window;
}

QString AppController::text(const char *key) const
{
    return m_strings.text(QString::fromLatin1(key));
}

double AppController::currentInstant() const
{
    return clock ? clock() : CardDates::now();
}

// ---------------------------------------------------------------------------
// Start-up

void AppController::loadLayout(const StringTable &strings)
{
    m_window = new MainWindow(strings);
    m_panels = std::make_unique<Panels>(*m_window, m_strings, settings);
    m_panels->shown = [this](QWidget *panel) {
        if (panel == m_window->trendsWindow())
            calculatesTrends();
    };
}

void AppController::awakeFromNib()
{
    m_sheets = std::make_unique<Sheets>(m_window, *m_diary, m_undo, m_strings);
    m_sheets->now = [this] { return currentInstant(); };
    m_sheets->shownOrHidden = [this] { updateCommandStates(); };
    m_sheets->exportDiary = [this](ZRExport::Kind kind) { fileCommands().exportDiary(kind); };
    m_cards = std::make_unique<CardsInView>(*m_window, *m_diary, m_strings, zone);
    // An import and its undo may change the sensor store alone, which no
    // filter run follows: the trends window is brought up to date as the
    // stack moves (nothing to do when the diary's change did it already).
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] {
        if (m_cards)
            m_cards->calculatesTrends();
    });
    m_cards->model().onEdited = [this](int row, const CardRef &edited) {
        // A note changed in the table is written at once; it changes neither
        // the order nor what is in view, so the table is left as it is.
        m_noteInPlace = true;
        DiaryCommands::setNote(m_undo, *m_diary, m_strings, m_cards->model().cardAt(row),
                               edited->notes().value_or(QString()));
        m_noteInPlace = false;
    };
    m_window->addUndoItems(m_undo, text("MENU_ITEM_UNDO"), text("MENU_ITEM_REDO"));
    connectSignals();

    m_window->fillPopups(StringTable::periodKeys(), StringTable::kindKeys());

    // A first run writes the settings of the toolbar as the defaults show it.
    m_window->toolBar()->setVisible(settings.toolbarVisible);
    loadingPreference();
    remembered().apply(preferencesPath);
    m_window->trendsWindow()->onUnitChanged = [this](GlycemiaUnit::Unit unit) { setGlycemiaUnit(unit); };
    setGlycemiaUnit(glycemiaUnit());
    changeToolbarMenuItemStatus(m_window->showToolbarItem());

    fileOpen();
    WaysOut(*m_diary, m_strings, m_window).tellRecovered(recoveryFolder);
}

void AppController::connectSignals()
{
    connect(m_window, &MainWindow::rowDoubleClicked, this, [this] { myDoubleClickAction(); });
    connect(m_window, &MainWindow::selectionChanged, this, [this] { tableViewSelectionDidChange(); });
    connect(m_window, &MainWindow::toolbarItemTriggered, this, [this](QAction *item) { toolbar(item); });
    connect(m_window, &MainWindow::menuItemTriggered, this, [this](QAction *item) { menuView(item); });
    connect(m_window, &MainWindow::quitTriggered, this, [this] { quitApplicationWithAllert(); });
    m_window->tellUserActions();
    m_sheets->takeQuitKey(m_window->quitItem());
}

// ---------------------------------------------------------------------------
// Preferences: restored and saved with the view settings.

void AppController::loadingPreference()
{
    remembered().read(preferencesPath);
}

void AppController::updatePreference()
{
    remembered().write(preferencesPath);
}

RememberedView AppController::remembered()
{
    return RememberedView(*m_window, *m_panels, m_strings, settings);
}

void AppController::quitApplicationWithAllert()
{
    const LastSave saved = saveBeforeQuitting();
    if (saved == LastSave::Stay)
        return;
    updatePreference();
    // A failed save was settled already: the user chose to end.
    if (saved == LastSave::Written
        && Dialogs::current().runAlert(m_window, text("ALLERT_TEXT_MESSAGE_QUIT"), QString(),
                                       {text("BUTTON_YES"), text("BUTTON_NO")})
               != Dialogs::kFirstButton)
        return;
    // An open sheet goes without its entries; the diary is on disk already,
    // and the way out does not save it again.
    m_sheets->rejectAll();
    m_savedForQuit = true;
    exitProgram(0);
}

// ---------------------------------------------------------------------------
// The diary file

void AppController::fileOpen()
{
    m_undo.clear();
    fileAlerts().open();
    filtraDatiSecondoParametriPopupButton();
}

void AppController::diaryChanged(const CardRef &focus)
{
    if (m_noteInPlace) {
        // The edited copy takes the card's place in the view too.
        m_cards->replaceEdited(focus);
        refreshwindowNoteTextViewNote();
        writeDiary();
        return;
    }
    m_selectNext = focus;
    fileSave();
}

bool AppController::writeDiary()
{
    return fileAlerts().write(saveInBackground);
}

AppController::LastSave AppController::saveBeforeQuitting()
{
    // The table follows the diary, sorted by the save, before anything is asked.
    return WaysOut(*m_diary, m_strings, m_window).saveBeforeQuitting([this] { filtraDatiSecondoParametriPopupButton(); });
}

void AppController::saveWithoutAsking()
{
    WaysOut(*m_diary, m_strings, m_window).saveWithoutAsking(recoveryFolder, m_recovered);
    filtraDatiSecondoParametriPopupButton(); // the session may go on
}

void AppController::tellSaveFailed(const QString &path, const QString &error)
{
    fileAlerts().tellSaveFailed(path, error);
}

void AppController::fileSave()
{
    writeDiary();
    filtraDatiSecondoParametriPopupButton();
}

// ---------------------------------------------------------------------------
// The filter

void AppController::filtraDatiSecondoParametriPopupButton()
{
    m_cards->filter(currentInstant(), std::exchange(m_selectNext, nullptr));
    updateCommandStates();
}

// ---------------------------------------------------------------------------
// The table and the note panel

void AppController::tableViewSelectionDidChange()
{
    refreshwindowNoteTextViewNote();
    updateCommandStates();
}

void AppController::myDoubleClickAction()
{
    if (selectedRow() < 0)
        return;
    cardEdit();
}

// ---------------------------------------------------------------------------
// The unit of glycemia

void AppController::setGlycemiaUnit(GlycemiaUnit::Unit unit)
{
    settings.glycemiaUnit = GlycemiaUnit::name(unit);
    m_window->showGlycemiaUnit(unit);
    m_window->trendsWindow()->setUnit(unit);
    m_cards->setGlycemiaUnit(unit);
    m_sheets->setGlycemiaUnit(unit);
}

// ---------------------------------------------------------------------------
// Trends

void AppController::exportReport()
{
    fileCommands().exportReport(arrayArchiveFiltered(), glycemiaUnit(),
                                QStringLiteral("%1 · %2").arg(m_window->popupPeriod()->currentText(),
                                                              m_window->popupMeasurements()->currentText()),
                                m_cards->sensorPages());
}

// ---------------------------------------------------------------------------
// The sheets

void AppController::fileOpenToImport()
{
    fileCommands().importFile();
}

FileCommands AppController::fileCommands()
{
    FileCommands commands(*m_diary, m_undo, m_strings, m_window, zone, currentInstant());
    commands.sensorsChanged = [this] {
        if (m_cards)
            m_cards->sensorsChanged();
    };
    return commands;
}

DiaryFileAlerts AppController::fileAlerts()
{
    return DiaryFileAlerts(*m_diary, m_strings, m_window);
}

CommandStates AppController::commandStates() const
{
    return CommandStates(*m_window, *m_diary, m_cards.get(), m_sheets.get());
}
