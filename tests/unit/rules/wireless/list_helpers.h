// Reading list fills back in tests: the item texts, the item data and the selected item.
#pragma once

#include <string>
#include <vector>

#include "core/rules/wireless/list_fill.h"
#include "core/support/translation.h"

namespace brelvo::test {

inline std::vector<int> DataOf(const core::ListFill& list) {
    std::vector<int> data;
    for (const auto& item : list.items)
        data.push_back(item.data);
    return data;
}

inline std::vector<std::string> TextsOf(const core::ListFill& list) {
    std::vector<std::string> texts;
    for (const auto& item : list.items)
        texts.push_back(item.text);
    return texts;
}

// Texts as the program shows them in the language loaded (English wording when none is).
inline std::vector<std::string> Translated(const std::vector<std::string>& english) {
    std::vector<std::string> texts;
    for (const auto& text : english)
        texts.push_back(core::Translate(text));
    return texts;
}

}  // namespace brelvo::test
