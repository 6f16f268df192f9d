#include "gui/controls/edit_filter.h"

namespace brelvo::gui {

namespace {

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsClipboardKey(char16_t c) {
    return c == edit_char::kCopy || c == edit_char::kPaste || c == edit_char::kCut ||
           c == edit_char::kUndo;
}

bool ModeAccepts(EditMode mode, char16_t c) {
    switch (mode) {
        case EditMode::AnyCharacter:
            return true;
        case EditMode::DigitsOnly:
            return IsAsciiDigit(c);
        case EditMode::LettersOnly:
            return IsAsciiLetter(c);
        case EditMode::LettersAndDigits:
            return IsAsciiDigit(c) || IsAsciiLetter(c);
    }
    return false;
}

}  // namespace

bool AcceptsTypedCharacter(char16_t typed, EditMode mode, std::u16string_view forbidden,
                           bool clipboardLocked) {
    if (forbidden.find(typed) != std::u16string_view::npos) {
        return false;
    }
    if (!ModeAccepts(mode, typed) && typed != edit_char::kBackspace && !IsClipboardKey(typed)) {
        return false;
    }
    return !(clipboardLocked && IsClipboardKey(typed));
}

}  // namespace brelvo::gui
