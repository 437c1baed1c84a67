#include "ui/Dialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
Dialogs *g_installed = nullptr;
} // namespace

Dialogs::~Dialogs() = default;

Dialogs &Dialogs::current()
{
    static QtDialogs qtDialogs;
    return g_installed ? *g_installed : qtDialogs;
}

void Dialogs::install(Dialogs *dialogs)
{
    g_installed = dialogs;
}

int QtDialogs::runAlert(QWidget *parent, const QString &message, const QString &informativeText,
                        const QStringList &buttons, int destructiveButton)
{
    QMessageBox box(parent);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Warning);
    box.setText(message);
    box.setInformativeText(informativeText);
    QList<QAbstractButton *> added;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const QMessageBox::ButtonRole role = i == destructiveButton ? QMessageBox::DestructiveRole
                                           : i == 0                 ? QMessageBox::AcceptRole
                                                                    : QMessageBox::RejectRole;
        added << box.addButton(buttons[i], role);
    }
    if (added.isEmpty())
        added << box.addButton(QMessageBox::Ok);
    box.setDefaultButton(qobject_cast<QPushButton *>(added.first()));
    box.setEscapeButton(added.last());
    box.exec();
    const qsizetype chosen = added.indexOf(box.clickedButton());
    // Closing the box with Escape or its close button counts as the last
    // button, the one that changes nothing.
    return kFirstButton + int(chosen >= 0 ? chosen : added.size() - 1);
}

QString QtDialogs::openFile(QWidget *parent, const QString &title, const QString &startFolder,
                            const QStringList &extensions)
{
    QStringList patterns;
    for (const QString &ext : extensions)
        patterns << QStringLiteral("*.") + ext;
    return QFileDialog::getOpenFileName(parent, title, startFolder,
                                        QStringLiteral("(%1)").arg(patterns.join(QLatin1Char(' '))));
}

QString QtDialogs::saveFile(QWidget *parent, const QString &title, const QString &startFolder,
                            const QString &suggestedName, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, startFolder + QLatin1Char('/') + suggestedName, filter);
}
