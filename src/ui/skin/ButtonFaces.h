#pragma once

#include <array>
#include <string_view>

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

// The faces of the picture buttons, built into the program at these fixed sizes.
inline constexpr std::array<ButtonFace, 18> kButtonFaces{{
    {"OK", 43, 28, ButtonFaceArt::Word, "OK"},
    {"Cancel", 108, 30, ButtonFaceArt::Word, "CANCEL"},
    {"Next", 16, 14, ButtonFaceArt::ArrowRight, ""},
    {"Prev", 16, 14, ButtonFaceArt::ArrowLeft, ""},
    {"Up", 17, 11, ButtonFaceArt::ArrowUp, ""},
    {"Down", 17, 11, ButtonFaceArt::ArrowDown, ""},
    {"Logo", 116, 54, ButtonFaceArt::Logo, ""},
    {"Exit", 69, 29, ButtonFaceArt::Word, "EXIT"},
    {"Runes", 91, 30, ButtonFaceArt::Word, "RUNES"},
    {"Equipment", 167, 30, ButtonFaceArt::Word, "EQUIPMENT"},
    {"Title", 231, 46, ButtonFaceArt::Title, "SOCKWRIGHT"},
    {"About", 35, 56, ButtonFaceArt::Question, "?"},
    {"Character", 163, 30, ButtonFaceArt::Word, "CHARACTER"},
    {"Delete", 107, 30, ButtonFaceArt::Word, "DELETE"},
    {"New", 67, 30, ButtonFaceArt::Word, "NEW"},
    {"Edit", 70, 30, ButtonFaceArt::Word, "EDIT"},
    {"Update", 125, 42, ButtonFaceArt::TwoLines, "UPDATE\nAVAILABLE"},
    {"Plan", 81, 30, ButtonFaceArt::Word, "PLAN"},
}};

// The face of this name, or nullptr for a name that is not built in.
constexpr const ButtonFace* findButtonFace(std::string_view name) {
    for (const ButtonFace& face : kButtonFaces) {
        if (face.name == name) return &face;
    }
    return nullptr;
}

}  // namespace sockwright
