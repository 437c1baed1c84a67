#include "text/StringTable.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

const StringTable &english()
{
    static const StringTable t = StringTable::forLanguage(QStringLiteral("en_US"));
    return t;
}

const StringTable &italian()
{
    static const StringTable t = StringTable::forLanguage(QStringLiteral("it_IT"));
    return t;
}

QStringList itemKeys()
{
    return StringTable::periodKeys() + StringTable::kindKeys() + StringTable::mealKeys() + StringTable::insulinKeys();
}

class BothLanguages : public ::testing::TestWithParam<const char *>
{
protected:
    const StringTable &table() const { return GetParam() == std::string("it") ? italian() : english(); }
};

TEST(StringTable, ItalianForItalianLocalesEnglishForEveryOther)
{
    // Both files come from the resource linked into this test program.
    ASSERT_TRUE(english().isLoaded() && italian().isLoaded());
    EXPECT_EQ(italian().text(QStringLiteral("NOT_DISPONBLE")), QStringLiteral("n.d."));
    for (const char *name : {"it_IT", "it_CH", "it"})
        EXPECT_EQ(StringTable::forLanguage(QString::fromLatin1(name)).language(), QLocale::Italian) << name;
    for (const char *name : {"en_GB", "de_DE", "C"}) {
        const StringTable t = StringTable::forLanguage(QString::fromLatin1(name));
        EXPECT_EQ(t.text(QStringLiteral("BUTTON_NO")), english().text(QStringLiteral("BUTTON_NO"))) << name;
    }
    // Item 0 of the meal and insulin pop-ups is the no-choice item; no key
    // is listed twice, every pop-up item's key is known.
    EXPECT_EQ(StringTable::mealKeys().front(), QStringLiteral("POPUP_MEAL_SELECT"));
    EXPECT_EQ(StringTable::insulinKeys().front(), QStringLiteral("POPUP_INSULIN_SELECT"));
    const QStringList &known = StringTable::knownKeys();
    EXPECT_EQ(QSet<QString>(known.begin(), known.end()).size(), known.size());
    for (const QString &key : itemKeys())
        EXPECT_TRUE(known.contains(key)) << key.toStdString();
}

TEST_P(BothLanguages, EveryKnownKeyHasItsOwnText)
{
    for (const QString &key : StringTable::knownKeys()) {
        const QString text = table().text(key);
        EXPECT_FALSE(text.trimmed().isEmpty()) << key.toStdString();
        EXPECT_NE(text, key) << key.toStdString() << " has no text";
    }
}

TEST_P(BothLanguages, ItemTextsReadBackAsTheirKeys)
{
    QSet<QString> seen;
    for (const QString &key : itemKeys()) {
        const QString text = table().text(key);
        EXPECT_FALSE(seen.contains(text)) << "two items show " << text.toStdString();
        seen.insert(text);
        EXPECT_EQ(table().keyForText(text), key) << text.toStdString();
    }
}

TEST_P(BothLanguages, TextsThatTellAModeApartDiffer)
{
    // The edit sheet reads its mode back from the action button's title,
    // and the panel and toolbar items show their state by their titles.
    EXPECT_NE(table().text(QStringLiteral("BUTTON_ADD")), table().text(QStringLiteral("BUTTON_EDIT")));
    EXPECT_NE(table().text(QStringLiteral("MENU_NOTE_VIEW")), table().text(QStringLiteral("MENU_NOTE_HIDE")));
    EXPECT_NE(table().text(QStringLiteral("MENU_TOOLBAR_SHOW")), table().text(QStringLiteral("MENU_TOOLBAR_HIDE")));
    EXPECT_NE(table().text(QStringLiteral("BUTTON_YES")), table().text(QStringLiteral("BUTTON_NO")));
}

TEST_P(BothLanguages, UnknownEntriesAnswerThemselves)
{
    EXPECT_EQ(table().text(QStringLiteral("NO_SUCH_KEY")), QStringLiteral("NO_SUCH_KEY"));
    EXPECT_EQ(table().text(QStringLiteral("Colazione")), QStringLiteral("Colazione"));
    EXPECT_EQ(table().text(QString()), QString());
    // Only pop-up item texts have a way back; keys and other texts stay.
    EXPECT_EQ(table().keyForText(QStringLiteral("POPUP_MEAL_LUNCH")), QStringLiteral("POPUP_MEAL_LUNCH"));
    const QString yes = table().text(QStringLiteral("BUTTON_YES"));
    EXPECT_EQ(table().keyForText(yes), yes);
    EXPECT_EQ(table().keyForText(QStringLiteral("Altro")), QStringLiteral("Altro"));
    EXPECT_EQ(table().keyForText(QString()), QString());
}

INSTANTIATE_TEST_SUITE_P(Languages, BothLanguages, ::testing::Values("en", "it"));

} // namespace
