#pragma once

namespace sockwright {

// Dialog units in pixels for the 8-point base font: 1.5 pixels across and 1.625 pixels down per
// unit, rounded to the nearest pixel.
constexpr int dialogUnitsAcross(int units) {
    return (units * 3 + 1) / 2;
}
constexpr int dialogUnitsDown(int units) {
    return (units * 13 + 4) / 8;
}

}  // namespace sockwright
