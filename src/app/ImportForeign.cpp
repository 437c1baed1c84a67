#include "app/ImportForeign.h"

#include "app/DiaryFileAlerts.h"
#include "interchange/ForeignImport.h"
#include "interchange/Interchange.h"
#include "interchange/SensorStore.h"
#include "model/Diary.h"
#include "text/StringTable.h"
#include "ui/Dialogs.h"
#include "view/DiaryCommands.h"
#include "view/ImportSummary.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

ImportForeign::ImportForeign(Diary &diary, QUndoStack &undo, const StringTable &strings, QWidget *window,
                             const QTimeZone &zone, double now)
    : m_diary(diary)
    , m_undo(undo)
    , m_strings(strings)
    , m_window(window)
    , m_zone(zone)
    , m_now(now)
{
}

QString ImportForeign::text(const char *key) const
{
    return m_strings.text(QString::fromLatin1(key));
}

void ImportForeign::tellNothing(const QString &why) const
{
    Dialogs::current().runAlert(m_window, text("ALERT_IMPORT_NOTHING"), why, {});
}

void ImportForeign::run(const QString &path)
{
    QFile file(path);
    if (file.size() > Interchange::kLargestForeign) {
        tellNothing(text("IMPORT_FOREIGN_TOO_LARGE").arg(QLocale().formattedDataSize(Interchange::kLargestForeign)));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        tellNothing(text("IMPORT_UNREADABLE").arg(file.errorString()));
        return;
    }
    ForeignFormat::ReadOptions options;
    options.zone = m_zone;
    options.importTime = m_now;
    const std::unique_ptr<Dialogs::Progress> progress = Dialogs::current().showProgress(
        m_window, text("IMPORT_READING").arg(QFileInfo(path).fileName()), text("ALLERT_BUTTON_CANCEL"), file.size());
    options.progress = [&progress](qint64 done) { return progress->advance(done); };
    ForeignFormat::ReadResult read = ForeignFormat::read(file, options);
    file.close();
    if (read.failure == ForeignFormat::Failure::Cancelled)
        return; // nothing changed, as the user asked
    if (!read.ok() || (read.cards.empty() && read.readings.empty() && read.knownReadings == 0)) {
        tellNothing(ImportSummary::whyNothing(read, m_strings));
        return;
    }

    m_diary.waitForSave();
    SensorStore store(SensorStore::pathForDiary(m_diary.path()));
    std::optional<ForeignImport::Plan> plan = ForeignImport::plan(std::move(read), m_diary.cards(), store, nullptr);
    if (!plan) {
        DiaryFileAlerts::tellAboutFile(m_strings, m_window, "IMPORT_FOREIGN_WRITE_FAILED",
                                       "IMPORT_FOREIGN_WRITE_FAILED_INFO", store.path(), store.reason());
        return;
    }
    const ImportSummary::Texts summary = ImportSummary::texts(plan->summary, m_strings, m_zone);
    if (!summary.anythingNew) {
        Dialogs::current().runAlert(m_window, summary.message, summary.informativeText, {});
        return;
    }
    if (Dialogs::current().runAlert(m_window, summary.message, summary.informativeText,
                                    {text("BUTTON_IMPORT"), text("ALLERT_BUTTON_CANCEL")})
        != Dialogs::kFirstButton)
        return;

    // The diary and the store change together or not at all.
    const CardList newDiary = ForeignImport::joined(m_diary.cards(), plan->newCards);
    QString failedPath = store.path();
    QString reason;
    const bool written = ForeignImport::apply(*plan, store, [&](bool joined, QString *error) {
        if (!m_diary.isWritable()) {
            if (error)
                *error = text("SAVE_BLOCKED_REASON");
            failedPath = m_diary.path();
            return false;
        }
        CardList cards = joined ? newDiary : m_diary.cards();
        const DiaryFile::SaveResult saved = DiaryFile::save(m_diary.path(), cards);
        if (!saved.ok && joined) {
            failedPath = m_diary.path();
            if (error)
                *error = saved.error;
        }
        return saved.ok;
    }, &reason);
    if (!written) {
        if (failedPath == store.path())
            reason = store.reason();
        DiaryFileAlerts::tellAboutFile(m_strings, m_window, "IMPORT_FOREIGN_WRITE_FAILED",
                                       "IMPORT_FOREIGN_WRITE_FAILED_INFO", failedPath, reason);
        return;
    }
    DiaryCommands::importForeign(m_undo, m_diary, m_strings, newDiary, store.path(), std::move(plan->newReadings));
}
