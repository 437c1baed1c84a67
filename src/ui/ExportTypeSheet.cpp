#include "ui/ExportTypeSheet.h"

#include "text/StringTable.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ExportTypeSheet::ExportTypeSheet(const StringTable &strings, QWidget *mainWindow)
    : QDialog(mainWindow)
{
    auto text = [&strings](const char *key) { return strings.text(QString::fromLatin1(key)); };
    setObjectName(QStringLiteral("windowExportType"));
    setWindowModality(Qt::WindowModal);
    setModal(true);
    setWindowTitle(text("WINDOW_EXPORT"));

    windowExportTypeMessage = new QLabel(text("EXPORT_MESSAGE"), this);
    windowExportTypeMessage->setObjectName(QStringLiteral("windowExportTypeMessage"));
    windowExportTypeMessage->setWordWrap(true);

    auto radio = [this](const char *name, const QString &title) {
        auto *button = new QRadioButton(title, this);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    formatOrvaneORV = radio("formatOrvaneORV", text("EXPORT_FORMAT_ORV"));
    formatOrvaneCSV = radio("formatOrvaneCSV", text("EXPORT_FORMAT_CSV"));
    formatOrvaneREALStudioCSV = radio("formatOrvaneREALStudioCSV", text("EXPORT_FORMAT_REALSTUDIO"));
    auto *group = new QButtonGroup(this);
    for (QRadioButton *button : {formatOrvaneORV, formatOrvaneCSV, formatOrvaneREALStudioCSV})
        group->addButton(button);

    windowExportTypeButtonCancel = new QPushButton(text("ALLERT_BUTTON_CANCEL"), this);
    windowExportTypeButtonCancel->setObjectName(QStringLiteral("windowExportTypeButtonCancel"));
    windowExportTypeButtonContinue = new QPushButton(text("BUTTON_CONTINUE"), this);
    windowExportTypeButtonContinue->setObjectName(QStringLiteral("windowExportTypeButtonContinue"));
    windowExportTypeButtonContinue->setDefault(true);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(windowExportTypeButtonCancel, QDialogButtonBox::RejectRole);
    buttons->addButton(windowExportTypeButtonContinue, QDialogButtonBox::AcceptRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(windowExportTypeMessage);
    layout->addWidget(formatOrvaneORV);
    layout->addWidget(formatOrvaneCSV);
    layout->addWidget(formatOrvaneREALStudioCSV);
    layout->addWidget(buttons);

    connect(windowExportTypeButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(windowExportTypeButtonContinue, &QPushButton::clicked, this, &ExportTypeSheet::continueRequested);
}

std::optional<ZRExport::Kind> ExportTypeSheet::selectedKind() const
{
    if (formatOrvaneORV->isChecked())
        return ZRExport::Kind::OrvaneORV;
    if (formatOrvaneCSV->isChecked())
        return ZRExport::Kind::OrvaneCSV;
    if (formatOrvaneREALStudioCSV->isChecked())
        return ZRExport::Kind::OrvaneREALStudioCSV;
    return std::nullopt;
}
