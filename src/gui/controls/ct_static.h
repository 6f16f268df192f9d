// A static text in the colours and font its page gives it, on a see-through background unless
// told otherwise.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>

namespace brelvo::gui {

class CTStatic : public QLabel {
    Q_OBJECT

public:
    explicit CTStatic(QWidget* parent = nullptr);

    void SetText(const QString& text);
    void SetFontAndColors(const QFont& font, const QColor& textColor, const QColor& background);
    void SetTextColor(const QColor& color);
    void SetBackgroundColor(const QColor& color);
    // On: the parent shows through; off: the background colour is painted behind the text.
    void SetTransparent(bool transparent);

    QColor TextColor() const { return textColor_; }
    QColor BackgroundColor() const { return background_; }
    bool IsTransparent() const { return transparent_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyTextColor();

    QColor textColor_{Qt::black};
    QColor background_{Qt::white};
    bool transparent_ = true;
};

}  // namespace brelvo::gui
