// The trends window over a sensor's readings, kept in the store beside the
// diary: the period chosen, the trace with the cards on it, the AGP, the
// time-in-ranges bar, the daily profiles, the targets' profile remembered;
// and the report that opens with the AGP page.
#include "app/AppDelegate.h"
#include "app/MainWindowFixture.h"
#include "app/Preferences.h"
#include "support/SensorSample.h"
#include "ui/SensorPanel.h"
#include "ui/TrendsWindow.h"

#include <QDateEdit>
#include <QFile>
#include <QTabBar>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>

namespace {

// "Now" is 11 March 2026; the sensor's newest reading is of the 10th.
const QDate kNewest(2026, 3, 10);
// The sensor was silent from 10:00 to 12:00 on 5 March.
const int64_t kGapFrom = QDateTime(QDate(2026, 3, 5), QTime(10, 0), kRome).toSecsSinceEpoch();
const int64_t kGapTo = kGapFrom + 7200;

class TrendsSensorTest : public MainWindowTest
{
protected:
    // Cards before, in and after the sensor's last 14 days; readings for 20
    // days up to the 10th, and for three days in January.
    void startOnCardsAndSensor()
    {
        writeDiary({card(3, "2026-03-11T12:00:00", false, "POPUP_MEAL_LUNCH", 200),
                    card(2, "2026-03-01T08:00:00", false, "POPUP_MEAL_BREAKFAST", 90),
                    card(1, "2026-02-20T08:00:00", false, "POPUP_MEAL_BREAKFAST", 150)});
        ASSERT_TRUE(testsupport::addToStore(
            path, testsupport::sensorDays(QDate(2026, 2, 19), kNewest, kRome, kGapFrom, kGapTo)));
        ASSERT_TRUE(
            testsupport::addToStore(path, testsupport::sensorDays(QDate(2026, 1, 10), QDate(2026, 1, 12), kRome)));
        start();
        control<QAction>("viewTrends")->trigger();
    }

    TrendsWindow *trends() const { return control<TrendsWindow>("windowTrends"); }
    QChart *chart(const char *view) const { return control<QChartView>(view)->chart(); }
    QDateEdit *from() const { return control<QDateEdit>("agpFrom"); }
    QDateEdit *to() const { return control<QDateEdit>("agpTo"); }

    // The series of a chart under a string-table key's name.
    template <typename Series> QList<Series *> named(const char *view, const char *key) const
    {
        QList<Series *> out;
        for (QAbstractSeries *s : chart(view)->series())
            if (s->name() == strings.text(QString::fromLatin1(key)))
                if (auto *typed = qobject_cast<Series *>(s))
                    out << typed;
        return out;
    }
    // The sensor's readings the glycemia chart draws, lines and dots.
    qsizetype tracePoints() const
    {
        qsizetype n = 0;
        for (QXYSeries *s : named<QXYSeries>("trendsGlycemiaChart", "TRENDS_SERIES_SENSOR"))
            n += s->count();
        return n;
    }
    // The charts as they are without a sensor: the cards' line, the modal
    // day, no second page.
    bool chartsShowTheCardsAlone() const
    {
        return !trends()->pages->isVisible() &&
            chart("trendsModalDayChart")->title() == text("TRENDS_CHART_MODAL_DAY") &&
            tracePoints() == 0 && named<QLineSeries>("trendsGlycemiaChart", "TRENDS_SERIES_READINGS").size() == 1;
    }
    bool showsTheCardsAlone() const { return !trends()->sensor->isVisible() && chartsShowTheCardsAlone(); }
};

double axisMs(int64_t unix)
{
    return double(unix) * 1000.0;
}

TEST_F(TrendsSensorTest, TheLastFourteenDaysOfTheSensorAreShownWithTheCardsOnThem)
{
    startOnCardsAndSensor();
    ASSERT_TRUE(trends()->sensor->isVisible());
    EXPECT_EQ(from()->date(), QDate(2026, 2, 25));
    EXPECT_EQ(to()->date(), kNewest);

    // The trace, broken where the sensor was silent: no line runs across
    // the gap, and none starts before the period or ends after it.
    const QList<QLineSeries *> lines = named<QLineSeries>("trendsGlycemiaChart", "TRENDS_SERIES_SENSOR");
    ASSERT_GE(lines.size(), 2);
    const auto [first, last] = Consensus::instantsOf(QDate(2026, 2, 25), kNewest, kRome);
    for (QLineSeries *line : lines) {
        const QList<QPointF> points = line->points();
        ASSERT_FALSE(points.isEmpty());
        EXPECT_FALSE(points.front().x() < axisMs(kGapFrom) && points.back().x() > axisMs(kGapTo));
        EXPECT_GE(points.front().x(), axisMs(first));
        EXPECT_LE(points.back().x(), axisMs(last));
    }
    // The cards of the period as dots on it; the cards' figures still count
    // every card in view.
    const QList<QScatterSeries *> sticks = named<QScatterSeries>("trendsGlycemiaChart", "TRENDS_SERIES_FINGER_STICKS");
    ASSERT_EQ(sticks.size(), 1);
    ASSERT_EQ(sticks[0]->count(), 1);
    EXPECT_EQ(sticks[0]->at(0).y(), 90);
    EXPECT_EQ(trends()->figureText(QStringLiteral("trendsReadings")), QStringLiteral("3"));

    // The AGP in place of the modal day, the bar beside the figures.
    EXPECT_EQ(chart("trendsModalDayChart")->title(), text("AGP_CHART"));
    EXPECT_TRUE(control<QWidget>("agpRangesBar")->isVisible());
    EXPECT_FALSE(trends()->figureText(QStringLiteral("agpInRange")).isEmpty());

    // The daily profiles: one small chart a day of the period.
    QTabBar *pages = control<QTabBar>("trendsPages");
    ASSERT_TRUE(pages->isVisible());
    pages->setCurrentIndex(1);
    const auto *days = control<DailyProfilesView>("agpDailyProfiles");
    EXPECT_TRUE(days->isVisible());
    ASSERT_EQ(days->days().size(), 14u);
    EXPECT_EQ(days->days().front().day, QDate(2026, 2, 25));
    EXPECT_EQ(days->days()[8].points.size(), 288u - 24u) << "5 March lacks its two silent hours";
}

TEST_F(TrendsSensorTest, ASensorHeardNowAndThenCostsNoMoreSeries)
{
    // Two readings five minutes apart every hour for a fortnight: 336 runs
    // of two. Each reading is drawn, in a bounded number of series.
    writeDiary({card(1, "2026-03-01T08:00:00", false, "POPUP_MEAL_BREAKFAST", 90)});
    std::vector<ForeignFormat::SensorReading> sparse;
    for (const ForeignFormat::SensorReading &r : testsupport::sensorDays(QDate(2026, 2, 25), kNewest, kRome))
        if (r.time % 3600 < 600)
            sparse.push_back(r);
    ASSERT_EQ(sparse.size(), 14u * 24u * 2u);
    ASSERT_TRUE(testsupport::addToStore(path, sparse));
    start();
    control<QAction>("viewTrends")->trigger();
    EXPECT_EQ(tracePoints(), qsizetype(sparse.size()));
    EXPECT_LE(named<QXYSeries>("trendsGlycemiaChart", "TRENDS_SERIES_SENSOR").size(), 101);

    // In mmol/L the trace follows the unit; the store keeps mg/dL.
    pick(control<QComboBox>("trendsUnit"), 1);
    double highest = 0;
    for (QXYSeries *s : named<QXYSeries>("trendsGlycemiaChart", "TRENDS_SERIES_SENSOR"))
        for (const QPointF &p : s->points())
            highest = std::max(highest, p.y());
    int highestMgdl = 0;
    for (const ForeignFormat::SensorReading &r : sparse)
        highestMgdl = std::max(highestMgdl, r.mgdl);
    EXPECT_NEAR(highest, Trends::inUnit(highestMgdl, Trends::Unit::MmolL), 1e-6);
}

TEST_F(TrendsSensorTest, ChangingThePeriodReadsTheStoreAgain)
{
    startOnCardsAndSensor();
    const qsizetype fortnight = tracePoints();
    ASSERT_GT(fortnight, 0);

    // Readings that came after the window read the store show up with the
    // next period chosen.
    ASSERT_TRUE(testsupport::addToStore(path, testsupport::sensorDays(QDate(2026, 2, 1), QDate(2026, 2, 1), kRome)));
    from()->setDate(QDate(2026, 2, 1));
    EXPECT_EQ(to()->date(), kNewest);
    ASSERT_EQ(control<DailyProfilesView>("agpDailyProfiles")->days().size(), 38u);
    EXPECT_EQ(control<DailyProfilesView>("agpDailyProfiles")->days().front().points.size(), 288u);
    EXPECT_GT(tracePoints(), fortnight);

    // An end before the start: the start follows, to a period of no
    // readings; the charts go back to the cards' alone, the period stays.
    to()->setDate(QDate(2026, 1, 5));
    EXPECT_EQ(from()->date(), QDate(2026, 1, 5));
    EXPECT_TRUE(chartsShowTheCardsAlone());
    EXPECT_TRUE(control<QLabel>("agpNoReadings")->isVisible());
    EXPECT_TRUE(control<QWidget>("agpPanel")->isVisible()) << "the period can be chosen again";

    // Back to January's readings; a period of more than a year is cut to
    // one from the end the user moved.
    from()->setDate(QDate(2026, 1, 11));
    to()->setDate(QDate(2026, 1, 12));
    EXPECT_EQ(control<DailyProfilesView>("agpDailyProfiles")->days().size(), 2u);
    EXPECT_EQ(tracePoints(), 2 * 288);
    from()->setDate(QDate(2024, 6, 1));
    EXPECT_EQ(to()->date(), QDate(2025, 6, 1));

    // The main window's pop-ups leave the period alone.
    from()->setDate(QDate(2026, 1, 10));
    to()->setDate(QDate(2026, 1, 12));
    pick(control<QComboBox>("popupPeriod"), 1); // today
    EXPECT_EQ(from()->date(), QDate(2026, 1, 10));
    EXPECT_EQ(tracePoints(), 3 * 288);
    EXPECT_EQ(trends()->figureText(QStringLiteral("trendsReadings")), QStringLiteral("1"));
}

TEST_F(TrendsSensorTest, TheProfileOfTargetsIsRemembered)
{
    startOnCardsAndSensor();
    QComboBox *profile = control<QComboBox>("agpProfile");
    EXPECT_EQ(profile->currentIndex(), 0);
    AppDelegate(controller.get()).applicationWillTerminate();
    EXPECT_FALSE(Preferences::read(prefs)->contains(QStringLiteral("agpProfile"))) << "not written until picked";

    start();
    control<QAction>("viewTrends")->trigger();
    pick(control<QComboBox>("agpProfile"), 1);
    EXPECT_EQ(trends()->profile(), Consensus::Profile::OlderHighRisk);
    AppDelegate(controller.get()).applicationWillTerminate();
    EXPECT_EQ(Preferences::read(prefs)->value(QStringLiteral("agpProfile")), QStringLiteral("olderHighRisk"));

    start();
    EXPECT_EQ(control<QComboBox>("agpProfile")->currentIndex(), 1);
    EXPECT_EQ(control<TrendsWindow>("windowTrends")->profile(), Consensus::Profile::OlderHighRisk);
}

TEST_F(TrendsSensorTest, WithoutReadingsTheWindowShowsTheCardsAsBefore)
{
    const QString store = SensorStore::pathForDiary(path);
    const std::pair<const char *, std::function<void()>> cases[] = {
        {"no store", [] {}},
        {"a store of no readings", [&] { ASSERT_TRUE(testsupport::addToStore(path, {})); }},
        {"a file that is no store", [&] { ASSERT_TRUE(testsupport::writeFile(store, "not a database at all")); }},
        {"a store that is a folder", [&] { ASSERT_TRUE(QDir().mkpath(store)); }},
    };
    for (const auto &[what, makeStore] : cases) {
        SCOPED_TRACE(what);
        QFile::remove(store);
        QDir(store).removeRecursively();
        writeDiary({card(1, "2026-03-11T08:00:00", false, "POPUP_MEAL_BREAKFAST", 100)});
        makeStore();
        start();
        control<QAction>("viewTrends")->trigger();
        EXPECT_TRUE(showsTheCardsAlone());
        EXPECT_TRUE(trends()->sensorPages(kRome).readings.empty());
    }
}

TEST_F(TrendsSensorTest, AnImportOfReadingsIsShownAndItsUndoTakesThemAway)
{
    writeDiary({card(1, "2026-03-11T08:00:00", false, "POPUP_MEAL_BREAKFAST", 100)});
    start();
    control<QAction>("viewTrends")->trigger();
    ASSERT_TRUE(showsTheCardsAlone());

    // A Nightscout export of 19 July 2025.
    dialogs.fileAnswers << QStringLiteral(ORVANE_TESTS_DIR "/data/formats/nightscout_entries.json");
    dialogs.alertAnswers << Dialogs::kFirstButton;
    control<QAction>("menuImport")->trigger();
    controller->waitForSave();
    ASSERT_TRUE(trends()->sensor->isVisible());
    EXPECT_EQ(to()->date(), QDate(2025, 7, 19));
    EXPECT_GT(tracePoints(), 20);

    control<QAction>("menuUndo")->trigger();
    EXPECT_TRUE(showsTheCardsAlone());
}

int pdfPages(const QString &file)
{
    return testsupport::pdfPages(testsupport::readFile(file));
}

TEST_F(TrendsSensorTest, TheReportOpensWithTheAgpPageOfThePeriodChosen)
{
    startOnCardsAndSensor();
    const QString withSensor = home.filePath(QStringLiteral("with.pdf")),
                  without = home.filePath(QStringLiteral("without.pdf"));
    dialogs.fileAnswers << withSensor;
    control<QAction>("menuReport")->trigger();
    to()->setDate(QDate(2026, 1, 5)); // no readings
    dialogs.fileAnswers << without;
    control<QAction>("menuReport")->trigger();
    ASSERT_TRUE(dialogs.alerts.isEmpty());
    EXPECT_EQ(pdfPages(withSensor), pdfPages(without) + 1);

    // The report of a window never shown reads the store too.
    start();
    dialogs.fileAnswers << withSensor;
    control<QAction>("menuReport")->trigger();
    EXPECT_EQ(pdfPages(withSensor), pdfPages(without) + 1);
}

} // namespace
