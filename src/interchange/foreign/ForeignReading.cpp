#include "interchange/foreign/ForeignReading.h"

#include <QDateTime>
#include <QIODevice>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ForeignFormat::detail {

namespace {

// Drops a UTF-8 byte-order mark, or picks a UTF-16 decoder for text that
// starts with a UTF-16 mark or looks like ASCII in UTF-16LE ("G\0l\0").
void startText(QByteArray &raw, std::optional<QStringDecoder> &utf16)
{
    if (raw.startsWith("\xEF\xBB\xBF")) {
        raw.remove(0, 3);
    } else if (raw.startsWith("\xFF\xFE")) {
        utf16.emplace(QStringConverter::Utf16LE);
        raw.remove(0, 2);
    } else if (raw.startsWith("\xFE\xFF")) {
        utf16.emplace(QStringConverter::Utf16BE);
        raw.remove(0, 2);
    } else if (raw.size() >= 4 && raw[0] != '\0' && raw[1] == '\0' && raw[2] != '\0' && raw[3] == '\0') {
        utf16.emplace(QStringConverter::Utf16LE);
    }
}

// Windows-1252 where it differs from Latin-1 (0x80 to 0x9F); the five
// unassigned bytes keep their Latin-1 code.
constexpr char16_t kWindows1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr size_t kMaxSkipKinds = 32;

} // namespace

Input::Input(QIODevice &device, const std::function<bool(qint64)> &progress, qint64 blockSize)
    : m_device(device)
    , m_progress(progress)
    , m_blockSize(std::clamp(blockSize, qint64(1), qint64(16) << 20))
{
}

bool Input::next(QByteArray &block)
{
    block.clear();
    if (m_cancelled || m_failed)
        return false;
    // The first block is at least the four bytes that tell the encoding.
    QByteArray raw;
    do {
        const qsizetype had = raw.size();
        raw.resize(had + m_blockSize);
        const qint64 n = m_device.read(raw.data() + had, m_blockSize);
        if (n < 0) {
            m_failed = true;
            return false;
        }
        raw.truncate(had + n);
        m_read += n;
        if (n == 0)
            break;
        if (m_progress && !m_progress(m_read)) {
            m_cancelled = true;
            return false;
        }
    } while (!m_started && raw.size() < 4);
    if (raw.isEmpty())
        return false;
    if (!m_started) {
        m_started = true;
        startText(raw, m_utf16);
    }
    block = m_utf16 ? QString((*m_utf16)(raw)).toUtf8() : std::move(raw);
    return true;
}

// Everything before the position has been used, so the block is replaced,
// not grown.
bool Blocks::fill()
{
    if (pos < m_buffer.size())
        return true;
    pos = 0;
    m_buffer.clear();
    while (m_input && m_buffer.isEmpty()) {
        if (!m_input->next(m_buffer))
            return false;
    }
    return !m_buffer.isEmpty();
}

void Blocks::stop()
{
    m_input = nullptr;
    m_buffer.clear();
    pos = 0;
}

QByteArray peekText(QIODevice &device, qint64 size)
{
    QByteArray raw = device.peek(size);
    std::optional<QStringDecoder> utf16;
    startText(raw, utf16);
    return utf16 ? QString((*utf16)(raw)).toUtf8() : raw;
}

QString text(QByteArrayView field)
{
    if (std::all_of(field.begin(), field.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(field);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = utf8(field);
    if (!utf8.hasError())
        return decoded;
    QString s(field.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < field.size(); ++i) {
        const uchar c = uchar(field[i]);
        s[i] = QChar(c >= 0x80 && c < 0xA0 ? kWindows1252[c - 0x80] : char16_t(c));
    }
    return s;
}

QByteArrayView trimmed(QByteArrayView field)
{
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    while (!field.isEmpty() && space(field.front()))
        field = field.sliced(1);
    while (!field.isEmpty() && space(field.back()))
        field.chop(1);
    return field;
}

std::optional<double> decimal(QByteArrayView field, char point)
{
    field = trimmed(field);
    char plain[24];
    int n = 0, digitCount = 0;
    bool seenPoint = false, digitAfterPoint = false;
    for (const char c : field) {
        if (c >= '0' && c <= '9') {
            if (++digitCount > 15)
                return std::nullopt;
            digitAfterPoint = seenPoint;
            plain[n++] = c;
        } else if (c == point && !seenPoint && digitCount > 0) {
            seenPoint = true;
            plain[n++] = '.';
        } else {
            return std::nullopt;
        }
    }
    if (digitCount == 0 || (seenPoint && !digitAfterPoint))
        return std::nullopt;
    double value = 0.0;
    std::from_chars(plain, plain + n, value);
    return value;
}

std::optional<int64_t> integer(QByteArrayView field)
{
    field = trimmed(field);
    const bool negative = field.startsWith('-');
    const QByteArrayView body = negative ? field.sliced(1) : field;
    if (body.isEmpty() || body.size() > 18)
        return std::nullopt;
    int64_t value = 0;
    for (const char c : body) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

bool someDigits(QByteArrayView s, qsizetype &pos, int most, int &value)
{
    int n = 0;
    value = 0;
    while (pos < s.size() && n < most && s[pos] >= '0' && s[pos] <= '9') {
        value = value * 10 + (s[pos++] - '0');
        ++n;
    }
    return n > 0;
}

bool digits(QByteArrayView s, qsizetype &pos, int count, int &value)
{
    const qsizetype start = pos;
    return someDigits(s, pos, count, value) && pos - start == count;
}

bool literal(QByteArrayView s, qsizetype &pos, char c)
{
    if (pos >= s.size() || s[pos] != c)
        return false;
    ++pos;
    return true;
}

bool matchPattern(QByteArrayView s, const char *pattern, CivilTime::Fields &f)
{
    qsizetype pos = 0;
    for (const char *p = pattern; *p;) {
        // Compared in place: a QByteArrayView of the rest would measure it
        // at every character, for every row.
        const auto rest = [p](const char *field) {
            const char *q = p;
            while (*field && *q == *field) {
                ++q;
                ++field;
            }
            return *field == '\0';
        };
        int *target = nullptr;
        int width = 2;
        if (rest("YYYY")) {
            target = &f.year;
            width = 4;
        } else if (rest("MM")) {
            target = &f.month;
        } else if (rest("DD")) {
            target = &f.day;
        } else if (rest("hh")) {
            target = &f.hour;
        } else if (rest("mm")) {
            target = &f.minute;
        } else if (rest("ss")) {
            target = &f.second;
        }
        if (target) {
            if (!digits(s, pos, width, *target))
                return false;
            p += width;
        } else if (!literal(s, pos, *p++)) {
            return false;
        }
    }
    return pos == s.size();
}

bool exists(const CivilTime::Fields &f)
{
    return CivilTime::isValid(f) && f.year >= 1970 && f.year <= 2199;
}

std::optional<int64_t> isoInstant(QByteArrayView s, bool *badDate)
{
    CivilTime::Fields f;
    qsizetype pos = 0;
    if (!digits(s, pos, 4, f.year) || !literal(s, pos, '-') || !digits(s, pos, 2, f.month) || !literal(s, pos, '-')
        || !digits(s, pos, 2, f.day) || !(literal(s, pos, 'T') || literal(s, pos, ' ')) || !digits(s, pos, 2, f.hour)
        || !literal(s, pos, ':') || !digits(s, pos, 2, f.minute))
        return std::nullopt;
    if (literal(s, pos, ':')) {
        if (!digits(s, pos, 2, f.second))
            return std::nullopt;
        int fraction = 0;
        if (literal(s, pos, '.') && !someDigits(s, pos, 9, fraction))
            return std::nullopt;
    }
    int offset = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        const int sign = s[pos++] == '-' ? -1 : 1;
        int hours = 0, minutes = 0;
        if (!digits(s, pos, 2, hours))
            return std::nullopt;
        literal(s, pos, ':');
        if (!digits(s, pos, 2, minutes) || hours > 18 || minutes > 59)
            return std::nullopt;
        offset = sign * (hours * 3600 + minutes * 60);
    } else if (pos < s.size() && (s[pos] == 'Z' || s[pos] == 'z')) {
        ++pos;
    }
    if (pos != s.size())
        return std::nullopt;
    if (!exists(f)) {
        *badDate = true;
        return std::nullopt;
    }
    return CivilTime::toSeconds(f) - offset;
}

bool WallClock::twice(const CivilTime::Fields &f, int64_t &first, int64_t &second)
{
    const int64_t wall = CivilTime::toSeconds(f);
    const int before = m_clock.offsetAt(wall - 86400);
    const int after = m_clock.offsetAt(wall + 86400);
    if (before == after)
        return false;
    first = std::min(wall - before, wall - after);
    second = std::max(wall - before, wall - after);
    return m_clock.offsetAt(wall - before) == before && m_clock.offsetAt(wall - after) == after;
}

Sink::Sink(Format format, const ReadOptions &options, QString source)
    : m_options(options)
    , m_source(std::move(source))
    , m_noMeal(QStringLiteral(""))
    , m_quick(QStringLiteral("POPUP_INSULIN_QUICK"))
    , m_slow(QStringLiteral("POPUP_INSULIN_SLOW"))
    , m_correction(QStringLiteral("POPUP_MEAL_CORRECTION"))
    , m_basal(QStringLiteral("POPUP_MEAL_BASAL"))
{
    m_result.format = format;
}

namespace {
double since2001(int64_t unixSeconds)
{
    return double(unixSeconds) - CardDates::kUnixToReferenceSeconds;
}
} // namespace

void Sink::measurement(int64_t time, double mgdl, const QString &note)
{
    if (!(mgdl > 0.0 && mgdl <= 600.0))
        return problem(QStringLiteral("glucose %1 mg/dL is out of range").arg(mgdl));
    ++m_understood;
    m_result.cards.push_back(std::make_shared<ZRGlycemicCard>(0, m_options.importTime, std::nullopt, since2001(time),
                                                              false, false, false, m_noMeal, m_noMeal, note,
                                                              float(mgdl), 0.0f));
}

void Sink::therapy(int64_t time, double units, InsulinKind kind, DoseMeal meal, const QString &note)
{
    if (!(units > 0.0 && units <= 100.0))
        return problem(QStringLiteral("an insulin dose of %1 units is out of range").arg(units));
    ++m_understood;
    const QString &mealName = meal == DoseMeal::Basal ? m_basal : meal == DoseMeal::Correction ? m_correction : m_noMeal;
    m_result.cards.push_back(std::make_shared<ZRGlycemicCard>(
        0, m_options.importTime, std::nullopt, since2001(time), false, false, true, mealName,
        kind == InsulinKind::Slow ? m_slow : m_quick, note, 0.0f, float(units)));
}

size_t Sink::reading(int64_t time, double mgdl, SensorFlag flag)
{
    const double whole = std::floor(mgdl + 0.5);
    if (!(whole >= 1.0 && whole <= 1000.0)) {
        problem(QStringLiteral("sensor glucose %1 mg/dL is out of range").arg(mgdl));
        return size_t(-1);
    }
    ++m_understood;
    m_result.readings.push_back({time, int(whole), flag, m_source});
    return m_result.readings.size() - 1;
}

void Sink::skip(const QString &kind)
{
    ++m_understood;
    auto &counts = m_result.skipped;
    if (counts.size() >= kMaxSkipKinds && !counts.contains(kind))
        ++counts[QStringLiteral("other")];
    else
        ++counts[kind];
}

void Sink::problem(const QString &what)
{
    if (m_result.notUnderstood++ == 0) {
        m_firstProblemLine = m_line;
        m_firstProblem = what;
    }
    if (m_result.problems.size() < kMaxProblems)
        m_result.problems.append(QStringLiteral("line %1: %2").arg(m_line).arg(what));
}

void Sink::fail(Failure failure, const QString &what, qint64 line)
{
    if (stopped())
        return;
    m_result.failure = failure;
    m_result.errorLine = line;
    m_result.error = line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(what) : what;
}

QString Sink::printable(QByteArrayView field)
{
    constexpr qsizetype kShown = 40;
    return field.size() <= kShown ? text(field) : text(field.first(kShown)) + QStringLiteral("…");
}

ReadResult Sink::finish(const Input &input)
{
    if (input.cancelled()) {
        m_result.failure = Failure::None;
        fail(Failure::Cancelled, QStringLiteral("the reading was cancelled"), 0);
    } else if (input.failed()) {
        m_result.failure = Failure::None;
        fail(Failure::Unreadable, QStringLiteral("the file could not be read"), 0);
    } else if (m_understood == 0 && m_result.notUnderstood > 0) {
        fail(Failure::Junk,
             QStringLiteral("nothing here reads as a record of %1 (%2)")
                 .arg(formatName(m_result.format), m_firstProblem),
             m_firstProblemLine);
    }
    if (stopped()) {
        ReadResult failed;
        failed.format = m_result.format;
        failed.failure = m_result.failure;
        failed.error = m_result.error;
        failed.errorLine = m_result.errorLine;
        return failed;
    }
    auto &cards = m_result.cards;
    std::stable_sort(cards.begin(), cards.end(),
                     [](const CardRef &a, const CardRef &b) { return *a->dateMeasurement() < *b->dateMeasurement(); });
    // Most files come in time order: the stable sort's buffer, as large as
    // the readings, is only needed for those that do not.
    auto &readings = m_result.readings;
    const auto earlier = [](const SensorReading &a, const SensorReading &b) { return a.time < b.time; };
    if (!std::is_sorted(readings.begin(), readings.end(), earlier))
        std::stable_sort(readings.begin(), readings.end(), earlier);
    const auto kept = std::unique(readings.begin(), readings.end(),
                                  [](const SensorReading &a, const SensorReading &b) { return a.time == b.time; });
    m_result.knownReadings = size_t(readings.end() - kept);
    readings.erase(kept, readings.end());
    return std::move(m_result);
}

} // namespace ForeignFormat::detail

namespace ForeignFormat::detail {

bool RowReader::fits(const CsvRecordReader &csv, qsizetype headerFields)
{
    if (csv.size() <= headerFields)
        return true;
    m_sink.problem(QStringLiteral("%1 fields where the header has %2").arg(csv.size()).arg(headerFields));
    return false;
}

QStringList fieldTexts(const CsvRecordReader &csv)
{
    QStringList texts;
    for (qsizetype i = 0; i < csv.size(); ++i)
        texts.append(text(csv.field(i)).trimmed());
    return texts;
}

std::vector<QStringList> firstRecords(const QByteArray &head, char separator, int count)
{
    std::vector<QStringList> records;
    CsvRecordReader csv(head, separator);
    while (int(records.size()) < count && csv.next() == CsvRecordReader::Status::Record)
        records.push_back(fieldTexts(csv));
    return records;
}

qsizetype column(const QStringList &header, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        QString n = QString::fromUtf8(name);
        const bool prefix = n.endsWith(u'*');
        if (prefix)
            n.chop(1);
        for (qsizetype i = 0; i < header.size(); ++i) {
            if (prefix ? header[i].startsWith(n) : header[i] == n)
                return i;
        }
    }
    return -1;
}

} // namespace ForeignFormat::detail

#include <QJsonValue>

namespace ForeignFormat::detail {

std::optional<double> jsonNumber(const QJsonValue &value)
{
    if (value.isDouble())
        return std::isfinite(value.toDouble()) ? std::optional(value.toDouble()) : std::nullopt;
    if (value.isString())
        return decimal(value.toString().toLatin1());
    return std::nullopt;
}

std::optional<int64_t> jsonInstant(const QJsonValue &value, Sink &sink)
{
    if (value.isDouble()) {
        // 1970 to the end of 2199, in milliseconds.
        const double ms = value.toDouble();
        if (ms >= 0.0 && ms < 7258118400000.0)
            return int64_t(std::floor(ms / 1000.0));
    } else if (value.isString()) {
        const QByteArray s = value.toString().toLatin1();
        bool badDate = false;
        if (const std::optional<int64_t> t = isoInstant(s, &badDate))
            return t;
        if (badDate) {
            sink.failBadDate(s);
            return std::nullopt;
        }
    } else if (value.isUndefined() || value.isNull()) {
        return std::nullopt;
    }
    sink.problem(QStringLiteral("\"%1\" is not a time").arg(value.toVariant().toString().left(40)));
    return std::nullopt;
}

} // namespace ForeignFormat::detail
