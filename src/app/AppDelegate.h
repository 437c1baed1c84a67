#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>

class AppController;

// Brings the main window up when the program has started, asks before the
// main window's closing ends the program, and saves on the way out.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(AppController *controller, QObject *parent = nullptr);

    QMainWindow *window() const { return m_window; }
    void setWindow(QMainWindow *window) { m_window = window; }

    void applicationDidFinishLaunching();
    // Asks the quit question; true when the program is to end.
    bool applicationShouldTerminateAfterLastWindowClosed();
    // Saves the diary and the view settings.
    void applicationWillTerminate();

    AppController *appContoller = nullptr;

private:
    QPointer<QMainWindow> m_window;
};
