// The main window: a frameless skinned window with the left-hand menu, the page host on its
// right, three caption buttons (hide, close, the Help menu) and the tray icon. It lives from
// start-up to exit; hidden, it keeps every page and timer running.
#pragma once

#include <QMenu>
#include <QSystemTrayIcon>

#include <array>
#include <memory>

#include "gui/controls/ct_dialog.h"
#include "gui/support/child_dlg.h"

class QAction;

namespace brelvo::gui {

class CMenuDlg;
class CTButtonPicture;

class CApplicationDlg : public CTDialog {
    Q_OBJECT

public:
    static constexpr int kMenuTop = 158;
    static constexpr int kHostTop = 86;
    static constexpr int kHostLeft = 165;
    static constexpr int kWidth = kHostLeft + CChildDlg::kWidth;
    static constexpr int kHeight = kHostTop + CChildDlg::kHeight;

    // The Help menu's commands, each opening the web address the language file gives its key.
    enum HelpItem { kHelpProduct, kHelpSupport, kHelpContact, kHelpHelp, kHelpItemCount };

    CApplicationDlg(HostResources resources, const PageFactory& factory, QWidget* parent = nullptr,
                    PageHostTimings timings = {});
    ~CApplicationDlg() override;

    CMenuDlg& Menu() const { return *menu_; }
    CChildDlg& Host() const { return *host_; }
    CTButtonPicture& HideButton() const { return *hide_; }
    CTButtonPicture& CloseButton() const { return *close_; }
    CTButtonPicture& HelpButton() const { return *help_; }
    QMenu& HelpMenu() { return helpMenu_; }
    QMenu& TrayMenu() { return trayMenu_; }
    QSystemTrayIcon& TrayIcon() { return tray_; }
    QAction& HelpAction(HelpItem item) const { return *helpActions_[item]; }
    QAction& ShowUtilityAction() const { return *showAction_; }
    QAction& ExitAction() const { return *exitAction_; }

public slots:
    // Button 1002: out of sight. With a tray to bring it back it leaves the taskbar too;
    // without one it is only minimised, as a hidden window could then never come back.
    void OnHideButton();
    // "Show Utility" and a double click on the tray icon.
    void ShowUtility();
    void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
    // Button 1001: the Help menu below the cursor.
    void OnHelpButton();
    void OpenHelpUrl(HelpItem item);

private:
    void BuildCaptionButtons(const core::SkinPaths& skin);
    void BuildHelpMenu(const core::SkinPaths& skin);
    void BuildTray(const QIcon& icon);
    void CentreOnScreen();

    CTButtonPicture* hide_;   // 1002, child of the window
    CTButtonPicture* close_;  // 1000, child of the window
    CTButtonPicture* help_;   // 1001, child of the window
    QMenu helpMenu_;
    std::array<QAction*, kHelpItemCount> helpActions_{};  // owned by helpMenu_
    QMenu trayMenu_;
    QAction* showAction_ = nullptr;  // owned by trayMenu_
    QAction* exitAction_ = nullptr;  // owned by trayMenu_
    QSystemTrayIcon tray_;
    bool trayShown_ = false;
    std::unique_ptr<CMenuDlg> menu_;
    std::unique_ptr<CChildDlg> host_;
};

}  // namespace brelvo::gui
