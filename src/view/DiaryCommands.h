#pragma once

#include "interchange/foreign/ForeignFormat.h"
#include "model/Diary.h"

#include <QString>

#include <functional>
#include <vector>

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
// An import of another program's file, already written: the diary (when
// cards came in) replaced by newDiary, and the readings added to the store
// at storePath. Undo takes both back; redo brings both again. storeChanged
// is told each time the store has changed, before the diary does.
void importForeign(QUndoStack &stack, Diary &diary, const StringTable &strings, CardList newDiary,
                   const QString &storePath, std::vector<ForeignFormat::SensorReading> readings,
                   const std::function<void()> &storeChanged);

} // namespace DiaryCommands
