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
                        const QStringList &buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Warning);
    box.setText(message);
    box.setInformativeText(informativeText);
    QList<QAbstractButton *> added;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        added << box.addButton(buttons[i], i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    if (added.isEmpty())
        added << box.addButton(QMessageBox::Ok);
    box.setDefaultButton(qobject_cast<QPushButton *>(added.first()));
    box.exec();
    const qsizetype chosen = added.indexOf(box.clickedButton());
    // Closing the box with Escape or its close button counts as the last
    // button, the one that changes nothing.
    return kFirstButton + int(chosen >= 0 ? chosen : added.size() - 1);
}

QString QtDialogs::openFile(QWidget *parent, const QString &startFolder, const QStringList &extensions)
{
    QStringList patterns;
    for (const QString &ext : extensions)
        patterns << QStringLiteral("*.") + ext;
    return QFileDialog::getOpenFileName(parent, QGuiApplication::applicationDisplayName(), startFolder,
                                        QStringLiteral("(%1)").arg(patterns.join(QLatin1Char(' '))));
}

QString QtDialogs::saveFile(QWidget *parent, const QString &startFolder, const QString &suggestedName)
{
    return QFileDialog::getSaveFileName(parent, QGuiApplication::applicationDisplayName(), startFolder + QLatin1Char('/') + suggestedName);
}
