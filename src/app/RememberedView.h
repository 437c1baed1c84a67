#pragma once

#include "app/ViewSettings.h"

#include <QString>

class MainWindow;
class Panels;
class StringTable;

// The view as the last run left it: the toolbar, the panels, the period and
// kind chosen, the unit of glycemia, the profile of the sensor figures'
// targets, and the places of the windows. Read at start-up and given to the
// window; taken from the window and written when the program ends (or the
// user quits).
class RememberedView
{
public:
    RememberedView(MainWindow &window, Panels &panels, const StringTable &strings, ViewSettings &settings);

    // Reads the settings; a missing file is written with what the window
    // shows, so that the next run finds it.
    void read(const QString &preferencesPath);
    // Shows the window as the settings say: toolbar, panels and their places,
    // the pop-ups' items. The unit of glycemia is the controller's to apply.
    void apply(const QString &preferencesPath);
    // Takes the settings from the window and writes them, and the places of
    // the windows beside them.
    void write(const QString &preferencesPath);

private:
    MainWindow &m_window;
    Panels &m_panels;
    const StringTable &m_strings;
    ViewSettings &m_settings;
};
