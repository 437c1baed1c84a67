// Renders the pictures of the README from a sample diary: the main window,
// the edit sheet and the statistics panel, in English and, to check the other
// string tables, the main window in Italian, German, French and Spanish; the
// main window with glycemia in mmol/L (View > Glucose Unit); then, from six
// weeks of a fuller diary, the trends window and the report's first page;
// then, with two weeks of a sensor's readings beside it, the trends window
// with the AGP and the report's AGP page.
//   orvane-screenshots OUTPUT_FOLDER
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "../tests/support/ControlLookup.h"
#include "app/AppController.h"
#include "interchange/SensorStore.h"
#include "model/DiaryFile.h"
#include "report/TrendsReport.h"
#include "text/StringTable.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>

namespace {

using controls::required;

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

// Six weeks of a diary kept closely: readings before and after each meal and
// at bedtime, now and then at night, a dose before each meal and a basal
// dose at night; the odd low before lunch and high after dinner.
CardList trendsDiary(QDate today)
{
    CardList cards;
    uint64_t id = 1;
    std::mt19937 rng(2026);
    std::normal_distribution<float> noise(0.0f, 1.0f);
    auto add = [&](QDate day, int hour, int minute, const char *meal, bool pre, bool therapy, float value) {
        auto c = std::make_shared<ZRGlycemicCard>();
        c->setIdCard(id++);
        c->setDateMeasurement(at(day, hour, minute));
        c->setDateCreation(at(day, hour, minute));
        c->setNameMeal(QString::fromLatin1(meal));
        c->setIsPreMeal(pre);
        c->setIsTherapy(therapy);
        if (therapy) {
            c->setUnitValue(value);
            c->setNameInsulin(QString::fromLatin1(std::strcmp(meal, "POPUP_MEAL_BASAL") == 0 ? "POPUP_INSULIN_SLOW"
                                                                                               : "POPUP_INSULIN_QUICK"));
        } else {
            c->setGlycemiaValue(std::round(std::clamp(value, 40.0f, 380.0f)));
        }
        cards.push_back(c);
    };
    const char *meals[] = {"POPUP_MEAL_BREAKFAST", "POPUP_MEAL_LUNCH", "POPUP_MEAL_DINNER"};
    const int hours[] = {7, 12, 19};
    const float before[] = {118, 102, 128}, after[] = {165, 150, 190}, units[] = {6, 5, 7};
    for (int back = 41; back >= 0; --back) {
        const QDate day = today.addDays(-back);
        for (int m = 0; m < 3; ++m) {
            if (back == 0 && m == 2)
                break;
            const int minute = int(rng() % 40);
            add(day, hours[m], minute, meals[m], true, false, before[m] + 22 * noise(rng) - (m == 1 && rng() % 9 == 0 ? 45 : 0));
            add(day, hours[m], minute + 5, meals[m], true, true, units[m] + float(rng() % 3));
            add(day, hours[m] + 2, minute, meals[m], false, false, after[m] + 35 * noise(rng) + (m == 2 && rng() % 7 == 0 ? 70 : 0));
        }
        if (back == 0)
            continue;
        add(day, 22, int(rng() % 50), "POPUP_MEAL_CONTROL", false, false, 140 + 30 * noise(rng));
        add(day, 22, 55, "POPUP_MEAL_BASAL", false, true, 18);
        if (rng() % 4 == 0)
            add(day.addDays(1), 3, int(rng() % 60), "POPUP_MEAL_CONTROL", false, false, 110 + 25 * noise(rng));
    }
    std::sort(cards.begin(), cards.end(),
              [](const CardRef &a, const CardRef &b) { return *a->dateMeasurement() > *b->dateMeasurement(); });
    return cards;
}

// Two weeks of a sensor's readings every five minutes up to now: a rise
// after each meal that varies from day to day, the dawn's climb, a slow
// wander, a low now and then in the night, and two hours without readings
// where the sensor was changed.
std::vector<ForeignFormat::SensorReading> sensorFortnight(QDate today, double now)
{
    std::vector<ForeignFormat::SensorReading> out;
    std::mt19937 rng(14);
    std::normal_distribution<double> noise(0.0, 1.0);
    const int64_t end = int64_t(now + CardDates::kUnixToReferenceSeconds);
    const int64_t change = QDateTime(today.addDays(-6), QTime(9, 0), kZone).toSecsSinceEpoch();
    double wander = 0;
    for (int back = 13; back >= 0; --back) {
        const QDate day = today.addDays(-back);
        const int64_t midnight = QDateTime(day, QTime(0, 0), kZone).toSecsSinceEpoch();
        const double meals[3][2] = {
            {7.5, 55 + 30 * noise(rng)}, {13.0, 65 + 35 * noise(rng)}, {20.0, 80 + 40 * noise(rng)}};
        const bool nightLow = back == 10 || back == 3;
        for (int64_t t = midnight; t < midnight + 86400 && t <= end; t += 300) {
            if (t >= change && t < change + 7200)
                continue;
            const double hour = double(t - midnight) / 3600.0;
            double mgdl = 118 + 14 * std::exp(-std::pow(hour - 6.0, 2) / 2.0);
            for (const auto &[at, rise] : meals) {
                const double dt = (hour - at) / 1.1;
                if (dt > 0)
                    mgdl += std::max(0.0, rise) * dt * std::exp(1 - dt);
            }
            if (nightLow)
                mgdl -= 62 * std::exp(-std::pow(hour - 3.5, 2) / 0.8);
            wander = 0.97 * wander + 2.2 * noise(rng);
            mgdl += wander;
            out.push_back({t, int(std::lround(std::clamp(mgdl, 40.0, 400.0))), ForeignFormat::SensorFlag::None,
                           QStringLiteral("Sample sensor")});
        }
    }
    return out;
}

bool save(QWidget *widget, const QString &path)
{
    const bool ok = widget->grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// The controller's state is set here alone, so that a change of its shape
// is followed in one place; the windows are reached by their names.
std::unique_ptr<AppController> open(const StringTable &strings, const QString &home, double now)
{
    auto controller = std::make_unique<AppController>(strings);
    controller->setDiaryPath(home + QStringLiteral("/Orvane.orv"));
    controller->preferencesPath = home + QStringLiteral("/OrvanePreferenze.conf");
    controller->zone = kZone;
    controller->clock = [now] { return now; };
    controller->settings.statisticsVisible = true;
    controller->loadLayout(strings);
    controller->awakeFromNib();
    required<QMainWindow>("windowMain")->resize(1100, 640);
    required<QMainWindow>("windowMain")->show();
    required<QTableView>("listaSchedeGlicemiche")->selectRow(3);
    QApplication::processEvents();
    return controller;
}

// The trends window with the AGP, and the report's AGP page, from the
// fuller diary with a fortnight of a sensor's readings beside it.
bool sensorPictures(const QString &out, QDate today, double now)
{
    QTemporaryDir home;
    const QString diary = home.filePath(QStringLiteral("Orvane.orv"));
    CardList cards = trendsDiary(today);
    const std::vector<ForeignFormat::SensorReading> readings = sensorFortnight(today, now);
    SensorStore store(SensorStore::pathForDiary(diary));
    if (!DiaryFile::save(diary, cards).ok || !store.beginAdding(readings) || !store.commit())
        return false;
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    auto controller = open(strings, home.path(), now);
    required<QAction>("viewTrends")->trigger();
    required<QWidget>("windowTrends")->resize(1280, 900);
    QApplication::processEvents();
    bool ok = save(required<QWidget>("windowTrends"), out + QStringLiteral("/trends-agp.png"));

    TrendsReport::Options options;
    options.zone = kZone;
    options.now = now;
    options.title = QStringLiteral("%1 · %2").arg(required<QComboBox>("popupPeriod")->currentText(),
                                                  required<QComboBox>("popupMeasurements")->currentText());
    std::tie(options.sensor.from, options.sensor.to) = Consensus::defaultPeriod(readings.back().time, kZone);
    options.sensor.readings = readings;
    const QString page = out + QStringLiteral("/report-agp.png");
    const bool pageOk = TrendsReport::firstPage(cards, options, strings, 1000).save(page);
    std::fprintf(stderr, "%s %s\n", pageOk ? "wrote" : "could not write", qPrintable(page));
    return ok && pageOk;
}

} // namespace

// The trends window and the report, from the fuller diary.
bool trendsPictures(const QString &out, QDate today, double now)
{
    bool ok = true;
    QTemporaryDir trendsHome;
    CardList trends = trendsDiary(today);
    if (!DiaryFile::save(trendsHome.filePath(QStringLiteral("Orvane.orv")), trends).ok)
        return false;
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    auto controller = open(strings, trendsHome.path(), now);
    required<QAction>("viewTrends")->trigger();
    required<QWidget>("windowTrends")->resize(1180, 820);
    QApplication::processEvents();
    ok &= save(required<QWidget>("windowTrends"), out + QStringLiteral("/trends-window.png"));

    TrendsReport::Options options;
    options.zone = kZone;
    options.now = now;
    options.title = QStringLiteral("%1 · %2").arg(required<QComboBox>("popupPeriod")->currentText(),
                                                  required<QComboBox>("popupMeasurements")->currentText());
    const QString page = out + QStringLiteral("/report-page1.png");
    const bool pageOk = TrendsReport::firstPage(trends, options, strings, 1000).save(page);
    std::fprintf(stderr, "%s %s\n", pageOk ? "wrote" : "could not write", qPrintable(page));
    ok &= pageOk;
    const QString pdf = out + QStringLiteral("/sample-report.pdf");
    QString error;
    const bool pdfOk = TrendsReport::write(pdf, trends, options, strings, &error);
    std::fprintf(stderr, "%s %s %s\n", pdfOk ? "wrote" : "could not write", qPrintable(pdf), qPrintable(error));
    ok &= pdfOk;
    return ok;
}

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
        ok &= save(required<QMainWindow>("windowMain"), out + QStringLiteral("/main-window.png"));
        ok &= save(required<QWidget>("windowStatistics"), out + QStringLiteral("/statistics-panel.png"));
        controller->cardEdit();
        QApplication::processEvents();
        ok &= save(required<QDialog>("windowEdit"), out + QStringLiteral("/edit-sheet.png"));
    }
    // An Italian, German, French and Spanish desktop: its texts, and its
    // dates and numbers.
    const std::pair<QLocale, const char *> desktops[] = {
        {QLocale(QLocale::Italian, QLocale::Italy), "it"},
        {QLocale(QLocale::German, QLocale::Germany), "de"},
        {QLocale(QLocale::French, QLocale::France), "fr"},
        {QLocale(QLocale::Spanish, QLocale::Spain), "es"},
    };
    for (const auto &[locale, name] : desktops) {
        const QLocale before;
        QLocale::setDefault(locale);
        const StringTable strings = StringTable::forLocale(locale);
        auto controller = open(strings, home.path(), now);
        ok &= save(required<QMainWindow>("windowMain"),
                   out + QStringLiteral("/main-window-%1.png").arg(QLatin1String(name)));
        controller.reset();
        QLocale::setDefault(before);
    }
    {
        // Glycemia in mmol/L, chosen as the user does.
        const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
        auto controller = open(strings, home.path(), now);
        required<QAction>("menuUnitMmol")->trigger();
        QApplication::processEvents();
        ok &= save(required<QMainWindow>("windowMain"), out + QStringLiteral("/main-window-mmol.png"));
    }
    ok &= trendsPictures(out, today, now);
    ok &= sensorPictures(out, today, now);
    return ok ? 0 : 1;
}
