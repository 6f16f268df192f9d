// Acts on the next modal window (a pop-up or a message box) once it has opened: a page that
// runs a pop-up modally waits in it, so the test has to act from inside the modal loop.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace brelvo::test {

class ModalHandler : public QObject {
public:
    explicit ModalHandler(std::function<void(QWidget*)> act) : act_(std::move(act)) {
        connect(&poll_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == ignored_)
                return;
            poll_.stop();
            ran_ = true;
            act_(modal);
        });
        poll_.start(5);
    }
    // A modal window that is already open when the handler is made is not the one it waits for.
    void Ignore(QWidget* modal) { ignored_ = modal; }
    bool Ran() const { return ran_; }

private:
    std::function<void(QWidget*)> act_;
    QTimer poll_;
    QPointer<QWidget> ignored_;
    bool ran_ = false;
};

// Presses OK on a message box and gives its text; an empty text when the window was no box.
inline QString PressOk(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        modal->close();
        return QString();
    }
    const QString text = box->text();
    box->button(QMessageBox::Ok)->click();
    return text;
}

}  // namespace brelvo::test
