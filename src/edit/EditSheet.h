#pragma once

#include "model/ZRGlycemicCard.h"
#include "text/ValueFormatter.h"

#include <QDialog>
#include <QDateTime>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class StringTable;

// The sheet that adds a card or rewrites one as a whole, window-modal on the
// main window. It only reads the card it opens on: the action button hands
// the controller a new card built from the controls (see cardFromControls),
// and the controller decides what becomes of it.
//
// The glycemia is shown and typed in the unit chosen (the field's title names
// it) and kept in mg/dL: a value typed in mmol/L is stored as 18 times what
// was typed, and the typing limits are those of the unit.
class EditSheet : public QDialog
{
    Q_OBJECT

public:
    EditSheet(const StringTable &strings, QWidget *mainWindow);

    // The meal and insulin pop-ups' items, in their fixed order.
    void fillPopUps();

    // The unit of the glycemia field from the next time the sheet opens;
    // mg/dL until set. An open sheet keeps the unit it opened with.
    void setGlycemiaUnit(GlycemiaUnit::Unit unit) { m_unit = unit; }

    // Every control is set again, for a new card (nullptr) or for the given
    // one; then the sheet opens. now is the instant a new card starts at.
    void inizializeGUIwindowsEditWhitGlycemicCard(const ZRGlycemicCard *card, double now);

    // True when the action button says "add".
    bool isAddMode() const;

    // The card the controls describe, with the given identifier and no
    // creation or editing date yet.
    ZRGlycemicCard cardFromControls(uint64_t idCard) const;
    // Whether the card may be stored: a dose needs an insulin and more than
    // 0 units, a measurement a glycemia above 0.
    static bool isAcceptable(const ZRGlycemicCard &card);

    // The controls' own reactions.
    void updateWindosEditProtectState();
    void windowEditTherapy();
    void windowEditProtect();
    void windowEditPopupMeal();
    // After each edit the user makes in a number field.
    void controlTextDidChange(QLineEdit *field);

    QDateTimeEdit *windowEditDate = nullptr;
    QCheckBox *windowEditIsTherapy = nullptr;
    QCheckBox *windowEditIsPreMeal = nullptr;
    QCheckBox *windowEditIsProtect = nullptr;
    QComboBox *windowEditPopUpMeal = nullptr;
    QComboBox *windowEditPopUpInsulin = nullptr;
    QLineEdit *windowEditTextFieldGlycemia = nullptr;
    QLineEdit *windowEditTextFieldUnit = nullptr;
    QPlainTextEdit *windowEditTextViewNote = nullptr;
    QPushButton *windowEditButtonCancel = nullptr;
    QPushButton *windowEditButtonAction = nullptr;
    QLabel *windowEditGlycemiaTitle = nullptr;

signals:
    // The action button was pressed; the controller validates and saves.
    void actionRequested();

private:
    // The controls in a form, buttons below, Tab going through them as they
    // are laid out.
    void layOut();
    QString text(const char *key) const;
    void selectItemByTitle(QComboBox *popup, const QString &key, const char *noneKey);
    void setNumberFieldEditable(QLineEdit *field, bool editable);

    const StringTable &m_strings;
    ValueFormatter m_formatter;
    // The date the picker was opened with, exactly as stored, so that a card
    // saved without a change of date keeps it to the last fraction of a
    // second (the picker holds milliseconds).
    CardDate m_openedDate;
    QDateTime m_openedDateTime;
    // Likewise the numbers: the fields show two decimals at most (a glycemia
    // in mmol/L one), so a value left as it was shown is kept as stored, not
    // as shown.
    struct OpenedNumber {
        QString text;
        float value = 0.0f;
    };
    OpenedNumber m_openedGlycemia, m_openedUnit;
    GlycemiaUnit::Unit m_unit = GlycemiaUnit::Unit::MgdL;      // for the next opening
    GlycemiaUnit::Unit m_shownUnit = GlycemiaUnit::Unit::MgdL; // of the sheet as it is
};
