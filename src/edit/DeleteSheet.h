#pragma once

#include "model/ZRGlycemicCard.h"
#include "text/ValueFormatter.h"

#include <QDialog>

class QLabel;
class QPushButton;
class StringTable;

// The confirmation before a card is removed, window-modal on the main window.
// It names the card by its measurement date and value (a glycemia in the unit
// chosen, with the unit's name); a protected card can only be kept.
class DeleteSheet : public QDialog
{
    Q_OBJECT

public:
    DeleteSheet(const StringTable &strings, QWidget *mainWindow);

    // The unit of the glycemia the sheet names; mg/dL until set.
    void setGlycemiaUnit(GlycemiaUnit::Unit unit) { m_unit = unit; }

    // Fills the labels for the card and opens the sheet.
    void measurementRemove(const ZRGlycemicCard &card);

    // The measurement date as the sheet shows it: "yyyy/MM/dd HH:mm" in the
    // local time zone; empty for a card without one.
    static QString measurementDateText(const CardDate &date);

    QLabel *windowDeleteMessage = nullptr;
    QLabel *windowDeleteMessageNote = nullptr;
    QLabel *windowDeleteMeasuramentDate = nullptr;
    QLabel *windowDeleteMeasuramentInfo = nullptr;
    QPushButton *windowDeleteButtonCancel = nullptr;
    QPushButton *windowDeleteButtonRemove = nullptr;

signals:
    void removeRequested();

private:
    QString text(const char *key) const;

    const StringTable &m_strings;
    ValueFormatter m_formatter;
    GlycemiaUnit::Unit m_unit = GlycemiaUnit::Unit::MgdL;
};
