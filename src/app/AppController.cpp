#include "app/AppController.h"

#include "edit/DeleteSheet.h"
#include "edit/EditSheet.h"
#include "interchange/Interchange.h"
#include "model/DiaryFile.h"
#include "model/Diary.h"
#include "app/Preferences.h"
#include "app/FileCommands.h"
#include "app/Recovery.h"
#include "app/WaysOut.h"
#include "app/WindowPlaces.h"
#include "text/TextConversions.h"
#include "model/ZRImport.h"
#include "ui/Dialogs.h"
#include "ui/ExportTypeSheet.h"
#include "ui/MainWindow.h"
#include "report/TrendsReport.h"
#include "ui/TrendsWindow.h"
#include "text/StringTable.h"
#include "ui/ZRUtility.h"
#include "view/DiaryCommands.h"
#include "view/DiaryTableModel.h"
#include "view/Statistics.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QMenu>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QKeySequence>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolBar>

#include <cstdio>

AppController::AppController(const StringTable &strings, QObject *parent)
    : QObject(parent)
    , diaryPath(DiaryFile::diaryPath())
    , m_strings(strings)
    , m_diary(std::make_unique<Diary>(diaryPath))
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
    // The table must let go of the model before the model goes.
    if (listaSchedeGlicemiche)
        listaSchedeGlicemiche->setModel(nullptr);
    // The panels are deleted after the menu items their hiding retitles:
    // stop listening to them first.
    if (windowMain) {
        windowMain->removeEventFilter(this);
        for (const auto &[panel, item] : panels())
            panel->removeEventFilter(this);
    }
    delete windowMain;
}

QString AppController::text(const char *key) const
{
    return m_strings.text(QString::fromLatin1(key));
}

double AppController::currentInstant() const
{
    return clock ? clock() : CardDates::now();
}

CardRef AppController::selectedCard() const
{
    return m_model ? m_model->cardAt(selectedRow()) : nullptr;
}

const CardList &AppController::arrayArchiveFiltered() const
{
    return m_view.isDiary ? m_diary->cards() : m_view.cards;
}

// ---------------------------------------------------------------------------
// Start-up

void AppController::awakeFromNib()
{
    windowEdit = new EditSheet(m_strings, windowMain);
    windowDelete = new DeleteSheet(m_strings, windowMain);
    windowExportType = new ExportTypeSheet(m_strings, windowMain);
    m_model = std::make_unique<DiaryTableModel>(m_strings, QLocale(), zone);
    m_model->onEdited = [this](int row, const CardRef &edited) {
        // A note changed in the table is written at once; it changes neither
        // the order nor what is in view, so the table is left as it is.
        m_noteInPlace = true;
        DiaryCommands::setNote(m_undo, *m_diary, m_strings, m_model->cardAt(row),
                               edited->notes().value_or(QString()));
        m_noteInPlace = false;
    };    listaSchedeGlicemiche->setModel(m_model.get());
    addUndoItems();
    fitTableColumns();
    connectSignals();
    buildToolbarMenu();

    for (const QString &key : StringTable::periodKeys())
        popupPeriod->addItem(m_strings.text(key));
    for (const QString &key : StringTable::kindKeys())
        popupMeasurements->addItem(m_strings.text(key));
    windowEdit->fillPopUps();

    toolBar->setVisible(settings.toolbarVisible);
    loadingPreference();
    toolBar->setVisible(settings.toolbarVisible);
    applyToolbarDisplayMode(settings.toolbarDisplayMode);
    applyToolbarSizeMode(settings.toolbarSizeMode);
    changeToolbarMenuItemStatus(menuViewShowToolBar);
    windowTrends->setUnit(Trends::unitFromKey(settings.glycemiaUnit));
    windowTrends->onUnitChanged = [this](Trends::Unit unit) { settings.glycemiaUnit = Trends::unitKey(unit); };
    // The panels wait for the main window (see eventFilter): shown before
    // it, they would end up beneath it.
    m_places = Preferences::read(Preferences::placesPath(preferencesPath)).value_or(Preferences::Domain{});
    placeWindow(windowMain);
    windowMain->installEventFilter(this);
    for (const auto &[panel, item] : panels())
        panel->installEventFilter(this);

    selectPopupItemByTitle(popupPeriod, settings.periodTitle);
    selectPopupItemByTitle(popupMeasurements, settings.kindTitle);

    fileOpen();

    // Cards an earlier ending could not write to the diary are told of once.
    QStringList recovered = Recovery::takeUntold(recoveryFolder);
    if (!recovered.isEmpty()) {
        for (QString &file : recovered)
            file = QDir::toNativeSeparators(file);
        Dialogs::current().runAlert(windowMain, text("ALERT_RECOVERED"),
                                    m_strings.text(QStringLiteral("ALERT_RECOVERED_INFO"))
                                        .arg(recovered.join(QLatin1Char('\n'))),
                                    {});
    }
}

void AppController::addUndoItems()
{
    menuUndo = m_undo.createUndoAction(windowMain, text("MENU_ITEM_UNDO"));
    menuUndo->setObjectName(QStringLiteral("menuUndo"));
    menuUndo->setShortcuts(QKeySequence::Undo);
    menuRedo = m_undo.createRedoAction(windowMain, text("MENU_ITEM_REDO"));
    menuRedo->setObjectName(QStringLiteral("menuRedo"));
    // Ctrl+Shift+Z everywhere, besides what the platform binds.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)))
        redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    menuRedo->setShortcuts(redoKeys);
    QMenu *edit = windowMain->findChild<QMenu *>(QStringLiteral("menuEditCards"));
    QAction *first = edit->actions().value(0);
    edit->insertActions(first, {menuUndo, menuRedo});
    edit->insertSeparator(first);
    windowMain->addActions({menuUndo, menuRedo});
}

void AppController::connectSignals()
{
    connect(listaSchedeGlicemiche, &QAbstractItemView::doubleClicked, this, [this] { myDoubleClickAction(); });
    connect(listaSchedeGlicemiche->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { tableViewSelectionDidChange(); });
    for (QAction *item : toolbarItems())
        connect(item, &QAction::triggered, this, [this, item] { toolbar(item); });
    for (QAction *item : menuItems()) {
        if (item != menuQuit)
            connect(item, &QAction::triggered, this, [this, item] { menuView(item); });
    }
    connect(menuQuit, &QAction::triggered, this, [this] { quitApplicationWithAllert(); });
    // Quitting is the one command a sheet leaves open, but the main window's
    // menu is out of reach while a sheet is up: each sheet takes the key too.
    for (QDialog *sheet : std::initializer_list<QDialog *>{windowEdit, windowDelete, windowExportType}) {
        auto *quit = new QAction(sheet);
        quit->setShortcuts(menuQuit->shortcuts());
        sheet->addAction(quit);
        connect(quit, &QAction::triggered, menuQuit, &QAction::trigger);
    }
    // Only the user's own picks run the filter; start-up and the menus
    // select items themselves and filter once.
    connect(popupPeriod, &QComboBox::activated, this, [this] { toolbar(popupPeriodItem); });
    connect(popupMeasurements, &QComboBox::activated, this, [this] { toolbar(popupMeasurementsItem); });

    connect(windowEdit, &EditSheet::actionRequested, this, [this] { windowEditButtonAction(); });
    connect(windowEdit, &QDialog::rejected, this, [this] { windowEditButtonCancel(); });
    connect(windowDelete, &DeleteSheet::removeRequested, this, [this] { windowDeleteRemove(); });
    connect(windowDelete, &QDialog::rejected, this, [this] { windowDeleteCancel(); });
    connect(windowExportType, &ExportTypeSheet::continueRequested, this,
            [this] { windowExportTypeButtonContinue(); });
    connect(windowExportType, &QDialog::rejected, this, [this] { windowExportTypeButtonCancel(); });
}

void AppController::fitTableColumns()
{
    const QFontMetrics metrics(listaSchedeGlicemiche->font());
    listaSchedeGlicemiche->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    const QStringList &ids = DiaryTableModel::columnIdentifiers();
    for (int column = 0; column < ids.size(); ++column)
        listaSchedeGlicemiche->setColumnWidth(column, metrics.horizontalAdvance(m_model->widestText(ids[column])) + 28);
}

void AppController::selectPopupItemByTitle(QComboBox *popup, const QString &title)
{
    // A title from an older string table matches no item: show everything.
    const int index = popup->findText(m_strings.text(title), Qt::MatchExactly | Qt::MatchCaseSensitive);
    popup->setCurrentIndex(index >= 0 ? index : 0);
}

void AppController::applyToolbarDisplayMode(int mode)
{
    m_toolbarDisplayMode = mode >= 0 && mode <= 3 ? mode : 0;
    switch (mode) {
    case 1: toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon); break;
    case 2: toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly); break;
    case 3: toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly); break;
    default: toolBar->setToolButtonStyle(Qt::ToolButtonFollowStyle); break;
    }
    for (QAction *item : toolbarModeItems)
        item->setChecked(item->data().toInt() == m_toolbarDisplayMode);
}

void AppController::applyToolbarSizeMode(int mode)
{
    switch (mode) {
    case 1: setToolbarSize(kToolbarSizeSmall); break;
    case 0: setToolbarSize(kToolbarSizeRegular); break;
    default: setToolbarSize(kToolbarSizeDefault); break;
    }
}

void AppController::setToolbarSize(int size)
{
    m_toolbarSizeMode = size;
    switch (size) {
    case kToolbarSizeSmall: toolBar->setIconSize(QSize(16, 16)); break;
    case kToolbarSizeRegular: toolBar->setIconSize(QSize(24, 24)); break;
    default: toolBar->setIconSize(QSize()); break; // the style's own size
    }
    if (toolbarSmallSize)
        toolbarSmallSize->setChecked(size == kToolbarSizeSmall);
}

void AppController::buildToolbarMenu()
{
    // The toolbar's own menu (right click): how its items look.
    toolbarMenu = new QMenu(toolBar);
    toolbarMenu->setObjectName(QStringLiteral("toolbarMenu"));
    auto *group = new QActionGroup(toolbarMenu);
    const std::pair<int, const char *> modes[] = {{1, "TOOLBAR_MODE_ICON_AND_TEXT"},
                                                  {2, "TOOLBAR_MODE_ICON"},
                                                  {3, "TOOLBAR_MODE_TEXT"}};
    for (const auto &[mode, key] : modes) {
        QAction *item = toolbarMenu->addAction(text(key));
        item->setCheckable(true);
        item->setData(mode);
        group->addAction(item);
        toolbarModeItems.append(item);
        connect(item, &QAction::triggered, this, [this, mode] { applyToolbarDisplayMode(mode); });
    }
    toolbarMenu->addSeparator();
    toolbarSmallSize = toolbarMenu->addAction(text("TOOLBAR_MODE_SMALL"));
    toolbarSmallSize->setCheckable(true);
    connect(toolbarSmallSize, &QAction::triggered, this,
            [this](bool small) { setToolbarSize(small ? kToolbarSizeSmall : kToolbarSizeRegular); });
    toolBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(toolBar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { toolbarMenu->popup(toolBar->mapToGlobal(at)); });
}

// ---------------------------------------------------------------------------
// The panels and the places of the windows

QList<std::pair<QWidget *, QAction *>> AppController::panels() const
{
    // In the order they stack beside the main window.
    return {{windowStatistics, menuStatistics}, {windowNote, menuNote}, {windowTrends, menuTrends}};
}

bool AppController::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == windowMain && type == QEvent::Show && !m_panelsRestored) {
        m_panelsRestored = true;
        showRestoredPanels();
    } else if (type == QEvent::Show || type == QEvent::Hide) {
        // The items are titled for what choosing them will do.
        for (const auto &[panel, item] : panels()) {
            if (watched == panel)
                item->setText(text(type == QEvent::Show ? "MENU_NOTE_HIDE" : "MENU_NOTE_VIEW"));
        }
    }
    return QObject::eventFilter(watched, event);
}

void AppController::showRestoredPanels()
{
    const bool shown[] = {settings.statisticsVisible, settings.noteVisible, settings.trendsVisible};
    const auto all = panels();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (shown[i])
            showPanel(all[i].first, false);
    }
}

void AppController::showPanel(QWidget *panel, bool activate)
{
    placeWindow(panel);
    panel->show();
    panel->raise();
    if (activate)
        panel->activateWindow();
    else // raised again once the main window, shown with it, is on screen
        QMetaObject::invokeMethod(panel, [panel] { panel->raise(); }, Qt::QueuedConnection);
    if (panel == windowTrends)
        calculatesTrends();
}

void AppController::placeWindow(QWidget *window)
{
    constexpr int kPanelRoom = 500; // the statistics panel's width, about
    if (m_placed.contains(window))
        return;
    m_placed.insert(window);
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (const auto place = WindowPlaces::fromText(m_places.value(window->objectName()))) {
        if (const auto shown = WindowPlaces::onScreen(*place, screens)) {
            window->resize(shown->size());
            window->move(shown->topLeft());
            return;
        }
    }
    const QRect screen = windowMain->screen()->availableGeometry();
    if (window == windowMain) {
        // A first start leaves a border of the screen free, and room at the
        // right for the panels where the screen has it.
        const QSize size = window->size().boundedTo(screen.size() * 9 / 10);
        const QSize withPanels(size.width() + kPanelRoom, size.height());
        window->resize(size);
        window->move(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, withPanels.boundedTo(screen.size()), screen).topLeft());
        return;
    }
    // The panel's frame is taken to be the main window's, which is shown.
    const QRect mainFrame = windowMain->frameGeometry(), mainInside = windowMain->geometry();
    const QMargins frame(mainInside.left() - mainFrame.left(), mainInside.top() - mainFrame.top(),
                         mainFrame.right() - mainInside.right(), mainFrame.bottom() - mainInside.bottom());
    auto sizeOf = [](QWidget *w) { return w->testAttribute(Qt::WA_Resized) ? w->size() : w->sizeHint(); };
    // Below the panels stacked before it.
    int below = 0;
    for (const auto &[panel, item] : panels()) {
        if (panel == window)
            break;
        below += sizeOf(panel).grownBy(frame).height() + 8;
    }
    const QSize size = sizeOf(window).boundedTo(screen.size().shrunkBy(frame));
    window->resize(size);
    window->move(WindowPlaces::beside(mainFrame, size.grownBy(frame), below, screen).topLeft());
}

// ---------------------------------------------------------------------------
// Preferences: restored and saved with the view settings.

void AppController::loadingPreference()
{
    namespace P = Preferences;
    const std::optional<P::Domain> domain = P::read(preferencesPath);
    if (!domain) {
        updatePreference();
        return;
    }
    auto value = [&domain](const char *key) { return domain->value(QString::fromLatin1(key)); };
    settings.toolbarVisible = TextConversions::boolValue(value(P::kToolBarIsVisible));
    settings.toolbarDisplayMode = TextConversions::intValue(value(P::kToolBarDisplayMode));
    settings.toolbarSizeMode = TextConversions::intValue(value(P::kToolBarSizeMode));
    settings.statisticsVisible = TextConversions::boolValue(value(P::kStatisticsIsVisible));
    settings.noteVisible = TextConversions::boolValue(value(P::kNoteIsVisible));
    settings.trendsVisible = TextConversions::boolValue(value(P::kTrendsIsVisible));
    settings.glycemiaUnit = Trends::unitKey(Trends::unitFromKey(value(P::kGlycemiaUnit)));
    // An absent title matches no item: the pop-up shows everything.
    settings.periodTitle = value(P::kPeriodMenuSelect);
    settings.kindTitle = value(P::kKindMenuSelect);
}

void AppController::updatePreference()
{
    namespace P = Preferences;
    if (m_toolbarDisplayMode >= 0 && m_toolbarDisplayMode <= 3)
        settings.toolbarDisplayMode = m_toolbarDisplayMode;
    settings.toolbarSizeMode = m_toolbarSizeMode == kToolbarSizeSmall ? 1 : 0;
    settings.statisticsVisible = windowStatistics->isVisible();
    settings.noteVisible = windowNote->isVisible();
    settings.trendsVisible = windowTrends->isVisible();
    settings.glycemiaUnit = Trends::unitKey(windowTrends->unit());
    Preferences::Domain places = m_places;
    for (const QWidget *window : std::as_const(m_placed))
        places.insert(window->objectName(), WindowPlaces::toText(QRect(window->pos(), window->size())));
    if (!places.isEmpty())
        P::write(P::placesPath(preferencesPath), places);
    // isHidden, not isVisible: the toolbar of a window being closed is shown.
    const P::Domain domain{
        {QString::fromLatin1(P::kToolBarIsVisible), P::yesNo(!toolBar->isHidden())},
        {QString::fromLatin1(P::kToolBarDisplayMode), QString::number(settings.toolbarDisplayMode)},
        {QString::fromLatin1(P::kToolBarSizeMode), QString::number(settings.toolbarSizeMode)},
        {QString::fromLatin1(P::kStatisticsIsVisible), P::yesNo(settings.statisticsVisible)},
        {QString::fromLatin1(P::kNoteIsVisible), P::yesNo(settings.noteVisible)},
        {QString::fromLatin1(P::kPeriodMenuSelect), m_strings.keyForText(popupPeriod->currentText())},
        {QString::fromLatin1(P::kKindMenuSelect), m_strings.keyForText(popupMeasurements->currentText())},
        {QString::fromLatin1(P::kTrendsIsVisible), P::yesNo(settings.trendsVisible)},
        {QString::fromLatin1(P::kGlycemiaUnit), settings.glycemiaUnit},
    };
    P::write(preferencesPath, domain);
}

void AppController::quitApplicationWithAllert()
{
    const LastSave saved = saveBeforeQuitting();
    if (saved == LastSave::Stay)
        return;
    updatePreference();
    // A failed save was settled already: the user chose to end.
    if (saved == LastSave::Written
        && Dialogs::current().runAlert(windowMain, text("ALLERT_TEXT_MESSAGE_QUIT"), QString(),
                                       {text("BUTTON_YES"), text("BUTTON_NO")})
               != Dialogs::kFirstButton)
        return;
    // An open sheet goes without its entries; the diary is on disk already,
    // and the way out does not save it again.
    for (QDialog *sheet : std::initializer_list<QDialog *>{windowEdit, windowDelete, windowExportType}) {
        if (sheet->isVisible())
            sheet->reject();
    }
    m_savedForQuit = true;
    exitProgram(0);
}

// ---------------------------------------------------------------------------
// The diary file

void AppController::fileOpen()
{
    m_diary->setPath(diaryPath);
    m_undo.clear();
    const DiaryFile::OpenResult result = m_diary->open();
    using Status = DiaryFile::OpenResult::Status;
    if (result.status == Status::KeptAside)
        tellAboutFile("ALERT_DIARY_KEPT_ASIDE", "ALERT_DIARY_KEPT_ASIDE_INFO", result.keptAsidePath, result.error);
    else if (result.status == Status::Blocked)
        tellAboutFile("ALERT_DIARY_BLOCKED", "ALERT_DIARY_BLOCKED_INFO", diaryPath, result.error);
    filtraDatiSecondoParametriPopupButton();
}

void AppController::diaryChanged(const CardRef &focus)
{
    if (m_noteInPlace) {
        // The edited copy takes the card's place in the view too.
        if (!m_view.isDiary && focus) {
            const CardList &cards = m_diary->cards();
            for (CardRef &card : m_view.cards) {
                if (std::find(cards.begin(), cards.end(), card) == cards.end())
                    card = focus;
            }
        }
        refreshwindowNoteTextViewNote();
        writeDiary();
        return;
    }
    m_selectNext = focus;
    fileSave();
}

void AppController::tellAboutFile(const char *message, const char *info, const QString &path,
                                  const QString &reason)
{
    Dialogs::current().runAlert(windowMain, text(message),
                                m_strings.text(QString::fromLatin1(info))
                                    .arg(QDir::toNativeSeparators(path), reason),
                                {});
}

bool AppController::writeDiary()
{
    m_diary->setPath(diaryPath);
    if (!m_diary->isWritable()) {
        m_diary->save(); // sorted all the same
        tellAboutFile("ALERT_SAVE_FAILED", "ALERT_SAVE_BLOCKED_INFO", diaryPath, QString());
        return false;
    }
    m_diary->setSaveInBackground(saveInBackground);
    const DiaryFile::SaveResult result = m_diary->save();
    if (!result.ok)
        tellSaveFailed(diaryPath, result.error);
    return result.ok;
}

AppController::LastSave AppController::saveBeforeQuitting()
{
    m_diary->setPath(diaryPath);
    // The table follows the diary, sorted by the save, before anything is asked.
    return WaysOut(*m_diary, m_strings, windowMain).saveBeforeQuitting([this] { filtraDatiSecondoParametriPopupButton(); });
}

void AppController::saveWithoutAsking()
{
    m_diary->setPath(diaryPath);
    WaysOut(*m_diary, m_strings, windowMain).saveWithoutAsking(recoveryFolder, m_recovered);
    filtraDatiSecondoParametriPopupButton(); // the session may go on
}

void AppController::tellSaveFailed(const QString &path, const QString &error)
{
    tellAboutFile("ALERT_SAVE_FAILED", "ALERT_SAVE_FAILED_INFO", path, error);
}

void AppController::waitForSave()
{
    m_diary->waitForSave();
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
    const CardRef selected = m_selectNext ? std::exchange(m_selectNext, nullptr) : selectedCard();
    const double now = currentInstant();
    const int kind = popupMeasurements->currentIndex();
    m_view = DiaryFilter::filter(m_diary->cards(), popupPeriod->currentIndex(), kind, now, zone);

    const DiaryFilter::Columns shown = DiaryFilter::columnsForKind(kind);
    const std::pair<const char *, bool> columns[] = {{"glycemiaValue", shown.glycemiaValue},
                                                     {"isPreMeal", shown.isPreMeal},
                                                     {"unitValue", shown.unitValue},
                                                     {"nameInsulin", shown.nameInsulin}};
    for (const auto &[id, visible] : columns)
        listaSchedeGlicemiche->setColumnHidden(DiaryTableModel::columnWithIdentifier(QString::fromLatin1(id)),
                                               !visible);

    m_model->setView(&arrayArchiveFiltered());
    // The card that was selected stays selected while it is in view.
    if (selected) {
        const CardList &view = arrayArchiveFiltered();
        const auto it = std::find(view.begin(), view.end(), selected);
        if (it != view.end()) {
            const int row = int(it - view.begin());
            listaSchedeGlicemiche->selectRow(row);
            listaSchedeGlicemiche->scrollTo(m_model->index(row, 0));
        }
    }
    refreshRecordCount();
    refreshwindowNoteTextViewNote();
    calculatesStatistics();
    m_trendsStale = true;
    calculatesTrends();
    updateCommandStates();
}

// ---------------------------------------------------------------------------
// The table and the note panel

int AppController::numberOfRowsInTableView() const
{
    return int(arrayArchiveFiltered().size());
}

int AppController::selectedRow() const
{
    if (!listaSchedeGlicemiche || !listaSchedeGlicemiche->selectionModel())
        return -1;
    const QModelIndexList rows = listaSchedeGlicemiche->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void AppController::refreshRecordCount()
{
    labelNumberOfRecord->setText(QStringLiteral("%1 %2 %3 %4")
                                     .arg(text("VIEW_NUMBER_RECORD"))
                                     .arg(arrayArchiveFiltered().size())
                                     .arg(text("ON"))
                                     .arg(m_diary->cards().size()));
}

void AppController::tableViewSelectionDidChange()
{
    refreshwindowNoteTextViewNote();
    updateCommandStates();
}

void AppController::refreshwindowNoteTextViewNote()
{
    const CardRef card = m_model->cardAt(selectedRow());
    const QString notes = card ? card->notes().value_or(QString()) : QString();
    if (windowNoteTextViewNote->toPlainText() != notes)
        windowNoteTextViewNote->setPlainText(notes);
}

void AppController::myDoubleClickAction()
{
    if (selectedRow() < 0)
        return;
    cardEdit();
}

// ---------------------------------------------------------------------------
// Statistics

void AppController::calculatesStatistics()
{
    const Statistics::Figures figures = Statistics::calculatesStatistics(arrayArchiveFiltered());
    const QList<QLineEdit *> fields = statisticsFields();
    for (int i = 0; i < Statistics::FigureCount; ++i)
        fields[i]->setText(Statistics::figureText(figures.values[size_t(i)], m_formatter, m_strings));
}

// ---------------------------------------------------------------------------
// Trends

void AppController::calculatesTrends()
{
    // A hidden window is brought up to date when it is shown.
    if (!m_trendsStale || !windowTrends->isVisible())
        return;
    windowTrends->showTrends(arrayArchiveFiltered(), zone);
    m_trendsStale = false;
}

void AppController::exportReport()
{
    fileCommands().exportReport(arrayArchiveFiltered(), windowTrends->unit(),
                                QStringLiteral("%1 · %2").arg(popupPeriod->currentText(), popupMeasurements->currentText()));
}

// ---------------------------------------------------------------------------
// Commands

Commands::State AppController::commandState() const
{
    Commands::State state;
    state.rowSelected = selectedRow() >= 0;
    state.diaryCount = int(m_diary->cards().size());
    state.viewCount = int(arrayArchiveFiltered().size());
    state.editSheetVisible = windowEdit && windowEdit->isVisible();
    return state;
}

bool AppController::validateToolbarItem(QAction *item)
{
    const Commands::State state = commandState();
    popupPeriod->setEnabled(Commands::popupsEnabled(state));
    popupMeasurements->setEnabled(Commands::popupsEnabled(state));
    return Commands::validateToolbarItem(tagOf(item), state);
}

bool AppController::validateMenuItem(QAction *item) const
{
    return Commands::validateMenuItem(tagOf(item), item->text(), commandState());
}

void AppController::updateCommandStates()
{
    if (!m_model)
        return;
    for (QAction *item : toolbarItems()) {
        // The pop-ups' own items stay enabled: disabling them would disable
        // the pop-ups, which have a rule of their own.
        const bool enabled = validateToolbarItem(item);
        if (item != popupPeriodItem && item != popupMeasurementsItem)
            item->setEnabled(enabled);
    }
    for (QAction *item : menuItems())
        item->setEnabled(validateMenuItem(item));
}

void AppController::toolbar(QAction *sender)
{
    using namespace Commands;
    switch (tagOf(sender)) {
    case ToolbarAdd: cardAdd(); break;
    case ToolbarEdit: cardEdit(); break;
    case ToolbarRemove: cardRemove(); break;
    case ToolbarExport: exportDB(); break;
    case ToolbarImport: fileOpenToImport(); break;
    case ToolbarStatistics: viewPanel(windowStatistics, menuStatistics); break;
    case ToolbarPeriod:
    case ToolbarKind: filtraDatiSecondoParametriPopupButton(); break;
    case ToolbarNote: viewPanel(windowNote, menuNote); break;
    case ToolbarTrends: viewPanel(windowTrends, menuTrends); break;
    default: break;
    }
}

void AppController::menuView(QAction *sender)
{
    using namespace Commands;
    const int tag = tagOf(sender);
    if (const int kind = kindIndexForMenuTag(tag); kind >= 0) {
        popupMeasurements->setCurrentIndex(kind);
        filtraDatiSecondoParametriPopupButton();
        return;
    }
    if (const int period = periodIndexForMenuTag(tag); period >= 0) {
        popupPeriod->setCurrentIndex(period);
        filtraDatiSecondoParametriPopupButton();
        return;
    }
    switch (tag) {
    case MenuNew: inizializeGUIwindowsEditWhitGlycemicCard(nullptr); break;
    case MenuEdit:
        if (const CardRef card = selectedCard())
            inizializeGUIwindowsEditWhitGlycemicCard(card);
        break;
    case MenuRemove: measurementRemove(); break;
    case MenuImport: fileOpenToImport(); break;
    case MenuExport: exportDB(); break;
    case MenuStatistics: viewPanel(windowStatistics, menuStatistics); break;
    case MenuNote: viewPanel(windowNote, menuNote); break;
    case MenuTrends: viewPanel(windowTrends, menuTrends); break;
    case MenuReport: exportReport(); break;
    case MenuShowToolbar:
        toolBar->setVisible(toolBar->isHidden());
        changeToolbarMenuItemStatus(sender);
        break;
    default: break;
    }
}

void AppController::viewPanel(QWidget *panel, QAction *)
{
    // The item's title follows through eventFilter.
    if (panel->isVisible())
        panel->hide();
    else
        showPanel(panel, true);
}

void AppController::changeToolbarMenuItemStatus(QAction *)
{
    // isHidden, not isVisible: the toolbar counts as shown before its window is.
    menuViewShowToolBar->setText(text(toolBar->isHidden() ? "MENU_TOOLBAR_SHOW" : "MENU_TOOLBAR_HIDE"));
}

void AppController::cardAdd()
{
    inizializeGUIwindowsEditWhitGlycemicCard(nullptr);
}

void AppController::cardEdit()
{
    if (const CardRef card = selectedCard())
        inizializeGUIwindowsEditWhitGlycemicCard(card);
}

void AppController::cardRemove()
{
    measurementRemove();
}

// ---------------------------------------------------------------------------
// The edit sheet

void AppController::inizializeGUIwindowsEditWhitGlycemicCard(const CardRef &card)
{
    if (windowEdit->isVisible())
        return;
    m_editingCard = card;
    windowEdit->inizializeGUIwindowsEditWhitGlycemicCard(card.get(), currentInstant());
    updateCommandStates();
}

void AppController::windowEditButtonCancel()
{
    windowEdit->hide();
    m_editingCard.reset();
    updateCommandStates();
}

void AppController::windowEditButtonAction()
{
    const CardRef original = windowEdit->isAddMode() ? nullptr : m_editingCard;
    const Diary::Result result = DiaryCommands::editCard(m_undo, *m_diary, m_strings, original,
                                                         windowEdit->cardFromControls(0), currentInstant());
    if (!result.done()) {
        // The sheet stays open as the user left it.
        ZRUtility::showErrorWithTextMessagge(text("DATA_INCORRECT"), windowEdit);
        return;
    }
    windowEdit->accept();
    m_editingCard.reset();
    updateCommandStates();
}

// ---------------------------------------------------------------------------
// The delete sheet

void AppController::measurementRemove()
{
    if (windowDelete->isVisible())
        return;
    const CardRef card = selectedCard();
    if (!card)
        return;
    m_removingCard = card;
    windowDelete->measurementRemove(*card);
    updateCommandStates();
}

void AppController::windowDeleteCancel()
{
    windowDelete->hide();
    m_removingCard.reset();
    updateCommandStates();
}

void AppController::windowDeleteRemove()
{
    // The diary refuses to remove a protected card, whatever asked for it.
    DiaryCommands::removeCard(m_undo, *m_diary, m_strings, std::exchange(m_removingCard, nullptr));
    windowDelete->accept();
    updateCommandStates();
}

// ---------------------------------------------------------------------------
// Import and export

void AppController::fileOpenToImport()
{
    fileCommands().importFile();
}

void AppController::exportDB()
{
    if (windowDelete->isVisible() || windowExportType->isVisible())
        return;
    windowExportType->formatOrvaneORV->setChecked(true);
    windowExportType->open();
    updateCommandStates();
}

void AppController::windowExportTypeButtonCancel()
{
    windowExportType->hide();
    updateCommandStates();
}

void AppController::windowExportTypeButtonContinue()
{
    const std::optional<ZRExport::Kind> kind = windowExportType->selectedKind();
    // The sheet goes before the save panel comes: cancelling the panel ends
    // the export.
    windowExportType->accept();
    updateCommandStates();
    if (kind)
        fileCommands().exportDiary(*kind);
}

FileCommands AppController::fileCommands()
{
    m_diary->setPath(diaryPath);
    return FileCommands(*m_diary, m_undo, m_strings, windowMain, zone, currentInstant());
}
