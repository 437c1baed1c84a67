#include "ui/StringTable.h"

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

TEST(StringTable, BuiltInTranslationsAreFound)
{
    // Both files come from the resource linked into this test program.
    ASSERT_TRUE(english().isLoaded());
    ASSERT_TRUE(italian().isLoaded());
    EXPECT_EQ(english().text(QStringLiteral("BUTTON_YES")), QStringLiteral("Yes"));
    EXPECT_EQ(italian().text(QStringLiteral("BUTTON_YES")), QStringLiteral("Sì"));
    EXPECT_EQ(english().text(QStringLiteral("NOT_DISPONBLE")), QStringLiteral("n/a"));
    EXPECT_EQ(italian().text(QStringLiteral("NOT_DISPONBLE")), QStringLiteral("n.d."));
}

TEST(StringTable, ItalianOnlyForItalianLocales)
{
    EXPECT_EQ(StringTable::forLanguage(QStringLiteral("it_IT")).language(), QLocale::Italian);
    EXPECT_EQ(StringTable::forLanguage(QStringLiteral("it_CH")).language(), QLocale::Italian);
    EXPECT_EQ(StringTable::forLanguage(QStringLiteral("it")).language(), QLocale::Italian);
    for (const char *name : {"en_US", "en_GB", "de_DE", "fr_FR", "C"}) {
        const StringTable t = StringTable::forLanguage(QString::fromLatin1(name));
        EXPECT_EQ(t.language(), QLocale::English) << name;
        EXPECT_EQ(t.text(QStringLiteral("BUTTON_NO")), english().text(QStringLiteral("BUTTON_NO"))) << name;
    }
    const StringTable german = StringTable::forLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.text(QStringLiteral("POPUP_MEAL_LUNCH")), QStringLiteral("Lunch"));
}

TEST(StringTable, SharedTableFollowsTheUserLocale)
{
    const StringTable &shared = StringTable::shared();
    EXPECT_TRUE(shared.isLoaded());
    EXPECT_EQ(shared.language(), QLocale().language() == QLocale::Italian ? QLocale::Italian : QLocale::English);
    EXPECT_EQ(&shared, &StringTable::shared()) << "loaded once";
}

TEST(StringTable, KeyListsMatchThePopUps)
{
    EXPECT_EQ(StringTable::periodKeys().size(), 10);
    EXPECT_EQ(StringTable::kindKeys().size(), 3);
    EXPECT_EQ(StringTable::mealKeys().size(), 7);
    EXPECT_EQ(StringTable::insulinKeys().size(), 5);
    // Item 0 of the meal and insulin pop-ups is the no-choice item.
    EXPECT_EQ(StringTable::mealKeys().front(), QStringLiteral("POPUP_MEAL_SELECT"));
    EXPECT_EQ(StringTable::insulinKeys().front(), QStringLiteral("POPUP_INSULIN_SELECT"));

    const QStringList &known = StringTable::knownKeys();
    EXPECT_EQ(QSet<QString>(known.begin(), known.end()).size(), known.size()) << "no key listed twice";
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
