#include "edit/DeleteSheet.h"

#include "text/StringTable.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DeleteSheet::DeleteSheet(const StringTable &strings, QWidget *mainWindow)
    : QDialog(mainWindow)
    , m_strings(strings)
{
    setObjectName(QStringLiteral("windowDelete"));
    setWindowModality(Qt::WindowModal);
    setModal(true);
    setWindowTitle(text("WINDOW_DELETE"));

    auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        return l;
    };
    windowDeleteMessage = label("windowDeleteMessage");
    QFont bold = windowDeleteMessage->font();
    bold.setBold(true);
    windowDeleteMessage->setFont(bold);
    windowDeleteMessageNote = label("windowDeleteMessageNote");
    windowDeleteMeasuramentDate = label("windowDeleteMeasuramentDate");
    windowDeleteMeasuramentInfo = label("windowDeleteMeasuramentInfo");
    windowDeleteButtonCancel = new QPushButton(this);
    windowDeleteButtonCancel->setObjectName(QStringLiteral("windowDeleteButtonCancel"));
    windowDeleteButtonRemove = new QPushButton(this);
    windowDeleteButtonRemove->setObjectName(QStringLiteral("windowDeleteButtonRemove"));
    // Enter keeps the card: removing is never the default.
    windowDeleteButtonCancel->setDefault(true);
    windowDeleteButtonRemove->setAutoDefault(false);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(windowDeleteButtonCancel, QDialogButtonBox::RejectRole);
    buttons->addButton(windowDeleteButtonRemove, QDialogButtonBox::DestructiveRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(windowDeleteMessage);
    layout->addWidget(windowDeleteMessageNote);
    layout->addSpacing(8);
    layout->addWidget(windowDeleteMeasuramentDate);
    layout->addWidget(windowDeleteMeasuramentInfo);
    layout->addWidget(buttons);

    connect(windowDeleteButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(windowDeleteButtonRemove, &QPushButton::clicked, this, &DeleteSheet::removeRequested);
}

QString DeleteSheet::text(const char *key) const
{
    return m_strings.text(QString::fromLatin1(key));
}

QString DeleteSheet::measurementDateText(const CardDate &date)
{
    if (!date)
        return QString();
    return CardDates::toDateTime(*date).toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

void DeleteSheet::measurementRemove(const ZRGlycemicCard &card)
{
    windowDeleteMessage->setText(text("DELETE_MSG_MESSAGE"));
    windowDeleteMessageNote->setText(text(card.isProtect() ? "DELETE_MSG_MESSAGE_PROTECT" : "DELETE_MSG_MESSAGE_INFO"));
    windowDeleteMeasuramentDate->setText(text("DELETE_MSG_DATE") + QLatin1Char(' ')
                                         + measurementDateText(card.dateMeasurement()));
    windowDeleteMeasuramentInfo->setText(
        card.isTherapy()
            ? text("DELETE_MSG_INFO_THERAPY") + QLatin1Char(' ') + m_formatter.format(card.unitValue())
            : QStringLiteral("%1 %2 %3")
                  .arg(text("DELETE_MSG_INFO_MEASURAMENT"), m_formatter.formatGlycemia(card.glycemiaValue(), m_unit),
                       GlycemiaUnit::name(m_unit)));
    windowDeleteButtonCancel->setText(text("ALLERT_BUTTON_CANCEL"));
    windowDeleteButtonRemove->setText(text("ALLERT_BUTTON_REMOVE"));
    windowDeleteButtonRemove->setEnabled(!card.isProtect());
    open();
}
