#include "text/StringTable.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

const QString kTranslations = QStringLiteral(ORVANE_TRANSLATIONS_DIR);

// "en", "de", ...: the name of a language's Linguist file, orvane_<code>.ts.
QString codeOf(QLocale::Language language)
{
    return QLocale::languageToCode(language);
}

const StringTable &tableOf(QLocale::Language language)
{
    static std::map<QLocale::Language, StringTable> tables;
    auto it = tables.find(language);
    if (it == tables.end())
        it = tables.emplace(language, StringTable::forLocale(QLocale(language))).first;
    return it->second;
}

QStringList itemKeys()
{
    return StringTable::periodKeys() + StringTable::kindKeys() + StringTable::mealKeys() + StringTable::insulinKeys();
}

// One message of a Linguist file: its translation, and whether Linguist
// counts it as done (no type="unfinished", "vanished" or "obsolete").
struct Message {
    QString text;
    bool finished = true;
};

// The messages of a Linguist file by key; a key given twice, a message
// without its source or translation, or a file that is not well-formed
// puts what is wrong in *fault.
std::map<QString, Message> readLinguistFile(const QString &path, QString *fault)
{
    std::map<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *fault = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString source;
    std::optional<Message> message;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("message")) {
            source.clear();
            message.reset();
        } else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            message = Message{xml.readElementText(), finished};
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("message")) {
            if (source.isEmpty() || !message)
                fault->append(QStringLiteral("a message without source or translation after %1; ").arg(source));
            else if (!messages.emplace(source, *message).second)
                fault->append(QStringLiteral("%1 twice; ").arg(source));
        }
    }
    if (xml.hasError())
        fault->append(QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString()));
    return messages;
}

const std::map<QString, Message> &linguistFile(QLocale::Language language)
{
    static std::map<QLocale::Language, std::map<QString, Message>> files;
    auto it = files.find(language);
    if (it == files.end()) {
        QString fault;
        const QString path = kTranslations + QStringLiteral("/orvane_%1.ts").arg(codeOf(language));
        it = files.emplace(language, readLinguistFile(path, &fault)).first;
        EXPECT_TRUE(fault.isEmpty()) << path.toStdString() << ": " << fault.toStdString();
    }
    return it->second;
}

// The placeholders of a text, sorted: QString::arg's %1 to %99 (and %L1),
// the plural %n and %Ln, and printf's conversions such as %lu or %s.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(%(?:L?[0-9]{1,2}|L?n|[-+#0]*[0-9]*(?:\.[0-9]+)?(?:hh|h|ll|l|z|j|t)?[diouxXeEfgGcsp]|%))"));
    QStringList found;
    for (const QRegularExpressionMatch &m : pattern.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

// The words of a text, placeholders and symbols aside.
qsizetype wordCount(const QString &text)
{
    static const QRegularExpression word(QStringLiteral(R"((?<![%\w])\p{L}{2,})"));
    qsizetype count = 0;
    for (auto it = word.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

// The keyboard accelerator of a menu title ("&File" gives "f"); "&&" is a
// plain "&". Empty for none, "?" for more than one.
QString mnemonicOf(const QString &text)
{
    QString found;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        if (!found.isEmpty())
            return QStringLiteral("?");
        found = text[i + 1].toLower();
    }
    return found;
}

class EveryLanguage : public ::testing::TestWithParam<QLocale::Language>
{
protected:
    const StringTable &table() const { return tableOf(GetParam()); }
    const std::map<QString, Message> &file() const { return linguistFile(GetParam()); }
};

TEST(StringTable, EachUserLanguageGetsItsTableAndEveryOtherEnglish)
{
    const std::pair<const char *, QLocale::Language> cases[] = {
        {"en_GB", QLocale::English}, {"it_CH", QLocale::Italian}, {"it", QLocale::Italian},
        {"de_AT", QLocale::German},  {"fr_CA", QLocale::French},  {"es_MX", QLocale::Spanish},
        {"ca_ES", QLocale::English}, {"pt_BR", QLocale::English}, {"C", QLocale::English},
    };
    for (const auto &[name, language] : cases) {
        const StringTable t = StringTable::forLanguage(QString::fromLatin1(name));
        ASSERT_TRUE(t.isLoaded()) << name;
        EXPECT_EQ(t.language(), language) << name;
        EXPECT_EQ(t.text(QStringLiteral("BUTTON_NO")), tableOf(language).text(QStringLiteral("BUTTON_NO"))) << name;
    }
    // Each language's own words, so that no table is another's file.
    const std::pair<QLocale::Language, const char *> words[] = {
        {QLocale::English, "n/a"}, {QLocale::Italian, "n.d."}, {QLocale::German, "k. A."},
        {QLocale::French, "n.d."}, {QLocale::Spanish, "n/d"},
    };
    for (const auto &[language, word] : words)
        EXPECT_EQ(tableOf(language).text(QStringLiteral("NOT_DISPONBLE")), QString::fromUtf8(word)) << word;
}

TEST(StringTable, KeysAreListedOnceAndTheItemsAmongThem)
{
    // Item 0 of the meal and insulin pop-ups is the no-choice item.
    EXPECT_EQ(StringTable::mealKeys().front(), QStringLiteral("POPUP_MEAL_SELECT"));
    EXPECT_EQ(StringTable::insulinKeys().front(), QStringLiteral("POPUP_INSULIN_SELECT"));
    const QStringList &known = StringTable::knownKeys();
    EXPECT_EQ(QSet<QString>(known.begin(), known.end()).size(), known.size());
    for (const QString &key : itemKeys())
        EXPECT_TRUE(known.contains(key)) << key.toStdString();
}

TEST(StringTable, EveryLinguistFileIsALanguageOfTheTable)
{
    QStringList expected;
    for (QLocale::Language language : StringTable::languages())
        expected << QStringLiteral("orvane_%1.ts").arg(codeOf(language));
    expected.sort();
    EXPECT_EQ(QDir(kTranslations).entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name), expected);
    EXPECT_EQ(StringTable::languages().front(), QLocale::English);
}

TEST_P(EveryLanguage, TheLinguistFileTranslatesEveryKeyAndNoOther)
{
    const std::map<QString, Message> &source = linguistFile(QLocale::English);
    const QStringList &known = StringTable::knownKeys();
    for (const QString &key : known) {
        const auto it = file().find(key);
        if (it == file().end()) {
            ADD_FAILURE() << key.toStdString() << " is missing";
            continue;
        }
        const QString &text = it->second.text;
        EXPECT_TRUE(it->second.finished) << key.toStdString() << " is marked unfinished";
        EXPECT_FALSE(text.trimmed().isEmpty()) << key.toStdString() << " is empty";
        EXPECT_NE(text, key) << key.toStdString() << " is its own translation";
        // A word may be the same in two languages ("Insulin", "Import"); a
        // phrase the same as the English one is English left in.
        const auto en = source.find(key);
        if (GetParam() != QLocale::English && en != source.end() && text == en->second.text) {
            EXPECT_LT(wordCount(text), 3) << key.toStdString() << " is left in English: " << text.toStdString();
        }
    }
    for (const auto &[key, message] : file())
        EXPECT_TRUE(known.contains(key)) << key.toStdString() << " is not looked up by the program";
}

TEST_P(EveryLanguage, PlaceholdersAndAcceleratorsAreThoseOfEnglish)
{
    const std::map<QString, Message> &source = linguistFile(QLocale::English);
    for (const auto &[key, message] : file()) {
        const auto it = source.find(key);
        if (it == source.end())
            continue; // told by the test above
        const QString &en = it->second.text;
        EXPECT_EQ(placeholders(message.text).join(u' ').toStdString(), placeholders(en).join(u' ').toStdString())
            << key.toStdString() << ": " << message.text.toStdString();
        const QString mnemonic = mnemonicOf(message.text);
        EXPECT_NE(mnemonic, QStringLiteral("?")) << key.toStdString() << " has two accelerators";
        EXPECT_EQ(mnemonic.isEmpty(), mnemonicOf(en).isEmpty())
            << key.toStdString() << ": " << message.text.toStdString();
    }
    // The menu bar's titles are told apart by their accelerators.
    QSet<QString> seen;
    for (const char *key : {"MENU_FILE", "MENU_EDIT", "MENU_VIEW"}) {
        const QString mnemonic = mnemonicOf(table().text(QString::fromLatin1(key)));
        EXPECT_FALSE(seen.contains(mnemonic)) << key << " shares its accelerator " << mnemonic.toStdString();
        seen.insert(mnemonic);
    }
}

TEST_P(EveryLanguage, EveryKnownKeyHasItsOwnText)
{
    // Through the file built into the program, as the program reads it.
    ASSERT_TRUE(table().isLoaded());
    EXPECT_EQ(table().language(), GetParam());
    for (const QString &key : StringTable::knownKeys()) {
        const std::string text = table().text(key).toStdString();
        EXPECT_NE(text, key.toStdString()) << "no text";
        const auto it = file().find(key);
        if (it != file().end()) {
            EXPECT_EQ(text, it->second.text.toStdString())
                << key.toStdString() << ": the built table is not the file's";
        }
    }
}

TEST_P(EveryLanguage, ItemTextsReadBackAsTheirKeys)
{
    QSet<QString> seen;
    for (const QString &key : itemKeys()) {
        const QString text = table().text(key);
        EXPECT_FALSE(seen.contains(text)) << "two items show " << text.toStdString();
        seen.insert(text);
        EXPECT_EQ(table().keyForText(text), key) << text.toStdString();
    }
}

TEST_P(EveryLanguage, TextsThatTellAModeApartDiffer)
{
    // The edit sheet reads its mode back from the action button's title,
    // and the panel and toolbar items show their state by their titles.
    const std::pair<const char *, const char *> pairs[] = {
        {"BUTTON_ADD", "BUTTON_EDIT"},              {"MENU_NOTE_VIEW", "MENU_NOTE_HIDE"},
        {"MENU_TOOLBAR_SHOW", "MENU_TOOLBAR_HIDE"}, {"BUTTON_YES", "BUTTON_NO"},
    };
    for (const auto &[one, other] : pairs)
        EXPECT_NE(table().text(QString::fromLatin1(one)), table().text(QString::fromLatin1(other))) << one;
}

TEST_P(EveryLanguage, UnknownEntriesAnswerThemselves)
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

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::ValuesIn(StringTable::languages()),
                         [](const ::testing::TestParamInfo<QLocale::Language> &language) {
                             return codeOf(language.param).toStdString();
                         });

} // namespace
