#pragma once

// The main window started on a diary file in a home folder of its own, the
// modal questions answered from a script: what the window's tests share.
#include "app/AppController.h"
#include "model/Diary.h"
#include "interchange/CsvLayouts.h"
#include "interchange/ZRExport.h"
#include "model/DiaryFile.h"
#include "model/KeyedArchive.h"
#include "model/ZRImport.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "ui/ExportTypeSheet.h"
#include "ui/MainWindow.h"
#include "text/StringTable.h"
#include "view/DiaryTableModel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableView>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>


inline const QTimeZone kRome("Europe/Rome");

inline double rome(const char *localTime)
{
    QDateTime dt = QDateTime::fromString(QString::fromLatin1(localTime), Qt::ISODate);
    dt.setTimeZone(kRome);
    return CardDates::fromDateTime(dt);
}

inline CardRef card(uint64_t id, const char *when, bool therapy, const char *meal, float value, const char *notes = nullptr)
{
    auto c = std::make_shared<ZRGlycemicCard>();
    c->setIdCard(id);
    c->setDateMeasurement(rome(when));
    c->setDateCreation(rome(when));
    c->setIsTherapy(therapy);
    c->setNameMeal(QString::fromLatin1(meal));
    if (therapy) {
        c->setUnitValue(value);
        c->setNameInsulin(QStringLiteral("POPUP_INSULIN_QUICK"));
    } else {
        c->setGlycemiaValue(value);
        c->setIsPreMeal(true);
    }
    if (notes)
        c->setNotes(QString::fromUtf8(notes));
    return c;
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
        path = home.filePath(QStringLiteral("Documents/Orvane.orv"));
        prefs = home.filePath(QStringLiteral("config/Orvane/OrvanePreferenze.conf"));
        recovery = home.filePath(QStringLiteral("data/Orvane/recovery"));
    }

    // Starts the program on whatever diary file is at path, "now" being
    // Wednesday 11 March 2026 at 23:45 in Rome.
    // The program before start-up, "now" being the given local time in
    // Rome, the view settings kept in prefs.
    void create(const char *now = "2026-03-11T23:45:00")
    {
        controller = std::make_unique<AppController>(strings);
        controller->diaryPath = path;
        controller->preferencesPath = prefs;
        controller->recoveryFolder = recovery;
        controller->zone = kRome;
        const double instant = rome(now);
        controller->clock = [instant] { return instant; };
        controller->loadLayout(strings);
    }

    // Starts the program on whatever diary file is at path, "now" being
    // Wednesday 11 March 2026 at 23:45 in Rome unless said otherwise.
    void start(const char *now = "2026-03-11T23:45:00")
    {
        create(now);
        controller->awakeFromNib();
        controller->windowMain->show();
    }

    void writeDiary(const CardList &cards)
    {
        ASSERT_TRUE(DiaryFile::writeAtomically(path, KeyedArchive::encodeDiary(cards)).ok);
    }

    // Picks a pop-up item as the user does.
    void pick(QComboBox *popup, int index)
    {
        popup->setCurrentIndex(index);
        emit popup->activated(index);
    }

    QList<uint64_t> rowsShown() const
    {
        QList<uint64_t> ids;
        for (int row = 0; row < controller->tableModel()->rowCount(); ++row)
            ids << controller->tableModel()->cardAt(row)->idCard();
        return ids;
    }

    bool columnHidden(const char *id) const
    {
        return controller->listaSchedeGlicemiche->isColumnHidden(
            DiaryTableModel::columnWithIdentifier(QString::fromLatin1(id)));
    }

    QString label() const { return controller->labelNumberOfRecord->text(); }

    // A change the window has not seen and the file does not hold yet, as
    // after a change whose save is still to come.
    void addUnsaved(CardRef card)
    {
        const QSignalBlocker quiet(controller->diary());
        controller->diary().apply({nullptr, std::move(card), -1});
    }
    void clearUnsaved()
    {
        const QSignalBlocker quiet(controller->diary());
        controller->diary().replaceAll({});
    }

    // A diary around "now" (Wednesday 11 March 2026), newest first.
    static CardList weekOfCards()
    {
        return {
            card(9, "2026-03-12T09:00:00", false, "POPUP_MEAL_BREAKFAST", 101), // tomorrow
            card(8, "2026-03-11T00:00:00", false, "POPUP_MEAL_BREAKFAST", 102, "first minute of today"),
            card(7, "2026-03-10T23:59:00", true, "POPUP_MEAL_DINNER", 6),       // yesterday, last minute
            card(6, "2026-03-10T00:00:00", false, "POPUP_MEAL_LUNCH", 104),      // yesterday, first minute
            card(5, "2026-03-05T12:00:00", false, "POPUP_MEAL_DINNER", 105),     // Thursday last week
            card(4, "2026-03-04T12:00:00", true, "POPUP_MEAL_LUNCH", 4),         // Wednesday last week
            card(3, "2026-02-10T12:00:00", false, "POPUP_MEAL_CONTROL", 107),    // 29 days back
            card(2, "2026-02-09T12:00:00", false, "POPUP_MEAL_CONTROL", 108),    // 30 days back
            card(1, "2025-03-12T12:00:00", false, "POPUP_MEAL_CONTROL", 109),    // 364 days back
        };
    }

    QTemporaryDir home;
    QString path;
    QString prefs;
    QString recovery;
    StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    ScriptedDialogs dialogs;
    std::unique_ptr<AppController> controller;
};
