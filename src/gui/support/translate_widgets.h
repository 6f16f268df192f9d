// Translation of what the window shows: a dialog's title and the texts of all its descendant
// widgets, the items of a menu and its sub-menus, the items of a combo box. Every page and
// pop-up translates itself at the start of its initialisation.
#pragma once

#include <QString>

class QComboBox;
class QMenu;
class QWidget;

namespace brelvo::gui {

// Translate of the core, on Qt strings.
QString Tr(const QString& text);
QString Tr(const char* text);
// A text with "%d" placeholders: translated first, then formatted.
QString TrFormat(const char* text, long long value);
QString TrFormat(const char* text, long long first, long long second);

// Translates a widget's title and every descendant's text, once per widget: a widget already
// translated is skipped, so a child reached through its parent is not translated twice.
// Line edits, list views, date/time edits, progress bars and spin boxes keep their texts, and
// so does a text of exactly "...".
void TranslateWindow(QWidget* dialog);
void TranslateMenu(QMenu* menu);
void TranslateComboItems(QComboBox* combo);

}  // namespace brelvo::gui
