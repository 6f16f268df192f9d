// The base of every page, wizard page and pop-up: paints a picture or a flat colour and a list
// of lines, may have rounded corners, a constant opacity and move by dragging anywhere.
#pragma once

#include <QColor>
#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace brelvo::gui {

// A line in client coordinates.
struct line_point {
    std::int32_t x1;
    std::int32_t y1;
    std::int32_t x2;
    std::int32_t y2;
};
static_assert(sizeof(line_point) == 16);

class CTDialog : public QDialog {
    Q_OBJECT

public:
    enum class Kind {
        Page,   // a child of a page host or of another dialog, shown in place
        PopUp,  // a window of its own without the standard frame
    };

    explicit CTDialog(QWidget* parent = nullptr, Kind kind = Kind::PopUp);

    // Stretched over the whole dialog; an empty path or a missing file removes it.
    void SetBackgroundPicture(const QString& path);
    // Fills the dialog with `color` whenever there is no background picture.
    void SetFillColor(const QColor& color);
    void SetFillBackground(bool fill);
    void AddLine(int x1, int y1, int x2, int y2);
    void ClearLines();
    void SetLinePen(int width, const QColor& color);
    // 0 keeps the window square.
    void SetCornerRadius(int radius);
    // 255 is opaque. Has a visible effect only on a dialog that is a window of its own.
    void SetOpacity(int opacity);
    void EnableMoveByDragging(bool enable = true);

    int CornerRadius() const { return cornerRadius_; }
    int Opacity() const { return opacity_; }
    const std::vector<line_point>& Lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyShape();

    QPixmap background_;
    bool fillBackground_ = false;
    QColor fillColor_{255, 255, 255};
    std::vector<line_point> lines_;
    int lineWidth_ = 1;
    QColor lineColor_{218, 218, 218};
    int cornerRadius_ = 0;
    int opacity_ = 255;
    bool moveByDragging_ = false;
    // Where the window's top-left corner lies from the cursor while it is dragged by hand
    // (when the window system does not move it for us).
    std::optional<QPoint> dragOffset_;
};

}  // namespace brelvo::gui
