#pragma once

#include "interchange/ZRExport.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;
class StringTable;

// The choice of what an export writes, window-modal on the main window: the
// diary file, default CSV or REALStudio CSV, one at a time.
class ExportTypeSheet : public QDialog
{
    Q_OBJECT

public:
    ExportTypeSheet(const StringTable &strings, QWidget *mainWindow);

    // The kind of the first button that is on, in the order of the buttons;
    // none when no button is on.
    std::optional<ZRExport::Kind> selectedKind() const;

    QLabel *windowExportTypeMessage = nullptr;
    QRadioButton *formatOrvaneORV = nullptr;
    QRadioButton *formatOrvaneCSV = nullptr;
    QRadioButton *formatOrvaneREALStudioCSV = nullptr;
    QPushButton *windowExportTypeButtonCancel = nullptr;
    QPushButton *windowExportTypeButtonContinue = nullptr;

signals:
    void continueRequested();
};
