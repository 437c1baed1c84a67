#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QStringList>

// Answers the program's modal questions from a script and records what was
// asked. Installed for as long as it lives.
class ScriptedDialogs : public Dialogs
{
    class ScriptedProgress : public Progress
    {
    public:
        explicit ScriptedProgress(int cancelAfter) : m_left(cancelAfter) {}
        bool advance(qint64) override { return m_left < 0 || m_left-- > 0; }

    private:
        int m_left;
    };

public:
    struct Alert {
        QString message;
        QString informativeText;
        QStringList buttons;
        int destructiveButton = -1;
    };

    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override { Dialogs::install(nullptr); }

    // The next answers, in order; an alert asked with none left answers its
    // first button, a panel answers "cancelled".
    QList<int> alertAnswers;
    QStringList fileAnswers;

    QList<Alert> alerts;
    int panelsShown = 0;
    // The texts of the progress shown, and how many steps of progress go by
    // before the user cancels (-1: never).
    QStringList progressTexts;
    int cancelProgressAfter = -1;
    // What the last panel was opened with.
    QString panelTitle;
    QString panelFilter;
    QString panelFolder;
    QStringList panelExtensions;
    QString panelSuggestedName;

    int runAlert(QWidget *, const QString &message, const QString &informativeText, const QStringList &buttons,
                 int destructiveButton) override
    {
        alerts.append({message, informativeText, buttons, destructiveButton});
        return alertAnswers.isEmpty() ? kFirstButton : alertAnswers.takeFirst();
    }
    QString openFile(QWidget *, const QString &title, const QString &folder, const QStringList &extensions) override
    {
        ++panelsShown;
        panelTitle = title;
        panelFilter.clear();
        panelFolder = folder;
        panelExtensions = extensions;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    std::unique_ptr<Progress> showProgress(QWidget *, const QString &text, const QString &, qint64) override
    {
        progressTexts << text;
        return std::make_unique<ScriptedProgress>(cancelProgressAfter);
    }
    QString saveFile(QWidget *, const QString &title, const QString &folder, const QString &suggestedName,
                     const QString &filter) override
    {
        ++panelsShown;
        panelTitle = title;
        panelFilter = filter;
        panelFolder = folder;
        panelSuggestedName = suggestedName;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
};
