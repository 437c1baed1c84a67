#include "interchange/CsvLines.h"

CsvLines::CsvLines(QString text)
    : m_text(std::move(text))
    , m_separator(QStringView(m_text).contains(u'\r') ? u'\r' : u'\n')
    , m_count(QStringView(m_text).count(m_separator) + 1)
{
}

QStringView CsvLines::header() const
{
    return *begin();
}

CsvLines::const_iterator::const_iterator(QStringView text, qsizetype start, char16_t separator)
    : m_text(text)
    , m_separator(separator)
    , m_start(start)
{
    findEnd();
}

void CsvLines::const_iterator::findEnd()
{
    const qsizetype end = m_text.indexOf(m_separator, m_start);
    m_end = end < 0 ? m_text.size() : end;
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
    findEnd();
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
