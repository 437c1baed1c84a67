// The controller's commands: what each toolbar and menu item runs, and
// whether it can run now.
#include "app/AppController.h"

#include "app/CommandStates.h"
#include "ui/NotePanel.h"
#include "ui/StatisticsPanel.h"
#include "ui/TrendsWindow.h"
#include "text/StringTable.h"

#include <QComboBox>
#include <QToolBar>

Commands::State AppController::commandState() const
{
    return commandStates().state();
}

bool AppController::validateToolbarItem(QAction *item)
{
    return commandStates().validateToolbarItem(item);
}

bool AppController::validateMenuItem(QAction *item) const
{
    return commandStates().validateMenuItem(item);
}

void AppController::updateCommandStates()
{
    if (m_cards)
        commandStates().update();
}

void AppController::toolbar(QAction *sender)
{
    const int tag = tagOf(sender);
    if (tag == Commands::ToolbarPeriod || tag == Commands::ToolbarKind)
        return filtraDatiSecondoParametriPopupButton();
    if (const int menuTag = Commands::menuTagForToolbarTag(tag); menuTag >= 0)
        run(menuTag, sender);
}

void AppController::menuView(QAction *sender)
{
    using namespace Commands;
    const int tag = tagOf(sender);
    if (const int kind = kindIndexForMenuTag(tag); kind >= 0) {
        m_window->popupMeasurements()->setCurrentIndex(kind);
        return filtraDatiSecondoParametriPopupButton();
    }
    if (const int period = periodIndexForMenuTag(tag); period >= 0) {
        m_window->popupPeriod()->setCurrentIndex(period);
        return filtraDatiSecondoParametriPopupButton();
    }
    run(tag, sender);
}

// The command of a menu tag, whichever item asked for it.
void AppController::run(int menuTag, QAction *sender)
{
    using namespace Commands;
    switch (menuTag) {
    case MenuNew: cardAdd(); break;
    case MenuEdit: cardEdit(); break;
    case MenuRemove: cardRemove(); break;
    case MenuImport: fileOpenToImport(); break;
    case MenuExport: exportDB(); break;
    case MenuStatistics: viewPanel(m_window->statisticsPanel(), m_window->statisticsItem()); break;
    case MenuNote: viewPanel(m_window->notePanel(), m_window->noteItem()); break;
    case MenuTrends: viewPanel(m_window->trendsWindow(), m_window->trendsItem()); break;
    case MenuReport: exportReport(); break;
    case MenuUnitMgdl: setGlycemiaUnit(GlycemiaUnit::Unit::MgdL); break;
    case MenuUnitMmol: setGlycemiaUnit(GlycemiaUnit::Unit::MmolL); break;
    case MenuShowToolbar:
        m_window->toolBar()->setVisible(m_window->toolBar()->isHidden());
        changeToolbarMenuItemStatus(sender);
        break;
    default: break;
    }
}

void AppController::changeToolbarMenuItemStatus(QAction *)
{
    // isHidden, not isVisible: the toolbar counts as shown before its window is.
    m_window->showToolbarItem()->setText(
        text(m_window->toolBar()->isHidden() ? "MENU_TOOLBAR_SHOW" : "MENU_TOOLBAR_HIDE"));
}

void AppController::cardEdit()
{
    if (const CardRef card = selectedCard())
        inizializeGUIwindowsEditWhitGlycemicCard(card);
}

