#include "gui/support/wait_dlg.h"

#include <QProgressBar>

#include "gui/controls/ct_button_picture.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"

namespace brelvo::gui {

namespace {

constexpr int kCloseButtonSize = 16;
constexpr int kMargin = 4;

}  // namespace

CWaitDlg::CWaitDlg(core::DeviceEngine& engine, const core::SkinPaths& skin,
                   core::WaitPopupSettings settings, QWidget* parent)
    : CTDialog(parent, Kind::PopUp),
      engine_(engine),
      countdown_(core::WaitCountdown(settings)),
      progress_(new QProgressBar(this)),
      close_(new CTButtonPicture(this)) {
    setModal(true);
    setFixedSize(kWidth, kHeight);

    TranslateWindow(this);
    EnableMoveByDragging();
    SetFillColor(QColor(242, 242, 242));

    close_->SetPicture(ToQString(skin.close_wait));
    close_->setGeometry(kWidth - kCloseButtonSize - 2, 2, kCloseButtonSize, kCloseButtonSize);
    // Closing early skips the searches still to come: the operator has decided not to wait.
    connect(close_, &CTButtonPicture::clicked, this, [this] {
        tickTimer_.stop();
        accept();
    });

    progress_->setRange(0, countdown_.total());
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setGeometry(kMargin * 3, kCloseButtonSize + 2 + kMargin, kWidth - kMargin * 6,
                           kHeight - kCloseButtonSize - 2 - 3 * kMargin);

    tickTimer_.setInterval(core::kWaitTickPeriod);
    connect(&tickTimer_, &QTimer::timeout, this, &CWaitDlg::OnTick);
    tickTimer_.start();
}

CWaitDlg::CWaitDlg(PageServices& services, core::WaitPopupSettings settings, QWidget* parent)
    : CWaitDlg(services.engine, services.skin, settings, parent) {}

void CWaitDlg::OnTick() {
    const core::CountdownStep step = countdown_.Tick();
    if (step.leave_notice)
        engine_.SendLeaveToFound();
    if (step.search)
        engine_.SearchDevices();
    progress_->setValue(step.position);
    if (step.finished) {
        tickTimer_.stop();
        accept();
    }
}

}  // namespace brelvo::gui
