// libplist, an independent implementation of the format, must read what we
// write to the same structure, and we must read what it writes.

#include "model/BinaryPlist.h"
#include "model/KeyedArchive.h"
#include "support/TestSupport.h"

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <cstring>

using namespace bplist;

namespace {

// libplist's tree in our tree form. libplist keeps no width for reals and
// reads 4-byte reals as doubles, so widths are compared apart.
Value fromLibplist(plist_t node)
{
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return Value{b != 0};
    }
    case PLIST_UINT: {
        uint64_t u = 0;
        plist_get_uint_val(node, &u);
        return Value{static_cast<int64_t>(u)};
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        return Value{Real{d, 8}};
    }
    case PLIST_DATE: {
        int32_t sec = 0, usec = 0;
        plist_get_date_val(node, &sec, &usec);
        return Value{Date{sec + usec / 1e6}};
    }
    case PLIST_STRING: {
        char *s = nullptr;
        plist_get_string_val(node, &s);
        Value v{QString::fromUtf8(s)};
        free(s);
        return v;
    }
    case PLIST_DATA: {
        char *d = nullptr;
        uint64_t n = 0;
        plist_get_data_val(node, &d, &n);
        Value v{QByteArray(d, static_cast<qsizetype>(n))};
        free(d);
        return v;
    }
    case PLIST_UID: {
        uint64_t u = 0;
        plist_get_uid_val(node, &u);
        return Value{Uid{u}};
    }
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
    default:
        return Value{};
    }
}

// Reals as 8-byte, so that the two trees compare.
void widen(Value &v)
{
    if (auto *r = std::get_if<Real>(&v.v))
        r->width = 8;
    else if (auto *a = std::get_if<Array>(&v.v))
        for (Value &m : *a)
            widen(m);
    else if (auto *d = std::get_if<Dict>(&v.v))
        for (auto &e : *d)
            widen(e.second);
}

Value ours(const QByteArray &bytes)
{
    QString error;
    const auto doc = Document::parse(bytes, &error);
    EXPECT_TRUE(doc.has_value()) << error.toStdString();
    if (!doc)
        return {};
    const auto tree = readTree(*doc, &error);
    EXPECT_TRUE(tree.has_value()) << error.toStdString();
    return tree ? *tree : Value{};
}

TEST(LibplistPeer, ReadsOurDiaryToTheSameStructure)
{
    CardList cards = testsupport::sampleCards();
    // Enough cards for two-byte references and four-byte offsets (libplist's
    // reader slows down sharply past that).
    for (int i = 0; i < 3000; ++i)
        cards.push_back(std::make_shared<ZRGlycemicCard>(i + 10, 1e6 + i, std::nullopt, 1e6 + i, i % 2, i % 3, i % 5,
                                                         QStringLiteral("POPUP_MEAL_LUNCH"), std::nullopt,
                                                         QStringLiteral("nota %1").arg(i), 100.5f + i, 0.0f));
    const QByteArray bytes = KeyedArchive::encodeDiary(cards);
    plist_t root = nullptr;
    plist_from_bin(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    ASSERT_NE(root, nullptr);
    Value theirs = fromLibplist(root);
    plist_free(root);
    Value mine = ours(bytes);
    widen(mine);
    EXPECT_EQ(dumpTree(theirs), dumpTree(mine));
}

TEST(LibplistPeer, WeReadWhatLibplistWrites)
{
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "text", plist_new_string("caffè ☕ and more than fifteen"));
    plist_dict_set_item(dict, "int", plist_new_uint(4294967297ull));
    plist_dict_set_item(dict, "real", plist_new_real(7.256));
    plist_dict_set_item(dict, "flag", plist_new_bool(1));
    plist_dict_set_item(dict, "uid", plist_new_uid(300));
    plist_dict_set_item(dict, "data", plist_new_data("\x01\x02", 2));
    plist_t array = plist_new_array();
    for (int i = 0; i < 70000; ++i)
        plist_array_append_item(array, plist_new_uint(static_cast<uint64_t>(i)));
    plist_dict_set_item(dict, "many", array);
    char *bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(dict, &bin, &length);
    Value theirs = fromLibplist(dict);
    plist_free(dict);
    ASSERT_NE(bin, nullptr);
    Value mine = ours(QByteArray(bin, static_cast<qsizetype>(length)));
    free(bin);
    widen(mine);
    EXPECT_EQ(dumpTree(theirs), dumpTree(mine));
}

} // namespace
