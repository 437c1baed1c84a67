#include "app/AppController.h"
#include "app/AppDelegate.h"
#include "app/RunningInstance.h"
#include "app/TerminationSignals.h"
#include "model/DiaryFile.h"
#include "model/DiaryLock.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"
#include "text/StringTable.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

// A second start on a diary that is open: the program that has it comes
// forward and this one ends without a word. Only when none answers (it is
// stuck, or the lock is another program's) is the user told. The diary is
// not touched either way.
int startOnDiaryInUse(const Diary &diary, const StringTable &strings)
{
    if (RunningInstance(diary.path()).askToComeForward())
        return 0;
    const qint64 pid = diary.lockHolder();
    const QString path = QDir::toNativeSeparators(diary.path());
    std::fprintf(stderr, "orvane: %s is already open in another Orvane (process %lld)\n", qPrintable(path),
                 static_cast<long long>(pid));
    Dialogs::current().runAlert(nullptr, strings.text(QStringLiteral("ALERT_DIARY_IN_USE")),
                                strings.text(QStringLiteral("ALERT_DIARY_IN_USE_INFO")).arg(QString::number(pid), path),
                                {});
    return 1;
}

} // namespace

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
    const DiaryLock::Status lock = controller.diary().lock();
    if (lock == DiaryLock::Status::InUse)
        return startOnDiaryInUse(controller.diary(), strings);
    // Listening from the moment the lock is held: a second start finds this
    // program however far its start-up has come.
    RunningInstance instance(diaryPath);
    if (lock == DiaryLock::Status::Locked && !instance.listen())
        std::fprintf(stderr, "orvane: another start on this diary cannot reach this program: %s\n",
                     qPrintable(instance.name()));
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
    QObject::connect(&instance, &RunningInstance::comeForwardAsked, &delegate, [&delegate] {
        delegate.bringWindowForward();
        std::fputs("orvane: another start on this diary brought this window forward\n", stderr);
    });
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
