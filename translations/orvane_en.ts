<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Orvane</name>
    <message>
        <extracomment>Period pop-up. No two pop-up items (period, kind, meal, insulin) may share a text: the shown text is read back into its key.</extracomment>
        <source>POPUP_PERIOD_EVERYDAY</source>
        <translation>All days</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_TODAY</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_YESTERDAY</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <extracomment>Today and the 6 days before it.</extracomment>
        <source>POPUP_PERIOD_WEEK</source>
        <translation>Last 7 days</translation>
    </message>
    <message>
        <extracomment>Today and the 29 days before it.</extracomment>
        <source>POPUP_PERIOD_MONTH</source>
        <translation>Last 30 days</translation>
    </message>
    <message>
        <extracomment>Today and the 364 days before it.</extracomment>
        <source>POPUP_PERIOD_YEAR</source>
        <translation>Last 365 days</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT10</source>
        <translation>Last 10 cards</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT20</source>
        <translation>Last 20 cards</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT50</source>
        <translation>Last 50 cards</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT100</source>
        <translation>Last 100 cards</translation>
    </message>
    <message>
        <extracomment>Kind pop-up.</extracomment>
        <source>POPUP_MEASURAMENT_ALL</source>
        <translation>All cards</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_BLOOD</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_TERAPIES</source>
        <translation>Therapies</translation>
    </message>
    <message>
        <extracomment>Meal pop-up: no meal chosen.</extracomment>
        <source>POPUP_MEAL_SELECT</source>
        <translation>Select meal</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BREAKFAST</source>
        <translation>Breakfast</translation>
    </message>
    <message>
        <source>POPUP_MEAL_LUNCH</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>POPUP_MEAL_DINNER</source>
        <translation>Dinner</translation>
    </message>
    <message>
        <extracomment>A check outside meals.</extracomment>
        <source>POPUP_MEAL_CONTROL</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BASAL</source>
        <translation>Basal</translation>
    </message>
    <message>
        <source>POPUP_MEAL_CORRECTION</source>
        <translation>Correction</translation>
    </message>
    <message>
        <extracomment>Insulin pop-up: no insulin chosen.</extracomment>
        <source>POPUP_INSULIN_SELECT</source>
        <translation>Select insulin</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_SLOW</source>
        <translation>Long-acting</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_NORMAL</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_QUICK</source>
        <translation>Rapid-acting</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_MIXED</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>BUTTON_YES</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>BUTTON_NO</source>
        <translation>No</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for a new card; must differ from BUTTON_EDIT.</extracomment>
        <source>BUTTON_ADD</source>
        <translation>Add</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for an existing card.</extracomment>
        <source>BUTTON_EDIT</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_CANCEL</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_REMOVE</source>
        <translation>Remove</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes quits, No stays.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_QUIT</source>
        <translation>Do you want to quit?</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes replaces, No adds.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_IMPORT</source>
        <translation>Replace the diary with the imported cards? Choose No to add them to the diary.</translation>
    </message>
    <message>
        <source>DATA_INCORRECT</source>
        <translation>The data are incomplete: a measurement needs a glycemia above 0, a therapy an insulin and units above 0.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA</source>
        <translation>The glycemia must be above 0 and at most 600 mg/dL.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA_MMOL</source>
        <translation>The glycemia must be above 0 and at most 33.3 mmol/L.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_UNIT</source>
        <translation>Insulin units must be from 0 to 100.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE</source>
        <translation>Remove this card?</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_INFO</source>
        <translation>The card is removed from the diary for good.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_PROTECT</source>
        <translation>This card is protected and cannot be removed.</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the date.</extracomment>
        <source>DELETE_MSG_DATE</source>
        <translation>Date:</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the units.</extracomment>
        <source>DELETE_MSG_INFO_THERAPY</source>
        <translation>Insulin units:</translation>
    </message>
    <message>
        <extracomment>Followed by a blank, the value and its unit.</extracomment>
        <source>DELETE_MSG_INFO_MEASURAMENT</source>
        <translation>Glycemia:</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is hidden.</extracomment>
        <source>MENU_NOTE_VIEW</source>
        <translation>Show</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is shown.</extracomment>
        <source>MENU_NOTE_HIDE</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_SHOW</source>
        <translation>Show Toolbar</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_HIDE</source>
        <translation>Hide Toolbar</translation>
    </message>
    <message>
        <extracomment>Reads: Cards shown: 12 of 240.</extracomment>
        <source>VIEW_NUMBER_RECORD</source>
        <translation>Cards shown:</translation>
    </message>
    <message>
        <extracomment>Between the cards shown and the cards in the diary.</extracomment>
        <source>ON</source>
        <translation>of</translation>
    </message>
    <message>
        <extracomment>A statistic with no cards to compute it from.</extracomment>
        <source>NOT_DISPONBLE</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>TOOLBAR_ADD</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>TOOLBAR_EDIT</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>TOOLBAR_REMOVE</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>TOOLBAR_IMPORT</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>TOOLBAR_EXPORT</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>TOOLBAR_STATISTICS</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>TOOLBAR_NOTE</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>TOOLBAR_PERIOD</source>
        <translation>Period shown</translation>
    </message>
    <message>
        <source>TOOLBAR_KIND</source>
        <translation>Cards shown</translation>
    </message>
    <message>
        <source>MENU_FILE</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>MENU_EDIT</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>MENU_VIEW</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>MENU_KIND</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>MENU_PERIOD</source>
        <translation>Period</translation>
    </message>
    <message>
        <extracomment>View menu: the submenu of the unit every glycemia is shown and typed in.</extracomment>
        <source>MENU_GLYCEMIA_UNIT</source>
        <translation>Glucose Unit</translation>
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
        <translation>Glycemia (%1)</translation>
    </message>
    <message>
        <source>MENU_ITEM_NEW</source>
        <translation>New Card…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EDIT</source>
        <translation>Edit Card…</translation>
    </message>
    <message>
        <source>MENU_ITEM_REMOVE</source>
        <translation>Remove Card…</translation>
    </message>
    <message>
        <source>MENU_ITEM_IMPORT</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EXPORT</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>MENU_ITEM_QUIT</source>
        <translation>Quit Orvane</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the undo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_UNDO</source>
        <translation>Undo</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the redo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_REDO</source>
        <translation>Redo</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_MEASUREMENT</source>
        <translation>Add Measurement</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_THERAPY</source>
        <translation>Add Dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_MEASUREMENT</source>
        <translation>Edit Measurement</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_THERAPY</source>
        <translation>Edit Dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_MEASUREMENT</source>
        <translation>Remove Measurement</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_THERAPY</source>
        <translation>Remove Dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_NOTE</source>
        <translation>Edit Note</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: cards imported joining the diary.</extracomment>
        <source>UNDO_IMPORT</source>
        <translation>Import</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: the diary replaced by an import.</extracomment>
        <source>UNDO_IMPORT_REPLACE</source>
        <translation>Import (Replace the Diary)</translation>
    </message>
    <message>
        <source>WINDOW_STATISTICS</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>WINDOW_NOTE</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>STATISTICS_LOWEST</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>STATISTICS_MEAN</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>STATISTICS_HIGHEST</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>STATISTICS_GLYCEMIA</source>
        <translation>Glycemia</translation>
    </message>
    <message>
        <source>STATISTICS_PRE_MEAL</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>STATISTICS_POST_MEAL</source>
        <translation>After</translation>
    </message>
    <message>
        <source>STATISTICS_UNITS</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>COLUMN_dateMeasurement</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>COLUMN_nameMeal</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>COLUMN_isPreMeal</source>
        <translation>Before meal</translation>
    </message>
    <message>
        <source>COLUMN_unitValue</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>COLUMN_nameInsulin</source>
        <translation>Insulin</translation>
    </message>
    <message>
        <source>COLUMN_isTherapy</source>
        <translation>Therapy</translation>
    </message>
    <message>
        <source>COLUMN_isProtect</source>
        <translation>Protected</translation>
    </message>
    <message>
        <source>COLUMN_notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE</source>
        <translation>The diary file could not be read.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE_INFO</source>
        <translation>It has been kept, untouched, as %1 (%2). Orvane starts with an empty diary.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED</source>
        <translation>The diary file could not be read.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED_INFO</source>
        <translation>%1 (%2) could not be moved aside either. So that it is not overwritten, nothing you do in this session will be saved. Move the file elsewhere and start Orvane again.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED</source>
        <translation>The diary could not be saved.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED_INFO</source>
        <translation>Writing %1 failed: %2. Your cards are still here; the next change tries again.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_BLOCKED_INFO</source>
        <translation>%1 could not be read at start, so it is not overwritten. Move it elsewhere and start Orvane again to save your cards.</translation>
    </message>
    <message>
        <extracomment>Why a file could not be written; follows the file's name.</extracomment>
        <source>SAVE_REASON_DISK_FULL</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>SAVE_REASON_READ_ONLY</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>SAVE_REASON_NO_PERMISSION</source>
        <translation>you have no permission to write there</translation>
    </message>
    <message>
        <source>SAVE_REASON_TOO_LARGE</source>
        <translation>the file is larger than the system allows</translation>
    </message>
    <message>
        <source>SAVE_REASON_DEVICE</source>
        <translation>the disk reported an error</translation>
    </message>
    <message>
        <source>EDIT_DATE</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>EDIT_THERAPY</source>
        <translation>Insulin dose</translation>
    </message>
    <message>
        <source>EDIT_PROTECT</source>
        <translation>Protected</translation>
    </message>
    <message>
        <source>EDIT_MEAL</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>EDIT_PRE_MEAL</source>
        <translation>Before the meal</translation>
    </message>
    <message>
        <source>EDIT_INSULIN</source>
        <translation>Insulin</translation>
    </message>
    <message>
        <source>EDIT_UNITS</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>EDIT_NOTE</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_ADD</source>
        <translation>New Card</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_EDIT</source>
        <translation>Edit Card</translation>
    </message>
    <message>
        <source>WINDOW_DELETE</source>
        <translation>Remove Card</translation>
    </message>
    <message>
        <source>BUTTON_CONTINUE</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>WINDOW_EXPORT</source>
        <translation>Export</translation>
    </message>
    <message>
        <extracomment>Above the three export kinds; every card is exported, whatever the filter shows.</extracomment>
        <source>EXPORT_MESSAGE</source>
        <translation>Export the whole diary as:</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_ORV</source>
        <translation>Diary file (.orv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_CSV</source>
        <translation>CSV (.csv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_REALSTUDIO</source>
        <translation>CSV in the old layout (.csv)</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_FAILED</source>
        <translation>The diary could not be exported.</translation>
    </message>
    <message>
        <extracomment>%1 the chosen file, %2 the system's reason.</extracomment>
        <source>ALERT_EXPORT_FAILED_INFO</source>
        <translation>Writing %1 failed: %2. Nothing was written there.</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_OVER_DIARY_INFO</source>
        <translation>That file is the diary itself: choose another name, or export as a diary file.</translation>
    </message>
    <message>
        <extracomment>The diary is left as it was.</extracomment>
        <source>ALERT_IMPORT_NOTHING</source>
        <translation>Nothing was imported.</translation>
    </message>
    <message>
        <extracomment>%1 the system's reason.</extracomment>
        <source>IMPORT_UNREADABLE</source>
        <translation>The file cannot be read (%1).</translation>
    </message>
    <message>
        <source>IMPORT_NOT_UTF8</source>
        <translation>The file is not UTF-8 text.</translation>
    </message>
    <message>
        <source>IMPORT_NOT_RECOGNISED</source>
        <translation>The file is in neither of the diary's CSV layouts (its first line is not a header of either).</translation>
    </message>
    <message>
        <source>IMPORT_NONE_READABLE</source>
        <translation>None of the file's records could be read.</translation>
    </message>
    <message>
        <source>IMPORT_NO_RECORDS</source>
        <translation>The file holds no records.</translation>
    </message>
    <message>
        <source>IMPORT_NO_CARDS</source>
        <translation>The diary file holds no cards.</translation>
    </message>
    <message>
        <source>IMPORT_ALL_KNOWN</source>
        <translation>The diary already holds every card of the file.</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON_AND_TEXT</source>
        <translation>Icon and Text</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON</source>
        <translation>Icon Only</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_TEXT</source>
        <translation>Text Only</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_SMALL</source>
        <translation>Use Small Size</translation>
    </message>
    <message>
        <source>ALERT_DIARY_IN_USE</source>
        <translation>The diary is already open.</translation>
    </message>
    <message>
        <extracomment>%1 the other program's process number, %2 the diary file.</extracomment>
        <source>ALERT_DIARY_IN_USE_INFO</source>
        <translation>Another Orvane (process %1) has %2 open. Switch to it: two programs writing the same diary would undo each other's changes.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME</source>
        <translation>There is no home folder to keep the diary in.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME_INFO</source>
        <translation>The HOME variable is not set and your account has no home folder. Start Orvane with HOME set to your folder.</translation>
    </message>
    <message>
        <source>TOOLBAR_TRENDS</source>
        <translation>Trends</translation>
    </message>
    <message>
        <source>WINDOW_TRENDS</source>
        <translation>Trends</translation>
    </message>
    <message>
        <source>MENU_ITEM_REPORT</source>
        <translation>Report for the Care Team…</translation>
    </message>
    <message>
        <source>TRENDS_UNIT</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>TRENDS_CHART_GLYCEMIA</source>
        <translation>Glycemia over time</translation>
    </message>
    <message>
        <source>TRENDS_CHART_INSULIN</source>
        <translation>Insulin units a day</translation>
    </message>
    <message>
        <source>TRENDS_CHART_MODAL_DAY</source>
        <translation>Modal day</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_READINGS</source>
        <translation>Readings</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges of the target band, %3 the unit.</extracomment>
        <source>TRENDS_SERIES_TARGET</source>
        <translation>Target %1–%2 %3</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is low.</extracomment>
        <source>TRENDS_SERIES_LOW</source>
        <translation>Low %1</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is very low.</extracomment>
        <source>TRENDS_SERIES_VERY_LOW</source>
        <translation>Very low %1</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_MEDIAN</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P25_P75</source>
        <translation>25–75th percentile</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P5_P95</source>
        <translation>5–95th percentile</translation>
    </message>
    <message>
        <source>TRENDS_AXIS_HOUR</source>
        <translation>Hour of the day</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_READINGS</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DAYS</source>
        <translation>Days</translation>
    </message>
    <message>
        <extracomment>%1 the days the view spans, %2 those that hold a reading.</extracomment>
        <source>TRENDS_FIGURES_DAYS_VALUE</source>
        <translation>%1 (%2 with readings)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_MEAN</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_MEDIAN</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SD</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_CV</source>
        <translation>Coefficient of variation</translation>
    </message>
    <message>
        <extracomment>%1 the coefficient of variation.</extracomment>
        <source>TRENDS_FIGURES_CV_HIGH</source>
        <translation>%1 (above 36 %: high variability)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES</source>
        <translation>Share of readings</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES_NOTE</source>
        <translation>Shares of the readings in view, not of time: finger-stick readings do not measure time in range.</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BELOW</source>
        <translation>Below %1</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BETWEEN</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>TRENDS_BAND_ABOVE</source>
        <translation>Above %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_HYPO</source>
        <translation>Hypoglycaemia</translation>
    </message>
    <message>
        <extracomment>%1 readings below %2, %3 readings below %4.</extracomment>
        <source>TRENDS_FIGURES_HYPO_VALUE</source>
        <translation>%1 below %2, %3 below %4</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C</source>
        <translation>Estimated HbA1c (ADAG)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_GMI</source>
        <translation>Glucose management indicator</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C_VALUE</source>
        <translation>%1 % · %2 mmol/mol</translation>
    </message>
    <message>
        <extracomment>%1 the estimate.</extracomment>
        <source>TRENDS_FIGURES_UNRELIABLE</source>
        <translation>%1 (unreliable: fewer than 14 days or 3 readings a day)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_INSULIN</source>
        <translation>Insulin</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_UNITS_A_DAY</source>
        <translation>Units a day</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DOSES_A_DAY</source>
        <translation>Injections a day</translation>
    </message>
    <message>
        <extracomment>%1 the meal.</extracomment>
        <source>TRENDS_FIGURES_UNITS_MEAL</source>
        <translation>Mean units, %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_NO_MEAL</source>
        <translation>no meal</translation>
    </message>
    <message>
        <source>REPORT_TITLE</source>
        <translation>Diabetes diary report</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the first and last day in view, %3 the period and kind chosen.</extracomment>
        <source>REPORT_SPAN</source>
        <translation>%1 to %2 · %3</translation>
    </message>
    <message>
        <extracomment>%1 the date the report was made.</extracomment>
        <source>REPORT_MADE_ON</source>
        <translation>Made by Orvane on %1</translation>
    </message>
    <message>
        <source>REPORT_LOGBOOK</source>
        <translation>Logbook</translation>
    </message>
    <message>
        <source>REPORT_DAY</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>REPORT_OTHER</source>
        <translation>Other readings</translation>
    </message>
    <message>
        <source>REPORT_OTHER_UNITS</source>
        <translation>Other units</translation>
    </message>
    <message>
        <source>REPORT_PAGE</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>REPORT_NO_CARDS</source>
        <translation>No readings or doses in view.</translation>
    </message>
    <message>
        <source>ALERT_REPORT_FAILED</source>
        <translation>The report could not be written.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_REPORT_FAILED_INFO</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <extracomment>%1 how many values a day holds, %2 the lowest, %3 the highest.</extracomment>
        <source>REPORT_MANY_VALUES</source>
        <translation>%1 values, %2 to %3</translation>
    </message>
    <message>
        <extracomment>Why the diary is not written: it could not be read when the program started.</extracomment>
        <source>SAVE_BLOCKED_REASON</source>
        <translation>it could not be read at start, so it is not written over</translation>
    </message>
    <message>
        <source>ALERT_QUIT_SAVE_FAILED</source>
        <translation>The diary could not be saved, so Orvane has not quit.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_QUIT_SAVE_FAILED_INFO</source>
        <translation>Writing %1 failed: %2.

Try again, save the diary in another place, or quit without saving and lose the changes made since it was last saved.</translation>
    </message>
    <message>
        <source>BUTTON_TRY_AGAIN</source>
        <translation>Try Again</translation>
    </message>
    <message>
        <source>BUTTON_SAVE_ELSEWHERE</source>
        <translation>Save Elsewhere…</translation>
    </message>
    <message>
        <source>BUTTON_QUIT_WITHOUT_SAVING</source>
        <translation>Quit Without Saving</translation>
    </message>
    <message>
        <extracomment>%1 the file the cards were saved in.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE</source>
        <translation>Your cards are saved in %1.</translation>
    </message>
    <message>
        <extracomment>%1 the diary, %2 why it could not be written.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE_INFO</source>
        <translation>The diary itself, %1, could not be written (%2): the next start opens it as it was last saved. Import the file saved now (File ▸ Import…, Yes to replace the diary) to have every card back.</translation>
    </message>
    <message>
        <source>ALERT_RECOVERED</source>
        <translation>Your cards were kept in a recovery file.</translation>
    </message>
    <message>
        <extracomment>%1 the recovery files, one a line.</extracomment>
        <source>ALERT_RECOVERED_INFO</source>
        <translation>The last time Orvane ended, the diary could not be written, so its cards were saved in:
%1
Import the file (File ▸ Import…) to bring them back into the diary.</translation>
    </message>
    <message>
        <extracomment>Titles of the file panels.</extracomment>
        <source>PANEL_IMPORT</source>
        <translation>Import Cards</translation>
    </message>
    <message>
        <source>PANEL_EXPORT</source>
        <translation>Export Diary</translation>
    </message>
    <message>
        <source>PANEL_REPORT</source>
        <translation>Save Report</translation>
    </message>
    <message>
        <source>PANEL_SAVE_ELSEWHERE</source>
        <translation>Save the Diary Elsewhere</translation>
    </message>
    <message>
        <extracomment>File kinds offered by the save panels.</extracomment>
        <source>FILTER_ORV</source>
        <translation>Orvane diary (*.orv)</translation>
    </message>
    <message>
        <source>FILTER_CSV</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>BUTTON_IMPORT</source>
        <translation>Import</translation>
    </message>
    <message>
        <extracomment>Shown while a file is read. %1 the file's name.</extracomment>
        <source>IMPORT_READING</source>
        <translation>Reading “%1”…</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY</source>
        <translation>Import from %1?</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY_NOTHING_NEW</source>
        <translation>Everything in this %1 file is already in the diary.</translation>
    </message>
    <message>
        <extracomment>%1 and %2 dates.</extracomment>
        <source>IMPORT_SUMMARY_SPAN</source>
        <translation>From %1 to %2.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_NEW</source>
        <translation>New: %1 measurements, %2 insulin doses, %3 sensor readings.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_KNOWN</source>
        <translation>Already in the diary: %1 cards, %2 sensor readings.</translation>
    </message>
    <message>
        <extracomment>%1 a list such as "88 carbohydrates, 2 notes".</extracomment>
        <source>IMPORT_SUMMARY_SKIPPED</source>
        <translation>Left out: %1.</translation>
    </message>
    <message>
        <extracomment>Followed by the first lines with their numbers.</extracomment>
        <source>IMPORT_SUMMARY_NOT_UNDERSTOOD</source>
        <translation>Not understood: %1 records. The first:</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BINARY</source>
        <translation>The file is not text.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_UNKNOWN</source>
        <translation>The file is in none of the layouts the program reads.</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_FOREIGN_UNSUPPORTED</source>
        <translation>This version of %1 files is not read.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TRUNCATED</source>
        <translation>The file stops in the middle of a record.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_JUNK</source>
        <translation>After its header the file holds nothing that can be read.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BAD_DATE</source>
        <translation>The file holds a date or time that does not exist.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TOO_LONG</source>
        <translation>A line of the file is too long.</translation>
    </message>
    <message>
        <extracomment>%1 a size such as "1 GiB".</extracomment>
        <source>IMPORT_FOREIGN_TOO_LARGE</source>
        <translation>The file is larger than %1.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_NOTHING</source>
        <translation>Nothing in the file could be read as measurements, doses or sensor readings.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_WRITE_FAILED</source>
        <translation>The diary or the sensor readings could not be written: nothing was imported.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>IMPORT_FOREIGN_WRITE_FAILED_INFO</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_SENSOR</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_FINGER_STICKS</source>
        <translation>Finger-stick readings</translation>
    </message>
    <message>
        <source>AGP_CHART</source>
        <translation>Ambulatory glucose profile (AGP)</translation>
    </message>
    <message>
        <source>AGP_SENSOR</source>
        <translation>Continuous sensor</translation>
    </message>
    <message>
        <source>AGP_FROM</source>
        <translation>From</translation>
    </message>
    <message>
        <source>AGP_TO</source>
        <translation>To</translation>
    </message>
    <message>
        <source>AGP_PROFILE</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>AGP_PROFILE_STANDARD</source>
        <translation>Standard (adults)</translation>
    </message>
    <message>
        <source>AGP_PROFILE_OLDER</source>
        <translation>Older or at high risk</translation>
    </message>
    <message>
        <extracomment>%1 the profile of the targets.</extracomment>
        <source>AGP_PROFILE_OF</source>
        <translation>targets: %1</translation>
    </message>
    <message>
        <source>AGP_NOT_SUFFICIENT</source>
        <translation>Not sufficient: fewer than 14 days or under 70 % sensor time</translation>
    </message>
    <message>
        <source>AGP_NO_READINGS</source>
        <translation>No sensor readings in this period.</translation>
    </message>
    <message>
        <extracomment>%1 the target, a percentage.</extracomment>
        <source>AGP_TARGET_AT_LEAST</source>
        <translation>target ≥ %1 %</translation>
    </message>
    <message>
        <extracomment>%1 the target, a percentage.</extracomment>
        <source>AGP_TARGET_BELOW</source>
        <translation>target &lt; %1 %</translation>
    </message>
    <message>
        <source>AGP_MET</source>
        <translation>✓ met</translation>
    </message>
    <message>
        <source>AGP_MISSED</source>
        <translation>✗ missed</translation>
    </message>
    <message>
        <source>AGP_SENSOR_ACTIVE</source>
        <translation>Sensor active</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges, the second with its unit.</extracomment>
        <source>AGP_TIME_IN_RANGE</source>
        <translation>Time in range (%1 to %2)</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges, the second with its unit.</extracomment>
        <source>AGP_TIME_IN_TIGHT_RANGE</source>
        <translation>Time in tight range (%1 to %2)</translation>
    </message>
    <message>
        <extracomment>%1 the edge with its unit.</extracomment>
        <source>AGP_TIME_ABOVE_RANGE</source>
        <translation>Time above range (above %1)</translation>
    </message>
    <message>
        <extracomment>%1 the edge with its unit.</extracomment>
        <source>AGP_TIME_VERY_HIGH</source>
        <translation>Time very high (above %1)</translation>
    </message>
    <message>
        <extracomment>%1 the edge with its unit.</extracomment>
        <source>AGP_TIME_BELOW_RANGE</source>
        <translation>Time below range (below %1)</translation>
    </message>
    <message>
        <extracomment>%1 the edge with its unit.</extracomment>
        <source>AGP_TIME_VERY_LOW</source>
        <translation>Time very low (below %1)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 its edge, e.g. &quot;&gt; 250&quot;.</extracomment>
        <source>AGP_BAND_VERY_HIGH</source>
        <translation>Very high (%1)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 and %2 its edges.</extracomment>
        <source>AGP_BAND_HIGH</source>
        <translation>High (%1–%2)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 and %2 its edges.</extracomment>
        <source>AGP_BAND_IN_RANGE</source>
        <translation>In range (%1–%2)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 and %2 its edges.</extracomment>
        <source>AGP_BAND_LOW</source>
        <translation>Low (%1–%2)</translation>
    </message>
    <message>
        <extracomment>A band of the time-in-ranges bar; %1 its edge, e.g. &quot;&lt; 54&quot;.</extracomment>
        <source>AGP_BAND_VERY_LOW</source>
        <translation>Very low (%1)</translation>
    </message>
    <message>
        <source>AGP_RANGES</source>
        <translation>Time in ranges</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the first and last day, %3 the days.</extracomment>
        <source>AGP_PERIOD</source>
        <translation>%1 to %2 · %3 days</translation>
    </message>
    <message>
        <source>AGP_DAILY</source>
        <translation>Daily profiles</translation>
    </message>
    <message>
        <source>AGP_DAILY_MORE</source>
        <translation>Daily profiles (continued)</translation>
    </message>
    <message>
        <source>AGP_TAB_OVERVIEW</source>
        <translation>Overview</translation>
    </message>
</context>
</TS>
