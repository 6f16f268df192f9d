#include "gui/controls/ct_edit.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace brelvo::gui {

namespace {
const QColor kBottomLineColor{207, 207, 207};
}  // namespace

std::optional<char16_t> TypedCharacter(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy)) {
        return edit_char::kCopy;
    }
    if (event.matches(QKeySequence::Paste)) {
        return edit_char::kPaste;
    }
    if (event.matches(QKeySequence::Cut)) {
        return edit_char::kCut;
    }
    if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)) {
        return edit_char::kUndo;
    }
    if (event.key() == Qt::Key_Backspace) {
        return edit_char::kBackspace;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint()) {
        return std::nullopt;
    }
    return text.front().unicode();
}

CTEdit::CTEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
}

void CTEdit::SetInputMode(EditMode mode) {
    mode_ = mode;
}

void CTEdit::SetForbiddenCharacters(const QString& characters) {
    forbidden_ = characters.toStdU16String();
}

void CTEdit::SetClipboardLock(bool locked) {
    clipboardLocked_ = locked;
    setAcceptDrops(!locked);
}

bool CTEdit::Accepts(char16_t typed) const {
    return AcceptsTypedCharacter(typed, mode_, forbidden_, clipboardLocked_);
}

bool CTEdit::ShouldFilter() const {
    return mode_ != EditMode::AnyCharacter || !forbidden_.empty();
}

void CTEdit::keyPressEvent(QKeyEvent* event) {
    const std::optional<char16_t> typed = TypedCharacter(*event);
    bool accepted = !typed || Accepts(*typed);
    // A key that types several characters at once (a dead key and its letter) goes in whole or
    // not at all.
    if (accepted && typed && event->text().size() > 1) {
        const QString text = event->text();
        accepted = std::all_of(text.begin(), text.end(),
                               [this](QChar c) { return !c.isPrint() || Accepts(c.unicode()); });
    }
    if (!accepted) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CTEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Text composed by an input method is typed text too.
    if (!ShouldFilter() || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString kept;
    for (const QChar c : event->commitString()) {
        if (Accepts(c.unicode())) {
            kept.append(c);
        }
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

void CTEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (clipboardLocked_) {
        event->accept();
        return;
    }
    QLineEdit::contextMenuEvent(event);
}

void CTEdit::mousePressEvent(QMouseEvent* event) {
    if (clipboardLocked_ && event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void CTEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the primary selection on X11.
    if (clipboardLocked_ && event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CTEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kBottomLineColor);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

}  // namespace brelvo::gui
