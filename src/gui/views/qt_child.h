// Widgets and timers of a window are owned by their Qt parent, which deletes them with itself.
#pragma once

#include <memory>
#include <utility>

namespace brelvo::gui {

// A new object whose first constructor argument is its parent; the parent owns it from here on.
template <typename T, typename... Args>
T* MakeChild(Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)...).release();
}

}  // namespace brelvo::gui
