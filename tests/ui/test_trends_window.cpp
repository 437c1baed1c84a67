// The trends window and the report as the user reaches them: from the
// toolbar and the menus, following the filter, in the unit chosen.
#include "app/MainWindowFixture.h"
#include "ui/TrendsWindow.h"

#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>

#include <csignal>
#include <sys/resource.h>

namespace {

class TrendsTest : public MainWindowTest
{
protected:
    // Two readings and a dose today, a reading ten days back.
    void startOnFourCards()
    {
        writeDiary({card(4, "2026-03-11T12:00:00", false, "POPUP_MEAL_LUNCH", 200),
                    card(3, "2026-03-11T08:05:00", true, "POPUP_MEAL_BREAKFAST", 6),
                    card(2, "2026-03-11T08:00:00", false, "POPUP_MEAL_BREAKFAST", 100),
                    card(1, "2026-03-01T08:00:00", false, "POPUP_MEAL_BREAKFAST", 50)});
        start();
    }

    TrendsWindow *trends() const { return control<TrendsWindow>("windowTrends"); }
    QString figure(const char *id) const { return trends()->figureText(QString::fromLatin1(id)); }

    // The y values of the glycemia chart's line of readings.
    QList<double> chartedReadings() const
    {
        QList<double> ys;
        for (QAbstractSeries *s : control<QChartView>("trendsGlycemiaChart")->chart()->series())
            if (s->name() == text("TRENDS_SERIES_READINGS"))
                for (const QPointF &p : static_cast<QLineSeries *>(s)->points())
                    ys << p.y();
        return ys;
    }
};

TEST_F(TrendsTest, TheWindowFollowsEveryFilterRunInTheUnitChosen)
{
    startOnFourCards();
    EXPECT_FALSE(trends()->isVisible());
    control<QAction>("viewTrends")->trigger();
    ASSERT_TRUE(trends()->isVisible());
    // The figures are worked out in the trends' own tests; the window shows
    // them with their units.
    EXPECT_EQ(figure("trendsDays"), QStringLiteral("11 (2 with readings)"));
    EXPECT_EQ(figure("trendsMean"), QStringLiteral("117 mg/dL"));
    EXPECT_EQ(chartedReadings(), (QList<double>{50, 100, 200})) << "oldest first";

    // Today only.
    pick(control<QComboBox>("popupPeriod"), 1);
    EXPECT_EQ(figure("trendsReadings"), QStringLiteral("2"));
    EXPECT_EQ(figure("trendsMean"), QStringLiteral("150 mg/dL"));
    EXPECT_EQ(figure("trendsUnitsADay"), QStringLiteral("6.0"));

    // mmol/L: the figures, the band edges and the chart; the diary keeps
    // mg/dL.
    pick(control<QComboBox>("trendsUnit"), 1);
    EXPECT_EQ(trends()->unit(), Trends::Unit::MmolL);
    EXPECT_EQ(figure("trendsMean"), QStringLiteral("8.3 mmol/L"));
    const QList<double> ys = chartedReadings();
    ASSERT_EQ(ys.size(), 2);
    EXPECT_NEAR(ys[0], 100 / 18.0, 1e-4);
    EXPECT_EQ(diaryCards().back()->glycemiaValue(), 50.0f);

    // Hidden, the window is left alone; shown again, it catches up.
    control<QAction>("menuTrends")->trigger();
    EXPECT_FALSE(trends()->isVisible());
    pick(control<QComboBox>("popupMeasurements"), 2); // therapies
    control<QAction>("menuTrends")->trigger();
    EXPECT_EQ(figure("trendsReadings"), QStringLiteral("0"));
    EXPECT_EQ(figure("trendsMean"), text("NOT_DISPONBLE"));
    EXPECT_TRUE(chartedReadings().isEmpty());
}

TEST_F(TrendsTest, TheReportIsWrittenWhereTheUserSaysAndNowhereElse)
{
    startOnFourCards();

    // Cancelled: nothing written, nothing said.
    control<QAction>("menuReport")->trigger();
    EXPECT_EQ(dialogs.panelSuggestedName, QStringLiteral("Orvane report 2026-03-11.pdf"));
    EXPECT_EQ(dialogs.panelTitle, text("PANEL_REPORT"));
    EXPECT_TRUE(dialogs.alerts.isEmpty());

    // A name without an extension gets one.
    dialogs.fileAnswers << home.filePath(QStringLiteral("for the doctor"));
    control<QAction>("menuReport")->trigger();
    const QByteArray pdf = testsupport::readFile(home.filePath(QStringLiteral("for the doctor.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF-")) << pdf.left(16).toStdString();
    EXPECT_TRUE(dialogs.alerts.isEmpty());

    // A folder that is not there, the diary itself, and a disk that fills
    // just before the end of the report (here a limit on the size of files):
    // told, nothing lost.
    const QByteArray diary = testsupport::readFile(path);
    dialogs.fileAnswers << home.filePath(QStringLiteral("no such folder/report.pdf")) << path
                        << home.filePath(QStringLiteral("for the doctor.pdf"));
    control<QAction>("menuReport")->trigger();
    control<QAction>("menuReport")->trigger();
    {
        rlimit usual{};
        getrlimit(RLIMIT_FSIZE, &usual);
        const rlimit nearlyFull{rlim_t(pdf.size() - 100), usual.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &nearlyFull);
        control<QAction>("menuReport")->trigger();
        setrlimit(RLIMIT_FSIZE, &usual);
        std::signal(SIGXFSZ, handler);
    }
    ASSERT_EQ(dialogs.alerts.size(), 3);
    for (const ScriptedDialogs::Alert &alert : dialogs.alerts)
        EXPECT_EQ(alert.message, text("ALERT_REPORT_FAILED"));
    EXPECT_TRUE(dialogs.alerts[0].informativeText.contains(QStringLiteral("no such folder")));
    EXPECT_TRUE(dialogs.alerts[2].informativeText.contains(text("SAVE_REASON_TOO_LARGE")))
        << dialogs.alerts[2].informativeText.toStdString();
    EXPECT_EQ(testsupport::readFile(home.filePath(QStringLiteral("for the doctor.pdf"))), pdf);
    EXPECT_EQ(testsupport::readFile(path), diary);
}

} // namespace
