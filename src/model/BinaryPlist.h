#pragma once

// Binary property lists ("bplist00"): a reader that validates the whole
// layout up front and then answers typed questions about single objects, a
// writer that lays objects out in the order they are added, and a small value
// tree for code that wants the whole structure at once (tests, tools).
//
// The reader never trusts the file: every offset, reference, length and count
// is checked against the bytes it has, so a truncated or hostile file gives an
// error text, never a crash, a hang or an unbounded allocation.

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace bplist {

using Ref = uint64_t;

enum class Kind : uint8_t {
    Invalid, // a reference out of range, or an object byte no reader knows
    Null,
    Bool,
    Int,
    Real,
    Date,
    Data,
    String, // ASCII (0x5n) or UTF-16 big-endian (0x6n); also UTF-8 (0x7n) as some writers use it
    Uid,
    Array,
    Set,
    Dict,
};

// The header ("bplist0" and a version digit) and the trailer at the end.
inline constexpr int kHeaderSize = 8;
inline constexpr int kTrailerSize = 32;

// What the header and trailer alone tell about a file of fileSize bytes: the
// magic, the widths of offsets and references, the offset table inside the
// file and long enough for its count, the top object in range. header is the
// file's first bytes (up to 8), trailer its last (32 when the file has
// them). A reader can so refuse a file that is no property list before it
// reads the file whole; Document::parse makes the same checks.
bool checkFrame(QByteArrayView header, QByteArrayView trailer, uint64_t fileSize, QString *error);

class Document
{
public:
    // Validates header, trailer and offset table (every offset inside the
    // object area, reference and offset sizes of 1 to 8 bytes, the top object
    // in range). Objects themselves are checked when they are read. Nothing
    // is held but the bytes: the offsets are read from the table as needed.
    static std::optional<Document> parse(QByteArray bytes, QString *error);

    uint64_t objectCount() const { return m_objectCount; }
    Ref topObject() const { return m_top; }
    uint64_t byteSize() const { return static_cast<uint64_t>(m_bytes.size()); }

    // Kind::Invalid for a reference out of range or an unknown marker.
    Kind kind(Ref ref) const;

    // Typed readers: false (and *out untouched) when the object is of another
    // kind or is malformed (its length runs past the object area, and so on).
    bool readBool(Ref ref, bool &out) const;
    // 1, 2, 4 and 8-byte integers as signed 64-bit; 16-byte integers give their
    // low 64 bits (writers use them for unsigned values above 2^63 - 1).
    bool readInt(Ref ref, int64_t &out) const;
    // 4 or 8-byte reals; *width, when given, receives 4 or 8.
    bool readReal(Ref ref, double &out, int *width = nullptr) const;
    // Seconds since 2001-01-01 00:00:00 UTC.
    bool readDate(Ref ref, double &out) const;
    bool readUid(Ref ref, uint64_t &out) const;
    bool readString(Ref ref, QString &out) const;
    bool readData(Ref ref, QByteArray &out) const;
    // Array or set members; every reference returned is checked to be in range.
    bool readArray(Ref ref, std::vector<Ref> &out) const;
    bool readDict(Ref ref, std::vector<Ref> &keys, std::vector<Ref> &values) const;
    // The same members left in the file and read one at a time, for lists
    // too long to copy (an archive's objects, a diary's cards, whatever a
    // tree is about to hold); checked to be in range when the view is made.
    struct Members {
        uint64_t from = 0;
        uint64_t count = 0;
    };
    bool readMembers(Ref ref, Members &out) const;
    bool readDict(Ref ref, Members &keys, Members &values) const;
    Ref member(const Members &members, uint64_t i) const;

    // True when the object is a string equal to the given ASCII text, without
    // building a QString (the keyed-archive reader compares many keys).
    bool stringEquals(Ref ref, std::string_view ascii) const;

private:
    Document() = default;
    uint64_t offset(Ref ref) const;
    bool membersAt(uint64_t from, uint64_t n, Members &out) const;
    void copy(const Members &members, std::vector<Ref> &out) const;

    QByteArray m_bytes;
    uint64_t m_objectCount = 0;
    Ref m_top = 0;
    int m_refSize = 0;
    int m_offsetSize = 0;
    uint64_t m_tableStart = 0;
};

// The writer stores objects in the order they are added and hands back their
// references; children are added before their container. Equal strings,
// integers, 4-byte reals (by bits), booleans and UIDs are stored once;
// 8-byte reals and dates, nearly always distinct, are not looked up.
class Writer
{
public:
    Writer();
    ~Writer();
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    Ref addNull();
    Ref addBool(bool value);
    Ref addInt(int64_t value);   // smallest width that fits; negative values in 8 bytes
    Ref addReal32(float value);  // 4-byte real
    Ref addReal64(double value); // 8-byte real
    Ref addDate(double secondsSince2001);
    Ref addString(const QString &value); // ASCII when it can, else UTF-16 big-endian
    Ref addAsciiString(std::string_view ascii);
    // A string stored without looking for an equal one: for callers that
    // keep equal texts apart themselves.
    Ref addNewString(const QString &value);
    Ref addData(const QByteArray &value);
    Ref addUid(uint64_t value);
    Ref addArray(std::span<const Ref> members);
    Ref addDict(std::span<const Ref> keys, std::span<const Ref> values);

    // Room for about this many objects, payload bytes and member references.
    void reserve(uint64_t objects, uint64_t payloadBytes, uint64_t refs);
    uint64_t objectCount() const;
    // Lays out the objects, the offset table and the trailer.
    QByteArray finish(Ref top);

    struct Impl;

private:
    std::unique_ptr<Impl> d;
};

// A whole property list as a tree. Arrays and dictionaries own their members
// (a shared object read from a file becomes a copy in each place).
struct Value;
using Array = std::vector<Value>;
struct DictEntry;
using Dict = std::vector<DictEntry>; // keys in file order
struct Uid {
    uint64_t value = 0;
    bool operator==(const Uid &) const = default;
};
struct Date {
    double seconds = 0;
    bool operator==(const Date &o) const;
};
struct Real {
    double value = 0;
    int width = 8; // 4 or 8
    bool operator==(const Real &o) const;
};
struct Value {
    std::variant<std::monostate, bool, int64_t, Real, Date, QByteArray, QString, Uid, Array, Dict> v;
    bool operator==(const Value &o) const;
};

struct DictEntry {
    QString first;
    Value second;
    bool operator==(const DictEntry &) const = default;
};

struct TreeLimits {
    int maxDepth = 512;
    uint64_t maxNodes = 50'000'000;
    // The tree's nodes and the texts and data copied into them may take about
    // this many bytes for each byte of the file (and a megabyte in any case):
    // a file that shares objects must not expand past what its size allows.
    uint64_t bytesPerFileByte = 16;
};
// Builds the tree from the top object; refuses reference loops, depth beyond
// the limit and trees that would expand past the node or size limits.
std::optional<Value> readTree(const Document &doc, QString *error, TreeLimits limits = {});
QByteArray writeTree(const Value &root);

// A stable text form of a tree, one node a line, for comparing with other
// implementations: dictionaries are printed with their keys sorted.
QString dumpTree(const Value &root);

} // namespace bplist
