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

    void open(const QString &path);
    // Writes the diary as it stands, sorted; false when it fails.
    bool write(const QString &path, bool inBackground);
    void tellSaveFailed(const QString &path, const QString &error) const;

private:
    // An alert whose text says what happened to a file: "%1" the file, "%2"
    // the reason.
    void tellAboutFile(const char *message, const char *info, const QString &path, const QString &reason) const;

    Diary &m_diary;
    const StringTable &m_strings;
    QWidget *m_window;
};
