#include "app/AppController.h"
#include "app/AppDelegate.h"
#include "app/TerminationSignals.h"
#include "model/DiaryFile.h"
#include "model/DiaryLock.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"
#include "text/StringTable.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(programIcon());
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    // Lets the desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
    // The main window's closing asks first; the panels never end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // The session ending or a `kill` quits as the desktop's quit does: the
    // diary and the view settings are saved, nothing is asked.
    TerminationSignals termination;
    // exit, not quit: quit would close the main window, and its closing asks.
    bool terminated = false;
    QObject::connect(&termination, &TerminationSignals::received, &app, [&terminated] {
        terminated = true;
        QCoreApplication::exit(0);
    });

    const StringTable &strings = StringTable::shared();
    const QString diaryPath = DiaryFile::diaryPath();
    if (diaryPath.isEmpty()) {
        std::fputs("orvane: no home folder to keep the diary in: HOME is not set and the account has none\n", stderr);
        Dialogs::current().runAlert(nullptr, strings.text(QStringLiteral("ALERT_NO_HOME")),
                                    strings.text(QStringLiteral("ALERT_NO_HOME_INFO")), {});
        return 1;
    }

    // One program per diary: a second would overwrite the first one's
    // changes.
    AppController controller(strings);
    controller.setDiaryPath(diaryPath);
    if (controller.diary().lock() == DiaryLock::Status::InUse) {
        const qint64 pid = controller.diary().lockHolder();
        std::fprintf(stderr, "orvane: %s is already open in another Orvane (process %lld)\n",
                     qPrintable(QDir::toNativeSeparators(diaryPath)), static_cast<long long>(pid));
        Dialogs::current().runAlert(nullptr, strings.text(QStringLiteral("ALERT_DIARY_IN_USE")),
                                    strings.text(QStringLiteral("ALERT_DIARY_IN_USE_INFO"))
                                        .arg(QString::number(pid), QDir::toNativeSeparators(diaryPath)),
                                    {});
        return 1;
    }
    controller.saveInBackground = true;
    controller.loadLayout(controller.strings());
    AppDelegate delegate(&controller);
    delegate.setWindow(controller.mainWindow());
    controller.mainWindow()->shouldClose = [&delegate] {
        if (!delegate.applicationShouldTerminateAfterLastWindowClosed())
            return false;
        QCoreApplication::exit(0);
        return true;
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::applicationWillTerminate);
    // A log-out asks for everything to be saved, then may end the program
    // without a word.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &controller, [&controller] {
        controller.saveWithoutAsking();
        controller.updatePreference();
    });

    controller.awakeFromNib();
    delegate.applicationDidFinishLaunching();
    // A termination that came while start-up was asking something ended
    // only that question; the program ends here as it would on the way out.
    if (terminated) {
        delegate.applicationWillTerminate();
        return 0;
    }
    return QApplication::exec();
}
