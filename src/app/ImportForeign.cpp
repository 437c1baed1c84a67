// The import of another program's file (a meter's, a sensor's, another
// diary's): read with progress and a way to cancel, told as a summary before
// anything changes, then written as one change of the diary and the sensor
// store beside it, which Edit > Undo takes back whole.
#include "app/FileCommands.h"

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

namespace {

void tellNothing(QWidget *window, const StringTable &strings, const QString &why)
{
    Dialogs::current().runAlert(window, strings.text(QStringLiteral("ALERT_IMPORT_NOTHING")), why, {});
}

} // namespace

// Reads the file with progress and Cancel; nullopt, with the user told why
// unless they cancelled, when it gives nothing.
std::optional<ForeignFormat::ReadResult> FileCommands::readForeign(const QString &path)
{
    QFile file(path);
    if (file.size() > Interchange::kLargestForeign) {
        tellNothing(m_window, m_strings,
                    text("IMPORT_FOREIGN_TOO_LARGE").arg(QLocale().formattedDataSize(Interchange::kLargestForeign)));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        tellNothing(m_window, m_strings, text("IMPORT_UNREADABLE").arg(file.errorString()));
        return std::nullopt;
    }
    ForeignFormat::ReadOptions options;
    options.zone = m_zone;
    options.importTime = m_now;
    const std::unique_ptr<Dialogs::Progress> progress = Dialogs::current().showProgress(
        m_window, text("IMPORT_READING").arg(QFileInfo(path).fileName()), text("ALLERT_BUTTON_CANCEL"), file.size());
    options.progress = [&progress](qint64 done) { return progress->advance(done); };
    ForeignFormat::ReadResult read = ForeignFormat::read(file, options);
    if (read.failure == ForeignFormat::Failure::Cancelled)
        return std::nullopt; // nothing changed, as the user asked
    if (!read.ok() || (read.cards.empty() && read.readings.empty() && read.knownReadings == 0)) {
        tellNothing(m_window, m_strings, ImportSummary::whyNothing(read, m_strings));
        return std::nullopt;
    }
    return read;
}

void FileCommands::importForeign(const QString &path)
{
    std::optional<ForeignFormat::ReadResult> read = readForeign(path);
    if (!read)
        return;
    SensorStore store(SensorStore::pathForDiary(m_diary.path()));
    std::optional<ForeignImport::Plan> plan;
    {
        const Busy busy;
        m_diary.waitForSave();
        plan = ForeignImport::plan(std::move(*read), m_diary.cards(), store, nullptr);
    }
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
        == Dialogs::kFirstButton)
        writeForeign(*plan, store);
}

// The diary and the store change together or not at all.
void FileCommands::writeForeign(ForeignImport::Plan &plan, SensorStore &store)
{
    std::optional<Busy> busy(std::in_place);
    const CardList newDiary = ForeignImport::joined(m_diary.cards(), plan.newCards);
    QString failedPath = store.path();
    QString reason;
    const bool written = ForeignImport::apply(plan, store, [&](bool joined, QString *error) {
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
    busy.reset();
    if (!written) {
        if (failedPath == store.path())
            reason = store.reason();
        DiaryFileAlerts::tellAboutFile(m_strings, m_window, "IMPORT_FOREIGN_WRITE_FAILED",
                                       "IMPORT_FOREIGN_WRITE_FAILED_INFO", failedPath, reason);
        return;
    }
    DiaryCommands::importForeign(m_undo, m_diary, m_strings, newDiary, store.path(), std::move(plan.newReadings),
                                 sensorsChanged);
}
