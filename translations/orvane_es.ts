<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Orvane</name>
    <message>
        <extracomment>Period pop-up. No two pop-up items (period, kind, meal, insulin) may share a text: the shown text is read back into its key.</extracomment>
        <source>POPUP_PERIOD_EVERYDAY</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_TODAY</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_YESTERDAY</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <extracomment>Today and the 6 days before it.</extracomment>
        <source>POPUP_PERIOD_WEEK</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <extracomment>Today and the 29 days before it.</extracomment>
        <source>POPUP_PERIOD_MONTH</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <extracomment>Today and the 364 days before it.</extracomment>
        <source>POPUP_PERIOD_YEAR</source>
        <translation>Últimos 365 días</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT10</source>
        <translation>Últimas 10 fichas</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT20</source>
        <translation>Últimas 20 fichas</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT50</source>
        <translation>Últimas 50 fichas</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT100</source>
        <translation>Últimas 100 fichas</translation>
    </message>
    <message>
        <extracomment>Kind pop-up.</extracomment>
        <source>POPUP_MEASURAMENT_ALL</source>
        <translation>Todas las fichas</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_BLOOD</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_TERAPIES</source>
        <translation>Tratamientos</translation>
    </message>
    <message>
        <extracomment>Meal pop-up: no meal chosen.</extracomment>
        <source>POPUP_MEAL_SELECT</source>
        <translation>Elegir comida</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BREAKFAST</source>
        <translation>Desayuno</translation>
    </message>
    <message>
        <source>POPUP_MEAL_LUNCH</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>POPUP_MEAL_DINNER</source>
        <translation>Cena</translation>
    </message>
    <message>
        <extracomment>A check outside meals.</extracomment>
        <source>POPUP_MEAL_CONTROL</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BASAL</source>
        <translation>Basal</translation>
    </message>
    <message>
        <source>POPUP_MEAL_CORRECTION</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <extracomment>Insulin pop-up: no insulin chosen.</extracomment>
        <source>POPUP_INSULIN_SELECT</source>
        <translation>Elegir insulina</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_SLOW</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_NORMAL</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_QUICK</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_MIXED</source>
        <translation>Mixta</translation>
    </message>
    <message>
        <source>BUTTON_YES</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>BUTTON_NO</source>
        <translation>No</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for a new card; must differ from BUTTON_EDIT.</extracomment>
        <source>BUTTON_ADD</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for an existing card.</extracomment>
        <source>BUTTON_EDIT</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_CANCEL</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_REMOVE</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes quits, No stays.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_QUIT</source>
        <translation>¿Desea salir de Orvane?</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes replaces, No adds.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_IMPORT</source>
        <translation>¿Sustituir el diario por las fichas importadas? Elija No para añadirlas al diario.</translation>
    </message>
    <message>
        <source>DATA_INCORRECT</source>
        <translation>Los datos están incompletos: una medición necesita una glucemia mayor que 0, y un tratamiento, una insulina y unas unidades mayores que 0.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA</source>
        <translation>La glucemia debe ser mayor que 0 y no superar 600.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_UNIT</source>
        <translation>Las unidades de insulina deben estar entre 0 y 100.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE</source>
        <translation>¿Eliminar esta ficha?</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_INFO</source>
        <translation>La ficha se elimina del diario definitivamente.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_PROTECT</source>
        <translation>Esta ficha está protegida y no se puede eliminar.</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the date.</extracomment>
        <source>DELETE_MSG_DATE</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the units.</extracomment>
        <source>DELETE_MSG_INFO_THERAPY</source>
        <translation>Unidades de insulina:</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the value.</extracomment>
        <source>DELETE_MSG_INFO_MEASURAMENT</source>
        <translation>Glucemia:</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is hidden.</extracomment>
        <source>MENU_NOTE_VIEW</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is shown.</extracomment>
        <source>MENU_NOTE_HIDE</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_SHOW</source>
        <translation>Mostrar barra de herramientas</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_HIDE</source>
        <translation>Ocultar barra de herramientas</translation>
    </message>
    <message>
        <extracomment>Reads: Cards shown: 12 of 240.</extracomment>
        <source>VIEW_NUMBER_RECORD</source>
        <translation>Fichas mostradas:</translation>
    </message>
    <message>
        <extracomment>Between the cards shown and the cards in the diary.</extracomment>
        <source>ON</source>
        <translation>de</translation>
    </message>
    <message>
        <extracomment>A statistic with no cards to compute it from.</extracomment>
        <source>NOT_DISPONBLE</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>TOOLBAR_ADD</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>TOOLBAR_EDIT</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>TOOLBAR_REMOVE</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>TOOLBAR_IMPORT</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>TOOLBAR_EXPORT</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>TOOLBAR_STATISTICS</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>TOOLBAR_NOTE</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>TOOLBAR_PERIOD</source>
        <translation>Periodo mostrado</translation>
    </message>
    <message>
        <source>TOOLBAR_KIND</source>
        <translation>Fichas mostradas</translation>
    </message>
    <message>
        <source>MENU_FILE</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>MENU_EDIT</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>MENU_VIEW</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>MENU_KIND</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>MENU_PERIOD</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>MENU_ITEM_NEW</source>
        <translation>Nueva ficha…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EDIT</source>
        <translation>Editar ficha…</translation>
    </message>
    <message>
        <source>MENU_ITEM_REMOVE</source>
        <translation>Eliminar ficha…</translation>
    </message>
    <message>
        <source>MENU_ITEM_IMPORT</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EXPORT</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>MENU_ITEM_QUIT</source>
        <translation>Salir de Orvane</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the undo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_UNDO</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the redo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_REDO</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_MEASUREMENT</source>
        <translation>nueva medición</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_THERAPY</source>
        <translation>nueva dosis</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_MEASUREMENT</source>
        <translation>cambio de medición</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_THERAPY</source>
        <translation>cambio de dosis</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_MEASUREMENT</source>
        <translation>eliminación de medición</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_THERAPY</source>
        <translation>eliminación de dosis</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_NOTE</source>
        <translation>cambio de nota</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: cards imported joining the diary.</extracomment>
        <source>UNDO_IMPORT</source>
        <translation>importación</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: the diary replaced by an import.</extracomment>
        <source>UNDO_IMPORT_REPLACE</source>
        <translation>importación (sustituye el diario)</translation>
    </message>
    <message>
        <source>WINDOW_STATISTICS</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>WINDOW_NOTE</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>STATISTICS_LOWEST</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>STATISTICS_MEAN</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>STATISTICS_HIGHEST</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>STATISTICS_GLYCEMIA</source>
        <translation>Glucemia</translation>
    </message>
    <message>
        <source>STATISTICS_PRE_MEAL</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>STATISTICS_POST_MEAL</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>STATISTICS_UNITS</source>
        <translation>UI</translation>
    </message>
    <message>
        <source>COLUMN_dateMeasurement</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>COLUMN_nameMeal</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>COLUMN_isPreMeal</source>
        <translation>Antes de comer</translation>
    </message>
    <message>
        <source>COLUMN_unitValue</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>COLUMN_nameInsulin</source>
        <translation>Insulina</translation>
    </message>
    <message>
        <source>COLUMN_isTherapy</source>
        <translation>Tratamiento</translation>
    </message>
    <message>
        <source>COLUMN_isProtect</source>
        <translation>Protegida</translation>
    </message>
    <message>
        <source>COLUMN_notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE</source>
        <translation>No se pudo leer el archivo del diario.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE_INFO</source>
        <translation>Se ha conservado intacto como %1 (%2). Orvane se inicia con un diario vacío.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED</source>
        <translation>No se pudo leer el archivo del diario.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED_INFO</source>
        <translation>Tampoco se pudo apartar %1 (%2). Para que no se sobrescriba, no se guardará nada de lo que haga en esta sesión. Mueva el archivo a otro lugar y vuelva a iniciar Orvane.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED</source>
        <translation>No se pudo guardar el diario.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED_INFO</source>
        <translation>No se pudo escribir %1: %2. Sus fichas siguen aquí; se volverá a intentar con el próximo cambio.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_BLOCKED_INFO</source>
        <translation>%1 no se pudo leer al iniciar, por lo que no se sobrescribe. Muévalo a otro lugar y vuelva a iniciar Orvane para guardar sus fichas.</translation>
    </message>
    <message>
        <extracomment>Why a file could not be written; follows the file's name.</extracomment>
        <source>SAVE_REASON_DISK_FULL</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>SAVE_REASON_READ_ONLY</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>SAVE_REASON_NO_PERMISSION</source>
        <translation>no tiene permiso para escribir ahí</translation>
    </message>
    <message>
        <source>SAVE_REASON_TOO_LARGE</source>
        <translation>el archivo supera el tamaño que permite el sistema</translation>
    </message>
    <message>
        <source>SAVE_REASON_DEVICE</source>
        <translation>el disco ha notificado un error</translation>
    </message>
    <message>
        <source>EDIT_DATE</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>EDIT_THERAPY</source>
        <translation>Dosis de insulina</translation>
    </message>
    <message>
        <source>EDIT_PROTECT</source>
        <translation>Protegida</translation>
    </message>
    <message>
        <source>EDIT_MEAL</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>EDIT_PRE_MEAL</source>
        <translation>Antes de comer</translation>
    </message>
    <message>
        <source>EDIT_INSULIN</source>
        <translation>Insulina</translation>
    </message>
    <message>
        <source>EDIT_UNITS</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>EDIT_NOTE</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_ADD</source>
        <translation>Nueva ficha</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_EDIT</source>
        <translation>Editar ficha</translation>
    </message>
    <message>
        <source>WINDOW_DELETE</source>
        <translation>Eliminar ficha</translation>
    </message>
    <message>
        <source>BUTTON_CONTINUE</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>WINDOW_EXPORT</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <extracomment>Above the three export kinds; every card is exported, whatever the filter shows.</extracomment>
        <source>EXPORT_MESSAGE</source>
        <translation>Exportar todo el diario como:</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_ORV</source>
        <translation>Archivo de diario (.orv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_CSV</source>
        <translation>CSV (.csv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_REALSTUDIO</source>
        <translation>CSV con la disposición antigua (.csv)</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_FAILED</source>
        <translation>No se pudo exportar el diario.</translation>
    </message>
    <message>
        <extracomment>%1 the chosen file, %2 the system's reason.</extracomment>
        <source>ALERT_EXPORT_FAILED_INFO</source>
        <translation>No se pudo escribir %1: %2. No se ha escrito nada allí.</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_OVER_DIARY_INFO</source>
        <translation>Ese archivo es el propio diario: elija otro nombre o exporte como archivo de diario.</translation>
    </message>
    <message>
        <extracomment>The diary is left as it was.</extracomment>
        <source>ALERT_IMPORT_NOTHING</source>
        <translation>No se ha importado nada.</translation>
    </message>
    <message>
        <extracomment>%1 the system's reason.</extracomment>
        <source>IMPORT_UNREADABLE</source>
        <translation>No se puede leer el archivo (%1).</translation>
    </message>
    <message>
        <source>IMPORT_NOT_UTF8</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>IMPORT_NOT_RECOGNISED</source>
        <translation>El archivo no tiene ninguna de las dos disposiciones CSV del diario (su primera línea no es la cabecera de ninguna).</translation>
    </message>
    <message>
        <source>IMPORT_NONE_READABLE</source>
        <translation>No se pudo leer ningún registro del archivo.</translation>
    </message>
    <message>
        <source>IMPORT_NO_RECORDS</source>
        <translation>El archivo no contiene registros.</translation>
    </message>
    <message>
        <source>IMPORT_NO_CARDS</source>
        <translation>El archivo de diario no contiene fichas.</translation>
    </message>
    <message>
        <source>IMPORT_ALL_KNOWN</source>
        <translation>El diario ya contiene todas las fichas del archivo.</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON_AND_TEXT</source>
        <translation>Icono y texto</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON</source>
        <translation>Solo icono</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_TEXT</source>
        <translation>Solo texto</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_SMALL</source>
        <translation>Tamaño pequeño</translation>
    </message>
    <message>
        <source>ALERT_DIARY_IN_USE</source>
        <translation>El diario ya está abierto.</translation>
    </message>
    <message>
        <extracomment>%1 the other program's process number, %2 the diary file.</extracomment>
        <source>ALERT_DIARY_IN_USE_INFO</source>
        <translation>Otro Orvane (proceso %1) tiene abierto %2. Cambie a él: dos programas que escriben el mismo diario desharían los cambios del otro.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME</source>
        <translation>No hay ninguna carpeta personal donde guardar el diario.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME_INFO</source>
        <translation>La variable HOME no está definida y su cuenta no tiene carpeta personal. Inicie Orvane con HOME apuntando a su carpeta.</translation>
    </message>
    <message>
        <source>TOOLBAR_TRENDS</source>
        <translation>Tendencias</translation>
    </message>
    <message>
        <source>WINDOW_TRENDS</source>
        <translation>Tendencias</translation>
    </message>
    <message>
        <source>MENU_ITEM_REPORT</source>
        <translation>Informe para el equipo médico…</translation>
    </message>
    <message>
        <source>TRENDS_UNIT</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>TRENDS_CHART_GLYCEMIA</source>
        <translation>Glucemia a lo largo del tiempo</translation>
    </message>
    <message>
        <source>TRENDS_CHART_INSULIN</source>
        <translation>Unidades de insulina al día</translation>
    </message>
    <message>
        <source>TRENDS_CHART_MODAL_DAY</source>
        <translation>Día modal</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_READINGS</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges of the target band, %3 the unit.</extracomment>
        <source>TRENDS_SERIES_TARGET</source>
        <translation>Objetivo %1–%2 %3</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is low.</extracomment>
        <source>TRENDS_SERIES_LOW</source>
        <translation>Baja %1</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is very low.</extracomment>
        <source>TRENDS_SERIES_VERY_LOW</source>
        <translation>Muy baja %1</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_MEDIAN</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P25_P75</source>
        <translation>Percentiles 25–75</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P5_P95</source>
        <translation>Percentiles 5–95</translation>
    </message>
    <message>
        <source>TRENDS_AXIS_HOUR</source>
        <translation>Hora del día</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_READINGS</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DAYS</source>
        <translation>Días</translation>
    </message>
    <message>
        <extracomment>%1 the days the view spans, %2 those that hold a reading.</extracomment>
        <source>TRENDS_FIGURES_DAYS_VALUE</source>
        <translation>%1 (%2 con lecturas)</translation>
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
        <translation>Desviación estándar</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_CV</source>
        <translation>Coeficiente de variación</translation>
    </message>
    <message>
        <extracomment>%1 the coefficient of variation.</extracomment>
        <source>TRENDS_FIGURES_CV_HIGH</source>
        <translation>%1 (más del 36 %: variabilidad alta)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES</source>
        <translation>Reparto de las lecturas</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES_NOTE</source>
        <translation>Proporciones de las lecturas mostradas, no del tiempo: las lecturas capilares no miden el tiempo en rango.</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BELOW</source>
        <translation>Menos de %1</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BETWEEN</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>TRENDS_BAND_ABOVE</source>
        <translation>Más de %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_HYPO</source>
        <translation>Hipoglucemia</translation>
    </message>
    <message>
        <extracomment>%1 readings below %2, %3 readings below %4.</extracomment>
        <source>TRENDS_FIGURES_HYPO_VALUE</source>
        <translation>%1 por debajo de %2, %3 por debajo de %4</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C</source>
        <translation>HbA1c estimada (ADAG)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_GMI</source>
        <translation>Indicador de gestión de la glucosa</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C_VALUE</source>
        <translation>%1 % · %2 mmol/mol</translation>
    </message>
    <message>
        <extracomment>%1 the estimate.</extracomment>
        <source>TRENDS_FIGURES_UNRELIABLE</source>
        <translation>%1 (poco fiable: menos de 14 días o de 3 lecturas al día)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_INSULIN</source>
        <translation>Insulina</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_UNITS_A_DAY</source>
        <translation>Unidades al día</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DOSES_A_DAY</source>
        <translation>Inyecciones al día</translation>
    </message>
    <message>
        <extracomment>%1 the meal.</extracomment>
        <source>TRENDS_FIGURES_UNITS_MEAL</source>
        <translation>Unidades medias, %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_NO_MEAL</source>
        <translation>sin comida</translation>
    </message>
    <message>
        <source>REPORT_TITLE</source>
        <translation>Diario de diabetes: informe</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the first and last day in view, %3 the period and kind chosen.</extracomment>
        <source>REPORT_SPAN</source>
        <translation>Del %1 al %2 · %3</translation>
    </message>
    <message>
        <extracomment>%1 the date the report was made.</extracomment>
        <source>REPORT_MADE_ON</source>
        <translation>Creado con Orvane el %1</translation>
    </message>
    <message>
        <source>REPORT_LOGBOOK</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>REPORT_DAY</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>REPORT_OTHER</source>
        <translation>Otras lecturas</translation>
    </message>
    <message>
        <source>REPORT_OTHER_UNITS</source>
        <translation>Otras dosis</translation>
    </message>
    <message>
        <source>REPORT_PAGE</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>REPORT_NO_CARDS</source>
        <translation>No hay lecturas ni dosis en la vista.</translation>
    </message>
    <message>
        <source>ALERT_REPORT_FAILED</source>
        <translation>No se pudo escribir el informe.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_REPORT_FAILED_INFO</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <extracomment>%1 how many values a day holds, %2 the lowest, %3 the highest.</extracomment>
        <source>REPORT_MANY_VALUES</source>
        <translation>%1 valores, de %2 a %3</translation>
    </message>
    <message>
        <extracomment>Why the diary is not written: it could not be read when the program started.</extracomment>
        <source>SAVE_BLOCKED_REASON</source>
        <translation>no se pudo leer al iniciar, por lo que no se sobrescribe</translation>
    </message>
    <message>
        <source>ALERT_QUIT_SAVE_FAILED</source>
        <translation>No se pudo guardar el diario, así que Orvane no se ha cerrado.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_QUIT_SAVE_FAILED_INFO</source>
        <translation>No se pudo escribir %1: %2.

Vuelva a intentarlo, guarde el diario en otro lugar o salga sin guardar y pierda los cambios hechos desde la última vez que se guardó.</translation>
    </message>
    <message>
        <source>BUTTON_TRY_AGAIN</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>BUTTON_SAVE_ELSEWHERE</source>
        <translation>Guardar en otro lugar…</translation>
    </message>
    <message>
        <source>BUTTON_QUIT_WITHOUT_SAVING</source>
        <translation>Salir sin guardar</translation>
    </message>
    <message>
        <extracomment>%1 the file the cards were saved in.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE</source>
        <translation>Sus fichas se han guardado en %1.</translation>
    </message>
    <message>
        <extracomment>%1 the diary, %2 why it could not be written.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE_INFO</source>
        <translation>No se pudo escribir el propio diario, %1 (%2): el próximo inicio lo abrirá tal como se guardó por última vez. Importe el archivo guardado ahora (Archivo ▸ Importar…, Sí para sustituir el diario) para recuperar todas las fichas.</translation>
    </message>
    <message>
        <source>ALERT_RECOVERED</source>
        <translation>Sus fichas se conservaron en un archivo de recuperación.</translation>
    </message>
    <message>
        <extracomment>%1 the recovery files, one a line.</extracomment>
        <source>ALERT_RECOVERED_INFO</source>
        <translation>La última vez que se cerró Orvane no se pudo escribir el diario, así que sus fichas se guardaron en:
%1
Importe el archivo (Archivo ▸ Importar…) para devolverlas al diario.</translation>
    </message>
    <message>
        <extracomment>Titles of the file panels.</extracomment>
        <source>PANEL_IMPORT</source>
        <translation>Importar fichas</translation>
    </message>
    <message>
        <source>PANEL_EXPORT</source>
        <translation>Exportar diario</translation>
    </message>
    <message>
        <source>PANEL_REPORT</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>PANEL_SAVE_ELSEWHERE</source>
        <translation>Guardar el diario en otro lugar</translation>
    </message>
    <message>
        <extracomment>File kinds offered by the save panels.</extracomment>
        <source>FILTER_ORV</source>
        <translation>Diario de Orvane (*.orv)</translation>
    </message>
    <message>
        <source>FILTER_CSV</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>BUTTON_IMPORT</source>
        <translation>Importar</translation>
    </message>
    <message>
        <extracomment>Shown while a file is read. %1 the file's name.</extracomment>
        <source>IMPORT_READING</source>
        <translation>Leyendo «%1»…</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY</source>
        <translation>¿Importar desde %1?</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY_NOTHING_NEW</source>
        <translation>Todo lo que contiene este archivo de %1 ya está en el diario.</translation>
    </message>
    <message>
        <extracomment>%1 and %2 dates.</extracomment>
        <source>IMPORT_SUMMARY_SPAN</source>
        <translation>Del %1 al %2.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_NEW</source>
        <translation>Nuevo: %1 mediciones, %2 dosis de insulina, %3 lecturas del sensor.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_KNOWN</source>
        <translation>Ya en el diario: %1 fichas, %2 lecturas del sensor.</translation>
    </message>
    <message>
        <extracomment>%1 a list such as "88 carbohydrates, 2 notes".</extracomment>
        <source>IMPORT_SUMMARY_SKIPPED</source>
        <translation>Omitido: %1.</translation>
    </message>
    <message>
        <extracomment>Followed by the first lines with their numbers.</extracomment>
        <source>IMPORT_SUMMARY_NOT_UNDERSTOOD</source>
        <translation>No entendidos: %1 registros. Los primeros:</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BINARY</source>
        <translation>El archivo no es de texto.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_UNKNOWN</source>
        <translation>El archivo no tiene ninguna de las disposiciones que lee el programa.</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_FOREIGN_UNSUPPORTED</source>
        <translation>Esta versión de los archivos de %1 no se puede leer.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TRUNCATED</source>
        <translation>El archivo se interrumpe en mitad de un registro.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_JUNK</source>
        <translation>Tras su cabecera, el archivo no contiene nada legible.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BAD_DATE</source>
        <translation>El archivo contiene una fecha u hora que no existe.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TOO_LONG</source>
        <translation>Una línea del archivo es demasiado larga.</translation>
    </message>
    <message>
        <extracomment>%1 a size such as "1 GiB".</extracomment>
        <source>IMPORT_FOREIGN_TOO_LARGE</source>
        <translation>El archivo supera %1.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_NOTHING</source>
        <translation>No se pudo leer nada del archivo como mediciones, dosis o lecturas del sensor.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_WRITE_FAILED</source>
        <translation>No se pudieron escribir el diario ni las lecturas del sensor: no se ha importado nada.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>IMPORT_FOREIGN_WRITE_FAILED_INFO</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA_MMOL</source>
        <translation>La glucemia debe ser mayor que 0 y como máximo 33,3 mmol/L.</translation>
    </message>
    <message>
        <source>MENU_GLYCEMIA_UNIT</source>
        <translation>Unidad de glucemia</translation>
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
        <translation>Glucemia (%1)</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_SENSOR</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_FINGER_STICKS</source>
        <translation>Glucemias capilares</translation>
    </message>
    <message>
        <source>AGP_CHART</source>
        <translation>Perfil ambulatorio de glucosa (AGP)</translation>
    </message>
    <message>
        <source>AGP_SENSOR</source>
        <translation>Sensor continuo</translation>
    </message>
    <message>
        <source>AGP_FROM</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>AGP_TO</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>AGP_PROFILE</source>
        <translation>Objetivos</translation>
    </message>
    <message>
        <source>AGP_PROFILE_STANDARD</source>
        <translation>Estándar (adultos)</translation>
    </message>
    <message>
        <source>AGP_PROFILE_OLDER</source>
        <translation>Mayores o de alto riesgo</translation>
    </message>
    <message>
        <source>AGP_PROFILE_OF</source>
        <translation>objetivos: %1</translation>
    </message>
    <message>
        <source>AGP_NOT_SUFFICIENT</source>
        <translation>Insuficiente: menos de 14 días o menos del 70 % de tiempo de sensor</translation>
    </message>
    <message>
        <source>AGP_NO_READINGS</source>
        <translation>No hay lecturas del sensor en este periodo.</translation>
    </message>
    <message>
        <source>AGP_TARGET_AT_LEAST</source>
        <translation>objetivo ≥ %1 %</translation>
    </message>
    <message>
        <source>AGP_TARGET_BELOW</source>
        <translation>objetivo &lt; %1 %</translation>
    </message>
    <message>
        <source>AGP_MET</source>
        <translation>✓ cumplido</translation>
    </message>
    <message>
        <source>AGP_MISSED</source>
        <translation>✗ no cumplido</translation>
    </message>
    <message>
        <source>AGP_SENSOR_ACTIVE</source>
        <translation>Sensor activo</translation>
    </message>
    <message>
        <source>AGP_TIME_IN_RANGE</source>
        <translation>Tiempo en rango (%1 a %2)</translation>
    </message>
    <message>
        <source>AGP_TIME_IN_TIGHT_RANGE</source>
        <translation>Tiempo en rango estrecho (%1 a %2)</translation>
    </message>
    <message>
        <source>AGP_TIME_ABOVE_RANGE</source>
        <translation>Tiempo por encima del rango (más de %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_VERY_HIGH</source>
        <translation>Tiempo muy alto (más de %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_BELOW_RANGE</source>
        <translation>Tiempo por debajo del rango (menos de %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_VERY_LOW</source>
        <translation>Tiempo muy bajo (menos de %1)</translation>
    </message>
    <message>
        <source>AGP_BAND_VERY_HIGH</source>
        <translation>Muy alto (%1)</translation>
    </message>
    <message>
        <source>AGP_BAND_HIGH</source>
        <translation>Alto (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_IN_RANGE</source>
        <translation>En rango (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_LOW</source>
        <translation>Bajo (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_VERY_LOW</source>
        <translation>Muy bajo (%1)</translation>
    </message>
    <message>
        <source>AGP_RANGES</source>
        <translation>Tiempo en rangos</translation>
    </message>
    <message>
        <source>AGP_PERIOD</source>
        <translation>%1 a %2 · %3 días</translation>
    </message>
    <message>
        <source>AGP_DAILY</source>
        <translation>Perfiles diarios</translation>
    </message>
    <message>
        <source>AGP_DAILY_MORE</source>
        <translation>Perfiles diarios (continuación)</translation>
    </message>
    <message>
        <source>AGP_TAB_OVERVIEW</source>
        <translation>Resumen</translation>
    </message>
</context>
</TS>
