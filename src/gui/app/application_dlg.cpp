#include "gui/app/application_dlg.h"

#include <QAction>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QUrl>

#include "gui/app/menu_dlg.h"
#include "gui/controls/ct_button_picture.h"
#include "gui/support/theme_qt.h"
#include "gui/support/translate_widgets.h"

namespace brelvo::gui {

namespace {

constexpr int kCaptionButtonSize = 20;
constexpr int kCaptionButtonTop = 10;
constexpr int kCaptionButtonStep = 26;
// Where the Help menu opens from the cursor.
constexpr QPoint kHelpMenuOffset{-6, 30};

struct HelpEntry {
    const char* caption;
    const char* url_key;  // the language file's key of the web address
};

constexpr std::array<HelpEntry, CApplicationDlg::kHelpItemCount> kHelpEntries{{
    {"Product", "Product_url"},
    {"Support", "Support_url"},
    {"Contact Us", "Contact_url"},
    {"Help", "Help_url"},
}};

// The window icon lies with the skin pictures.
QString ApplicationIconPath(const core::SkinPaths& skin) {
    return ToQString(skin.main_bk.parent_path() / "Application.ico");
}

}  // namespace

CApplicationDlg::CApplicationDlg(HostResources resources, const PageFactory& factory,
                                 QWidget* parent, PageHostTimings timings)
    : CTDialog(parent, Kind::PopUp),
      hide_(new CTButtonPicture(this)),
      close_(new CTButtonPicture(this)),
      help_(new CTButtonPicture(this)) {
    // A main window of its own (with a taskbar entry), drawn entirely by the skin.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("Brelvo"));

    const QIcon icon(ApplicationIconPath(resources.skin));
    setWindowIcon(icon);

    TranslateWindow(this);
    SetBackgroundPicture(ToQString(resources.skin.main_bk));
    EnableMoveByDragging();

    hide_->setToolTip(Tr("Min"));
    close_->setToolTip(Tr("Close"));
    help_->setToolTip(Tr("Info"));
    BuildCaptionButtons(resources.skin);
    BuildHelpMenu(resources.skin);
    BuildTray(icon);
    CentreOnScreen();

    menu_ = std::make_unique<CMenuDlg>(resources.theme, resources.skin, this);
    menu_->move(0, kMenuTop);
    menu_->show();
    host_ = std::make_unique<CChildDlg>(resources, factory, this, timings);
    host_->move(kHostLeft, kHostTop);
    host_->show();

    connect(menu_.get(), &CMenuDlg::PageSelected, host_.get(), &CChildDlg::ShowPage);
    connect(host_.get(), &CChildDlg::MenuEnableRequested, menu_.get(), &CMenuDlg::EnableMenu);
}

CApplicationDlg::~CApplicationDlg() {
    tray_.hide();
    host_.reset();
    menu_.reset();
}

void CApplicationDlg::BuildCaptionButtons(const core::SkinPaths& skin) {
    struct Caption {
        CTButtonPicture* button;
        const std::filesystem::path& picture;
        const char* name;
    };
    // Right to left: close, hide, help.
    const std::array<Caption, 3> captions{{
        {close_, skin.close_normal, "closeButton"},
        {hide_, skin.min_normal, "hideButton"},
        {help_, skin.help_normal, "helpButton"},
    }};
    int left = kWidth - kCaptionButtonStep - 4;
    for (const Caption& caption : captions) {
        caption.button->setObjectName(QString::fromLatin1(caption.name));
        caption.button->SetPicture(ToQString(caption.picture));
        caption.button->setFocusPolicy(Qt::NoFocus);
        caption.button->setGeometry(left, kCaptionButtonTop, kCaptionButtonSize,
                                    kCaptionButtonSize);
        left -= kCaptionButtonStep;
    }
    connect(hide_, &CTButtonPicture::clicked, this, &CApplicationDlg::OnHideButton);
    connect(close_, &CTButtonPicture::clicked, this, &CApplicationDlg::accept);
    connect(help_, &CTButtonPicture::clicked, this, &CApplicationDlg::OnHelpButton);
}

void CApplicationDlg::BuildHelpMenu(const core::SkinPaths& skin) {
    const std::array<const std::filesystem::path*, kHelpItemCount> pictures{
        &skin.help_product_normal, &skin.help_support_normal, &skin.help_contact_normal,
        &skin.help_help_normal};
    for (int item = 0; item < kHelpItemCount; ++item) {
        QAction* action = helpMenu_.addAction(QIcon(ToQString(*pictures[item])),
                                              QString::fromLatin1(kHelpEntries[item].caption));
        connect(action, &QAction::triggered, this,
                [this, item] { OpenHelpUrl(static_cast<HelpItem>(item)); });
        helpActions_[item] = action;
    }
    TranslateMenu(&helpMenu_);
}

void CApplicationDlg::BuildTray(const QIcon& icon) {
    showAction_ = trayMenu_.addAction(QStringLiteral("Show Utility"));
    exitAction_ = trayMenu_.addAction(QStringLiteral("Exit"));
    TranslateMenu(&trayMenu_);
    connect(showAction_, &QAction::triggered, this, &CApplicationDlg::ShowUtility);
    connect(exitAction_, &QAction::triggered, this, &CApplicationDlg::accept);

    tray_.setIcon(icon);
    tray_.setToolTip(Tr("Brelvo"));
    tray_.setContextMenu(&trayMenu_);
    connect(&tray_, &QSystemTrayIcon::activated, this, &CApplicationDlg::OnTrayActivated);
    trayShown_ = QSystemTrayIcon::isSystemTrayAvailable();
    if (trayShown_)
        tray_.show();
}

void CApplicationDlg::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void CApplicationDlg::OnHideButton() {
    if (trayShown_ && tray_.isVisible())
        hide();
    else
        showMinimized();
}

void CApplicationDlg::ShowUtility() {
    showNormal();
    raise();
    activateWindow();
}

void CApplicationDlg::OnTrayActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick)
        ShowUtility();
}

void CApplicationDlg::OnHelpButton() {
    raise();
    activateWindow();
    helpMenu_.popup(QCursor::pos() + kHelpMenuOffset);
}

void CApplicationDlg::OpenHelpUrl(HelpItem item) {
    // A language file without the key gives the key itself, which is no address: nothing is
    // opened then, rather than handing the desktop a name it would complain about.
    const QUrl url(Tr(kHelpEntries[item].url_key));
    if (!url.isValid() || url.scheme().isEmpty())
        return;
    QDesktopServices::openUrl(url);
}

}  // namespace brelvo::gui
