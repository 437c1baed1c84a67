#pragma once

#include "interchange/foreign/ForeignFormat.h"
#include "interchange/foreign/ForeignInput.h"

#include <QByteArray>
#include <QJsonObject>

namespace ForeignFormat::detail {

// The objects of a JSON text that is one array of objects, one at a time:
// each object's bytes are gathered (at most kMaxRecordBytes) and parsed with
// QJsonDocument, so memory holds one object however long the array is. The
// array itself is checked as it goes: commas, the closing bracket, and
// nothing but white space after it.
class JsonArrayReader
{
public:
    enum class Status { Object, End, Failed };

    explicit JsonArrayReader(Input &input);
    // Objects of bytes in memory; an array cut by their end simply ends.
    explicit JsonArrayReader(const QByteArray &bytes);

    Status next();
    const QJsonObject &object() const { return m_object; }
    // The line the object starts on, from 1.
    qint64 line() const { return m_objectLine; }

    Failure failure() const { return m_failure; }
    const QString &error() const { return m_error; }
    qint64 errorLine() const { return m_errorLine; }

private:
    enum class Expect { Open, FirstValue, Value, CommaOrClose, Nothing };

    Status fail(Failure failure, const QString &what);
    Status atEnd();
    // Moves to the brace that opens the next object; Object when there, End
    // or Failed otherwise.
    Status findObject();
    // Collects the object from its opening brace to the one that closes it,
    // and parses it.
    Status readObject();

    Blocks m_in;
    qint64 m_line = 1;
    Expect m_expect = Expect::Open;

    QByteArray m_element;
    QJsonObject m_object;
    qint64 m_objectLine = 0;

    Failure m_failure = Failure::None;
    QString m_error;
    qint64 m_errorLine = 0;
};

} // namespace ForeignFormat::detail
