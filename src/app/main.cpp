#include "app/AppController.h"
#include "app/AppDelegate.h"
#include "ui/MainWindow.h"
#include "ui/StringTable.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    // The main window's closing asks first; the panels never end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    AppController controller(StringTable::shared());
    controller.saveInBackground = true;
    controller.loadLayout(controller.strings());
    AppDelegate delegate(&controller);
    delegate.setWindow(controller.windowMain);
    controller.windowMain->shouldClose = [&delegate] {
        if (!delegate.applicationShouldTerminateAfterLastWindowClosed())
            return false;
        QCoreApplication::quit();
        return true;
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::applicationWillTerminate);

    controller.awakeFromNib();
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
