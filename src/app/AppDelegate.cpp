#include "app/AppDelegate.h"

#include "app/AppController.h"
#include "ui/Dialogs.h"
#include "text/StringTable.h"

#include <QApplication>
#include <QMainWindow>

AppDelegate::AppDelegate(AppController *controller, QObject *parent)
    : QObject(parent)
    , appContoller(controller)
{
}

void AppDelegate::applicationDidFinishLaunching()
{
    m_launched = true;
    if (!m_window)
        return;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void AppDelegate::bringWindowForward()
{
    if (m_launched && m_window) {
        // A maximised window stays maximised.
        m_window->setWindowState((m_window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }
    // A question the program is asking, at start-up too, comes in front.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

bool AppDelegate::applicationShouldTerminateAfterLastWindowClosed()
{
    const StringTable &s = appContoller->strings();
    const int answer = Dialogs::current().runAlert(m_window, s.text(QStringLiteral("ALLERT_TEXT_MESSAGE_QUIT")), {},
                                                   {s.text(QStringLiteral("BUTTON_YES")),
                                                    s.text(QStringLiteral("BUTTON_NO"))});
    // The last save comes while the window is still there: a save that
    // fails is settled with the user before anything goes.
    if (answer == Dialogs::kFirstButton && appContoller->saveBeforeQuitting() != AppController::LastSave::Stay) {
        appContoller->updatePreference();
        appContoller->setSavedForQuit();
        return true;
    }
    if (m_window)
        m_window->setVisible(true);
    return false;
}

void AppDelegate::applicationWillTerminate()
{
    // The quit command or the window's closing has saved already.
    if (appContoller->savedForQuit())
        return;
    // Nobody can be asked now.
    appContoller->saveWithoutAsking();
    appContoller->updatePreference();
}
