// A single-line edit box that filters typed characters, can lock the clipboard and draws a thin
// line along its bottom edge.
#pragma once

#include <QLineEdit>
#include <QString>

#include <optional>
#include <string>

#include "gui/controls/edit_filter.h"

namespace brelvo::gui {

class CTEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CTEdit(QWidget* parent = nullptr);

    void SetInputMode(EditMode mode);
    void SetForbiddenCharacters(const QString& characters);
    // Locked: no paste, copy, cut or undo from the keyboard, no middle-button paste, no drop and
    // no context menu.
    void SetClipboardLock(bool locked);

    EditMode InputMode() const { return mode_; }
    bool ClipboardLocked() const { return clipboardLocked_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Accepts(char16_t typed) const;
    bool ShouldFilter() const;

    EditMode mode_ = EditMode::AnyCharacter;
    std::u16string forbidden_;
    bool clipboardLocked_ = false;
};

// The character a key press types, as the filter sees it: the clipboard and undo shortcuts
// (whatever keys the platform binds them to) as their control characters, Backspace as 8, a
// printable character as itself. Keys that type nothing (arrows, Delete, Home, ...) and other
// control characters give nothing: they are not filtered.
std::optional<char16_t> TypedCharacter(const QKeyEvent& event);

}  // namespace brelvo::gui
