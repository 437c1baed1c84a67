#include "text/StringTable.h"

#include "model/DiaryFile.h"

#include <QTranslator>

namespace {

// The Linguist context that every entry of the string table is filed under.
constexpr char kContext[] = "Orvane";

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

const QStringList &StringTable::knownKeys()
{
    static const QStringList keys = concat({&periodKeys(), &kindKeys(), &mealKeys(), &insulinKeys()},
                                           {
                                               // Buttons and alerts
                                               QStringLiteral("BUTTON_YES"),
                                               QStringLiteral("BUTTON_NO"),
                                               QStringLiteral("BUTTON_ADD"),
                                               QStringLiteral("BUTTON_EDIT"),
                                               QStringLiteral("ALLERT_BUTTON_CANCEL"),
                                               QStringLiteral("ALLERT_BUTTON_REMOVE"),
                                               QStringLiteral("ALLERT_TEXT_MESSAGE_QUIT"),
                                               QStringLiteral("ALLERT_TEXT_MESSAGE_IMPORT"),
                                               QStringLiteral("DATA_INCORRECT"),
                                               QStringLiteral("LIMIT_INPUT_GLYCEMIA"),
                                               QStringLiteral("LIMIT_INPUT_UNIT"),
                                               // Delete sheet
                                               QStringLiteral("DELETE_MSG_MESSAGE"),
                                               QStringLiteral("DELETE_MSG_MESSAGE_INFO"),
                                               QStringLiteral("DELETE_MSG_MESSAGE_PROTECT"),
                                               QStringLiteral("DELETE_MSG_DATE"),
                                               QStringLiteral("DELETE_MSG_INFO_THERAPY"),
                                               QStringLiteral("DELETE_MSG_INFO_MEASURAMENT"),
                                               // Menus, record count, statistics
                                               QStringLiteral("MENU_NOTE_VIEW"),
                                               QStringLiteral("MENU_NOTE_HIDE"),
                                               QStringLiteral("MENU_TOOLBAR_SHOW"),
                                               QStringLiteral("MENU_TOOLBAR_HIDE"),
                                               QStringLiteral("VIEW_NUMBER_RECORD"),
                                               QStringLiteral("ON"),
                                               QStringLiteral("NOT_DISPONBLE"),
                                               // Toolbar, menus and windows
                                               QStringLiteral("TOOLBAR_ADD"),
                                               QStringLiteral("TOOLBAR_EDIT"),
                                               QStringLiteral("TOOLBAR_REMOVE"),
                                               QStringLiteral("TOOLBAR_IMPORT"),
                                               QStringLiteral("TOOLBAR_EXPORT"),
                                               QStringLiteral("TOOLBAR_STATISTICS"),
                                               QStringLiteral("TOOLBAR_NOTE"),
                                               QStringLiteral("TOOLBAR_PERIOD"),
                                               QStringLiteral("TOOLBAR_KIND"),
                                               QStringLiteral("MENU_FILE"),
                                               QStringLiteral("MENU_EDIT"),
                                               QStringLiteral("MENU_VIEW"),
                                               QStringLiteral("MENU_KIND"),
                                               QStringLiteral("MENU_PERIOD"),
                                               QStringLiteral("MENU_ITEM_NEW"),
                                               QStringLiteral("MENU_ITEM_EDIT"),
                                               QStringLiteral("MENU_ITEM_REMOVE"),
                                               QStringLiteral("MENU_ITEM_IMPORT"),
                                               QStringLiteral("MENU_ITEM_EXPORT"),
                                               QStringLiteral("MENU_ITEM_QUIT"),
                                               QStringLiteral("MENU_ITEM_UNDO"),
                                               QStringLiteral("MENU_ITEM_REDO"),
                                               QStringLiteral("UNDO_ADD_MEASUREMENT"),
                                               QStringLiteral("UNDO_ADD_THERAPY"),
                                               QStringLiteral("UNDO_EDIT_MEASUREMENT"),
                                               QStringLiteral("UNDO_EDIT_THERAPY"),
                                               QStringLiteral("UNDO_REMOVE_MEASUREMENT"),
                                               QStringLiteral("UNDO_REMOVE_THERAPY"),
                                               QStringLiteral("UNDO_EDIT_NOTE"),
                                               QStringLiteral("UNDO_IMPORT"),
                                               QStringLiteral("UNDO_IMPORT_REPLACE"),
                                               QStringLiteral("WINDOW_STATISTICS"),
                                               QStringLiteral("WINDOW_NOTE"),
                                               // Statistics panel and table columns
                                               QStringLiteral("STATISTICS_LOWEST"),
                                               QStringLiteral("STATISTICS_MEAN"),
                                               QStringLiteral("STATISTICS_HIGHEST"),
                                               QStringLiteral("STATISTICS_GLYCEMIA"),
                                               QStringLiteral("STATISTICS_PRE_MEAL"),
                                               QStringLiteral("STATISTICS_POST_MEAL"),
                                               QStringLiteral("STATISTICS_UNITS"),
                                               QStringLiteral("COLUMN_dateMeasurement"),
                                               QStringLiteral("COLUMN_nameMeal"),
                                               QStringLiteral("COLUMN_isPreMeal"),
                                               QStringLiteral("COLUMN_glycemiaValue"),
                                               QStringLiteral("COLUMN_unitValue"),
                                               QStringLiteral("COLUMN_nameInsulin"),
                                               QStringLiteral("COLUMN_isTherapy"),
                                               QStringLiteral("COLUMN_isProtect"),
                                               QStringLiteral("COLUMN_notes"),
                                               // Edit and delete sheets
                                               QStringLiteral("EDIT_DATE"),
                                               QStringLiteral("EDIT_THERAPY"),
                                               QStringLiteral("EDIT_PROTECT"),
                                               QStringLiteral("EDIT_MEAL"),
                                               QStringLiteral("EDIT_PRE_MEAL"),
                                               QStringLiteral("EDIT_GLYCEMIA"),
                                               QStringLiteral("EDIT_INSULIN"),
                                               QStringLiteral("EDIT_UNITS"),
                                               QStringLiteral("EDIT_NOTE"),
                                               QStringLiteral("WINDOW_EDIT_ADD"),
                                               QStringLiteral("WINDOW_EDIT_EDIT"),
                                               QStringLiteral("WINDOW_DELETE"),
                                               // The diary file
                                               QStringLiteral("ALERT_DIARY_KEPT_ASIDE"),
                                               QStringLiteral("ALERT_DIARY_KEPT_ASIDE_INFO"),
                                               QStringLiteral("ALERT_DIARY_BLOCKED"),
                                               QStringLiteral("ALERT_DIARY_BLOCKED_INFO"),
                                               QStringLiteral("ALERT_SAVE_FAILED"),
                                               QStringLiteral("ALERT_SAVE_FAILED_INFO"),
                                               QStringLiteral("ALERT_SAVE_BLOCKED_INFO"),
                                               QStringLiteral("SAVE_REASON_DISK_FULL"),
                                               QStringLiteral("SAVE_REASON_READ_ONLY"),
                                               QStringLiteral("SAVE_REASON_NO_PERMISSION"),
                                               QStringLiteral("SAVE_REASON_TOO_LARGE"),
                                               QStringLiteral("SAVE_REASON_DEVICE"),
                                               // The toolbar's menu, one program per diary
                                               QStringLiteral("TOOLBAR_MODE_ICON_AND_TEXT"),
                                               QStringLiteral("TOOLBAR_MODE_ICON"),
                                               QStringLiteral("TOOLBAR_MODE_TEXT"),
                                               QStringLiteral("TOOLBAR_MODE_SMALL"),
                                               QStringLiteral("ALERT_DIARY_IN_USE"),
                                               QStringLiteral("ALERT_DIARY_IN_USE_INFO"),
                                               QStringLiteral("ALERT_NO_HOME"),
                                               QStringLiteral("ALERT_NO_HOME_INFO"),
                                               // Import and export
                                               QStringLiteral("BUTTON_CONTINUE"),
                                               QStringLiteral("WINDOW_EXPORT"),
                                               QStringLiteral("EXPORT_MESSAGE"),
                                               QStringLiteral("EXPORT_FORMAT_ORV"),
                                               QStringLiteral("EXPORT_FORMAT_CSV"),
                                               QStringLiteral("EXPORT_FORMAT_REALSTUDIO"),
                                               QStringLiteral("ALERT_EXPORT_FAILED"),
                                               QStringLiteral("ALERT_EXPORT_FAILED_INFO"),
                                               QStringLiteral("ALERT_EXPORT_OVER_DIARY_INFO"),
                                               QStringLiteral("ALERT_IMPORT_NOTHING"),
                                               QStringLiteral("IMPORT_NOT_IMPORTABLE"),
                                               QStringLiteral("IMPORT_UNREADABLE"),
                                               QStringLiteral("IMPORT_NOT_UTF8"),
                                               QStringLiteral("IMPORT_NOT_RECOGNISED"),
                                               QStringLiteral("IMPORT_NONE_READABLE"),
                                               QStringLiteral("IMPORT_NO_RECORDS"),
                                               QStringLiteral("IMPORT_NO_CARDS"),
                                               QStringLiteral("IMPORT_ALL_KNOWN"),
                                               // Trends window and report
                                               QStringLiteral("TOOLBAR_TRENDS"),
                                               QStringLiteral("WINDOW_TRENDS"),
                                               QStringLiteral("MENU_ITEM_REPORT"),
                                               QStringLiteral("TRENDS_UNIT"),
                                               QStringLiteral("TRENDS_CHART_GLYCEMIA"),
                                               QStringLiteral("TRENDS_CHART_INSULIN"),
                                               QStringLiteral("TRENDS_CHART_MODAL_DAY"),
                                               QStringLiteral("TRENDS_SERIES_READINGS"),
                                               QStringLiteral("TRENDS_SERIES_TARGET"),
                                               QStringLiteral("TRENDS_SERIES_LOW"),
                                               QStringLiteral("TRENDS_SERIES_VERY_LOW"),
                                               QStringLiteral("TRENDS_SERIES_MEDIAN"),
                                               QStringLiteral("TRENDS_SERIES_P25_P75"),
                                               QStringLiteral("TRENDS_SERIES_P5_P95"),
                                               QStringLiteral("TRENDS_AXIS_HOUR"),
                                               QStringLiteral("TRENDS_FIGURES_READINGS"),
                                               QStringLiteral("TRENDS_FIGURES_DAYS"),
                                               QStringLiteral("TRENDS_FIGURES_DAYS_VALUE"),
                                               QStringLiteral("TRENDS_FIGURES_MEAN"),
                                               QStringLiteral("TRENDS_FIGURES_MEDIAN"),
                                               QStringLiteral("TRENDS_FIGURES_SD"),
                                               QStringLiteral("TRENDS_FIGURES_CV"),
                                               QStringLiteral("TRENDS_FIGURES_CV_HIGH"),
                                               QStringLiteral("TRENDS_FIGURES_SHARES"),
                                               QStringLiteral("TRENDS_FIGURES_SHARES_NOTE"),
                                               QStringLiteral("TRENDS_BAND_BELOW"),
                                               QStringLiteral("TRENDS_BAND_BETWEEN"),
                                               QStringLiteral("TRENDS_BAND_ABOVE"),
                                               QStringLiteral("TRENDS_FIGURES_HYPO"),
                                               QStringLiteral("TRENDS_FIGURES_HYPO_VALUE"),
                                               QStringLiteral("TRENDS_FIGURES_A1C"),
                                               QStringLiteral("TRENDS_FIGURES_GMI"),
                                               QStringLiteral("TRENDS_FIGURES_A1C_VALUE"),
                                               QStringLiteral("TRENDS_FIGURES_UNRELIABLE"),
                                               QStringLiteral("TRENDS_FIGURES_INSULIN"),
                                               QStringLiteral("TRENDS_FIGURES_UNITS_A_DAY"),
                                               QStringLiteral("TRENDS_FIGURES_DOSES_A_DAY"),
                                               QStringLiteral("TRENDS_FIGURES_UNITS_MEAL"),
                                               QStringLiteral("TRENDS_FIGURES_NO_MEAL"),
                                               QStringLiteral("REPORT_TITLE"),
                                               QStringLiteral("REPORT_SPAN"),
                                               QStringLiteral("REPORT_MADE_ON"),
                                               QStringLiteral("REPORT_LOGBOOK"),
                                               QStringLiteral("REPORT_DAY"),
                                               QStringLiteral("REPORT_OTHER"),
                                               QStringLiteral("REPORT_OTHER_UNITS"),
                                               QStringLiteral("REPORT_PAGE"),
                                               QStringLiteral("REPORT_NO_CARDS"),
                                               QStringLiteral("REPORT_MANY_VALUES"),
                                               QStringLiteral("ALERT_REPORT_FAILED"),
                                               QStringLiteral("ALERT_REPORT_FAILED_INFO"),
                                               // The ways out, the file panels
                                               QStringLiteral("SAVE_BLOCKED_REASON"),
                                               QStringLiteral("ALERT_QUIT_SAVE_FAILED"),
                                               QStringLiteral("ALERT_QUIT_SAVE_FAILED_INFO"),
                                               QStringLiteral("BUTTON_TRY_AGAIN"),
                                               QStringLiteral("BUTTON_SAVE_ELSEWHERE"),
                                               QStringLiteral("BUTTON_QUIT_WITHOUT_SAVING"),
                                               QStringLiteral("ALERT_SAVED_ELSEWHERE"),
                                               QStringLiteral("ALERT_SAVED_ELSEWHERE_INFO"),
                                               QStringLiteral("ALERT_RECOVERED"),
                                               QStringLiteral("ALERT_RECOVERED_INFO"),
                                               QStringLiteral("PANEL_IMPORT"),
                                               QStringLiteral("PANEL_EXPORT"),
                                               QStringLiteral("PANEL_REPORT"),
                                               QStringLiteral("PANEL_SAVE_ELSEWHERE"),
                                               QStringLiteral("FILTER_ORV"),
                                               QStringLiteral("FILTER_CSV"),
                                           });
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

StringTable StringTable::forLocale(const QLocale &locale)
{
    StringTable table;
    table.m_language = locale.language() == QLocale::Italian ? QLocale::Italian : QLocale::English;
    const QString file = table.m_language == QLocale::Italian ? QStringLiteral(":/i18n/orvane_it.qm")
                                                              : QStringLiteral(":/i18n/orvane_en.qm");
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
