#pragma once

namespace sockwright::textSize {

// The sizes of the skin's texts, in tenths of a point (110 is 11 points), by what they show.
inline constexpr int kContactLine = 80;     // the main window's contact line
inline constexpr int kHeading = 100;        // column headings, the planner's headings and search
inline constexpr int kListRow = 100;        // list rows and their menu
inline constexpr int kNotice = 100;         // the New Account dialog's warning
inline constexpr int kLabel = 110;          // a label's default; captions, names, messages
inline constexpr int kCharacterLine = 110;  // the main window's current character
inline constexpr int kEditField = 110;      // typed names
inline constexpr int kDetails = 130;        // detail text panels
inline constexpr int kRuneName = 140;       // the rune's name in its details dialog

}  // namespace sockwright::textSize
