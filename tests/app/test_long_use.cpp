// A long session in one process: thousands of random commands of every kind
// on a large diary, given as the user gives them (the toolbar, the menus, the
// sheets' controls, the table), saves running on their own thread as they do
// in the program. After every command the diary the program holds must be
// what the commands made of it, and after every command that saves, the file
// on disk must hold exactly what the program holds. Memory must stay within
// what the diary itself needs.
//
// The run prints its seed; ORVANE_LONG_USE_SEED repeats it, and
// ORVANE_LONG_USE_CARDS and ORVANE_LONG_USE_COMMANDS set its size
// (scripts/long-use.sh runs the full one).
#include "SyntheticDiary.h"
#include "app/MainWindowFixture.h"
#include "edit/DeleteSheet.h"
#include "edit/EditSheet.h"
#include "interchange/Interchange.h"
#include "support/UserActions.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <unordered_map>
#include <unordered_set>

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_LONG_USE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_LONG_USE_ASAN 1
#endif
#endif

namespace {

using namespace useractions;

// The counts CI runs with the suite: half a minute or less in an optimised
// build, under two minutes under the address sanitizer, which makes every
// command some ten times slower.
#ifdef ORVANE_LONG_USE_ASAN
constexpr bool kSanitized = true;
constexpr uint64_t kDefaultCards = 5000;
constexpr uint64_t kDefaultCommands = 800;
#else
constexpr bool kSanitized = false;
constexpr uint64_t kDefaultCards = 10000;
constexpr uint64_t kDefaultCommands = 1000;
#endif

uint64_t fromEnvironment(const char *name, uint64_t fallback)
{
    const char *value = std::getenv(name);
    if (!value || !*value)
        return fallback;
    uint64_t n = 0;
    const char *end = value + std::strlen(value);
    const auto [at, ec] = std::from_chars(value, end, n);
    if (ec != std::errc() || at != end) {
        ADD_FAILURE() << name << "=" << value << " is not a number";
        return fallback;
    }
    return n;
}

// The resident set of this process, in KiB (0 where /proc is missing).
long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

std::string described(const ZRGlycemicCard &card)
{
    return testsupport::expectedText({std::make_shared<ZRGlycemicCard>(card)}).toStdString();
}

// ---------------------------------------------------------------------------
// What the diary must hold, by the cards' contents: identifiers are left
// out, since an edit gives a card a fresh one and a CSV import renumbers
// every card.

uint64_t mix(uint64_t h, uint64_t v)
{
    uint64_t x = h ^ (v + 0x9e3779b97f4a7c15ull);
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

uint64_t contentHash(const ZRGlycemicCard &c)
{
    uint64_t h = 0x4f7276616e65ull;
    for (const CardDate *d : {&c.dateCreation(), &c.dateEditing(), &c.dateMeasurement()})
        h = *d ? mix(mix(h, 2), std::bit_cast<uint64_t>(**d)) : mix(h, 1);
    h = mix(h, uint64_t(c.isProtect()) | uint64_t(c.isPreMeal()) << 1 | uint64_t(c.isTherapy()) << 2);
    for (const CardText *t : {&c.nameMeal(), &c.nameInsulin(), &c.notes()})
        h = *t ? mix(mix(h, 4 + uint64_t((*t)->size())), qHash(**t, 7)) : mix(h, 3);
    h = mix(h, std::bit_cast<uint32_t>(c.glycemiaValue()));
    return mix(h, std::bit_cast<uint32_t>(c.unitValue()));
}

bool sameContent(const ZRGlycemicCard &a, const ZRGlycemicCard &b)
{
    ZRGlycemicCard other = b;
    other.setIdCard(a.idCard());
    return a == other;
}

// The cards the diary must hold, by content, each as often as it is held.
class ExpectedDiary
{
public:
    void assign(const CardList &cards)
    {
        m_entries.clear();
        m_size = 0;
        for (const CardRef &c : cards)
            add(*c);
    }
    void add(const ZRGlycemicCard &card)
    {
        Entry &entry = m_entries[contentHash(card)];
        if (entry.count > 0 && !sameContent(entry.card, card))
            ADD_FAILURE() << "two contents of one hash; the check cannot tell them apart:\n"
                          << described(entry.card) << described(card);
        entry.card = card;
        ++entry.count;
        ++m_size;
    }
    // False when the diary holds no card of that content.
    bool remove(const ZRGlycemicCard &card)
    {
        const auto it = m_entries.find(contentHash(card));
        if (it == m_entries.end() || !sameContent(it->second.card, card))
            return false;
        if (--it->second.count == 0)
            m_entries.erase(it);
        --m_size;
        return true;
    }
    // Every card, each as many times as it is held, in no particular order.
    std::vector<ZRGlycemicCard> cards() const
    {
        std::vector<ZRGlycemicCard> out;
        out.reserve(m_size);
        for (const auto &[hash, entry] : m_entries)
            out.insert(out.end(), entry.count, entry.card);
        return out;
    }

    // Empty when the cards hold the same contents, each as many times;
    // otherwise the first that differs.
    std::string differences(const CardList &cards) const
    {
        std::unordered_map<uint64_t, std::pair<size_t, const ZRGlycemicCard *>> held;
        held.reserve(cards.size());
        for (const CardRef &c : cards) {
            auto &[count, card] = held[contentHash(*c)];
            ++count;
            card = c.get();
        }
        for (const auto &[hash, entry] : m_entries) {
            const auto it = held.find(hash);
            if (it == held.end() || it->second.first != entry.count || !sameContent(entry.card, *it->second.second))
                return "expected " + std::to_string(entry.count) + "x, held "
                       + std::to_string(it == held.end() ? 0 : it->second.first) + "x:\n" + described(entry.card);
        }
        for (const auto &[hash, h] : held)
            if (!m_entries.count(hash))
                return "held but not expected:\n" + described(*h.second);
        return {};
    }

private:
    struct Entry {
        ZRGlycemicCard card;
        size_t count = 0;
    };
    std::unordered_map<uint64_t, Entry> m_entries;
    size_t m_size = 0;
};

// The rule the edit sheet stores by: a dose needs an insulin and more than
// 0 units, a measurement a glycemia above 0.
bool storable(const ZRGlycemicCard &c)
{
    return c.isTherapy() ? !c.nameInsulin().value_or(QString()).isEmpty() && c.unitValue() > 0.0f
                         : c.glycemiaValue() > 0.0f;
}

// ---------------------------------------------------------------------------

class LongUseTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        cards = fromEnvironment("ORVANE_LONG_USE_CARDS", kDefaultCards);
        commands = fromEnvironment("ORVANE_LONG_USE_COMMANDS", kDefaultCommands);
        seed = fromEnvironment("ORVANE_LONG_USE_SEED", std::random_device{}());
        rng.seed(seed);
        std::cout << "long use: " << cards << " cards, " << commands << " commands, seed " << seed
                  << " (ORVANE_LONG_USE_SEED=" << seed << " repeats it)" << std::endl;
        RecordProperty("seed", std::to_string(seed));
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("files")));
    }

    // --- Random choices

    bool chance(double p) { return std::bernoulli_distribution(p)(rng); }
    size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); }
    template <typename T> const T &oneOf(const std::vector<T> &items) { return items[below(items.size())]; }

    // An instant on a whole minute between the diary's first card and now
    // that its wall-clock time names: the date picker shows wall-clock time,
    // and of the hour a change of clocks repeats it can name only one
    // instant each.
    double wholeMinute()
    {
        for (;;) {
            const double when = std::floor(std::uniform_real_distribution<double>(firstDate, now)(rng) / 60.0) * 60.0;
            const QDateTime local = CardDates::toDateTime(when).toLocalTime();
            if (QDateTime(local.date(), local.time(), Qt::LocalTime) == local)
                return when;
        }
    }
    QString glycemiaText()
    {
        const int centi = int(std::uniform_int_distribution<int>(2000, 60000)(rng));
        switch (below(3)) {
        case 0: return QString::number(centi / 100);
        case 1: return QString::number(centi / 10 / 10.0, 'f', 1);
        default: return QString::number(centi / 100.0, 'f', 2);
        }
    }
    QString unitsText()
    {
        const int tenths = int(std::uniform_int_distribution<int>(5, 999)(rng));
        return chance(0.5) ? QString::number((tenths + 9) / 10) : QString::number(tenths / 10.0, 'f', 1);
    }
    QString note()
    {
        static const std::vector<QString> notes{
            QString(),
            QStringLiteral("dopo la corsa"),
            QStringLiteral("ipo; succo d'arancia"),
            QStringLiteral("caffè ☕ e cornetto"),
            QStringLiteral("due righe\nla seconda"),
            QStringLiteral("sensore nuovo, 😀"),
            QStringLiteral("\"tra virgolette\"\ttab"),
            QString(300, QChar(0x4e2d)),
        };
        return oneOf(notes);
    }
    // A note the table's one-line editor takes.
    QString lineNote()
    {
        QString n = note();
        return n.replace(QLatin1Char('\n'), QLatin1Char(' ')) + QStringLiteral(" #%1").arg(commandNumber);
    }

    // --- Checks

    void checkProgramHoldsTheExpectedDiary()
    {
        const std::string diff = expected.differences(controller->arrayArchive);
        ASSERT_TRUE(diff.empty()) << "the diary the program holds (identifiers aside):\n" << diff;
        // What the table shows is taken from the diary itself, never from a
        // list of its own that a command left behind.
        const CardList &diary = controller->arrayArchive;
        const CardList &view = controller->tableModel()->view();
        if (&view == &diary)
            return;
        std::unordered_set<const ZRGlycemicCard *> held;
        held.reserve(diary.size());
        for (const CardRef &c : diary)
            held.insert(c.get());
        for (size_t row = 0; row < view.size(); ++row)
            ASSERT_TRUE(held.count(view[row].get()))
                << "row " << row << " shows a card the diary no longer holds:\n" << described(*view[row]);
    }

    void checkFileHoldsTheProgramsDiary()
    {
        controller->waitForSave();
        QString error;
        const std::optional<CardList> onDisk = DiaryFile::read(path, &error);
        ASSERT_TRUE(onDisk.has_value()) << "the diary file does not read: " << error.toStdString();
        const CardList &held = controller->arrayArchive;
        ASSERT_EQ(onDisk->size(), held.size()) << "cards on disk and in the program";
        for (size_t i = 0; i < held.size(); ++i)
            ASSERT_TRUE(*(*onDisk)[i] == *held[i]) << "card " << i << " on disk:\n"
                                                   << described(*(*onDisk)[i]) << "in the program:\n"
                                                   << described(*held[i]);
        // Newest measurement first, every identifier once.
        std::vector<uint64_t> ids;
        ids.reserve(held.size());
        for (size_t i = 0; i < held.size(); ++i) {
            ids.push_back(held[i]->idCard());
            if (i > 0) {
                ASSERT_GE(*held[i - 1]->dateMeasurement(), *held[i]->dateMeasurement()) << "order at card " << i;
            }
        }
        std::sort(ids.begin(), ids.end());
        const auto twice = std::adjacent_find(ids.begin(), ids.end());
        ASSERT_TRUE(twice == ids.end()) << "identifier " << *twice << " is given twice";
        fileBytes = QFileInfo(path).size();
    }

    void checkAlerts()
    {
        // A save that failed on the writer's thread is told through the
        // event loop.
        QCoreApplication::processEvents();
        QStringList shown;
        for (const ScriptedDialogs::Alert &a : dialogs.alerts)
            shown << a.message;
        ASSERT_EQ(shown, expectedAlerts);
        dialogs.alerts.clear();
        expectedAlerts.clear();
        ASSERT_TRUE(dialogs.alertAnswers.isEmpty()) << "an answer was never asked for";
        ASSERT_TRUE(dialogs.fileAnswers.isEmpty()) << "a file panel was never shown";
    }

    // --- The view

    const CardList &view() const { return controller->tableModel()->view(); }

    void widenView()
    {
        pick(controller->popupPeriod, 0);
        pick(controller->popupMeasurements, 0);
        ++counts["widen the view"];
    }

    void changeView()
    {
        const bool period = chance(0.6);
        QComboBox *popup = period ? controller->popupPeriod : controller->popupMeasurements;
        const int index = int(below(size_t(popup->count())));
        static const std::vector<QAction *MainLayout::*> periodItems{
            &MainLayout::menuViewPeriodEveryday, &MainLayout::menuViewPeriodToday,  &MainLayout::menuViewPeriodYesterday,
            &MainLayout::menuViewPeriodWeek,     &MainLayout::menuViewPeriodMonth,  &MainLayout::menuViewPeriodYear,
            &MainLayout::menuViewPeriodLast10,   &MainLayout::menuViewPeriodLast20, &MainLayout::menuViewPeriodLast50,
            &MainLayout::menuViewPeriodLast100};
        static const std::vector<QAction *MainLayout::*> kindItems{&MainLayout::menuViewMeasuramentAll,
                                                                   &MainLayout::menuViewMeasuramentBlood,
                                                                   &MainLayout::menuViewMeasuramentTherapy};
        QAction *item = controller.get()->*(period ? periodItems : kindItems)[size_t(index)];
        if (chance(0.3) && item->isEnabled()) {
            item->trigger();
        } else {
            ASSERT_TRUE(popup->isEnabled());
            pick(popup, index);
        }
        ASSERT_EQ(popup->currentIndex(), index);
        ++counts[period ? "period" : "kind"];
    }

    // Selects a random row of the view; nullptr when the view is empty.
    CardRef selectRandomRow(int *row)
    {
        if (view().empty())
            return nullptr;
        *row = int(below(view().size()));
        controller->listaSchedeGlicemiche->selectRow(*row);
        controller->listaSchedeGlicemiche->scrollTo(controller->tableModel()->index(*row, 0));
        return view()[size_t(*row)];
    }

    // --- The edit sheet

    void add(bool therapy)
    {
        EditSheet *sheet = controller->windowEdit;
        if (chance(0.7)) {
            ASSERT_TRUE(clickToolbar(controller->toolBar, controller->cardAddItem));
        } else {
            controller->menuNew->trigger();
        }
        ASSERT_TRUE(sheet->isVisible());
        ASSERT_TRUE(sheet->isAddMode());

        ZRGlycemicCard want;
        want.setDateCreation(now);
        want.setDateMeasurement(now); // the instant the sheet opened on, to the fraction of a second
        want.setIsTherapy(therapy);
        if (chance(0.7)) {
            const double when = wholeMinute();
            sheet->windowEditDate->setDateTime(CardDates::toDateTime(when).toLocalTime());
            want.setDateMeasurement(when);
        }
        if (therapy)
            click(sheet->windowEditIsTherapy);
        const int meal = int(below(StringTable::mealKeys().size()));
        pick(sheet->windowEditPopUpMeal, meal);
        want.setNameMeal(meal == 0 ? QString() : StringTable::mealKeys()[meal]);
        if (chance(0.5) && sheet->windowEditIsPreMeal->isEnabled()) {
            click(sheet->windowEditIsPreMeal);
            want.setIsPreMeal(true);
        }
        if (chance(0.05)) {
            // Saved before the value is typed: refused, the sheet stays.
            click(sheet->windowEditButtonAction);
            ASSERT_TRUE(sheet->isVisible());
            expectedAlerts << text("DATA_INCORRECT");
        }
        if (therapy) {
            const int insulin = 1 + int(below(StringTable::insulinKeys().size() - 1));
            pick(sheet->windowEditPopUpInsulin, insulin);
            want.setNameInsulin(StringTable::insulinKeys()[insulin]);
            const QString units = unitsText();
            retype(sheet->windowEditTextFieldUnit, units.toLatin1().constData());
            want.setUnitValue(units.toFloat());
        } else {
            want.setNameInsulin(QString());
            const QString glycemia = glycemiaText();
            retype(sheet->windowEditTextFieldGlycemia, glycemia.toLatin1().constData());
            want.setGlycemiaValue(glycemia.toFloat());
        }
        const QString notes = note();
        sheet->windowEditTextViewNote->setPlainText(notes);
        want.setNotes(notes);
        if (chance(0.1)) {
            click(sheet->windowEditIsProtect);
            want.setIsProtect(true);
        }
        click(sheet->windowEditButtonAction);
        ASSERT_FALSE(sheet->isVisible()) << "the sheet refused:\n" << described(want);
        expected.add(want);
        saved = true;
        ++counts[therapy ? "add a therapy" : "add a measurement"];
    }

    void edit()
    {
        int row = -1;
        const CardRef old = selectRandomRow(&row);
        if (!old)
            return widenView();
        EditSheet *sheet = controller->windowEdit;
        switch (below(3)) {
        case 0: ASSERT_TRUE(clickToolbar(controller->toolBar, controller->cardEditItem)); break;
        case 1: controller->menuEdit->trigger(); break;
        default: doubleClickRow(controller->listaSchedeGlicemiche, row); break;
        }
        ASSERT_TRUE(sheet->isVisible()) << "row " << row;
        ASSERT_FALSE(sheet->isAddMode());

        // The sheet rewrites the card as a whole: one value for its kind,
        // no text left absent, edited now; created when it was.
        ZRGlycemicCard want = *old;
        want.setDateEditing(now);
        want.setNameMeal(old->nameMeal().value_or(QString()));
        want.setNameInsulin(old->isTherapy() ? old->nameInsulin().value_or(QString()) : QString());
        want.setNotes(old->notes().value_or(QString()));
        if (old->isTherapy())
            want.setGlycemiaValue(0.0f);
        else
            want.setUnitValue(0.0f);

        bool locked = old->isProtect();
        if (locked && chance(0.4)) {
            click(sheet->windowEditIsProtect);
            locked = false;
            want.setIsProtect(false);
        }
        if (locked && chance(0.2)) {
            // The value of a protected card cannot be typed over.
            QLineEdit *field = old->isTherapy() ? sheet->windowEditTextFieldUnit : sheet->windowEditTextFieldGlycemia;
            const QString before = field->text();
            QTest::keyClicks(field, QStringLiteral("9"));
            ASSERT_EQ(field->text(), before);
        }
        if (!locked && chance(0.6)) {
            if (old->isTherapy()) {
                const QString units = unitsText();
                retype(sheet->windowEditTextFieldUnit, units.toLatin1().constData());
                want.setUnitValue(units.toFloat());
            } else {
                const QString glycemia = glycemiaText();
                retype(sheet->windowEditTextFieldGlycemia, glycemia.toLatin1().constData());
                want.setGlycemiaValue(glycemia.toFloat());
            }
        }
        if (!locked && chance(0.1)) {
            const double when = wholeMinute();
            sheet->windowEditDate->setDateTime(CardDates::toDateTime(when).toLocalTime());
            want.setDateMeasurement(when);
        }
        if (chance(0.5)) {
            const QString notes = note();
            sheet->windowEditTextViewNote->setPlainText(notes);
            want.setNotes(notes);
        }
        if (!locked && chance(0.15)) {
            click(sheet->windowEditIsProtect);
            want.setIsProtect(true);
        }
        click(sheet->windowEditButtonAction);
        if (storable(want)) {
            ASSERT_FALSE(sheet->isVisible()) << "the sheet refused:\n" << described(want);
            ASSERT_TRUE(expected.remove(*old)) << "the card edited was not expected:\n" << described(*old);
            expected.add(want);
            saved = true;
            ++counts["edit"];
        } else {
            // A card that came in with no value: the sheet keeps it as it
            // was until one is typed.
            ASSERT_TRUE(sheet->isVisible()) << described(want);
            expectedAlerts << text("DATA_INCORRECT");
            click(sheet->windowEditButtonCancel);
            ASSERT_FALSE(sheet->isVisible());
            ++counts["edit refused"];
        }
    }

    // A note typed into the table's notes cell, committed as its editor
    // commits it.
    void editNoteInTable()
    {
        int row = -1;
        const CardRef old = selectRandomRow(&row);
        if (!old)
            return widenView();
        DiaryTableModel *model = controller->tableModel();
        const QModelIndex cell =
            model->index(row, DiaryTableModel::columnWithIdentifier(QStringLiteral("notes")));
        if (!(model->flags(cell) & Qt::ItemIsEditable)) {
            ++counts["note cell not editable"]; // a note of several lines
            return;
        }
        const QString notes = lineNote();
        ASSERT_TRUE(model->setData(cell, notes, Qt::EditRole));
        ZRGlycemicCard want = *old;
        want.setNotes(notes);
        ASSERT_TRUE(expected.remove(*old));
        expected.add(want);
        saved = true;
        ++counts["note in the table"];
    }

    void remove()
    {
        int row = -1;
        const CardRef card = selectRandomRow(&row);
        if (!card)
            return widenView();
        DeleteSheet *sheet = controller->windowDelete;
        switch (below(3)) {
        case 0: ASSERT_TRUE(clickToolbar(controller->toolBar, controller->cardRemoveItem)); break;
        case 1: controller->menuRemove->trigger(); break;
        default: controller->cardRemove(); break;
        }
        ASSERT_TRUE(sheet->isVisible());
        if (card->isProtect()) {
            ASSERT_FALSE(sheet->windowDeleteButtonRemove->isEnabled());
            click(sheet->windowDeleteButtonRemove);
            ASSERT_TRUE(sheet->isVisible());
            if (chance(0.5))
                controller->windowDeleteRemove(); // asked for anyway: still kept
            else
                click(sheet->windowDeleteButtonCancel);
            ASSERT_FALSE(sheet->isVisible());
            ++counts["remove a protected card (kept)"];
        } else if (chance(0.85)) {
            click(sheet->windowDeleteButtonRemove);
            ASSERT_FALSE(sheet->isVisible());
            ASSERT_TRUE(expected.remove(*card)) << "the card removed was not expected:\n" << described(*card);
            saved = true;
            ++counts["remove"];
        } else {
            click(sheet->windowDeleteButtonCancel);
            ASSERT_FALSE(sheet->isVisible());
            ++counts["remove cancelled"];
        }
    }

    // --- Import: CSV files in the default layout, written here

    static QString csvText(const CardText &text)
    {
        QString t = text.value_or(QString());
        return t.replace(QLatin1Char(';'), QLatin1Char(',')).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    // The card as the file written for it gives it back: whole seconds,
    // every text present.
    static ZRGlycemicCard asWritten(ZRGlycemicCard c)
    {
        for (auto [get, set] :
             {std::pair{&ZRGlycemicCard::dateCreation, &ZRGlycemicCard::setDateCreation},
              std::pair{&ZRGlycemicCard::dateEditing, &ZRGlycemicCard::setDateEditing},
              std::pair{&ZRGlycemicCard::dateMeasurement, &ZRGlycemicCard::setDateMeasurement}}) {
            const CardDate d = (c.*get)();
            (c.*set)(d ? CardDate(std::floor(*d)) : std::nullopt);
        }
        c.setNameMeal(csvText(c.nameMeal()));
        c.setNameInsulin(csvText(c.nameInsulin()));
        c.setNotes(csvText(c.notes()));
        return c;
    }
    // The cards as the program exports them, now and then with a record of
    // three fields of twelve after the header.
    static QByteArray csvFile(const std::vector<ZRGlycemicCard> &cards, bool withBadRecord)
    {
        CardList list;
        for (const ZRGlycemicCard &c : cards)
            list.push_back(std::make_shared<ZRGlycemicCard>(c));
        QByteArray out = ZRExport::exportFormatCSVFromArray(list);
        if (withBadRecord) {
            const qsizetype header = out.indexOf('\r');
            EXPECT_GT(header, 0);
            out.insert(header, "\r7;2020-01-01 10:00:00 +0000;;");
        }
        return out;
    }
    std::vector<ZRGlycemicCard> newCsvCards(size_t n)
    {
        std::vector<ZRGlycemicCard> out;
        for (size_t i = 0; i < n; ++i) {
            ZRGlycemicCard c;
            const double measured = std::floor(std::uniform_real_distribution<double>(firstDate, now)(rng));
            c.setDateMeasurement(measured);
            c.setDateCreation(std::min(std::floor(now), measured + double(below(600))));
            if (chance(0.3))
                c.setDateEditing(std::floor(now) - double(below(86400)));
            c.setIsTherapy(chance(0.35));
            c.setIsProtect(chance(0.1));
            c.setIsPreMeal(chance(0.5));
            // A meal of the sheet's, none, or one another program wrote; never
            // the "select" item, which the program does not store.
            if (chance(0.05))
                c.setNameMeal(QStringLiteral("Merenda"));
            else if (chance(0.1))
                c.setNameMeal(QString());
            else
                c.setNameMeal(StringTable::mealKeys()[1 + qsizetype(below(StringTable::mealKeys().size() - 1))]);
            if (c.isTherapy()) {
                c.setNameInsulin(chance(0.1) ? QStringLiteral("Fiasp")
                                             : StringTable::insulinKeys()[1 + qsizetype(below(4))]);
                c.setUnitValue(unitsText().toFloat());
            } else {
                c.setGlycemiaValue(glycemiaText().toFloat());
            }
            c.setNotes(QStringLiteral("importata #%1 ").arg(commandNumber) + note());
            out.push_back(asWritten(c));
        }
        return out;
    }

    void importFile(const QByteArray &bytes, bool replace)
    {
        const QString file = home.filePath(QStringLiteral("files/import-%1.csv").arg(commandNumber));
        ASSERT_TRUE(testsupport::writeFile(file, bytes));
        dialogs.fileAnswers << file;
        dialogs.alertAnswers << (replace ? Dialogs::kFirstButton : Dialogs::kFirstButton + 1);
        expectedAlerts << text("ALLERT_TEXT_MESSAGE_IMPORT");
        if (chance(0.5)) {
            ASSERT_TRUE(clickToolbar(controller->toolBar, controller->csvImport));
        } else {
            controller->menuImport->trigger();
        }
        QFile::remove(file);
    }

    void importJoining()
    {
        const std::vector<ZRGlycemicCard> fresh = newCsvCards(1 + below(8));
        const bool bad = chance(0.2);
        ASSERT_NO_FATAL_FAILURE(importFile(csvFile(fresh, bad), false));
        if (bad)
            expectedAlerts << ZRImport::notImportedMessage(1);
        for (const ZRGlycemicCard &c : fresh)
            expected.add(c);
        saved = true;
        ++counts["import joining"];
    }

    // The diary replaced by a file of every card it holds and a few more,
    // so that it stays as large as it was.
    void importReplacing()
    {
        std::vector<ZRGlycemicCard> all;
        for (const ZRGlycemicCard &c : expected.cards())
            all.push_back(asWritten(c));
        for (const ZRGlycemicCard &c : newCsvCards(1 + below(5)))
            all.push_back(c);
        std::shuffle(all.begin(), all.end(), rng);
        ASSERT_NO_FATAL_FAILURE(importFile(csvFile(all, false), true));
        expected = {};
        for (const ZRGlycemicCard &c : all)
            expected.add(c);
        saved = true;
        ++counts["import replacing"];
    }

    // --- Export: each kind, read back

    void exportAs(int kind)
    {
        static const std::vector<QRadioButton *ExportTypeSheet::*> buttons{
            &ExportTypeSheet::formatOrvaneORV, &ExportTypeSheet::formatOrvaneCSV,
            &ExportTypeSheet::formatOrvaneREALStudioCSV};
        static const char *const names[] = {"export a diary file", "export CSV", "export REALStudio CSV"};
        ExportTypeSheet *sheet = controller->windowExportType;
        if (chance(0.5)) {
            ASSERT_TRUE(clickToolbar(controller->toolBar, controller->csvExport));
        } else {
            controller->menuExport->trigger();
        }
        ASSERT_TRUE(sheet->isVisible());
        QRadioButton *button = sheet->*buttons[size_t(kind)];
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        ASSERT_TRUE(button->isChecked());
        const QString file = home.filePath(QStringLiteral("files/export-%1.%2")
                                               .arg(commandNumber)
                                               .arg(kind == 0 ? QStringLiteral("orv") : QStringLiteral("csv")));
        dialogs.fileAnswers << file;
        click(sheet->windowExportTypeButtonContinue);
        ASSERT_FALSE(sheet->isVisible());

        const CardList &diary = controller->arrayArchive;
        if (kind == 0) {
            const std::optional<CardList> back = DiaryFile::read(file, nullptr);
            ASSERT_TRUE(back.has_value()) << "the exported diary file does not read";
            ASSERT_EQ(back->size(), diary.size());
            for (size_t i = 0; i < diary.size(); ++i)
                ASSERT_TRUE(*(*back)[i] == *diary[i]) << "card " << i << " exported:\n"
                                                      << described(*(*back)[i]) << "in the program:\n"
                                                      << described(*diary[i]);
        } else {
            const Interchange::ImportResult back = Interchange::importFile(file, {}, true, kRome, now);
            ASSERT_TRUE(back.imported()) << back.message.toStdString();
            ASSERT_EQ(back.notImported, 0u);
            ASSERT_EQ(back.newDiary.size(), diary.size());
            if (kind == 1) {
                // Card for card, in the diary's order: only the fraction of
                // a second, absent texts and the two characters a field
                // cannot hold are lost.
                for (size_t i = 0; i < diary.size(); ++i) {
                    const ZRGlycemicCard &read = *back.newDiary[i];
                    ASSERT_TRUE(sameContent(read, asWritten(*diary[i])))
                        << "card " << i << " exported:\n" << described(read) << "in the program:\n"
                        << described(*diary[i]);
                }
            }
            // The older layout keeps wall-clock minutes and whole numbers:
            // every card reads back, none is lost.
        }
        QFile::remove(file);
        ++counts[names[kind]];
    }

    // --- The run

    // The first commands are one of each kind, in turn; then the weights of
    // a long session: mostly entries and corrections, now and then an
    // import or an export.
    static constexpr int kKinds = 11;
    void runCommand()
    {
        const double weights[kKinds] = {22, 10, 20, 5, 14, 12, 3, 0.4, 4.0 / 3, 4.0 / 3, 4.0 / 3};
        std::discrete_distribution<int> weighted(std::begin(weights), std::end(weights));
        const int kind = commandNumber <= kKinds ? int(commandNumber - 1) : weighted(rng);
        switch (kind) {
        case 0: return add(false);
        case 1: return add(true);
        case 2: return edit();
        case 3: return editNoteInTable();
        case 4: return remove();
        case 5: return changeView();
        case 6: return importJoining();
        case 7: return importReplacing();
        default: return exportAs(kind - 8);
        }
    }

    QString text(const char *key) const { return strings.text(QString::fromLatin1(key)); }

    uint64_t cards = 0, commands = 0, seed = 0;
    std::mt19937_64 rng;
    double firstDate = 0, now = 0;
    uint64_t commandNumber = 0;
    ExpectedDiary expected;
    QStringList expectedAlerts;
    bool saved = false;
    qint64 fileBytes = 0;
    std::map<std::string, int> counts;
};

TEST_F(LongUseTest, RandomCommandsOnALargeDiaryKeepTheFileAndTheProgramInStep)
{
    QElapsedTimer timer;
    timer.start();
    CardList diary = syntheticDiary(cards);
    ASSERT_FALSE(diary.empty());
    std::reverse(diary.begin(), diary.end()); // as the program writes it: newest first
    firstDate = *diary.back()->dateMeasurement();
    // The clock runs on between commands, never on a whole second.
    now = *diary.front()->dateMeasurement() + 3600.375;
    writeDiary(diary);
    expected.assign(diary);
    diary.clear();

    create();
    controller->clock = [this] { return now; };
    controller->saveInBackground = true; // as the program runs
    controller->awakeFromNib();
    controller->windowMain->show();
    ASSERT_NO_FATAL_FAILURE(checkProgramHoldsTheExpectedDiary());
    ASSERT_NO_FATAL_FAILURE(checkFileHoldsTheProgramsDiary());

    // Memory. The base is what the process holds once the diary is open and
    // checked. A command may hold a few copies of the diary for a moment: a
    // save's encoding, the decoded file this check reads, the renumbered
    // copy a joining CSV import makes; a replacing import holds its file as
    // bytes, as text and as new cards at once, besides this test's own copy
    // of what it wrote. The allocator keeps much of that once it is freed,
    // so the process may stay at that high-water mark: some nine times the
    // diary file above the base at 100,000 cards, allowed twelve, plus a
    // margin for the allocator's arenas and Qt's caches. Every kind of
    // command has run in the first few, so the mark is reached in the first
    // half of the run, and the second half may add only its own cards' worth;
    // what keeps a little of every command grows through both halves. Under
    // the address sanitizer freed memory is held in quarantine on purpose:
    // there the resident set is only told, and LeakSanitizer looks for leaks
    // at exit.
    const long baseKiB = residentKiB();
    long midKiB = 0;
    const uint64_t sampleEvery = std::max<uint64_t>(1, commands / 20);
    size_t quickCommandsLeft = 0;
    bool unchecked = false;

    for (commandNumber = 1; commandNumber <= commands; ++commandNumber) {
        SCOPED_TRACE(testing::Message() << "command " << commandNumber << " of " << commands << ", seed " << seed
                                        << " (ORVANE_LONG_USE_SEED=" << seed << " ORVANE_LONG_USE_CARDS=" << cards
                                        << " ORVANE_LONG_USE_COMMANDS=" << commands << ")");
        now += 97.25;
        // Now and then the user is quicker than the saves: a few commands
        // follow one another while a save is still being written, and the
        // file is checked once they are done.
        if (quickCommandsLeft == 0 && chance(0.1))
            quickCommandsLeft = 2 + below(4);
        saved = false;
        ASSERT_NO_FATAL_FAILURE(runCommand());
        unchecked = unchecked || saved;
        if (quickCommandsLeft > 0)
            --quickCommandsLeft;
        if (unchecked && quickCommandsLeft == 0) {
            ASSERT_NO_FATAL_FAILURE(checkFileHoldsTheProgramsDiary());
            unchecked = false;
        }
        ASSERT_NO_FATAL_FAILURE(checkAlerts());
        ASSERT_NO_FATAL_FAILURE(checkProgramHoldsTheExpectedDiary());
        if (commandNumber % sampleEvery == 0) {
            const long rss = residentKiB();
            std::cout << "long use: command " << commandNumber << ", " << controller->arrayArchive.size()
                      << " cards, " << rss / 1024 << " MiB, " << timer.elapsed() / 1000 << " s" << std::endl;
            if (commandNumber == commands / 2 / sampleEvery * sampleEvery)
                midKiB = rss;
        }
    }

    // What a run leaves on disk is what the program held at its end.
    if (unchecked) {
        ASSERT_NO_FATAL_FAILURE(checkFileHoldsTheProgramsDiary());
    }
    const long endKiB = residentKiB();
    const size_t held = controller->arrayArchive.size();
    controller.reset();
    const std::optional<CardList> last = DiaryFile::read(path, nullptr);
    ASSERT_TRUE(last.has_value());
    const std::string diff = expected.differences(*last);
    EXPECT_TRUE(diff.empty()) << "the file the run left (identifiers aside):\n" << diff;

    std::cout << "long use: " << held << " cards at the end after " << timer.elapsed() / 1000 << " s;";
    for (const auto &[what, n] : counts)
        std::cout << ' ' << what << ' ' << n << ',';
    std::cout << "\nlong use: resident " << baseKiB / 1024 << " MiB at the start, " << midKiB / 1024
              << " MiB half way, " << endKiB / 1024 << " MiB at the end; diary file " << fileBytes / 1024 << " KiB"
              << std::endl;
    if (!kSanitized && baseKiB > 0) {
        const long fileKiB = long(fileBytes / 1024);
        EXPECT_LE(endKiB - baseKiB, 64 * 1024 + 12 * fileKiB) << "the process grew beyond what the diary needs";
        if (midKiB > 0) {
            EXPECT_LE(endKiB - midKiB, 16 * 1024 + 2 * fileKiB) << "the process kept growing";
        }
    }
}

} // namespace
