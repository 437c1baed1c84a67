<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Orvane</name>
    <message>
        <extracomment>Period pop-up. No two pop-up items (period, kind, meal, insulin) may share a text: the shown text is read back into its key.</extracomment>
        <source>POPUP_PERIOD_EVERYDAY</source>
        <translation>Tutti i giorni</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_TODAY</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_YESTERDAY</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <extracomment>Today and the 6 days before it.</extracomment>
        <source>POPUP_PERIOD_WEEK</source>
        <translation>Ultimi 7 giorni</translation>
    </message>
    <message>
        <extracomment>Today and the 29 days before it.</extracomment>
        <source>POPUP_PERIOD_MONTH</source>
        <translation>Ultimi 30 giorni</translation>
    </message>
    <message>
        <extracomment>Today and the 364 days before it.</extracomment>
        <source>POPUP_PERIOD_YEAR</source>
        <translation>Ultimi 365 giorni</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT10</source>
        <translation>Ultime 10 schede</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT20</source>
        <translation>Ultime 20 schede</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT50</source>
        <translation>Ultime 50 schede</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT100</source>
        <translation>Ultime 100 schede</translation>
    </message>
    <message>
        <extracomment>Kind pop-up.</extracomment>
        <source>POPUP_MEASURAMENT_ALL</source>
        <translation>Tutte le schede</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_BLOOD</source>
        <translation>Misurazioni</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_TERAPIES</source>
        <translation>Terapie</translation>
    </message>
    <message>
        <extracomment>Meal pop-up: no meal chosen.</extracomment>
        <source>POPUP_MEAL_SELECT</source>
        <translation>Seleziona pasto</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BREAKFAST</source>
        <translation>Colazione</translation>
    </message>
    <message>
        <source>POPUP_MEAL_LUNCH</source>
        <translation>Pranzo</translation>
    </message>
    <message>
        <source>POPUP_MEAL_DINNER</source>
        <translation>Cena</translation>
    </message>
    <message>
        <extracomment>A check outside meals.</extracomment>
        <source>POPUP_MEAL_CONTROL</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BASAL</source>
        <translation>Basale</translation>
    </message>
    <message>
        <source>POPUP_MEAL_CORRECTION</source>
        <translation>Correzione</translation>
    </message>
    <message>
        <extracomment>Insulin pop-up: no insulin chosen.</extracomment>
        <source>POPUP_INSULIN_SELECT</source>
        <translation>Seleziona insulina</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_SLOW</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_NORMAL</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_QUICK</source>
        <translation>Rapida</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_MIXED</source>
        <translation>Mista</translation>
    </message>
    <message>
        <source>BUTTON_YES</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>BUTTON_NO</source>
        <translation>No</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for a new card; must differ from BUTTON_EDIT.</extracomment>
        <source>BUTTON_ADD</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for an existing card.</extracomment>
        <source>BUTTON_EDIT</source>
        <translation>Salva modifiche</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_CANCEL</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_REMOVE</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes quits, No stays.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_QUIT</source>
        <translation>Vuoi uscire dal programma?</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes replaces, No adds.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_IMPORT</source>
        <translation>Sostituire il diario con le schede importate? Scegli No per aggiungerle al diario.</translation>
    </message>
    <message>
        <source>DATA_INCORRECT</source>
        <translation>Dati incompleti: una misurazione richiede una glicemia maggiore di 0, una terapia un'insulina e unità maggiori di 0.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA</source>
        <translation>La glicemia deve essere maggiore di 0 e al massimo 600 mg/dL.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA_MMOL</source>
        <translation>La glicemia deve essere maggiore di 0 e al massimo 33,3 mmol/L.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_UNIT</source>
        <translation>Le unità di insulina devono essere da 0 a 100.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE</source>
        <translation>Eliminare questa scheda?</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_INFO</source>
        <translation>La scheda viene eliminata dal diario definitivamente.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_PROTECT</source>
        <translation>Questa scheda è protetta e non può essere eliminata.</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the date.</extracomment>
        <source>DELETE_MSG_DATE</source>
        <translation>Data:</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the units.</extracomment>
        <source>DELETE_MSG_INFO_THERAPY</source>
        <translation>Unità di insulina:</translation>
    </message>
    <message>
        <extracomment>Followed by a blank, the value and its unit.</extracomment>
        <source>DELETE_MSG_INFO_MEASURAMENT</source>
        <translation>Glicemia:</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is hidden.</extracomment>
        <source>MENU_NOTE_VIEW</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is shown.</extracomment>
        <source>MENU_NOTE_HIDE</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_SHOW</source>
        <translation>Mostra barra strumenti</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_HIDE</source>
        <translation>Nascondi barra strumenti</translation>
    </message>
    <message>
        <extracomment>Reads: Cards shown: 12 of 240.</extracomment>
        <source>VIEW_NUMBER_RECORD</source>
        <translation>Schede visualizzate:</translation>
    </message>
    <message>
        <extracomment>Between the cards shown and the cards in the diary.</extracomment>
        <source>ON</source>
        <translation>su</translation>
    </message>
    <message>
        <extracomment>A statistic with no cards to compute it from.</extracomment>
        <source>NOT_DISPONBLE</source>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>TOOLBAR_ADD</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>TOOLBAR_EDIT</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>TOOLBAR_REMOVE</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>TOOLBAR_IMPORT</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>TOOLBAR_EXPORT</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>TOOLBAR_STATISTICS</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>TOOLBAR_NOTE</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>TOOLBAR_PERIOD</source>
        <translation>Periodo visualizzato</translation>
    </message>
    <message>
        <source>TOOLBAR_KIND</source>
        <translation>Schede visualizzate</translation>
    </message>
    <message>
        <source>MENU_FILE</source>
        <translation>&amp;Archivio</translation>
    </message>
    <message>
        <source>MENU_EDIT</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>MENU_VIEW</source>
        <translation>&amp;Vista</translation>
    </message>
    <message>
        <source>MENU_KIND</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>MENU_PERIOD</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <extracomment>View menu: the submenu of the unit every glycemia is shown and typed in.</extracomment>
        <source>MENU_GLYCEMIA_UNIT</source>
        <translation>Unità della glicemia</translation>
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
        <extracomment>%1 is the unit, mg/dL or mmol/L. Heads the table&apos;s glycemia column and the edit sheet&apos;s glycemia field.</extracomment>
        <source>LABEL_GLYCEMIA_UNIT</source>
        <translation>Glicemia (%1)</translation>
    </message>
    <message>
        <source>MENU_ITEM_NEW</source>
        <translation>Nuova scheda…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EDIT</source>
        <translation>Modifica scheda…</translation>
    </message>
    <message>
        <source>MENU_ITEM_REMOVE</source>
        <translation>Elimina scheda…</translation>
    </message>
    <message>
        <source>MENU_ITEM_IMPORT</source>
        <translation>Importa…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EXPORT</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>MENU_ITEM_QUIT</source>
        <translation>Esci da Orvane</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the undo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_UNDO</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the redo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_REDO</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_MEASUREMENT</source>
        <translation>Aggiunta misurazione</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_THERAPY</source>
        <translation>Aggiunta dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_MEASUREMENT</source>
        <translation>Modifica misurazione</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_THERAPY</source>
        <translation>Modifica dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_MEASUREMENT</source>
        <translation>Rimozione misurazione</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_THERAPY</source>
        <translation>Rimozione dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_NOTE</source>
        <translation>Modifica nota</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: cards imported joining the diary.</extracomment>
        <source>UNDO_IMPORT</source>
        <translation>Importazione</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: the diary replaced by an import.</extracomment>
        <source>UNDO_IMPORT_REPLACE</source>
        <translation>Importazione (sostituisce il diario)</translation>
    </message>
    <message>
        <source>WINDOW_STATISTICS</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>WINDOW_NOTE</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>STATISTICS_LOWEST</source>
        <translation>Minima</translation>
    </message>
    <message>
        <source>STATISTICS_MEAN</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>STATISTICS_HIGHEST</source>
        <translation>Massima</translation>
    </message>
    <message>
        <source>STATISTICS_GLYCEMIA</source>
        <translation>Glicemia</translation>
    </message>
    <message>
        <source>STATISTICS_PRE_MEAL</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>STATISTICS_POST_MEAL</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>STATISTICS_UNITS</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>COLUMN_dateMeasurement</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>COLUMN_nameMeal</source>
        <translation>Pasto</translation>
    </message>
    <message>
        <source>COLUMN_isPreMeal</source>
        <translation>Pre pasto</translation>
    </message>
    <message>
        <source>COLUMN_unitValue</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>COLUMN_nameInsulin</source>
        <translation>Insulina</translation>
    </message>
    <message>
        <source>COLUMN_isTherapy</source>
        <translation>Terapia</translation>
    </message>
    <message>
        <source>COLUMN_isProtect</source>
        <translation>Protetta</translation>
    </message>
    <message>
        <source>COLUMN_notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE</source>
        <translation>Non è stato possibile leggere l'archivio.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE_INFO</source>
        <translation>È stato conservato, intatto, come %1 (%2). Orvane parte con un archivio vuoto.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED</source>
        <translation>Non è stato possibile leggere l'archivio.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED_INFO</source>
        <translation>Non è stato possibile nemmeno spostare %1 (%2). Perché non venga sovrascritto, niente di quanto farai in questa sessione sarà salvato. Sposta il file altrove e riavvia Orvane.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED</source>
        <translation>Non è stato possibile salvare l'archivio.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED_INFO</source>
        <translation>La scrittura di %1 non è riuscita: %2. Le tue schede sono ancora qui; la prossima modifica riproverà.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_BLOCKED_INFO</source>
        <translation>%1 non era leggibile all'avvio, perciò non viene sovrascritto. Spostalo altrove e riavvia Orvane per salvare le tue schede.</translation>
    </message>
    <message>
        <extracomment>Why a file could not be written; follows the file's name.</extracomment>
        <source>SAVE_REASON_DISK_FULL</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>SAVE_REASON_READ_ONLY</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>SAVE_REASON_NO_PERMISSION</source>
        <translation>non hai il permesso di scrivere lì</translation>
    </message>
    <message>
        <source>SAVE_REASON_TOO_LARGE</source>
        <translation>il file è più grande di quanto il sistema consenta</translation>
    </message>
    <message>
        <source>SAVE_REASON_DEVICE</source>
        <translation>il disco ha segnalato un errore</translation>
    </message>
    <message>
        <source>EDIT_DATE</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>EDIT_THERAPY</source>
        <translation>Terapia insulinica</translation>
    </message>
    <message>
        <source>EDIT_PROTECT</source>
        <translation>Protetta</translation>
    </message>
    <message>
        <source>EDIT_MEAL</source>
        <translation>Pasto</translation>
    </message>
    <message>
        <source>EDIT_PRE_MEAL</source>
        <translation>Prima del pasto</translation>
    </message>
    <message>
        <source>EDIT_INSULIN</source>
        <translation>Insulina</translation>
    </message>
    <message>
        <source>EDIT_UNITS</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>EDIT_NOTE</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_ADD</source>
        <translation>Nuova scheda</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_EDIT</source>
        <translation>Modifica scheda</translation>
    </message>
    <message>
        <source>WINDOW_DELETE</source>
        <translation>Elimina scheda</translation>
    </message>
    <message>
        <source>BUTTON_CONTINUE</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>WINDOW_EXPORT</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <extracomment>Above the three export kinds; every card is exported, whatever the filter shows.</extracomment>
        <source>EXPORT_MESSAGE</source>
        <translation>Esporta tutto il diario come:</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_ORV</source>
        <translation>File del diario (.orv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_CSV</source>
        <translation>CSV (.csv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_REALSTUDIO</source>
        <translation>CSV nel vecchio formato (.csv)</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_FAILED</source>
        <translation>Non è stato possibile esportare il diario.</translation>
    </message>
    <message>
        <extracomment>%1 the chosen file, %2 the system's reason.</extracomment>
        <source>ALERT_EXPORT_FAILED_INFO</source>
        <translation>La scrittura di %1 non è riuscita: %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_OVER_DIARY_INFO</source>
        <translation>Quel file è il diario stesso: scegli un altro nome, oppure esporta come file del diario.</translation>
    </message>
    <message>
        <extracomment>The diary is left as it was.</extracomment>
        <source>ALERT_IMPORT_NOTHING</source>
        <translation>Non è stato importato nulla.</translation>
    </message>
    <message>
        <extracomment>%1 the system's reason.</extracomment>
        <source>IMPORT_UNREADABLE</source>
        <translation>Il file non può essere letto (%1).</translation>
    </message>
    <message>
        <source>IMPORT_NOT_UTF8</source>
        <translation>Il file non è testo UTF-8.</translation>
    </message>
    <message>
        <source>IMPORT_NOT_RECOGNISED</source>
        <translation>Il file non è in nessuno dei formati CSV del diario (la prima riga non è l'intestazione di nessuno dei due).</translation>
    </message>
    <message>
        <source>IMPORT_NONE_READABLE</source>
        <translation>Nessuno dei record del file ha potuto essere letto.</translation>
    </message>
    <message>
        <source>IMPORT_NO_RECORDS</source>
        <translation>Il file non contiene record.</translation>
    </message>
    <message>
        <source>IMPORT_NO_CARDS</source>
        <translation>Il file del diario non contiene schede.</translation>
    </message>
    <message>
        <source>IMPORT_ALL_KNOWN</source>
        <translation>Il diario contiene già tutte le schede del file.</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON_AND_TEXT</source>
        <translation>Icona e testo</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON</source>
        <translation>Solo icona</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_TEXT</source>
        <translation>Solo testo</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_SMALL</source>
        <translation>Usa dimensioni ridotte</translation>
    </message>
    <message>
        <source>ALERT_DIARY_IN_USE</source>
        <translation>Il diario è già aperto.</translation>
    </message>
    <message>
        <extracomment>%1 the other program's process number, %2 the diary file.</extracomment>
        <source>ALERT_DIARY_IN_USE_INFO</source>
        <translation>Un altro Orvane (processo %1) ha aperto %2. Passa a quello: due programmi che scrivono lo stesso diario annullerebbero l'uno le modifiche dell'altro.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME</source>
        <translation>Non c'è una cartella personale in cui tenere il diario.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME_INFO</source>
        <translation>La variabile HOME non è impostata e il tuo account non ha una cartella personale. Avvia Orvane con HOME impostata sulla tua cartella.</translation>
    </message>
    <message>
        <source>TOOLBAR_TRENDS</source>
        <translation>Andamento</translation>
    </message>
    <message>
        <source>WINDOW_TRENDS</source>
        <translation>Andamento</translation>
    </message>
    <message>
        <source>MENU_ITEM_REPORT</source>
        <translation>Rapporto per il medico…</translation>
    </message>
    <message>
        <source>TRENDS_UNIT</source>
        <translation>Unità di misura</translation>
    </message>
    <message>
        <source>TRENDS_CHART_GLYCEMIA</source>
        <translation>Glicemia nel tempo</translation>
    </message>
    <message>
        <source>TRENDS_CHART_INSULIN</source>
        <translation>Unità di insulina al giorno</translation>
    </message>
    <message>
        <source>TRENDS_CHART_MODAL_DAY</source>
        <translation>Giornata tipo</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_READINGS</source>
        <translation>Misurazioni</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges of the target band, %3 the unit.</extracomment>
        <source>TRENDS_SERIES_TARGET</source>
        <translation>Obiettivo %1–%2 %3</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is low.</extracomment>
        <source>TRENDS_SERIES_LOW</source>
        <translation>Bassa %1</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is very low.</extracomment>
        <source>TRENDS_SERIES_VERY_LOW</source>
        <translation>Molto bassa %1</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_MEDIAN</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P25_P75</source>
        <translation>25°–75° percentile</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P5_P95</source>
        <translation>5°–95° percentile</translation>
    </message>
    <message>
        <source>TRENDS_AXIS_HOUR</source>
        <translation>Ora del giorno</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_READINGS</source>
        <translation>Misurazioni</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DAYS</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <extracomment>%1 the days the view spans, %2 those that hold a reading.</extracomment>
        <source>TRENDS_FIGURES_DAYS_VALUE</source>
        <translation>%1 (%2 con misurazioni)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_MEAN</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_MEDIAN</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SD</source>
        <translation>Deviazione standard</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_CV</source>
        <translation>Coefficiente di variazione</translation>
    </message>
    <message>
        <extracomment>%1 the coefficient of variation.</extracomment>
        <source>TRENDS_FIGURES_CV_HIGH</source>
        <translation>%1 (sopra il 36 %: variabilità alta)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES</source>
        <translation>Quota delle misurazioni</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES_NOTE</source>
        <translation>Quote delle misurazioni in vista, non del tempo: le misurazioni capillari non misurano il tempo nell'intervallo.</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BELOW</source>
        <translation>Sotto %1</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BETWEEN</source>
        <translation>Da %1 a %2</translation>
    </message>
    <message>
        <source>TRENDS_BAND_ABOVE</source>
        <translation>Sopra %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_HYPO</source>
        <translation>Ipoglicemie</translation>
    </message>
    <message>
        <extracomment>%1 readings below %2, %3 readings below %4.</extracomment>
        <source>TRENDS_FIGURES_HYPO_VALUE</source>
        <translation>%1 sotto %2, %3 sotto %4</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C</source>
        <translation>HbA1c stimata (ADAG)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_GMI</source>
        <translation>Indicatore di gestione del glucosio (GMI)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C_VALUE</source>
        <translation>%1 % · %2 mmol/mol</translation>
    </message>
    <message>
        <extracomment>%1 the estimate.</extracomment>
        <source>TRENDS_FIGURES_UNRELIABLE</source>
        <translation>%1 (poco affidabile: meno di 14 giorni o di 3 misurazioni al giorno)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_INSULIN</source>
        <translation>Insulina</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_UNITS_A_DAY</source>
        <translation>Unità al giorno</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DOSES_A_DAY</source>
        <translation>Iniezioni al giorno</translation>
    </message>
    <message>
        <extracomment>%1 the meal.</extracomment>
        <source>TRENDS_FIGURES_UNITS_MEAL</source>
        <translation>Unità medie, %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_NO_MEAL</source>
        <translation>senza pasto</translation>
    </message>
    <message>
        <source>REPORT_TITLE</source>
        <translation>Rapporto del diario del diabete</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the first and last day in view, %3 the period and kind chosen.</extracomment>
        <source>REPORT_SPAN</source>
        <translation>Dal %1 al %2 · %3</translation>
    </message>
    <message>
        <extracomment>%1 the date the report was made.</extracomment>
        <source>REPORT_MADE_ON</source>
        <translation>Creato da Orvane il %1</translation>
    </message>
    <message>
        <source>REPORT_LOGBOOK</source>
        <translation>Diario giornaliero</translation>
    </message>
    <message>
        <source>REPORT_DAY</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>REPORT_OTHER</source>
        <translation>Altre misurazioni</translation>
    </message>
    <message>
        <source>REPORT_OTHER_UNITS</source>
        <translation>Altre unità</translation>
    </message>
    <message>
        <source>REPORT_PAGE</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>REPORT_NO_CARDS</source>
        <translation>Nessuna misurazione o dose in vista.</translation>
    </message>
    <message>
        <source>ALERT_REPORT_FAILED</source>
        <translation>Non è stato possibile scrivere il rapporto.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_REPORT_FAILED_INFO</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <extracomment>%1 how many values a day holds, %2 the lowest, %3 the highest.</extracomment>
        <source>REPORT_MANY_VALUES</source>
        <translation>%1 valori, da %2 a %3</translation>
    </message>
    <message>
        <extracomment>Why the diary is not written: it could not be read when the program started.</extracomment>
        <source>SAVE_BLOCKED_REASON</source>
        <translation>non era leggibile all'avvio, perciò non viene sovrascritto</translation>
    </message>
    <message>
        <source>ALERT_QUIT_SAVE_FAILED</source>
        <translation>Non è stato possibile salvare l'archivio, perciò Orvane non si è chiuso.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_QUIT_SAVE_FAILED_INFO</source>
        <translation>La scrittura di %1 non è riuscita: %2.

Puoi riprovare, salvare l'archivio in un altro posto, oppure uscire senza salvare perdendo le modifiche fatte dall'ultimo salvataggio.</translation>
    </message>
    <message>
        <source>BUTTON_TRY_AGAIN</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>BUTTON_SAVE_ELSEWHERE</source>
        <translation>Salva altrove…</translation>
    </message>
    <message>
        <source>BUTTON_QUIT_WITHOUT_SAVING</source>
        <translation>Esci senza salvare</translation>
    </message>
    <message>
        <extracomment>%1 the file the cards were saved in.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE</source>
        <translation>Le tue schede sono salvate in %1.</translation>
    </message>
    <message>
        <extracomment>%1 the diary, %2 why it could not be written.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE_INFO</source>
        <translation>L'archivio stesso, %1, non è stato scritto (%2): al prossimo avvio si aprirà com'era all'ultimo salvataggio. Importa il file salvato ora (Archivio ▸ Importa…, Sì per sostituire l'archivio) per riavere tutte le schede.</translation>
    </message>
    <message>
        <source>ALERT_RECOVERED</source>
        <translation>Le tue schede sono state conservate in un file di recupero.</translation>
    </message>
    <message>
        <extracomment>%1 the recovery files, one a line.</extracomment>
        <source>ALERT_RECOVERED_INFO</source>
        <translation>L'ultima volta che Orvane si è chiuso non è stato possibile scrivere l'archivio, perciò le sue schede sono state salvate in:
%1
Importa il file (Archivio ▸ Importa…) per riportarle nell'archivio.</translation>
    </message>
    <message>
        <extracomment>Titles of the file panels.</extracomment>
        <source>PANEL_IMPORT</source>
        <translation>Importa schede</translation>
    </message>
    <message>
        <source>PANEL_EXPORT</source>
        <translation>Esporta l'archivio</translation>
    </message>
    <message>
        <source>PANEL_REPORT</source>
        <translation>Salva il rapporto</translation>
    </message>
    <message>
        <source>PANEL_SAVE_ELSEWHERE</source>
        <translation>Salva l'archivio altrove</translation>
    </message>
    <message>
        <extracomment>File kinds offered by the save panels.</extracomment>
        <source>FILTER_ORV</source>
        <translation>Archivio Orvane (*.orv)</translation>
    </message>
    <message>
        <source>FILTER_CSV</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>BUTTON_IMPORT</source>
        <translation>Importa</translation>
    </message>
    <message>
        <extracomment>Shown while a file is read. %1 the file's name.</extracomment>
        <source>IMPORT_READING</source>
        <translation>Lettura di “%1”…</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY</source>
        <translation>Importare da %1?</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY_NOTHING_NEW</source>
        <translation>Tutto ciò che c'è in questo file di %1 è già nel diario.</translation>
    </message>
    <message>
        <extracomment>%1 and %2 dates.</extracomment>
        <source>IMPORT_SUMMARY_SPAN</source>
        <translation>Dal %1 al %2.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_NEW</source>
        <translation>Nuovi: %1 misurazioni, %2 dosi di insulina, %3 letture del sensore.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_KNOWN</source>
        <translation>Già nel diario: %1 schede, %2 letture del sensore.</translation>
    </message>
    <message>
        <extracomment>%1 a list such as "88 carbohydrates, 2 notes".</extracomment>
        <source>IMPORT_SUMMARY_SKIPPED</source>
        <translation>Tralasciati: %1.</translation>
    </message>
    <message>
        <extracomment>Followed by the first lines with their numbers.</extracomment>
        <source>IMPORT_SUMMARY_NOT_UNDERSTOOD</source>
        <translation>Non compresi: %1 record. I primi:</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BINARY</source>
        <translation>Il file non è testo.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_UNKNOWN</source>
        <translation>Il file non è in nessuno dei formati che il programma legge.</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_FOREIGN_UNSUPPORTED</source>
        <translation>Questa versione dei file di %1 non viene letta.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TRUNCATED</source>
        <translation>Il file si interrompe a metà di un record.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_JUNK</source>
        <translation>Dopo l'intestazione il file non contiene nulla di leggibile.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BAD_DATE</source>
        <translation>Il file contiene una data o un'ora che non esiste.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TOO_LONG</source>
        <translation>Una riga del file è troppo lunga.</translation>
    </message>
    <message>
        <extracomment>%1 a size such as "1 GiB".</extracomment>
        <source>IMPORT_FOREIGN_TOO_LARGE</source>
        <translation>Il file è più grande di %1.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_NOTHING</source>
        <translation>Nel file non c'è nulla che si possa leggere come misurazioni, dosi o letture del sensore.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_WRITE_FAILED</source>
        <translation>Non è stato possibile scrivere il diario o le letture del sensore: non è stato importato nulla.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>IMPORT_FOREIGN_WRITE_FAILED_INFO</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_SENSOR</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_FINGER_STICKS</source>
        <translation>Glicemie capillari</translation>
    </message>
    <message>
        <source>AGP_CHART</source>
        <translation>Profilo glicemico ambulatoriale (AGP)</translation>
    </message>
    <message>
        <source>AGP_SENSOR</source>
        <translation>Sensore continuo</translation>
    </message>
    <message>
        <source>AGP_FROM</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>AGP_TO</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>AGP_PROFILE</source>
        <translation>Obiettivi</translation>
    </message>
    <message>
        <source>AGP_PROFILE_STANDARD</source>
        <translation>Standard (adulti)</translation>
    </message>
    <message>
        <source>AGP_PROFILE_OLDER</source>
        <translation>Anziani o ad alto rischio</translation>
    </message>
    <message>
        <extracomment>%1 the profile of the targets.</extracomment>
        <source>AGP_PROFILE_OF</source>
        <translation>obiettivi: %1</translation>
    </message>
    <message>
        <source>AGP_NOT_SUFFICIENT</source>
        <translation>Non sufficiente: meno di 14 giorni o sensore attivo meno del 70 % del tempo</translation>
    </message>
    <message>
        <source>AGP_NO_READINGS</source>
        <translation>Nessuna lettura del sensore in questo periodo.</translation>
    </message>
    <message>
        <extracomment>%1 the target, a percentage.</extracomment>
        <source>AGP_TARGET_AT_LEAST</source>
        <translation>obiettivo ≥ %1 %</translation>
    </message>
    <message>
        <extracomment>%1 the target, a percentage.</extracomment>
        <source>AGP_TARGET_BELOW</source>
        <translation>obiettivo &lt; %1 %</translation>
    </message>
    <message>
        <source>AGP_MET</source>
        <translation>✓ raggiunto</translation>
    </message>
    <message>
        <source>AGP_MISSED</source>
        <translation>✗ mancato</translation>
    </message>
    <message>
        <source>AGP_SENSOR_ACTIVE</source>
        <translation>Sensore attivo</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges, the second with its unit.</extracomment>
        <source>AGP_TIME_IN_RANGE</source>
        <translation>Tempo nell'intervallo (da %1 a %2)</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges, the second with its unit.</extracomment>
        <source>AGP_TIME_IN_TIGHT_RANGE</source>
        <translation>Tempo nell'intervallo stretto (da %1 a %2)</translation>
    </message>
    <message>
        <extracomment>%1 the edge with its unit.</extracomment>
        <source>AGP_TIME_ABOVE_RANGE</source>
        <translation>Tempo sopra l'intervallo (oltre %1)</translation>
    </message>
    <message>
        <extracomment>%1 the edge with its unit.</extracomment>
        <source>AGP_TIME_VERY_HIGH</source>
        <translation>Tempo molto alto (oltre %1)</translation>
    </message>
    <message>
        <extracomment>%1 the edge with its unit.</extracomment>
        <source>AGP_TIME_BELOW_RANGE</source>
        <translation>Tempo sotto l'intervallo (sotto %1)</translation>
    </message>
    <message>
        <extracomment>%1 the edge with its unit.</extracomment>
        <source>AGP_TIME_VERY_LOW</source>
        <translation>Tempo molto basso (sotto %1)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 its edge, e.g. &quot;&gt; 250&quot;.</extracomment>
        <source>AGP_BAND_VERY_HIGH</source>
        <translation>Molto alto (%1)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 and %2 its edges.</extracomment>
        <source>AGP_BAND_HIGH</source>
        <translation>Alto (%1–%2)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 and %2 its edges.</extracomment>
        <source>AGP_BAND_IN_RANGE</source>
        <translation>Nell'intervallo (%1–%2)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 and %2 its edges.</extracomment>
        <source>AGP_BAND_LOW</source>
        <translation>Basso (%1–%2)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 its edge, e.g. &quot;&lt; 54&quot;.</extracomment>
        <source>AGP_BAND_VERY_LOW</source>
        <translation>Molto basso (%1)</translation>
    </message>
    <message>
        <source>AGP_RANGES</source>
        <translation>Tempo negli intervalli</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the first and last day, %3 the days.</extracomment>
        <source>AGP_PERIOD</source>
        <translation>dal %1 al %2 · %3 giorni</translation>
    </message>
    <message>
        <source>AGP_DAILY</source>
        <translation>Profili giornalieri</translation>
    </message>
    <message>
        <source>AGP_DAILY_MORE</source>
        <translation>Profili giornalieri (continua)</translation>
    </message>
    <message>
        <source>AGP_TAB_OVERVIEW</source>
        <translation>Panoramica</translation>
    </message>
</context>
</TS>
