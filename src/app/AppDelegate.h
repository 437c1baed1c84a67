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
    // Brings the window to the front, out of the dock when minimised, for
    // another start on the same diary, and the question being asked if one
    // is. Before start-up is over the window is left: it comes up in front
    // when start-up is over.
    void bringWindowForward();
    // Asks the quit question, then saves the diary and the view settings;
    // true when the program is to end.
    bool applicationShouldTerminateAfterLastWindowClosed();
    // Saves the diary and the view settings when nothing has yet, without a
    // question: the ending may be one that cannot wait for an answer.
    void applicationWillTerminate();

    AppController *appContoller = nullptr;

private:
    QPointer<QMainWindow> m_window;
    bool m_launched = false;
};
