#pragma once

#include "report/AgpPainting.h"
#include "report/TrendsReport.h"
#include "view/Agp.h"

#include <QTimeZone>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class SensorStore;
class StringTable;

// The sensor's part of the trends window: the period chosen (from, to),
// the targets' profile, and the consensus figures of the period's readings
// beside the time-in-ranges bar, marked "not sufficient" when they are.
// It reads the sensor store beside the diary a period at a time, never the
// store whole; a missing store holds no readings.
class SensorPanel : public QWidget
{
public:
    using Reading = Consensus::Reading;

    SensorPanel(const StringTable &strings, QWidget *parent);

    // Reads the store at path in the zone's days. A period the user chose
    // is kept; otherwise the period is the default one of the newest
    // reading (the 14 days ending on its day).
    void load(const QString &storePath, const QTimeZone &zone);
    // The store holds a reading (of any period), and the period does.
    bool storeHasReadings() const { return m_newest.has_value(); }
    bool hasReadings() const { return !m_readings.empty(); }
    const std::vector<Reading> &readings() const { return m_readings; }
    const Consensus::Figures &figures() const { return m_figures; }
    QDate from() const { return m_from; }
    QDate to() const { return m_to; }
    // The period's first and last instants, in milliseconds since 1970.
    std::pair<double, double> span() const;
    // What the report needs of the sensor: the period, its readings and
    // the profile.
    TrendsReport::SensorPages pages() const;

    Consensus::Profile profile() const { return m_profile; }
    void setProfile(Consensus::Profile profile);
    void setUnit(Trends::Unit unit);

    // Called when the readings of another period are in, and when the user
    // picks another profile.
    std::function<void()> onReadingsChanged;
    std::function<void(Consensus::Profile)> onProfileChanged;

    // The figure shown under a line's id ("agpInRange", ...); empty when
    // there is none.
    QString figureText(const QString &id) const;

    QDateEdit *fromEdit = nullptr;
    QDateEdit *toEdit = nullptr;
    QComboBox *profilePopup = nullptr;

private:
    // The user changed one end of the period: the other follows when the
    // period would run backwards or grow beyond the longest.
    void periodEdited(bool fromChanged);
    // The period's readings from store (the one at m_storePath).
    void read(SensorStore &store);
    void showPeriod();
    void showFigures();

    const StringTable &m_strings;
    QString m_storePath;
    QTimeZone m_zone;
    std::optional<int64_t> m_newest;
    bool m_chosen = false; // the user chose the period
    QDate m_from, m_to;
    std::vector<Reading> m_readings;
    Consensus::Figures m_figures;
    Consensus::Profile m_profile = Consensus::Profile::Standard;
    Trends::Unit m_unit = Trends::Unit::MgdL;

    QLabel *m_notSufficient = nullptr;
    QLabel *m_noReadings = nullptr;
    QWidget *m_figuresBox = nullptr;
    QWidget *m_bar = nullptr;
    QGridLayout *m_grid = nullptr;
    std::map<QString, QLabel *> m_values;
};

// The daily profiles: each day of the period as a small chart, seven a row,
// midnight to midnight with the band 70-180 shaded. Painted, not charted:
// only the rows in sight are drawn.
class DailyProfilesView : public QWidget
{
public:
    explicit DailyProfilesView(QWidget *parent);
    void setDays(std::vector<Agp::DayTrace> days);
    const std::vector<Agp::DayTrace> &days() const { return m_days; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Agp::DayTrace> m_days;
    AgpPainting::DaysLayout m_layout;
};
