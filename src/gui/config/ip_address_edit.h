// An IPv4 address field of four number boxes, as the configuration forms and pop-ups take
// addresses. Its text is "" while every box is blank, else the four boxes joined by dots (a
// blank box stays empty, so a half-typed address fails the address rules instead of being
// completed with zeros).
#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QLineEdit;

namespace brelvo::gui {

class CIpAddressEdit : public QWidget {
    Q_OBJECT

public:
    explicit CIpAddressEdit(QWidget* parent = nullptr);

    QString Text() const;
    // "a.b.c.d"; an empty text blanks every box.
    void SetText(const QString& text);
    void Clear();

    QLineEdit& Part(int index) const { return *parts_[static_cast<std::size_t>(index)]; }

signals:
    void TextChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLineEdit*, 4> parts_{};
};

}  // namespace brelvo::gui
