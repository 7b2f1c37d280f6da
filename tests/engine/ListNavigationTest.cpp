#include <gtest/gtest.h>

#include "engine/ListNavigation.h"

namespace sockwright {
namespace {

// Down and Up move one row and stop at the ends; without a selection (-1) both select the first
// row; an empty list keeps no row selected.
TEST(ListNavigationTest, DownAndUpMoveOneRowInsideTheList) {
    // The selected row, the number of rows, the row after Down and the row after Up.
    const int rows[][4] = {{0, 5, 1, 0}, {3, 5, 4, 2},  {4, 5, 4, 3},
                           {0, 1, 0, 0}, {-1, 5, 0, 0}, {-1, 0, -1, -1}};
    for (const auto& [selected, rowCount, down, up] : rows) {
        SCOPED_TRACE(::testing::Message() << selected << " of " << rowCount);
        EXPECT_EQ(rowAfterDown(selected, rowCount), down);
        EXPECT_EQ(rowAfterUp(selected, rowCount), up);
    }
}

}  // namespace
}  // namespace sockwright
