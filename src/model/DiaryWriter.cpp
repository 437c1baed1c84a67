#include "model/DiaryWriter.h"

#include "model/KeyedArchive.h"

DiaryWriter::DiaryWriter()
    : m_thread([this] { run(); })
{
}

DiaryWriter::~DiaryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void DiaryWriter::submit(const QString &path, CardList cards, Done done)
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = Request{path, std::move(cards), std::move(done)};
    }
    m_changed.notify_all();
}

void DiaryWriter::wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending && !m_busy; });
}

void DiaryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return; // stopping, and nothing left to write
        Request request = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();

        const DiaryFile::SaveResult result =
            DiaryFile::writeAtomically(request.path, KeyedArchive::encodeDiary(request.cards));
        if (request.done)
            request.done(result);
        // The cards go before the writer says it is idle: whoever waited may
        // change them next.
        request = {};

        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}
