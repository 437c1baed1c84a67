#include "app/DiaryFileAlerts.h"

#include "model/Diary.h"
#include "model/DiaryFile.h"
#include "text/StringTable.h"
#include "ui/Dialogs.h"

#include <QDir>

DiaryFileAlerts::DiaryFileAlerts(Diary &diary, const StringTable &strings, QWidget *window)
    : m_diary(diary)
    , m_strings(strings)
    , m_window(window)
{
}

void DiaryFileAlerts::open()
{
    const QString &path = m_diary.path();
    const DiaryFile::OpenResult result = m_diary.open();
    using Status = DiaryFile::OpenResult::Status;
    if (result.status == Status::KeptAside)
        tellAboutFile("ALERT_DIARY_KEPT_ASIDE", "ALERT_DIARY_KEPT_ASIDE_INFO", result.keptAsidePath, result.error);
    else if (result.status == Status::Blocked)
        tellAboutFile("ALERT_DIARY_BLOCKED", "ALERT_DIARY_BLOCKED_INFO", path, result.error);
}

bool DiaryFileAlerts::write(bool inBackground)
{
    const QString &path = m_diary.path();
    if (!m_diary.isWritable()) {
        m_diary.save(); // sorted all the same
        tellAboutFile("ALERT_SAVE_FAILED", "ALERT_SAVE_BLOCKED_INFO", path, QString());
        return false;
    }
    m_diary.setSaveInBackground(inBackground);
    const DiaryFile::SaveResult result = m_diary.save();
    if (!result.ok)
        tellSaveFailed(path, result.error);
    return result.ok;
}

void DiaryFileAlerts::tellSaveFailed(const QString &path, const QString &error) const
{
    tellAboutFile("ALERT_SAVE_FAILED", "ALERT_SAVE_FAILED_INFO", path, error);
}

void DiaryFileAlerts::tellAboutFile(const StringTable &strings, QWidget *window, const char *message,
                                    const char *info, const QString &path, const QString &reason)
{
    Dialogs::current().runAlert(window, strings.text(QString::fromLatin1(message)),
                                strings.text(QString::fromLatin1(info)).arg(QDir::toNativeSeparators(path), reason),
                                {});
}
