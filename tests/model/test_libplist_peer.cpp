// libplist, an independent implementation of the format, must read what we
// write to the same structure, and we must read what it writes.

#include "model/BinaryPlist.h"
#include "model/KeyedArchive.h"
#include "support/TestSupport.h"

#include <plist/plist.h>

#include <gtest/gtest.h>

using namespace bplist;

namespace {

// libplist's tree in our tree form. libplist keeps no width for reals and
// reads 4-byte reals as doubles, so every real is taken as 8-byte here and
// in our tree's text form before the two are compared.
Value fromLibplist(plist_t node)
{
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: { uint8_t b = 0; plist_get_bool_val(node, &b); return Value{b != 0}; }
    case PLIST_UINT: { uint64_t u = 0; plist_get_uint_val(node, &u); return Value{static_cast<int64_t>(u)}; }
    case PLIST_REAL: { double d = 0; plist_get_real_val(node, &d); return Value{Real{d, 8}}; }
    case PLIST_UID: { uint64_t u = 0; plist_get_uid_val(node, &u); return Value{Uid{u}}; }
    case PLIST_STRING: return Value{QString::fromUtf8(plist_get_string_ptr(node, nullptr))};
    case PLIST_DATA: { uint64_t n = 0; const char *d = plist_get_data_ptr(node, &n); return Value{QByteArray(d, qsizetype(n))}; }
    case PLIST_ARRAY: {
        Array a;
        for (uint32_t i = 0; i < plist_array_get_size(node); ++i)
            a.push_back(fromLibplist(plist_array_get_item(node, i)));
        return Value{std::move(a)};
    }
    case PLIST_DICT: {
        Dict d;
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        char *key = nullptr;
        plist_t value = nullptr;
        for (plist_dict_next_item(node, it, &key, &value); value; plist_dict_next_item(node, it, &key, &value)) {
            d.push_back({QString::fromUtf8(key), fromLibplist(value)});
            free(key);
            key = nullptr;
        }
        free(it);
        return Value{std::move(d)};
    }
    default: return Value{};
    }
}

// Our reading of the bytes against libplist's tree.
void expectSameTree(const QByteArray &bytes, const Value &theirs)
{
    QString error;
    const auto doc = Document::parse(bytes, &error);
    ASSERT_TRUE(doc.has_value()) << error.toStdString();
    const auto mine = readTree(*doc, &error);
    ASSERT_TRUE(mine.has_value()) << error.toStdString();
    EXPECT_EQ(dumpTree(theirs), dumpTree(*mine).replace(QStringLiteral("real4 "), QStringLiteral("real8 ")));
}

TEST(LibplistPeer, ReadsOurDiaryToTheSameStructure)
{
    CardList cards = testsupport::sampleCards();
    // Enough cards for two-byte references and four-byte offsets (libplist's
    // reader slows down sharply past that).
    for (int i = 0; i < 3000; ++i)
        cards.push_back(std::make_shared<ZRGlycemicCard>(i + 10, 1e6 + i, std::nullopt, 1e6 + i, i % 2, i % 3, i % 5,
                                                         QStringLiteral("POPUP_MEAL_LUNCH"), std::nullopt,
                                                         QStringLiteral("nota %1").arg(i), 100.5f + float(i), 0.0f));
    const QByteArray bytes = KeyedArchive::encodeDiary(cards);
    plist_t root = nullptr;
    plist_from_bin(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    ASSERT_NE(root, nullptr);
    const Value theirs = fromLibplist(root);
    plist_free(root);
    expectSameTree(bytes, theirs);
}

TEST(LibplistPeer, WeReadWhatLibplistWrites)
{
    plist_t array = plist_new_array();
    for (int i = 0; i < 70000; ++i)
        plist_array_append_item(array, plist_new_uint(static_cast<uint64_t>(i)));
    plist_t dict = plist_new_dict();
    for (const auto &[key, item] : {std::pair{"text", plist_new_string("caffè ☕ and more than fifteen")},
                                    {"int", plist_new_uint(4294967297ull)}, {"real", plist_new_real(7.256)},
                                    {"flag", plist_new_bool(1)}, {"uid", plist_new_uid(300)},
                                    {"data", plist_new_data("\x01\x02", 2)}, {"many", array}})
        plist_dict_set_item(dict, key, item);
    char *bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(dict, &bin, &length);
    const Value theirs = fromLibplist(dict);
    plist_free(dict);
    ASSERT_NE(bin, nullptr);
    const QByteArray bytes(bin, static_cast<qsizetype>(length));
    free(bin);
    expectSameTree(bytes, theirs);
}

} // namespace
