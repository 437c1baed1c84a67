#include "model/BinaryPlist.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace bplist;

namespace {

Value rich()
{
    Array big;
    for (int i = 0; i < 300; ++i)
        big.push_back(Value{static_cast<int64_t>(i * 1000)});
    return Value{Dict{
        {QStringLiteral("null"), Value{}}, {QStringLiteral("yes"), Value{true}}, {QStringLiteral("no"), Value{false}},
        {QStringLiteral("ints"), Value{Array{Value{int64_t(0)}, Value{int64_t(255)}, Value{int64_t(256)},
                                             Value{int64_t(65535)}, Value{int64_t(65536)}, Value{int64_t(4294967295)},
                                             Value{int64_t(4294967296)}, Value{int64_t(-1)},
                                             Value{std::numeric_limits<int64_t>::min()}}}},
        {QStringLiteral("reals"), Value{Array{Value{Real{0.25, 4}}, Value{Real{-0.0, 8}}, Value{Real{1e300, 8}},
                                              Value{Real{std::numeric_limits<double>::denorm_min(), 8}}}}},
        {QStringLiteral("date"), Value{Date{-978307200.5}}},
        {QStringLiteral("data"), Value{QByteArray("\x00\x01\xff", 3)}},
        {QStringLiteral("ascii"), Value{QStringLiteral("plain text of more than fifteen characters")}},
        {QStringLiteral("utf16 è"), Value{QStringLiteral("caffè ☕ 😀")}},
        {QStringLiteral("empty"), Value{QString()}},
        {QStringLiteral("uids"), Value{Array{Value{Uid{0}}, Value{Uid{255}}, Value{Uid{256}}, Value{Uid{70000}},
                                             Value{Uid{1ull << 40}}}}},
        {QStringLiteral("big"), Value{std::move(big)}},
    }};
}

std::optional<Value> parseTree(const QByteArray &bytes, QString *error)
{
    const auto doc = Document::parse(bytes, error);
    return doc ? readTree(*doc, error) : std::nullopt;
}

TEST(BinaryPlist, EveryKindRoundTripsInTheSmallestForm)
{
    QString error;
    const auto back = parseTree(writeTree(rich()), &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    EXPECT_TRUE(*back == rich()) << dumpTree(*back).toStdString();
    // rich() has references of two bytes; past 65,535 objects they take four.
    Array many(70000);
    for (size_t i = 0; i < many.size(); ++i)
        many[i].v = static_cast<int64_t>(i);
    EXPECT_TRUE(parseTree(writeTree(Value{many}), &error) == Value{many}) << error.toStdString();

    // Integers take the smallest width; equal scalars are stored once.
    const std::pair<int64_t, int> widths[] = {{255, 0x10}, {256, 0x11}, {65535, 0x11}, {65536, 0x12},
                                               {4294967295, 0x12}, {4294967296, 0x13}, {-1, 0x13}};
    for (const auto &[value, marker] : widths) {
        Writer w;
        EXPECT_EQ(static_cast<unsigned char>(w.finish(w.addInt(value))[8]), marker) << value;
    }
    Writer w;
    const Ref a = w.addString(QStringLiteral("POPUP_MEAL_LUNCH"));
    EXPECT_EQ(w.addString(QStringLiteral("POPUP_MEAL_LUNCH")), a);
    EXPECT_EQ(w.addAsciiString("POPUP_MEAL_LUNCH"), a);
    EXPECT_EQ(w.addUid(7), w.addUid(7));
    EXPECT_EQ(w.addInt(7), w.addInt(7));
    EXPECT_EQ(w.addBool(true), w.addBool(true));
    EXPECT_NE(w.addInt(7), w.addUid(7));
    EXPECT_NE(w.addReal32(0.0f), w.addReal32(-0.0f));
    EXPECT_NE(w.addString(QStringLiteral("è")), w.addString(QStringLiteral("e")));
}

// Hand-made files: what other writers produce that ours never does, and damage.
QByteArray handMade(const QByteArray &objects, const std::vector<uint64_t> &offsets, int refSize, uint64_t top = 0)
{
    QByteArray out = "bplist00" + objects;
    const uint64_t tableStart = static_cast<uint64_t>(out.size());
    for (uint64_t o : offsets)
        out.append(static_cast<char>(o)); // offsets of one byte
    QByteArray trailer(32, '\0');
    trailer[6] = 1;
    trailer[7] = static_cast<char>(refSize);
    for (const auto &[at, v] : {std::pair{8, uint64_t(offsets.size())}, {16, top}, {24, tableStart}}) {
        for (int i = 0; i < 8; ++i)
            trailer[at + i] = static_cast<char>((v >> (8 * (7 - i))) & 0xff);
    }
    return out + trailer;
}

TEST(BinaryPlist, ReadsWhatOtherWritersProduce)
{
    // A 16-byte integer (unsigned values above 2^63 - 1), a UTF-8 string and three-byte references.
    const QByteArray objects = QByteArray("\xA2\x00\x00\x01\x00\x00\x02", 7) // array of two
                               + QByteArray("\x14\x00\x00\x00\x00\x00\x00\x00\x00\xff\xff\xff\xff\xff\xff\xff\xfe", 17)
                               + QByteArray("\x73\xc3\xa8!"); // "è!" in UTF-8
    QString error;
    const auto doc = Document::parse(handMade(objects, {8, 15, 32}, 3), &error);
    ASSERT_TRUE(doc.has_value()) << error.toStdString();
    std::vector<Ref> members;
    int64_t i = 0;
    QString s;
    ASSERT_TRUE(doc->readArray(0, members));
    ASSERT_TRUE(doc->readInt(members[0], i));
    EXPECT_EQ(static_cast<uint64_t>(i), 18446744073709551614ull);
    ASSERT_TRUE(doc->readString(members[1], s));
    EXPECT_EQ(s, QStringLiteral("è!"));
    EXPECT_FALSE(doc->readInt(members[1], i)) << "a string is not an integer";
}

TEST(BinaryPlist, DamagedAndHostileFilesGiveErrors)
{
    const QByteArray good = writeTree(rich());
    QString error;
    // Arrays and dictionaries in turn, each holding the level below once or twice.
    auto nested = [](int levels, size_t copies) {
        Writer w;
        Ref level = w.addNull();
        const std::vector<Ref> keys = {w.addAsciiString("a"), w.addAsciiString("b")};
        for (int i = 0; i < levels; ++i) {
            const std::vector<Ref> members(copies, level);
            level = i % 2 ? w.addDict(std::span(keys).first(copies), members) : w.addArray(members);
        }
        return w.finish(level);
    };
    // Cut anywhere, the file is refused or reads to something else: never a crash.
    for (qsizetype n = 0; n < good.size(); n += 7)
        EXPECT_FALSE(parseTree(good.left(n), &error) == rich()) << n;
    const std::pair<const char *, QByteArray> cases[] = {
        {"empty", QByteArray()}, {"not a plist", QByteArray("<?xml version=\"1.0\"?><plist></plist>")},
        {"reference size 0", handMade("\x00", {8}, 0)}, {"reference size 9", handMade("\x00", {8}, 9)},
        {"top out of range", handMade("\x00", {8}, 1, 5)}, {"offset into the table", handMade("\x00", {9}, 1)},
        {"member out of range", handMade("\xA1\x07", {8}, 1)}, {"array containing itself", handMade("\xA1\x00", {8}, 1)},
        {"dictionary containing itself", handMade(QByteArray("\xD1\x01\x00\x51k", 5), {8, 11}, 1)},
        {"huge count", handMade(QByteArray("\xAF\x13\x7f\xff\xff\xff\xff\xff\xff\xff", 10), {8}, 1)},
        {"string past the end", handMade("\x5f\x10\xff" "abc", {8}, 1)}, {"unknown marker", handMade("\xF0", {8}, 1)},
        {"dictionary key not a string", handMade(QByteArray("\xD1\x01\x01\x10\x05", 5), {8, 11}, 1)},
        {"2,000 levels, deeper than any diary", nested(2000, 1)},
    };
    for (const auto &[name, bytes] : cases) {
        error.clear();
        EXPECT_FALSE(parseTree(bytes, &error).has_value()) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    }

    // 64 levels that hold the level below twice: 2^64 nodes when expanded,
    // a few hundred bytes on disk.
    EXPECT_TRUE(parseTree(nested(8, 2), &error)) << "shared is not looping: " << error.toStdString();
    const auto doc = Document::parse(nested(64, 2), &error);
    ASSERT_TRUE(doc.has_value());
    EXPECT_FALSE(readTree(*doc, &error, TreeLimits{512, 100000}).has_value());

    // Shared objects and narrow offsets cost what the file allows, not what
    // they would take copied: one text named 100,000 times (200 MB as a
    // tree), 8 million offsets of one byte (64 MB as a table).
    Writer w;
    const std::vector<Ref> sameText(100'000, w.addString(QString(1000, u'x')));
    const QByteArray named = w.finish(w.addArray(sameText));
    error.clear();
    EXPECT_FALSE(parseTree(named, &error).has_value());
    EXPECT_TRUE(error.contains(QLatin1String("too large"))) << error.toStdString();
    const QByteArray offsets = handMade(QByteArray(1, '\0'), std::vector<uint64_t>(8'000'000, 8), 1);
    for (const QByteArray *bytes : {&named, &offsets}) {
        const qint64 grown = testsupport::peakMemoryGrowth([&] { (void)parseTree(*bytes, nullptr); });
        EXPECT_TRUE(grown >= 0 && grown < 2 * bytes->size() + (8 << 20)) << grown << " bytes";
    }
}

} // namespace
