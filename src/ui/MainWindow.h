#pragma once

#include "text/GlycemiaUnit.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>

#include <array>
#include <functional>

class DiaryTableModel;
class NotePanel;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTableView;
class QToolBar;
class QUndoStack;
class StatisticsPanel;
class StringTable;
class ToolbarLook;
class TrendsWindow;

// The main window: the table of cards, the toolbar with the two pop-ups,
// the record count and the menus, and the panels it holds (statistics, note,
// trends). Every control carries the name the rest of the program knows it
// by as its objectName; toolbar and menu items carry their command tag in
// the "tag" property. Each toolbar item shows the icon theme's icon for what
// it does, or the program's own when the theme has none, and its tooltip
// names the shortcut of the menu item that does the same.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Builds every control and panel. The pop-ups are left empty: start-up
    // fills them.
    explicit MainWindow(const StringTable &strings);

    // Closing the window is a question for whoever owns the program: it
    // answers whether the window may go (and the program with it).
    std::function<bool()> shouldClose;

    QTableView *table() const { return m_table; }
    QComboBox *popupPeriod() const { return m_popupPeriod; }
    QComboBox *popupMeasurements() const { return m_popupMeasurements; }
    QLabel *recordLabel() const { return m_recordLabel; }
    QToolBar *toolBar() const { return m_toolBar; }
    ToolbarLook &toolbarLook() const { return *m_toolbarLook; }
    StatisticsPanel *statisticsPanel() const { return m_statistics; }
    NotePanel *notePanel() const { return m_note; }
    TrendsWindow *trendsWindow() const { return m_trends; }

    // The toolbar items that hold the pop-ups.
    QAction *popupPeriodItem() const { return m_popupPeriodItem; }
    QAction *popupMeasurementsItem() const { return m_popupMeasurementsItem; }
    QAction *quitItem() const { return m_menuQuit; }
    QAction *showToolbarItem() const { return m_menuShowToolBar; }
    // View > Statistics, Note and Trends, titled "Show" or "Hide".
    QAction *statisticsItem() const { return m_menuStatistics; }
    QAction *noteItem() const { return m_menuNote; }
    QAction *trendsItem() const { return m_menuTrends; }
    // View > Glucose Unit: mg/dL and mmol/L, the one in force checked.
    QAction *glycemiaUnitItem(GlycemiaUnit::Unit unit) const
    {
        return unit == GlycemiaUnit::Unit::MmolL ? m_menuUnitMmol : m_menuUnitMgdl;
    }
    void showGlycemiaUnit(GlycemiaUnit::Unit unit);

    // Every toolbar item and every menu item that carries a tag.
    QList<QAction *> toolbarItems() const;
    QList<QAction *> menuItems() const;

    // Edit > Undo and Redo, named after the change they take back or make
    // again; the undo stack keeps their text and state.
    void addUndoItems(QUndoStack &undo, const QString &undoText, const QString &redoText);
    // Every toolbar and menu item enabled as its validator says. The pop-ups'
    // own toolbar items stay enabled: disabling them would disable the
    // pop-ups, which have a rule of their own (enablePopups).
    void enableItems(const std::function<bool(QAction *)> &toolbarValidator,
                     const std::function<bool(QAction *)> &menuValidator);
    void enablePopups(bool enabled);

    // The pop-ups' items, by key, and the one whose text is title's (the
    // first when none is: a title from an older string table shows all).
    void fillPopups(const QStringList &periodKeys, const QStringList &kindKeys);
    static void selectPopupItem(QComboBox *popup, const QString &title);

    // Tells what the user does with the window's controls, once start-up
    // asks for it (the pop-ups only for the user's own picks: start-up and
    // the menus select items themselves).
    void tellUserActions();

    // Rows and columns as high and wide as the model's texts need.
    void fitTableColumns(const DiaryTableModel &model);
    void fitTableColumn(const DiaryTableModel &model, const QString &identifier);

signals:
    void toolbarItemTriggered(QAction *item);
    void menuItemTriggered(QAction *item);
    void quitTriggered();
    void rowDoubleClicked();
    void selectionChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString text(const char *key) const;
    void buildTable();
    void buildToolbar();
    void buildPopups();
    void buildFileMenu(QMenu *file);
    void buildViewMenu(QMenu *view);
    void nameShortcutsInTooltips();

    const StringTable &m_strings;
    QTableView *m_table = nullptr;
    QComboBox *m_popupPeriod = nullptr;
    QComboBox *m_popupMeasurements = nullptr;
    QLabel *m_recordLabel = nullptr;
    QToolBar *m_toolBar = nullptr;
    ToolbarLook *m_toolbarLook = nullptr;
    StatisticsPanel *m_statistics = nullptr;
    NotePanel *m_note = nullptr;
    TrendsWindow *m_trends = nullptr;

    // Toolbar items
    QAction *m_cardAdd = nullptr;
    QAction *m_cardEdit = nullptr;
    QAction *m_cardRemove = nullptr;
    QAction *m_csvImport = nullptr;
    QAction *m_csvExport = nullptr;
    QAction *m_viewStatistics = nullptr;
    QAction *m_viewNote = nullptr;
    QAction *m_viewTrends = nullptr;
    QAction *m_popupPeriodItem = nullptr;
    QAction *m_popupMeasurementsItem = nullptr;

    // Menu items
    QAction *m_menuNew = nullptr;
    QAction *m_menuEdit = nullptr;
    QAction *m_menuRemove = nullptr;
    QAction *m_menuImport = nullptr;
    QAction *m_menuExport = nullptr;
    QAction *m_menuReport = nullptr; // the report of the cards in view, as a PDF
    QAction *m_menuQuit = nullptr;
    std::array<QAction *, 3> m_menuKinds{};
    std::array<QAction *, 10> m_menuPeriods{};
    QAction *m_menuStatistics = nullptr;
    QAction *m_menuNote = nullptr;
    QAction *m_menuTrends = nullptr;
    QAction *m_menuShowToolBar = nullptr;
    QAction *m_menuUnitMgdl = nullptr;
    QAction *m_menuUnitMmol = nullptr;
};

// The command tag an item carries; -1 when it carries none.
int tagOf(const QObject *item);

// The program's own icon: the icon theme's under the application id, where an
// installation puts it, else the copy built into the program.
QIcon programIcon();
