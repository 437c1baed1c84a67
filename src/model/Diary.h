#pragma once

#include "model/DiaryFile.h"
#include "model/DiaryLock.h"
#include "model/ZRGlycemicCard.h"

#include <QObject>
#include <QString>

#include <memory>

class DiaryWriter;

// The diary document: every card, the file they live in, and the rules for
// changing them. Each change is one of the operations below; it says what it
// did (the card that was there and the card there now) and emits changed(),
// which the window and the undo stack follow. Nothing here asks or shows:
// refusals come back as results.
class Diary : public QObject
{
    Q_OBJECT

public:
    explicit Diary(QString path = DiaryFile::diaryPath(), QObject *parent = nullptr);
    ~Diary() override;

    const QString &path() const { return m_path; }
    // A diary not yet opened may move; its lock, if taken, stays where it was.
    void setPath(const QString &path) { m_path = path; }
    // Newest measurement first after every save.
    const CardList &cards() const { return m_cards; }

    // One writer per diary file: the lock beside it, held until the diary
    // goes. InUse tells who holds it (holder()).
    DiaryLock::Status lock();
    qint64 lockHolder() const;

    // Reads the file at path(), replacing the cards held; tells no change.
    // A file that is no diary is set aside; one that can be neither read nor
    // set aside makes the diary read-only, so that no save can destroy it.
    DiaryFile::OpenResult open();
    bool isWritable() const { return m_writable; }

    // Saves sort the diary newest first and write it whole. In the background
    // the encoding and the write happen on a thread of their own and a
    // failure comes back as saveFailed on this object's thread, unless a
    // later save was asked for meanwhile (it tells its own). Otherwise the
    // result says how the write went. A read-only diary is never written:
    // the result is not ok and its error empty.
    void setSaveInBackground(bool on) { m_saveInBackground = on; }
    DiaryFile::SaveResult save();
    // The same, written before it returns whatever the setting (the last
    // save of the program).
    DiaryFile::SaveResult saveNow();
    // Returns once every save asked for is on disk (or has failed).
    void waitForSave();

    // One change: the card that was there (null for an addition) and the
    // card there now (null for a removal). Cards are never changed in place:
    // an edit puts an edited copy where the card was.
    struct Change {
        CardRef before;
        CardRef after;
        // Where the card stands in the diary, so that an undone removal puts
        // it back in its place among cards of the same moment.
        qsizetype position = -1;
    };
    enum class Refusal {
        None,
        NotAcceptable, // a measurement without a glycemia, a dose without insulin or units
        Protected,     // a protected card is never removed
        Unchanged,     // nothing to change
    };
    struct Result {
        Refusal refusal = Refusal::None;
        Change change;
        bool done() const { return refusal == Refusal::None; }
    };

    // What a card needs to be kept: a measurement a glycemia above 0, a dose
    // an insulin and units above 0.
    static bool isAcceptable(const ZRGlycemicCard &card);

    // A new card: the next identifier, created now.
    Result add(ZRGlycemicCard card, double now);
    // The card replaces original under the next identifier, keeping the
    // original's creation date and stamped as edited now. Should original have left the diary meanwhile, the edit is
    // kept as a card of its own rather than lost.
    Result edit(const CardRef &original, ZRGlycemicCard card, double now);
    // Removes the card by identity; a protected card stays.
    Result remove(const CardRef &card);
    // The note of a card, edited in place in the table (one line).
    Result setNote(const CardRef &card, const QString &note);
    // The whole diary replaced by what an import made of it (joined or
    // replaced); returns the cards it held before.
    CardList replaceAll(CardList cards);
    // The same for cards the caller has just written to the file itself:
    // the save the change brings does not write them again.
    CardList replaceAllWritten(CardList cards);

    // Undo and redo of a change made by the operations above: the card
    // before and the card after swap places (or are added or removed), by
    // identity, with no rule applied again.
    void apply(const Change &change);
    void revert(const Change &change);

signals:
    // The cards changed; focus is the card a change put in place (none for
    // a removal or a whole new diary), for the window to show.
    void changed(const CardRef &focus);
    void saveFailed(const QString &path, const QString &error);

private:
    void swap(const CardRef &from, const CardRef &to, qsizetype position);
    Change change(const CardRef &before, const CardRef &after) const;

    QString m_path;
    CardList m_cards;
    bool m_writable = true;
    bool m_saveInBackground = false;
    quint64 m_saveNumber = 0;
    CardList m_written; // the cards on disk already, for the next save
    std::unique_ptr<DiaryLock> m_lock;
    // Last, so that it is the first to go: it finishes what it writes while
    // the rest is still there.
    std::unique_ptr<DiaryWriter> m_writer;
};
