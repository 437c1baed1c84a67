#include "edit/EditSheet.h"

#include "text/NumberLimits.h"
#include "text/StringTable.h"
#include "text/TextConversions.h"
#include "ui/ZRUtility.h"
#include "view/DiaryTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateTime localDateTime(double secondsSince2001)
{
    return CardDates::toDateTime(secondsSince2001).toLocalTime();
}

// The fields read "." and "," as the decimal point and nothing else, so they
// show values in the user's locale without grouping ("1234,57", never
// "1.234,57", which would read as no number). A locale whose numbers the
// fields could not read back (other digits, another decimal sign) gets the
// plain "." form.
QLocale fieldLocale()
{
    QLocale locale;
    const QString point = locale.decimalPoint();
    if (locale.zeroDigit() != QLatin1String("0") || (point != QLatin1String(".") && point != QLatin1String(",")))
        locale = QLocale::c();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

EditSheet::EditSheet(const StringTable &strings, QWidget *mainWindow)
    : QDialog(mainWindow)
    , m_strings(strings)
    , m_formatter(fieldLocale())
{
    setObjectName(QStringLiteral("windowEdit"));
    setWindowModality(Qt::WindowModal);
    setModal(true);

    auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    windowEditDate = new QDateTimeEdit(this);
    named(windowEditDate, "windowEditDate");
    windowEditDate->setCalendarPopup(true);
    windowEditDate->setTimeSpec(Qt::LocalTime);
    // The table's form: a four-digit year, no seconds.
    windowEditDate->setDisplayFormat(DiaryTableModel::dateTimeFormat(QLocale()));
    windowEditIsTherapy = new QCheckBox(text("EDIT_THERAPY"), this);
    named(windowEditIsTherapy, "windowEditIsTherapy");
    windowEditIsPreMeal = new QCheckBox(text("EDIT_PRE_MEAL"), this);
    named(windowEditIsPreMeal, "windowEditIsPreMeal");
    windowEditIsProtect = new QCheckBox(text("EDIT_PROTECT"), this);
    named(windowEditIsProtect, "windowEditIsProtect");
    windowEditPopUpMeal = new QComboBox(this);
    named(windowEditPopUpMeal, "windowEditPopUpMeal");
    windowEditPopUpInsulin = new QComboBox(this);
    named(windowEditPopUpInsulin, "windowEditPopUpInsulin");
    windowEditTextFieldGlycemia = new QLineEdit(this);
    named(windowEditTextFieldGlycemia, "windowEditTextFieldGlycemia");
    windowEditTextFieldUnit = new QLineEdit(this);
    named(windowEditTextFieldUnit, "windowEditTextFieldUnit");
    for (QLineEdit *field : {windowEditTextFieldGlycemia, windowEditTextFieldUnit}) {
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    }
    windowEditTextViewNote = new QPlainTextEdit(this);
    named(windowEditTextViewNote, "windowEditTextViewNote");
    windowEditTextViewNote->setTabChangesFocus(true);
    windowEditButtonCancel = new QPushButton(this);
    named(windowEditButtonCancel, "windowEditButtonCancel");
    windowEditButtonCancel->setAutoDefault(false);
    windowEditButtonAction = new QPushButton(this);
    named(windowEditButtonAction, "windowEditButtonAction");
    windowEditButtonAction->setDefault(true);
    windowEditGlycemiaTitle = new QLabel(this);
    named(windowEditGlycemiaTitle, "windowEditGlycemiaTitle");
    windowEditGlycemiaTitle->setBuddy(windowEditTextFieldGlycemia);

    layOut();

    connect(windowEditIsTherapy, &QCheckBox::clicked, this, [this] { windowEditTherapy(); });
    connect(windowEditIsProtect, &QCheckBox::clicked, this, [this] { windowEditProtect(); });
    connect(windowEditPopUpMeal, &QComboBox::activated, this, [this] { windowEditPopupMeal(); });
    // textEdited, not textChanged: only the user's own edits are checked.
    connect(windowEditTextFieldGlycemia, &QLineEdit::textEdited, this,
            [this] { controlTextDidChange(windowEditTextFieldGlycemia); });
    connect(windowEditTextFieldUnit, &QLineEdit::textEdited, this,
            [this] { controlTextDidChange(windowEditTextFieldUnit); });
    // Cancel and Escape close the sheet and change nothing; the action button
    // leaves closing to the controller, which closes only after a save.
    connect(windowEditButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(windowEditButtonAction, &QPushButton::clicked, this, &EditSheet::actionRequested);
}

void EditSheet::layOut()
{
    auto *form = new QFormLayout;
    form->addRow(text("EDIT_DATE"), windowEditDate);
    auto *flags = new QHBoxLayout;
    flags->addWidget(windowEditIsTherapy);
    flags->addWidget(windowEditIsProtect);
    flags->addStretch();
    form->addRow(QString(), flags);
    auto *meal = new QHBoxLayout;
    meal->addWidget(windowEditPopUpMeal, 1);
    meal->addWidget(windowEditIsPreMeal);
    form->addRow(text("EDIT_MEAL"), meal);
    form->addRow(windowEditGlycemiaTitle, windowEditTextFieldGlycemia);
    form->addRow(text("EDIT_INSULIN"), windowEditPopUpInsulin);
    form->addRow(text("EDIT_UNITS"), windowEditTextFieldUnit);
    form->addRow(text("EDIT_NOTE"), windowEditTextViewNote);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(windowEditButtonCancel, QDialogButtonBox::RejectRole);
    buttons->addButton(windowEditButtonAction, QDialogButtonBox::AcceptRole);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // Tab goes through the controls as they are laid out, buttons last.
    QWidget *const chain[] = {windowEditDate,        windowEditIsTherapy,         windowEditIsProtect,
                                    windowEditPopUpMeal,   windowEditIsPreMeal,         windowEditTextFieldGlycemia,
                                    windowEditPopUpInsulin, windowEditTextFieldUnit,     windowEditTextViewNote,
                                    windowEditButtonCancel, windowEditButtonAction};
    for (size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void EditSheet::fillPopUps()
{
    windowEditPopUpMeal->clear();
    for (const QString &key : StringTable::mealKeys())
        windowEditPopUpMeal->addItem(m_strings.text(key));
    windowEditPopUpInsulin->clear();
    for (const QString &key : StringTable::insulinKeys())
        windowEditPopUpInsulin->addItem(m_strings.text(key));
}

QString EditSheet::text(const char *key) const
{
    return m_strings.text(QString::fromLatin1(key));
}

void EditSheet::selectItemByTitle(QComboBox *popup, const QString &key, const char *noneKey)
{
    if (key.isEmpty()) {
        popup->setCurrentIndex(popup->findText(text(noneKey), Qt::MatchExactly));
        return;
    }
    const QString title = m_strings.text(key);
    int index = popup->findText(title, Qt::MatchExactly);
    if (index < 0) {
        // A stored value that names no item (a meal typed in another
        // program) gets an item of its own, so that saving keeps it.
        popup->addItem(title);
        index = popup->count() - 1;
    }
    popup->setCurrentIndex(index);
}

void EditSheet::setNumberFieldEditable(QLineEdit *field, bool editable)
{
    field->setReadOnly(!editable);
}

void EditSheet::inizializeGUIwindowsEditWhitGlycemicCard(const ZRGlycemicCard *card, double now)
{
    // Items added for an earlier card's unknown meal or insulin go.
    while (windowEditPopUpMeal->count() > int(StringTable::mealKeys().size()))
        windowEditPopUpMeal->removeItem(windowEditPopUpMeal->count() - 1);
    while (windowEditPopUpInsulin->count() > int(StringTable::insulinKeys().size()))
        windowEditPopUpInsulin->removeItem(windowEditPopUpInsulin->count() - 1);
    m_shownUnit = m_unit;
    windowEditGlycemiaTitle->setText(text("LABEL_GLYCEMIA_UNIT").arg(GlycemiaUnit::name(m_shownUnit)));
    if (!card) {
        setWindowTitle(text("WINDOW_EDIT_ADD"));
        m_openedDate = now;
        windowEditIsProtect->setChecked(false);
        windowEditIsTherapy->setChecked(false);
        windowEditIsPreMeal->setChecked(false);
        windowEditPopUpMeal->setCurrentIndex(0);
        windowEditPopUpInsulin->setCurrentIndex(0);
        windowEditTextFieldGlycemia->clear();
        windowEditTextFieldUnit->clear();
        windowEditTextViewNote->clear();
        windowEditIsProtect->setEnabled(true);
        windowEditIsTherapy->setEnabled(true);
        windowEditPopUpMeal->setEnabled(true);
        setNumberFieldEditable(windowEditTextFieldGlycemia, true);
        setNumberFieldEditable(windowEditTextFieldUnit, false);
        windowEditButtonAction->setText(text("BUTTON_ADD"));
    } else {
        setWindowTitle(text("WINDOW_EDIT_EDIT"));
        // A card without a measurement date opens on the current instant.
        m_openedDate = card->dateMeasurement() ? card->dateMeasurement() : CardDate(now);
        windowEditIsProtect->setChecked(card->isProtect());
        windowEditIsPreMeal->setChecked(card->isPreMeal());
        windowEditIsTherapy->setChecked(card->isTherapy());
        windowEditTextViewNote->setPlainText(card->notes().value_or(QString()));
        selectItemByTitle(windowEditPopUpMeal, card->nameMeal().value_or(QString()), "POPUP_MEAL_SELECT");
        windowEditTextFieldGlycemia->setText(m_formatter.formatGlycemia(card->glycemiaValue(), m_shownUnit));
        if (card->isTherapy()) {
            windowEditTextFieldUnit->setText(m_formatter.format(card->unitValue()));
            selectItemByTitle(windowEditPopUpInsulin, card->nameInsulin().value_or(QString()),
                              "POPUP_INSULIN_SELECT");
            windowEditTextFieldGlycemia->clear();
        } else {
            windowEditPopUpInsulin->setCurrentIndex(0);
            windowEditTextFieldUnit->clear();
        }
        setNumberFieldEditable(windowEditTextFieldGlycemia, !card->isTherapy());
        setNumberFieldEditable(windowEditTextFieldUnit, card->isTherapy());
        windowEditButtonAction->setText(text("BUTTON_EDIT"));
    }
    m_openedGlycemia = {windowEditTextFieldGlycemia->text(), card ? card->glycemiaValue() : 0.0f};
    m_openedUnit = {windowEditTextFieldUnit->text(), card ? card->unitValue() : 0.0f};
    m_openedDateTime = localDateTime(*m_openedDate);
    windowEditDate->setDateTime(m_openedDateTime);
    // The picker may hold less than the stored date (milliseconds only).
    m_openedDateTime = windowEditDate->dateTime();

    windowEditButtonCancel->setText(text("ALLERT_BUTTON_CANCEL"));
    updateWindosEditProtectState();
    if (!windowEditIsProtect->isChecked()) {
        windowEditIsPreMeal->setEnabled(windowEditPopUpMeal->currentText() != text("POPUP_MEAL_SELECT"));
        windowEditPopUpInsulin->setEnabled(windowEditIsTherapy->isChecked());
    }
    open();
    windowEditDate->setFocus();
}

void EditSheet::updateWindosEditProtectState()
{
    const bool unlocked = !windowEditIsProtect->isChecked();
    for (QWidget *control :
         std::initializer_list<QWidget *>{windowEditDate, windowEditIsTherapy, windowEditIsPreMeal,
                                          windowEditPopUpMeal, windowEditPopUpInsulin, windowEditTextFieldGlycemia,
                                          windowEditTextFieldUnit})
        control->setEnabled(unlocked);
    if (unlocked)
        windowEditDate->setFocus();
}

void EditSheet::windowEditProtect()
{
    updateWindosEditProtectState();
}

void EditSheet::windowEditTherapy()
{
    if (windowEditIsTherapy->isChecked()) {
        windowEditPopUpInsulin->setEnabled(true);
        setNumberFieldEditable(windowEditTextFieldGlycemia, false);
        setNumberFieldEditable(windowEditTextFieldUnit, true);
        windowEditTextFieldGlycemia->clear();
        windowEditTextFieldUnit->clear();
        windowEditTextFieldUnit->setFocus();
    } else {
        windowEditPopUpInsulin->setCurrentIndex(0);
        windowEditPopUpInsulin->setEnabled(false);
        setNumberFieldEditable(windowEditTextFieldGlycemia, true);
        setNumberFieldEditable(windowEditTextFieldUnit, false);
        windowEditTextFieldGlycemia->setFocus();
    }
}

void EditSheet::windowEditPopupMeal()
{
    const QString title = windowEditPopUpMeal->currentText();
    const bool noPreMeal = title == text("POPUP_MEAL_SELECT") || title == text("POPUP_MEAL_CONTROL")
                        || title == text("POPUP_MEAL_CORRECTION");
    if (noPreMeal)
        windowEditIsPreMeal->setChecked(false);
    windowEditIsPreMeal->setEnabled(!noPreMeal);
}

void EditSheet::controlTextDidChange(QLineEdit *field)
{
    using NumberLimits::Field;
    if (field != windowEditTextFieldGlycemia && field != windowEditTextFieldUnit)
        return;
    const Field which = field == windowEditTextFieldGlycemia ? Field::Glycemia : Field::Unit;
    const QString before = field->text();
    const QString after = NumberLimits::filteredInpuntToField(before, NumberLimits::kLimit);
    if (after != before) {
        // Keep the cursor where the user was typing, less what was taken out.
        const int cursor = std::max(0, int(field->cursorPosition() - (before.size() - after.size())));
        field->setText(after);
        field->setCursorPosition(cursor);
    }
    if (NumberLimits::outOfRange(which, after, m_shownUnit)) {
        ZRUtility::showErrorWithTextMessagge(m_strings.text(NumberLimits::messageKey(which, m_shownUnit)), this);
        field->clear();
    }
}

bool EditSheet::isAddMode() const
{
    return windowEditButtonAction->text() == text("BUTTON_ADD");
}

ZRGlycemicCard EditSheet::cardFromControls(uint64_t idCard) const
{
    auto keyOf = [this](const QComboBox *popup, const char *noneKey) {
        const QString title = popup->currentText();
        return title == text(noneKey) ? QString() : m_strings.keyForText(title);
    };
    CardDate when = CardDates::fromDateTime(windowEditDate->dateTime());
    if (windowEditDate->dateTime() == m_openedDateTime)
        when = m_openedDate;
    // A glycemia is kept in mg/dL; units of insulin as typed.
    auto number = [this](const QLineEdit *field, const OpenedNumber &opened, bool glycemia) {
        if (!opened.text.isEmpty() && field->text() == opened.text)
            return opened.value;
        // A text the field cannot read saves as 0, which isAcceptable
        // refuses: "6,5.1" is never guessed at.
        const std::optional<float> typed = TextConversions::typedNumberFromString(field->text());
        if (!typed)
            return 0.0f;
        return glycemia ? GlycemiaUnit::kept(*typed, m_shownUnit) : *typed;
    };
    return ZRGlycemicCard(idCard, std::nullopt, std::nullopt, when, windowEditIsProtect->isChecked(),
                          windowEditIsPreMeal->isChecked(), windowEditIsTherapy->isChecked(),
                          keyOf(windowEditPopUpMeal, "POPUP_MEAL_SELECT"),
                          keyOf(windowEditPopUpInsulin, "POPUP_INSULIN_SELECT"), windowEditTextViewNote->toPlainText(),
                          number(windowEditTextFieldGlycemia, m_openedGlycemia, true),
                          number(windowEditTextFieldUnit, m_openedUnit, false));
}

bool EditSheet::isAcceptable(const ZRGlycemicCard &card)
{
    if (card.isTherapy())
        return !card.nameInsulin().value_or(QString()).isEmpty() && card.unitValue() > 0.0f;
    return card.glycemiaValue() > 0.0f;
}
