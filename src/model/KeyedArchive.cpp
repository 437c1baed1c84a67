#include "model/KeyedArchive.h"

#include "model/BinaryPlist.h"

#include <QHash>

#include <array>
#include <cmath>
#include <cstring>

using bplist::Kind;
using bplist::Ref;

namespace {

// Archive keys of a card, in coding order.
enum CardKey : int8_t {
    KeyId,
    KeyDateCreation,
    KeyDateEditing,
    KeyDateMeasurement,
    KeyIsProtect,
    KeyIsPreMeal,
    KeyIsTherapy,
    KeyNameMeal,
    KeyNameInsulin,
    KeyNotes,
    KeyGlycemia,
    KeyUnit,
    KeyClass,
    KeyCount,
    KeyUnknown = -1,
    KeyNotSeen = -2,
};

constexpr std::array<std::string_view, KeyCount> kKeyNames = {
    "id",        "dateCreation", "dateEditing", "cardDateMeasurement", "isProtect",     "isPreMeal", "isTherapy",
    "nameMeal",  "nameInsulin",  "notes",       "glycemiaValue",       "unitValue",     "$class",
};

// Setters of the keys that share a type, in key order.
constexpr void (ZRGlycemicCard::*kDateSetters[])(CardDate) = {
    &ZRGlycemicCard::setDateCreation, &ZRGlycemicCard::setDateEditing, &ZRGlycemicCard::setDateMeasurement};
constexpr void (ZRGlycemicCard::*kFlagSetters[])(bool) = {&ZRGlycemicCard::setIsProtect, &ZRGlycemicCard::setIsPreMeal,
                                                          &ZRGlycemicCard::setIsTherapy};
constexpr void (ZRGlycemicCard::*kTextSetters[])(CardText) = {
    &ZRGlycemicCard::setNameMeal, &ZRGlycemicCard::setNameInsulin, &ZRGlycemicCard::setNotes};
constexpr void (ZRGlycemicCard::*kFloatSetters[])(float) = {&ZRGlycemicCard::setGlycemiaValue,
                                                            &ZRGlycemicCard::setUnitValue};

// ---------------------------------------------------------------------------
// Reading

enum class ClassKind : int8_t { NotSeen, Card, Date, String, Array, Null, Other };

class Decoder
{
public:
    explicit Decoder(const bplist::Document &doc) : m_doc(doc) {}

    std::optional<CardList> run(QString *error);

private:
    bool fail(const QString &text)
    {
        if (m_error.isEmpty())
            m_error = text;
        return false;
    }
    // Looks up a key of a dictionary by its ASCII name.
    std::optional<Ref> member(Ref dict, std::string_view key);
    bool objectRef(Ref valueRef, uint64_t &uid);
    bool classOf(Ref object, ClassKind &kind);
    bool classFromRef(Ref classValue, ClassKind &kind);
    bool decodeCard(uint64_t uid, ZRGlycemicCard &card);
    bool decodeDate(Ref valueRef, CardDate &out);
    bool decodeText(Ref valueRef, CardText &out);
    bool decodeInteger(Ref valueRef, uint64_t &out);
    bool decodeFlag(Ref valueRef, bool &out);
    bool decodeFloat(Ref valueRef, float &out);
    CardKey keyOf(Ref keyRef);
    void markUid(uint64_t uid) { m_maxUid = std::max(m_maxUid, uid); }
    // The archive's objects stay in the file: a copy of a long objects table
    // of narrow references would take several times the file.
    Ref objectAt(uint64_t uid) const { return m_doc.member(m_objects, uid); }

    const bplist::Document &m_doc;
    bplist::Document::Members m_objects;
    std::vector<int8_t> m_keyCache;       // per plist object: CardKey, or KeyNotSeen
    std::vector<ClassKind> m_classCache;  // per archive object used as a class
    std::vector<int32_t> m_textCache;     // per archive object: index into m_texts, or -1
    std::vector<QString> m_texts;
    uint64_t m_maxUid = 0;
    QString m_error;
    // Scratch vectors reused across cards.
    std::vector<Ref> m_keys, m_values, m_keys2, m_values2;
};

std::optional<Ref> Decoder::member(Ref dict, std::string_view key)
{
    if (!m_doc.readDict(dict, m_keys2, m_values2))
        return std::nullopt;
    for (size_t i = 0; i < m_keys2.size(); ++i) {
        if (m_doc.stringEquals(m_keys2[i], key))
            return m_values2[i];
    }
    return std::nullopt;
}

bool Decoder::objectRef(Ref valueRef, uint64_t &uid)
{
    if (!m_doc.readUid(valueRef, uid))
        return fail(QStringLiteral("an object reference of the archive is not a reference"));
    if (uid >= m_objects.count)
        return fail(QStringLiteral("an object reference points outside the archive's objects"));
    markUid(uid);
    return true;
}

bool Decoder::classOf(Ref object, ClassKind &kind)
{
    const auto classRef = member(object, "$class");
    if (!classRef)
        return fail(QStringLiteral("an archived object has no class"));
    return classFromRef(*classRef, kind);
}

bool Decoder::classFromRef(Ref classValue, ClassKind &kind)
{
    uint64_t uid = 0;
    if (!objectRef(classValue, uid))
        return false;
    if (m_classCache[uid] != ClassKind::NotSeen) {
        kind = m_classCache[uid];
        return true;
    }
    const Ref classDict = objectAt(uid);
    const auto nameRef = m_doc.kind(classDict) == Kind::Dict ? member(classDict, "$classname") : std::nullopt;
    QString name;
    if (!nameRef || !m_doc.readString(*nameRef, name))
        return fail(QStringLiteral("an archived object's class is not a class description"));
    if (name == QLatin1String("ZRGlycemicCard"))
        kind = ClassKind::Card;
    else if (name == QLatin1String("NSDate") || name == QLatin1String("__NSDate"))
        kind = ClassKind::Date;
    else if (name == QLatin1String("NSString") || name == QLatin1String("NSMutableString"))
        kind = ClassKind::String;
    else if (name == QLatin1String("NSArray") || name == QLatin1String("NSMutableArray"))
        kind = ClassKind::Array;
    else if (name == QLatin1String("NSNull"))
        kind = ClassKind::Null;
    else
        kind = ClassKind::Other;
    m_classCache[uid] = kind;
    return true;
}

CardKey Decoder::keyOf(Ref keyRef)
{
    int8_t &cached = m_keyCache[keyRef];
    if (cached != KeyNotSeen)
        return static_cast<CardKey>(cached);
    cached = KeyUnknown;
    for (int i = 0; i < KeyCount; ++i) {
        if (m_doc.stringEquals(keyRef, kKeyNames[i])) {
            cached = static_cast<int8_t>(i);
            break;
        }
    }
    return static_cast<CardKey>(cached);
}

bool Decoder::decodeDate(Ref valueRef, CardDate &out)
{
    uint64_t uid = 0;
    if (!objectRef(valueRef, uid))
        return false;
    if (uid == 0) {
        out.reset();
        return true;
    }
    const Ref object = objectAt(uid);
    double seconds = 0;
    switch (m_doc.kind(object)) {
    case Kind::Date:
        if (!m_doc.readDate(object, seconds))
            return fail(QStringLiteral("a date of the archive is damaged"));
        out = seconds;
        return true;
    case Kind::Dict: {
        ClassKind kind{};
        if (!classOf(object, kind))
            return false;
        if (kind == ClassKind::Null) {
            out.reset();
            return true;
        }
        if (kind != ClassKind::Date)
            return fail(QStringLiteral("a card's date is not a date"));
        const auto time = member(object, "NS.time");
        int64_t whole = 0;
        if (time && m_doc.readReal(*time, seconds)) {
            out = seconds;
            return true;
        }
        if (time && m_doc.readInt(*time, whole)) {
            out = static_cast<double>(whole);
            return true;
        }
        return fail(QStringLiteral("a date of the archive has no time"));
    }
    default:
        return fail(QStringLiteral("a card's date is not a date"));
    }
}

bool Decoder::decodeText(Ref valueRef, CardText &out)
{
    uint64_t uid = 0;
    if (!objectRef(valueRef, uid))
        return false;
    if (uid == 0) {
        out.reset();
        return true;
    }
    if (m_textCache[uid] >= 0) {
        out = m_texts[m_textCache[uid]];
        return true;
    }
    Ref object = objectAt(uid);
    if (m_doc.kind(object) == Kind::Dict) {
        ClassKind kind{};
        if (!classOf(object, kind))
            return false;
        if (kind == ClassKind::Null) {
            out.reset();
            return true;
        }
        const auto inner = kind == ClassKind::String ? member(object, "NS.string") : std::nullopt;
        if (!inner)
            return fail(QStringLiteral("a card's text is not a text"));
        object = *inner;
    }
    QString text;
    if (!m_doc.readString(object, text))
        return fail(QStringLiteral("a card's text is not a text"));
    m_textCache[uid] = static_cast<int32_t>(m_texts.size());
    m_texts.push_back(text);
    out = std::move(text);
    return true;
}

bool Decoder::decodeInteger(Ref valueRef, uint64_t &out)
{
    int64_t i = 0;
    double d = 0;
    bool b = false;
    if (m_doc.readInt(valueRef, i)) {
        out = static_cast<uint64_t>(i); // identifiers above 2^63 - 1 are stored negative
        return true;
    }
    if (m_doc.readReal(valueRef, d)) {
        // Within the 64-bit range both ways an identifier may be stored
        // (-2^63 up to 2^64): beyond it no integer holds the value.
        if (!(d >= -0x1p63 && d < 0x1p64))
            return fail(QStringLiteral("a card's identifier is out of range"));
        out = d < 0 ? static_cast<uint64_t>(static_cast<int64_t>(d)) : static_cast<uint64_t>(d);
        return true;
    }
    if (m_doc.readBool(valueRef, b)) {
        out = b ? 1 : 0;
        return true;
    }
    return fail(QStringLiteral("a card's identifier is not a number"));
}

bool Decoder::decodeFlag(Ref valueRef, bool &out)
{
    int64_t i = 0;
    double d = 0;
    if (m_doc.readBool(valueRef, out))
        return true;
    if (m_doc.readInt(valueRef, i)) {
        out = i != 0;
        return true;
    }
    if (m_doc.readReal(valueRef, d)) {
        out = d != 0;
        return true;
    }
    return fail(QStringLiteral("a card's flag is not a flag"));
}

bool Decoder::decodeFloat(Ref valueRef, float &out)
{
    double d = 0;
    int64_t i = 0;
    if (m_doc.readReal(valueRef, d)) {
        out = static_cast<float>(d);
        return true;
    }
    if (m_doc.readInt(valueRef, i)) {
        out = static_cast<float>(i);
        return true;
    }
    return fail(QStringLiteral("a card's value is not a number"));
}

bool Decoder::decodeCard(uint64_t uid, ZRGlycemicCard &card)
{
    const Ref object = objectAt(uid);
    if (m_doc.kind(object) != Kind::Dict)
        return fail(QStringLiteral("an element of the diary is not a card"));
    if (!m_doc.readDict(object, m_keys, m_values))
        return fail(QStringLiteral("a card of the archive is damaged"));
    ClassKind kind = ClassKind::NotSeen;
    for (size_t i = 0; i < m_keys.size(); ++i) {
        if (keyOf(m_keys[i]) == KeyClass && !classFromRef(m_values[i], kind))
            return false;
    }
    if (kind != ClassKind::Card)
        return fail(QStringLiteral("an element of the diary is not a card"));
    for (size_t i = 0; i < m_keys.size(); ++i) {
        const Ref v = m_values[i];
        bool ok = true;
        const CardKey key = keyOf(m_keys[i]);
        switch (key) {
        case KeyId: {
            uint64_t id = 0;
            ok = decodeInteger(v, id);
            card.setIdCard(id);
            break;
        }
        case KeyDateCreation:
        case KeyDateEditing:
        case KeyDateMeasurement: {
            CardDate d;
            ok = decodeDate(v, d);
            (card.*kDateSetters[key - KeyDateCreation])(d);
            break;
        }
        case KeyIsProtect:
        case KeyIsPreMeal:
        case KeyIsTherapy: {
            bool b = false;
            ok = decodeFlag(v, b);
            (card.*kFlagSetters[key - KeyIsProtect])(b);
            break;
        }
        case KeyNameMeal:
        case KeyNameInsulin:
        case KeyNotes: {
            CardText t;
            ok = decodeText(v, t);
            (card.*kTextSetters[key - KeyNameMeal])(std::move(t));
            break;
        }
        case KeyGlycemia:
        case KeyUnit: {
            float f = 0;
            ok = decodeFloat(v, f);
            (card.*kFloatSetters[key - KeyGlycemia])(f);
            break;
        }
        case KeyClass:
            break;
        default: {
            // A key this program does not know: ignored, but what it refers to
            // still counts as referenced.
            uint64_t other = 0;
            if (m_doc.readUid(v, other))
                markUid(other);
            break;
        }
        }
        if (!ok)
            return false;
    }
    return true;
}

std::optional<CardList> Decoder::run(QString *error)
{
    auto failed = [&](const QString &text) -> std::optional<CardList> {
        fail(text);
        if (error)
            *error = m_error;
        return std::nullopt;
    };

    const Ref top = m_doc.topObject();
    if (m_doc.kind(top) != Kind::Dict)
        return failed(QStringLiteral("the file is not a keyed archive"));
    QString archiver;
    const auto archiverRef = member(top, "$archiver");
    if (!archiverRef || !m_doc.readString(*archiverRef, archiver) || archiver != QLatin1String("NSKeyedArchiver"))
        return failed(QStringLiteral("the file is not a keyed archive"));
    const auto objectsRef = member(top, "$objects");
    const auto topRef = member(top, "$top");
    if (!objectsRef || !topRef || !m_doc.readMembers(*objectsRef, m_objects) || m_objects.count == 0)
        return failed(QStringLiteral("the keyed archive has no objects"));
    const auto rootRef = m_doc.kind(*topRef) == Kind::Dict ? member(*topRef, "root") : std::nullopt;
    if (!rootRef)
        return failed(QStringLiteral("the keyed archive has no root object"));

    m_keyCache.assign(m_doc.objectCount(), KeyNotSeen);
    m_classCache.assign(m_objects.count, ClassKind::NotSeen);
    m_textCache.assign(m_objects.count, -1);

    uint64_t rootUid = 0;
    if (!objectRef(*rootRef, rootUid)) {
        if (error)
            *error = m_error;
        return std::nullopt;
    }
    CardList cards;
    if (rootUid != 0) {
        const Ref root = objectAt(rootUid);
        ClassKind kind{};
        if (m_doc.kind(root) != Kind::Dict || !classOf(root, kind))
            return failed(QStringLiteral("the diary's root is not a list of cards"));
        if (kind == ClassKind::Array) {
            const auto membersRef = member(root, "NS.objects");
            bplist::Document::Members members;
            if (!membersRef || !m_doc.readMembers(*membersRef, members))
                return failed(QStringLiteral("the diary's root is not a list of cards"));
            // A card named twice would be one card in two places, saved twice
            // and edited in both at once; reading it once for each place
            // would let a small file fill memory (so no room is reserved for
            // the count the list claims, either).
            std::vector<bool> taken(m_doc.objectCount(), false);
            for (uint64_t i = 0; i < members.count; ++i) {
                uint64_t uid = 0;
                if (!objectRef(m_doc.member(members, i), uid))
                    return failed(m_error);
                if (uid == 0)
                    return failed(QStringLiteral("the list of cards holds a nil element"));
                if (taken[objectAt(uid)])
                    return failed(QStringLiteral("the list of cards holds the same card more than once"));
                taken[objectAt(uid)] = true;
                auto card = std::make_shared<ZRGlycemicCard>();
                if (!decodeCard(uid, *card))
                    return failed(m_error);
                cards.push_back(std::move(card));
            }
        } else if (kind != ClassKind::Null) {
            return failed(QStringLiteral("the diary's root is not a list of cards"));
        }
    }
    // Every object of an archive is there because something refers to it. An
    // archiver whose references are too narrow for the number of objects wraps
    // them around, and the objects past the wrap are then never referred to:
    // such a file would read as wrong cards, so it is refused.
    if (m_maxUid + 1 < m_objects.count)
        return failed(QStringLiteral("the archive holds objects that nothing refers to; its references are damaged"));
    return cards;
}

// ---------------------------------------------------------------------------
// Writing

class Encoder
{
public:
    QByteArray run(const CardList &cards);

private:
    uint64_t classUid(Ref &cache, std::initializer_list<std::string_view> classes);
    uint64_t dateUid(const CardDate &date);
    uint64_t textUid(const CardText &text);
    uint64_t push(Ref ref)
    {
        m_objects.push_back(ref);
        return m_objects.size() - 1;
    }

    bplist::Writer m_w;
    std::vector<Ref> m_objects;
    std::array<Ref, KeyCount> m_keyRefs{};
    Ref m_nsTime = 0;
    uint64_t m_dateClass = 0;
    Ref m_dateClassRef = 0;
    QHash<QString, uint64_t> m_texts;
    // The few texts that nearly every card holds (meal and insulin names)
    // are mostly one string shared by many cards: found by address first,
    // they skip hashing their characters. The cards outlive the encoding,
    // so an address and length seen stand for the same characters throughout.
    struct Recent {
        const QChar *data = nullptr;
        qsizetype size = -1;
        uint64_t uid = 0;
    };
    std::array<Recent, 64> m_recent{};
};

uint64_t Encoder::classUid(Ref &cache, std::initializer_list<std::string_view> classes)
{
    if (cache != 0)
        return cache;
    std::vector<Ref> names;
    for (auto c : classes)
        names.push_back(m_w.addAsciiString(c));
    const Ref list = m_w.addArray(names);
    const std::array<Ref, 2> keys = {m_w.addAsciiString("$classes"), m_w.addAsciiString("$classname")};
    const std::array<Ref, 2> values = {list, names.front()};
    cache = push(m_w.addDict(keys, values));
    return cache;
}

uint64_t Encoder::dateUid(const CardDate &date)
{
    if (!date)
        return 0;
    // Each date is an object of its own; looking equal dates up would cost
    // more than the few bytes it saves.
    const std::array<Ref, 2> keys = {m_nsTime, m_keyRefs[KeyClass]};
    const std::array<Ref, 2> values = {m_w.addReal64(*date), m_dateClassRef};
    return push(m_w.addDict(keys, values));
}

uint64_t Encoder::textUid(const CardText &text)
{
    if (!text)
        return 0;
    Recent &recent = m_recent[(reinterpret_cast<uintptr_t>(text->constData()) >> 4) % m_recent.size()];
    if (recent.data == text->constData() && recent.size == text->size())
        return recent.uid;
    uint64_t uid;
    if (const auto it = m_texts.constFind(*text); it != m_texts.constEnd()) {
        uid = *it;
    } else {
        uid = push(m_w.addNewString(*text));
        m_texts.insert(*text, uid);
    }
    recent = {text->constData(), text->size(), uid};
    return uid;
}

QByteArray Encoder::run(const CardList &cards)
{
    for (int i = 0; i < KeyCount; ++i)
        m_keyRefs[i] = m_w.addAsciiString(kKeyNames[i]);
    m_nsTime = m_w.addAsciiString("NS.time");
    m_w.reserve(cards.size() * 12 + 64, cards.size() * 96 + 4096, cards.size() * 28 + 64);
    m_texts.reserve(1024);
    m_objects.reserve(cards.size() * 5 + 8);

    push(m_w.addAsciiString("$null"));
    push(0); // the root array, filled in at the end
    Ref cardClass = 0, dateClass = 0, arrayClass = 0;
    classUid(cardClass, {"ZRGlycemicCard", "NSObject"});
    m_dateClass = classUid(dateClass, {"NSDate", "NSObject"});
    m_dateClassRef = m_w.addUid(m_dateClass);
    classUid(arrayClass, {"NSMutableArray", "NSArray", "NSObject"});

    const Ref cardClassUid = m_w.addUid(cardClass);
    std::vector<Ref> members;
    members.reserve(cards.size());
    std::array<Ref, KeyCount> values{};
    for (const CardRef &card : cards) {
        const ZRGlycemicCard &c = *card;
        values[KeyId] = m_w.addInt(static_cast<int64_t>(c.idCard()));
        values[KeyDateCreation] = m_w.addUid(dateUid(c.dateCreation()));
        values[KeyDateEditing] = m_w.addUid(dateUid(c.dateEditing()));
        values[KeyDateMeasurement] = m_w.addUid(dateUid(c.dateMeasurement()));
        values[KeyIsProtect] = m_w.addBool(c.isProtect());
        values[KeyIsPreMeal] = m_w.addBool(c.isPreMeal());
        values[KeyIsTherapy] = m_w.addBool(c.isTherapy());
        values[KeyNameMeal] = m_w.addUid(textUid(c.nameMeal()));
        values[KeyNameInsulin] = m_w.addUid(textUid(c.nameInsulin()));
        values[KeyNotes] = m_w.addUid(textUid(c.notes()));
        values[KeyGlycemia] = m_w.addReal32(c.glycemiaValue());
        values[KeyUnit] = m_w.addReal32(c.unitValue());
        values[KeyClass] = cardClassUid;
        const uint64_t uid = push(m_w.addDict(m_keyRefs, values));
        members.push_back(m_w.addUid(uid));
    }
    {
        const std::array<Ref, 2> keys = {m_w.addAsciiString("NS.objects"), m_keyRefs[KeyClass]};
        const std::array<Ref, 2> vals = {m_w.addArray(members), m_w.addUid(arrayClass)};
        m_objects[1] = m_w.addDict(keys, vals);
    }
    const Ref objects = m_w.addArray(m_objects);
    const std::array<Ref, 1> topKeys = {m_w.addAsciiString("root")};
    const std::array<Ref, 1> topValues = {m_w.addUid(1)};
    const Ref topDict = m_w.addDict(topKeys, topValues);
    const std::array<Ref, 4> keys = {m_w.addAsciiString("$archiver"), m_w.addAsciiString("$objects"),
                                     m_w.addAsciiString("$top"), m_w.addAsciiString("$version")};
    const std::array<Ref, 4> vals = {m_w.addAsciiString("NSKeyedArchiver"), objects, topDict,
                                     m_w.addInt(100000)};
    return m_w.finish(m_w.addDict(keys, vals));
}

} // namespace

namespace KeyedArchive {

std::optional<CardList> decodeDiary(const QByteArray &bytes, QString *error)
{
    QString parseError;
    const auto doc = bplist::Document::parse(bytes, &parseError);
    if (!doc) {
        if (error)
            *error = parseError;
        return std::nullopt;
    }
    Decoder decoder(*doc);
    return decoder.run(error);
}

QByteArray encodeDiary(const CardList &cards)
{
    Encoder encoder;
    return encoder.run(cards);
}

} // namespace KeyedArchive
