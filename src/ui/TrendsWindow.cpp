#include "ui/TrendsWindow.h"

#include "report/TrendsCharts.h"
#include "text/StringTable.h"
#include "ui/SensorPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

namespace {

QChartView *chartView(QWidget *parent, const char *name)
{
    auto *view = new QChartView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 120);
    return view;
}

// Puts a new chart in a view; the view deletes the one it held.
void replaceChart(QChartView *view, QChart *chart)
{
    QChart *old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace

TrendsWindow::TrendsWindow(const StringTable &strings, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_strings(strings)
{
    setObjectName(QStringLiteral("windowTrends"));
    setWindowTitle(strings.text(QStringLiteral("WINDOW_TRENDS")));
    resize(1100, 760);

    auto *layout = new QHBoxLayout(this);

    // The figures, with the unit pop-up above them.
    auto *left = new QVBoxLayout;
    auto *unitRow = new QHBoxLayout;
    auto *unitLabel = new QLabel(strings.text(QStringLiteral("TRENDS_UNIT")), this);
    unitPopup = new QComboBox(this);
    unitPopup->setObjectName(QStringLiteral("trendsUnit"));
    unitPopup->addItem(Trends::unitName(Trends::Unit::MgdL));
    unitPopup->addItem(Trends::unitName(Trends::Unit::MmolL));
    unitLabel->setBuddy(unitPopup);
    unitRow->addWidget(unitLabel);
    unitRow->addWidget(unitPopup);
    unitRow->addStretch();
    left->addLayout(unitRow);
    // The sensor's period and figures, while the store holds readings.
    sensor = new SensorPanel(strings, this);
    sensor->hide();
    left->addWidget(sensor);

    m_figuresPanel = new QWidget(this);
    m_figuresGrid = new QGridLayout(m_figuresPanel);
    m_figuresGrid->setColumnStretch(1, 1);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_figuresPanel);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumWidth(360);
    left->addWidget(scroll, 1);
    layout->addLayout(left);

    layout->addLayout(chartPages(), 1);

    sensor->onReadingsChanged = [this] {
        if (m_shown && !m_reading)
            redrawCharts();
    };
    sensor->onProfileChanged = [this](Consensus::Profile profile) {
        if (onProfileChanged)
            onProfileChanged(profile);
    };

    connect(unitPopup, &QComboBox::activated, this, [this](int index) {
        setUnit(index == 1 ? Trends::Unit::MmolL : Trends::Unit::MgdL);
        if (onUnitChanged)
            onUnitChanged(m_unit);
    });
    // The charts are built when there is something to show: the program
    // starts no slower for a window that may never be opened.
}

// The charts: glycemia over time with insulin beneath it, then the modal
// day; with a sensor, a second page of daily profiles.
QLayout *TrendsWindow::chartPages()
{
    auto *chartsPage = new QWidget(this);
    auto *charts = new QVBoxLayout(chartsPage);
    charts->setContentsMargins(0, 0, 0, 0);
    glycemiaView = chartView(chartsPage, "trendsGlycemiaChart");
    insulinView = chartView(chartsPage, "trendsInsulinChart");
    modalDayView = chartView(chartsPage, "trendsModalDayChart");
    charts->addWidget(glycemiaView, 5);
    charts->addWidget(insulinView, 2);
    charts->addWidget(modalDayView, 5);
    auto *daysPage = new QScrollArea(this);
    dailyProfiles = new DailyProfilesView(daysPage);
    daysPage->setWidget(dailyProfiles);
    daysPage->setWidgetResizable(true);
    m_pageStack = new QStackedWidget(this);
    m_pageStack->addWidget(chartsPage);
    m_pageStack->addWidget(daysPage);
    pages = new QTabBar(this);
    pages->setObjectName(QStringLiteral("trendsPages"));
    pages->setExpanding(false);
    pages->addTab(m_strings.text(QStringLiteral("AGP_TAB_OVERVIEW")));
    pages->addTab(m_strings.text(QStringLiteral("AGP_DAILY")));
    pages->hide();
    connect(pages, &QTabBar::currentChanged, m_pageStack, &QStackedWidget::setCurrentIndex);
    auto *right = new QVBoxLayout;
    right->addWidget(pages);
    right->addWidget(m_pageStack, 1);
    return right;
}

void TrendsWindow::showTrends(const CardList &view, const QTimeZone &zone)
{
    m_trends = Trends::overview(view, zone);
    if (m_sensorStale || zone != m_zone)
        readSensor(zone);
    m_shown = true;
    redraw();
}

void TrendsWindow::setSensorStore(const QString &path)
{
    m_storePath = path;
    m_sensorStale = true;
}

void TrendsWindow::readSensor(const QTimeZone &zone)
{
    m_zone = zone;
    m_sensorStale = false;
    m_reading = true;
    sensor->load(m_storePath, zone);
    m_reading = false;
}

TrendsReport::SensorPages TrendsWindow::sensorPages(const QTimeZone &zone)
{
    if (m_sensorStale || zone != m_zone) {
        readSensor(zone);
        if (m_shown)
            redraw();
    }
    return sensor->pages();
}

Consensus::Profile TrendsWindow::profile() const
{
    return sensor->profile();
}

void TrendsWindow::setProfile(Consensus::Profile profile)
{
    sensor->setProfile(profile);
}

void TrendsWindow::setUnit(Trends::Unit unit)
{
    unitPopup->setCurrentIndex(unit == Trends::Unit::MmolL ? 1 : 0);
    if (unit == m_unit)
        return;
    m_unit = unit;
    if (m_shown)
        redraw();
}

QString TrendsWindow::figureText(const QString &id) const
{
    const auto it = m_values.find(id);
    return it == m_values.end() ? sensor->figureText(id) : it->second->text();
}

void TrendsWindow::redraw()
{
    setUpdatesEnabled(false);
    showFigures();
    sensor->setUnit(m_unit);
    sensor->setVisible(sensor->storeHasReadings());
    redrawCharts();
    setUpdatesEnabled(true);
}

void TrendsWindow::redrawCharts()
{
    const bool withSensor = sensor->hasReadings();
    pages->setVisible(withSensor);
    if (!withSensor) {
        pages->setCurrentIndex(0);
        dailyProfiles->setDays({});
        replaceChart(glycemiaView, TrendsCharts::glycemiaChart(m_trends.series, m_unit, m_strings));
        replaceChart(insulinView, TrendsCharts::insulinChart(m_trends.series, m_strings));
        replaceChart(modalDayView, TrendsCharts::modalDayChart(m_trends.modalDay, m_unit, m_strings));
        return;
    }
    const auto [from, to] = sensor->span();
    const TrendsCharts::SensorTrace trace{sensor->readings(), from, to};
    replaceChart(glycemiaView, TrendsCharts::glycemiaChart(m_trends.series, m_unit, m_strings, &trace));
    replaceChart(insulinView, TrendsCharts::insulinChart(m_trends.series, m_strings, &trace));
    replaceChart(modalDayView, TrendsCharts::agpChart(sensor->figures(), m_unit, m_strings));
    dailyProfiles->setDays(Agp::days(sensor->readings(), sensor->from(), sensor->to(), m_zone));
}

void TrendsWindow::showFigures()
{
    // The lines are laid out afresh: the meals with doses come and go.
    while (QLayoutItem *item = m_figuresGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_values.clear();
    for (int r = 0; r < m_figuresGrid->rowCount(); ++r) {
        m_figuresGrid->setRowStretch(r, 0);
        m_figuresGrid->setRowMinimumHeight(r, 0);
    }
    int row = 0;
    for (const Trends::FigureLine &line : Trends::figureLines(m_trends.figures, m_unit, m_strings)) {
        auto *label = new QLabel(line.label, m_figuresPanel);
        if (line.kind == Trends::FigureLine::Heading) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            if (row > 0)
                m_figuresGrid->setRowMinimumHeight(row++, 8);
            m_figuresGrid->addWidget(label, row++, 0, 1, 2);
            continue;
        }
        if (line.kind == Trends::FigureLine::Note) {
            label->setWordWrap(true);
            QFont small = label->font();
            small.setPointSizeF(small.pointSizeF() * 0.9);
            small.setItalic(true);
            label->setFont(small);
            m_figuresGrid->addWidget(label, row++, 0, 1, 2);
            continue;
        }
        auto *value = new QLabel(line.value, m_figuresPanel);
        value->setObjectName(line.id);
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (line.flagged)
            value->setStyleSheet(QStringLiteral("color: #b71c1c;"));
        label->setBuddy(value);
        m_figuresGrid->addWidget(label, row, 0, Qt::AlignTop);
        m_figuresGrid->addWidget(value, row++, 1, Qt::AlignTop);
        m_values[line.id] = value;
    }
    m_figuresGrid->setRowStretch(row, 1);
}
