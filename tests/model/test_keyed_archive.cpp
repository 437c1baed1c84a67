#include "model/BinaryPlist.h"
#include "model/KeyedArchive.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <functional>

using testsupport::expectedText;
using testsupport::fixturePath;
using testsupport::readFile;

namespace {

// Expected text of a fixture: its own file, or for a variant X_suffix the one
// of X in the folder above.
QString expectedPathFor(const QFileInfo &orv)
{
    const QString own = orv.absolutePath() + QLatin1Char('/') + orv.completeBaseName() + QStringLiteral(".expected.txt");
    if (QFileInfo::exists(own))
        return own;
    const QString base = orv.completeBaseName().section(QLatin1Char('_'), 0, 0);
    return orv.absolutePath() + QStringLiteral("/../") + base + QStringLiteral(".expected.txt");
}

QStringList allFixtures()
{
    QStringList files;
    for (const QString &dir : {fixturePath(QString()), fixturePath(QStringLiteral("variants"))}) {
        for (const QFileInfo &fi : QDir(dir).entryInfoList({QStringLiteral("*.orv")}, QDir::Files, QDir::Name))
            files << fi.absoluteFilePath();
    }
    return files;
}

// The nil and NSNull roots are empty diaries; their expected texts say so in
// their own words.
QByteArray normalisedExpected(QByteArray text)
{
    if (text.startsWith("root=<nil>") || text.startsWith("root=NSNull"))
        return "root=array count=0\n";
    return text;
}

TEST(KeyedArchiveFixtures, EveryFixtureReadsToItsStatedValues)
{
    const QStringList files = allFixtures();
    ASSERT_GE(files.size(), 40) << "fixtures not found in " << ORVANE_FIXTURES_DIR;
    int checked = 0;
    for (const QString &path : files) {
        if (path.endsWith(QLatin1String("broken-wrapped-references.orv")))
            continue;
        SCOPED_TRACE(path.toStdString());
        const QByteArray expected = readFile(expectedPathFor(QFileInfo(path)));
        ASSERT_FALSE(expected.isEmpty());
        QString error;
        const auto cards = KeyedArchive::decodeDiary(readFile(path), &error);
        ASSERT_TRUE(cards.has_value()) << error.toStdString();
        EXPECT_EQ(expectedText(*cards).toStdString(), normalisedExpected(expected).toStdString());
        ++checked;
    }
    EXPECT_GE(checked, 40);
}

TEST(KeyedArchiveFixtures, WrappedReferencesAreRefused)
{
    QString error;
    const auto cards = KeyedArchive::decodeDiary(readFile(fixturePath(QStringLiteral("broken-wrapped-references.orv"))), &error);
    EXPECT_FALSE(cards.has_value());
    EXPECT_FALSE(error.isEmpty());
}

TEST(KeyedArchiveRoundTrip, WrittenDiaryReadsBackBitForBit)
{
    const CardList cards = testsupport::sampleCards();
    const QByteArray bytes = KeyedArchive::encodeDiary(cards);
    QString error;
    const auto back = KeyedArchive::decodeDiary(bytes, &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    ASSERT_EQ(back->size(), cards.size());
    for (size_t i = 0; i < cards.size(); ++i)
        EXPECT_TRUE(*(*back)[i] == *cards[i]) << "card " << i;
    // Writing what was read gives the same bytes: nothing drifts from save to save.
    EXPECT_EQ(KeyedArchive::encodeDiary(*back), bytes);
}

TEST(KeyedArchiveRoundTrip, FixturesSurviveOurWriter)
{
    for (const QString name : {"diary.orv", "edge.orv", "mutable.orv", "blank.orv", "big15000.orv"}) {
        SCOPED_TRACE(name.toStdString());
        QString error;
        const auto cards = KeyedArchive::decodeDiary(readFile(fixturePath(name)), &error);
        ASSERT_TRUE(cards.has_value()) << error.toStdString();
        const auto again = KeyedArchive::decodeDiary(KeyedArchive::encodeDiary(*cards), &error);
        ASSERT_TRUE(again.has_value()) << error.toStdString();
        EXPECT_EQ(expectedText(*again), expectedText(*cards));
    }
}

TEST(KeyedArchiveRoundTrip, WrittenLayoutIsTheDesktopArchiversOwn)
{
    const QByteArray bytes = KeyedArchive::encodeDiary(testsupport::sampleCards());
    ASSERT_TRUE(bytes.startsWith("bplist00"));
    QString error;
    const auto doc = bplist::Document::parse(bytes, &error);
    ASSERT_TRUE(doc.has_value()) << error.toStdString();
    const auto tree = bplist::readTree(*doc, &error);
    ASSERT_TRUE(tree.has_value()) << error.toStdString();
    const auto &top = std::get<bplist::Dict>(tree->v);
    auto find = [](const bplist::Dict &d, const char *key) -> const bplist::Value * {
        for (const auto &[k, v] : d)
            if (k == QLatin1String(key))
                return &v;
        return nullptr;
    };
    ASSERT_NE(find(top, "$archiver"), nullptr);
    EXPECT_EQ(std::get<QString>(find(top, "$archiver")->v), QStringLiteral("NSKeyedArchiver"));
    EXPECT_EQ(std::get<int64_t>(find(top, "$version")->v), 100000);
    const auto &objects = std::get<bplist::Array>(find(top, "$objects")->v);
    EXPECT_EQ(std::get<QString>(objects[0].v), QStringLiteral("$null"));
    const auto &topRoot = std::get<bplist::Dict>(find(top, "$top")->v);
    const uint64_t rootUid = std::get<bplist::Uid>(find(topRoot, "root")->v).value;
    const auto &root = std::get<bplist::Dict>(objects.at(rootUid).v);
    const auto &members = std::get<bplist::Array>(find(root, "NS.objects")->v);
    ASSERT_EQ(members.size(), 5u);

    auto className = [&](const bplist::Dict &object) {
        const uint64_t uid = std::get<bplist::Uid>(find(object, "$class")->v).value;
        const auto &cls = std::get<bplist::Dict>(objects.at(uid).v);
        return std::get<QString>(find(cls, "$classname")->v);
    };
    EXPECT_EQ(className(root), QStringLiteral("NSMutableArray"));
    const auto &card = std::get<bplist::Dict>(objects.at(std::get<bplist::Uid>(members[1].v).value).v);
    EXPECT_EQ(className(card), QStringLiteral("ZRGlycemicCard"));
    EXPECT_EQ(card.size(), 13u); // twelve keys and the class
    EXPECT_TRUE(std::holds_alternative<bool>(find(card, "isProtect")->v));
    EXPECT_EQ(std::get<bplist::Real>(find(card, "unitValue")->v).width, 4);
    EXPECT_EQ(std::get<int64_t>(find(card, "id")->v), 2);
    const auto &date = std::get<bplist::Dict>(objects.at(std::get<bplist::Uid>(find(card, "dateEditing")->v).value).v);
    EXPECT_EQ(className(date), QStringLiteral("NSDate"));
    EXPECT_EQ(std::get<bplist::Real>(find(date, "NS.time")->v).width, 8);
    EXPECT_EQ(std::get<bplist::Uid>(find(card, "dateEditing")->v).value == 0, false);
    // An absent date is the nil reference.
    const auto &blank = std::get<bplist::Dict>(objects.at(std::get<bplist::Uid>(members[2].v).value).v);
    EXPECT_EQ(std::get<bplist::Uid>(find(blank, "cardDateMeasurement")->v).value, 0u);
    // Identifiers above 2^63 - 1 are the signed integer with the same bits.
    const auto &big = std::get<bplist::Dict>(objects.at(std::get<bplist::Uid>(members[3].v).value).v);
    EXPECT_EQ(std::get<int64_t>(find(big, "id")->v), -1);
}

TEST(KeyedArchivePeers, PlistlibReadsWhatWeWriteAndWeReadWhatItWrites)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CardList cards = testsupport::sampleCards();
    const QString ours = dir.filePath(QStringLiteral("ours.orv"));
    ASSERT_TRUE(testsupport::writeFile(ours, KeyedArchive::encodeDiary(cards)));
    QString error;
    const QByteArray seen = testsupport::runPython(QStringLiteral("model/archive_peer.py"), {QStringLiteral("text"), ours}, &error);
    ASSERT_FALSE(seen.isEmpty()) << error.toStdString();
    EXPECT_TRUE(seen == expectedText(cards)) << seen.left(2000).toStdString();

    const QString theirs = dir.filePath(QStringLiteral("theirs.orv"));
    testsupport::runPython(QStringLiteral("model/archive_peer.py"), {QStringLiteral("rewrite"), ours, theirs}, &error);
    const auto back = KeyedArchive::decodeDiary(readFile(theirs), &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    // plistlib stores 0.0 and -0.0 as one object (they are equal keys to
    // Python), so its copy of a -0.0 reads back as 0.0; nothing else may differ.
    CardList expected;
    for (const CardRef &c : cards) {
        expected.push_back(std::make_shared<ZRGlycemicCard>(*c));
        if (expected.back()->glycemiaValue() == 0.0f)
            expected.back()->setGlycemiaValue(0.0f);
    }
    EXPECT_TRUE(expectedText(*back) == expectedText(expected));
}

// Archives built by hand, each broken in one way that a reader must notice.
struct Broken {
    const char *name;
    std::function<void(bplist::Writer &, std::vector<bplist::Ref> &objects, std::vector<bplist::Ref> &cardKeys,
                       std::vector<bplist::Ref> &cardValues)>
        spoil;
    bool trailingOrphan = false;
};

QByteArray buildArchive(const Broken &b, bool spoil)
{
    bplist::Writer w;
    std::vector<bplist::Ref> objects;
    objects.push_back(w.addAsciiString("$null"));
    auto cls = [&](std::initializer_list<const char *> names) {
        std::vector<bplist::Ref> list;
        for (auto n : names)
            list.push_back(w.addAsciiString(n));
        const std::array<bplist::Ref, 2> k = {w.addAsciiString("$classes"), w.addAsciiString("$classname")};
        const std::array<bplist::Ref, 2> v = {w.addArray(list), list.front()};
        objects.push_back(w.addDict(k, v));
        return objects.size() - 1;
    };
    const uint64_t cardClass = cls({"ZRGlycemicCard", "NSObject"});
    const uint64_t arrayClass = cls({"NSMutableArray", "NSArray", "NSObject"});
    objects.push_back(w.addString(QStringLiteral("POPUP_MEAL_LUNCH")));
    const uint64_t textUid = objects.size() - 1;
    std::vector<bplist::Ref> keys = {w.addAsciiString("$class"), w.addAsciiString("id"), w.addAsciiString("nameMeal"),
                                     w.addAsciiString("glycemiaValue")};
    std::vector<bplist::Ref> values = {w.addUid(cardClass), w.addInt(7), w.addUid(textUid), w.addReal32(120.5f)};
    if (spoil)
        b.spoil(w, objects, keys, values);
    objects.push_back(w.addDict(keys, values));
    const uint64_t cardUid = objects.size() - 1;
    const std::array<bplist::Ref, 1> members = {w.addUid(cardUid)};
    const std::array<bplist::Ref, 2> rk = {w.addAsciiString("NS.objects"), w.addAsciiString("$class")};
    const std::array<bplist::Ref, 2> rv = {w.addArray(members), w.addUid(arrayClass)};
    objects.push_back(w.addDict(rk, rv));
    const uint64_t rootUid = objects.size() - 1;
    if (spoil && b.trailingOrphan)
        objects.push_back(w.addAsciiString("orphan"));
    const std::array<bplist::Ref, 1> tk = {w.addAsciiString("root")};
    const std::array<bplist::Ref, 1> tv = {w.addUid(rootUid)};
    const std::array<bplist::Ref, 4> k = {w.addAsciiString("$archiver"), w.addAsciiString("$objects"),
                                          w.addAsciiString("$top"), w.addAsciiString("$version")};
    const std::array<bplist::Ref, 4> v = {w.addAsciiString("NSKeyedArchiver"), w.addArray(objects), w.addDict(tk, tv),
                                          w.addInt(100000)};
    return w.finish(w.addDict(k, v));
}

TEST(KeyedArchiveRefusals, EachDamageGivesAnError)
{
    const std::vector<Broken> cases = {
        {"date that is a text",
         [](auto &w, auto &, auto &k, auto &v) {
             k.push_back(w.addAsciiString("dateCreation"));
             v.push_back(w.addUid(3)); // the meal text
         }},
        {"reference outside the objects",
         [](auto &w, auto &, auto &k, auto &v) {
             k.push_back(w.addAsciiString("notes"));
             v.push_back(w.addUid(4000));
         }},
        {"class that is no class description",
         [](auto &w, auto &, auto &, auto &v) { v[0] = w.addUid(3); }},
        {"card of another class",
         [](auto &w, auto &, auto &, auto &v) { v[0] = w.addUid(2); }},
        {"text key holding a number",
         [](auto &w, auto &, auto &k, auto &v) {
             k.push_back(w.addAsciiString("notes"));
             v.push_back(w.addInt(5));
         }},
        {"float holding a text",
         [](auto &w, auto &, auto &, auto &v) { v[3] = w.addAsciiString("120"); }},
        {"date referring to its own card",
         [](auto &w, auto &objects, auto &k, auto &v) {
             k.push_back(w.addAsciiString("cardDateMeasurement"));
             v.push_back(w.addUid(objects.size())); // the card is the next object
         }},
        {"objects nothing refers to, as when references wrap around", [](auto &, auto &, auto &, auto &) {}, true},
    };
    QString error;
    ASSERT_TRUE(KeyedArchive::decodeDiary(buildArchive(cases[0], false), &error).has_value()) << error.toStdString();
    for (const Broken &b : cases) {
        SCOPED_TRACE(b.name);
        error.clear();
        EXPECT_FALSE(KeyedArchive::decodeDiary(buildArchive(b, true), &error).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(KeyedArchiveRefusals, NotAnArchiveAtAll)
{
    bplist::Writer w;
    const QByteArray plainArray = w.finish(w.addArray(std::vector<bplist::Ref>{}));
    for (const QByteArray &bytes : {QByteArray(), QByteArray("bplist00"), QByteArray("hello world, not a diary"), plainArray}) {
        QString error;
        EXPECT_FALSE(KeyedArchive::decodeDiary(bytes, &error).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
