#include "app/AppDelegate.h"

#include "app/AppController.h"
#include "ui/Dialogs.h"
#include "text/StringTable.h"

#include <QMainWindow>

AppDelegate::AppDelegate(AppController *controller, QObject *parent)
    : QObject(parent)
    , appContoller(controller)
{
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (!m_window)
        return;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool AppDelegate::applicationShouldTerminateAfterLastWindowClosed()
{
    const StringTable &s = appContoller->strings();
    const int answer = Dialogs::current().runAlert(m_window, s.text(QStringLiteral("ALLERT_TEXT_MESSAGE_QUIT")), {},
                                                   {s.text(QStringLiteral("BUTTON_YES")),
                                                    s.text(QStringLiteral("BUTTON_NO"))});
    if (answer == Dialogs::kFirstButton)
        return true;
    if (m_window)
        m_window->setVisible(true);
    return false;
}

void AppDelegate::applicationWillTerminate()
{
    // The quit command has saved already.
    if (appContoller->savedForQuit())
        return;
    // The last save is written before the program goes, so that a failure
    // can still be told.
    appContoller->waitForSave();
    appContoller->saveInBackground = false;
    appContoller->fileSave();
    appContoller->updatePreference();
}
