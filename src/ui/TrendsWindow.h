#pragma once

#include "report/TrendsReport.h"
#include "view/Consensus.h"
#include "view/Trends.h"

#include <QWidget>

#include <functional>
#include <map>

class QChart;
class QChartView;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QStackedWidget;
class QTabBar;
class DailyProfilesView;
class SensorPanel;
class StringTable;

// The trends window: the figures of the cards in view beside the glycemia
// chart, the insulin units a day beneath it and the modal day. It shows what
// it was last given; the unit pop-up redraws it in mg/dL or mmol/L.
//
// When the sensor store beside the diary holds readings, the window also
// shows the sensor's period (from, to; the 14 days up to the newest reading
// unless chosen), its consensus figures beside the time-in-ranges bar, the
// trace of its readings with the cards' readings as dots on it, the AGP in
// place of the modal day, and a second page of daily profiles. The cards'
// figures still follow the main window's pop-ups.
class TrendsWindow : public QWidget
{
public:
    TrendsWindow(const StringTable &strings, QWidget *parent);

    // Works out and draws the trends of a view.
    void showTrends(const CardList &view, const QTimeZone &zone);
    // The sensor store to read (a missing one holds no readings), again
    // when it is the same: it is read by the next showTrends or sensorPages.
    void setSensorStore(const QString &path);
    // The sensor's period, readings and profile, as the report takes them;
    // the store is read first when it is to be.
    TrendsReport::SensorPages sensorPages(const QTimeZone &zone);

    // The targets the sensor's figures are judged by; the pop-up follows.
    Consensus::Profile profile() const;
    void setProfile(Consensus::Profile profile);
    std::function<void(Consensus::Profile)> onProfileChanged;

    Trends::Unit unit() const { return m_unit; }
    // Redraws in the unit; the pop-up follows.
    void setUnit(Trends::Unit unit);
    // Called when the user picks another unit in the pop-up.
    std::function<void(Trends::Unit)> onUnitChanged;

    // The figure shown under a line's id ("trendsMean", ...); empty when there
    // is no such line.
    QString figureText(const QString &id) const;
    const Trends::Figures &figures() const { return m_trends.figures; }

    QComboBox *unitPopup = nullptr;
    QChartView *glycemiaView = nullptr;
    QChartView *insulinView = nullptr;
    QChartView *modalDayView = nullptr;
    SensorPanel *sensor = nullptr;
    QTabBar *pages = nullptr; // the charts, the daily profiles
    DailyProfilesView *dailyProfiles = nullptr;

private:
    QLayout *chartPages();
    void readSensor(const QTimeZone &zone);
    void redraw();
    void redrawCharts();
    void showFigures();

    const StringTable &m_strings;
    Trends::Unit m_unit = Trends::Unit::MgdL;
    Trends::Overview m_trends;
    bool m_shown = false; // given a view to show at least once
    QTimeZone m_zone;
    QString m_storePath;
    bool m_sensorStale = true; // the store is to be read again
    bool m_reading = false;    // the store is being read: no redraw meanwhile
    QStackedWidget *m_pageStack = nullptr;
    QWidget *m_figuresPanel = nullptr;
    QGridLayout *m_figuresGrid = nullptr;
    std::map<QString, QLabel *> m_values;
};
