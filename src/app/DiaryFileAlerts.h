#pragma once

#include <QString>

class Diary;
class QWidget;
class StringTable;

// The diary's own file as the window opens and writes it, the user told of
// every failure: a diary kept aside or blocked, a save that fails.
class DiaryFileAlerts
{
public:
    DiaryFileAlerts(Diary &diary, const StringTable &strings, QWidget *window);

    void open();
    // Writes the diary as it stands, sorted; false when it fails.
    bool write(bool inBackground);
    void tellSaveFailed(const QString &path, const QString &error) const;

    // An alert whose text says what happened to a file: the message key's
    // text, and the info key's with "%1" the file and "%2" the reason. Every
    // alert about a file the program reads or writes is told this way.
    static void tellAboutFile(const StringTable &strings, QWidget *window, const char *message, const char *info,
                              const QString &path, const QString &reason);

private:
    void tellAboutFile(const char *message, const char *info, const QString &path, const QString &reason) const
    {
        tellAboutFile(m_strings, m_window, message, info, path, reason);
    }

    Diary &m_diary;
    const StringTable &m_strings;
    QWidget *m_window;
};
