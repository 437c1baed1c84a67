#include "view/DiaryCommands.h"

#include "text/StringTable.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

namespace {

// A change the Diary has made already: the stack's first redo, which comes
// as it is pushed, has nothing left to do.
class ChangeCommand : public QUndoCommand
{
public:
    ChangeCommand(Diary &diary, Diary::Change change, const QString &text)
        : QUndoCommand(text)
        , m_diary(diary)
        , m_change(std::move(change))
    {
    }
    void undo() override { m_diary.revert(m_change); }
    void redo() override
    {
        if (!std::exchange(m_firstRedo, false))
            m_diary.apply(m_change);
    }

private:
    Diary &m_diary;
    Diary::Change m_change;
    bool m_firstRedo = true;
};

class ImportCommand : public QUndoCommand
{
public:
    ImportCommand(Diary &diary, CardList before, CardList after, const QString &text)
        : QUndoCommand(text)
        , m_diary(diary)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
    }
    void undo() override { m_diary.replaceAll(m_before); }
    void redo() override
    {
        if (!std::exchange(m_firstRedo, false))
            m_diary.replaceAll(m_after);
    }

private:
    Diary &m_diary;
    CardList m_before;
    CardList m_after;
    bool m_firstRedo = true;
};

// "Add Measurement", "Remove Dose"...: the verb's key with the kind of the card.
QString name(const StringTable &strings, const char *verb, const Diary::Change &change)
{
    const CardRef &card = change.after ? change.after : change.before;
    const bool therapy = card && card->isTherapy();
    return strings.text(QStringLiteral("UNDO_%1_%2").arg(QLatin1String(verb),
                                                         QLatin1String(therapy ? "THERAPY" : "MEASUREMENT")));
}

Diary::Result push(QUndoStack &stack, Diary &diary, Diary::Result result, const QString &text)
{
    if (result.done())
        stack.push(new ChangeCommand(diary, result.change, text));
    return result;
}

} // namespace

namespace DiaryCommands {

Diary::Result addCard(QUndoStack &stack, Diary &diary, const StringTable &strings, ZRGlycemicCard card, double now)
{
    const Diary::Result result = diary.add(std::move(card), now);
    return push(stack, diary, result, name(strings, "ADD", result.change));
}

Diary::Result editCard(QUndoStack &stack, Diary &diary, const StringTable &strings, const CardRef &original,
                       ZRGlycemicCard card, double now)
{
    const Diary::Result result = diary.edit(original, std::move(card), now);
    return push(stack, diary, result, name(strings, original ? "EDIT" : "ADD", result.change));
}

Diary::Result removeCard(QUndoStack &stack, Diary &diary, const StringTable &strings, const CardRef &card)
{
    const Diary::Result result = diary.remove(card);
    return push(stack, diary, result, name(strings, "REMOVE", result.change));
}

Diary::Result setNote(QUndoStack &stack, Diary &diary, const StringTable &strings, const CardRef &card,
                      const QString &note)
{
    const Diary::Result result = diary.setNote(card, note);
    return push(stack, diary, result, strings.text(QStringLiteral("UNDO_EDIT_NOTE")));
}

void importCards(QUndoStack &stack, Diary &diary, const StringTable &strings, CardList newDiary, bool replaced)
{
    CardList before = diary.replaceAll(newDiary);
    auto *command = new ImportCommand(diary, std::move(before), std::move(newDiary),
                                      strings.text(replaced ? QStringLiteral("UNDO_IMPORT_REPLACE") : QStringLiteral("UNDO_IMPORT")));
    stack.push(command);
}

} // namespace DiaryCommands
