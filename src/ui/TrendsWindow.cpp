#include "ui/TrendsWindow.h"

#include "text/StringTable.h"
#include "report/TrendsCharts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
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

    // The charts: glycemia over time with insulin beneath it, then the
    // modal day.
    auto *charts = new QVBoxLayout;
    glycemiaView = chartView(this, "trendsGlycemiaChart");
    insulinView = chartView(this, "trendsInsulinChart");
    modalDayView = chartView(this, "trendsModalDayChart");
    charts->addWidget(glycemiaView, 5);
    charts->addWidget(insulinView, 2);
    charts->addWidget(modalDayView, 5);
    layout->addLayout(charts, 1);

    connect(unitPopup, &QComboBox::activated, this, [this](int index) {
        setUnit(index == 1 ? Trends::Unit::MmolL : Trends::Unit::MgdL);
        if (onUnitChanged)
            onUnitChanged(m_unit);
    });
    // The charts are built when there is something to show: the program
    // starts no slower for a window that may never be opened.
}

void TrendsWindow::showTrends(const CardList &view, const QTimeZone &zone)
{
    m_trends = Trends::overview(view, zone);
    m_shown = true;
    redraw();
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
    return it == m_values.end() ? QString() : it->second->text();
}

void TrendsWindow::redraw()
{
    setUpdatesEnabled(false);
    showFigures();
    replaceChart(glycemiaView, TrendsCharts::glycemiaChart(m_trends.series, m_unit, m_strings));
    replaceChart(insulinView, TrendsCharts::insulinChart(m_trends.series, m_strings));
    replaceChart(modalDayView, TrendsCharts::modalDayChart(m_trends.modalDay, m_unit, m_strings));
    setUpdatesEnabled(true);
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
