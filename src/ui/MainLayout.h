#pragma once

#include <QIcon>
#include <QList>
#include <QString>

class MainWindow;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QObject;
class QPlainTextEdit;
class QTableView;
class QToolBar;
class QWidget;
class StringTable;
class TrendsWindow;

// The windows and controls of the main window and its panels, each under
// the name the rest of the program knows it by (also its objectName).
// Toolbar and menu items carry their command tag in the "tag" property.
struct MainLayout {
    // Main window
    MainWindow *windowMain = nullptr;
    QTableView *listaSchedeGlicemiche = nullptr;
    QComboBox *popupPeriod = nullptr;
    QComboBox *popupMeasurements = nullptr;
    QLabel *labelNumberOfRecord = nullptr;
    QToolBar *toolBar = nullptr;
    // Toolbar items; the first three have the objectNames "cardAdd",
    // "cardEdit" and "cardRemove". Each shows the icon theme's icon for what
    // it does, or the program's own when the theme has none, and its tooltip
    // names the shortcut of the menu item that does the same.
    QAction *cardAddItem = nullptr;
    QAction *cardEditItem = nullptr;
    QAction *cardRemoveItem = nullptr;
    QAction *csvImport = nullptr;
    QAction *csvExport = nullptr;
    QAction *viewStatistics = nullptr;
    QAction *viewNote = nullptr;
    QAction *viewTrends = nullptr;
    QAction *popupPeriodItem = nullptr;       // holds popupPeriod
    QAction *popupMeasurementsItem = nullptr; // holds popupMeasurements

    // Menus
    QAction *menuNew = nullptr;
    QAction *menuEdit = nullptr;
    QAction *menuRemove = nullptr;
    QAction *menuImport = nullptr;
    QAction *menuExport = nullptr;
    QAction *menuQuit = nullptr;
    QAction *menuViewShowToolBar = nullptr;
    QAction *menuViewMeasuramentAll = nullptr;
    QAction *menuViewMeasuramentBlood = nullptr;
    QAction *menuViewMeasuramentTherapy = nullptr;
    QAction *menuViewPeriodEveryday = nullptr;
    QAction *menuViewPeriodToday = nullptr;
    QAction *menuViewPeriodYesterday = nullptr;
    QAction *menuViewPeriodWeek = nullptr;
    QAction *menuViewPeriodMonth = nullptr;
    QAction *menuViewPeriodYear = nullptr;
    QAction *menuViewPeriodLast10 = nullptr;
    QAction *menuViewPeriodLast20 = nullptr;
    QAction *menuViewPeriodLast50 = nullptr;
    QAction *menuViewPeriodLast100 = nullptr;
    QAction *menuStatistics = nullptr;
    QAction *menuNote = nullptr;
    QAction *menuTrends = nullptr;
    QAction *menuReport = nullptr; // the report of the cards in view, as a PDF
    // Edit > Undo and Redo, named after the change they take back or make
    // again; made by the undo stack, which keeps their text and state.
    QAction *menuUndo = nullptr;
    QAction *menuRedo = nullptr;

    // Statistics panel
    QWidget *windowStatistics = nullptr;
    QLineEdit *windowStatisticsGenricMin = nullptr;
    QLineEdit *windowStatisticsGenricMid = nullptr;
    QLineEdit *windowStatisticsGenricMax = nullptr;
    QLineEdit *windowStatisticsBreakfastPre = nullptr;
    QLineEdit *windowStatisticsBreakfastPost = nullptr;
    QLineEdit *windowStatisticsBreakfastUnit = nullptr;
    QLineEdit *windowStatisticsLunchPre = nullptr;
    QLineEdit *windowStatisticsLunchPost = nullptr;
    QLineEdit *windowStatisticsLunchUnit = nullptr;
    QLineEdit *windowStatisticsDinnerPre = nullptr;
    QLineEdit *windowStatisticsDinnerPost = nullptr;
    QLineEdit *windowStatisticsDinnerUnit = nullptr;

    // Trends window
    TrendsWindow *windowTrends = nullptr;

    // Note panel
    QWidget *windowNote = nullptr;
    QPlainTextEdit *windowNoteTextViewNote = nullptr;

    // Builds every window and control; the main window owns them all. The
    // pop-ups are left empty: start-up fills them.
    void loadLayout(const StringTable &strings);

    // Every toolbar item and every menu item that carries a tag.
    QList<QAction *> toolbarItems() const;
    QList<QAction *> menuItems() const;
    // The twelve statistics fields in panel order.
    QList<QLineEdit *> statisticsFields() const;
};

// The command tag an item carries; -1 when it carries none.
int tagOf(const QObject *item);

// The program's own icon: the icon theme's under the application id, where an
// installation puts it, else the copy built into the program.
QIcon programIcon();
