#include "model/BinaryPlist.h"
#include "model/KeyedArchive.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using testsupport::expectedText;
using testsupport::fixturePath;
using testsupport::readFile;

namespace {

// Expected text of a fixture: its own file, or for a variant X_suffix the one
// of X in the folder above. The nil and NSNull roots are empty diaries; their
// expected texts say so in their own words.
QByteArray expectedFor(const QFileInfo &orv)
{
    QString path = orv.absolutePath() + QLatin1Char('/') + orv.completeBaseName() + QStringLiteral(".expected.txt");
    if (!QFileInfo::exists(path))
        path = orv.absolutePath() + QStringLiteral("/../") + orv.completeBaseName().section(QLatin1Char('_'), 0, 0) +
               QStringLiteral(".expected.txt");
    const QByteArray text = readFile(path);
    return text.startsWith("root=<nil>") || text.startsWith("root=NSNull") ? "root=array count=0\n" : text;
}

TEST(KeyedArchiveFixtures, EveryFixtureReadsToItsStatedValuesAndSurvivesOurWriter)
{
    QFileInfoList files;
    for (const QString &dir : {fixturePath(QString()), fixturePath(QStringLiteral("variants"))})
        files += QDir(dir).entryInfoList({QStringLiteral("*.orv")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 41) << "fixtures not found in " << ORVANE_FIXTURES_DIR;
    for (const QFileInfo &file : files) {
        SCOPED_TRACE(file.filePath().toStdString());
        const QByteArray bytes = readFile(file.filePath());
        QString error;
        // The property list reader takes every one, damaged archive or not.
        const auto doc = bplist::Document::parse(bytes, &error);
        EXPECT_TRUE(doc && bplist::readTree(*doc, &error)) << error.toStdString();
        const auto cards = KeyedArchive::decodeDiary(bytes, &error);
        if (file.fileName() == QLatin1String("broken-wrapped-references.orv")) {
            // Its references wrap around: read, it would give wrong cards.
            EXPECT_FALSE(cards.has_value());
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        ASSERT_TRUE(cards.has_value()) << error.toStdString();
        EXPECT_EQ(expectedText(*cards).toStdString(), expectedFor(file).toStdString());
        const auto again = KeyedArchive::decodeDiary(KeyedArchive::encodeDiary(*cards), &error);
        ASSERT_TRUE(again.has_value()) << error.toStdString();
        EXPECT_EQ(expectedText(*again), expectedText(*cards));
    }
}

TEST(KeyedArchiveRoundTrip, WrittenDiaryReadsBackBitForBit)
{
    const CardList cards = testsupport::sampleCards();
    const QByteArray bytes = KeyedArchive::encodeDiary(cards);
    QString error;
    const auto back = KeyedArchive::decodeDiary(bytes, &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    EXPECT_EQ(expectedText(*back), expectedText(cards));
    // Writing what was read gives the same bytes: nothing drifts from save to save.
    EXPECT_EQ(KeyedArchive::encodeDiary(*back), bytes);
}

// The member of an archived dictionary; a missing key or a value of another
// type throws, and fails the test.
const bplist::Value &member(const bplist::Value &dict, const char *key)
{
    for (const auto &[k, v] : std::get<bplist::Dict>(dict.v)) {
        if (k == QLatin1String(key))
            return v;
    }
    throw std::runtime_error(std::string("no key ") + key);
}
template <typename T> const T &field(const bplist::Value &dict, const char *key)
{
    return std::get<T>(member(dict, key).v);
}

TEST(KeyedArchiveRoundTrip, WrittenLayoutIsTheDesktopArchiversOwn)
{
    QString error;
    const auto doc = bplist::Document::parse(KeyedArchive::encodeDiary(testsupport::sampleCards()), &error);
    ASSERT_TRUE(doc.has_value()) << error.toStdString();
    const auto tree = bplist::readTree(*doc, &error);
    ASSERT_TRUE(tree.has_value()) << error.toStdString();
    EXPECT_EQ(field<int64_t>(*tree, "$version"), 100000);
    const auto &objects = field<bplist::Array>(*tree, "$objects");
    EXPECT_EQ(std::get<QString>(objects.at(0).v), QStringLiteral("$null"));
    auto object = [&](const bplist::Value &uid) -> auto & { return objects.at(std::get<bplist::Uid>(uid.v).value); };
    auto className = [&](const bplist::Value &o) { return field<QString>(object(member(o, "$class")), "$classname"); };
    const bplist::Value &root = object(member(member(*tree, "$top"), "root"));
    EXPECT_EQ(className(root), QStringLiteral("NSMutableArray"));
    const auto &members = field<bplist::Array>(root, "NS.objects");
    ASSERT_EQ(members.size(), 5u);
    const bplist::Value &card = object(members[1]);
    EXPECT_EQ(std::get<bplist::Dict>(card.v).size(), 13u); // twelve keys and the class
    EXPECT_TRUE(std::holds_alternative<bool>(member(card, "isProtect").v));
    EXPECT_EQ(field<bplist::Real>(card, "unitValue").width, 4);
    EXPECT_EQ(field<int64_t>(card, "id"), 2);
    EXPECT_EQ(className(object(member(card, "dateEditing"))), QStringLiteral("NSDate"));
    // An absent date is the nil reference.
    EXPECT_EQ(field<bplist::Uid>(object(members[2]), "cardDateMeasurement").value, 0u);
    // Identifiers above 2^63 - 1 are the signed integer with the same bits.
    EXPECT_EQ(field<int64_t>(object(members[3]), "id"), -1);
}

TEST(KeyedArchivePeers, PlistlibReadsWhatWeWriteAndWeReadWhatItWrites)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CardList cards = testsupport::sampleCards();
    const QString ours = dir.filePath(QStringLiteral("ours.orv")), theirs = dir.filePath(QStringLiteral("theirs.orv"));
    ASSERT_TRUE(testsupport::writeFile(ours, KeyedArchive::encodeDiary(cards)));
    QString error;
    const QByteArray seen = testsupport::runPython(QStringLiteral("model/archive_peer.py"), {QStringLiteral("text"), ours}, &error);
    ASSERT_FALSE(seen.isEmpty()) << error.toStdString();
    EXPECT_TRUE(seen == expectedText(cards)) << seen.left(2000).toStdString();

    testsupport::runPython(QStringLiteral("model/archive_peer.py"), {QStringLiteral("rewrite"), ours, theirs}, &error);
    const auto back = KeyedArchive::decodeDiary(readFile(theirs), &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    // plistlib stores 0.0 and -0.0 as one object (they are equal keys to
    // Python), so its copy of a -0.0 reads back as 0.0; nothing else may differ.
    EXPECT_TRUE(expectedText(*back) == expectedText(cards).replace("glycemiaValue=-0\n", "glycemiaValue=0\n"));
}

// Archives built by hand, as trees.
bplist::Value uid(uint64_t u)
{
    return bplist::Value{bplist::Uid{u}};
}
bplist::Value text(const char *s)
{
    return bplist::Value{QString::fromLatin1(s)};
}
bplist::Value dict(std::initializer_list<std::pair<const char *, bplist::Value>> entries)
{
    bplist::Dict d;
    for (const auto &[k, v] : entries)
        d.push_back({QString::fromLatin1(k), v});
    return bplist::Value{std::move(d)};
}
bplist::Value classes(std::initializer_list<const char *> names)
{
    bplist::Array list;
    for (const char *n : names)
        list.push_back(text(n));
    return dict({{"$classes", bplist::Value{list}}, {"$classname", list.front()}});
}

// One card: objects 1 and 2 are the classes of card and list, 3 the meal
// text, 4 the card, 5 the list. The card's key, when given, is set to (or
// added with) the value; an orphan is an object nothing refers to.
QByteArray buildArchive(const char *key = nullptr, const bplist::Value &value = {}, bool orphan = false)
{
    bplist::Value card = dict({{"$class", uid(1)}, {"id", bplist::Value{int64_t(7)}}, {"nameMeal", uid(3)},
                               {"glycemiaValue", bplist::Value{bplist::Real{120.5, 4}}}});
    auto &entries = std::get<bplist::Dict>(card.v);
    const auto at = std::find_if(entries.begin(), entries.end(), [&](auto &e) { return key && e.first == QLatin1String(key); });
    if (at != entries.end())
        at->second = value;
    else if (key)
        entries.push_back({QString::fromLatin1(key), value});
    bplist::Array objects = {text("$null"), classes({"ZRGlycemicCard", "NSObject"}),
                             classes({"NSMutableArray", "NSArray", "NSObject"}), text("POPUP_MEAL_LUNCH"), card,
                             dict({{"NS.objects", bplist::Value{bplist::Array{uid(4)}}}, {"$class", uid(2)}})};
    if (orphan)
        objects.push_back(text("orphan"));
    return bplist::writeTree(dict({{"$archiver", text("NSKeyedArchiver")}, {"$objects", bplist::Value{objects}},
                                   {"$top", dict({{"root", uid(5)}})}, {"$version", bplist::Value{int64_t(100000)}}}));
}

TEST(KeyedArchiveRefusals, EachDamageGivesAnError)
{
    QString error;
    const auto whole = KeyedArchive::decodeDiary(buildArchive(), &error);
    ASSERT_TRUE(whole.has_value()) << error.toStdString();
    ASSERT_EQ(whole->size(), 1u);
    EXPECT_EQ(whole->front()->nameMeal(), QStringLiteral("POPUP_MEAL_LUNCH"));

    const struct { const char *damage, *key; bplist::Value value; } cases[] = {
        {"date that is a text", "dateCreation", uid(3)}, {"reference outside the objects", "notes", uid(4000)},
        {"class that is no class description", "$class", uid(3)}, {"card of another class", "$class", uid(2)},
        {"date referring to its own card", "cardDateMeasurement", uid(4)},
        {"text key holding a number", "notes", bplist::Value{int64_t(5)}},
        {"float holding a text", "glycemiaValue", text("120")},
        // Just beyond what a 64-bit identifier holds, either sign.
        {"identifier below -2^63", "id", bplist::Value{bplist::Real{-9.25e18, 8}}},
        {"identifier of 2^64", "id", bplist::Value{bplist::Real{0x1p64, 8}}},
    };
    std::vector<std::pair<std::string, QByteArray>> damaged;
    for (const auto &c : cases)
        damaged.emplace_back(c.damage, buildArchive(c.key, c.value));
    damaged.emplace_back("objects nothing refers to, as when references wrap around", buildArchive(nullptr, {}, true));
    // And what is no archive at all.
    damaged.emplace_back("a plain array", bplist::writeTree(bplist::Value{bplist::Array{}}));
    for (const char *bytes : {"", "bplist00", "hello world, not a diary"})
        damaged.emplace_back(bytes, QByteArray(bytes));
    for (const auto &[name, bytes] : damaged) {
        error.clear();
        EXPECT_FALSE(KeyedArchive::decodeDiary(bytes, &error).has_value()) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    }
}

// A diary whose list names one card again and again: each time the same
// archive object, or each time an archive object of its own that is the
// same dictionary of the file.
QByteArray oneCardNamed(size_t times, bool objectEachTime)
{
    using Refs = std::vector<bplist::Ref>;
    bplist::Writer w;
    const auto s = [&](const char *ascii) { return w.addAsciiString(ascii); };
    const bplist::Ref classKey = s("$class"), nameKey = s("$classname");
    Refs objects = {s("$null"), 0 /* the list, at the end */, w.addDict(Refs{nameKey}, Refs{s("ZRGlycemicCard")}),
                    w.addDict(Refs{nameKey}, Refs{s("NSMutableArray")})};
    const bplist::Ref card = w.addDict(Refs{classKey}, Refs{w.addUid(2)});
    Refs members;
    for (size_t i = 0; i < times; ++i) {
        if (i == 0 || objectEachTime)
            objects.push_back(card);
        members.push_back(w.addUid(objects.size() - 1));
    }
    objects[1] = w.addDict(Refs{s("NS.objects"), classKey}, Refs{w.addArray(members), w.addUid(3)});
    const bplist::Ref top = w.addDict(Refs{s("root")}, Refs{w.addUid(1)});
    return w.finish(w.addDict(Refs{s("$archiver"), s("$objects"), s("$top")},
                              Refs{s("NSKeyedArchiver"), w.addArray(objects), top}));
}

// A card named twice would be one card in two places, saved twice and
// edited in both at once; read once for each place, a small file could fill
// memory. Shared dates and texts are another matter: the fixtures hold them.
TEST(KeyedArchiveRefusals, ACardNamedTwiceIsRefusedAtTheCostOfTheFile)
{
    QString error;
    const auto once = KeyedArchive::decodeDiary(oneCardNamed(1, false), &error);
    ASSERT_TRUE(once.has_value()) << error.toStdString();
    EXPECT_EQ(once->size(), 1u);
    const std::tuple<const char *, size_t, bool> rows[] = {{"twice", 2, false},
                                                           {"twice, as two objects", 2, true},
                                                           {"a million times", 1'000'000, false},
                                                           {"250,000 times, as as many objects", 250'000, true}};
    for (const auto &[what, times, objectEachTime] : rows) {
        const QByteArray bytes = oneCardNamed(times, objectEachTime);
        error.clear();
        EXPECT_FALSE(KeyedArchive::decodeDiary(bytes, &error).has_value()) << what;
        EXPECT_TRUE(error.contains(QLatin1String("same card"))) << what << ": " << error.toStdString();
        const qint64 grown = testsupport::peakMemoryGrowth([&] { (void)KeyedArchive::decodeDiary(bytes, nullptr); });
        EXPECT_TRUE(grown >= 0 && grown < 2 * bytes.size() + (8 << 20)) << what << ": " << grown << " bytes";
    }
}

} // namespace
