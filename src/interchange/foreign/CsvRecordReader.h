#pragma once

#include "interchange/foreign/ForeignFormat.h"
#include "interchange/foreign/ForeignInput.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>
#include <vector>

namespace ForeignFormat::detail {

// Records of a CSV text read one at a time (RFC 4180): fields split at one
// separator, "quoted" fields with doubled quotes and line breaks inside,
// records ended by CR, LF or CR LF. Lenient where real files stray (a quote
// inside an unquoted field is a character; text after a closing quote joins
// the field); rows may have any number of fields. A blank line is a record of
// one empty field. Memory is one record, held to kMaxRecordBytes.
class CsvRecordReader
{
public:
    enum class Status { Record, End, Failed };

    // Without quoting every quote is an ordinary character (for writers that
    // do not quote).
    CsvRecordReader(Input &input, char separator, bool quoting = true);
    // Records of bytes in memory; a record cut by their end is still given.
    CsvRecordReader(const QByteArray &bytes, char separator, bool quoting = true);

    Status next();

    qsizetype size() const { return qsizetype(m_ends.size()); }
    // The field's text, unquoted; empty past the last field.
    QByteArrayView field(qsizetype i) const;
    // The record from field i to its end, separators included (meant for
    // records read without quoting).
    QByteArrayView rest(qsizetype i) const;
    bool blank() const { return m_ends.size() == 1 && m_data.empty(); }
    // The physical line the record starts on, from 1.
    qint64 line() const { return m_line; }
    // The record ended with the input, not with a line break.
    bool unterminated() const { return m_unterminated; }

    // After Failed: why (without the line), and on which line.
    Failure failure() const { return m_failure; }
    const QString &error() const { return m_error; }
    qint64 errorLine() const { return m_errorLine; }

    static constexpr qsizetype kMaxFields = 4096;

private:
    Status fail(Failure failure, const QString &what, qint64 line);
    Status endField(bool lastOfRecord);

    Blocks m_in;
    char m_separator;
    bool m_quoting;

    // The fields, each followed by the separator (a std::string: appending
    // to it is cheaper than to a QByteArray, and clear() keeps its buffer).
    std::string m_data;
    std::vector<qsizetype> m_ends; // end of each field in m_data
    qint64 m_line = 0;
    qint64 m_nextLine = 1;
    bool m_unterminated = false;

    Failure m_failure = Failure::None;
    QString m_error;
    qint64 m_errorLine = 0;
};

} // namespace ForeignFormat::detail
