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
#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "text/StringTable.h"
#include "view/DiaryTableModel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableView>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <functional>

inline const QTimeZone kRome("Europe/Rome");

inline double rome(const char *localTime)
{
    QDateTime dt = QDateTime::fromString(QString::fromLatin1(localTime), Qt::ISODate);
    dt.setTimeZone(kRome);
    return CardDates::fromDateTime(dt);
}

// A card created when it was measured, never edited: a measurement before
// the meal, or a dose of rapid-acting insulin.
inline CardRef card(uint64_t id, const char *when, bool therapy, const char *meal, float value, const char *notes = nullptr)
{
    const double at = rome(when);
    return std::make_shared<ZRGlycemicCard>(
        id, at, std::nullopt, at, false, !therapy, therapy, QString::fromLatin1(meal),
        therapy ? CardText(QStringLiteral("POPUP_INSULIN_QUICK")) : std::nullopt,
        notes ? CardText(QString::fromUtf8(notes)) : std::nullopt, therapy ? 0.0f : value, therapy ? value : 0.0f);
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
        setDiaryPath(path);
        controller->preferencesPath = prefs;
        controller->recoveryFolder = recovery;
        controller->zone = kRome;
        const double instant = rome(now);
        setClock([instant] { return instant; });
        controller->loadLayout(strings);
    }

    // Starts the program on whatever diary file is at path, "now" being
    // Wednesday 11 March 2026 at 23:45 in Rome unless said otherwise.
    void start(const char *now = "2026-03-11T23:45:00")
    {
        create(now);
        controller->awakeFromNib();
        control<QMainWindow>("windowMain")->show();
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
        for (int row = 0; row < tableModel()->rowCount(); ++row)
            ids << tableModel()->cardAt(row)->idCard();
        return ids;
    }

    // The diary file's cards, or none if it cannot be read.
    CardList cardsOnDisk() const
    {
        const std::optional<CardList> cards = DiaryFile::read(path, nullptr);
        EXPECT_TRUE(cards.has_value());
        return cards.value_or(CardList{});
    }

    static QList<uint64_t> idsOf(const CardList &cards)
    {
        QList<uint64_t> ids;
        for (const CardRef &c : cards)
            ids << c->idCard();
        return ids;
    }

    bool columnHidden(const char *id) const
    {
        return control<QTableView>("listaSchedeGlicemiche")
            ->isColumnHidden(DiaryTableModel::columnWithIdentifier(QString::fromLatin1(id)));
    }

    QString label() const { return control<QLabel>("labelNumberOfRecord")->text(); }
    // A text of the string table in the window's language.
    QString text(const char *key) const { return strings.text(QString::fromLatin1(key)); }

    // The toolbar's items as it shows them, separators and the nameless
    // spacer aside.
    static QList<QAction *> toolbarItems()
    {
        QList<QAction *> items = control<QToolBar>("toolBar")->actions();
        items.removeIf([](const QAction *item) { return item->isSeparator() || item->objectName().isEmpty(); });
        return items;
    }

    // Every item of the menu bar's menus and their submenus, in menu order,
    // separators and the submenus' own items aside.
    static QList<QAction *> menuItems()
    {
        QList<QAction *> items;
        std::function<void(const QList<QAction *> &)> walk = [&](const QList<QAction *> &actions) {
            for (QAction *item : actions) {
                if (item->menu())
                    walk(item->menu()->actions());
                else if (!item->isSeparator())
                    items << item;
            }
        };
        walk(control<QMainWindow>("windowMain")->menuBar()->actions());
        return items;
    }

    // What the tests read and set of the controller besides its commands and
    // its windows: only through these, so that a change of its shape is
    // followed here alone.
    const CardList &diaryCards() const { return controller->arrayArchive(); }
    const CardList &cardsInView() const { return controller->arrayArchiveFiltered(); }
    DiaryTableModel *tableModel() const { return controller->tableModel(); }
    void setDiaryPath(const QString &diary) { controller->setDiaryPath(diary); }
    void setClock(std::function<double()> clock) { controller->clock = std::move(clock); }
    void setSaveInBackground(bool background) { controller->saveInBackground = background; }
    void setExitProgram(std::function<void(int)> exit) { controller->exitProgram = std::move(exit); }

    // The three panels with their View menu items, in the order they stack.
    static std::vector<std::pair<QWidget *, QAction *>> panelsAndItems()
    {
        return {{control<QWidget>("windowStatistics"), control<QAction>("menuStatistics")},
                {control<QWidget>("windowNote"), control<QAction>("menuNote")},
                {control<QWidget>("windowTrends"), control<QAction>("menuTrends")}};
    }

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
