#pragma once

#include "view/Statistics.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class StringTable;
class ValueFormatter;

// The statistics panel: lowest, mean and highest glycemia, then before,
// after and units for each meal, in twelve read-only fields named after
// their figures (Statistics::outletNames). The glycemia figures are shown in
// the unit chosen, whose name heads the row titles.
class StatisticsPanel : public QWidget
{
    Q_OBJECT

public:
    StatisticsPanel(const StringTable &strings, QWidget *parent);

    // Each field shows its figure, or the not-available text.
    void showFigures(const Statistics::Figures &figures, const ValueFormatter &formatter, GlycemiaUnit::Unit unit);

private:
    const StringTable &m_strings;
    QList<QLineEdit *> m_fields; // in figure order
    QLabel *m_unitTitle = nullptr; // the unit of the glycemia figures
};
