#include "interchange/foreign/CsvRecordReader.h"

#include "interchange/foreign/ForeignReading.h"

namespace ForeignFormat::detail {

CsvRecordReader::CsvRecordReader(Input &input, char separator, bool quoting)
    : m_in(input)
    , m_separator(separator)
    , m_quoting(quoting)
{
}

CsvRecordReader::CsvRecordReader(const QByteArray &bytes, char separator, bool quoting)
    : m_in(bytes)
    , m_separator(separator)
    , m_quoting(quoting)
{
}

QByteArrayView CsvRecordReader::field(qsizetype i) const
{
    if (i < 0 || i >= size())
        return {};
    const qsizetype start = i == 0 ? 0 : m_ends[size_t(i) - 1] + 1;
    return QByteArrayView(m_data.data(), qsizetype(m_data.size())).sliced(start, m_ends[size_t(i)] - start);
}

QByteArrayView CsvRecordReader::rest(qsizetype i) const
{
    if (i < 0 || i >= size())
        return {};
    const qsizetype start = i == 0 ? 0 : m_ends[size_t(i) - 1] + 1;
    return QByteArrayView(m_data.data(), qsizetype(m_data.size())).sliced(start, m_ends.back() - start);
}

CsvRecordReader::Status CsvRecordReader::fail(Failure failure, const QString &what, qint64 line)
{
    m_failure = failure;
    m_errorLine = line;
    m_error = what;
    m_in.stop();
    return Status::Failed;
}

CsvRecordReader::Status CsvRecordReader::endField(bool lastOfRecord)
{
    m_ends.push_back(qsizetype(m_data.size()));
    if (!lastOfRecord)
        m_data.push_back(m_separator);
    if (m_ends.size() > size_t(kMaxFields))
        return fail(Failure::TooLong, QStringLiteral("more than %1 fields").arg(kMaxFields), m_line);
    return Status::Record;
}

CsvRecordReader::Status CsvRecordReader::next()
{
    m_data.clear();
    m_ends.clear();
    m_unterminated = false;
    m_line = m_nextLine;
    if (m_failure != Failure::None || !m_in.fill())
        return m_failure != Failure::None ? Status::Failed : Status::End;

    bool quoted = false;
    bool fieldStart = true;
    qint64 quoteLine = 0;
    for (;;) {
        if (m_data.size() > size_t(kMaxRecordBytes))
            return fail(Failure::TooLong, QStringLiteral("a record longer than %1 bytes").arg(kMaxRecordBytes), m_line);
        if (!m_in.fill()) {
            if (quoted)
                return fail(Failure::Truncated,
                            QStringLiteral("the file ends inside the quoted field that starts here"), quoteLine);
            m_unterminated = true;
            return endField(true);
        }
        // Only a quote that opens a field opens a quoted field.
        if (fieldStart && m_quoting && m_in.at(m_in.pos) == '"') {
            ++m_in.pos;
            quoted = true;
            quoteLine = m_nextLine;
            fieldStart = false;
            continue;
        }
        // Copy the run of ordinary bytes at once; stop at the first byte
        // that means something.
        const char *p = m_in.data();
        const qsizetype end = m_in.size();
        qsizetype j = m_in.pos;
        if (quoted) {
            while (j < end && p[j] != '"' && p[j] != '\r' && p[j] != '\n' && p[j] != '\0')
                ++j;
        } else {
            while (j < end && p[j] != m_separator && p[j] != '\r' && p[j] != '\n' && p[j] != '\0')
                ++j;
        }
        if (j > m_in.pos) {
            m_data.append(p + m_in.pos, size_t(j - m_in.pos));
            fieldStart = false;
        }
        m_in.pos = j;
        if (j == end)
            continue;
        const char c = p[m_in.pos++];
        if (c == '\0')
            return fail(Failure::Binary, QStringLiteral("a NUL byte: binary data, not text"), m_nextLine);
        if (c == '\r' || c == '\n') {
            ++m_nextLine;
            if (c == '\r' && m_in.fill() && m_in.at(m_in.pos) == '\n')
                ++m_in.pos;
            if (!quoted)
                return endField(true);
            m_data.push_back('\n');
        } else if (!quoted) { // a separator
            if (endField(false) == Status::Failed)
                return Status::Failed;
            fieldStart = true;
        } else if (m_in.fill() && m_in.at(m_in.pos) == '"') { // a doubled quote
            ++m_in.pos;
            m_data.push_back('"');
        } else {
            quoted = false;
        }
    }
}

} // namespace ForeignFormat::detail
