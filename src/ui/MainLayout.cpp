#include "ui/MainLayout.h"

#include "ui/MainWindow.h"
#include "text/StringTable.h"
#include "ui/TrendsWindow.h"
#include "view/Commands.h"
#include "view/DiaryTableModel.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <initializer_list>
#include <iterator>
#include <utility>

namespace {

constexpr char kTag[] = "tag";

QAction *makeItem(QObject *parent, const char *name, int tag, const QString &text)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty(kTag, tag);
    return action;
}

// One of our own icons, in every size built in (data/icons).
QIcon builtInIcon(const char *name)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/orvane/icons/%1-%2.png").arg(QLatin1String(name)).arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

// The theme's icon under the first of the freedesktop names it has, else our
// own.
QIcon icon(std::initializer_list<const char *> themeNames, const char *builtInName)
{
    QIcon result = builtInIcon(builtInName);
    for (auto name = std::rbegin(themeNames); name != std::rend(themeNames); ++name)
        result = QIcon::fromTheme(QString::fromLatin1(*name), result);
    return result;
}

QLineEdit *statisticsField(QWidget *parent, const char *name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setMinimumWidth(80);
    return field;
}

} // namespace

QIcon programIcon()
{
    return icon({"org.orvane.Orvane"}, "org.orvane.Orvane");
}

int tagOf(const QObject *item)
{
    if (!item)
        return -1;
    const QVariant tag = item->property(kTag);
    return tag.isValid() ? tag.toInt() : -1;
}

void MainLayout::loadLayout(const StringTable &s)
{
    using namespace Commands;
    auto t = [&s](const char *key) { return s.text(QString::fromLatin1(key)); };

    windowMain = new MainWindow;
    windowMain->setObjectName(QStringLiteral("windowMain"));
    windowMain->setWindowTitle(QStringLiteral("Orvane"));
    windowMain->resize(960, 600);

    // The table
    listaSchedeGlicemiche = new QTableView(windowMain);
    listaSchedeGlicemiche->setObjectName(QStringLiteral("listaSchedeGlicemiche"));
    listaSchedeGlicemiche->setSelectionBehavior(QAbstractItemView::SelectRows);
    listaSchedeGlicemiche->setSelectionMode(QAbstractItemView::SingleSelection);
    listaSchedeGlicemiche->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    listaSchedeGlicemiche->setAlternatingRowColors(true);
    listaSchedeGlicemiche->setWordWrap(false);
    listaSchedeGlicemiche->setCornerButtonEnabled(false);
    // Fixed row heights keep a diary of many thousand cards as quick as a
    // small one: the view never measures rows.
    listaSchedeGlicemiche->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    listaSchedeGlicemiche->verticalHeader()->hide();
    listaSchedeGlicemiche->horizontalHeader()->setStretchLastSection(true);
    listaSchedeGlicemiche->horizontalHeader()->setHighlightSections(false);
    windowMain->setCentralWidget(listaSchedeGlicemiche);

    // The toolbar
    toolBar = new QToolBar(windowMain);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->toggleViewAction()->setVisible(false); // the View menu has its own item
    windowMain->addToolBar(Qt::TopToolBarArea, toolBar);

    cardAddItem = makeItem(toolBar, "cardAdd", ToolbarAdd, t("TOOLBAR_ADD"));
    cardAddItem->setIcon(icon({"list-add"}, "card-add"));
    cardEditItem = makeItem(toolBar, "cardEdit", ToolbarEdit, t("TOOLBAR_EDIT"));
    cardEditItem->setIcon(icon({"document-edit"}, "card-edit"));
    cardRemoveItem = makeItem(toolBar, "cardRemove", ToolbarRemove, t("TOOLBAR_REMOVE"));
    cardRemoveItem->setIcon(icon({"list-remove", "edit-delete"}, "card-remove"));
    csvImport = makeItem(toolBar, "csvImport", ToolbarImport, t("TOOLBAR_IMPORT"));
    csvImport->setIcon(icon({"document-import", "document-open"}, "import"));
    csvExport = makeItem(toolBar, "csvExport", ToolbarExport, t("TOOLBAR_EXPORT"));
    csvExport->setIcon(icon({"document-export", "document-save-as"}, "export"));
    viewStatistics = makeItem(toolBar, "viewStatistics", ToolbarStatistics, t("TOOLBAR_STATISTICS"));
    viewStatistics->setIcon(icon({"view-statistics", "x-office-spreadsheet"}, "statistics"));
    viewNote = makeItem(toolBar, "viewNote", ToolbarNote, t("TOOLBAR_NOTE"));
    viewNote->setIcon(icon({"view-pim-notes", "note", "accessories-text-editor"}, "note"));
    viewTrends = makeItem(toolBar, "viewTrends", ToolbarTrends, t("TOOLBAR_TRENDS"));
    viewTrends->setIcon(icon({"office-chart-line", "x-office-presentation"}, "trends"));

    toolBar->addAction(cardAddItem);
    toolBar->addAction(cardEditItem);
    toolBar->addAction(cardRemoveItem);
    toolBar->addSeparator();
    toolBar->addAction(csvImport);
    toolBar->addAction(csvExport);
    toolBar->addSeparator();

    popupPeriod = new QComboBox(toolBar);
    popupPeriod->setObjectName(QStringLiteral("popupPeriod"));
    popupPeriod->setToolTip(t("TOOLBAR_PERIOD"));
    popupPeriod->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    popupPeriodItem = toolBar->addWidget(popupPeriod);
    popupPeriodItem->setObjectName(QStringLiteral("popupPeriodItem"));
    popupPeriodItem->setProperty(kTag, int(ToolbarPeriod));
    popupMeasurements = new QComboBox(toolBar);
    popupMeasurements->setObjectName(QStringLiteral("popupMeasurements"));
    popupMeasurements->setToolTip(t("TOOLBAR_KIND"));
    popupMeasurements->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    popupMeasurementsItem = toolBar->addWidget(popupMeasurements);
    popupMeasurementsItem->setObjectName(QStringLiteral("popupMeasurementsItem"));
    popupMeasurementsItem->setProperty(kTag, int(ToolbarKind));

    auto *spacer = new QWidget(toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar->addWidget(spacer);
    toolBar->addAction(viewStatistics);
    toolBar->addAction(viewTrends);
    toolBar->addAction(viewNote);

    // The record count
    labelNumberOfRecord = new QLabel(windowMain);
    labelNumberOfRecord->setObjectName(QStringLiteral("labelNumberOfRecord"));
    windowMain->statusBar()->addWidget(labelNumberOfRecord, 1);
    windowMain->statusBar()->setSizeGripEnabled(true);

    // Menus
    QMenuBar *bar = windowMain->menuBar();
    QMenu *file = bar->addMenu(t("MENU_FILE"));
    file->setObjectName(QStringLiteral("menuFile"));
    menuNew = makeItem(windowMain, "menuNew", MenuNew, t("MENU_ITEM_NEW"));
    menuNew->setShortcut(QKeySequence::New);
    menuImport = makeItem(windowMain, "menuImport", MenuImport, t("MENU_ITEM_IMPORT"));
    menuImport->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_I), QKeySequence::Open});
    menuExport = makeItem(windowMain, "menuExport", MenuExport, t("MENU_ITEM_EXPORT"));
    menuExport->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), QKeySequence::SaveAs});
    menuQuit = makeItem(windowMain, "menuQuit", MenuAlways, t("MENU_ITEM_QUIT"));
    // Not every platform binds a quit key; Ctrl+Q is what Linux desktops use.
    const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    menuQuit->setShortcuts(quitKeys.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quitKeys);
    menuQuit->setMenuRole(QAction::QuitRole);
    file->addAction(menuNew);
    file->addSeparator();
    file->addAction(menuImport);
    file->addAction(menuExport);
    menuReport = makeItem(windowMain, "menuReport", MenuReport, t("MENU_ITEM_REPORT"));
    menuReport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addAction(menuReport);
    file->addSeparator();
    file->addAction(menuQuit);

    QMenu *edit = bar->addMenu(t("MENU_EDIT"));
    edit->setObjectName(QStringLiteral("menuEditCards"));
    menuEdit = makeItem(windowMain, "menuEdit", MenuEdit, t("MENU_ITEM_EDIT"));
    menuEdit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    menuRemove = makeItem(windowMain, "menuRemove", MenuRemove, t("MENU_ITEM_REMOVE"));
    menuRemove->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Backspace), QKeySequence::Delete});
    edit->addAction(menuEdit);
    edit->addAction(menuRemove);

    QMenu *view = bar->addMenu(t("MENU_VIEW"));
    view->setObjectName(QStringLiteral("menuView"));
    QMenu *kinds = view->addMenu(t("MENU_KIND"));
    menuViewMeasuramentAll = makeItem(windowMain, "menuViewMeasuramentAll", MenuKindAll, t("POPUP_MEASURAMENT_ALL"));
    menuViewMeasuramentBlood =
        makeItem(windowMain, "menuViewMeasuramentBlood", MenuKindBlood, t("POPUP_MEASURAMENT_BLOOD"));
    menuViewMeasuramentTherapy =
        makeItem(windowMain, "menuViewMeasuramentTherapy", MenuKindTherapy, t("POPUP_MEASURAMENT_TERAPIES"));
    kinds->addActions({menuViewMeasuramentAll, menuViewMeasuramentBlood, menuViewMeasuramentTherapy});

    QMenu *periods = view->addMenu(t("MENU_PERIOD"));
    const char *periodNames[] = {"menuViewPeriodEveryday", "menuViewPeriodToday",  "menuViewPeriodYesterday",
                                 "menuViewPeriodWeek",     "menuViewPeriodMonth",  "menuViewPeriodYear",
                                 "menuViewPeriodLast10",   "menuViewPeriodLast20", "menuViewPeriodLast50",
                                 "menuViewPeriodLast100"};
    QAction **periodItems[] = {&menuViewPeriodEveryday, &menuViewPeriodToday,  &menuViewPeriodYesterday,
                               &menuViewPeriodWeek,     &menuViewPeriodMonth,  &menuViewPeriodYear,
                               &menuViewPeriodLast10,   &menuViewPeriodLast20, &menuViewPeriodLast50,
                               &menuViewPeriodLast100};
    for (int i = 0; i < 10; ++i) {
        *periodItems[i] = makeItem(windowMain, periodNames[i], MenuPeriodEveryday + i,
                                   s.text(StringTable::periodKeys()[i]));
        periods->addAction(*periodItems[i]);
        if (i == 5)
            periods->addSeparator();
    }
    view->addSeparator();

    // The two panel items are titled "Show" and "Hide" as their panel is
    // hidden or shown, so each sits in a submenu that names its panel.
    QMenu *statisticsMenu = view->addMenu(t("WINDOW_STATISTICS"));
    menuStatistics = makeItem(windowMain, "menuStatistics", MenuStatistics, t("MENU_NOTE_VIEW"));
    menuStatistics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    statisticsMenu->addAction(menuStatistics);
    QMenu *noteMenu = view->addMenu(t("WINDOW_NOTE"));
    menuNote = makeItem(windowMain, "menuNote", MenuNote, t("MENU_NOTE_VIEW"));
    menuNote->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    noteMenu->addAction(menuNote);
    QMenu *trendsMenu = view->addMenu(t("WINDOW_TRENDS"));
    menuTrends = makeItem(windowMain, "menuTrends", MenuTrends, t("MENU_NOTE_VIEW"));
    menuTrends->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    trendsMenu->addAction(menuTrends);
    view->addSeparator();
    menuViewShowToolBar = makeItem(windowMain, "menuViewShowToolBar", MenuShowToolbar, t("MENU_TOOLBAR_HIDE"));
    view->addAction(menuViewShowToolBar);

    // Shortcuts work while the menus are closed only when the window holds
    // the items too.
    windowMain->addActions(menuItems());

    // A toolbar item's tooltip is its text and the shortcut of the menu item
    // that does the same.
    const std::pair<QAction *, QAction *> menuTwins[] = {
        {cardAddItem, menuNew},       {cardEditItem, menuEdit},         {cardRemoveItem, menuRemove},
        {csvImport, menuImport},      {csvExport, menuExport},          {viewStatistics, menuStatistics},
        {viewNote, menuNote},         {viewTrends, menuTrends},
    };
    for (const auto &[item, twin] : menuTwins) {
        const QString keys = twin->shortcut().toString(QKeySequence::NativeText);
        item->setToolTip(keys.isEmpty() ? item->text() : QStringLiteral("%1 (%2)").arg(item->text(), keys));
    }

    // The statistics panel: lowest, mean and highest, then before, after and
    // units for each meal.
    windowStatistics = new QWidget(windowMain, Qt::Tool);
    windowStatistics->setObjectName(QStringLiteral("windowStatistics"));
    windowStatistics->setWindowTitle(t("WINDOW_STATISTICS"));
    auto *grid = new QGridLayout(windowStatistics);
    windowStatisticsGenricMin = statisticsField(windowStatistics, "windowStatisticsGenricMin");
    windowStatisticsGenricMid = statisticsField(windowStatistics, "windowStatisticsGenricMid");
    windowStatisticsGenricMax = statisticsField(windowStatistics, "windowStatisticsGenricMax");
    grid->addWidget(new QLabel(t("STATISTICS_LOWEST"), windowStatistics), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_MEAN"), windowStatistics), 0, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_HIGHEST"), windowStatistics), 0, 3, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_GLYCEMIA"), windowStatistics), 1, 0);
    grid->addWidget(windowStatisticsGenricMin, 1, 1);
    grid->addWidget(windowStatisticsGenricMid, 1, 2);
    grid->addWidget(windowStatisticsGenricMax, 1, 3);
    grid->setRowMinimumHeight(2, 12);
    grid->addWidget(new QLabel(t("STATISTICS_PRE_MEAL"), windowStatistics), 3, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_POST_MEAL"), windowStatistics), 3, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_UNITS"), windowStatistics), 3, 3, Qt::AlignCenter);
    const char *meals[] = {"POPUP_MEAL_BREAKFAST", "POPUP_MEAL_LUNCH", "POPUP_MEAL_DINNER"};
    const char *fieldNames[3][3] = {
        {"windowStatisticsBreakfastPre", "windowStatisticsBreakfastPost", "windowStatisticsBreakfastUnit"},
        {"windowStatisticsLunchPre", "windowStatisticsLunchPost", "windowStatisticsLunchUnit"},
        {"windowStatisticsDinnerPre", "windowStatisticsDinnerPost", "windowStatisticsDinnerUnit"},
    };
    QLineEdit **fields[3][3] = {
        {&windowStatisticsBreakfastPre, &windowStatisticsBreakfastPost, &windowStatisticsBreakfastUnit},
        {&windowStatisticsLunchPre, &windowStatisticsLunchPost, &windowStatisticsLunchUnit},
        {&windowStatisticsDinnerPre, &windowStatisticsDinnerPost, &windowStatisticsDinnerUnit},
    };
    for (int meal = 0; meal < 3; ++meal) {
        grid->addWidget(new QLabel(t(meals[meal]), windowStatistics), 4 + meal, 0);
        for (int col = 0; col < 3; ++col) {
            *fields[meal][col] = statisticsField(windowStatistics, fieldNames[meal][col]);
            grid->addWidget(*fields[meal][col], 4 + meal, 1 + col);
        }
    }

    // The trends window
    windowTrends = new TrendsWindow(s, windowMain);

    // The note panel
    windowNote = new QWidget(windowMain, Qt::Tool);
    windowNote->setObjectName(QStringLiteral("windowNote"));
    windowNote->setWindowTitle(t("WINDOW_NOTE"));
    windowNote->resize(320, 220);
    auto *noteLayout = new QVBoxLayout(windowNote);
    noteLayout->setContentsMargins(0, 0, 0, 0);
    windowNoteTextViewNote = new QPlainTextEdit(windowNote);
    windowNoteTextViewNote->setObjectName(QStringLiteral("windowNoteTextViewNote"));
    windowNoteTextViewNote->setReadOnly(true);
    noteLayout->addWidget(windowNoteTextViewNote);
}

QList<QAction *> MainLayout::toolbarItems() const
{
    return {cardAddItem, cardEditItem,    cardRemoveItem,       csvExport, csvImport, viewStatistics,
            viewNote,    popupPeriodItem, popupMeasurementsItem, viewTrends};
}

QList<QAction *> MainLayout::menuItems() const
{
    return {menuNew,
            menuEdit,
            menuRemove,
            menuImport,
            menuExport,
            menuQuit,
            menuViewMeasuramentAll,
            menuViewMeasuramentBlood,
            menuViewMeasuramentTherapy,
            menuViewPeriodEveryday,
            menuViewPeriodToday,
            menuViewPeriodYesterday,
            menuViewPeriodWeek,
            menuViewPeriodMonth,
            menuViewPeriodYear,
            menuViewPeriodLast10,
            menuViewPeriodLast20,
            menuViewPeriodLast50,
            menuViewPeriodLast100,
            menuStatistics,
            menuNote,
            menuViewShowToolBar,
            menuTrends,
            menuReport};
}

QList<QLineEdit *> MainLayout::statisticsFields() const
{
    return {windowStatisticsGenricMin,     windowStatisticsGenricMid,    windowStatisticsGenricMax,
            windowStatisticsBreakfastPre,  windowStatisticsBreakfastPost, windowStatisticsBreakfastUnit,
            windowStatisticsLunchPre,      windowStatisticsLunchPost,    windowStatisticsLunchUnit,
            windowStatisticsDinnerPre,     windowStatisticsDinnerPost,   windowStatisticsDinnerUnit};
}
