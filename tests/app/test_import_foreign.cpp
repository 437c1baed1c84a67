// The import command given other programs' files: what it reads is told
// before anything changes, then the diary and the sensor store beside it
// change together, and Edit > Undo takes the whole import back.
#include "app/MainWindowFixture.h"
#include "interchange/SensorStore.h"
#include "interchange/foreign/ForeignFormat.h"
#include "support/FormatSamples.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

class ImportForeignTest : public MainWindowTest
{
protected:
    QString storePath() const { return SensorStore::pathForDiary(path); }
    QByteArray storeBytes() const { return QFileInfo::exists(storePath()) ? testsupport::readFile(storePath()) : "none"; }
    QByteArray diaryBytes() const { return testsupport::readFile(path); }
    int64_t storeCount() const { return SensorStore(storePath()).count().value_or(-1); }

    // File > Import of the file, the summary answered with its first
    // button (Import) or its second (Cancel).
    void import(const QString &file, bool answerImport = true)
    {
        dialogs.fileAnswers << file;
        dialogs.alertAnswers << (answerImport ? Dialogs::kFirstButton : Dialogs::kFirstButton + 1);
        control<QAction>("menuImport")->trigger();
        controller->waitForSave();
    }

    // What the reader makes of the file by itself.
    ForeignFormat::ReadResult readDirectly(const QString &file) const
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        ForeignFormat::ReadOptions options;
        options.zone = kRome;
        options.importTime = rome("2026-03-11T23:45:00");
        return ForeignFormat::read(f, options);
    }
};

class EverySample : public ImportForeignTest, public testing::WithParamInterface<QString>
{
};

// Each sample: the summary first, then exactly the reader's cards in the
// diary (fresh identifiers, created at the moment of the import) and its
// readings in the store; the same file again adds nothing; undo and redo
// take the whole import back and bring it again.
TEST_P(EverySample, IsToldThenImportedOnceAndUndoneWhole)
{
    const QString file = formatsamples::folder() + formatsamples::dataFile(GetParam());
    const std::map<QString, qint64> first = formatsamples::expectedOf(GetParam()).firstImport;
    const qint64 cardsAdded = first.at(QStringLiteral("cardsAdded")), sensorAdded = first.at(QStringLiteral("sensorAdded"));
    writeDiary({});
    start();
    const QByteArray emptyDiary = diaryBytes();

    import(file);
    const ForeignFormat::ReadResult direct = readDirectly(file);
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts[0].message,
              QStringLiteral("Import from %1?").arg(ForeignFormat::formatName(direct.format)));
    EXPECT_EQ(dialogs.alerts[0].buttons, (QStringList{QStringLiteral("Import"), QStringLiteral("Cancel")}));
    EXPECT_TRUE(dialogs.alerts[0].informativeText.contains(QStringLiteral("sensor readings")));
    EXPECT_EQ(dialogs.progressTexts.size(), 1);

    ASSERT_EQ(qint64(diaryCards().size()), cardsAdded);
    ASSERT_EQ(diaryCards().size(), direct.cards.size());
    for (const CardRef &c : diaryCards()) {
        EXPECT_NE(c->idCard(), 0u);
        EXPECT_EQ(c->dateCreation(), rome("2026-03-11T23:45:00"));
        const bool fromTheFile = std::any_of(direct.cards.begin(), direct.cards.end(), [&](const CardRef &d) {
            ZRGlycemicCard copy = *d;
            copy.setIdCard(c->idCard());
            return copy == *c;
        });
        EXPECT_TRUE(fromTheFile) << testsupport::expectedText({c}).toStdString();
    }
    EXPECT_EQ(storeCount(), sensorAdded);
    if (sensorAdded > 0) {
        EXPECT_EQ(*SensorStore(storePath()).readings(), direct.readings);
    }
    const QByteArray diaryAfter = diaryBytes(), storeAfter = storeBytes();
    EXPECT_EQ(DiaryFile::read(path, nullptr)->size(), diaryCards().size());

    // Again: told that everything is known, with one button, nothing written.
    dialogs.alerts.clear();
    import(file);
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_TRUE(dialogs.alerts[0].message.startsWith(QStringLiteral("Everything in this")));
    EXPECT_TRUE(dialogs.alerts[0].buttons.isEmpty());
    EXPECT_EQ(diaryBytes(), diaryAfter);
    EXPECT_EQ(storeBytes(), storeAfter);
    dialogs.alertAnswers.clear();

    // Undo takes the cards and the readings back; redo brings them again.
    QAction *undo = control<QAction>("menuUndo");
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("Undo Import"));
    undo->trigger();
    controller->waitForSave();
    EXPECT_TRUE(diaryCards().empty());
    EXPECT_EQ(diaryBytes(), emptyDiary);
    EXPECT_EQ(storeCount(), 0);
    control<QAction>("menuRedo")->trigger();
    controller->waitForSave();
    EXPECT_EQ(qint64(diaryCards().size()), cardsAdded);
    EXPECT_EQ(storeCount(), sensorAdded);
}

INSTANTIATE_TEST_SUITE_P(Samples, EverySample, testing::ValuesIn(formatsamples::stems()),
                         [](const testing::TestParamInfo<QString> &sample) { return sample.param.toStdString(); });

// Whatever stops the import before it is written leaves the diary file and
// the store as they were (no store made where there was none), and the
// program's diary too.
TEST_F(ImportForeignTest, WhatStopsAnImportChangesNothing)
{
    const QString clarity = formatsamples::folder() + QStringLiteral("clarity_unquoted_spring.csv");
    const QByteArray good = testsupport::readFile(clarity);
    const QString broken = home.filePath(QStringLiteral("broken.csv"));
    // A good header and then a record cut off in its quotes.
    const qsizetype cut = good.indexOf('\n', good.indexOf("EGV"));
    ASSERT_TRUE(testsupport::writeFile(broken, good.left(cut) + "\n\"12\",\"2025-03-30T0"));
    const QString unknown = home.filePath(QStringLiteral("unknown.csv"));
    ASSERT_TRUE(testsupport::writeFile(unknown, "when,what\n2025-01-01,7\n"));

    writeDiary(weekOfCards());
    start();
    const QByteArray diaryBefore = diaryBytes();
    const size_t cardsBefore = diaryCards().size();

    struct Case {
        const char *what;
        QString file;
        bool answerImport;
        int cancelProgressAfter;
        int alerts;
    };
    const Case cases[] = {
        {"the summary cancelled", clarity, false, -1, 1}, {"the reading cancelled", clarity, true, 0, 0},
        {"a truncated record", broken, true, -1, 1},      {"a layout of nobody's", unknown, true, -1, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.alerts.clear();
        dialogs.cancelProgressAfter = c.cancelProgressAfter;
        import(c.file, c.answerImport);
        dialogs.alertAnswers.clear();
        ASSERT_EQ(dialogs.alerts.size(), c.alerts);
        if (c.alerts > 0 && c.answerImport) {
            EXPECT_EQ(dialogs.alerts.last().message, QStringLiteral("Nothing was imported."));
        }
        EXPECT_TRUE(c.file != broken || dialogs.alerts.last().informativeText.contains(QStringLiteral("line ")))
            << "the reason names the line";
        EXPECT_EQ(diaryCards().size(), cardsBefore);
        EXPECT_EQ(diaryBytes(), diaryBefore);
        EXPECT_FALSE(QFileInfo::exists(storePath()));
        EXPECT_FALSE(control<QAction>("menuUndo")->isEnabled());
    }
    dialogs.cancelProgressAfter = -1;

    // A store that cannot be read is told before anything is asked.
    ASSERT_TRUE(QDir().mkpath(storePath()));
    dialogs.alerts.clear();
    import(clarity);
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts[0].message, text("IMPORT_FOREIGN_WRITE_FAILED"));
    EXPECT_TRUE(dialogs.alerts[0].informativeText.contains(storePath()));
    ASSERT_TRUE(QDir(storePath()).removeRecursively());

    // A store another program is writing: the readings cannot be added after
    // the summary, and the cards are not written either.
    {
        SensorStore store(storePath());
        ASSERT_TRUE(store.beginAdding({{946684800, 100, ForeignFormat::SensorFlag::None, QStringLiteral("x")}}));
        ASSERT_TRUE(store.commit());
    }
    const QByteArray storeBefore = storeBytes();
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(storePath());
        ASSERT_TRUE(holder.open());
        QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE"));
        dialogs.alerts.clear();
        import(clarity);
        QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    ASSERT_EQ(dialogs.alerts.size(), 2);
    EXPECT_EQ(dialogs.alerts[1].message, text("IMPORT_FOREIGN_WRITE_FAILED"));
    EXPECT_EQ(diaryCards().size(), cardsBefore);
    EXPECT_EQ(diaryBytes(), diaryBefore);
    EXPECT_EQ(storeBytes(), storeBefore);
    EXPECT_FALSE(control<QAction>("menuUndo")->isEnabled());
}

} // namespace
