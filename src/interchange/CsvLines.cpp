#include "interchange/CsvLines.h"

CsvLines::CsvLines(QString text)
    : m_text(std::move(text))
    , m_count(QStringView(m_text).count(u'\r') + 1)
{
}

QStringView CsvLines::header() const
{
    return *begin();
}

CsvLines::const_iterator::const_iterator(QStringView text, qsizetype start)
    : m_text(text)
    , m_start(start)
{
    const qsizetype cr = m_text.indexOf(u'\r', m_start);
    m_end = cr < 0 ? m_text.size() : cr;
}

CsvLines::const_iterator &CsvLines::const_iterator::operator++()
{
    if (m_start < 0)
        return *this;
    if (m_end >= m_text.size()) {
        m_start = m_end = -1; // that was the last line
        return *this;
    }
    m_start = m_end + 1;
    const qsizetype cr = m_text.indexOf(u'\r', m_start);
    m_end = cr < 0 ? m_text.size() : cr;
    return *this;
}

QStringList CsvLines::toStringList() const
{
    QStringList lines;
    lines.reserve(m_count);
    for (const QStringView line : *this)
        lines.append(line.toString());
    return lines;
}
