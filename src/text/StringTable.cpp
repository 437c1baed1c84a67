#include "text/StringTable.h"

#include "model/DiaryFile.h"

#include <QTranslator>

namespace {

// The Linguist context that every entry of the string table is filed under.
constexpr char kContext[] = "Orvane";

// The languages that have a table, and the name of their built-in file
// (:/i18n/orvane_<name>.qm). English is the table of every other language.
struct Translation {
    QLocale::Language language;
    const char *name;
};
constexpr Translation kTranslations[] = {
    {QLocale::English, "en"}, {QLocale::Italian, "it"}, {QLocale::German, "de"},
    {QLocale::French, "fr"},  {QLocale::Spanish, "es"},
};

const Translation *translationOf(QLocale::Language language)
{
    for (const Translation &t : kTranslations) {
        if (t.language == language)
            return &t;
    }
    return nullptr;
}

QStringList concat(std::initializer_list<const QStringList *> lists, const QStringList &more)
{
    QStringList all;
    for (const QStringList *l : lists)
        all += *l;
    all += more;
    return all;
}

} // namespace

const QStringList &StringTable::periodKeys()
{
    static const QStringList keys{
        QStringLiteral("POPUP_PERIOD_EVERYDAY"),       QStringLiteral("POPUP_PERIOD_TODAY"),
        QStringLiteral("POPUP_PERIOD_YESTERDAY"),      QStringLiteral("POPUP_PERIOD_WEEK"),
        QStringLiteral("POPUP_PERIOD_MONTH"),          QStringLiteral("POPUP_PERIOD_YEAR"),
        QStringLiteral("POPUP_PERIOD_MEASUREMENT10"),  QStringLiteral("POPUP_PERIOD_MEASUREMENT20"),
        QStringLiteral("POPUP_PERIOD_MEASUREMENT50"),  QStringLiteral("POPUP_PERIOD_MEASUREMENT100"),
    };
    return keys;
}

const QStringList &StringTable::kindKeys()
{
    static const QStringList keys{
        QStringLiteral("POPUP_MEASURAMENT_ALL"),
        QStringLiteral("POPUP_MEASURAMENT_BLOOD"),
        QStringLiteral("POPUP_MEASURAMENT_TERAPIES"),
    };
    return keys;
}

const QStringList &StringTable::mealKeys()
{
    static const QStringList keys{
        QStringLiteral("POPUP_MEAL_SELECT"),  QStringLiteral("POPUP_MEAL_BREAKFAST"),
        QStringLiteral("POPUP_MEAL_LUNCH"),   QStringLiteral("POPUP_MEAL_DINNER"),
        QStringLiteral("POPUP_MEAL_CONTROL"), QStringLiteral("POPUP_MEAL_BASAL"),
        QStringLiteral("POPUP_MEAL_CORRECTION"),
    };
    return keys;
}

const QStringList &StringTable::insulinKeys()
{
    static const QStringList keys{
        QStringLiteral("POPUP_INSULIN_SELECT"), QStringLiteral("POPUP_INSULIN_SLOW"),
        QStringLiteral("POPUP_INSULIN_NORMAL"), QStringLiteral("POPUP_INSULIN_QUICK"),
        QStringLiteral("POPUP_INSULIN_MIXED"),
    };
    return keys;
}

namespace {
// Every key the program looks up besides the pop-up items'.
constexpr const char *kOtherKeys[] = {
    // Buttons and alerts
    "BUTTON_YES",
    "BUTTON_NO",
    "BUTTON_ADD",
    "BUTTON_EDIT",
    "ALLERT_BUTTON_CANCEL",
    "ALLERT_BUTTON_REMOVE",
    "ALLERT_TEXT_MESSAGE_QUIT",
    "ALLERT_TEXT_MESSAGE_IMPORT",
    "DATA_INCORRECT",
    "LIMIT_INPUT_GLYCEMIA",
    "LIMIT_INPUT_GLYCEMIA_MMOL",
    "LIMIT_INPUT_UNIT",
    // Delete sheet
    "DELETE_MSG_MESSAGE",
    "DELETE_MSG_MESSAGE_INFO",
    "DELETE_MSG_MESSAGE_PROTECT",
    "DELETE_MSG_DATE",
    "DELETE_MSG_INFO_THERAPY",
    "DELETE_MSG_INFO_MEASURAMENT",
    // Menus, record count, statistics
    "MENU_NOTE_VIEW",
    "MENU_NOTE_HIDE",
    "MENU_TOOLBAR_SHOW",
    "MENU_TOOLBAR_HIDE",
    "VIEW_NUMBER_RECORD",
    "ON",
    "NOT_DISPONBLE",
    // Toolbar, menus and windows
    "TOOLBAR_ADD",
    "TOOLBAR_EDIT",
    "TOOLBAR_REMOVE",
    "TOOLBAR_IMPORT",
    "TOOLBAR_EXPORT",
    "TOOLBAR_STATISTICS",
    "TOOLBAR_NOTE",
    "TOOLBAR_PERIOD",
    "TOOLBAR_KIND",
    "MENU_FILE",
    "MENU_EDIT",
    "MENU_VIEW",
    "MENU_KIND",
    "MENU_PERIOD",
    // The unit every glycemia is shown and typed in
    "MENU_GLYCEMIA_UNIT",
    "MENU_UNIT_MGDL",
    "MENU_UNIT_MMOL",
    "LABEL_GLYCEMIA_UNIT",
    "MENU_ITEM_NEW",
    "MENU_ITEM_EDIT",
    "MENU_ITEM_REMOVE",
    "MENU_ITEM_IMPORT",
    "MENU_ITEM_EXPORT",
    "MENU_ITEM_QUIT",
    "MENU_ITEM_UNDO",
    "MENU_ITEM_REDO",
    "UNDO_ADD_MEASUREMENT",
    "UNDO_ADD_THERAPY",
    "UNDO_EDIT_MEASUREMENT",
    "UNDO_EDIT_THERAPY",
    "UNDO_REMOVE_MEASUREMENT",
    "UNDO_REMOVE_THERAPY",
    "UNDO_EDIT_NOTE",
    "UNDO_IMPORT",
    "UNDO_IMPORT_REPLACE",
    "WINDOW_STATISTICS",
    "WINDOW_NOTE",
    // Statistics panel and table columns
    "STATISTICS_LOWEST",
    "STATISTICS_MEAN",
    "STATISTICS_HIGHEST",
    "STATISTICS_GLYCEMIA",
    "STATISTICS_PRE_MEAL",
    "STATISTICS_POST_MEAL",
    "STATISTICS_UNITS",
    "COLUMN_dateMeasurement",
    "COLUMN_nameMeal",
    "COLUMN_isPreMeal",
    "COLUMN_unitValue",
    "COLUMN_nameInsulin",
    "COLUMN_isTherapy",
    "COLUMN_isProtect",
    "COLUMN_notes",
    // Edit and delete sheets
    "EDIT_DATE",
    "EDIT_THERAPY",
    "EDIT_PROTECT",
    "EDIT_MEAL",
    "EDIT_PRE_MEAL",
    "EDIT_INSULIN",
    "EDIT_UNITS",
    "EDIT_NOTE",
    "WINDOW_EDIT_ADD",
    "WINDOW_EDIT_EDIT",
    "WINDOW_DELETE",
    // The diary file
    "ALERT_DIARY_KEPT_ASIDE",
    "ALERT_DIARY_KEPT_ASIDE_INFO",
    "ALERT_DIARY_BLOCKED",
    "ALERT_DIARY_BLOCKED_INFO",
    "ALERT_SAVE_FAILED",
    "ALERT_SAVE_FAILED_INFO",
    "ALERT_SAVE_BLOCKED_INFO",
    "SAVE_REASON_DISK_FULL",
    "SAVE_REASON_READ_ONLY",
    "SAVE_REASON_NO_PERMISSION",
    "SAVE_REASON_TOO_LARGE",
    "SAVE_REASON_DEVICE",
    // The toolbar's menu, one program per diary
    "TOOLBAR_MODE_ICON_AND_TEXT",
    "TOOLBAR_MODE_ICON",
    "TOOLBAR_MODE_TEXT",
    "TOOLBAR_MODE_SMALL",
    "ALERT_DIARY_IN_USE",
    "ALERT_DIARY_IN_USE_INFO",
    "ALERT_NO_HOME",
    "ALERT_NO_HOME_INFO",
    // Import and export
    "BUTTON_CONTINUE",
    "WINDOW_EXPORT",
    "EXPORT_MESSAGE",
    "EXPORT_FORMAT_ORV",
    "EXPORT_FORMAT_CSV",
    "EXPORT_FORMAT_REALSTUDIO",
    "ALERT_EXPORT_FAILED",
    "ALERT_EXPORT_FAILED_INFO",
    "ALERT_EXPORT_OVER_DIARY_INFO",
    "ALERT_IMPORT_NOTHING",
    "IMPORT_UNREADABLE",
    "IMPORT_NOT_UTF8",
    "IMPORT_NOT_RECOGNISED",
    "IMPORT_NONE_READABLE",
    "IMPORT_NO_RECORDS",
    "IMPORT_NO_CARDS",
    "IMPORT_ALL_KNOWN",
    // Trends window and report
    "TOOLBAR_TRENDS",
    "WINDOW_TRENDS",
    "MENU_ITEM_REPORT",
    "TRENDS_UNIT",
    "TRENDS_CHART_GLYCEMIA",
    "TRENDS_CHART_INSULIN",
    "TRENDS_CHART_MODAL_DAY",
    "TRENDS_SERIES_READINGS",
    "TRENDS_SERIES_TARGET",
    "TRENDS_SERIES_LOW",
    "TRENDS_SERIES_VERY_LOW",
    "TRENDS_SERIES_MEDIAN",
    "TRENDS_SERIES_P25_P75",
    "TRENDS_SERIES_P5_P95",
    "TRENDS_AXIS_HOUR",
    "TRENDS_FIGURES_READINGS",
    "TRENDS_FIGURES_DAYS",
    "TRENDS_FIGURES_DAYS_VALUE",
    "TRENDS_FIGURES_MEAN",
    "TRENDS_FIGURES_MEDIAN",
    "TRENDS_FIGURES_SD",
    "TRENDS_FIGURES_CV",
    "TRENDS_FIGURES_CV_HIGH",
    "TRENDS_FIGURES_SHARES",
    "TRENDS_FIGURES_SHARES_NOTE",
    "TRENDS_BAND_BELOW",
    "TRENDS_BAND_BETWEEN",
    "TRENDS_BAND_ABOVE",
    "TRENDS_FIGURES_HYPO",
    "TRENDS_FIGURES_HYPO_VALUE",
    "TRENDS_FIGURES_A1C",
    "TRENDS_FIGURES_GMI",
    "TRENDS_FIGURES_A1C_VALUE",
    "TRENDS_FIGURES_UNRELIABLE",
    "TRENDS_FIGURES_INSULIN",
    "TRENDS_FIGURES_UNITS_A_DAY",
    "TRENDS_FIGURES_DOSES_A_DAY",
    "TRENDS_FIGURES_UNITS_MEAL",
    "TRENDS_FIGURES_NO_MEAL",
    "REPORT_TITLE",
    "REPORT_SPAN",
    "REPORT_MADE_ON",
    "REPORT_LOGBOOK",
    "REPORT_DAY",
    "REPORT_OTHER",
    "REPORT_OTHER_UNITS",
    "REPORT_PAGE",
    "REPORT_NO_CARDS",
    "REPORT_MANY_VALUES",
    "ALERT_REPORT_FAILED",
    "ALERT_REPORT_FAILED_INFO",
    // The sensor's readings: the AGP in the trends window and the report
    "TRENDS_SERIES_SENSOR",
    "TRENDS_SERIES_FINGER_STICKS",
    "AGP_CHART",
    "AGP_SENSOR",
    "AGP_FROM",
    "AGP_TO",
    "AGP_PROFILE",
    "AGP_PROFILE_STANDARD",
    "AGP_PROFILE_OLDER",
    "AGP_PROFILE_OF",
    "AGP_NOT_SUFFICIENT",
    "AGP_NO_READINGS",
    "AGP_TARGET_AT_LEAST",
    "AGP_TARGET_BELOW",
    "AGP_MET",
    "AGP_MISSED",
    "AGP_SENSOR_ACTIVE",
    "AGP_TIME_IN_RANGE",
    "AGP_TIME_IN_TIGHT_RANGE",
    "AGP_TIME_ABOVE_RANGE",
    "AGP_TIME_VERY_HIGH",
    "AGP_TIME_BELOW_RANGE",
    "AGP_TIME_VERY_LOW",
    "AGP_BAND_VERY_HIGH",
    "AGP_BAND_HIGH",
    "AGP_BAND_IN_RANGE",
    "AGP_BAND_LOW",
    "AGP_BAND_VERY_LOW",
    "AGP_RANGES",
    "AGP_PERIOD",
    "AGP_DAILY",
    "AGP_DAILY_MORE",
    "AGP_TAB_OVERVIEW",
    // The ways out, the file panels
    "SAVE_BLOCKED_REASON",
    "ALERT_QUIT_SAVE_FAILED",
    "ALERT_QUIT_SAVE_FAILED_INFO",
    "BUTTON_TRY_AGAIN",
    "BUTTON_SAVE_ELSEWHERE",
    "BUTTON_QUIT_WITHOUT_SAVING",
    "ALERT_SAVED_ELSEWHERE",
    "ALERT_SAVED_ELSEWHERE_INFO",
    "ALERT_RECOVERED",
    "ALERT_RECOVERED_INFO",
    "BUTTON_IMPORT",
    "IMPORT_READING",
    "IMPORT_SUMMARY",
    "IMPORT_SUMMARY_NOTHING_NEW",
    "IMPORT_SUMMARY_SPAN",
    "IMPORT_SUMMARY_NEW",
    "IMPORT_SUMMARY_KNOWN",
    "IMPORT_SUMMARY_SKIPPED",
    "IMPORT_SUMMARY_NOT_UNDERSTOOD",
    "IMPORT_FOREIGN_BINARY",
    "IMPORT_FOREIGN_UNKNOWN",
    "IMPORT_FOREIGN_UNSUPPORTED",
    "IMPORT_FOREIGN_TRUNCATED",
    "IMPORT_FOREIGN_JUNK",
    "IMPORT_FOREIGN_BAD_DATE",
    "IMPORT_FOREIGN_TOO_LONG",
    "IMPORT_FOREIGN_TOO_LARGE",
    "IMPORT_FOREIGN_NOTHING",
    "IMPORT_FOREIGN_WRITE_FAILED",
    "IMPORT_FOREIGN_WRITE_FAILED_INFO",
    "PANEL_IMPORT",
    "PANEL_EXPORT",
    "PANEL_REPORT",
    "PANEL_SAVE_ELSEWHERE",
    "FILTER_ORV",
    "FILTER_CSV",
};
} // namespace

const QStringList &StringTable::knownKeys()
{
    static const QStringList keys = [] {
        QStringList more;
        for (const char *key : kOtherKeys)
            more << QString::fromLatin1(key);
        return concat({&periodKeys(), &kindKeys(), &mealKeys(), &insulinKeys()}, more);
    }();
    return keys;
}

StringTable &StringTable::shared()
{
    static StringTable table = [] {
        StringTable loaded = forLocale(QLocale());
        // The diary file tells why a write failed in the user's language.
        DiaryFile::setReasonLookup([](const QString &key) { return shared().text(key); });
        return loaded;
    }();
    return table;
}

StringTable StringTable::forLanguage(const QString &name)
{
    return forLocale(QLocale(name));
}

const QList<QLocale::Language> &StringTable::languages()
{
    static const QList<QLocale::Language> all = [] {
        QList<QLocale::Language> list;
        for (const Translation &t : kTranslations)
            list << t.language;
        return list;
    }();
    return all;
}

QLocale::Language StringTable::languageFor(const QLocale &locale)
{
    // The C locale chooses no language; as with gettext, LANGUAGE is not
    // read then.
    if (locale.language() == QLocale::C)
        return QLocale::English;
    // The user's languages in the order of preference: for the system's
    // locale, LANGUAGE's list when it is set, else the language of LC_ALL,
    // LC_MESSAGES or LANG. The first with a table wins.
    for (const QString &name : locale.uiLanguages()) {
        if (const Translation *t = translationOf(QLocale(name).language()))
            return t->language;
    }
    return QLocale::English;
}

StringTable StringTable::forLocale(const QLocale &locale)
{
    StringTable table;
    table.m_language = languageFor(locale);
    const QString file =
        QStringLiteral(":/i18n/orvane_%1.qm").arg(QLatin1String(translationOf(table.m_language)->name));
    auto translator = std::make_shared<QTranslator>();
    table.m_loaded = translator->load(file);
    if (!table.m_loaded)
        return table;
    table.m_translator = std::move(translator);

    // The known keys are read once; the translator stays for any other key.
    for (const QString &key : knownKeys()) {
        const QString text = table.m_translator->translate(kContext, key.toUtf8().constData());
        if (!text.isEmpty())
            table.m_texts.insert(key, text);
    }
    // The reverse entries. Should two items ever share a text, the earlier
    // item keeps it.
    for (const QStringList *items : {&periodKeys(), &kindKeys(), &mealKeys(), &insulinKeys()}) {
        for (const QString &key : *items) {
            const auto it = table.m_texts.constFind(key);
            if (it != table.m_texts.cend() && !table.m_keysByText.contains(*it))
                table.m_keysByText.insert(*it, key);
        }
    }
    return table;
}

QString StringTable::text(const QString &key) const
{
    if (const auto it = m_texts.constFind(key); it != m_texts.cend())
        return *it;
    if (m_translator && !key.isEmpty()) {
        const QString found = m_translator->translate(kContext, key.toUtf8().constData());
        if (!found.isEmpty())
            return found;
    }
    return key;
}

QString StringTable::keyForText(const QString &text) const
{
    return m_keysByText.value(text, text);
}
