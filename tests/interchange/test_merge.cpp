#include "interchange/InterchangeTesting.h"
#include "model/ZRImport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace interchangetesting;

namespace {

double may(int day)
{
    return at(2013, 5, day, 12, 0);
}

TEST(Merge, TakesOnlyCardsCreatedOrEditedLater)
{
    // Newest card created on 10 May, last edit on 12 May.
    CardList diary = {card(may(10), may(10)), card(may(2), may(2), may(12)), card(may(1), may(1))};
    const CardRef created9 = card(may(9), may(9));
    const CardRef created11 = card(may(11), may(11));
    const CardRef edited13 = card(may(1), may(1), may(13));
    const CardRef sameDates = card(may(3), may(10), may(12)); // equal is not later
    const CardRef undated = card(may(20), std::nullopt);
    const size_t added = ZRImport::removeMeasuramentDuplicate({created9, created11, sameDates, edited13, undated}, diary);
    EXPECT_EQ(added, 2u);
    ASSERT_EQ(diary.size(), 5u);
    EXPECT_EQ(diary[3], created11);
    EXPECT_EQ(diary[4], edited13);
}

TEST(Merge, ReferenceDatesAreTakenOnceBeforeTheMerge)
{
    // Cards appended by the merge do not move the reference dates, and the
    // incoming cards are not compared with one another.
    CardList diary = {card(may(10), may(10))};
    const CardRef a = card(may(12), may(12));
    const CardRef b = card(may(11), may(11));
    const CardRef aAgain = card(may(12), may(12));
    EXPECT_EQ(ZRImport::removeMeasuramentDuplicate({a, b, aAgain}, diary), 3u);
}

TEST(Merge, WithoutAReferenceDateTheIncomingDateCountsAsLater)
{
    // No card of the diary was ever edited: an edit made elsewhere is taken.
    CardList diary = {card(may(10), may(10))};
    const CardRef editedElsewhere = card(may(5), may(5), may(6));
    const CardRef neverEdited = card(may(4), may(4));
    EXPECT_EQ(ZRImport::removeMeasuramentDuplicate({editedElsewhere, neverEdited}, diary), 1u);
    EXPECT_EQ(diary.back(), editedElsewhere);

    // No creation date in the diary: every incoming card that has one.
    CardList undated = {card(may(10), std::nullopt), card(may(9), std::nan(""))};
    EXPECT_EQ(ZRImport::removeMeasuramentDuplicate({card(may(1), may(1)), card(may(2), std::nullopt)}, undated), 1u);
}

TEST(Merge, AnEmptyDiaryTakesEveryCard)
{
    CardList diary;
    const CardList incoming = {card(may(1), std::nullopt), card(may(1), may(1)), card(may(1), may(1))};
    EXPECT_EQ(ZRImport::removeMeasuramentDuplicate(incoming, diary), 3u);
    EXPECT_EQ(diary, incoming);
}

TEST(Merge, LatestDates)
{
    const CardList cards = {card(0, may(3), may(8)), card(0, std::nan(""), std::nan("")), card(0, may(5)),
                            card(0, std::nullopt, may(7))};
    EXPECT_EQ(ZRImport::returnDateLastAdd(&cards), may(5));
    EXPECT_EQ(ZRImport::returnDateLastEdit(&cards), may(8));
    const CardList unedited = {card(0, may(3))};
    EXPECT_EQ(ZRImport::returnDateLastEdit(&unedited), std::nullopt);
    EXPECT_EQ(ZRImport::returnDateLastAdd(nullptr), std::nullopt);
    EXPECT_EQ(ZRImport::returnDateLastEdit(nullptr), std::nullopt);
}

} // namespace
