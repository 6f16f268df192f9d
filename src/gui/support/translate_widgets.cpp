#include "gui/support/translate_widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QWidget>

#include <unordered_set>

#include "core/support/translation.h"

namespace brelvo::gui {

namespace {

// Widgets translated so far. A widget leaves the set when it is destroyed: a new widget that
// the allocator happens to place at the same address is a different window and must be
// translated like any other.
class TranslatedWidgets {
public:
    // True the first time a widget is seen.
    bool Add(QWidget* widget) {
        if (!seen_.insert(widget).second)
            return false;
        // Tied to `context_`, so that no widget outliving this set calls back into it.
        QObject::connect(widget, &QObject::destroyed, &context_,
                         [this](QObject* gone) { seen_.erase(gone); });
        return true;
    }

private:
    QObject context_;
    std::unordered_set<const QObject*> seen_;
};

TranslatedWidgets& Translated() {
    static TranslatedWidgets widgets;
    return widgets;
}

// Widgets whose text is the operator's data or a value, never a caption.
bool KeepsItsText(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||  // date/time edits too
           qobject_cast<const QProgressBar*>(widget) != nullptr;
}

// A caption only when it is there and is not the "..." of a browse button.
bool IsCaption(const QString& text) {
    return !text.isEmpty() && text != QStringLiteral("...");
}

void TranslateCaption(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (IsCaption(label->text())) {
            if (const QString translated = Tr(label->text()); !translated.isEmpty())
                label->setText(translated);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (IsCaption(button->text())) {
            if (const QString translated = Tr(button->text()); !translated.isEmpty())
                button->setText(translated);
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        if (IsCaption(group->title())) {
            if (const QString translated = Tr(group->title()); !translated.isEmpty())
                group->setTitle(translated);
        }
    }
}

}  // namespace

QString Tr(const QString& text) {
    if (text.isEmpty())
        return {};
    return QString::fromStdString(core::Translate(text.toStdString()));
}

QString Tr(const char* text) {
    if (text == nullptr)
        return {};
    return QString::fromStdString(core::Translate(text));
}

QString TrFormat(const char* text, long long value) {
    return QString::fromStdString(core::TranslateFormat(text == nullptr ? "" : text, value));
}

QString TrFormat(const char* text, long long first, long long second) {
    return QString::fromStdString(
        core::TranslateFormat(text == nullptr ? "" : text, first, second));
}

void TranslateWindow(QWidget* dialog) {
    if (dialog == nullptr || !Translated().Add(dialog))
        return;
    if (const QString title = dialog->windowTitle(); !title.isEmpty()) {
        const QString translated = Tr(title);
        if (!translated.isEmpty() && translated != title)
            dialog->setWindowTitle(translated);
    }
    // Every descendant, children before grandchildren of later children: the same set of
    // widgets as a walk of the whole tree, each met once.
    const QList<QWidget*> descendants = dialog->findChildren<QWidget*>();
    for (QWidget* widget : descendants) {
        if (!Translated().Add(widget))
            continue;
        if (KeepsItsText(widget))
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            TranslateComboItems(combo);
            continue;
        }
        TranslateCaption(widget);
    }
}

void TranslateMenu(QMenu* menu) {
    if (menu == nullptr)
        return;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString text = action->text();
        const QString translated = Tr(text);
        if (!translated.isEmpty() && translated != text)
            action->setText(translated);
        if (QMenu* sub_menu = action->menu())
            TranslateMenu(sub_menu);
    }
}

void TranslateComboItems(QComboBox* combo) {
    if (combo == nullptr)
        return;
    // Replacing the texts in place keeps each item's data and the selection; no selection
    // signal is sent, as the choice has not changed.
    for (int index = 0; index < combo->count(); ++index)
        combo->setItemText(index, Tr(combo->itemText(index)));
}

}  // namespace brelvo::gui
