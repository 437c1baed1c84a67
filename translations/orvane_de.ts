<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Orvane</name>
    <message>
        <extracomment>Period pop-up. No two pop-up items (period, kind, meal, insulin) may share a text: the shown text is read back into its key.</extracomment>
        <source>POPUP_PERIOD_EVERYDAY</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_TODAY</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_YESTERDAY</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <extracomment>Today and the 6 days before it.</extracomment>
        <source>POPUP_PERIOD_WEEK</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <extracomment>Today and the 29 days before it.</extracomment>
        <source>POPUP_PERIOD_MONTH</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <extracomment>Today and the 364 days before it.</extracomment>
        <source>POPUP_PERIOD_YEAR</source>
        <translation>Letzte 365 Tage</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT10</source>
        <translation>Letzte 10 Einträge</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT20</source>
        <translation>Letzte 20 Einträge</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT50</source>
        <translation>Letzte 50 Einträge</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT100</source>
        <translation>Letzte 100 Einträge</translation>
    </message>
    <message>
        <extracomment>Kind pop-up.</extracomment>
        <source>POPUP_MEASURAMENT_ALL</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_BLOOD</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_TERAPIES</source>
        <translation>Therapien</translation>
    </message>
    <message>
        <extracomment>Meal pop-up: no meal chosen.</extracomment>
        <source>POPUP_MEAL_SELECT</source>
        <translation>Mahlzeit wählen</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BREAKFAST</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>POPUP_MEAL_LUNCH</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>POPUP_MEAL_DINNER</source>
        <translation>Abendessen</translation>
    </message>
    <message>
        <extracomment>A check outside meals.</extracomment>
        <source>POPUP_MEAL_CONTROL</source>
        <translation>Kontrolle</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BASAL</source>
        <translation>Basal</translation>
    </message>
    <message>
        <source>POPUP_MEAL_CORRECTION</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <extracomment>Insulin pop-up: no insulin chosen.</extracomment>
        <source>POPUP_INSULIN_SELECT</source>
        <translation>Insulin wählen</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_SLOW</source>
        <translation>Langwirksam</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_NORMAL</source>
        <translation>Normalinsulin</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_QUICK</source>
        <translation>Schnellwirksam</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_MIXED</source>
        <translation>Mischinsulin</translation>
    </message>
    <message>
        <source>BUTTON_YES</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>BUTTON_NO</source>
        <translation>Nein</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for a new card; must differ from BUTTON_EDIT.</extracomment>
        <source>BUTTON_ADD</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for an existing card.</extracomment>
        <source>BUTTON_EDIT</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_CANCEL</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_REMOVE</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes quits, No stays.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_QUIT</source>
        <translation>Möchten Sie Orvane beenden?</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes replaces, No adds.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_IMPORT</source>
        <translation>Das Tagebuch durch die importierten Einträge ersetzen? Wählen Sie „Nein“, um sie dem Tagebuch hinzuzufügen.</translation>
    </message>
    <message>
        <source>DATA_INCORRECT</source>
        <translation>Die Angaben sind unvollständig: Eine Messung braucht einen Blutzuckerwert über 0, eine Therapie ein Insulin und Einheiten über 0.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA</source>
        <translation>Der Blutzuckerwert muss über 0 und höchstens 600 sein.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_UNIT</source>
        <translation>Die Insulineinheiten müssen zwischen 0 und 100 liegen.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE</source>
        <translation>Diesen Eintrag löschen?</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_INFO</source>
        <translation>Der Eintrag wird endgültig aus dem Tagebuch gelöscht.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_PROTECT</source>
        <translation>Dieser Eintrag ist geschützt und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the date.</extracomment>
        <source>DELETE_MSG_DATE</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the units.</extracomment>
        <source>DELETE_MSG_INFO_THERAPY</source>
        <translation>Insulineinheiten:</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the value.</extracomment>
        <source>DELETE_MSG_INFO_MEASURAMENT</source>
        <translation>Blutzucker:</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is hidden.</extracomment>
        <source>MENU_NOTE_VIEW</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is shown.</extracomment>
        <source>MENU_NOTE_HIDE</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_SHOW</source>
        <translation>Werkzeugleiste einblenden</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_HIDE</source>
        <translation>Werkzeugleiste ausblenden</translation>
    </message>
    <message>
        <extracomment>Reads: Cards shown: 12 of 240.</extracomment>
        <source>VIEW_NUMBER_RECORD</source>
        <translation>Angezeigte Einträge:</translation>
    </message>
    <message>
        <extracomment>Between the cards shown and the cards in the diary.</extracomment>
        <source>ON</source>
        <translation>von</translation>
    </message>
    <message>
        <extracomment>A statistic with no cards to compute it from.</extracomment>
        <source>NOT_DISPONBLE</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>TOOLBAR_ADD</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>TOOLBAR_EDIT</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>TOOLBAR_REMOVE</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>TOOLBAR_IMPORT</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>TOOLBAR_EXPORT</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>TOOLBAR_STATISTICS</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>TOOLBAR_NOTE</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>TOOLBAR_PERIOD</source>
        <translation>Angezeigter Zeitraum</translation>
    </message>
    <message>
        <source>TOOLBAR_KIND</source>
        <translation>Angezeigte Einträge</translation>
    </message>
    <message>
        <source>MENU_FILE</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>MENU_EDIT</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>MENU_VIEW</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>MENU_KIND</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>MENU_PERIOD</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>MENU_ITEM_NEW</source>
        <translation>Neuer Eintrag…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EDIT</source>
        <translation>Eintrag bearbeiten…</translation>
    </message>
    <message>
        <source>MENU_ITEM_REMOVE</source>
        <translation>Eintrag löschen…</translation>
    </message>
    <message>
        <source>MENU_ITEM_IMPORT</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EXPORT</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>MENU_ITEM_QUIT</source>
        <translation>Orvane beenden</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the undo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_UNDO</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the redo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_REDO</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_MEASUREMENT</source>
        <translation>Messung hinzufügen</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_THERAPY</source>
        <translation>Dosis hinzufügen</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_MEASUREMENT</source>
        <translation>Messung bearbeiten</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_THERAPY</source>
        <translation>Dosis bearbeiten</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_MEASUREMENT</source>
        <translation>Messung löschen</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_THERAPY</source>
        <translation>Dosis löschen</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_NOTE</source>
        <translation>Notiz bearbeiten</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: cards imported joining the diary.</extracomment>
        <source>UNDO_IMPORT</source>
        <translation>Import</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: the diary replaced by an import.</extracomment>
        <source>UNDO_IMPORT_REPLACE</source>
        <translation>Import (Tagebuch ersetzt)</translation>
    </message>
    <message>
        <source>WINDOW_STATISTICS</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>WINDOW_NOTE</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>STATISTICS_LOWEST</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>STATISTICS_MEAN</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>STATISTICS_HIGHEST</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>STATISTICS_GLYCEMIA</source>
        <translation>Blutzucker</translation>
    </message>
    <message>
        <source>STATISTICS_PRE_MEAL</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>STATISTICS_POST_MEAL</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>STATISTICS_UNITS</source>
        <translation>IE</translation>
    </message>
    <message>
        <source>COLUMN_dateMeasurement</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>COLUMN_nameMeal</source>
        <translation>Mahlzeit</translation>
    </message>
    <message>
        <source>COLUMN_isPreMeal</source>
        <translation>Vor dem Essen</translation>
    </message>
    <message>
        <source>COLUMN_unitValue</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>COLUMN_nameInsulin</source>
        <translation>Insulin</translation>
    </message>
    <message>
        <source>COLUMN_isTherapy</source>
        <translation>Therapie</translation>
    </message>
    <message>
        <source>COLUMN_isProtect</source>
        <translation>Geschützt</translation>
    </message>
    <message>
        <source>COLUMN_notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE</source>
        <translation>Die Tagebuchdatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE_INFO</source>
        <translation>Sie wurde unverändert als %1 (%2) aufbewahrt. Orvane startet mit einem leeren Tagebuch.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED</source>
        <translation>Die Tagebuchdatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED_INFO</source>
        <translation>%1 (%2) konnte auch nicht beiseitegelegt werden. Damit die Datei nicht überschrieben wird, wird nichts gespeichert, was Sie in dieser Sitzung tun. Verschieben Sie die Datei an einen anderen Ort und starten Sie Orvane neu.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED</source>
        <translation>Das Tagebuch konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED_INFO</source>
        <translation>%1 konnte nicht geschrieben werden: %2. Ihre Einträge sind noch da; bei der nächsten Änderung wird es erneut versucht.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_BLOCKED_INFO</source>
        <translation>%1 konnte beim Start nicht gelesen werden und wird daher nicht überschrieben. Verschieben Sie die Datei an einen anderen Ort und starten Sie Orvane neu, um Ihre Einträge zu speichern.</translation>
    </message>
    <message>
        <extracomment>Why a file could not be written; follows the file's name.</extracomment>
        <source>SAVE_REASON_DISK_FULL</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>SAVE_REASON_READ_ONLY</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>SAVE_REASON_NO_PERMISSION</source>
        <translation>Sie haben dort keine Schreibberechtigung</translation>
    </message>
    <message>
        <source>SAVE_REASON_TOO_LARGE</source>
        <translation>die Datei ist größer, als das System erlaubt</translation>
    </message>
    <message>
        <source>SAVE_REASON_DEVICE</source>
        <translation>der Datenträger hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>EDIT_DATE</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>EDIT_THERAPY</source>
        <translation>Insulindosis</translation>
    </message>
    <message>
        <source>EDIT_PROTECT</source>
        <translation>Geschützt</translation>
    </message>
    <message>
        <source>EDIT_MEAL</source>
        <translation>Mahlzeit</translation>
    </message>
    <message>
        <source>EDIT_PRE_MEAL</source>
        <translation>Vor der Mahlzeit</translation>
    </message>
    <message>
        <source>EDIT_INSULIN</source>
        <translation>Insulin</translation>
    </message>
    <message>
        <source>EDIT_UNITS</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>EDIT_NOTE</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_ADD</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_EDIT</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>WINDOW_DELETE</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>BUTTON_CONTINUE</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>WINDOW_EXPORT</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <extracomment>Above the three export kinds; every card is exported, whatever the filter shows.</extracomment>
        <source>EXPORT_MESSAGE</source>
        <translation>Das ganze Tagebuch exportieren als:</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_ORV</source>
        <translation>Tagebuchdatei (.orv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_CSV</source>
        <translation>CSV (.csv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_REALSTUDIO</source>
        <translation>CSV im alten Aufbau (.csv)</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_FAILED</source>
        <translation>Das Tagebuch konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <extracomment>%1 the chosen file, %2 the system's reason.</extracomment>
        <source>ALERT_EXPORT_FAILED_INFO</source>
        <translation>%1 konnte nicht geschrieben werden: %2. Dort wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_OVER_DIARY_INFO</source>
        <translation>Diese Datei ist das Tagebuch selbst: Wählen Sie einen anderen Namen oder exportieren Sie als Tagebuchdatei.</translation>
    </message>
    <message>
        <extracomment>The diary is left as it was.</extracomment>
        <source>ALERT_IMPORT_NOTHING</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <extracomment>%1 the system's reason.</extracomment>
        <source>IMPORT_UNREADABLE</source>
        <translation>Die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>IMPORT_NOT_UTF8</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>IMPORT_NOT_RECOGNISED</source>
        <translation>Die Datei hat keinen der beiden CSV-Aufbauten des Tagebuchs (ihre erste Zeile ist bei keinem die Kopfzeile).</translation>
    </message>
    <message>
        <source>IMPORT_NONE_READABLE</source>
        <translation>Keiner der Datensätze der Datei konnte gelesen werden.</translation>
    </message>
    <message>
        <source>IMPORT_NO_RECORDS</source>
        <translation>Die Datei enthält keine Datensätze.</translation>
    </message>
    <message>
        <source>IMPORT_NO_CARDS</source>
        <translation>Die Tagebuchdatei enthält keine Einträge.</translation>
    </message>
    <message>
        <source>IMPORT_ALL_KNOWN</source>
        <translation>Das Tagebuch enthält bereits alle Einträge der Datei.</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON_AND_TEXT</source>
        <translation>Symbol und Text</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON</source>
        <translation>Nur Symbol</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_TEXT</source>
        <translation>Nur Text</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_SMALL</source>
        <translation>Kleine Größe verwenden</translation>
    </message>
    <message>
        <source>ALERT_DIARY_IN_USE</source>
        <translation>Das Tagebuch ist bereits geöffnet.</translation>
    </message>
    <message>
        <extracomment>%1 the other program's process number, %2 the diary file.</extracomment>
        <source>ALERT_DIARY_IN_USE_INFO</source>
        <translation>Ein anderes Orvane (Prozess %1) hat %2 geöffnet. Wechseln Sie dorthin: Zwei Programme, die dasselbe Tagebuch schreiben, würden gegenseitig ihre Änderungen zunichtemachen.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME</source>
        <translation>Es gibt keinen persönlichen Ordner für das Tagebuch.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME_INFO</source>
        <translation>Die Variable HOME ist nicht gesetzt und Ihr Konto hat keinen persönlichen Ordner. Starten Sie Orvane mit HOME auf Ihren Ordner gesetzt.</translation>
    </message>
    <message>
        <source>TOOLBAR_TRENDS</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>WINDOW_TRENDS</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>MENU_ITEM_REPORT</source>
        <translation>Bericht für das Diabetesteam…</translation>
    </message>
    <message>
        <source>TRENDS_UNIT</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>TRENDS_CHART_GLYCEMIA</source>
        <translation>Blutzucker im Zeitverlauf</translation>
    </message>
    <message>
        <source>TRENDS_CHART_INSULIN</source>
        <translation>Insulineinheiten pro Tag</translation>
    </message>
    <message>
        <source>TRENDS_CHART_MODAL_DAY</source>
        <translation>Modaler Tag</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_READINGS</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges of the target band, %3 the unit.</extracomment>
        <source>TRENDS_SERIES_TARGET</source>
        <translation>Zielbereich %1–%2 %3</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is low.</extracomment>
        <source>TRENDS_SERIES_LOW</source>
        <translation>Niedrig %1</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is very low.</extracomment>
        <source>TRENDS_SERIES_VERY_LOW</source>
        <translation>Sehr niedrig %1</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_MEDIAN</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P25_P75</source>
        <translation>25.–75. Perzentil</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P5_P95</source>
        <translation>5.–95. Perzentil</translation>
    </message>
    <message>
        <source>TRENDS_AXIS_HOUR</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_READINGS</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DAYS</source>
        <translation>Tage</translation>
    </message>
    <message>
        <extracomment>%1 the days the view spans, %2 those that hold a reading.</extracomment>
        <source>TRENDS_FIGURES_DAYS_VALUE</source>
        <translation>%1 (%2 mit Messwerten)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_MEAN</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_MEDIAN</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SD</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_CV</source>
        <translation>Variationskoeffizient</translation>
    </message>
    <message>
        <extracomment>%1 the coefficient of variation.</extracomment>
        <source>TRENDS_FIGURES_CV_HIGH</source>
        <translation>%1 (über 36 %: hohe Variabilität)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES</source>
        <translation>Anteil der Messwerte</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES_NOTE</source>
        <translation>Anteile an den angezeigten Messwerten, nicht an der Zeit: Messungen aus der Fingerkuppe erfassen keine Zeit im Zielbereich.</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BELOW</source>
        <translation>Unter %1</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BETWEEN</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>TRENDS_BAND_ABOVE</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_HYPO</source>
        <translation>Hypoglykämie</translation>
    </message>
    <message>
        <extracomment>%1 readings below %2, %3 readings below %4.</extracomment>
        <source>TRENDS_FIGURES_HYPO_VALUE</source>
        <translation>%1 unter %2, %3 unter %4</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C</source>
        <translation>Geschätzter HbA1c (ADAG)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_GMI</source>
        <translation>Glukose-Management-Indikator</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C_VALUE</source>
        <translation>%1 % · %2 mmol/mol</translation>
    </message>
    <message>
        <extracomment>%1 the estimate.</extracomment>
        <source>TRENDS_FIGURES_UNRELIABLE</source>
        <translation>%1 (unzuverlässig: weniger als 14 Tage oder 3 Messwerte pro Tag)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_INSULIN</source>
        <translation>Insulin</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_UNITS_A_DAY</source>
        <translation>Einheiten pro Tag</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DOSES_A_DAY</source>
        <translation>Injektionen pro Tag</translation>
    </message>
    <message>
        <extracomment>%1 the meal.</extracomment>
        <source>TRENDS_FIGURES_UNITS_MEAL</source>
        <translation>Mittlere Einheiten, %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_NO_MEAL</source>
        <translation>ohne Mahlzeit</translation>
    </message>
    <message>
        <source>REPORT_TITLE</source>
        <translation>Diabetes-Tagebuch: Bericht</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the first and last day in view, %3 the period and kind chosen.</extracomment>
        <source>REPORT_SPAN</source>
        <translation>%1 bis %2 · %3</translation>
    </message>
    <message>
        <extracomment>%1 the date the report was made.</extracomment>
        <source>REPORT_MADE_ON</source>
        <translation>Erstellt mit Orvane am %1</translation>
    </message>
    <message>
        <source>REPORT_LOGBOOK</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>REPORT_DAY</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>REPORT_OTHER</source>
        <translation>Weitere Messwerte</translation>
    </message>
    <message>
        <source>REPORT_OTHER_UNITS</source>
        <translation>Weitere Dosen</translation>
    </message>
    <message>
        <source>REPORT_PAGE</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>REPORT_NO_CARDS</source>
        <translation>Keine Messwerte oder Dosen in der Ansicht.</translation>
    </message>
    <message>
        <source>ALERT_REPORT_FAILED</source>
        <translation>Der Bericht konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_REPORT_FAILED_INFO</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <extracomment>%1 how many values a day holds, %2 the lowest, %3 the highest.</extracomment>
        <source>REPORT_MANY_VALUES</source>
        <translation>%1 Werte, %2 bis %3</translation>
    </message>
    <message>
        <extracomment>Why the diary is not written: it could not be read when the program started.</extracomment>
        <source>SAVE_BLOCKED_REASON</source>
        <translation>die Datei konnte beim Start nicht gelesen werden und wird daher nicht überschrieben</translation>
    </message>
    <message>
        <source>ALERT_QUIT_SAVE_FAILED</source>
        <translation>Das Tagebuch konnte nicht gespeichert werden, daher wurde Orvane nicht beendet.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_QUIT_SAVE_FAILED_INFO</source>
        <translation>%1 konnte nicht geschrieben werden: %2.

Versuchen Sie es erneut, speichern Sie das Tagebuch an einem anderen Ort, oder beenden Sie ohne Speichern und verlieren Sie die Änderungen seit dem letzten Speichern.</translation>
    </message>
    <message>
        <source>BUTTON_TRY_AGAIN</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>BUTTON_SAVE_ELSEWHERE</source>
        <translation>Anderswo speichern…</translation>
    </message>
    <message>
        <source>BUTTON_QUIT_WITHOUT_SAVING</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
    <message>
        <extracomment>%1 the file the cards were saved in.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE</source>
        <translation>Ihre Einträge sind in %1 gespeichert.</translation>
    </message>
    <message>
        <extracomment>%1 the diary, %2 why it could not be written.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE_INFO</source>
        <translation>Das Tagebuch selbst, %1, konnte nicht geschrieben werden (%2): Beim nächsten Start öffnet es sich so, wie es zuletzt gespeichert wurde. Importieren Sie die jetzt gespeicherte Datei (Datei ▸ Importieren…, „Ja“, um das Tagebuch zu ersetzen), um alle Einträge zurückzuerhalten.</translation>
    </message>
    <message>
        <source>ALERT_RECOVERED</source>
        <translation>Ihre Einträge wurden in einer Wiederherstellungsdatei aufbewahrt.</translation>
    </message>
    <message>
        <extracomment>%1 the recovery files, one a line.</extracomment>
        <source>ALERT_RECOVERED_INFO</source>
        <translation>Als Orvane zuletzt beendet wurde, konnte das Tagebuch nicht geschrieben werden; seine Einträge wurden daher gespeichert in:
%1
Importieren Sie die Datei (Datei ▸ Importieren…), um sie ins Tagebuch zurückzuholen.</translation>
    </message>
    <message>
        <extracomment>Titles of the file panels.</extracomment>
        <source>PANEL_IMPORT</source>
        <translation>Einträge importieren</translation>
    </message>
    <message>
        <source>PANEL_EXPORT</source>
        <translation>Tagebuch exportieren</translation>
    </message>
    <message>
        <source>PANEL_REPORT</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>PANEL_SAVE_ELSEWHERE</source>
        <translation>Tagebuch anderswo speichern</translation>
    </message>
    <message>
        <extracomment>File kinds offered by the save panels.</extracomment>
        <source>FILTER_ORV</source>
        <translation>Orvane-Tagebuch (*.orv)</translation>
    </message>
    <message>
        <source>FILTER_CSV</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>BUTTON_IMPORT</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <extracomment>Shown while a file is read. %1 the file's name.</extracomment>
        <source>IMPORT_READING</source>
        <translation>„%1“ wird gelesen…</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY</source>
        <translation>Aus %1 importieren?</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY_NOTHING_NEW</source>
        <translation>Alles aus dieser %1-Datei ist bereits im Tagebuch.</translation>
    </message>
    <message>
        <extracomment>%1 and %2 dates.</extracomment>
        <source>IMPORT_SUMMARY_SPAN</source>
        <translation>Vom %1 bis %2.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_NEW</source>
        <translation>Neu: %1 Messungen, %2 Insulindosen, %3 Sensorwerte.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_KNOWN</source>
        <translation>Bereits im Tagebuch: %1 Einträge, %2 Sensorwerte.</translation>
    </message>
    <message>
        <extracomment>%1 a list such as "88 carbohydrates, 2 notes".</extracomment>
        <source>IMPORT_SUMMARY_SKIPPED</source>
        <translation>Ausgelassen: %1.</translation>
    </message>
    <message>
        <extracomment>Followed by the first lines with their numbers.</extracomment>
        <source>IMPORT_SUMMARY_NOT_UNDERSTOOD</source>
        <translation>Nicht verstanden: %1 Datensätze. Die ersten:</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BINARY</source>
        <translation>Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_UNKNOWN</source>
        <translation>Die Datei hat keinen der Aufbauten, die das Programm liest.</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_FOREIGN_UNSUPPORTED</source>
        <translation>Diese Version von %1-Dateien wird nicht gelesen.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TRUNCATED</source>
        <translation>Die Datei endet mitten in einem Datensatz.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_JUNK</source>
        <translation>Nach ihrer Kopfzeile enthält die Datei nichts Lesbares.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BAD_DATE</source>
        <translation>Die Datei enthält ein Datum oder eine Uhrzeit, die es nicht gibt.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TOO_LONG</source>
        <translation>Eine Zeile der Datei ist zu lang.</translation>
    </message>
    <message>
        <extracomment>%1 a size such as "1 GiB".</extracomment>
        <source>IMPORT_FOREIGN_TOO_LARGE</source>
        <translation>Die Datei ist größer als %1.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_NOTHING</source>
        <translation>Nichts in der Datei ließ sich als Messungen, Dosen oder Sensorwerte lesen.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_WRITE_FAILED</source>
        <translation>Das Tagebuch oder die Sensorwerte konnten nicht geschrieben werden: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>IMPORT_FOREIGN_WRITE_FAILED_INFO</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA_MMOL</source>
        <translation>Der Blutzucker muss über 0 und höchstens 33,3 mmol/L liegen.</translation>
    </message>
    <message>
        <source>MENU_GLYCEMIA_UNIT</source>
        <translation>Blutzuckereinheit</translation>
    </message>
    <message>
        <source>MENU_UNIT_MGDL</source>
        <translation>mg/dL</translation>
    </message>
    <message>
        <source>MENU_UNIT_MMOL</source>
        <translation>mmol/L</translation>
    </message>
    <message>
        <source>LABEL_GLYCEMIA_UNIT</source>
        <translation>Blutzucker (%1)</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_SENSOR</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_FINGER_STICKS</source>
        <translation>Blutige Messungen</translation>
    </message>
    <message>
        <source>AGP_CHART</source>
        <translation>Ambulantes Glukoseprofil (AGP)</translation>
    </message>
    <message>
        <source>AGP_SENSOR</source>
        <translation>Kontinuierlicher Sensor</translation>
    </message>
    <message>
        <source>AGP_FROM</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>AGP_TO</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>AGP_PROFILE</source>
        <translation>Zielwerte</translation>
    </message>
    <message>
        <source>AGP_PROFILE_STANDARD</source>
        <translation>Standard (Erwachsene)</translation>
    </message>
    <message>
        <source>AGP_PROFILE_OLDER</source>
        <translation>Ältere oder Risikopersonen</translation>
    </message>
    <message>
        <source>AGP_PROFILE_OF</source>
        <translation>Zielwerte: %1</translation>
    </message>
    <message>
        <source>AGP_NOT_SUFFICIENT</source>
        <translation>Nicht ausreichend: weniger als 14 Tage oder unter 70 % Sensorzeit</translation>
    </message>
    <message>
        <source>AGP_NO_READINGS</source>
        <translation>Keine Sensorwerte in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>AGP_TARGET_AT_LEAST</source>
        <translation>Ziel ≥ %1 %</translation>
    </message>
    <message>
        <source>AGP_TARGET_BELOW</source>
        <translation>Ziel &lt; %1 %</translation>
    </message>
    <message>
        <source>AGP_MET</source>
        <translation>✓ erreicht</translation>
    </message>
    <message>
        <source>AGP_MISSED</source>
        <translation>✗ verfehlt</translation>
    </message>
    <message>
        <source>AGP_SENSOR_ACTIVE</source>
        <translation>Sensor aktiv</translation>
    </message>
    <message>
        <source>AGP_TIME_IN_RANGE</source>
        <translation>Zeit im Zielbereich (%1 bis %2)</translation>
    </message>
    <message>
        <source>AGP_TIME_IN_TIGHT_RANGE</source>
        <translation>Zeit im engen Zielbereich (%1 bis %2)</translation>
    </message>
    <message>
        <source>AGP_TIME_ABOVE_RANGE</source>
        <translation>Zeit über dem Zielbereich (über %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_VERY_HIGH</source>
        <translation>Zeit sehr hoch (über %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_BELOW_RANGE</source>
        <translation>Zeit unter dem Zielbereich (unter %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_VERY_LOW</source>
        <translation>Zeit sehr niedrig (unter %1)</translation>
    </message>
    <message>
        <source>AGP_BAND_VERY_HIGH</source>
        <translation>Sehr hoch (%1)</translation>
    </message>
    <message>
        <source>AGP_BAND_HIGH</source>
        <translation>Hoch (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_IN_RANGE</source>
        <translation>Im Zielbereich (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_LOW</source>
        <translation>Niedrig (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_VERY_LOW</source>
        <translation>Sehr niedrig (%1)</translation>
    </message>
    <message>
        <source>AGP_RANGES</source>
        <translation>Zeit in den Bereichen</translation>
    </message>
    <message>
        <source>AGP_PERIOD</source>
        <translation>%1 bis %2 · %3 Tage</translation>
    </message>
    <message>
        <source>AGP_DAILY</source>
        <translation>Tagesprofile</translation>
    </message>
    <message>
        <source>AGP_DAILY_MORE</source>
        <translation>Tagesprofile (Fortsetzung)</translation>
    </message>
    <message>
        <source>AGP_TAB_OVERVIEW</source>
        <translation>Übersicht</translation>
    </message>
</context>
</TS>
