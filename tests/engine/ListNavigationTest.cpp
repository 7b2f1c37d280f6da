#include "engine/ListNavigation.h"

#include <gtest/gtest.h>

namespace sockwright {
namespace {

constexpr int kNoRow = -1;

TEST(ListNavigationTest, DownMovesToTheNextRowAndStopsAtTheLast) {
    EXPECT_EQ(rowAfterDown(0, 5), 1);
    EXPECT_EQ(rowAfterDown(3, 5), 4);
    EXPECT_EQ(rowAfterDown(4, 5), 4);
    EXPECT_EQ(rowAfterDown(0, 1), 0);
}

TEST(ListNavigationTest, UpMovesToThePreviousRowAndStopsAtTheFirst) {
    EXPECT_EQ(rowAfterUp(4, 5), 3);
    EXPECT_EQ(rowAfterUp(1, 5), 0);
    EXPECT_EQ(rowAfterUp(0, 5), 0);
    EXPECT_EQ(rowAfterUp(0, 1), 0);
}

TEST(ListNavigationTest, WithoutASelectionBothSelectTheFirstRow) {
    EXPECT_EQ(rowAfterDown(kNoRow, 5), 0);
    EXPECT_EQ(rowAfterUp(kNoRow, 5), 0);
}

TEST(ListNavigationTest, EmptyListKeepsNoRowSelected) {
    EXPECT_EQ(rowAfterDown(kNoRow, 0), kNoRow);
    EXPECT_EQ(rowAfterUp(kNoRow, 0), kNoRow);
}

}  // namespace
}  // namespace sockwright
