// Which toolbar and menu items are usable in each situation the user can be
// in.
#include "view/Commands.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace Commands;

const std::set<int> kMenuTags{1,   101, 102, 103, 105, 106, 301, 302, 303, 304, 305, 306, 307,
                              308, 309, 310, 311, 312, 313, 314, 315, 316, 320, 321, 322, 323};

std::set<int> enabledMenuTags(const State &state)
{
    std::set<int> on;
    for (int tag = -2; tag < 400; ++tag)
        if (validateMenuItem(tag, QStringLiteral("Item"), state))
            on.insert(tag);
    return on;
}

std::set<int> enabledToolbarTags(const State &state)
{
    std::set<int> on;
    for (int tag = -2; tag < 30; ++tag)
        if (validateToolbarItem(tag, state))
            on.insert(tag);
    return on;
}

TEST(Commands, EnabledItemsInEachSituation)
{
    const State empty{};
    EXPECT_EQ(enabledToolbarTags(empty), (std::set<int>{0, 4, 5, 8, 20}));
    EXPECT_FALSE(popupsEnabled(empty));
    // The unit of glycemia may be chosen before there is any.
    EXPECT_EQ(enabledMenuTags(empty), (std::set<int>{1, 101, 105, 314, 315, 316, 320, 322, 323}));

    // Cards in the diary, none in view (today, nothing measured today): no
    // report of nothing.
    const State emptyView{false, 12, 0, false};
    EXPECT_EQ(enabledToolbarTags(emptyView), (std::set<int>{0, 3, 4, 5, 8, 20}));
    EXPECT_TRUE(popupsEnabled(emptyView));
    EXPECT_EQ(enabledMenuTags(emptyView), (std::set<int>{1, 101, 105, 106, 314, 315, 316, 320, 322, 323}));

    // Cards in view, one selected: everything.
    const State selected{true, 12, 5, false};
    EXPECT_EQ(enabledToolbarTags(selected), (std::set<int>{0, 1, 2, 3, 4, 5, 8, 20}));
    EXPECT_EQ(enabledMenuTags(selected), kMenuTags);

    // Cards in view, none selected: no edit, no remove.
    std::set<int> unselected = kMenuTags;
    unselected.erase(102);
    unselected.erase(103);
    EXPECT_EQ(enabledMenuTags({false, 12, 5, false}), unselected);
}

TEST(Commands, TheEditSheetLeavesOnlyItsOwnItem)
{
    const State sheet{true, 12, 5, true};
    EXPECT_EQ(enabledMenuTags(sheet), (std::set<int>{1}));
    // The windows item stays usable whatever else holds.
    EXPECT_TRUE(validateMenuItem(0, QStringLiteral("OtherViews"), sheet));
    EXPECT_TRUE(validateMenuItem(104, QStringLiteral("OtherViews"), State{}));
    EXPECT_FALSE(validateMenuItem(104, QStringLiteral("Other Views"), State{}));
}

TEST(Commands, MenuTagsPickPopupItems)
{
    EXPECT_EQ(kindIndexForMenuTag(301), 0);
    EXPECT_EQ(kindIndexForMenuTag(303), 2);
    EXPECT_EQ(kindIndexForMenuTag(304), -1);
    EXPECT_EQ(periodIndexForMenuTag(303), -1);
    EXPECT_EQ(periodIndexForMenuTag(304), 0);
    EXPECT_EQ(periodIndexForMenuTag(311), 7);
    EXPECT_EQ(periodIndexForMenuTag(313), 9);
    EXPECT_EQ(periodIndexForMenuTag(314), -1);
}

} // namespace
