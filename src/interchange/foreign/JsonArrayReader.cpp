#include "interchange/foreign/JsonArrayReader.h"

#include "interchange/foreign/ForeignReading.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace ForeignFormat::detail {

JsonArrayReader::JsonArrayReader(Input &input)
    : m_in(input)
{
}

JsonArrayReader::JsonArrayReader(const QByteArray &bytes)
    : m_in(bytes)
{
}

JsonArrayReader::Status JsonArrayReader::fail(Failure failure, const QString &what)
{
    m_failure = failure;
    m_error = what;
    m_errorLine = m_line;
    m_in.stop();
    return Status::Failed;
}

JsonArrayReader::Status JsonArrayReader::atEnd()
{
    if (m_expect == Expect::Nothing || m_in.inMemory())
        return Status::End;
    return fail(Failure::Truncated, QStringLiteral("the file ends before the list is closed"));
}

JsonArrayReader::Status JsonArrayReader::next()
{
    if (m_failure != Failure::None)
        return Status::Failed;
    const Status found = findObject();
    return found == Status::Object ? readObject() : found;
}

JsonArrayReader::Status JsonArrayReader::findObject()
{
    for (;;) {
        if (!m_in.fill())
            return atEnd();
        const char c = m_in.at(m_in.pos);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            m_line += c == '\n';
            ++m_in.pos;
            continue;
        }
        switch (m_expect) {
        case Expect::Open:
            if (c != '[')
                return fail(Failure::UnknownLayout, QStringLiteral("not a JSON list"));
            m_expect = Expect::FirstValue;
            break;
        case Expect::FirstValue:
        case Expect::Value:
            if (c == ']' && m_expect == Expect::FirstValue) {
                m_expect = Expect::Nothing;
                break;
            }
            if (c != '{')
                return fail(Failure::Junk, QStringLiteral("an element of the list that is not an object"));
            break;
        case Expect::CommaOrClose:
            if (c != ',' && c != ']')
                return fail(Failure::Junk, QStringLiteral("a comma or the end of the list expected"));
            m_expect = c == ',' ? Expect::Value : Expect::Nothing;
            break;
        case Expect::Nothing:
            return fail(Failure::Junk, QStringLiteral("text after the end of the list"));
        }
        if (c == '{')
            return Status::Object;
        ++m_in.pos;
    }
}

JsonArrayReader::Status JsonArrayReader::readObject()
{
    // The object's bytes, up to the brace that closes it; brackets inside
    // strings do not count.
    m_element.resize(0); // keeps the buffer
    m_objectLine = m_line;
    int depth = 0;
    bool inString = false, escaped = false, closed = false;
    while (!closed) {
        if (!m_in.fill()) {
            if (m_in.inMemory())
                return Status::End;
            m_line = m_objectLine;
            return fail(Failure::Truncated, QStringLiteral("the file ends inside the object that starts here"));
        }
        const char *p = m_in.data();
        qsizetype j = m_in.pos;
        for (; j < m_in.size() && !closed; ++j) {
            const char c = p[j];
            m_line += c == '\n';
            if (inString) {
                if (escaped)
                    escaped = false;
                else if (c == '\\')
                    escaped = true;
                else if (c == '"')
                    inString = false;
            } else if (c == '"') {
                inString = true;
            } else if (c == '{' || c == '[') {
                ++depth;
            } else if (c == '}' || c == ']') {
                closed = --depth == 0;
            }
        }
        m_element.append(p + m_in.pos, j - m_in.pos);
        m_in.pos = j;
        if (m_element.size() > kMaxRecordBytes) {
            m_line = m_objectLine;
            return fail(Failure::TooLong, QStringLiteral("an object longer than %1 bytes").arg(kMaxRecordBytes));
        }
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(m_element, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        m_line = m_objectLine;
        return fail(Failure::Junk, QStringLiteral("broken JSON near byte %1 of the object").arg(error.offset));
    }
    m_object = document.object();
    m_expect = Expect::CommaOrClose;
    return Status::Object;
}

} // namespace ForeignFormat::detail
