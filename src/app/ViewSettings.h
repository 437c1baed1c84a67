#pragma once

#include <QString>

// The view settings remembered from one run to the next: what start-up
// restores and quitting saves.
struct ViewSettings {
    bool toolbarVisible = true;
    int toolbarDisplayMode = 0; // 0 default, 1 icon and label, 2 icon only, 3 label only
    int toolbarSizeMode = 0;    // 0 regular, 1 small
    bool statisticsVisible = false;
    bool noteVisible = false;
    bool trendsVisible = false;
    // The unit every glycemia is shown and typed in: "mg/dL" or "mmol/L"
    // (GlycemiaUnit::name).
    QString glycemiaUnit = QStringLiteral("mg/dL");
    // The targets of the sensor's figures, "standard" or "olderHighRisk";
    // empty until the user picks one (the standard targets then apply).
    QString agpProfile;
    // A string-table key, or an item's text as it was shown.
    QString periodTitle = QStringLiteral("POPUP_PERIOD_EVERYDAY");
    QString kindTitle = QStringLiteral("POPUP_MEASURAMENT_ALL");
};
