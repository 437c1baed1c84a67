// Renders the pictures of the README from a sample diary: the main window,
// the edit sheet and the statistics panel, in English and, to check the
// Italian string table, the main window in Italian.
//   orvane-screenshots OUTPUT_FOLDER
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "app/AppController.h"
#include "edit/EditSheet.h"
#include "model/DiaryFile.h"
#include "ui/MainWindow.h"
#include "ui/StringTable.h"

#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeZone>

#include <cstdio>

namespace {

const QTimeZone kZone("Europe/Rome");

double at(QDate day, int hour, int minutes)
{
    return CardDates::fromDateTime(QDateTime(day, QTime(hour, 0), kZone).addSecs(minutes * 60));
}

// Two weeks of a plausible diary: readings before and after the meals, the
// doses before them, now and then a note.
CardList sampleDiary(QDate today)
{
    CardList cards;
    uint64_t id = 1;
    const char *meals[] = {"POPUP_MEAL_BREAKFAST", "POPUP_MEAL_LUNCH", "POPUP_MEAL_DINNER"};
    const int hours[] = {7, 13, 20};
    for (int back = 13; back >= 0; --back) {
        const QDate day = today.addDays(-back);
        for (int m = 0; m < 3; ++m) {
            if (back == 0 && m == 2)
                break; // this evening is still to come
            const int wobble = (back * 37 + m * 11) % 40;
            auto reading = [&](int minute, bool pre, float value, const char *note) {
                auto c = std::make_shared<ZRGlycemicCard>();
                c->setIdCard(id++);
                c->setDateMeasurement(at(day, hours[m], minute));
                c->setDateCreation(at(day, hours[m], minute));
                c->setNameMeal(QString::fromLatin1(meals[m]));
                c->setIsPreMeal(pre);
                c->setGlycemiaValue(value);
                if (note)
                    c->setNotes(QString::fromUtf8(note));
                cards.push_back(c);
            };
            reading(0, true, float(92 + wobble), back == 2 && m == 0 ? "after the morning run" : nullptr);
            auto dose = std::make_shared<ZRGlycemicCard>();
            dose->setIdCard(id++);
            dose->setIsTherapy(true);
            dose->setDateMeasurement(at(day, hours[m], 5));
            dose->setDateCreation(at(day, hours[m], 5));
            dose->setNameMeal(QString::fromLatin1(meals[m]));
            dose->setIsPreMeal(true);
            dose->setNameInsulin(QStringLiteral("POPUP_INSULIN_QUICK"));
            dose->setUnitValue(float(4 + (wobble % 5)));
            dose->setIsProtect(back % 5 == 0);
            cards.push_back(dose);
            reading(120, false, float(128 + wobble * 1.5), back == 1 && m == 1 ? "pizza with friends" : nullptr);
        }
    }
    return cards;
}

bool save(QWidget *widget, const QString &path)
{
    const bool ok = widget->grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

std::unique_ptr<AppController> open(const StringTable &strings, const QString &home, double now)
{
    auto controller = std::make_unique<AppController>(strings);
    controller->diaryPath = home + QStringLiteral("/Orvane.orv");
    controller->preferencesPath = home + QStringLiteral("/OrvanePreferenze.conf");
    controller->zone = kZone;
    controller->clock = [now] { return now; };
    controller->settings.statisticsVisible = true;
    controller->loadLayout(strings);
    controller->awakeFromNib();
    controller->windowMain->resize(1100, 640);
    controller->windowMain->show();
    controller->listaSchedeGlicemiche->selectRow(3);
    QApplication::processEvents();
    return controller;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Rome");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir home;
    const QDate today(2026, 3, 11);
    const double now = at(today, 17, 30);
    CardList diary = sampleDiary(today);
    if (!DiaryFile::save(home.filePath(QStringLiteral("Orvane.orv")), diary).ok)
        return 1;

    bool ok = true;
    {
        const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
        auto controller = open(strings, home.path(), now);
        ok &= save(controller->windowMain, out + QStringLiteral("/main-window.png"));
        ok &= save(controller->windowStatistics, out + QStringLiteral("/statistics-panel.png"));
        controller->cardEdit();
        QApplication::processEvents();
        ok &= save(controller->windowEdit, out + QStringLiteral("/edit-sheet.png"));
    }
    {
        const StringTable strings = StringTable::forLanguage(QStringLiteral("it"));
        auto controller = open(strings, home.path(), now);
        ok &= save(controller->windowMain, out + QStringLiteral("/main-window-it.png"));
    }
    return ok ? 0 : 1;
}
