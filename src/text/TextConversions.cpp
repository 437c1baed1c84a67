#include "text/TextConversions.h"

#include "model/ZRGlycemicCard.h"

#include <QDateTime>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

namespace TextConversions {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Index of the first character after the leading white space.
qsizetype skipSpace(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

// Reads an optional + or - at i, moving past it; true for a minus.
bool readSign(QStringView text, qsizetype &i)
{
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        return text[i++] == u'-';
    return false;
}

// Reads an exponent ("e", an optional sign, digits) at i into digits and
// the decimal position of the leading digit; returns where reading stopped
// (i itself when no digits follow the "e" and its sign).
qsizetype readExponent(QStringView text, qsizetype i, std::string &digits, std::int64_t &leadMagnitude)
{
    const qsizetype n = text.size();
    if (i >= n || (text[i] != u'e' && text[i] != u'E'))
        return i;
    qsizetype j = i + 1;
    bool expNegative = false;
    if (j < n && (text[j] == u'+' || text[j] == u'-')) {
        expNegative = text[j] == u'-';
        ++j;
    }
    if (j >= n || !isDigit(text[j]))
        return i;
    // Saturated well past the float range; more digits change nothing.
    std::int64_t exponent = 0;
    while (j < n && isDigit(text[j])) {
        exponent = std::min<std::int64_t>(exponent * 10 + (text[j].unicode() - u'0'), 100000);
        ++j;
    }
    if (expNegative)
        exponent = -exponent;
    leadMagnitude += exponent;
    digits.push_back('e');
    digits += std::to_string(exponent);
    return j;
}

} // namespace

std::optional<float> decimalNumberFromString(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype i = skipSpace(text);

    const bool negative = readSign(text, i);

    // The digits are copied into a plain ASCII form that std::from_chars
    // reads exactly: [int digits][.frac digits][e exponent], no sign.
    std::string digits;
    qsizetype intDigits = 0;
    qsizetype fracDigits = 0;
    // Decimal position of the first non-zero digit, relative to the point;
    // tells an overflow from an underflow when the value is out of range.
    std::int64_t leadMagnitude = 0;
    bool seenNonZero = false;

    while (i < n && isDigit(text[i])) {
        if (!seenNonZero && text[i] != u'0') {
            seenNonZero = true;
            leadMagnitude = 0;
        }
        if (seenNonZero)
            ++leadMagnitude;
        digits.push_back(char(text[i].unicode()));
        ++intDigits;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        std::string frac;
        while (j < n && isDigit(text[j])) {
            if (!seenNonZero && text[j] != u'0') {
                seenNonZero = true;
                leadMagnitude = -fracDigits;
            }
            frac.push_back(char(text[j].unicode()));
            ++fracDigits;
            ++j;
        }
        if (intDigits + fracDigits > 0) {
            if (intDigits == 0)
                digits.push_back('0');
            if (fracDigits > 0) {
                digits.push_back('.');
                digits += frac;
            }
            i = j;
        }
    }
    if (intDigits + fracDigits == 0)
        return std::nullopt;

    // The exponent counts only when digits follow "e" and its sign.
    i = readExponent(text, i, digits, leadMagnitude);

    float value = 0.0f;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    Q_UNUSED(end);
    if (ec == std::errc::result_out_of_range) {
        if (seenNonZero && leadMagnitude > 0)
            return std::nullopt; // beyond the largest float
        value = 0.0f;            // below the smallest float
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<float> typedNumberFromString(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    qsizetype i = 0;
    QString plain;
    if (i < trimmed.size() && (trimmed[i] == u'+' || trimmed[i] == u'-'))
        plain.append(trimmed[i++]);
    bool separator = false;
    for (; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c == u'.' || c == u',') {
            // A second separator makes the text ambiguous ("1.234,5" may
            // be grouped): it is refused, never read one way or the other.
            if (separator)
                return std::nullopt;
            separator = true;
            plain.append(u'.');
        } else if (isDigit(c)) {
            plain.append(c);
        } else {
            return std::nullopt;
        }
    }
    return decimalNumberFromString(plain);
}

bool boolValue(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype i = skipSpace(text);
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    while (i < n && text[i] == u'0')
        ++i;
    if (i == n)
        return false;
    const QChar c = text[i];
    return c == u'Y' || c == u'y' || c == u'T' || c == u't' || (c >= u'1' && c <= u'9');
}

int intValue(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype i = skipSpace(text);
    const bool negative = readSign(text, i);
    // Accumulated as a magnitude capped just past INT_MIN's, so that the
    // clamp below sees an overflow however many digits follow.
    constexpr std::int64_t cap = std::int64_t(INT_MAX) + 2;
    std::int64_t magnitude = 0;
    while (i < n && isDigit(text[i])) {
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), cap);
        ++i;
    }
    if (negative)
        return magnitude > -std::int64_t(INT_MIN) ? INT_MIN : int(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : int(magnitude);
}

QDate calendarDay(double secondsSince2001, const QTimeZone &zone)
{
    // Truncated to the millisecond, never rounded up, so that an instant just
    // before midnight stays on its own day.
    const double ms = std::floor((secondsSince2001 + CardDates::kUnixToReferenceSeconds) * 1000.0);
    if (!std::isfinite(ms) || std::fabs(ms) > 8.0e15)
        return {};
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms), zone).date();
}

} // namespace TextConversions
