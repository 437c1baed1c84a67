#include "ui/StatisticsPanel.h"

#include "text/StringTable.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *statisticsField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setMinimumWidth(80);
    return field;
}

} // namespace

StatisticsPanel::StatisticsPanel(const StringTable &strings, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_strings(strings)
{
    auto t = [&strings](const char *key) { return strings.text(QString::fromLatin1(key)); };
    setObjectName(QStringLiteral("windowStatistics"));
    setWindowTitle(t("WINDOW_STATISTICS"));
    const auto &names = Statistics::outletNames();
    auto *grid = new QGridLayout(this);
    for (int col = 0; col < 3; ++col)
        m_fields << statisticsField(this, names[size_t(col)]);
    grid->addWidget(new QLabel(t("STATISTICS_LOWEST"), this), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_MEAN"), this), 0, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_HIGHEST"), this), 0, 3, Qt::AlignCenter);
    // The unit heads the row titles, where it takes no room of its own.
    m_unitTitle = new QLabel(GlycemiaUnit::name(GlycemiaUnit::Unit::MgdL), this);
    m_unitTitle->setObjectName(QStringLiteral("windowStatisticsUnit"));
    grid->addWidget(m_unitTitle, 0, 0, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_GLYCEMIA"), this), 1, 0);
    for (int col = 0; col < 3; ++col)
        grid->addWidget(m_fields[col], 1, 1 + col);
    grid->setRowMinimumHeight(2, 12);
    grid->addWidget(new QLabel(t("STATISTICS_PRE_MEAL"), this), 3, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_POST_MEAL"), this), 3, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(t("STATISTICS_UNITS"), this), 3, 3, Qt::AlignCenter);
    const char *meals[] = {"POPUP_MEAL_BREAKFAST", "POPUP_MEAL_LUNCH", "POPUP_MEAL_DINNER"};
    for (int meal = 0; meal < 3; ++meal) {
        grid->addWidget(new QLabel(t(meals[meal]), this), 4 + meal, 0);
        for (int col = 0; col < 3; ++col) {
            m_fields << statisticsField(this, names[size_t(3 + 3 * meal + col)]);
            grid->addWidget(m_fields.last(), 4 + meal, 1 + col);
        }
    }
}

void StatisticsPanel::showFigures(const Statistics::Figures &figures, const ValueFormatter &formatter,
                                  GlycemiaUnit::Unit unit)
{
    m_unitTitle->setText(GlycemiaUnit::name(unit));
    for (int i = 0; i < Statistics::FigureCount; ++i)
        m_fields[i]->setText(Statistics::figureText(figures, Statistics::Figure(i), formatter, m_strings, unit));
}
