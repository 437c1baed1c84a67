#include "ui/Dialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>

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

Dialogs::Progress::~Progress() = default;

namespace {

class QtProgress : public Dialogs::Progress
{
public:
    QtProgress(QWidget *parent, const QString &text, const QString &cancelText, qint64 total)
        : m_dialog(text, cancelText, 0, kSteps, parent)
        , m_total(std::max<qint64>(1, total))
    {
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(400);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }
    bool advance(qint64 done) override
    {
        // A modal progress dialog handles the events, Cancel among them, as
        // its value is set.
        m_dialog.setValue(int(std::clamp<qint64>(done * kSteps / m_total, 0, kSteps - 1)));
        return !m_dialog.wasCanceled();
    }

private:
    static constexpr int kSteps = 1000;
    QProgressDialog m_dialog;
    qint64 m_total;
};

} // namespace

std::unique_ptr<Dialogs::Progress> QtDialogs::showProgress(QWidget *parent, const QString &text,
                                                           const QString &cancelText, qint64 total)
{
    return std::make_unique<QtProgress>(parent, text, cancelText, total);
}
