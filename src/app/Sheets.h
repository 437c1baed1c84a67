#pragma once

#include "interchange/ZRExport.h"
#include "model/ZRGlycemicCard.h"
#include "text/GlycemiaUnit.h"

#include <QObject>

#include <functional>

class DeleteSheet;
class Diary;
class EditSheet;
class ExportTypeSheet;
class QAction;
class QUndoStack;
class QWidget;
class StringTable;

// The main window's three sheets: the edit sheet (a new card or the selected
// one), the delete sheet and the export sheet. Each opens on what the user
// chose, one at a time, and its button makes the change as one undoable step.
class Sheets : public QObject
{
    Q_OBJECT

public:
    Sheets(QWidget *window, Diary &diary, QUndoStack &undo, const StringTable &strings);

    // The reference instant of a new card (seconds since 2001).
    std::function<double()> now;
    // Runs whenever a sheet opens or closes.
    std::function<void()> shownOrHidden;
    // Writes the diary in the kind the export sheet chose.
    std::function<void(ZRExport::Kind)> exportDiary;

    // The edit sheet, on a new card when card is null.
    void inizializeGUIwindowsEditWhitGlycemicCard(const CardRef &card);
    void windowEditButtonCancel();
    void windowEditButtonAction();
    bool editSheetVisible() const;

    // The unit the edit and delete sheets show a glycemia in, and the edit
    // sheet takes one in, from their next opening.
    void setGlycemiaUnit(GlycemiaUnit::Unit unit);

    // The delete sheet, on the card to remove.
    void measurementRemove(const CardRef &card);
    void windowDeleteCancel();
    void windowDeleteRemove();

    void exportDB();
    void windowExportTypeButtonCancel();
    void windowExportTypeButtonContinue();

    // Quitting is the one command a sheet leaves open, but the main window's
    // menu is out of reach while a sheet is up: each sheet takes the key too.
    void takeQuitKey(QAction *quit);
    // Every open sheet goes without its entries.
    void rejectAll();

private:
    void changed() const;

    Diary &m_diary;
    QUndoStack &m_undo;
    const StringTable &m_strings;
    EditSheet *m_edit;
    DeleteSheet *m_delete;
    ExportTypeSheet *m_exportType;
    CardRef m_editingCard;  // the card the edit sheet opened on, if any
    CardRef m_removingCard; // the card the delete sheet names
};
