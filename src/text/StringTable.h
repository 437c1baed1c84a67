#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The table of every text the user sees, looked up by key ("BUTTON_YES",
// "POPUP_MEAL_BREAKFAST", ...). The texts live in the Linguist translations
// orvane_<language>.ts, built into the program: English, Italian, German,
// French and Spanish, the user's language when it is one of them, English
// for every other.
//
// A key the table lacks answers itself, so a card whose meal holds something
// other than a key shows what it holds.
//
// Pop-up choices are shown as texts but stored as keys (a card's meal and
// insulin, the remembered period and kind); keyForText() turns the text of
// any meal, insulin, period or kind item back into its key.
class StringTable
{
public:
    // The table for the user's locale, loaded on first use.
    static StringTable &shared();
    // The table for a given locale: the first of its languages (see
    // languageFor) that has one.
    static StringTable forLocale(const QLocale &locale);
    // The same, by a locale name such as "it", "de_CH" or "en_US".
    static StringTable forLanguage(const QString &name);
    // The language whose table a locale gets: the first of its user
    // interface languages that has a table (for the system's locale,
    // LANGUAGE's list before LC_ALL, LC_MESSAGES and LANG), else English.
    static QLocale::Language languageFor(const QLocale &locale);
    // The languages that have a table, English first.
    static const QList<QLocale::Language> &languages();

    // The text for a key; the key itself when the table has none.
    QString text(const QString &key) const;
    // The key of a meal, insulin, period or kind item's text; the text itself
    // when it is no such item's text (a key given here also comes back as is).
    QString keyForText(const QString &text) const;

    // The language whose texts were loaded, one of languages().
    QLocale::Language language() const { return m_language; }
    // False when the built-in translation could not be read; every text then
    // answers its key.
    bool isLoaded() const { return m_loaded; }

    // The pop-up items' keys, in the order of their items (the item index is
    // the position here).
    static const QStringList &periodKeys();
    static const QStringList &kindKeys();
    static const QStringList &mealKeys();
    static const QStringList &insulinKeys();
    // Every key that the program looks up, the pop-up items' included.
    static const QStringList &knownKeys();

private:
    StringTable() = default;

    QLocale::Language m_language = QLocale::English;
    bool m_loaded = false;
    QHash<QString, QString> m_texts;
    QHash<QString, QString> m_keysByText;
    std::shared_ptr<const QTranslator> m_translator;
};
