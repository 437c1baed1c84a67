#include "ui/MainWindow.h"

#include "text/StringTable.h"
#include "ui/NotePanel.h"
#include "ui/StatisticsPanel.h"
#include "ui/ToolbarLook.h"
#include "ui/TrendsWindow.h"
#include "view/Commands.h"
#include "view/DiaryTableModel.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>

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

QComboBox *makePopup(QToolBar *toolBar, const char *name, const QString &tip)
{
    auto *popup = new QComboBox(toolBar);
    popup->setObjectName(QString::fromLatin1(name));
    popup->setToolTip(tip);
    popup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return popup;
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

MainWindow::MainWindow(const StringTable &strings)
    : m_strings(strings)
{
    setObjectName(QStringLiteral("windowMain"));
    setWindowTitle(QStringLiteral("Orvane"));
    resize(960, 600);
    buildTable();
    buildToolbar();

    m_recordLabel = new QLabel(this);
    m_recordLabel->setObjectName(QStringLiteral("labelNumberOfRecord"));
    statusBar()->addWidget(m_recordLabel, 1);
    statusBar()->setSizeGripEnabled(true);

    QMenu *file = menuBar()->addMenu(text("MENU_FILE"));
    file->setObjectName(QStringLiteral("menuFile"));
    buildFileMenu(file);
    QMenu *edit = menuBar()->addMenu(text("MENU_EDIT"));
    edit->setObjectName(QStringLiteral("menuEditCards"));
    m_menuEdit = makeItem(this, "menuEdit", Commands::MenuEdit, text("MENU_ITEM_EDIT"));
    m_menuEdit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_menuRemove = makeItem(this, "menuRemove", Commands::MenuRemove, text("MENU_ITEM_REMOVE"));
    m_menuRemove->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Backspace), QKeySequence::Delete});
    edit->addAction(m_menuEdit);
    edit->addAction(m_menuRemove);
    QMenu *view = menuBar()->addMenu(text("MENU_VIEW"));
    view->setObjectName(QStringLiteral("menuView"));
    buildViewMenu(view);
    // Shortcuts work while the menus are closed only when the window holds
    // the items too.
    addActions(menuItems());
    nameShortcutsInTooltips();

    m_statistics = new StatisticsPanel(strings, this);
    m_trends = new TrendsWindow(strings, this);
    m_note = new NotePanel(strings, this);
}

QString MainWindow::text(const char *key) const
{
    return m_strings.text(QString::fromLatin1(key));
}

void MainWindow::buildTable()
{
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("listaSchedeGlicemiche"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->setCornerButtonEnabled(false);
    // Fixed row heights keep a diary of many thousand cards as quick as a
    // small one: the view never measures rows.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setHighlightSections(false);
    setCentralWidget(m_table);
}

void MainWindow::buildToolbar()
{
    using namespace Commands;
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->toggleViewAction()->setVisible(false); // the View menu has its own item
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    m_cardAdd = makeItem(m_toolBar, "cardAdd", ToolbarAdd, text("TOOLBAR_ADD"));
    m_cardAdd->setIcon(icon({"list-add"}, "card-add"));
    m_cardEdit = makeItem(m_toolBar, "cardEdit", ToolbarEdit, text("TOOLBAR_EDIT"));
    m_cardEdit->setIcon(icon({"document-edit"}, "card-edit"));
    m_cardRemove = makeItem(m_toolBar, "cardRemove", ToolbarRemove, text("TOOLBAR_REMOVE"));
    m_cardRemove->setIcon(icon({"list-remove", "edit-delete"}, "card-remove"));
    m_csvImport = makeItem(m_toolBar, "csvImport", ToolbarImport, text("TOOLBAR_IMPORT"));
    m_csvImport->setIcon(icon({"document-import", "document-open"}, "import"));
    m_csvExport = makeItem(m_toolBar, "csvExport", ToolbarExport, text("TOOLBAR_EXPORT"));
    m_csvExport->setIcon(icon({"document-export", "document-save-as"}, "export"));
    m_viewStatistics = makeItem(m_toolBar, "viewStatistics", ToolbarStatistics, text("TOOLBAR_STATISTICS"));
    m_viewStatistics->setIcon(icon({"view-statistics", "x-office-spreadsheet"}, "statistics"));
    m_viewNote = makeItem(m_toolBar, "viewNote", ToolbarNote, text("TOOLBAR_NOTE"));
    m_viewNote->setIcon(icon({"view-pim-notes", "note", "accessories-text-editor"}, "note"));
    m_viewTrends = makeItem(m_toolBar, "viewTrends", ToolbarTrends, text("TOOLBAR_TRENDS"));
    m_viewTrends->setIcon(icon({"office-chart-line", "x-office-presentation"}, "trends"));

    m_toolBar->addAction(m_cardAdd);
    m_toolBar->addAction(m_cardEdit);
    m_toolBar->addAction(m_cardRemove);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_csvImport);
    m_toolBar->addAction(m_csvExport);
    m_toolBar->addSeparator();
    buildPopups();
    auto *spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);
    m_toolBar->addAction(m_viewStatistics);
    m_toolBar->addAction(m_viewTrends);
    m_toolBar->addAction(m_viewNote);
    m_toolbarLook = new ToolbarLook(m_toolBar, m_strings);
}

void MainWindow::buildPopups()
{
    m_popupPeriod = makePopup(m_toolBar, "popupPeriod", text("TOOLBAR_PERIOD"));
    m_popupPeriodItem = m_toolBar->addWidget(m_popupPeriod);
    m_popupPeriodItem->setObjectName(QStringLiteral("popupPeriodItem"));
    m_popupPeriodItem->setProperty(kTag, int(Commands::ToolbarPeriod));
    m_popupMeasurements = makePopup(m_toolBar, "popupMeasurements", text("TOOLBAR_KIND"));
    m_popupMeasurementsItem = m_toolBar->addWidget(m_popupMeasurements);
    m_popupMeasurementsItem->setObjectName(QStringLiteral("popupMeasurementsItem"));
    m_popupMeasurementsItem->setProperty(kTag, int(Commands::ToolbarKind));
}

void MainWindow::buildFileMenu(QMenu *file)
{
    using namespace Commands;
    m_menuNew = makeItem(this, "menuNew", MenuNew, text("MENU_ITEM_NEW"));
    m_menuNew->setShortcut(QKeySequence::New);
    m_menuImport = makeItem(this, "menuImport", MenuImport, text("MENU_ITEM_IMPORT"));
    m_menuImport->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_I), QKeySequence::Open});
    m_menuExport = makeItem(this, "menuExport", MenuExport, text("MENU_ITEM_EXPORT"));
    m_menuExport->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), QKeySequence::SaveAs});
    m_menuQuit = makeItem(this, "menuQuit", MenuAlways, text("MENU_ITEM_QUIT"));
    // Not every platform binds a quit key; Ctrl+Q is what Linux desktops use.
    const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    m_menuQuit->setShortcuts(quitKeys.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quitKeys);
    m_menuQuit->setMenuRole(QAction::QuitRole);
    file->addAction(m_menuNew);
    file->addSeparator();
    file->addAction(m_menuImport);
    file->addAction(m_menuExport);
    m_menuReport = makeItem(this, "menuReport", MenuReport, text("MENU_ITEM_REPORT"));
    m_menuReport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addAction(m_menuReport);
    file->addSeparator();
    file->addAction(m_menuQuit);
}

void MainWindow::buildViewMenu(QMenu *view)
{
    using namespace Commands;
    QMenu *kinds = view->addMenu(text("MENU_KIND"));
    m_menuKinds = {makeItem(this, "menuViewMeasuramentAll", MenuKindAll, text("POPUP_MEASURAMENT_ALL")),
                   makeItem(this, "menuViewMeasuramentBlood", MenuKindBlood, text("POPUP_MEASURAMENT_BLOOD")),
                   makeItem(this, "menuViewMeasuramentTherapy", MenuKindTherapy,
                            text("POPUP_MEASURAMENT_TERAPIES"))};
    kinds->addActions({m_menuKinds.begin(), m_menuKinds.end()});

    QMenu *periods = view->addMenu(text("MENU_PERIOD"));
    const char *periodNames[] = {"menuViewPeriodEveryday", "menuViewPeriodToday",  "menuViewPeriodYesterday",
                                 "menuViewPeriodWeek",     "menuViewPeriodMonth",  "menuViewPeriodYear",
                                 "menuViewPeriodLast10",   "menuViewPeriodLast20", "menuViewPeriodLast50",
                                 "menuViewPeriodLast100"};
    for (int i = 0; i < 10; ++i) {
        m_menuPeriods[size_t(i)] =
            makeItem(this, periodNames[i], MenuPeriodEveryday + i, m_strings.text(StringTable::periodKeys()[i]));
        periods->addAction(m_menuPeriods[size_t(i)]);
        if (i == 5)
            periods->addSeparator();
    }

    // The unit every glycemia is shown and typed in: one of the two, checked.
    QMenu *units = view->addMenu(text("MENU_GLYCEMIA_UNIT"));
    units->setObjectName(QStringLiteral("menuGlycemiaUnit"));
    m_menuUnitMgdl = makeItem(this, "menuUnitMgdl", MenuUnitMgdl, text("MENU_UNIT_MGDL"));
    m_menuUnitMmol = makeItem(this, "menuUnitMmol", MenuUnitMmol, text("MENU_UNIT_MMOL"));
    auto *unitGroup = new QActionGroup(this);
    for (QAction *item : {m_menuUnitMgdl, m_menuUnitMmol}) {
        item->setCheckable(true);
        unitGroup->addAction(item);
        units->addAction(item);
    }
    m_menuUnitMgdl->setChecked(true);
    view->addSeparator();

    // The three panel items are titled "Show" and "Hide" as their panel is
    // hidden or shown, so each sits in a submenu that names its panel.
    auto panelItem = [&](const char *title, const char *name, int tag, const QKeySequence &keys) {
        QAction *item = makeItem(this, name, tag, text("MENU_NOTE_VIEW"));
        item->setShortcut(keys);
        view->addMenu(text(title))->addAction(item);
        return item;
    };
    m_menuStatistics = panelItem("WINDOW_STATISTICS", "menuStatistics", MenuStatistics, Qt::CTRL | Qt::Key_T);
    m_menuNote = panelItem("WINDOW_NOTE", "menuNote", MenuNote, Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    m_menuTrends = panelItem("WINDOW_TRENDS", "menuTrends", MenuTrends, Qt::CTRL | Qt::SHIFT | Qt::Key_T);
    view->addSeparator();
    m_menuShowToolBar = makeItem(this, "menuViewShowToolBar", MenuShowToolbar, text("MENU_TOOLBAR_HIDE"));
    view->addAction(m_menuShowToolBar);
}

void MainWindow::nameShortcutsInTooltips()
{
    // A toolbar item's tooltip is its text and the shortcut of the menu item
    // that does the same.
    const std::pair<QAction *, QAction *> menuTwins[] = {
        {m_cardAdd, m_menuNew},       {m_cardEdit, m_menuEdit},     {m_cardRemove, m_menuRemove},
        {m_csvImport, m_menuImport},  {m_csvExport, m_menuExport},  {m_viewStatistics, m_menuStatistics},
        {m_viewNote, m_menuNote},     {m_viewTrends, m_menuTrends},
    };
    for (const auto &[item, twin] : menuTwins) {
        const QString keys = twin->shortcut().toString(QKeySequence::NativeText);
        item->setToolTip(keys.isEmpty() ? item->text() : QStringLiteral("%1 (%2)").arg(item->text(), keys));
    }
}

QList<QAction *> MainWindow::toolbarItems() const
{
    return {m_cardAdd,  m_cardEdit,        m_cardRemove,            m_csvExport,  m_csvImport, m_viewStatistics,
            m_viewNote, m_popupPeriodItem, m_popupMeasurementsItem, m_viewTrends};
}

QList<QAction *> MainWindow::menuItems() const
{
    QList<QAction *> items{m_menuNew, m_menuEdit, m_menuRemove, m_menuImport, m_menuExport, m_menuQuit};
    items.append({m_menuKinds.begin(), m_menuKinds.end()});
    items.append({m_menuPeriods.begin(), m_menuPeriods.end()});
    items.append(
        {m_menuStatistics, m_menuNote, m_menuShowToolBar, m_menuTrends, m_menuReport, m_menuUnitMgdl, m_menuUnitMmol});
    return items;
}

void MainWindow::addUndoItems(QUndoStack &undo, const QString &undoText, const QString &redoText)
{
    QAction *undoItem = undo.createUndoAction(this, undoText);
    undoItem->setObjectName(QStringLiteral("menuUndo"));
    undoItem->setShortcuts(QKeySequence::Undo);
    QAction *redoItem = undo.createRedoAction(this, redoText);
    redoItem->setObjectName(QStringLiteral("menuRedo"));
    // Ctrl+Shift+Z everywhere, besides what the platform binds.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)))
        redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redoItem->setShortcuts(redoKeys);
    QMenu *edit = findChild<QMenu *>(QStringLiteral("menuEditCards"));
    QAction *first = edit->actions().value(0);
    edit->insertActions(first, {undoItem, redoItem});
    edit->insertSeparator(first);
    addActions({undoItem, redoItem});
}

void MainWindow::fitTableColumns(const DiaryTableModel &model)
{
    const QFontMetrics metrics(m_table->font());
    m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    for (const QString &id : DiaryTableModel::columnIdentifiers())
        fitTableColumn(model, id);
}

void MainWindow::fitTableColumn(const DiaryTableModel &model, const QString &identifier)
{
    const QFontMetrics metrics(m_table->font());
    m_table->setColumnWidth(DiaryTableModel::columnWithIdentifier(identifier),
                            metrics.horizontalAdvance(model.widestText(identifier)) + 28);
}

void MainWindow::showGlycemiaUnit(GlycemiaUnit::Unit unit)
{
    glycemiaUnitItem(unit)->setChecked(true);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (shouldClose && !shouldClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::enableItems(const std::function<bool(QAction *)> &toolbarValidator,
                             const std::function<bool(QAction *)> &menuValidator)
{
    for (QAction *item : toolbarItems()) {
        const bool enabled = toolbarValidator(item);
        if (item != m_popupPeriodItem && item != m_popupMeasurementsItem)
            item->setEnabled(enabled);
    }
    for (QAction *item : menuItems())
        item->setEnabled(menuValidator(item));
}

void MainWindow::enablePopups(bool enabled)
{
    popupPeriod()->setEnabled(enabled);
    popupMeasurements()->setEnabled(enabled);
}

void MainWindow::fillPopups(const QStringList &periodKeys, const QStringList &kindKeys)
{
    for (const QString &key : periodKeys)
        m_popupPeriod->addItem(m_strings.text(key));
    for (const QString &key : kindKeys)
        m_popupMeasurements->addItem(m_strings.text(key));
}

void MainWindow::selectPopupItem(QComboBox *popup, const QString &title)
{
    const int index = popup->findText(title, Qt::MatchExactly | Qt::MatchCaseSensitive);
    popup->setCurrentIndex(index >= 0 ? index : 0);
}

void MainWindow::tellUserActions()
{
    connect(m_table, &QAbstractItemView::doubleClicked, this, &MainWindow::rowDoubleClicked);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainWindow::selectionChanged);
    for (QAction *item : toolbarItems())
        connect(item, &QAction::triggered, this, [this, item] { emit toolbarItemTriggered(item); });
    for (QAction *item : menuItems()) {
        if (item != m_menuQuit)
            connect(item, &QAction::triggered, this, [this, item] { emit menuItemTriggered(item); });
    }
    connect(m_menuQuit, &QAction::triggered, this, &MainWindow::quitTriggered);
    connect(m_popupPeriod, &QComboBox::activated, this, [this] { emit toolbarItemTriggered(m_popupPeriodItem); });
    connect(m_popupMeasurements, &QComboBox::activated, this,
            [this] { emit toolbarItemTriggered(m_popupMeasurementsItem); });
}
