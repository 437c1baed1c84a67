#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// Every modal question the program asks goes through here: alerts, the open
// panel and the save panel. The program installs the Qt dialogs; tests
// install a scripted answerer and so drive every question without a screen.
class Dialogs
{
public:
    // The code of an alert's first button; the second is kFirstButton + 1,
    // and so on.
    static constexpr int kFirstButton = 1000;

    virtual ~Dialogs();

    // A modal alert with a message, an optional informative text and its
    // buttons, first button first (no buttons: one "OK" button). Answers
    // kFirstButton plus the index of the button chosen; closing the alert
    // answers the last button, so that one must change nothing. The button
    // at destructiveButton (an index, -1 for none) looks like one that
    // loses something.
    virtual int runAlert(QWidget *parent, const QString &message, const QString &informativeText,
                         const QStringList &buttons, int destructiveButton = -1) = 0;

    // An open panel titled for what it does, limited to files with the given
    // extensions ("csv", "orv"). The empty string when the user cancels.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &startFolder,
                             const QStringList &extensions) = 0;

    // A save panel titled for what it does, suggesting a name in a folder
    // and offering the files of one filter ("CSV (*.csv)"; empty: every
    // file). The empty string when the user cancels.
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &startFolder,
                             const QString &suggestedName, const QString &filter) = 0;

    // Long work under way: shows how far it has come (once it has taken a
    // moment) with a Cancel button, until the object goes.
    class Progress
    {
    public:
        virtual ~Progress();
        // done of the total given; false once the user has cancelled.
        virtual bool advance(qint64 done) = 0;
    };
    virtual std::unique_ptr<Progress> showProgress(QWidget *parent, const QString &text, const QString &cancelText,
                                                   qint64 total) = 0;

    // The dialogs in use; the Qt dialogs unless others were installed.
    static Dialogs &current();
    // Installs dialogs (not owned); nullptr puts the Qt dialogs back.
    static void install(Dialogs *dialogs);
};

// The real thing: QMessageBox and QFileDialog.
class QtDialogs : public Dialogs
{
public:
    int runAlert(QWidget *parent, const QString &message, const QString &informativeText, const QStringList &buttons,
                 int destructiveButton) override;
    QString openFile(QWidget *parent, const QString &title, const QString &startFolder,
                     const QStringList &extensions) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &startFolder, const QString &suggestedName,
                     const QString &filter) override;
    std::unique_ptr<Progress> showProgress(QWidget *parent, const QString &text, const QString &cancelText,
                                           qint64 total) override;
};
