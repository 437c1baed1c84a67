// A long session in one process: thousands of random commands on a large
// diary, given as the user gives them (the toolbar, the menus, the sheets'
// controls, the table), saves running on their own thread as in the program.
// After every command the diary the program holds must be what the commands
// made of it; after every save the file must hold exactly what the program
// holds; memory must stay within what the diary itself needs.
//
// The run prints its seed; ORVANE_LONG_USE_SEED repeats it, and
// ORVANE_LONG_USE_CARDS and ORVANE_LONG_USE_COMMANDS set its size
// (scripts/long-use.sh runs the full one).
#include "SyntheticDiary.h"
#include "app/MainWindowFixture.h"
#include "edit/EditSheet.h"
#include "interchange/Interchange.h"
#include "interchange/ZRImportCsv.h"
#include "model/Diary.h"
#include "support/UserActions.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <bit>
#include <cmath>
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

// The counts CI runs with the suite: half a minute or less optimised, under
// two minutes under the address sanitizer.
#ifdef ORVANE_LONG_USE_ASAN
constexpr bool kSanitized = true;
constexpr uint64_t kDefaultCards = 5000, kDefaultCommands = 800;
#else
constexpr bool kSanitized = false;
constexpr uint64_t kDefaultCards = 10000, kDefaultCommands = 1000;
#endif

uint64_t fromEnvironment(const char *name, uint64_t fallback)
{
    const QString value = qEnvironmentVariable(name);
    bool ok = false;
    const qulonglong n = value.toULongLong(&ok);
    if (!value.isEmpty() && !ok)
        ADD_FAILURE() << name << "=" << value.toStdString() << " is not a number";
    return ok ? n : fallback;
}

// The resident set of this process, in KiB (0 where /proc is missing).
long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

std::string described(const ZRGlycemicCard &card)
{
    return testsupport::expectedText({std::make_shared<ZRGlycemicCard>(card)}).toStdString();
}

// ---------------------------------------------------------------------------
// The diary's contents whatever their order, identifiers aside, for the
// history of undo and redo.

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

// The diary the core's own rules make of the commands given to the program,
// kept apart from it: the program must hold exactly these cards, identifiers
// and dates included, and the file it writes exactly what it holds.
class ExpectedDiary
{
public:
    void assign(const CardList &cards)
    {
        CardList copies;
        copies.reserve(cards.size());
        for (const CardRef &c : cards)
            copies.push_back(std::make_shared<ZRGlycemicCard>(*c));
        m_diary.replaceAll(std::move(copies));
    }
    const CardList &cards() const { return m_diary.cards(); }

    void add(const ZRGlycemicCard &card, double now) { expectDone(m_diary.add(card, now), card); }
    void edit(const ZRGlycemicCard &old, const ZRGlycemicCard &card, double now)
    {
        expectDone(m_diary.edit(held(old), card, now), old);
    }
    void remove(const ZRGlycemicCard &card) { expectDone(m_diary.remove(held(card)), card); }
    void setNote(const ZRGlycemicCard &card, const QString &note) { expectDone(m_diary.setNote(held(card), note), card); }
    void replaceAll(const CardList &cards) { assign(cards); }

    // Empty when the cards are these, each once; otherwise the first that
    // differs.
    std::string differences(const CardList &cards) const
    {
        std::unordered_map<uint64_t, const ZRGlycemicCard *> held;
        for (const CardRef &c : cards)
            if (!held.emplace(c->idCard(), c.get()).second)
                return "identifier " + std::to_string(c->idCard()) + " held twice";
        for (const CardRef &c : m_diary.cards()) {
            const auto it = held.find(c->idCard());
            if (it == held.end())
                return "expected but not held:\n" + described(*c);
            if (!(*it->second == *c))
                return "expected:\n" + described(*c) + "held:\n" + described(*it->second);
        }
        if (cards.size() != m_diary.cards().size())
            return std::to_string(cards.size()) + " cards held, " + std::to_string(m_diary.cards().size())
                   + " expected";
        return {};
    }

private:
    CardRef held(const ZRGlycemicCard &card) const
    {
        for (const CardRef &c : m_diary.cards())
            if (c->idCard() == card.idCard())
                return c;
        ADD_FAILURE() << "the rules' diary holds no card " << card.idCard() << ":\n" << described(card);
        return nullptr;
    }
    // Each change is saved, and a save puts the diary in its order.
    void expectDone(const Diary::Result &result, const ZRGlycemicCard &card)
    {
        EXPECT_TRUE(result.done()) << "the rules refuse (" << int(result.refusal) << "):\n" << described(card);
        CardList sorted = m_diary.cards();
        ZRImport::sortForMeasuramentDateArray(&sorted);
        m_diary.replaceAll(std::move(sorted));
    }

    // Never saved: the path names nothing.
    Diary m_diary{QString()};
};

// The card as the default CSV layout gives it back: whole seconds, every
// text present, the two characters a field cannot hold replaced.
ZRGlycemicCard asWritten(ZRGlycemicCard c)
{
    auto text = [](const CardText &t) {
        return t.value_or(QString()).replace(QLatin1Char(';'), QLatin1Char(',')).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    };
    auto seconds = [](const CardDate &d) { return d ? CardDate(std::floor(*d)) : std::nullopt; };
    c.setDateCreation(seconds(c.dateCreation()));
    c.setDateEditing(seconds(c.dateEditing()));
    c.setDateMeasurement(seconds(c.dateMeasurement()));
    c.setNameMeal(text(c.nameMeal()));
    c.setNameInsulin(text(c.nameInsulin()));
    c.setNotes(text(c.notes()));
    return c;
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
        std::cout << "long use: " << cards << " cards, " << commands << " commands, seed " << seed << std::endl;
        RecordProperty("seed", std::to_string(seed));
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("files")));
    }

    bool chance(double p) { return std::bernoulli_distribution(p)(rng); }
    size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); }

    // A whole minute between the diary's first card and now that the date
    // picker's wall-clock time names (of an hour the clocks repeat it names
    // only one instant each).
    double wholeMinute()
    {
        for (;;) {
            const double when = std::floor(std::uniform_real_distribution<double>(firstDate, now)(rng) / 60.0) * 60.0;
            const QDateTime local = CardDates::toDateTime(when).toLocalTime();
            if (QDateTime(local.date(), local.time(), Qt::LocalTime) == local)
                return when;
        }
    }
    QString glycemiaText() { return QString::number(double(below(58000)) / 100.0 + 20, 'f', int(below(3))); }
    QString unitsText() { return QString::number(double(below(990)) / 10.0 + 1.0, 'f', int(below(2))); }
    QString note()
    {
        static const QString notes[] = {
            QString(), QStringLiteral("ipo; succo d'arancia"), QStringLiteral("caffè ☕ e cornetto"),
            QStringLiteral("due righe\nla seconda"), QStringLiteral("\"tra virgolette\"\ttab"), QString(300, QChar(0x4e2d)),
        };
        return notes[below(std::size(notes))];
    }

    // --- Checks

    void checkProgramHoldsTheExpectedDiary()
    {
        const std::string diff = expected.differences(diaryCards());
        ASSERT_TRUE(diff.empty()) << "the diary the program holds:\n" << diff;
        // The table shows cards of the diary itself, never of a list a
        // command left behind.
        const CardList &diary = diaryCards();
        const CardList &view = tableModel()->view();
        if (&view == &diary)
            return;
        const std::unordered_set<const ZRGlycemicCard *> held = [&] {
            std::unordered_set<const ZRGlycemicCard *> out;
            for (const CardRef &c : diary)
                out.insert(c.get());
            return out;
        }();
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
        const CardList &held = diaryCards();
        ASSERT_EQ(onDisk->size(), held.size()) << "cards on disk and in the program";
        std::unordered_set<uint64_t> ids;
        for (size_t i = 0; i < held.size(); ++i) {
            ASSERT_TRUE(*(*onDisk)[i] == *held[i])
                << "card " << i << " on disk:\n" << described(*(*onDisk)[i]) << "in the program:\n" << described(*held[i]);
            ASSERT_TRUE(ids.insert(held[i]->idCard()).second) << "identifier " << held[i]->idCard() << " given twice";
            if (i > 0) {
                ASSERT_GE(*held[i - 1]->dateMeasurement(), *held[i]->dateMeasurement()) << "order at card " << i;
            }
        }
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

    const CardList &view() const { return tableModel()->view(); }

    void changeView()
    {
        const bool period = chance(0.6);
        QComboBox *popup = period ? control<QComboBox>("popupPeriod") : control<QComboBox>("popupMeasurements");
        const int index = int(below(size_t(popup->count())));
        const QList<QAction *> items = menuItems();
        // The period items follow the kind items in the menu list.
        QAction *item = items[items.indexOf(control<QAction>("menuViewMeasuramentAll")) + (period ? 3 : 0) + index];
        if (chance(0.3) && item->isEnabled())
            item->trigger();
        else
            pick(popup, index);
        ASSERT_EQ(popup->currentIndex(), index);
    }

    // Selects a random row; nullptr, and everything shown again, when the
    // view is empty.
    CardRef selectRandomRow(int *row)
    {
        if (view().empty()) {
            pick(control<QComboBox>("popupPeriod"), 0);
            pick(control<QComboBox>("popupMeasurements"), 0);
            return nullptr;
        }
        *row = int(below(view().size()));
        control<QTableView>("listaSchedeGlicemiche")->selectRow(*row);
        control<QTableView>("listaSchedeGlicemiche")->scrollTo(tableModel()->index(*row, 0));
        return view()[size_t(*row)];
    }

    // --- The sheets

    // Types a value into the field of the card's kind.
    void typeValue(ZRGlycemicCard &want)
    {
        const QString value = want.isTherapy() ? unitsText() : glycemiaText();
        retype(control<QLineEdit>(want.isTherapy() ? "windowEditTextFieldUnit" : "windowEditTextFieldGlycemia"),
               value.toLatin1().constData());
        (want.isTherapy() ? want.setUnitValue(value.toFloat()) : want.setGlycemiaValue(value.toFloat()));
    }

    void add(bool therapy)
    {
        EditSheet *sheet = control<EditSheet>("windowEdit");
        if (chance(0.7))
            ASSERT_TRUE(clickToolbar("cardAdd"));
        else
            control<QAction>("menuNew")->trigger();
        ASSERT_TRUE(sheet->isVisible() && sheet->isAddMode());

        ZRGlycemicCard want;
        want.setDateCreation(now);
        want.setDateMeasurement(now); // the instant the sheet opened on, to the fraction of a second
        want.setIsTherapy(therapy);
        want.setNameInsulin(QString());
        if (chance(0.7)) {
            const double when = wholeMinute();
            control<QDateTimeEdit>("windowEditDate")->setDateTime(CardDates::toDateTime(when).toLocalTime());
            want.setDateMeasurement(when);
        }
        if (therapy) {
            click(control<QCheckBox>("windowEditIsTherapy"));
            const int insulin = 1 + int(below(StringTable::insulinKeys().size() - 1));
            pick(control<QComboBox>("windowEditPopUpInsulin"), insulin);
            want.setNameInsulin(StringTable::insulinKeys()[insulin]);
        }
        const int meal = int(below(StringTable::mealKeys().size()));
        pick(control<QComboBox>("windowEditPopUpMeal"), meal);
        want.setNameMeal(meal == 0 ? QString() : StringTable::mealKeys()[meal]);
        if (chance(0.5) && control<QCheckBox>("windowEditIsPreMeal")->isEnabled()) {
            click(control<QCheckBox>("windowEditIsPreMeal"));
            want.setIsPreMeal(true);
        }
        typeValue(want);
        want.setNotes(note());
        control<QPlainTextEdit>("windowEditTextViewNote")->setPlainText(*want.notes());
        if (chance(0.1)) {
            click(control<QCheckBox>("windowEditIsProtect"));
            want.setIsProtect(true);
        }
        click(control<QPushButton>("windowEditButtonAction"));
        ASSERT_FALSE(sheet->isVisible()) << "the sheet refused:\n" << described(want);
        expected.add(want, now);
        saved = true;
    }

    void edit()
    {
        int row = -1;
        const CardRef old = selectRandomRow(&row);
        if (!old)
            return;
        EditSheet *sheet = control<EditSheet>("windowEdit");
        switch (below(3)) {
        case 0: ASSERT_TRUE(clickToolbar("cardEdit")); break;
        case 1: control<QAction>("menuEdit")->trigger(); break;
        default: doubleClickRow(control<QTableView>("listaSchedeGlicemiche"), row); break;
        }
        ASSERT_TRUE(sheet->isVisible() && !sheet->isAddMode()) << "row " << row;

        // The sheet rewrites the card as a whole: one value for its kind, no
        // text left absent, edited now; created when it was.
        ZRGlycemicCard want = *old;
        want.setDateEditing(now);
        want.setNameMeal(old->nameMeal().value_or(QString()));
        want.setNameInsulin(old->isTherapy() ? old->nameInsulin().value_or(QString()) : QString());
        want.setNotes(old->notes().value_or(QString()));
        (old->isTherapy() ? want.setGlycemiaValue(0.0f) : want.setUnitValue(0.0f));

        if (old->isProtect() && chance(0.4)) {
            click(control<QCheckBox>("windowEditIsProtect"));
            want.setIsProtect(false);
        }
        if (!want.isProtect()) {
            if (chance(0.6))
                typeValue(want);
            if (chance(0.1)) {
                const double when = wholeMinute();
                control<QDateTimeEdit>("windowEditDate")->setDateTime(CardDates::toDateTime(when).toLocalTime());
                want.setDateMeasurement(when);
            }
        }
        if (chance(0.5)) {
            want.setNotes(note());
            control<QPlainTextEdit>("windowEditTextViewNote")->setPlainText(*want.notes());
        }
        click(control<QPushButton>("windowEditButtonAction"));
        const bool storable = old->isTherapy() ? !want.nameInsulin()->isEmpty() && want.unitValue() > 0.0f
                                               : want.glycemiaValue() > 0.0f;
        if (storable) {
            ASSERT_FALSE(sheet->isVisible()) << "the sheet refused:\n" << described(want);
            expected.edit(*old, want, now);
            saved = true;
        } else {
            // A card that came in with no value is kept until one is typed.
            ASSERT_TRUE(sheet->isVisible()) << described(want);
            expectedAlerts << text("DATA_INCORRECT");
            click(control<QPushButton>("windowEditButtonCancel"));
        }
    }

    // A note typed into the table's notes cell, committed as its editor
    // commits it.
    void editNoteInTable()
    {
        int row = -1;
        const CardRef old = selectRandomRow(&row);
        if (!old)
            return;
        DiaryTableModel *model = tableModel();
        const QModelIndex cell = model->index(row, DiaryTableModel::columnWithIdentifier(QStringLiteral("notes")));
        if (!(model->flags(cell) & Qt::ItemIsEditable))
            return; // a note of several lines
        const QString notes = note().replace(QLatin1Char('\n'), QLatin1Char(' ')) + QStringLiteral(" #%1").arg(commandNumber);
        ASSERT_TRUE(model->setData(cell, notes, Qt::EditRole));
        expected.setNote(*old, notes);
        saved = true;
    }

    void remove()
    {
        int row = -1;
        const CardRef card = selectRandomRow(&row);
        if (!card)
            return;
        QDialog *sheet = control<QDialog>("windowDelete");
        if (chance(0.5))
            ASSERT_TRUE(clickToolbar("cardRemove"));
        else
            control<QAction>("menuRemove")->trigger();
        ASSERT_TRUE(sheet->isVisible());
        if (card->isProtect()) {
            // Refused, whichever way it is asked for.
            ASSERT_FALSE(control<QPushButton>("windowDeleteButtonRemove")->isEnabled());
            controller->windowDeleteRemove();
            ASSERT_FALSE(sheet->isVisible());
        } else if (chance(0.85)) {
            click(control<QPushButton>("windowDeleteButtonRemove"));
            expected.remove(*card);
            saved = true;
        } else {
            click(control<QPushButton>("windowDeleteButtonCancel"));
        }
        ASSERT_FALSE(sheet->isVisible());
    }

    // --- Import and export

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
            // A meal of the sheet's or one another program wrote; never the
            // "select" item, which the program does not store.
            c.setNameMeal(chance(0.1) ? QStringLiteral("Merenda")
                                      : StringTable::mealKeys()[1 + qsizetype(below(StringTable::mealKeys().size() - 1))]);
            c.setNameInsulin(c.isTherapy() ? StringTable::insulinKeys()[1 + qsizetype(below(4))] : QString());
            (c.isTherapy() ? c.setUnitValue(unitsText().toFloat()) : c.setGlycemiaValue(glycemiaText().toFloat()));
            c.setNotes(QStringLiteral("importata #%1 ").arg(commandNumber) + note());
            out.push_back(asWritten(c));
        }
        return out;
    }

    // CSV written by the program's own exporter, now and then with a record
    // of three fields of twelve: the file's cards join the diary, or replace
    // it with every card it holds and a few more, so that it stays as large.
    void importCsv(bool replace)
    {
        std::vector<ZRGlycemicCard> incoming = newCsvCards(1 + below(8));
        if (replace) {
            for (const CardRef &c : expected.cards())
                incoming.push_back(asWritten(*c));
            std::shuffle(incoming.begin(), incoming.end(), rng);
        }
        CardList list;
        for (const ZRGlycemicCard &c : incoming)
            list.push_back(std::make_shared<ZRGlycemicCard>(c));
        QByteArray bytes = ZRExport::exportFormatCSVFromArray(list);
        const bool bad = !replace && chance(0.2);
        if (bad)
            bytes.insert(bytes.indexOf('\r'), "\r7;2020-01-01 10:00:00 +0000;;");

        const QString file = home.filePath(QStringLiteral("files/import-%1.csv").arg(commandNumber));
        ASSERT_TRUE(testsupport::writeFile(file, bytes));
        dialogs.fileAnswers << file;
        dialogs.alertAnswers << (replace ? Dialogs::kFirstButton : Dialogs::kFirstButton + 1);
        expectedAlerts << text("ALLERT_TEXT_MESSAGE_IMPORT");
        if (bad)
            expectedAlerts << ZRImport::notImportedMessage(1);
        if (chance(0.5))
            ASSERT_TRUE(clickToolbar("csvImport"));
        else
            control<QAction>("menuImport")->trigger();
        // The rules' diary takes the same file the same way; every card of it
        // is new to the diary.
        const size_t before = replace ? 0 : expected.cards().size();
        const Interchange::ImportResult rules = Interchange::importFile(file, expected.cards(), replace, kRome, now);
        QFile::remove(file);
        ASSERT_TRUE(rules.imported()) << rules.message.toStdString();
        ASSERT_EQ(rules.newDiary.size(), before + incoming.size());
        expected.replaceAll(rules.newDiary);
        saved = true;
    }

    // Each kind, read back: a diary file card for card, the default CSV card
    // for card as the layout keeps them, the older layout whole.
    void exportAs(int kind)
    {
        const char *const buttons[] = {"formatOrvaneORV", "formatOrvaneCSV", "formatOrvaneREALStudioCSV"};
        QDialog *sheet = control<QDialog>("windowExportType");
        if (chance(0.5))
            ASSERT_TRUE(clickToolbar("csvExport"));
        else
            control<QAction>("menuExport")->trigger();
        ASSERT_TRUE(sheet->isVisible());
        QRadioButton *button = control<QRadioButton>(buttons[kind]);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        ASSERT_TRUE(button->isChecked());
        const QString file = home.filePath(QStringLiteral("files/export-%1.%2").arg(commandNumber).arg(kind == 0 ? "orv" : "csv"));
        dialogs.fileAnswers << file;
        click(control<QPushButton>("windowExportTypeButtonContinue"));
        ASSERT_FALSE(sheet->isVisible());

        const CardList &diary = diaryCards();
        const Interchange::ImportResult back = Interchange::importFile(file, {}, true, kRome, now);
        ASSERT_TRUE(back.imported()) << back.message.toStdString();
        ASSERT_EQ(back.notImported, 0u);
        ASSERT_EQ(back.newDiary.size(), diary.size());
        for (size_t i = 0; kind < 2 && i < diary.size(); ++i) {
            const ZRGlycemicCard want = kind == 0 ? *diary[i] : asWritten(*diary[i]);
            ASSERT_TRUE(kind == 0 ? *back.newDiary[i] == want : sameContent(*back.newDiary[i], want))
                << "card " << i << " exported:\n" << described(*back.newDiary[i]) << "in the program:\n"
                << described(*diary[i]);
        }
        QFile::remove(file);
    }

    // The first commands are one of each kind, in turn; then the weights of
    // a long session: mostly entries and corrections, now and then an
    // import or an export.
    void runCommand()
    {
        constexpr int kKinds = 13;
        const double weights[kKinds] = {22, 10, 20, 5, 14, 12, 3, 0.4, 4.0 / 3, 4.0 / 3, 4.0 / 3, 4, 2};
        std::discrete_distribution<int> weighted(std::begin(weights), std::end(weights));
        const int kind = commandNumber <= kKinds ? int(commandNumber - 1) : weighted(rng);
        ++counts[kind];
        switch (kind) {
        case 0: return add(false);
        case 1: return add(true);
        case 2: return edit();
        case 3: return editNoteInTable();
        case 4: return remove();
        case 5: return changeView();
        case 6: return importCsv(false);
        case 7: return importCsv(true);
        case 11: return undoOrRedo(true);
        case 12: return undoOrRedo(false);
        default: return exportAs(kind - 8);
        }
    }

    // --- Undo and redo

    // The diary's contents as one number, whatever their order.
    static uint64_t digest(const CardList &cards)
    {
        uint64_t sum = 0;
        for (const CardRef &c : cards)
            sum += contentHash(*c);
        return sum;
    }

    // Edit > Undo (or Ctrl+Z) brings back the diary as it was before the last
    // change, Redo (or Ctrl+Shift+Z) as it was after it; the last hundred
    // changes can be undone.
    void undoOrRedo(bool undo)
    {
        std::vector<uint64_t> &from = undo ? undoable : redoable, &to = undo ? redoable : undoable;
        QAction *item = control<QAction>(undo ? "menuUndo" : "menuRedo");
        ASSERT_EQ(item->isEnabled(), !from.empty());
        if (from.empty())
            return;
        to.push_back(digest(diaryCards()));
        // The keys reach the main window only while it is the active one (a
        // closed sheet may stay active where no window manager runs).
        QMainWindow *window = control<QMainWindow>("windowMain");
        window->activateWindow();
        if (chance(0.5) || !QTest::qWaitForWindowActive(window) || QApplication::activeWindow() != window)
            item->trigger();
        else
            QTest::keySequence(window, item->shortcut());
        ASSERT_EQ(digest(diaryCards()), from.back()) << (undo ? "undo" : "redo") << " did not give back the diary";
        from.pop_back();
        expected.assign(diaryCards());
        saved = steppedThroughHistory = true;
    }

    QString text(const char *key) const { return strings.text(QString::fromLatin1(key)); }

    uint64_t cards = 0, commands = 0, seed = 0;
    std::mt19937_64 rng;
    double firstDate = 0, now = 0;
    uint64_t commandNumber = 0;
    ExpectedDiary expected;
    // The diary's digests before the changes that can be undone, and after
    // those that can be made again.
    std::vector<uint64_t> undoable, redoable;
    bool steppedThroughHistory = false;
    QStringList expectedAlerts;
    bool saved = false;
    qint64 fileBytes = 0;
    std::map<int, int> counts;
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
    setClock([this] { return now; });
    setSaveInBackground(true); // as the program runs
    controller->awakeFromNib();
    control<QMainWindow>("windowMain")->show();
    ASSERT_NO_FATAL_FAILURE(checkProgramHoldsTheExpectedDiary());
    ASSERT_NO_FATAL_FAILURE(checkFileHoldsTheProgramsDiary());

    // Memory. A command may hold a few copies of the diary for a moment (a
    // save's encoding, the file this check reads back, an import's file as
    // bytes, text and cards), and the allocator may keep that high-water
    // mark: allowed twelve times the diary file above the base, reached in
    // the first half, after which the second half may add only its own
    // cards' worth. Under the address sanitizer freed memory is quarantined
    // on purpose: there LeakSanitizer looks for leaks at exit instead.
    const long baseKiB = residentKiB();
    long midKiB = 0;
    const uint64_t sampleEvery = std::max<uint64_t>(1, commands / 20);
    size_t quickCommandsLeft = 0;
    bool unchecked = false;

    for (commandNumber = 1; commandNumber <= commands; ++commandNumber) {
        SCOPED_TRACE(testing::Message() << "command " << commandNumber << " of " << commands << " (ORVANE_LONG_USE_SEED="
                                        << seed << " ORVANE_LONG_USE_CARDS=" << cards
                                        << " ORVANE_LONG_USE_COMMANDS=" << commands << ")");
        now += 97.25;
        // Now and then the user is quicker than the saves: a few commands
        // follow one another while a save is still being written, and the
        // file is checked once they are done.
        if (quickCommandsLeft == 0 && chance(0.1))
            quickCommandsLeft = 2 + below(4);
        saved = false;
        const uint64_t before = digest(diaryCards());
        steppedThroughHistory = false;
        ASSERT_NO_FATAL_FAILURE(runCommand());
        if (saved && !steppedThroughHistory) {
            // A change of its own: undoable, and nothing left to redo.
            undoable.push_back(before);
            if (undoable.size() > 100)
                undoable.erase(undoable.begin());
            redoable.clear();
        }
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
            std::cout << "long use: command " << commandNumber << ", " << diaryCards().size() << " cards, "
                      << rss / 1024 << " MiB, " << timer.elapsed() / 1000 << " s" << std::endl;
            if (commandNumber == commands / 2 / sampleEvery * sampleEvery)
                midKiB = rss;
        }
    }
    if (unchecked) {
        ASSERT_NO_FATAL_FAILURE(checkFileHoldsTheProgramsDiary());
    }
    const long endKiB = residentKiB();
    controller.reset();
    // What a run leaves on disk is what the program held at its end.
    const std::optional<CardList> last = DiaryFile::read(path, nullptr);
    ASSERT_TRUE(last.has_value());
    const std::string diff = expected.differences(*last);
    EXPECT_TRUE(diff.empty()) << "the file the run left:\n" << diff;

    std::cout << "long use: commands of each kind:";
    for (const auto &[kind, n] : counts)
        std::cout << ' ' << n;
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
