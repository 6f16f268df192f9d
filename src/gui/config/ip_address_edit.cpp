#include "gui/config/ip_address_edit.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "gui/views/qt_child.h"

namespace brelvo::gui {

CIpAddressEdit::CIpAddressEdit(QWidget* parent) : QWidget(parent) {
    auto* row = MakeChild<QHBoxLayout>(this);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(0);
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("brelvo--gui--CIpAddressEdit { background: white; border: 1px "
                       "solid rgb(207,207,207); }"));
    setAttribute(Qt::WA_StyledBackground);
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        if (i > 0) {
            auto* dot = MakeChild<QLabel>(QStringLiteral("."), this);
            row->addWidget(dot);
        }
        auto* part = MakeChild<QLineEdit>(this);
        part->setFrame(false);
        part->setAlignment(Qt::AlignCenter);
        part->setMaxLength(3);
        part->setValidator(MakeChild<QIntValidator>(0, 255, part));
        part->installEventFilter(this);
        connect(part, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            // The validator lets three digits above 255 through as unfinished input; a number
            // cannot go beyond 255, as in an address control.
            if (text.toInt() > 255)
                parts_[i]->setText(QStringLiteral("255"));
            // Three digits fill a box; typing goes on in the next one.
            if (text.size() == 3 && i + 1 < parts_.size()) {
                parts_[i + 1]->setFocus();
                parts_[i + 1]->selectAll();
            }
        });
        connect(part, &QLineEdit::textChanged, this, &CIpAddressEdit::TextChanged);
        row->addWidget(part, 1);
        parts_[i] = part;
    }
}

QString CIpAddressEdit::Text() const {
    QStringList texts;
    bool allBlank = true;
    for (const QLineEdit* part : parts_) {
        texts << part->text();
        allBlank = allBlank && part->text().isEmpty();
    }
    return allBlank ? QString() : texts.join(QLatin1Char('.'));
}

void CIpAddressEdit::SetText(const QString& text) {
    const QStringList texts = text.split(QLatin1Char('.'));
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const int index = static_cast<int>(i);
        parts_[i]->setText(!text.isEmpty() && index < texts.size() ? texts[index] : QString());
    }
}

void CIpAddressEdit::Clear() {
    SetText(QString());
}

bool CIpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (std::size_t i = 0; i + 1 < parts_.size(); ++i) {
            // A dot moves on to the next number, as in an address control.
            if (watched == parts_[i] && key->text() == QStringLiteral(".")) {
                parts_[i + 1]->setFocus();
                parts_[i + 1]->selectAll();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace brelvo::gui
