// The four kinds of message box the pages and pop-ups show: plain (OK, no icon, the
// application's title), warning (OK, warning icon, empty title), titled warning (OK, warning
// icon, the application's title) and confirmation (OK and Cancel, question icon, empty title).
// Texts arrive already translated.
#pragma once

#include <QString>

#include "core/rules/validation.h"

class QWidget;

namespace brelvo::gui {

// Runs the box modally; true when the operator pressed OK.
bool ShowBox(QWidget* parent, core::BoxKind kind, const QString& text);

// The message of a failed input rule, in the box the rule asks for.
void ShowRuleFailure(QWidget* parent, const core::RuleFailure& failure);

}  // namespace brelvo::gui
