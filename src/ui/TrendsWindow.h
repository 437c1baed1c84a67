#pragma once

#include "view/Trends.h"

#include <QWidget>

#include <functional>
#include <map>

class QChart;
class QChartView;
class QComboBox;
class QGridLayout;
class QLabel;
class StringTable;

// The trends window: the figures of the cards in view beside the glycemia
// chart, the insulin units a day beneath it and the modal day. It shows what
// it was last given; the unit pop-up redraws it in mg/dL or mmol/L.
class TrendsWindow : public QWidget
{
public:
    TrendsWindow(const StringTable &strings, QWidget *parent);

    // Works out and draws the trends of a view.
    void showTrends(const CardList &view, const QTimeZone &zone);

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

private:
    void redraw();
    void showFigures();

    const StringTable &m_strings;
    Trends::Unit m_unit = Trends::Unit::MgdL;
    Trends::Overview m_trends;
    bool m_shown = false; // given a view to show at least once
    QWidget *m_figuresPanel = nullptr;
    QGridLayout *m_figuresGrid = nullptr;
    std::map<QString, QLabel *> m_values;
};
