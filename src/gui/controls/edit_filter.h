// The character filter of the filtering edit box.
#pragma once

#include <string_view>

namespace brelvo::gui {

enum class EditMode {
    AnyCharacter = 0,
    DigitsOnly = 1,
    LettersOnly = 2,
    LettersAndDigits = 3,
};

// Control characters an edit box receives for the editing keys.
namespace edit_char {
inline constexpr char16_t kCopy = 3;  // Ctrl+C
inline constexpr char16_t kBackspace = 8;
inline constexpr char16_t kPaste = 22;  // Ctrl+V
inline constexpr char16_t kCut = 24;    // Ctrl+X
inline constexpr char16_t kUndo = 26;   // Ctrl+Z
}  // namespace edit_char

// Whether a typed character reaches the edit box, in this order: a forbidden character is
// dropped; the modes other than AnyCharacter accept their ASCII digits and/or letters plus
// Backspace and the four clipboard keys; with the clipboard locked the four clipboard keys are
// dropped.
bool AcceptsTypedCharacter(char16_t typed, EditMode mode, std::u16string_view forbidden,
                           bool clipboardLocked);

}  // namespace brelvo::gui
