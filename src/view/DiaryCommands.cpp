#include "view/DiaryCommands.h"

#include "interchange/SensorStore.h"
#include "text/StringTable.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <utility>

namespace {

// A change the Diary has made already: the stack's first redo, which comes
// as it is pushed, has nothing left to do. The change is given as the two
// steps that take the diary back and forth.
class MadeCommand : public QUndoCommand
{
public:
    MadeCommand(const QString &text, std::function<void()> back, std::function<void()> forth)
        : QUndoCommand(text)
        , m_back(std::move(back))
        , m_forth(std::move(forth))
    {
    }
    void undo() override { m_back(); }
    void redo() override
    {
        if (!std::exchange(m_firstRedo, false))
            m_forth();
    }

private:
    std::function<void()> m_back;
    std::function<void()> m_forth;
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
        stack.push(new MadeCommand(
            text, [&diary, change = result.change] { diary.revert(change); },
            [&diary, change = result.change] { diary.apply(change); }));
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
    stack.push(new MadeCommand(
        strings.text(replaced ? QStringLiteral("UNDO_IMPORT_REPLACE") : QStringLiteral("UNDO_IMPORT")),
        [&diary, before = std::move(before)] { diary.replaceAll(before); },
        [&diary, after = std::move(newDiary)] { diary.replaceAll(after); }));
}

void importForeign(QUndoStack &stack, Diary &diary, const StringTable &strings, CardList newDiary,
                   const QString &storePath, std::vector<ForeignFormat::SensorReading> readings,
                   const std::function<void()> &storeChanged)
{
    const bool cards = newDiary.size() != diary.cards().size();
    if (!cards && readings.empty())
        return;
    const bool sensor = !readings.empty();
    // The store changes before the diary, so that what the diary's change
    // brings up to date sees the store as it now is.
    if (sensor && storeChanged)
        storeChanged();
    CardList before = cards ? diary.replaceAllWritten(newDiary) : CardList();
    auto shared = std::make_shared<const std::vector<ForeignFormat::SensorReading>>(std::move(readings));
    auto back = [&diary, cards, sensor, before = std::move(before), storePath, shared, storeChanged] {
        if (sensor) {
            std::vector<int64_t> instants;
            instants.reserve(shared->size());
            for (const ForeignFormat::SensorReading &r : *shared)
                instants.push_back(r.time);
            SensorStore(storePath).remove(instants);
            if (storeChanged)
                storeChanged();
        }
        if (cards)
            diary.replaceAll(before);
    };
    auto forth = [&diary, cards, sensor, after = std::move(newDiary), storePath, shared, storeChanged] {
        if (sensor) {
            SensorStore store(storePath);
            if (store.beginAdding(*shared))
                store.commit();
            if (storeChanged)
                storeChanged();
        }
        if (cards)
            diary.replaceAll(after);
    };
    stack.push(new MadeCommand(strings.text(QStringLiteral("UNDO_IMPORT")), std::move(back), std::move(forth)));
}

} // namespace DiaryCommands
