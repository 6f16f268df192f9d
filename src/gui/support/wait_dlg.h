// The wait pop-up: a small modal progress bar shown while devices restart after a change. In
// its last seconds it may search for the devices again, so that the lists show them in their
// new state when it closes. It always ends with the Accepted result.
#pragma once

#include <QTimer>

#include "core/engine/device_engine.h"
#include "core/rules/timelines.h"
#include "core/support/theme.h"
#include "gui/app/page_services.h"
#include "gui/controls/ct_dialog.h"

class QProgressBar;

namespace brelvo::gui {

class CTButtonPicture;

class CWaitDlg : public CTDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 396;
    static constexpr int kHeight = 42;

    // `settings`: how long it runs, whether it searches and how many times (the callers'
    // table: 60 s with 3 searches for a reboot, 5 for a restore, and so on).
    CWaitDlg(core::DeviceEngine& engine, const core::SkinPaths& skin,
             core::WaitPopupSettings settings, QWidget* parent = nullptr);
    CWaitDlg(PageServices& services, core::WaitPopupSettings settings, QWidget* parent = nullptr);

    QProgressBar& ProgressBar() const { return *progress_; }
    CTButtonPicture& CloseButton() const { return *close_; }
    const QTimer& TickTimer() const { return tickTimer_; }
    int TickCounter() const { return countdown_.counter(); }
    int TotalTicks() const { return countdown_.total(); }

public slots:
    // Timer 1000, every 500 ms: one step of the countdown.
    void OnTick();

private:
    core::DeviceEngine& engine_;
    core::SearchCountdown countdown_;
    QProgressBar* progress_;  // child of the pop-up
    CTButtonPicture* close_;  // child of the pop-up
    QTimer tickTimer_;
};

}  // namespace brelvo::gui
