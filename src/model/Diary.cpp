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

DiaryFile::OpenResult Diary::open()
{
    DiaryFile::OpenResult result = DiaryFile::open(m_path);
    m_cards = std::move(result.cards);
    result.cards.clear();
    m_writable = result.status != DiaryFile::OpenResult::Status::Blocked;
    emit changed();
    return result;
}

bool Diary::save()
{
    ZRImport::sortForMeasuramentDateArray(&m_cards);
    if (!m_writable) {
        emit saveFailed(m_path, QString());
        return false;
    }
    if (m_saveInBackground) {
        // Told back on this thread; dropped if the diary is gone by then.
        QPointer<Diary> self(this);
        m_writer->submit(m_path, m_cards, [self, path = m_path](const DiaryFile::SaveResult &result) {
            if (!result.ok)
                QMetaObject::invokeMethod(
                    self, [self, path, error = result.error] { emit self->saveFailed(path, error); },
                    Qt::QueuedConnection);
        });
        return true;
    }
    const DiaryFile::SaveResult result = DiaryFile::save(m_path, m_cards);
    if (!result.ok)
        emit saveFailed(m_path, result.error);
    return result.ok;
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

CardList Diary::replaceAll(CardList cards)
{
    std::swap(m_cards, cards);
    emit changed();
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
    emit changed();
}
