#include "engine/ListNavigation.h"

namespace sockwright {

int rowAfterDown(int selectedRow, int rowCount) {
    const int target = selectedRow + 1;
    return target >= rowCount ? rowCount - 1 : target;
}

int rowAfterUp(int selectedRow, int rowCount) {
    if (rowCount <= 0) return -1;
    const int target = selectedRow - 1;
    return target < 0 ? 0 : target;
}

}  // namespace sockwright
