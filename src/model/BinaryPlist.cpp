#include "model/BinaryPlist.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <unordered_set>

namespace bplist {

namespace {

uint64_t readBE(const char *p, int size)
{
    // Offsets and references are read where they lie, each time they are
    // needed: the common widths in one load.
    switch (size) {
    case 1: return static_cast<unsigned char>(*p);
    case 2: return qFromBigEndian<quint16>(p);
    case 4: return qFromBigEndian<quint32>(p);
    case 8: return qFromBigEndian<quint64>(p);
    default: break;
    }
    uint64_t v = 0;
    for (int i = 0; i < size; ++i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

void setError(QString *error, const char *text)
{
    if (error)
        *error = QString::fromLatin1(text);
}

struct Frame {
    int offsetSize = 0;
    int refSize = 0;
    uint64_t count = 0;
    uint64_t top = 0;
    uint64_t tableStart = 0;
};

bool readFrame(QByteArrayView header, QByteArrayView trailer, uint64_t size, Frame &f, QString *error)
{
    if (size < kHeaderSize || header.size() < kHeaderSize || std::memcmp(header.data(), "bplist0", 7) != 0) {
        setError(error, "the file is not a binary property list");
        return false;
    }
    if (size < kHeaderSize + kTrailerSize + 1 || trailer.size() < kTrailerSize) {
        setError(error, "the property list is truncated");
        return false;
    }
    const char *t = trailer.data() + trailer.size() - kTrailerSize;
    f.offsetSize = static_cast<unsigned char>(t[6]);
    f.refSize = static_cast<unsigned char>(t[7]);
    f.count = readBE(t + 8, 8);
    f.top = readBE(t + 16, 8);
    f.tableStart = readBE(t + 24, 8);
    if (f.offsetSize < 1 || f.offsetSize > 8 || f.refSize < 1 || f.refSize > 8) {
        setError(error, "the property list's trailer is damaged");
        return false;
    }
    const uint64_t tableEnd = size - kTrailerSize;
    if (f.count == 0 || f.tableStart < 9 || f.tableStart > tableEnd ||
        f.count > (tableEnd - f.tableStart) / static_cast<uint64_t>(f.offsetSize) || f.top >= f.count) {
        setError(error, "the property list's offset table is out of range");
        return false;
    }
    return true;
}

} // namespace

bool checkFrame(QByteArrayView header, QByteArrayView trailer, uint64_t fileSize, QString *error)
{
    Frame f;
    return readFrame(header, trailer, fileSize, f, error);
}

std::optional<Document> Document::parse(QByteArray bytes, QString *error)
{
    const uint64_t size = static_cast<uint64_t>(bytes.size());
    Frame f;
    if (!readFrame(bytes, bytes, size, f, error))
        return std::nullopt;
    // Checked once here; the offsets stay in the file's bytes, where a table
    // of one-byte offsets takes an eighth of what a copy would.
    const char *p = bytes.constData() + f.tableStart;
    for (uint64_t i = 0; i < f.count; ++i, p += f.offsetSize) {
        const uint64_t off = readBE(p, f.offsetSize);
        if (off < 8 || off >= f.tableStart) {
            setError(error, "an object offset of the property list is out of range");
            return std::nullopt;
        }
    }
    Document doc;
    doc.m_bytes = std::move(bytes);
    doc.m_objectCount = f.count;
    doc.m_top = f.top;
    doc.m_refSize = f.refSize;
    doc.m_offsetSize = f.offsetSize;
    doc.m_tableStart = f.tableStart;
    return doc;
}

uint64_t Document::offset(Ref ref) const
{
    return readBE(m_bytes.constData() + m_tableStart + ref * static_cast<uint64_t>(m_offsetSize), m_offsetSize);
}

namespace {
struct Header {
    uint8_t marker = 0;
    uint64_t length = 0;     // count of bytes, code units or members
    uint64_t payload = 0;    // offset of the first byte after the header
};
} // namespace

// Reads an object's marker and length (following an int object for lengths
// of 15 and more); false when it runs past the object area.
static bool header(const QByteArray &bytes, uint64_t tableStart, uint64_t off, Header &h)
{
    if (off >= tableStart)
        return false;
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    h.marker = b[off];
    h.length = h.marker & 0x0f;
    h.payload = off + 1;
    const uint8_t high = h.marker >> 4;
    const bool hasLength = high == 0x4 || high == 0x5 || high == 0x6 || high == 0x7 || high == 0xA || high == 0xC ||
                           high == 0xD;
    if (hasLength && h.length == 0x0f) {
        if (h.payload >= tableStart)
            return false;
        const uint8_t intMarker = b[h.payload];
        if ((intMarker >> 4) != 0x1)
            return false;
        const int width = 1 << (intMarker & 0x0f);
        if (width > 8 || tableStart - (h.payload + 1) < static_cast<uint64_t>(width))
            return false;
        h.length = readBE(bytes.constData() + h.payload + 1, width);
        h.payload += 1 + static_cast<uint64_t>(width);
    }
    return true;
}

Kind Document::kind(Ref ref) const
{
    if (ref >= m_objectCount)
        return Kind::Invalid;
    const auto marker = static_cast<unsigned char>(m_bytes[static_cast<qsizetype>(offset(ref))]);
    switch (marker >> 4) {
    case 0x0:
        if (marker == 0x00)
            return Kind::Null;
        if (marker == 0x08 || marker == 0x09)
            return Kind::Bool;
        return Kind::Invalid;
    case 0x1: return Kind::Int;
    case 0x2: return Kind::Real;
    case 0x3: return marker == 0x33 ? Kind::Date : Kind::Invalid;
    case 0x4: return Kind::Data;
    case 0x5:
    case 0x6:
    case 0x7: return Kind::String;
    case 0x8: return Kind::Uid;
    case 0xA: return Kind::Array;
    case 0xC: return Kind::Set;
    case 0xD: return Kind::Dict;
    default: return Kind::Invalid;
    }
}

#define BPLIST_HEADER(ref, h)                                                                                       \
    if ((ref) >= m_objectCount || !header(m_bytes, m_tableStart, offset(ref), h))                                   \
        return false;

bool Document::readBool(Ref ref, bool &out) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    if (h.marker != 0x08 && h.marker != 0x09)
        return false;
    out = h.marker == 0x09;
    return true;
}

bool Document::readInt(Ref ref, int64_t &out) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    if ((h.marker >> 4) != 0x1 || (h.marker & 0x0f) > 4)
        return false;
    const uint64_t width = uint64_t(1) << (h.marker & 0x0f);
    if (m_tableStart - h.payload < width)
        return false;
    const char *p = m_bytes.constData() + h.payload;
    if (width == 16)
        p += 8; // the low 64 bits
    const uint64_t v = readBE(p, width == 16 ? 8 : static_cast<int>(width));
    out = static_cast<int64_t>(v);
    return true;
}

bool Document::readReal(Ref ref, double &out, int *width) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    const int n = h.marker & 0x0f;
    if ((h.marker >> 4) != 0x2 || (n != 2 && n != 3))
        return false;
    const uint64_t w = uint64_t(1) << n;
    if (m_tableStart - h.payload < w)
        return false;
    const uint64_t bits = readBE(m_bytes.constData() + h.payload, static_cast<int>(w));
    if (w == 4) {
        const auto b32 = static_cast<uint32_t>(bits);
        float f;
        std::memcpy(&f, &b32, 4);
        out = f;
    } else {
        std::memcpy(&out, &bits, 8);
    }
    if (width)
        *width = static_cast<int>(w);
    return true;
}

bool Document::readDate(Ref ref, double &out) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    if (h.marker != 0x33 || m_tableStart - h.payload < 8)
        return false;
    const uint64_t bits = readBE(m_bytes.constData() + h.payload, 8);
    std::memcpy(&out, &bits, 8);
    return true;
}

bool Document::readUid(Ref ref, uint64_t &out) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    if ((h.marker >> 4) != 0x8)
        return false;
    const uint64_t w = (h.marker & 0x0f) + 1;
    if (w > 8 || m_tableStart - h.payload < w)
        return false;
    out = readBE(m_bytes.constData() + h.payload, static_cast<int>(w));
    return true;
}

bool Document::readString(Ref ref, QString &out) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    const uint8_t high = h.marker >> 4;
    const uint64_t avail = m_tableStart - h.payload;
    const char *p = m_bytes.constData() + h.payload;
    if (high == 0x5) {
        if (h.length > avail)
            return false;
        out = QString::fromLatin1(p, static_cast<qsizetype>(h.length));
        return true;
    }
    if (high == 0x6) {
        if (h.length > avail / 2)
            return false;
        QString s(static_cast<qsizetype>(h.length), Qt::Uninitialized);
        char16_t *d = reinterpret_cast<char16_t *>(s.data());
        for (uint64_t i = 0; i < h.length; ++i)
            d[i] = static_cast<char16_t>((static_cast<unsigned char>(p[2 * i]) << 8) | static_cast<unsigned char>(p[2 * i + 1]));
        out = std::move(s);
        return true;
    }
    if (high == 0x7) {
        if (h.length > avail)
            return false;
        out = QString::fromUtf8(p, static_cast<qsizetype>(h.length));
        return true;
    }
    return false;
}

bool Document::stringEquals(Ref ref, std::string_view ascii) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    const uint8_t high = h.marker >> 4;
    const uint64_t avail = m_tableStart - h.payload;
    const char *p = m_bytes.constData() + h.payload;
    if (high == 0x5 || high == 0x7) {
        return h.length == ascii.size() && h.length <= avail && std::memcmp(p, ascii.data(), ascii.size()) == 0;
    }
    if (high == 0x6) {
        if (h.length != ascii.size() || h.length > avail / 2)
            return false;
        for (size_t i = 0; i < ascii.size(); ++i) {
            if (p[2 * i] != 0 || p[2 * i + 1] != ascii[i])
                return false;
        }
        return true;
    }
    return false;
}

bool Document::readData(Ref ref, QByteArray &out) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    if ((h.marker >> 4) != 0x4 || h.length > m_tableStart - h.payload)
        return false;
    out = QByteArray(m_bytes.constData() + h.payload, static_cast<qsizetype>(h.length));
    return true;
}

bool Document::membersAt(uint64_t from, uint64_t n, Members &out) const
{
    if (n > (m_tableStart - from) / static_cast<uint64_t>(m_refSize))
        return false;
    const char *p = m_bytes.constData() + from;
    for (uint64_t i = 0; i < n; ++i, p += m_refSize) {
        if (readBE(p, m_refSize) >= m_objectCount)
            return false;
    }
    out = {from, n};
    return true;
}

Ref Document::member(const Members &members, uint64_t i) const
{
    return readBE(m_bytes.constData() + members.from + i * static_cast<uint64_t>(m_refSize), m_refSize);
}

bool Document::readMembers(Ref ref, Members &out) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    const uint8_t high = h.marker >> 4;
    if (high != 0xA && high != 0xC)
        return false;
    return membersAt(h.payload, h.length, out);
}

bool Document::readDict(Ref ref, Members &keys, Members &values) const
{
    Header h;
    BPLIST_HEADER(ref, h)
    if ((h.marker >> 4) != 0xD || h.length > (m_tableStart - h.payload) / (2 * static_cast<uint64_t>(m_refSize)))
        return false;
    return membersAt(h.payload, h.length, keys) && membersAt(h.payload + h.length * m_refSize, h.length, values);
}

void Document::copy(const Members &members, std::vector<Ref> &out) const
{
    out.resize(members.count);
    for (uint64_t i = 0; i < members.count; ++i)
        out[i] = member(members, i);
}

bool Document::readArray(Ref ref, std::vector<Ref> &out) const
{
    Members m;
    out.clear();
    if (!readMembers(ref, m))
        return false;
    copy(m, out);
    return true;
}

bool Document::readDict(Ref ref, std::vector<Ref> &keys, std::vector<Ref> &values) const
{
    Members k, v;
    keys.clear();
    values.clear();
    if (!readDict(ref, k, v))
        return false;
    copy(k, keys);
    copy(v, values);
    return true;
}

#undef BPLIST_HEADER

// ---------------------------------------------------------------------------
// Writer

struct Writer::Impl {
    // One record an object: scalars keep their encoded bytes in `payload`;
    // containers keep their member references in `refs`, encoded at finish
    // when the reference width is known.
    struct Object {
        uint64_t start;
        uint32_t count;
        uint8_t kind; // 0 scalar, 0xA array, 0xD dict
    };
    std::vector<Object> objects;
    std::string payload;
    std::vector<Ref> refs;
    // Equal scalars are stored once; each kind has its own table so that a
    // lookup never builds a temporary key.
    QHash<QString, Ref> strings;
    std::unordered_map<std::string, Ref> asciiStrings;
    std::unordered_map<uint64_t, Ref> ints, uids, reals32;
    // Small integers and UIDs (identifiers, object numbers) are the most
    // common scalars of all: a dense table avoids a hash node for each.
    static constexpr uint64_t kDense = 1u << 22;
    std::vector<Ref> denseInts, denseUids;
    Ref null = kNone, boolFalse = kNone, boolTrue = kNone;
    static constexpr Ref kNone = ~Ref(0);

    // Starts a scalar whose bytes the caller appends to payload next.
    Ref beginScalar()
    {
        objects.push_back({payload.size(), 0, 0});
        return objects.size() - 1;
    }
    void endScalar(Ref ref) { objects[ref].count = static_cast<uint32_t>(payload.size() - objects[ref].start); }

    template <typename Encode>
    Ref cachedDense(std::vector<Ref> &dense, std::unordered_map<uint64_t, Ref> &table, uint64_t key, Encode encode)
    {
        if (key >= kDense)
            return cached(table, key, encode);
        if (key >= dense.size())
            dense.resize(std::max<uint64_t>(key + 1, dense.size() * 2), kNone);
        if (dense[key] == kNone) {
            dense[key] = beginScalar();
            encode();
            endScalar(dense[key]);
        }
        return dense[key];
    }
    template <typename Encode> Ref cached(std::unordered_map<uint64_t, Ref> &table, uint64_t key, Encode encode)
    {
        const auto [it, inserted] = table.try_emplace(key, 0);
        if (inserted) {
            it->second = beginScalar();
            encode();
            endScalar(it->second);
        }
        return it->second;
    }
    Ref single(Ref &slot, char byte)
    {
        if (slot == kNone) {
            slot = beginScalar();
            payload.push_back(byte);
            endScalar(slot);
        }
        return slot;
    }
    static void appendLengthHeader(std::string &out, uint8_t high, uint64_t length)
    {
        if (length < 15) {
            out.push_back(static_cast<char>((high << 4) | length));
            return;
        }
        out.push_back(static_cast<char>((high << 4) | 0x0f));
        appendInt(out, static_cast<int64_t>(length));
    }
    static void appendBE(std::string &out, uint64_t v, int width)
    {
        for (int i = width - 1; i >= 0; --i)
            out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
    }
    static void appendInt(std::string &out, int64_t v)
    {
        const auto u = static_cast<uint64_t>(v);
        if (v >= 0 && u < 0x100) {
            out.push_back(0x10);
            appendBE(out, u, 1);
        } else if (v >= 0 && u < 0x10000) {
            out.push_back(0x11);
            appendBE(out, u, 2);
        } else if (v >= 0 && u < 0x100000000ull) {
            out.push_back(0x12);
            appendBE(out, u, 4);
        } else {
            out.push_back(0x13);
            appendBE(out, u, 8);
        }
    }
};

namespace {
// The big buffers of the last writer on this thread, kept for the next one:
// the program rewrites the whole diary after every change, and handing tens
// of megabytes back to the system after each save only to fault them in
// again on the next one costs more than encoding.
struct Scratch {
    std::vector<Writer::Impl::Object> objects;
    std::string payload;
    std::vector<Ref> refs;
};
thread_local Scratch t_scratch;
} // namespace

Writer::Writer() : d(std::make_unique<Impl>())
{
    d->objects.swap(t_scratch.objects);
    d->payload.swap(t_scratch.payload);
    d->refs.swap(t_scratch.refs);
    d->objects.clear();
    d->payload.clear();
    d->refs.clear();
}

Writer::~Writer()
{
    if (d->objects.capacity() >= t_scratch.objects.capacity()) {
        d->objects.swap(t_scratch.objects);
        d->payload.swap(t_scratch.payload);
        d->refs.swap(t_scratch.refs);
    }
}

Ref Writer::addNull()
{
    return d->single(d->null, '\x00');
}

Ref Writer::addBool(bool value)
{
    return value ? d->single(d->boolTrue, '\x09') : d->single(d->boolFalse, '\x08');
}

Ref Writer::addInt(int64_t value)
{
    return d->cachedDense(d->denseInts, d->ints, static_cast<uint64_t>(value),
                          [&] { Impl::appendInt(d->payload, value); });
}

Ref Writer::addReal32(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return d->cached(d->reals32, bits, [&] {
        d->payload.push_back('\x22');
        Impl::appendBE(d->payload, bits, 4);
    });
}

// Eight-byte reals and dates are not looked up: a date's seconds are as good
// as unique.
static Ref addEightBytes(Writer::Impl &d, char marker, double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    const Ref ref = d.beginScalar();
    d.payload.push_back(marker);
    Writer::Impl::appendBE(d.payload, bits, 8);
    d.endScalar(ref);
    return ref;
}

Ref Writer::addReal64(double value)
{
    return addEightBytes(*d, '\x23', value);
}

Ref Writer::addDate(double seconds)
{
    return addEightBytes(*d, '\x33', seconds);
}

Ref Writer::addAsciiString(std::string_view ascii)
{
    const auto [it, inserted] = d->asciiStrings.try_emplace(std::string(ascii), 0);
    if (inserted) {
        it->second = d->beginScalar();
        Impl::appendLengthHeader(d->payload, 0x5, ascii.size());
        d->payload.append(ascii);
        d->endScalar(it->second);
    }
    return it->second;
}

Ref Writer::addString(const QString &value)
{
    const auto found = d->strings.constFind(value);
    if (found != d->strings.constEnd())
        return *found;
    const bool ascii = std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        // One table for ASCII texts, whichever call added them.
        const QByteArray latin = value.toLatin1();
        const Ref ref = addAsciiString(std::string_view(latin.constData(), static_cast<size_t>(latin.size())));
        d->strings.insert(value, ref);
        return ref;
    }
    const Ref ref = addNewString(value);
    d->strings.insert(value, ref);
    return ref;
}

Ref Writer::addNewString(const QString &value)
{
    const Ref ref = d->beginScalar();
    const bool ascii = std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        Impl::appendLengthHeader(d->payload, 0x5, static_cast<uint64_t>(value.size()));
        for (const QChar c : value)
            d->payload.push_back(static_cast<char>(c.unicode()));
    } else {
        Impl::appendLengthHeader(d->payload, 0x6, static_cast<uint64_t>(value.size()));
        for (const QChar c : value)
            Impl::appendBE(d->payload, c.unicode(), 2);
    }
    d->endScalar(ref);
    return ref;
}

Ref Writer::addData(const QByteArray &value)
{
    const Ref ref = d->beginScalar();
    Impl::appendLengthHeader(d->payload, 0x4, static_cast<uint64_t>(value.size()));
    d->payload.append(value.constData(), static_cast<size_t>(value.size()));
    d->endScalar(ref);
    return ref;
}

Ref Writer::addUid(uint64_t value)
{
    return d->cachedDense(d->denseUids, d->uids, value, [&] {
        int width = 1;
        while (width < 8 && (value >> (8 * width)) != 0)
            width *= 2;
        d->payload.push_back(static_cast<char>(0x80 | (width - 1)));
        Impl::appendBE(d->payload, value, width);
    });
}

Ref Writer::addArray(std::span<const Ref> members)
{
    const Ref ref = d->objects.size();
    d->objects.push_back({d->refs.size(), static_cast<uint32_t>(members.size()), 0xA});
    d->refs.insert(d->refs.end(), members.begin(), members.end());
    return ref;
}

Ref Writer::addDict(std::span<const Ref> keys, std::span<const Ref> values)
{
    const Ref ref = d->objects.size();
    const size_t n = std::min(keys.size(), values.size());
    d->objects.push_back({d->refs.size(), static_cast<uint32_t>(n), 0xD});
    d->refs.insert(d->refs.end(), keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(n));
    d->refs.insert(d->refs.end(), values.begin(), values.begin() + static_cast<std::ptrdiff_t>(n));
    return ref;
}

uint64_t Writer::objectCount() const
{
    return d->objects.size();
}

static int widthFor(uint64_t maxValue)
{
    if (maxValue < 0x100)
        return 1;
    if (maxValue < 0x10000)
        return 2;
    if (maxValue < 0x100000000ull)
        return 4;
    return 8;
}

static int lengthHeaderSize(uint64_t length)
{
    if (length < 15)
        return 1;
    return 2 + (length < 0x100 ? 1 : length < 0x10000 ? 2 : length < 0x100000000ull ? 4 : 8);
}

static char *putBE(char *p, uint64_t v, int width)
{
    for (int i = width - 1; i >= 0; --i)
        *p++ = static_cast<char>((v >> (8 * i)) & 0xff);
    return p;
}

void Writer::reserve(uint64_t objects, uint64_t payloadBytes, uint64_t refs)
{
    d->objects.reserve(objects);
    d->payload.reserve(payloadBytes);
    d->refs.reserve(refs);
}

QByteArray Writer::finish(Ref top)
{
    const uint64_t count = d->objects.size();
    const int refSize = widthFor(count == 0 ? 0 : count - 1);
    // The exact size first, so the output is allocated once and written in place.
    uint64_t tableStart = 8;
    for (const auto &o : d->objects) {
        if (o.kind == 0)
            tableStart += o.count;
        else
            tableStart += lengthHeaderSize(o.count) + o.count * (o.kind == 0xD ? 2 : 1) * static_cast<uint64_t>(refSize);
    }
    const int offsetSize = widthFor(tableStart);
    QByteArray bytes(static_cast<qsizetype>(tableStart + count * static_cast<uint64_t>(offsetSize) + 32),
                     Qt::Uninitialized);
    char *const base = bytes.data();
    char *p = base;
    std::memcpy(p, "bplist00", 8);
    p += 8;
    char *table = base + tableStart;
    for (uint64_t i = 0; i < count; ++i) {
        const auto &o = d->objects[i];
        table = putBE(table, static_cast<uint64_t>(p - base), offsetSize);
        if (o.kind == 0) {
            std::memcpy(p, d->payload.data() + o.start, o.count);
            p += o.count;
            continue;
        }
        std::string header;
        Impl::appendLengthHeader(header, o.kind, o.count);
        std::memcpy(p, header.data(), header.size());
        p += header.size();
        const uint64_t n = o.count * (o.kind == 0xD ? 2 : 1);
        const Ref *r = d->refs.data() + o.start;
        for (uint64_t j = 0; j < n; ++j)
            p = putBE(p, r[j], refSize);
    }
    std::memset(table, 0, 6);
    table[6] = static_cast<char>(offsetSize);
    table[7] = static_cast<char>(refSize);
    table = putBE(table + 8, count, 8);
    table = putBE(table, top, 8);
    putBE(table, tableStart, 8);
    return bytes;
}

// ---------------------------------------------------------------------------
// Tree

bool Date::operator==(const Date &o) const
{
    return std::memcmp(&seconds, &o.seconds, sizeof seconds) == 0;
}

bool Real::operator==(const Real &o) const
{
    return width == o.width && std::memcmp(&value, &o.value, sizeof value) == 0;
}

bool Value::operator==(const Value &o) const
{
    return v == o.v;
}

namespace {
class TreeReader
{
public:
    TreeReader(const Document &doc, TreeLimits limits)
        : m_doc(doc)
        , m_limits(limits)
        , m_open(doc.objectCount(), false)
        , m_budget(budget(doc.byteSize(), limits.bytesPerFileByte))
    {
    }

    bool read(Ref ref, Value &out, int depth)
    {
        if (depth > m_limits.maxDepth)
            return fail("the property list nests too deeply");
        if (++m_nodes > m_limits.maxNodes)
            return fail("the property list is too large");
        switch (m_doc.kind(ref)) {
        case Kind::Null: out.v = std::monostate{}; return true;
        case Kind::Bool: { bool b; if (!m_doc.readBool(ref, b)) break; out.v = b; return true; }
        case Kind::Int: { int64_t i; if (!m_doc.readInt(ref, i)) break; out.v = i; return true; }
        case Kind::Real: { Real r; if (!m_doc.readReal(ref, r.value, &r.width)) break; out.v = r; return true; }
        case Kind::Date: { Date dt; if (!m_doc.readDate(ref, dt.seconds)) break; out.v = dt; return true; }
        // Texts and data are copied into each place that names them.
        case Kind::Data: { QByteArray b; if (!m_doc.readData(ref, b)) break; const auto n = b.size(); out.v = std::move(b); return charge(n, 1); }
        case Kind::String: { QString s; if (!m_doc.readString(ref, s)) break; const auto n = s.size(); out.v = std::move(s); return charge(n, 2); }
        case Kind::Uid: { Uid u; if (!m_doc.readUid(ref, u.value)) break; out.v = u; return true; }
        case Kind::Array:
        case Kind::Set: {
            Document::Members members;
            if (!m_doc.readMembers(ref, members))
                break;
            if (m_open[ref])
                return fail("the property list contains itself");
            if (!charge(members.count, sizeof(Value)))
                return false;
            m_open[ref] = true;
            Array a(members.count);
            for (size_t i = 0; i < a.size(); ++i)
                if (!read(m_doc.member(members, i), a[i], depth + 1))
                    return false;
            m_open[ref] = false;
            out.v = std::move(a);
            return true;
        }
        case Kind::Dict: {
            Document::Members keys, values;
            if (!m_doc.readDict(ref, keys, values))
                break;
            if (m_open[ref])
                return fail("the property list contains itself");
            if (!charge(keys.count, sizeof(DictEntry)))
                return false;
            m_open[ref] = true;
            Dict dict(keys.count);
            for (size_t i = 0; i < dict.size(); ++i) {
                if (!m_doc.readString(m_doc.member(keys, i), dict[i].first))
                    return fail("a dictionary key of the property list is not a string");
                if (!charge(uint64_t(dict[i].first.size()), 2))
                    return false;
                if (!read(m_doc.member(values, i), dict[i].second, depth + 1))
                    return false;
            }
            m_open[ref] = false;
            out.v = std::move(dict);
            return true;
        }
        case Kind::Invalid: break;
        }
        return fail("an object of the property list is damaged");
    }
    bool fail(const char *text)
    {
        if (m_error.isEmpty())
            m_error = QString::fromLatin1(text);
        return false;
    }
    static uint64_t budget(uint64_t fileBytes, uint64_t factor)
    {
        constexpr uint64_t kLeast = uint64_t(1) << 20;
        if (factor != 0 && fileBytes > std::numeric_limits<uint64_t>::max() / factor)
            return std::numeric_limits<uint64_t>::max();
        return std::max(kLeast, fileBytes * factor);
    }
    // Counts what the tree takes: a shared object is copied into each place
    // that refers to it, so a small file could otherwise expand without end.
    bool charge(uint64_t count, uint64_t size)
    {
        if (count > (m_budget - m_used) / size)
            return fail("the property list is too large");
        m_used += count * size;
        return true;
    }
    QString m_error;

private:
    const Document &m_doc;
    TreeLimits m_limits;
    std::vector<bool> m_open;
    uint64_t m_nodes = 0;
    uint64_t m_budget;
    uint64_t m_used = 0;
};

Ref writeValue(Writer &w, const Value &value)
{
    return std::visit(
        [&](const auto &x) -> Ref {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>) return w.addNull();
            else if constexpr (std::is_same_v<T, bool>) return w.addBool(x);
            else if constexpr (std::is_same_v<T, int64_t>) return w.addInt(x);
            else if constexpr (std::is_same_v<T, Real>) return x.width == 4 ? w.addReal32(static_cast<float>(x.value)) : w.addReal64(x.value);
            else if constexpr (std::is_same_v<T, Date>) return w.addDate(x.seconds);
            else if constexpr (std::is_same_v<T, QByteArray>) return w.addData(x);
            else if constexpr (std::is_same_v<T, QString>) return w.addString(x);
            else if constexpr (std::is_same_v<T, Uid>) return w.addUid(x.value);
            else if constexpr (std::is_same_v<T, Array>) {
                std::vector<Ref> refs;
                for (const Value &m : x)
                    refs.push_back(writeValue(w, m));
                return w.addArray(refs);
            } else {
                std::vector<Ref> keys, values;
                for (const auto &[k, v] : x) {
                    keys.push_back(w.addString(k));
                    values.push_back(writeValue(w, v));
                }
                return w.addDict(keys, values);
            }
        },
        value.v);
}

void dumpValue(const Value &value, int indent, QString &out)
{
    const QString pad(indent * 2, QLatin1Char(' '));
    std::visit(
        [&](const auto &x) {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>) out += pad + QStringLiteral("null\n");
            else if constexpr (std::is_same_v<T, bool>) out += pad + (x ? QStringLiteral("true\n") : QStringLiteral("false\n"));
            else if constexpr (std::is_same_v<T, int64_t>) out += pad + QStringLiteral("int %1\n").arg(x);
            else if constexpr (std::is_same_v<T, Real>) out += pad + QStringLiteral("real%1 %2\n").arg(x.width).arg(QString::asprintf("%.17g", x.value));
            else if constexpr (std::is_same_v<T, Date>) out += pad + QStringLiteral("date %1\n").arg(QString::asprintf("%.17g", x.seconds));
            else if constexpr (std::is_same_v<T, QByteArray>) out += pad + QStringLiteral("data %1\n").arg(QString::fromLatin1(x.toHex()));
            else if constexpr (std::is_same_v<T, QString>) out += pad + QStringLiteral("string %1\n").arg(QString::fromLatin1(x.toUtf8().toPercentEncoding()));
            else if constexpr (std::is_same_v<T, Uid>) out += pad + QStringLiteral("uid %1\n").arg(x.value);
            else if constexpr (std::is_same_v<T, Array>) {
                out += pad + QStringLiteral("array %1\n").arg(x.size());
                for (const Value &m : x)
                    dumpValue(m, indent + 1, out);
            } else {
                out += pad + QStringLiteral("dict %1\n").arg(x.size());
                std::vector<const DictEntry *> sorted;
                for (const auto &e : x)
                    sorted.push_back(&e);
                std::sort(sorted.begin(), sorted.end(), [](auto *a, auto *b) { return a->first < b->first; });
                for (const auto *e : sorted) {
                    out += pad + QStringLiteral("  key %1\n").arg(QString::fromLatin1(e->first.toUtf8().toPercentEncoding()));
                    dumpValue(e->second, indent + 2, out);
                }
            }
        },
        value.v);
}
} // namespace

std::optional<Value> readTree(const Document &doc, QString *error, TreeLimits limits)
{
    TreeReader reader(doc, limits);
    Value root;
    if (!reader.read(doc.topObject(), root, 0)) {
        if (error)
            *error = reader.m_error;
        return std::nullopt;
    }
    return root;
}

QByteArray writeTree(const Value &root)
{
    Writer w;
    const Ref top = writeValue(w, root);
    return w.finish(top);
}

QString dumpTree(const Value &root)
{
    QString out;
    dumpValue(root, 0, out);
    return out;
}

} // namespace bplist
