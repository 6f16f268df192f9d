#include "gui/config/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace brelvo::gui {

bool ShowBox(QWidget* parent, core::BoxKind kind, const QString& text) {
    QMessageBox box(parent);
    box.setText(text);
    switch (kind) {
        case core::BoxKind::kPlain:
            box.setIcon(QMessageBox::NoIcon);
            box.setWindowTitle(QApplication::applicationDisplayName());
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case core::BoxKind::kWarning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle(QString());
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case core::BoxKind::kTitledWarning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle(QApplication::applicationDisplayName());
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case core::BoxKind::kConfirm:
            box.setIcon(QMessageBox::Question);
            box.setWindowTitle(QString());
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
    }
    return box.exec() == QMessageBox::Ok;
}

void ShowRuleFailure(QWidget* parent, const core::RuleFailure& failure) {
    ShowBox(parent, failure.box, QString::fromStdString(failure.message));
}

}  // namespace brelvo::gui
