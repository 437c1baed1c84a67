#include "app/CommandStates.h"

#include "app/CardsInView.h"
#include "app/Sheets.h"
#include "model/Diary.h"
#include "ui/MainWindow.h"

#include <QAction>

CommandStates::CommandStates(MainWindow &window, const Diary &diary, const CardsInView *cards, const Sheets *sheets)
    : m_window(window)
    , m_diary(diary)
    , m_cards(cards)
    , m_sheets(sheets)
{
}

Commands::State CommandStates::state() const
{
    Commands::State state;
    state.rowSelected = m_cards && m_cards->selectedRow() >= 0;
    state.diaryCount = int(m_diary.cards().size());
    state.viewCount = int(m_cards ? m_cards->cards().size() : m_diary.cards().size());
    state.editSheetVisible = m_sheets && m_sheets->editSheetVisible();
    return state;
}

bool CommandStates::validateToolbarItem(QAction *item) const
{
    const Commands::State now = state();
    m_window.enablePopups(Commands::popupsEnabled(now));
    return Commands::validateToolbarItem(tagOf(item), now);
}

bool CommandStates::validateMenuItem(QAction *item) const
{
    return Commands::validateMenuItem(tagOf(item), item->text(), state());
}

void CommandStates::update() const
{
    m_window.enableItems([this](QAction *item) { return validateToolbarItem(item); },
                         [this](QAction *item) { return validateMenuItem(item); });
}
