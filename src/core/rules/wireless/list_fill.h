// What a list control shows: its items (text and item data) and which one is selected. The
// rules build these; a dialog only copies them into its combo boxes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace brelvo::core {

struct ListItem {
    std::string text;
    int data = 0;

    bool operator==(const ListItem&) const = default;
};

struct ListFill {
    std::vector<ListItem> items;
    std::optional<std::size_t> selected;  // nothing: no item selected

    // The item data of the selected item, as a form reads its choice back.
    std::optional<int> SelectedData() const {
        if (!selected || *selected >= items.size())
            return std::nullopt;
        return items[*selected].data;
    }

    bool operator==(const ListFill&) const = default;
};

// Position of the first item carrying `data`.
inline std::optional<std::size_t> FindItemData(const std::vector<ListItem>& items, int data) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].data == data)
            return i;
    }
    return std::nullopt;
}

// Selects the first item carrying `data`, else the item at `fallback` when there is one.
inline void SelectData(ListFill& list, int data, std::optional<std::size_t> fallback = 0) {
    list.selected = FindItemData(list.items, data);
    if (!list.selected && fallback && *fallback < list.items.size())
        list.selected = fallback;
}

}  // namespace brelvo::core
