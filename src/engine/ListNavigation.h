#pragma once

namespace sockwright {

// The row that Down selects from the selected row (-1 for none) in a list of rowCount rows.
// -1 means no row is selected.
int rowAfterDown(int selectedRow, int rowCount);
// The row that Up selects; -1 on an empty list.
int rowAfterUp(int selectedRow, int rowCount);

}  // namespace sockwright
