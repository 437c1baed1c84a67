#pragma once

#include "model/DiaryFile.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Saves the diary on a thread of its own, so that the window is ready again
// while a large diary is encoded and written. Requests are written in the
// order they come; one that is still waiting when a newer one arrives is
// dropped, since the newer holds every card the older did.
//
// The cards handed over must not change afterwards: the diary replaces a
// card it edits rather than changing it, so a list taken at save time stays
// as it was.
class DiaryWriter
{
public:
    // Told on the writer's thread once a request has been written or has
    // failed.
    using Done = std::function<void(const DiaryFile::SaveResult &)>;

    DiaryWriter();
    // Writes what is still waiting before it goes.
    ~DiaryWriter();
    DiaryWriter(const DiaryWriter &) = delete;
    DiaryWriter &operator=(const DiaryWriter &) = delete;

    // The cards, in the order given, to be written to path.
    void submit(const QString &path, CardList cards, Done done = {});
    // Returns once nothing is waiting or being written.
    void wait();

private:
    struct Request {
        QString path;
        CardList cards;
        Done done;
    };
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Request> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};
