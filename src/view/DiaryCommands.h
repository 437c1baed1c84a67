#pragma once

#include "model/Diary.h"

#include <QString>

class QUndoStack;
class StringTable;

// Every change to the diary as a command on an undo stack: the change is
// made through the Diary, which applies its rules, and only a change that
// was made becomes a command. Undo and redo put the very cards back, by
// identity, so a protected card comes back protected and an undone import
// leaves the diary exactly as it was.
//
// Each command is named by what it did ("Add Measurement"), for the Edit
// menu's "Undo Add Measurement".
namespace DiaryCommands {

Diary::Result addCard(QUndoStack &stack, Diary &diary, const StringTable &strings, ZRGlycemicCard card, double now);
Diary::Result editCard(QUndoStack &stack, Diary &diary, const StringTable &strings, const CardRef &original,
                       ZRGlycemicCard card, double now);
Diary::Result removeCard(QUndoStack &stack, Diary &diary, const StringTable &strings, const CardRef &card);
Diary::Result setNote(QUndoStack &stack, Diary &diary, const StringTable &strings, const CardRef &card,
                      const QString &note);
// The diary replaced by what an import made of it.
void importCards(QUndoStack &stack, Diary &diary, const StringTable &strings, CardList newDiary, bool replaced);

} // namespace DiaryCommands
