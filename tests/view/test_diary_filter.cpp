#include "view/DiaryFilter.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <random>

using namespace DiaryFilter;

namespace {

const QTimeZone rome("Europe/Rome");

double at(int y, int m, int d, int hh, int mm, const QTimeZone &zone = rome)
{
    return CardDates::fromDateTime(QDateTime(QDate(y, m, d), QTime(hh, mm), zone));
}

CardRef card(double when, bool therapy = false, uint64_t id = 0)
{
    auto c = std::make_shared<ZRGlycemicCard>();
    c->setDateMeasurement(when);
    c->setIsTherapy(therapy);
    c->setIdCard(id);
    return c;
}

std::vector<uint64_t> ids(const View &v)
{
    std::vector<uint64_t> out;
    for (const auto &c : v.cards)
        out.push_back(c->idCard());
    return out;
}

TEST(DiaryFilter, BothAtZeroIsTheDiaryItselfAndNothingSelectedIsEmpty)
{
    const CardList diary = {card(at(2026, 12, 7, 9, 0), false, 1)};
    const double now = at(2026, 12, 7, 12, 0);
    EXPECT_TRUE(filter(diary, Everyday, AllKinds, now, rome).isDiary);
    const View none = filter(diary, -1, AllKinds, now, rome);
    EXPECT_FALSE(none.isDiary);
    EXPECT_TRUE(none.cards.empty());
    EXPECT_TRUE(filter(diary, Everyday, -1, now, rome).cards.empty());
    EXPECT_TRUE(filter({}, Today, AllKinds, now, rome).cards.empty());
    EXPECT_EQ(ids(filter(diary, Everyday, Measurements, now, rome)), std::vector<uint64_t>{1});
}

TEST(DiaryFilter, TodayYesterdayAndTheDayBoundary)
{
    const CardList diary = {card(at(2026, 12, 8, 9, 0), false, 4), card(at(2026, 12, 7, 0, 0), false, 3),
                            card(at(2026, 12, 6, 23, 59), false, 2), card(at(2026, 12, 6, 0, 0), false, 1)};
    // At 23:45 "today" is the 7th, "yesterday" the 6th from its first minute to its last.
    const double lateEvening = at(2026, 12, 7, 23, 45);
    EXPECT_EQ(ids(filter(diary, Today, AllKinds, lateEvening, rome)), std::vector<uint64_t>{3});
    EXPECT_EQ(ids(filter(diary, Yesterday, AllKinds, lateEvening, rome)), (std::vector<uint64_t>{2, 1}));
    // At 00:00 of the 8th the days have moved on.
    const double midnight = at(2026, 12, 8, 0, 0);
    EXPECT_EQ(ids(filter(diary, Today, AllKinds, midnight, rome)), std::vector<uint64_t>{4});
    EXPECT_EQ(ids(filter(diary, Yesterday, AllKinds, midnight, rome)), std::vector<uint64_t>{3});
    // A card of tomorrow is never today, but is in the week.
    EXPECT_EQ(ids(filter(diary, Week, AllKinds, lateEvening, rome)), (std::vector<uint64_t>{4, 3, 2, 1}));
}

TEST(DiaryFilter, WeekMonthAndYearCountCalendarDays)
{
    // Wednesday 9 December 2026: the week runs from Thursday the 3rd.
    const double wednesday = at(2026, 12, 9, 10, 0);
    const CardList diary = {card(at(2026, 12, 3, 0, 1), false, 2), card(at(2026, 12, 2, 23, 59), false, 1)};
    EXPECT_EQ(ids(filter(diary, Week, AllKinds, wednesday, rome)), std::vector<uint64_t>{2});
    const CardList month = {card(at(2026, 11, 10, 0, 0), false, 2), card(at(2026, 11, 9, 23, 0), false, 1)};
    EXPECT_EQ(ids(filter(month, Month, AllKinds, wednesday, rome)), std::vector<uint64_t>{2});
    const CardList year = {card(at(2025, 12, 10, 0, 0), false, 2), card(at(2025, 12, 9, 12, 0), false, 1)};
    EXPECT_EQ(ids(filter(year, Year, AllKinds, wednesday, rome)), std::vector<uint64_t>{2});
}

TEST(DiaryFilter, DaylightSavingChangesKeepCalendarDays)
{
    // Rome moves to summer time on 29 March 2026 (a 23-hour day) and back on
    // 25 October (25 hours); "yesterday" is still the whole previous day, even
    // in the first hour after the short day, when 86,400 s back is two days back.
    const CardList spring = {card(at(2026, 3, 29, 23, 30), false, 3), card(at(2026, 3, 29, 0, 15), false, 2),
                             card(at(2026, 3, 28, 23, 50), false, 1)};
    EXPECT_EQ(ids(filter(spring, Yesterday, AllKinds, at(2026, 3, 30, 0, 30), rome)), (std::vector<uint64_t>{3, 2}));
    const CardList autumn = {card(at(2026, 10, 25, 23, 45), false, 3), card(at(2026, 10, 25, 0, 10), false, 2),
                             card(at(2026, 10, 24, 23, 55), false, 1)};
    // At 00:10 on the 26th, 86,400 s back is 01:10 on the 25th: still the 25th.
    EXPECT_EQ(ids(filter(autumn, Yesterday, AllKinds, at(2026, 10, 26, 0, 10), rome)), (std::vector<uint64_t>{3, 2}));
    EXPECT_EQ(ids(filter(autumn, Today, AllKinds, at(2026, 10, 25, 23, 59), rome)), (std::vector<uint64_t>{3, 2}));
}

TEST(DiaryFilter, LastNCountsOnlyTheChosenKind)
{
    CardList diary;
    uint64_t id = 100;
    for (int i = 0; i < 27; ++i) // 15 measurements interleaved with 12 therapies, newest first
        diary.push_back(card(at(2026, 12, 7, 12, 0) - i * 600.0, i % 2 == 1 && i < 24, id--));
    size_t measurements = 0;
    for (const auto &c : diary)
        measurements += c->isTherapy() ? 0 : 1;
    ASSERT_EQ(measurements, 15u);
    const View last10 = filter(diary, Last10, Measurements, 0, rome);
    ASSERT_EQ(last10.cards.size(), 10u);
    for (const auto &c : last10.cards)
        EXPECT_FALSE(c->isTherapy());
    EXPECT_EQ(last10.cards.front(), diary.front());
    EXPECT_EQ(filter(diary, Last50, AllKinds, 0, rome).cards.size(), 27u);
    EXPECT_EQ(filter(diary, Last20, Therapies, 0, rome).cards.size(), 12u);
    EXPECT_EQ(filter(diary, Last100, AllKinds, 0, rome).cards.size(), 27u);
}

TEST(DiaryFilter, UndatedCardsAreInNoDatedPeriod)
{
    auto undated = std::make_shared<ZRGlycemicCard>();
    const CardList diary = {undated};
    const double now = at(2026, 12, 7, 12, 0);
    for (int p = Today; p <= Year; ++p)
        EXPECT_TRUE(filter(diary, p, AllKinds, now, rome).cards.empty()) << p;
    EXPECT_EQ(filter(diary, Last10, AllKinds, now, rome).cards.size(), 1u);
    EXPECT_EQ(filter(diary, Everyday, Measurements, now, rome).cards.size(), 1u);
    EXPECT_FALSE(chekDateMeasurements(std::nullopt, now, 0, 1, rome));
    EXPECT_FALSE(chekDateMeasurements(now, now, 0, 5, rome));
    EXPECT_FALSE(chekDateMeasurements(now, now, 0, 0, rome));
}

TEST(DiaryFilter, FastRangesAgreeWithTheDateCheck)
{
    // Around both of Rome's changes of 2026 and an ordinary day, in two zones.
    std::mt19937 rng(7);
    for (const QTimeZone &zone : {rome, QTimeZone("America/New_York")}) {
        for (const double centre : {at(2026, 3, 29, 2, 0, zone), at(2026, 10, 25, 2, 0, zone), at(2026, 7, 1, 0, 0, zone)}) {
            CardList diary;
            for (int i = 0; i < 400; ++i)
                diary.push_back(card(centre + (static_cast<double>(rng() % 800000) - 400000.0), false, i));
            for (int k = 0; k < 40; ++k) {
                const double now = centre + (static_cast<double>(rng() % 400000) - 200000.0);
                const int days[] = {0, 0, 1, 7, 30, 365};
                const int cases[] = {0, 1, 2, 3, 4, 4};
                for (int p = Today; p <= Year; ++p) {
                    std::vector<uint64_t> expected;
                    for (const auto &c : diary)
                        if (chekDateMeasurements(c->dateMeasurement(), now, days[p], cases[p], zone))
                            expected.push_back(c->idCard());
                    ASSERT_EQ(ids(filter(diary, p, AllKinds, now, zone)), expected) << p;
                }
            }
        }
    }
}

TEST(DiaryFilter, ColumnsFollowTheKind)
{
    const Columns all = columnsForKind(AllKinds), blood = columnsForKind(Measurements),
                  therapy = columnsForKind(Therapies), none = columnsForKind(-1);
    EXPECT_TRUE(all.glycemiaValue && all.isPreMeal && all.unitValue && all.nameInsulin);
    EXPECT_TRUE(none.glycemiaValue && none.isPreMeal && none.unitValue && none.nameInsulin);
    EXPECT_TRUE(blood.glycemiaValue && blood.isPreMeal && !blood.unitValue && !blood.nameInsulin);
    EXPECT_TRUE(!therapy.glycemiaValue && !therapy.isPreMeal && therapy.unitValue && therapy.nameInsulin);
}

} // namespace
