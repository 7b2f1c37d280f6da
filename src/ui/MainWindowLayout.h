#pragma once

#include <array>

namespace sockwright::layout {

// Pixel rectangles of the main window. The background picture's frames and the window's
// controls are both placed from this one table, so they cannot drift apart.
struct Rect {
    int x;
    int y;
    int width;
    int height;
};

inline constexpr int kBackgroundWidth = 709;
inline constexpr int kBackgroundHeight = 563;
inline constexpr int kClientWidth = 708;
inline constexpr int kClientHeight = 557;

inline constexpr Rect kLogo{6, 3, 116, 54};
inline constexpr Rect kTitle{238, 6, 231, 46};
inline constexpr Rect kUpdate{536, 8, 125, 42};
inline constexpr Rect kAbout{669, 2, 35, 56};

// The frame around the column headings and the list, with a line between the two.
inline constexpr Rect kListFrame{44, 60, 620, 126};
inline constexpr int kListFrameDividerY = 80;
inline constexpr Rect kColumnHeadings{49, 64, 610, 16};
// Left edges of the four columns, relative to the list's left edge, and the last right edge.
// The number column is wide enough for its heading to stand clear of EQUIPMENT.
inline constexpr std::array<int, 4> kColumnLeft{0, 150, 350, 440};
inline constexpr int kColumnsRight = 610;
inline constexpr Rect kRunewordList{49, 82, 610, 100};
inline constexpr int kRunewordRowHeight = 20;

inline constexpr Rect kCharacterLine{49, 190, 560, 16};
inline constexpr Rect kUp{622, 192, 17, 11};
inline constexpr Rect kDown{642, 192, 17, 11};

inline constexpr int kRuneSlotCount = 6;
inline constexpr int kRuneSlotPitch = 40;
constexpr Rect runeSlotFrame(int index) {
    return {10, 212 + kRuneSlotPitch * index, 40, 40};
}
// A slot fills its frame's inside exactly, so that neither its black ground covers the frame's
// lines nor its 36-pixel picture (drawn one pixel in) sits off centre.
constexpr Rect runeSlot(int index) {
    return {11, 213 + kRuneSlotPitch * index, 38, 38};
}
inline constexpr Rect kLevelBadge{4, 454, 56, 36};

inline constexpr Rect kDetailsFrame{66, 208, 636, 286};
inline constexpr Rect kDetailsPanel{72, 214, 624, 274};

inline constexpr Rect kSelectEquipment{12, 504, 167, 30};
inline constexpr Rect kSelectRunes{189, 504, 91, 30};
inline constexpr Rect kSelectCharacter{290, 504, 163, 30};
// Centred in the room between Select Character and OK.
inline constexpr Rect kPlan{500, 504, 81, 30};
inline constexpr Rect kOk{629, 505, 69, 29};
inline constexpr Rect kContactLine{4, 540, 700, 14};

// Corner radii of the olive frames: the large ones, and the rune slots' small ones, tighter so
// that the square rune pictures inside keep clear of the curve. The Rune Planner's frames take
// the same corners.
inline constexpr int kFrameRadius = 6;
inline constexpr int kSlotFrameRadius = 3;

}  // namespace sockwright::layout
