#pragma once

#include "view/Statistics.h"

#include <QList>
#include <QWidget>

class QLineEdit;
class StringTable;
class ValueFormatter;

// The statistics panel: lowest, mean and highest glycemia, then before,
// after and units for each meal, in twelve read-only fields named after
// their figures (Statistics::outletNames).
class StatisticsPanel : public QWidget
{
    Q_OBJECT

public:
    StatisticsPanel(const StringTable &strings, QWidget *parent);

    // Each field shows its figure, or the not-available text.
    void showFigures(const Statistics::Figures &figures, const ValueFormatter &formatter);

private:
    const StringTable &m_strings;
    QList<QLineEdit *> m_fields; // in figure order
};
