#include "app/FileCommands.h"

#include "app/DiaryFileAlerts.h"

#include "interchange/Interchange.h"
#include "model/Diary.h"
#include "model/DiaryFile.h"
#include "report/TrendsReport.h"
#include "text/StringTable.h"
#include "ui/Dialogs.h"
#include "ui/ZRUtility.h"
#include "view/DiaryCommands.h"

#include <QDateTime>
#include <QDir>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>

FileCommands::Busy::Busy()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

FileCommands::Busy::~Busy()
{
    QGuiApplication::restoreOverrideCursor();
}

FileCommands::FileCommands(Diary &diary, QUndoStack &undo, const StringTable &strings, QWidget *window,
                           const QTimeZone &zone, double now)
    : m_diary(diary)
    , m_undo(undo)
    , m_strings(strings)
    , m_window(window)
    , m_zone(zone)
    , m_now(now)
{
}

QString FileCommands::text(const char *key) const
{
    return m_strings.text(QString::fromLatin1(key));
}

bool FileCommands::isNotTheDiary(const QString &path, const char *failure) const
{
    // Whatever the panel let through, the diary itself is never written over
    // by anything but the diary: it would be unreadable at the next start.
    if (!DiaryFile::sameFile(path, m_diary.path()))
        return true;
    Dialogs::current().runAlert(m_window, text(failure), text("ALERT_EXPORT_OVER_DIARY_INFO"), {});
    return false;
}

void FileCommands::importFile()
{
    const QString path = Dialogs::current().openFile(
        m_window, text("PANEL_IMPORT"), QDir::homePath(),
        {QStringLiteral("csv"), QStringLiteral("orv"), QStringLiteral("json"), QStringLiteral("txt")});
    if (path.isEmpty())
        return;
    // Another program's file is read first and told as a summary; the
    // diary's own files are asked about as they always were.
    const Interchange::FileSource::Kind kind = Interchange::sourceOfFile(path).kind;
    if (kind == Interchange::FileSource::Kind::Foreign) {
        importForeign(path);
        return;
    }
    // Nothing to ask about a file the import cannot read.
    if (kind == Interchange::FileSource::Kind::Unknown) {
        Dialogs::current().runAlert(m_window, text("ALERT_IMPORT_NOTHING"), text("IMPORT_FOREIGN_UNKNOWN"), {});
        return;
    }
    const bool replace = Dialogs::current().runAlert(m_window, text("ALLERT_TEXT_MESSAGE_IMPORT"), QString(),
                                                     {text("BUTTON_YES"), text("BUTTON_NO")})
                         == Dialogs::kFirstButton;
    Interchange::ImportResult result;
    {
        const Busy busy;
        m_diary.waitForSave(); // the file chosen may be the diary itself
        result = Interchange::importFile(path, m_diary.cards(), replace, m_zone, m_now);
    }
    if (const QString warning = result.warning(); !warning.isEmpty())
        ZRUtility::showErrorWithTextMessagge(warning, m_window);
    if (result.imported()) {
        DiaryCommands::importCards(m_undo, m_diary, m_strings, result.newDiary, replace);
        return;
    }
    // The diary stays as it was, whatever was answered.
    QString why = m_strings.text(result.messageKey);
    if (!result.reason.isEmpty())
        why = why.arg(result.reason);
    Dialogs::current().runAlert(m_window, text("ALERT_IMPORT_NOTHING"), why, {});
}

void FileCommands::exportDiary(ZRExport::Kind kind)
{
    // The panel offers the files of the kind chosen.
    const QString filter = text(kind == ZRExport::Kind::OrvaneORV ? "FILTER_ORV" : "FILTER_CSV");
    const QString path = Dialogs::current().saveFile(m_window, text("PANEL_EXPORT"), QDir::homePath(),
                                                     ZRExport::suggestedFileName(kind, m_now, m_zone), filter);
    if (path.isEmpty() || (kind != ZRExport::Kind::OrvaneORV && !isNotTheDiary(path, "ALERT_EXPORT_FAILED")))
        return;
    Interchange::ExportResult result;
    {
        const Busy busy;
        m_diary.waitForSave(); // the file chosen may be the diary itself
        result = Interchange::exportDiary(m_diary.cards(), kind, path, m_zone);
    }
    if (!result.ok)
        DiaryFileAlerts::tellAboutFile(m_strings, m_window, "ALERT_EXPORT_FAILED", "ALERT_EXPORT_FAILED_INFO", path,
                                       result.error);
}

void FileCommands::exportReport(const CardList &view, Trends::Unit unit, const QString &title,
                                TrendsReport::SensorPages sensor)
{
    if (view.empty())
        return;
    const QString day = CardDates::toDateTime(m_now).toTimeZone(m_zone).date().toString(Qt::ISODate);
    QString path = Dialogs::current().saveFile(m_window, text("PANEL_REPORT"), QDir::homePath(),
                                               QStringLiteral("Orvane report %1.pdf").arg(day), {});
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (!isNotTheDiary(path, "ALERT_REPORT_FAILED"))
        return;
    TrendsReport::Options options;
    options.unit = unit;
    options.zone = m_zone;
    options.now = m_now;
    options.title = title;
    options.sensor = std::move(sensor);
    QString error;
    bool written = false;
    {
        const Busy busy;
        written = TrendsReport::write(path, view, options, m_strings, &error);
    }
    if (!written)
        DiaryFileAlerts::tellAboutFile(m_strings, m_window, "ALERT_REPORT_FAILED", "ALERT_REPORT_FAILED_INFO", path,
                                       error);
}
