#include "model/Diary.h"

#include "model/DiaryWriter.h"
#include "model/ZRImport.h"

#include <QMetaObject>
#include <QPointer>

#include <algorithm>

Diary::Diary(QString path, QObject *parent)
    : QObject(parent)
    , m_path(std::move(path))
    , m_writer(std::make_unique<DiaryWriter>())
{
}

Diary::~Diary() = default;

DiaryLock::Status Diary::lock()
{
    if (!m_lock)
        m_lock = std::make_unique<DiaryLock>(m_path);
    return m_lock->tryLock();
}

qint64 Diary::lockHolder() const
{
    return m_lock ? m_lock->holder() : 0;
}

DiaryFile::OpenResult Diary::open()
{
    DiaryFile::OpenResult result = DiaryFile::open(m_path);
    m_cards = std::move(result.cards);
    result.cards.clear();
    m_writable = result.status != DiaryFile::OpenResult::Status::Blocked;
    return result;
}

DiaryFile::SaveResult Diary::save()
{
    ZRImport::sortForMeasuramentDateArray(&m_cards);
    if (const CardList written = std::exchange(m_written, {}); !written.empty() && written == m_cards)
        return {true, {}};
    if (!m_saveInBackground)
        return saveNow();
    if (!m_writable)
        return {};
    // Told back on this thread; dropped if the diary is gone by then, or
    // when a later save was asked for.
    QPointer<Diary> self(this);
    const quint64 number = ++m_saveNumber;
    m_writer->submit(m_path, m_cards, [self, number, path = m_path](const DiaryFile::SaveResult &result) {
        if (result.ok)
            return;
        QMetaObject::invokeMethod(
            self,
            [self, number, path, error = result.error] {
                if (self && number == self->m_saveNumber)
                    emit self->saveFailed(path, error);
            },
            Qt::QueuedConnection);
    });
    return {true, {}};
}

DiaryFile::SaveResult Diary::saveNow()
{
    waitForSave();
    ++m_saveNumber;
    m_written.clear();
    ZRImport::sortForMeasuramentDateArray(&m_cards);
    if (!m_writable)
        return {};
    return DiaryFile::save(m_path, m_cards);
}

void Diary::waitForSave()
{
    m_writer->wait();
}

bool Diary::isAcceptable(const ZRGlycemicCard &card)
{
    if (card.isTherapy())
        return !card.nameInsulin().value_or(QString()).isEmpty() && card.unitValue() > 0.0f;
    return card.glycemiaValue() > 0.0f;
}

Diary::Result Diary::add(ZRGlycemicCard card, double now)
{
    if (!isAcceptable(card))
        return {Refusal::NotAcceptable, {}};
    card.setIdCard(ZRImport::generateNewIDtoArray(&m_cards));
    card.setDateCreation(now);
    const Change added = change(nullptr, std::make_shared<ZRGlycemicCard>(std::move(card)));
    apply(added);
    return {Refusal::None, added};
}

Diary::Result Diary::edit(const CardRef &original, ZRGlycemicCard card, double now)
{
    if (!original)
        return add(std::move(card), now);
    if (!isAcceptable(card))
        return {Refusal::NotAcceptable, {}};
    // An edited card is a new card in the diary's numbering, as it always was.
    card.setIdCard(ZRImport::generateNewIDtoArray(&m_cards));
    const bool present = std::find(m_cards.begin(), m_cards.end(), original) != m_cards.end();
    card.setDateCreation(original->dateCreation());
    card.setDateEditing(now);
    const Change edited = change(present ? original : nullptr, std::make_shared<ZRGlycemicCard>(std::move(card)));
    apply(edited);
    return {Refusal::None, edited};
}

Diary::Result Diary::remove(const CardRef &card)
{
    if (!card || std::find(m_cards.begin(), m_cards.end(), card) == m_cards.end())
        return {Refusal::Unchanged, {}};
    if (card->isProtect())
        return {Refusal::Protected, {}};
    const Change removed = change(card, nullptr);
    apply(removed);
    return {Refusal::None, removed};
}

Diary::Result Diary::setNote(const CardRef &card, const QString &note)
{
    if (!card || card->notes() == CardText(note) ||
        std::find(m_cards.begin(), m_cards.end(), card) == m_cards.end())
        return {Refusal::Unchanged, {}};
    auto edited = std::make_shared<ZRGlycemicCard>(*card);
    edited->setNotes(note);
    const Change noted = change(card, edited);
    apply(noted);
    return {Refusal::None, noted};
}

CardList Diary::replaceAllWritten(CardList cards)
{
    m_written = cards;
    return replaceAll(std::move(cards));
}

CardList Diary::replaceAll(CardList cards)
{
    std::swap(m_cards, cards);
    emit changed(nullptr);
    return cards;
}

Diary::Change Diary::change(const CardRef &before, const CardRef &after) const
{
    const auto it = before ? std::find(m_cards.begin(), m_cards.end(), before) : m_cards.end();
    return {before, after, it - m_cards.begin()};
}

void Diary::apply(const Change &change)
{
    swap(change.before, change.after, change.position);
}

void Diary::revert(const Change &change)
{
    swap(change.after, change.before, change.position);
}

void Diary::swap(const CardRef &from, const CardRef &to, qsizetype position)
{
    const auto it = from ? std::find(m_cards.begin(), m_cards.end(), from) : m_cards.end();
    if (it != m_cards.end()) {
        if (to)
            *it = to;
        else
            m_cards.erase(it);
    } else if (to) {
        const auto size = qsizetype(m_cards.size());
        m_cards.insert(m_cards.begin() + (position >= 0 && position <= size ? position : size), to);
    }
    emit changed(to);
}
