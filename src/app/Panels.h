#pragma once

#include "app/Preferences.h"

#include <QList>
#include <QObject>
#include <QSet>

#include <functional>
#include <utility>

class MainWindow;
class QAction;
class QWidget;
class StringTable;
struct ViewSettings;

// The main window's panels (statistics, note, trends) and the places of
// every window. The panels the last run left shown come up with the main
// window's first showing, beside it and above it; every panel's menu item
// follows its panel however it is shown or hidden.
class Panels : public QObject
{
    Q_OBJECT

public:
    // The settings say which panels come up; they are read when the main
    // window is first shown.
    Panels(MainWindow &window, const StringTable &strings, const ViewSettings &settings);
    ~Panels() override;

    // Places the main window as the last run left it (places as read from
    // the places file) and waits for its first showing.
    void restore(const Preferences::Domain &places);
    // Hides a shown panel, shows a hidden one.
    void toggle(QWidget *panel);
    void show(QWidget *panel, bool activate);
    // The places of the last run, those of this run's windows brought up to
    // date.
    Preferences::Domain places() const;

    // Runs once a panel is shown.
    std::function<void(QWidget *panel)> shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<std::pair<QWidget *, QAction *>> panels() const;
    void showRestoredPanels();
    // Puts a window where the last run left it, or else the main window in
    // the middle of the screen and a panel beside the main window.
    void placeWindow(QWidget *window);

    MainWindow &m_window;
    const StringTable &m_strings;
    const ViewSettings &m_settings;
    Preferences::Domain m_places; // as the last run left them
    QSet<QWidget *> m_placed;     // placed in this run
    bool m_panelsRestored = false;
};
