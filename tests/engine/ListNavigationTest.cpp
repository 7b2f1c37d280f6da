#include <gtest/gtest.h>

#include "engine/ListNavigation.h"

namespace sockwright {
namespace {

// Down and Up move one row and stop at the ends; without a selection (-1) both select the first
// row; an empty list keeps no row selected.
TEST(ListNavigationTest, DownAndUpMoveOneRowInsideTheList) {
    struct Row {
        int selected, rowCount, down, up;
    };
    const Row rows[] = {
        {0, 5, 1, 0}, {3, 5, 4, 2}, {4, 5, 4, 3}, {0, 1, 0, 0}, {-1, 5, 0, 0}, {-1, 0, -1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.selected << " of " << row.rowCount);
        EXPECT_EQ(rowAfterDown(row.selected, row.rowCount), row.down);
        EXPECT_EQ(rowAfterUp(row.selected, row.rowCount), row.up);
    }
}

}  // namespace
}  // namespace sockwright
