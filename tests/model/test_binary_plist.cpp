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
        {QStringLiteral("null"), Value{}},
        {QStringLiteral("yes"), Value{true}},
        {QStringLiteral("no"), Value{false}},
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
    if (!doc)
        return std::nullopt;
    return readTree(*doc, error);
}

TEST(BinaryPlist, EveryKindRoundTrips)
{
    const Value tree = rich();
    QString error;
    const auto back = parseTree(writeTree(tree), &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    EXPECT_TRUE(*back == tree) << dumpTree(*back).toStdString();
}

TEST(BinaryPlist, IntegersTakeTheSmallestWidthAndScalarsAreStoredOnce)
{
    auto markerOf = [](int64_t v) {
        Writer w;
        const QByteArray b = w.finish(w.addInt(v));
        return static_cast<unsigned char>(b[8]);
    };
    EXPECT_EQ(markerOf(255), 0x10);
    EXPECT_EQ(markerOf(256), 0x11);
    EXPECT_EQ(markerOf(65536), 0x12);
    EXPECT_EQ(markerOf(4294967296), 0x13);
    EXPECT_EQ(markerOf(-1), 0x13);

    Writer w;
    const Ref a = w.addString(QStringLiteral("POPUP_MEAL_LUNCH"));
    EXPECT_EQ(w.addString(QStringLiteral("POPUP_MEAL_LUNCH")), a);
    EXPECT_EQ(w.addAsciiString("POPUP_MEAL_LUNCH"), a);
    EXPECT_EQ(w.addUid(7), w.addUid(7));
    EXPECT_EQ(w.addInt(7), w.addInt(7));
    EXPECT_NE(w.addInt(7), w.addUid(7));
    EXPECT_NE(w.addReal32(0.0f), w.addReal32(-0.0f));
    EXPECT_EQ(w.addBool(true), w.addBool(true));
    EXPECT_NE(w.addString(QStringLiteral("è")), w.addString(QStringLiteral("e")));
}

TEST(BinaryPlist, WideReferencesPastTheByteAndShortLimits)
{
    for (const int n : {300, 70000}) {
        Writer w;
        std::vector<Ref> members;
        for (int i = 0; i < n; ++i)
            members.push_back(w.addInt(i));
        const QByteArray bytes = w.finish(w.addArray(members));
        QString error;
        const auto doc = Document::parse(bytes, &error);
        ASSERT_TRUE(doc.has_value()) << error.toStdString();
        std::vector<Ref> back;
        ASSERT_TRUE(doc->readArray(doc->topObject(), back));
        ASSERT_EQ(back.size(), static_cast<size_t>(n));
        int64_t last = 0;
        ASSERT_TRUE(doc->readInt(back.back(), last));
        EXPECT_EQ(last, n - 1);
    }
}

// Hand-made files: what other writers produce that ours never does.
QByteArray handMade(const QByteArray &objects, const std::vector<uint64_t> &offsets, int refSize, uint64_t top = 0)
{
    QByteArray out = "bplist00" + objects;
    const uint64_t tableStart = static_cast<uint64_t>(out.size());
    for (uint64_t o : offsets)
        out.append(static_cast<char>(o)); // offsets of one byte
    QByteArray trailer(32, '\0');
    trailer[6] = 1;
    trailer[7] = static_cast<char>(refSize);
    auto put = [&](int at, uint64_t v) {
        for (int i = 0; i < 8; ++i)
            trailer[at + i] = static_cast<char>((v >> (8 * (7 - i))) & 0xff);
    };
    put(8, offsets.size());
    put(16, top);
    put(24, tableStart);
    return out + trailer;
}

TEST(BinaryPlist, ReadsWhatOtherWritersProduce)
{
    // A 16-byte integer (unsigned values above 2^63 - 1), a UTF-8 string and
    // three-byte references.
    QByteArray objects;
    objects += QByteArray("\xA2\x00\x00\x01\x00\x00\x02", 7);                        // array of two
    objects += QByteArray("\x14\x00\x00\x00\x00\x00\x00\x00\x00\xff\xff\xff\xff\xff\xff\xff\xfe", 17);
    objects += QByteArray("\x73", 1) + QByteArray("\xc3\xa8!");                       // "è!" in UTF-8
    const QByteArray bytes = handMade(objects, {8, 15, 32}, 3);
    QString error;
    const auto doc = Document::parse(bytes, &error);
    ASSERT_TRUE(doc.has_value()) << error.toStdString();
    std::vector<Ref> members;
    ASSERT_TRUE(doc->readArray(0, members));
    int64_t i = 0;
    ASSERT_TRUE(doc->readInt(members[0], i));
    EXPECT_EQ(static_cast<uint64_t>(i), 18446744073709551614ull);
    QString s;
    ASSERT_TRUE(doc->readString(members[1], s));
    EXPECT_EQ(s, QStringLiteral("è!"));
    EXPECT_FALSE(doc->readInt(members[1], i)) << "a string is not an integer";
}

TEST(BinaryPlist, DamagedFilesGiveErrors)
{
    const QByteArray good = writeTree(rich());
    QString error;
    // Cut anywhere, the file is refused or reads to something: never a crash.
    for (qsizetype n = 0; n < good.size(); n += 7) {
        const auto t = parseTree(good.left(n), &error);
        EXPECT_FALSE(t.has_value() && *t == rich()) << n;
    }
    struct Case {
        const char *name;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"empty", QByteArray()},
        {"not a plist", QByteArray("<?xml version=\"1.0\"?><plist></plist>")},
        {"reference size 0", handMade("\x00", {8}, 0)},
        {"reference size 9", handMade("\x00", {8}, 9)},
        {"top out of range", handMade("\x00", {8}, 1, 5)},
        {"offset into the table", handMade("\x00", {9}, 1)},
        {"member out of range", handMade("\xA1\x07", {8}, 1)},
        {"array containing itself", handMade("\xA1\x00", {8}, 1)},
        {"dictionary containing itself", handMade(QByteArray("\xD1\x01\x00\x51k", 5), {8, 11}, 1)},
        {"huge count", handMade(QByteArray("\xAF\x13\x7f\xff\xff\xff\xff\xff\xff\xff", 10), {8}, 1)},
        {"string past the end", handMade("\x5f\x10\xff" "abc", {8}, 1)},
        {"unknown marker", handMade("\xF0", {8}, 1)},
        {"dictionary key not a string", handMade(QByteArray("\xD1\x01\x01\x10\x05", 5), {8, 11}, 1)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        error.clear();
        EXPECT_FALSE(parseTree(c.bytes, &error).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(BinaryPlist, DeepNestingAndSharedExpansionAreBounded)
{
    // 2,000 arrays each holding the next: deeper than any diary.
    Writer w;
    Ref inner = w.addNull();
    for (int i = 0; i < 2000; ++i)
        inner = w.addArray(std::vector<Ref>{inner});
    QString error;
    EXPECT_FALSE(parseTree(w.finish(inner), &error).has_value());
    EXPECT_FALSE(error.isEmpty());

    // 64 levels of an array that holds the level below twice: 2^64 nodes
    // when expanded, a few hundred bytes on disk.
    Writer x;
    Ref level = x.addNull();
    for (int i = 0; i < 64; ++i)
        level = x.addArray(std::vector<Ref>{level, level});
    const auto doc = Document::parse(x.finish(level), &error);
    ASSERT_TRUE(doc.has_value());
    TreeLimits limits;
    limits.maxNodes = 100000;
    EXPECT_FALSE(readTree(*doc, &error, limits).has_value());
}

TEST(BinaryPlist, FixturesOfOtherWritersParse)
{
    for (const char *name : {"diary.orv", "edge.orv", "big15000.orv", "broken-wrapped-references.orv",
                             "variants/diary_native_dates.orv", "variants/floats_as_int.orv"}) {
        SCOPED_TRACE(name);
        QString error;
        EXPECT_TRUE(parseTree(testsupport::readFile(testsupport::fixturePath(QString::fromLatin1(name))), &error))
            << error.toStdString();
    }
}

} // namespace
