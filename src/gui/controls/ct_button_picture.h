// A push button drawn from four state pictures with a caption on top.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <array>

namespace brelvo::gui {

enum class ButtonState { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

class CTButtonPicture : public QAbstractButton {
    Q_OBJECT

public:
    explicit CTButtonPicture(QWidget* parent = nullptr);

    // One picture per state; a missing file shows nothing for that state.
    void SetPictures(const QString& normal, const QString& hover, const QString& pressed,
                     const QString& disabled);
    // The same picture in every state (page action buttons, caption buttons).
    void SetPicture(const QString& path);
    // A left-menu button: `normal` while normal or disabled, `down` while hovered or pressed.
    void SetMenuPictures(const QString& normal, const QString& down);

    void SetCaption(const QString& caption);
    void SetCaptionFont(const QFont& font);
    void SetCaptionColors(const QColor& normal, const QColor& hoverAndPressed);
    void SetDisabledCaptionColor(const QColor& color);
    // An alignment code of caption_align and a side margin in pixels.
    void SetAlignment(int alignmentCode, int margin = 0);

    // Decided afresh on every draw: disabled, else pressed (held down, or checked when the
    // button is checkable, as the selected menu button is), else hover, else normal.
    ButtonState CurrentState() const;
    const QPixmap& StatePicture(ButtonState state) const;
    QColor CaptionColor(ButtonState state) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::array<QPixmap, 4> pictures_;
    QFont captionFont_;
    QColor normalColor_;
    QColor hoverColor_;
    QColor disabledColor_;
    int alignment_;
    int margin_ = 0;
    bool mouseInside_ = false;
};

}  // namespace brelvo::gui
