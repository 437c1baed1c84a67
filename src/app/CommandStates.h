#pragma once

#include "view/Commands.h"

class CardsInView;
class Diary;
class MainWindow;
class QAction;
class Sheets;

// Whether each toolbar and menu item can run now, from what the diary, the
// view and the sheets show; the rules themselves are the core's (Commands).
class CommandStates
{
public:
    CommandStates(MainWindow &window, const Diary &diary, const CardsInView *cards, const Sheets *sheets);

    Commands::State state() const;
    // Also enables the filter pop-ups, which follow a rule of their own.
    bool validateToolbarItem(QAction *item) const;
    bool validateMenuItem(QAction *item) const;
    // Brings every item's enabled state in line with its validator.
    void update() const;

private:
    MainWindow &m_window;
    const Diary &m_diary;
    const CardsInView *m_cards;
    const Sheets *m_sheets;
};
