#pragma once

#include <QString>

// The tags that toolbar items and menu items carry, and which of them are
// enabled when. The main window dispatches by tag and asks these validators
// for every item each time what they depend on changes.
namespace Commands {

enum ToolbarTag {
    ToolbarAdd = 0,
    ToolbarEdit = 1,
    ToolbarRemove = 2,
    ToolbarExport = 3,
    ToolbarImport = 4,
    ToolbarStatistics = 5,
    ToolbarPeriod = 6,
    ToolbarKind = 7,
    ToolbarNote = 8,
    ToolbarTrends = 20, // the trends window
};

enum MenuTag {
    MenuAlways = 1, // the one item left enabled while the edit sheet is shown
    MenuNew = 101,
    MenuEdit = 102,
    MenuRemove = 103,
    MenuImport = 105,
    MenuExport = 106,
    MenuKindAll = 301,
    MenuKindBlood = 302,
    MenuKindTherapy = 303,
    MenuPeriodEveryday = 304, // 304 to 313: the period pop-up's items 0 to 9
    MenuPeriodLast100 = 313,
    MenuStatistics = 314,
    MenuNote = 315,
    MenuShowToolbar = 316,
    MenuTrends = 320,   // shows or hides the trends window
    MenuReport = 321,   // the report of the cards in view, as a PDF
    MenuUnitMgdl = 322, // every glycemia in mg/dL
    MenuUnitMmol = 323, // every glycemia in mmol/L
};

// What the validators look at.
struct State {
    bool rowSelected = false;
    int diaryCount = 0;
    int viewCount = 0;
    bool editSheetVisible = false;
};

// Whether a toolbar item with this tag is enabled. The items holding the
// pop-ups answer no: the pop-ups are enabled on their own, by
// popupsEnabled().
bool validateToolbarItem(int tag, const State &state);
// The filter pop-ups are usable once the diary holds a card.
bool popupsEnabled(const State &state);
// Whether a menu item with this tag and title is enabled.
bool validateMenuItem(int tag, const QString &title, const State &state);

// The kind index (0 to 2) a kind menu item picks, or -1.
int kindIndexForMenuTag(int tag);
// The period index (0 to 9) a period menu item picks, or -1.
int periodIndexForMenuTag(int tag);
// The menu command a toolbar item runs, or -1 (the pop-ups run none).
int menuTagForToolbarTag(int tag);

} // namespace Commands
