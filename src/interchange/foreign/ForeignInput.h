#pragma once

#include <QByteArray>
#include <QStringDecoder>

#include <functional>
#include <optional>

class QIODevice;

namespace ForeignFormat::detail {

// The bytes of a device, block by block, as UTF-8: a UTF-8 byte-order mark
// is dropped and UTF-16 text (with its mark, or ASCII-looking without one)
// is turned into UTF-8 as it goes.
class Input
{
public:
    Input(QIODevice &device, const std::function<bool(qint64)> &progress, qint64 blockSize);

    // The next block; false at the end, when cancelled or on a read error.
    bool next(QByteArray &block);
    bool cancelled() const { return m_cancelled; }
    bool failed() const { return m_failed; }

private:
    QIODevice &m_device;
    const std::function<bool(qint64)> &m_progress;
    qint64 m_blockSize;
    qint64 m_read = 0;
    bool m_started = false;
    bool m_cancelled = false;
    bool m_failed = false;
    std::optional<QStringDecoder> m_utf16;
};

// The first bytes of a device as UTF-8 (see Input), for detection.
QByteArray peekText(QIODevice &device, qint64 size);

// One block of input at a time with a read position, refilled from the
// input once used up; or bytes in memory, without input.
class Blocks
{
public:
    explicit Blocks(Input &input)
        : m_input(&input)
    {
    }
    explicit Blocks(QByteArray bytes)
        : m_buffer(std::move(bytes))
        , m_inMemory(true)
    {
    }

    // True while bytes are left at the position.
    bool fill();
    // Takes no more input.
    void stop();
    // The bytes came from memory, where a cut-off end is no failure.
    bool inMemory() const { return m_inMemory; }

    const char *data() const { return m_buffer.constData(); }
    qsizetype size() const { return m_buffer.size(); }
    char at(qsizetype i) const { return m_buffer[i]; }
    qsizetype pos = 0;

private:
    Input *m_input = nullptr;
    QByteArray m_buffer;
    bool m_inMemory = false;
};

} // namespace ForeignFormat::detail
