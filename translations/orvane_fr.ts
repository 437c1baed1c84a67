<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Orvane</name>
    <message>
        <extracomment>Period pop-up. No two pop-up items (period, kind, meal, insulin) may share a text: the shown text is read back into its key.</extracomment>
        <source>POPUP_PERIOD_EVERYDAY</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_TODAY</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_YESTERDAY</source>
        <translation>Hier</translation>
    </message>
    <message>
        <extracomment>Today and the 6 days before it.</extracomment>
        <source>POPUP_PERIOD_WEEK</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <extracomment>Today and the 29 days before it.</extracomment>
        <source>POPUP_PERIOD_MONTH</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <extracomment>Today and the 364 days before it.</extracomment>
        <source>POPUP_PERIOD_YEAR</source>
        <translation>365 derniers jours</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT10</source>
        <translation>10 dernières fiches</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT20</source>
        <translation>20 dernières fiches</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT50</source>
        <translation>50 dernières fiches</translation>
    </message>
    <message>
        <source>POPUP_PERIOD_MEASUREMENT100</source>
        <translation>100 dernières fiches</translation>
    </message>
    <message>
        <extracomment>Kind pop-up.</extracomment>
        <source>POPUP_MEASURAMENT_ALL</source>
        <translation>Toutes les fiches</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_BLOOD</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>POPUP_MEASURAMENT_TERAPIES</source>
        <translation>Traitements</translation>
    </message>
    <message>
        <extracomment>Meal pop-up: no meal chosen.</extracomment>
        <source>POPUP_MEAL_SELECT</source>
        <translation>Choisir le repas</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BREAKFAST</source>
        <translation>Petit-déjeuner</translation>
    </message>
    <message>
        <source>POPUP_MEAL_LUNCH</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>POPUP_MEAL_DINNER</source>
        <translation>Dîner</translation>
    </message>
    <message>
        <extracomment>A check outside meals.</extracomment>
        <source>POPUP_MEAL_CONTROL</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>POPUP_MEAL_BASAL</source>
        <translation>Basale</translation>
    </message>
    <message>
        <source>POPUP_MEAL_CORRECTION</source>
        <translation>Correction</translation>
    </message>
    <message>
        <extracomment>Insulin pop-up: no insulin chosen.</extracomment>
        <source>POPUP_INSULIN_SELECT</source>
        <translation>Choisir l’insuline</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_SLOW</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_NORMAL</source>
        <translation>Ordinaire</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_QUICK</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>POPUP_INSULIN_MIXED</source>
        <translation>Mixte</translation>
    </message>
    <message>
        <source>BUTTON_YES</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>BUTTON_NO</source>
        <translation>Non</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for a new card; must differ from BUTTON_EDIT.</extracomment>
        <source>BUTTON_ADD</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <extracomment>Edit sheet button for an existing card.</extracomment>
        <source>BUTTON_EDIT</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_CANCEL</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>ALLERT_BUTTON_REMOVE</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes quits, No stays.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_QUIT</source>
        <translation>Voulez-vous quitter Orvane ?</translation>
    </message>
    <message>
        <extracomment>Buttons: Yes replaces, No adds.</extracomment>
        <source>ALLERT_TEXT_MESSAGE_IMPORT</source>
        <translation>Remplacer le journal par les fiches importées ? Choisissez Non pour les ajouter au journal.</translation>
    </message>
    <message>
        <source>DATA_INCORRECT</source>
        <translation>Les données sont incomplètes : une mesure demande une glycémie supérieure à 0, un traitement une insuline et un nombre d’unités supérieur à 0.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA</source>
        <translation>La glycémie doit être supérieure à 0 et ne pas dépasser 600.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_UNIT</source>
        <translation>Les unités d’insuline doivent être comprises entre 0 et 100.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE</source>
        <translation>Supprimer cette fiche ?</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_INFO</source>
        <translation>La fiche est supprimée définitivement du journal.</translation>
    </message>
    <message>
        <source>DELETE_MSG_MESSAGE_PROTECT</source>
        <translation>Cette fiche est protégée et ne peut pas être supprimée.</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the date.</extracomment>
        <source>DELETE_MSG_DATE</source>
        <translation>Date :</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the units.</extracomment>
        <source>DELETE_MSG_INFO_THERAPY</source>
        <translation>Unités d’insuline :</translation>
    </message>
    <message>
        <extracomment>Followed by a blank and the value.</extracomment>
        <source>DELETE_MSG_INFO_MEASURAMENT</source>
        <translation>Glycémie :</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is hidden.</extracomment>
        <source>MENU_NOTE_VIEW</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <extracomment>Title of the statistics and note panel items while the panel is shown.</extracomment>
        <source>MENU_NOTE_HIDE</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_SHOW</source>
        <translation>Afficher la barre d’outils</translation>
    </message>
    <message>
        <source>MENU_TOOLBAR_HIDE</source>
        <translation>Masquer la barre d’outils</translation>
    </message>
    <message>
        <extracomment>Reads: Cards shown: 12 of 240.</extracomment>
        <source>VIEW_NUMBER_RECORD</source>
        <translation>Fiches affichées :</translation>
    </message>
    <message>
        <extracomment>Between the cards shown and the cards in the diary.</extracomment>
        <source>ON</source>
        <translation>sur</translation>
    </message>
    <message>
        <extracomment>A statistic with no cards to compute it from.</extracomment>
        <source>NOT_DISPONBLE</source>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>TOOLBAR_ADD</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>TOOLBAR_EDIT</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>TOOLBAR_REMOVE</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>TOOLBAR_IMPORT</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>TOOLBAR_EXPORT</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>TOOLBAR_STATISTICS</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>TOOLBAR_NOTE</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>TOOLBAR_PERIOD</source>
        <translation>Période affichée</translation>
    </message>
    <message>
        <source>TOOLBAR_KIND</source>
        <translation>Fiches affichées</translation>
    </message>
    <message>
        <source>MENU_FILE</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>MENU_EDIT</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>MENU_VIEW</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>MENU_KIND</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>MENU_PERIOD</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>MENU_ITEM_NEW</source>
        <translation>Nouvelle fiche…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EDIT</source>
        <translation>Modifier la fiche…</translation>
    </message>
    <message>
        <source>MENU_ITEM_REMOVE</source>
        <translation>Supprimer la fiche…</translation>
    </message>
    <message>
        <source>MENU_ITEM_IMPORT</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>MENU_ITEM_EXPORT</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>MENU_ITEM_QUIT</source>
        <translation>Quitter Orvane</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the undo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_UNDO</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <extracomment>Edit menu: prefix of the redo item, followed by the change&#x27;s name.</extracomment>
        <source>MENU_ITEM_REDO</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_MEASUREMENT</source>
        <translation>l’ajout d’une mesure</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_ADD_THERAPY</source>
        <translation>l’ajout d’une dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_MEASUREMENT</source>
        <translation>la modification d’une mesure</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_THERAPY</source>
        <translation>la modification d’une dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_MEASUREMENT</source>
        <translation>la suppression d’une mesure</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_REMOVE_THERAPY</source>
        <translation>la suppression d’une dose</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change.</extracomment>
        <source>UNDO_EDIT_NOTE</source>
        <translation>la modification de la note</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: cards imported joining the diary.</extracomment>
        <source>UNDO_IMPORT</source>
        <translation>l’importation</translation>
    </message>
    <message>
        <extracomment>Name of an undoable change: the diary replaced by an import.</extracomment>
        <source>UNDO_IMPORT_REPLACE</source>
        <translation>l’importation (journal remplacé)</translation>
    </message>
    <message>
        <source>WINDOW_STATISTICS</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>WINDOW_NOTE</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>STATISTICS_LOWEST</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>STATISTICS_MEAN</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>STATISTICS_HIGHEST</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>STATISTICS_GLYCEMIA</source>
        <translation>Glycémie</translation>
    </message>
    <message>
        <source>STATISTICS_PRE_MEAL</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>STATISTICS_POST_MEAL</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>STATISTICS_UNITS</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>COLUMN_dateMeasurement</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>COLUMN_nameMeal</source>
        <translation>Repas</translation>
    </message>
    <message>
        <source>COLUMN_isPreMeal</source>
        <translation>Avant le repas</translation>
    </message>
    <message>
        <source>COLUMN_unitValue</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>COLUMN_nameInsulin</source>
        <translation>Insuline</translation>
    </message>
    <message>
        <source>COLUMN_isTherapy</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>COLUMN_isProtect</source>
        <translation>Protégée</translation>
    </message>
    <message>
        <source>COLUMN_notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE</source>
        <translation>Le fichier du journal n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_KEPT_ASIDE_INFO</source>
        <translation>Il a été conservé intact sous le nom %1 (%2). Orvane démarre avec un journal vide.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED</source>
        <translation>Le fichier du journal n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>ALERT_DIARY_BLOCKED_INFO</source>
        <translation>%1 (%2) n’a pas pu être mis de côté non plus. Pour qu’il ne soit pas écrasé, rien de ce que vous ferez pendant cette session ne sera enregistré. Déplacez le fichier ailleurs et relancez Orvane.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED</source>
        <translation>Le journal n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_FAILED_INFO</source>
        <translation>L’écriture de %1 a échoué : %2. Vos fiches sont toujours là ; la prochaine modification fera une nouvelle tentative.</translation>
    </message>
    <message>
        <source>ALERT_SAVE_BLOCKED_INFO</source>
        <translation>%1 n’a pas pu être lu au démarrage, il n’est donc pas écrasé. Déplacez-le ailleurs et relancez Orvane pour enregistrer vos fiches.</translation>
    </message>
    <message>
        <extracomment>Why a file could not be written; follows the file's name.</extracomment>
        <source>SAVE_REASON_DISK_FULL</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>SAVE_REASON_READ_ONLY</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>SAVE_REASON_NO_PERMISSION</source>
        <translation>vous n’avez pas le droit d’écrire à cet endroit</translation>
    </message>
    <message>
        <source>SAVE_REASON_TOO_LARGE</source>
        <translation>le fichier dépasse la taille permise par le système</translation>
    </message>
    <message>
        <source>SAVE_REASON_DEVICE</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>EDIT_DATE</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>EDIT_THERAPY</source>
        <translation>Dose d’insuline</translation>
    </message>
    <message>
        <source>EDIT_PROTECT</source>
        <translation>Protégée</translation>
    </message>
    <message>
        <source>EDIT_MEAL</source>
        <translation>Repas</translation>
    </message>
    <message>
        <source>EDIT_PRE_MEAL</source>
        <translation>Avant le repas</translation>
    </message>
    <message>
        <source>EDIT_INSULIN</source>
        <translation>Insuline</translation>
    </message>
    <message>
        <source>EDIT_UNITS</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>EDIT_NOTE</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_ADD</source>
        <translation>Nouvelle fiche</translation>
    </message>
    <message>
        <source>WINDOW_EDIT_EDIT</source>
        <translation>Modifier la fiche</translation>
    </message>
    <message>
        <source>WINDOW_DELETE</source>
        <translation>Supprimer la fiche</translation>
    </message>
    <message>
        <source>BUTTON_CONTINUE</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>WINDOW_EXPORT</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <extracomment>Above the three export kinds; every card is exported, whatever the filter shows.</extracomment>
        <source>EXPORT_MESSAGE</source>
        <translation>Exporter tout le journal au format :</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_ORV</source>
        <translation>Fichier journal (.orv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_CSV</source>
        <translation>CSV (.csv)</translation>
    </message>
    <message>
        <source>EXPORT_FORMAT_REALSTUDIO</source>
        <translation>CSV, ancienne disposition (.csv)</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_FAILED</source>
        <translation>Le journal n’a pas pu être exporté.</translation>
    </message>
    <message>
        <extracomment>%1 the chosen file, %2 the system's reason.</extracomment>
        <source>ALERT_EXPORT_FAILED_INFO</source>
        <translation>L’écriture de %1 a échoué : %2. Rien n’y a été écrit.</translation>
    </message>
    <message>
        <source>ALERT_EXPORT_OVER_DIARY_INFO</source>
        <translation>Ce fichier est le journal lui-même : choisissez un autre nom, ou exportez au format fichier journal.</translation>
    </message>
    <message>
        <extracomment>The diary is left as it was.</extracomment>
        <source>ALERT_IMPORT_NOTHING</source>
        <translation>Rien n’a été importé.</translation>
    </message>
    <message>
        <extracomment>%1 the system's reason.</extracomment>
        <source>IMPORT_UNREADABLE</source>
        <translation>Le fichier ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>IMPORT_NOT_UTF8</source>
        <translation>Le fichier n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>IMPORT_NOT_RECOGNISED</source>
        <translation>Le fichier n’a aucune des deux dispositions CSV du journal (sa première ligne n’est l’en-tête d’aucune d’elles).</translation>
    </message>
    <message>
        <source>IMPORT_NONE_READABLE</source>
        <translation>Aucun enregistrement du fichier n’a pu être lu.</translation>
    </message>
    <message>
        <source>IMPORT_NO_RECORDS</source>
        <translation>Le fichier ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>IMPORT_NO_CARDS</source>
        <translation>Le fichier journal ne contient aucune fiche.</translation>
    </message>
    <message>
        <source>IMPORT_ALL_KNOWN</source>
        <translation>Le journal contient déjà toutes les fiches du fichier.</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON_AND_TEXT</source>
        <translation>Icône et texte</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_ICON</source>
        <translation>Icône seule</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_TEXT</source>
        <translation>Texte seul</translation>
    </message>
    <message>
        <source>TOOLBAR_MODE_SMALL</source>
        <translation>Petite taille</translation>
    </message>
    <message>
        <source>ALERT_DIARY_IN_USE</source>
        <translation>Le journal est déjà ouvert.</translation>
    </message>
    <message>
        <extracomment>%1 the other program's process number, %2 the diary file.</extracomment>
        <source>ALERT_DIARY_IN_USE_INFO</source>
        <translation>Un autre Orvane (processus %1) a ouvert %2. Passez à celui-ci : deux programmes qui écrivent le même journal annuleraient mutuellement leurs modifications.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME</source>
        <translation>Il n’y a pas de dossier personnel où conserver le journal.</translation>
    </message>
    <message>
        <source>ALERT_NO_HOME_INFO</source>
        <translation>La variable HOME n’est pas définie et votre compte n’a pas de dossier personnel. Lancez Orvane avec HOME défini sur votre dossier.</translation>
    </message>
    <message>
        <source>TOOLBAR_TRENDS</source>
        <translation>Tendances</translation>
    </message>
    <message>
        <source>WINDOW_TRENDS</source>
        <translation>Tendances</translation>
    </message>
    <message>
        <source>MENU_ITEM_REPORT</source>
        <translation>Rapport pour l’équipe soignante…</translation>
    </message>
    <message>
        <source>TRENDS_UNIT</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>TRENDS_CHART_GLYCEMIA</source>
        <translation>Glycémie au fil du temps</translation>
    </message>
    <message>
        <source>TRENDS_CHART_INSULIN</source>
        <translation>Unités d’insuline par jour</translation>
    </message>
    <message>
        <source>TRENDS_CHART_MODAL_DAY</source>
        <translation>Journée type</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_READINGS</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the edges of the target band, %3 the unit.</extracomment>
        <source>TRENDS_SERIES_TARGET</source>
        <translation>Cible %1–%2 %3</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is low.</extracomment>
        <source>TRENDS_SERIES_LOW</source>
        <translation>Basse %1</translation>
    </message>
    <message>
        <extracomment>%1 the glycemia below which a reading is very low.</extracomment>
        <source>TRENDS_SERIES_VERY_LOW</source>
        <translation>Très basse %1</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_MEDIAN</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P25_P75</source>
        <translation>25e–75e centile</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_P5_P95</source>
        <translation>5e–95e centile</translation>
    </message>
    <message>
        <source>TRENDS_AXIS_HOUR</source>
        <translation>Heure de la journée</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_READINGS</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DAYS</source>
        <translation>Jours</translation>
    </message>
    <message>
        <extracomment>%1 the days the view spans, %2 those that hold a reading.</extracomment>
        <source>TRENDS_FIGURES_DAYS_VALUE</source>
        <translation>%1 (%2 avec des mesures)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_MEAN</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_MEDIAN</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SD</source>
        <translation>Écart type</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_CV</source>
        <translation>Coefficient de variation</translation>
    </message>
    <message>
        <extracomment>%1 the coefficient of variation.</extracomment>
        <source>TRENDS_FIGURES_CV_HIGH</source>
        <translation>%1 (au-dessus de 36 % : forte variabilité)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES</source>
        <translation>Répartition des mesures</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_SHARES_NOTE</source>
        <translation>Parts des mesures affichées, non du temps : les mesures capillaires ne mesurent pas le temps dans la cible.</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BELOW</source>
        <translation>Sous %1</translation>
    </message>
    <message>
        <source>TRENDS_BAND_BETWEEN</source>
        <translation>De %1 à %2</translation>
    </message>
    <message>
        <source>TRENDS_BAND_ABOVE</source>
        <translation>Au-dessus de %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_HYPO</source>
        <translation>Hypoglycémie</translation>
    </message>
    <message>
        <extracomment>%1 readings below %2, %3 readings below %4.</extracomment>
        <source>TRENDS_FIGURES_HYPO_VALUE</source>
        <translation>%1 sous %2, %3 sous %4</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C</source>
        <translation>HbA1c estimée (ADAG)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_GMI</source>
        <translation>Indicateur de gestion du glucose</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_A1C_VALUE</source>
        <translation>%1 % · %2 mmol/mol</translation>
    </message>
    <message>
        <extracomment>%1 the estimate.</extracomment>
        <source>TRENDS_FIGURES_UNRELIABLE</source>
        <translation>%1 (peu fiable : moins de 14 jours ou de 3 mesures par jour)</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_INSULIN</source>
        <translation>Insuline</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_UNITS_A_DAY</source>
        <translation>Unités par jour</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_DOSES_A_DAY</source>
        <translation>Injections par jour</translation>
    </message>
    <message>
        <extracomment>%1 the meal.</extracomment>
        <source>TRENDS_FIGURES_UNITS_MEAL</source>
        <translation>Unités en moyenne, %1</translation>
    </message>
    <message>
        <source>TRENDS_FIGURES_NO_MEAL</source>
        <translation>hors repas</translation>
    </message>
    <message>
        <source>REPORT_TITLE</source>
        <translation>Rapport du journal de diabète</translation>
    </message>
    <message>
        <extracomment>%1 and %2 the first and last day in view, %3 the period and kind chosen.</extracomment>
        <source>REPORT_SPAN</source>
        <translation>Du %1 au %2 · %3</translation>
    </message>
    <message>
        <extracomment>%1 the date the report was made.</extracomment>
        <source>REPORT_MADE_ON</source>
        <translation>Établi par Orvane le %1</translation>
    </message>
    <message>
        <source>REPORT_LOGBOOK</source>
        <translation>Carnet</translation>
    </message>
    <message>
        <source>REPORT_DAY</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>REPORT_OTHER</source>
        <translation>Autres mesures</translation>
    </message>
    <message>
        <source>REPORT_OTHER_UNITS</source>
        <translation>Autres unités</translation>
    </message>
    <message>
        <source>REPORT_PAGE</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>REPORT_NO_CARDS</source>
        <translation>Aucune mesure ni dose affichée.</translation>
    </message>
    <message>
        <source>ALERT_REPORT_FAILED</source>
        <translation>Le rapport n’a pas pu être écrit.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_REPORT_FAILED_INFO</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <extracomment>%1 how many values a day holds, %2 the lowest, %3 the highest.</extracomment>
        <source>REPORT_MANY_VALUES</source>
        <translation>%1 valeurs, de %2 à %3</translation>
    </message>
    <message>
        <extracomment>Why the diary is not written: it could not be read when the program started.</extracomment>
        <source>SAVE_BLOCKED_REASON</source>
        <translation>il n’a pas pu être lu au démarrage, il n’est donc pas écrasé</translation>
    </message>
    <message>
        <source>ALERT_QUIT_SAVE_FAILED</source>
        <translation>Le journal n’a pas pu être enregistré : Orvane reste ouvert.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>ALERT_QUIT_SAVE_FAILED_INFO</source>
        <translation>L’écriture de %1 a échoué : %2.

Réessayez, enregistrez le journal à un autre endroit, ou quittez sans enregistrer et perdez les modifications faites depuis le dernier enregistrement.</translation>
    </message>
    <message>
        <source>BUTTON_TRY_AGAIN</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>BUTTON_SAVE_ELSEWHERE</source>
        <translation>Enregistrer ailleurs…</translation>
    </message>
    <message>
        <source>BUTTON_QUIT_WITHOUT_SAVING</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <extracomment>%1 the file the cards were saved in.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE</source>
        <translation>Vos fiches sont enregistrées dans %1.</translation>
    </message>
    <message>
        <extracomment>%1 the diary, %2 why it could not be written.</extracomment>
        <source>ALERT_SAVED_ELSEWHERE_INFO</source>
        <translation>Le journal lui-même, %1, n’a pas pu être écrit (%2) : au prochain démarrage, il s’ouvrira tel qu’il a été enregistré la dernière fois. Importez le fichier enregistré maintenant (Fichier ▸ Importer…, Oui pour remplacer le journal) pour retrouver toutes vos fiches.</translation>
    </message>
    <message>
        <source>ALERT_RECOVERED</source>
        <translation>Vos fiches ont été conservées dans un fichier de récupération.</translation>
    </message>
    <message>
        <extracomment>%1 the recovery files, one a line.</extracomment>
        <source>ALERT_RECOVERED_INFO</source>
        <translation>La dernière fois qu’Orvane s’est fermé, le journal n’a pas pu être écrit ; ses fiches ont donc été enregistrées dans :
%1
Importez le fichier (Fichier ▸ Importer…) pour les remettre dans le journal.</translation>
    </message>
    <message>
        <extracomment>Titles of the file panels.</extracomment>
        <source>PANEL_IMPORT</source>
        <translation>Importer des fiches</translation>
    </message>
    <message>
        <source>PANEL_EXPORT</source>
        <translation>Exporter le journal</translation>
    </message>
    <message>
        <source>PANEL_REPORT</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PANEL_SAVE_ELSEWHERE</source>
        <translation>Enregistrer le journal ailleurs</translation>
    </message>
    <message>
        <extracomment>File kinds offered by the save panels.</extracomment>
        <source>FILTER_ORV</source>
        <translation>Journal Orvane (*.orv)</translation>
    </message>
    <message>
        <source>FILTER_CSV</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>BUTTON_IMPORT</source>
        <translation>Importer</translation>
    </message>
    <message>
        <extracomment>Shown while a file is read. %1 the file's name.</extracomment>
        <source>IMPORT_READING</source>
        <translation>Lecture de « %1 »…</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY</source>
        <translation>Importer depuis %1 ?</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_SUMMARY_NOTHING_NEW</source>
        <translation>Tout le contenu de ce fichier %1 est déjà dans le journal.</translation>
    </message>
    <message>
        <extracomment>%1 and %2 dates.</extracomment>
        <source>IMPORT_SUMMARY_SPAN</source>
        <translation>Du %1 au %2.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_NEW</source>
        <translation>Nouveau : %1 mesures, %2 doses d’insuline, %3 valeurs du capteur.</translation>
    </message>
    <message>
        <source>IMPORT_SUMMARY_KNOWN</source>
        <translation>Déjà dans le journal : %1 fiches, %2 valeurs du capteur.</translation>
    </message>
    <message>
        <extracomment>%1 a list such as "88 carbohydrates, 2 notes".</extracomment>
        <source>IMPORT_SUMMARY_SKIPPED</source>
        <translation>Non repris : %1.</translation>
    </message>
    <message>
        <extracomment>Followed by the first lines with their numbers.</extracomment>
        <source>IMPORT_SUMMARY_NOT_UNDERSTOOD</source>
        <translation>Non compris : %1 enregistrements. Les premiers :</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BINARY</source>
        <translation>Le fichier n’est pas du texte.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_UNKNOWN</source>
        <translation>Le fichier n’a aucune des dispositions que le programme sait lire.</translation>
    </message>
    <message>
        <extracomment>%1 the program that wrote the file.</extracomment>
        <source>IMPORT_FOREIGN_UNSUPPORTED</source>
        <translation>Cette version des fichiers %1 n’est pas lue.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TRUNCATED</source>
        <translation>Le fichier s’arrête au milieu d’un enregistrement.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_JUNK</source>
        <translation>Après son en-tête, le fichier ne contient rien de lisible.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_BAD_DATE</source>
        <translation>Le fichier contient une date ou une heure qui n’existe pas.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_TOO_LONG</source>
        <translation>Une ligne du fichier est trop longue.</translation>
    </message>
    <message>
        <extracomment>%1 a size such as "1 GiB".</extracomment>
        <source>IMPORT_FOREIGN_TOO_LARGE</source>
        <translation>Le fichier dépasse %1.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_NOTHING</source>
        <translation>Rien dans le fichier n’a pu être lu comme mesure, dose ou valeur de capteur.</translation>
    </message>
    <message>
        <source>IMPORT_FOREIGN_WRITE_FAILED</source>
        <translation>Le journal ou les valeurs du capteur n’ont pas pu être écrits : rien n’a été importé.</translation>
    </message>
    <message>
        <extracomment>%1 the file, %2 the reason.</extracomment>
        <source>IMPORT_FOREIGN_WRITE_FAILED_INFO</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>LIMIT_INPUT_GLYCEMIA_MMOL</source>
        <translation>La glycémie doit être supérieure à 0 et au plus 33,3 mmol/L.</translation>
    </message>
    <message>
        <source>MENU_GLYCEMIA_UNIT</source>
        <translation>Unité de glycémie</translation>
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
        <translation>Glycémie (%1)</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_SENSOR</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>TRENDS_SERIES_FINGER_STICKS</source>
        <translation>Glycémies capillaires</translation>
    </message>
    <message>
        <source>AGP_CHART</source>
        <translation>Profil glycémique ambulatoire (AGP)</translation>
    </message>
    <message>
        <source>AGP_SENSOR</source>
        <translation>Capteur en continu</translation>
    </message>
    <message>
        <source>AGP_FROM</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>AGP_TO</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>AGP_PROFILE</source>
        <translation>Objectifs</translation>
    </message>
    <message>
        <source>AGP_PROFILE_STANDARD</source>
        <translation>Standard (adultes)</translation>
    </message>
    <message>
        <source>AGP_PROFILE_OLDER</source>
        <translation>Personnes âgées ou à risque</translation>
    </message>
    <message>
        <source>AGP_PROFILE_OF</source>
        <translation>objectifs : %1</translation>
    </message>
    <message>
        <source>AGP_NOT_SUFFICIENT</source>
        <translation>Insuffisant : moins de 14 jours ou moins de 70 % de temps de capteur</translation>
    </message>
    <message>
        <source>AGP_NO_READINGS</source>
        <translation>Aucune mesure du capteur sur cette période.</translation>
    </message>
    <message>
        <source>AGP_TARGET_AT_LEAST</source>
        <translation>objectif ≥ %1 %</translation>
    </message>
    <message>
        <source>AGP_TARGET_BELOW</source>
        <translation>objectif &lt; %1 %</translation>
    </message>
    <message>
        <source>AGP_MET</source>
        <translation>✓ atteint</translation>
    </message>
    <message>
        <source>AGP_MISSED</source>
        <translation>✗ manqué</translation>
    </message>
    <message>
        <source>AGP_SENSOR_ACTIVE</source>
        <translation>Capteur actif</translation>
    </message>
    <message>
        <source>AGP_TIME_IN_RANGE</source>
        <translation>Temps dans la cible (%1 à %2)</translation>
    </message>
    <message>
        <source>AGP_TIME_IN_TIGHT_RANGE</source>
        <translation>Temps dans la cible étroite (%1 à %2)</translation>
    </message>
    <message>
        <source>AGP_TIME_ABOVE_RANGE</source>
        <translation>Temps au-dessus de la cible (plus de %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_VERY_HIGH</source>
        <translation>Temps très élevé (plus de %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_BELOW_RANGE</source>
        <translation>Temps sous la cible (moins de %1)</translation>
    </message>
    <message>
        <source>AGP_TIME_VERY_LOW</source>
        <translation>Temps très bas (moins de %1)</translation>
    </message>
    <message>
        <source>AGP_BAND_VERY_HIGH</source>
        <translation>Très élevé (%1)</translation>
    </message>
    <message>
        <source>AGP_BAND_HIGH</source>
        <translation>Élevé (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_IN_RANGE</source>
        <translation>Dans la cible (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_LOW</source>
        <translation>Bas (%1–%2)</translation>
    </message>
    <message>
        <source>AGP_BAND_VERY_LOW</source>
        <translation>Très bas (%1)</translation>
    </message>
    <message>
        <source>AGP_RANGES</source>
        <translation>Temps dans les plages</translation>
    </message>
    <message>
        <source>AGP_PERIOD</source>
        <translation>du %1 au %2 · %3 jours</translation>
    </message>
    <message>
        <source>AGP_DAILY</source>
        <translation>Profils quotidiens</translation>
    </message>
    <message>
        <source>AGP_DAILY_MORE</source>
        <translation>Profils quotidiens (suite)</translation>
    </message>
    <message>
        <source>AGP_TAB_OVERVIEW</source>
        <translation>Vue d'ensemble</translation>
    </message>
</context>
</TS>
