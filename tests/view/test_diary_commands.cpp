#include "model/Diary.h"
#include "model/DiaryFile.h"
#include "model/ZRImport.h"
#include "support/TestSupport.h"
#include "text/StringTable.h"
#include "view/DiaryCommands.h"

#include <QTemporaryDir>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>

using testsupport::expectedText;

namespace {

constexpr double kNow = 800'000'000.0; // 2026-05-08, seconds since 2001

ZRGlycemicCard measurement(float glycemia, double when, bool isProtect = false)
{
    return ZRGlycemicCard(0, std::nullopt, std::nullopt, when, isProtect, false, false, QString(), QString(),
                          QStringLiteral("note"), glycemia, 0.0f);
}

ZRGlycemicCard dose(float units, double when)
{
    return ZRGlycemicCard(0, std::nullopt, std::nullopt, when, false, false, true, QStringLiteral("POPUP_MEAL_LUNCH"),
                          QStringLiteral("POPUP_INSULIN_QUICK"), QString(), 0.0f, units);
}

class DiaryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // Every change is saved, as the program does.
        QObject::connect(&diary, &Diary::changed, &diary, [this] {
            if (!diary.save().ok)
                ++saveFailures;
        });
        for (int i = 0; i < 3; ++i)
            diary.add(measurement(100.0f + float(i), kNow - 3600.0 * (3 - i)), kNow - 10.0);
        protectedCard = diary.add(measurement(55.0f, kNow - 86400.0, true), kNow - 10.0).change.after;
    }

    // The diary as the file holds it and as the document holds it.
    QByteArray onDisk() const
    {
        const auto cards = DiaryFile::read(diary.path(), nullptr);
        return cards ? expectedText(*cards) : QByteArray("unreadable");
    }
    QByteArray held() const { return expectedText(diary.cards()); }

    QTemporaryDir folder;
    Diary diary{folder.filePath(QStringLiteral("Orvane.orv"))};
    const StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    QUndoStack stack;
    CardRef protectedCard;
    int saveFailures = 0;
};

TEST_F(DiaryTest, CardRules)
{
    // A new card takes the next identifier and is created now.
    const auto added = diary.add(dose(4.5f, kNow - 60.0), kNow);
    ASSERT_TRUE(added.done());
    EXPECT_EQ(added.change.after->idCard(), 5u);
    EXPECT_EQ(added.change.after->dateCreation(), CardDate(kNow));
    EXPECT_FALSE(added.change.after->dateEditing());

    // Cards the diary cannot keep are refused and change nothing.
    const QByteArray before = held();
    EXPECT_EQ(diary.add(measurement(0.0f, kNow), kNow).refusal, Diary::Refusal::NotAcceptable);
    ZRGlycemicCard noInsulin = dose(2.0f, kNow);
    noInsulin.setNameInsulin(QString());
    EXPECT_EQ(diary.add(noInsulin, kNow).refusal, Diary::Refusal::NotAcceptable);
    EXPECT_EQ(diary.add(dose(0.0f, kNow), kNow).refusal, Diary::Refusal::NotAcceptable);
    EXPECT_EQ(diary.remove(protectedCard).refusal, Diary::Refusal::Protected);
    EXPECT_EQ(diary.setNote(protectedCard, QStringLiteral("note")).refusal, Diary::Refusal::Unchanged);
    EXPECT_EQ(diary.remove(std::make_shared<ZRGlycemicCard>()).refusal, Diary::Refusal::Unchanged);
    EXPECT_EQ(held(), before);

    // An edit takes the card's place under the next identifier, created when
    // the card was and edited now; the card itself is never changed.
    const CardRef original = diary.cards().front();
    const ZRGlycemicCard untouched = *original;
    const auto edited = diary.edit(original, measurement(123.0f, *original->dateMeasurement()), kNow + 5.0);
    ASSERT_TRUE(edited.done());
    EXPECT_EQ(*original, untouched);
    EXPECT_EQ(edited.change.before, original);
    EXPECT_EQ(edited.change.after->idCard(), 6u);
    EXPECT_EQ(edited.change.after->dateCreation(), original->dateCreation());
    EXPECT_EQ(edited.change.after->dateEditing(), CardDate(kNow + 5.0));
    EXPECT_EQ(std::count(diary.cards().begin(), diary.cards().end(), original), 0);

    // An edit of a card that has left the diary meanwhile is kept as a card
    // of its own.
    const size_t count = diary.cards().size();
    EXPECT_TRUE(diary.edit(original, measurement(124.0f, kNow), kNow + 6.0).done());
    EXPECT_EQ(diary.cards().size(), count + 1);
    EXPECT_EQ(held(), onDisk());
    EXPECT_EQ(saveFailures, 0);
}

TEST_F(DiaryTest, EveryCommandUndoesAndRedoesExactlyWithTheFileFollowing)
{
    using Step = std::function<bool()>;
    const struct {
        const char *name;
        Step step;
        QString undoText;
    } rows[] = {
        {"add", [&] { return DiaryCommands::addCard(stack, diary, strings, dose(3.0f, kNow), kNow).done(); },
         QStringLiteral("Add Dose")},
        {"edit",
         [&] {
             const CardRef card = diary.cards().at(1);
             return DiaryCommands::editCard(stack, diary, strings, card, measurement(99.0f, kNow), kNow).done();
         },
         QStringLiteral("Edit Measurement")},
        {"edit a protected card (its protection taken off)",
         [&] {
             return DiaryCommands::editCard(stack, diary, strings, protectedCard, measurement(56.0f, kNow - 86400.0),
                                            kNow)
                 .done();
         },
         QStringLiteral("Edit Measurement")},
        {"remove",
         [&] { return DiaryCommands::removeCard(stack, diary, strings, diary.cards().front()).done(); },
         QStringLiteral("Remove Dose")},
        {"note",
         [&] { return DiaryCommands::setNote(stack, diary, strings, diary.cards().back(), QStringLiteral("x")).done(); },
         QStringLiteral("Edit Note")},
        {"import, replacing",
         [&] {
             CardList fromFile{std::make_shared<ZRGlycemicCard>(measurement(77.0f, kNow))};
             DiaryCommands::importCards(stack, diary, strings, fromFile, true);
             return true;
         },
         QStringLiteral("Import (Replace the Diary)")},
    };
    const QByteArray first = held();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray before = held();
        ASSERT_TRUE(row.step());
        const QByteArray after = held();
        ASSERT_NE(after, before);
        EXPECT_EQ(onDisk(), after);
        EXPECT_EQ(stack.undoText(), row.undoText);
        for (int round = 0; round < 2; ++round) {
            stack.undo();
            EXPECT_EQ(held(), before);
            EXPECT_EQ(onDisk(), before);
            stack.redo();
            EXPECT_EQ(held(), after);
            EXPECT_EQ(onDisk(), after);
        }
    }
    // Undoing everything gives back the diary as it was, the protected card
    // protected and still refused removal.
    stack.setIndex(0);
    EXPECT_EQ(held(), first);
    EXPECT_EQ(onDisk(), first);
    ASSERT_NE(std::find(diary.cards().begin(), diary.cards().end(), protectedCard), diary.cards().end());
    EXPECT_TRUE(protectedCard->isProtect());
    EXPECT_EQ(DiaryCommands::removeCard(stack, diary, strings, protectedCard).refusal, Diary::Refusal::Protected);
    EXPECT_EQ(stack.index(), 0);
    EXPECT_EQ(saveFailures, 0);
}

// An import writes the joined diary itself before the change is made: the
// save the change brings leaves that file alone; the next change is written.
TEST_F(DiaryTest, CardsTheirImportWroteAreNotWrittenAgain)
{
    CardList joined = diary.cards();
    joined.push_back(std::make_shared<ZRGlycemicCard>(measurement(120.0f, kNow - 60.0)));
    ZRImport::sortForMeasuramentDateArray(&joined);
    const QByteArray byTheImport = "the import's own write";
    ASSERT_TRUE(DiaryFile::writeAtomically(diary.path(), byTheImport).ok);
    const CardList before = diary.replaceAllWritten(joined);
    EXPECT_EQ(testsupport::readFile(diary.path()), byTheImport);
    diary.replaceAll(before);
    EXPECT_EQ(onDisk(), held());
    EXPECT_EQ(saveFailures, 0);
}

TEST_F(DiaryTest, RefusedChangesLeaveNoCommand)
{
    EXPECT_FALSE(DiaryCommands::addCard(stack, diary, strings, measurement(0.0f, kNow), kNow).done());
    EXPECT_FALSE(DiaryCommands::removeCard(stack, diary, strings, protectedCard).done());
    EXPECT_FALSE(DiaryCommands::setNote(stack, diary, strings, protectedCard, QStringLiteral("note")).done());
    EXPECT_EQ(stack.count(), 0);
}

} // namespace
