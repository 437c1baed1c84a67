#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <iterator>

// The lines of a CSV text: the text split at every carriage return, with no
// trimming of any kind; a text without any carriage return (saved with line
// feeds alone, as most editors on Linux do) is split at every line feed.
// Line 0 is the header; a text that ends with the separator ends with an
// empty line. The lines are views into the text, found as they are walked,
// so that a hostile file of millions of empty lines costs no more memory
// than its text.
class CsvLines
{
public:
    explicit CsvLines(QString text);

    // The number of lines: one more than the number of separators.
    qsizetype size() const { return m_count; }
    QStringView header() const;
    const QString &text() const { return m_text; }

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QStringView;
        using difference_type = qsizetype;
        using pointer = const QStringView *;
        using reference = QStringView;

        const_iterator() = default;
        QStringView operator*() const { return m_text.sliced(m_start, m_end - m_start); }
        const_iterator &operator++();
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator &other) const { return m_start == other.m_start; }

    private:
        friend class CsvLines;
        const_iterator(QStringView text, qsizetype start, char16_t separator);
        void findEnd();

        QStringView m_text;
        char16_t m_separator = u'\r';
        qsizetype m_start = -1; // -1: past the last line
        qsizetype m_end = -1;
    };

    const_iterator begin() const { return const_iterator(m_text, 0, m_separator); }
    const_iterator end() const { return const_iterator(); }

    // Copies of every line, for callers that want a list.
    QStringList toStringList() const;

private:
    QString m_text;
    char16_t m_separator;
    qsizetype m_count = 1;
};
