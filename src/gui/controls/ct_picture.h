// A picture box for a bitmap, JPEG or GIF file. An animated GIF plays frame by frame with each
// frame's own delay while the box is shown.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>

class QMovie;

namespace brelvo::gui {

class CTPicture : public QWidget {
    Q_OBJECT

public:
    explicit CTPicture(QWidget* parent = nullptr);
    ~CTPicture() override;

    // An empty path or a missing file shows nothing.
    void SetPicture(const QString& path);
    // Off (the default): the picture keeps its own size at the top-left corner. On: it is
    // stretched over the whole box.
    void SetStretch(bool stretch);

    bool IsAnimated() const { return movie_ != nullptr; }
    bool IsPlaying() const;
    int FrameNumber() const;
    QPixmap CurrentFrame() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPixmap still_;
    std::unique_ptr<QMovie> movie_;
    bool stretch_ = false;
};

}  // namespace brelvo::gui
