#pragma once

#include <array>
#include <string_view>

#include "ui/MainWindowLayout.h"

namespace sockwright {

// What a button face shows, white or olive on black.
enum class ButtonFaceArt {
    Word,        // the face's text in white capitals
    TwoLines,    // the face's two lines of text ("\n" between them), one above the other
    ArrowLeft,   // an olive triangle pointing left
    ArrowRight,  // an olive triangle pointing right
    ArrowUp,     // an olive triangle pointing up
    ArrowDown,   // an olive triangle pointing down
    Title,       // the program's name under its owner's
    Question,    // a large question mark
    Logo,        // the program's mark
};

struct ButtonFace {
    std::string_view name;  // also the resource name, ":/images/<name>.bmp"
    int width;
    int height;
    ButtonFaceArt art;
    std::string_view text;  // the words shown, for the faces that show words
};

// The face of a main window control fills its rectangle exactly.
constexpr ButtonFace faceFilling(std::string_view name, const layout::Rect& control,
                                 ButtonFaceArt art, std::string_view text) {
    return {name, control.width, control.height, art, text};
}

// The faces of the picture buttons, built into the program at these fixed sizes.
inline constexpr std::array<ButtonFace, 18> kButtonFaces{{
    {"OK", 43, 28, ButtonFaceArt::Word, "OK"},
    {"Cancel", 108, 30, ButtonFaceArt::Word, "CANCEL"},
    {"Next", 16, 14, ButtonFaceArt::ArrowRight, ""},
    {"Prev", 16, 14, ButtonFaceArt::ArrowLeft, ""},
    faceFilling("Up", layout::kUp, ButtonFaceArt::ArrowUp, ""),
    faceFilling("Down", layout::kDown, ButtonFaceArt::ArrowDown, ""),
    faceFilling("Logo", layout::kLogo, ButtonFaceArt::Logo, ""),
    faceFilling("Exit", layout::kOk, ButtonFaceArt::Word, "EXIT"),
    faceFilling("Runes", layout::kSelectRunes, ButtonFaceArt::Word, "RUNES"),
    faceFilling("Equipment", layout::kSelectEquipment, ButtonFaceArt::Word, "EQUIPMENT"),
    faceFilling("Title", layout::kTitle, ButtonFaceArt::Title, "SOCKWRIGHT"),
    faceFilling("About", layout::kAbout, ButtonFaceArt::Question, "?"),
    faceFilling("Character", layout::kSelectCharacter, ButtonFaceArt::Word, "CHARACTER"),
    {"Delete", 107, 30, ButtonFaceArt::Word, "DELETE"},
    {"New", 67, 30, ButtonFaceArt::Word, "NEW"},
    {"Edit", 70, 30, ButtonFaceArt::Word, "EDIT"},
    faceFilling("Update", layout::kUpdate, ButtonFaceArt::TwoLines, "UPDATE\nAVAILABLE"),
    faceFilling("Plan", layout::kPlan, ButtonFaceArt::Word, "PLAN"),
}};

// The face of this name, or nullptr for a name that is not built in.
constexpr const ButtonFace* findButtonFace(std::string_view name) {
    for (const ButtonFace& face : kButtonFaces) {
        if (face.name == name) return &face;
    }
    return nullptr;
}

}  // namespace sockwright
