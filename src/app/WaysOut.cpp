#include "app/WaysOut.h"

#include "app/Recovery.h"
#include "model/Diary.h"
#include "model/DiaryFile.h"
#include "text/StringTable.h"
#include "ui/Dialogs.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

WaysOut::WaysOut(Diary &diary, const StringTable &strings, QWidget *window)
    : m_diary(diary)
    , m_strings(strings)
    , m_window(window)
{
}

QString WaysOut::text(const char *key) const
{
    return m_strings.text(QString::fromLatin1(key));
}

bool WaysOut::writeDiary(QString *whyNot)
{
    const DiaryFile::SaveResult result = m_diary.saveNow();
    *whyNot = m_diary.isWritable() ? result.error : text("SAVE_BLOCKED_REASON");
    return result.ok;
}

WaysOut::LastSave WaysOut::saveBeforeQuitting(const std::function<void()> &written)
{
    QString error;
    const bool saved = writeDiary(&error);
    if (written)
        written();
    if (saved)
        return LastSave::Written;
    const QString diaryPath = m_diary.path();
    QString failedPath = diaryPath, diaryError = error;
    for (;;) {
        const int answer = Dialogs::current().runAlert(
            m_window, text("ALERT_QUIT_SAVE_FAILED"),
            m_strings.text(QStringLiteral("ALERT_QUIT_SAVE_FAILED_INFO"))
                .arg(QDir::toNativeSeparators(failedPath), error),
            {text("BUTTON_TRY_AGAIN"), text("BUTTON_SAVE_ELSEWHERE"), text("BUTTON_QUIT_WITHOUT_SAVING"),
             text("ALLERT_BUTTON_CANCEL")},
            2);
        QString elsewhere;
        switch (answer - Dialogs::kFirstButton) {
        case 0: break;
        case 1:
            elsewhere = Dialogs::current().saveFile(m_window, text("PANEL_SAVE_ELSEWHERE"), QDir::homePath(),
                                                    QString::fromLatin1(DiaryFile::kFileName), text("FILTER_ORV"));
            if (elsewhere.isEmpty())
                continue;
            if (QFileInfo(elsewhere).suffix().isEmpty())
                elsewhere += QStringLiteral(".orv");
            break;
        case 2: return LastSave::LetGo;
        default: return LastSave::Stay;
        }
        if (elsewhere.isEmpty() || DiaryFile::sameFile(elsewhere, diaryPath)) {
            if (writeDiary(&error))
                return LastSave::Written;
            failedPath = diaryPath;
            diaryError = error;
            continue;
        }
        CardList cards = m_diary.cards();
        const DiaryFile::SaveResult copy = DiaryFile::save(elsewhere, cards);
        if (!copy.ok) {
            failedPath = elsewhere;
            error = copy.error;
            continue;
        }
        Dialogs::current().runAlert(m_window,
                                    m_strings.text(QStringLiteral("ALERT_SAVED_ELSEWHERE"))
                                        .arg(QDir::toNativeSeparators(elsewhere)),
                                    m_strings.text(QStringLiteral("ALERT_SAVED_ELSEWHERE_INFO"))
                                        .arg(QDir::toNativeSeparators(diaryPath), diaryError),
                                    {});
        return LastSave::SavedElsewhere;
    }
}

void WaysOut::saveWithoutAsking(const QString &recoveryFolder, CardList &lastRecovered)
{
    QString error;
    if (writeDiary(&error) || m_diary.cards() == lastRecovered)
        return;
    const QString diary = QDir::toNativeSeparators(m_diary.path());
    QString whyNot;
    const QString kept = Recovery::write(recoveryFolder, m_diary.cards(), QDateTime::currentDateTime(), &whyNot);
    if (kept.isEmpty()) {
        std::fprintf(stderr, "orvane: %s could not be written (%s), nor a recovery file in %s (%s)\n",
                     qPrintable(diary), qPrintable(error), qPrintable(QDir::toNativeSeparators(recoveryFolder)),
                     qPrintable(whyNot));
        return;
    }
    lastRecovered = m_diary.cards();
    std::fprintf(stderr, "orvane: %s could not be written (%s); the cards are kept in %s\n", qPrintable(diary),
                 qPrintable(error), qPrintable(QDir::toNativeSeparators(kept)));
}

void WaysOut::tellRecovered(const QString &recoveryFolder)
{
    QStringList recovered = Recovery::takeUntold(recoveryFolder);
    if (recovered.isEmpty())
        return;
    for (QString &file : recovered)
        file = QDir::toNativeSeparators(file);
    Dialogs::current().runAlert(m_window, text("ALERT_RECOVERED"),
                                m_strings.text(QStringLiteral("ALERT_RECOVERED_INFO"))
                                    .arg(recovered.join(QLatin1Char('\n'))),
                                {});
}
