#pragma once

#include "model/ZRGlycemicCard.h"
#include "report/TrendsReport.h"
#include "text/ValueFormatter.h"
#include "view/DiaryFilter.h"

#include <QTimeZone>

#include <memory>

class Diary;
class DiaryTableModel;
class MainWindow;
class StringTable;

// The cards in view and what shows them: the table, the record count, the
// note panel, the statistics panel and the trends window. Each filter run
// brings every one of them up to date, the trends window only while shown.
class CardsInView
{
public:
    // The calendar days of the filter and the trends are those of zone.
    CardsInView(MainWindow &window, const Diary &diary, const StringTable &strings, const QTimeZone &zone);
    ~CardsInView();

    // The cards in view: the diary itself when neither pop-up narrows it.
    const CardList &cards() const;
    DiaryTableModel &model() const { return *m_model; }

    // Narrows the diary as the pop-ups say, at the instant now, and selects
    // select, or else keeps the card that was selected while it is in view.
    void filter(double now, const CardRef &select);
    // A card edited in place takes the place of the one it replaced.
    void replaceEdited(const CardRef &edited);

    int selectedRow() const;
    CardRef selectedCard() const;

    void refreshRecordCount();
    void refreshNote();
    void calculatesStatistics();
    // The table and the statistics panel show every glycemia in the unit.
    void setGlycemiaUnit(GlycemiaUnit::Unit unit);
    // A hidden trends window is brought up to date when it is shown.
    void calculatesTrends();
    // The sensor store beside the diary changed (an import, its undo): the
    // trends window reads it again when next brought up to date.
    void sensorsChanged();
    // The sensor's readings of the trends window's period, for the report.
    TrendsReport::SensorPages sensorPages();

private:
    // Gives the trends window the store of the diary when it changed.
    void updateSensorStore();

    MainWindow &m_window;
    const Diary &m_diary;
    const StringTable &m_strings;
    const QTimeZone &m_zone; // as it is at each run
    ValueFormatter m_formatter;
    std::unique_ptr<DiaryTableModel> m_model;
    DiaryFilter::View m_view;
    bool m_trendsStale = true; // the view changed while the trends window was hidden
    QString m_storePath;       // the sensor store the trends window reads
    bool m_sensorsStale = true;
};
