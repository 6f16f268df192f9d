#include "gui/app/application_app.h"

#include <QApplication>
#include <QMessageBox>

#include <memory>

#include "core/engine/device_comm.h"
#include "core/store/sql_management.h"
#include "core/support/system_info.h"
#include "core/support/translation.h"
#include "gui/app/application_dlg.h"
#include "gui/app/page_factory.h"
#include "gui/app/termination_signals.h"

namespace brelvo::gui {

std::function<void(const std::string&)> StoreFailureBox() {
    auto shown = std::make_shared<bool>(false);
    return [shown](const std::string& message) {
        if (*shown)
            return;
        *shown = true;
        QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(message),
                        QMessageBox::Ok);
        box.exec();
    };
}

void CApplicationApp::LoadSettings(const std::filesystem::path& program_folder) {
    core::LoadLanguage(program_folder);
    const core::Settings settings(program_folder);
    theme_ = core::LoadTheme(settings);
    transport_ = core::ReadTransportSettings(settings);
    // After the language: the pictures with text in them follow it.
    skin_ = core::BuildSkinPaths(program_folder, core::LanguageId());
}

void CApplicationApp::StartEngineAndStore() {
    core::CDeviceComm& engine = core::CDeviceComm::Instance();
    engine_ = &engine;
    engine.Start(transport_.retransmission_max, transport_.retransmission_interval);
    store_ = &core::CSqlManagement::GetInstance();
}

int CApplicationApp::InitInstance(int& argc, char** argv) {
    lock_.emplace();
    if (lock_->another_instance_running())
        return 0;

    QApplication application(argc, argv);
    // The window may be hidden to the tray; only the window's own end closes the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // From here on a termination signal waits for the window's loop, which then ends at once.
    TerminationSignals termination;

    LoadSettings(core::GetProgramFolder());
    core::CSqlManagement::SetOpenFailureNotifier(StoreFailureBox());
    StartEngineAndStore();

    {
        CApplicationDlg window(HostResources{*store_, *engine_, theme_, skin_}, CreatePage);
        QObject::connect(&window, &CApplicationDlg::finished, &application, &QApplication::quit);
        QObject::connect(&termination, &TerminationSignals::Requested, &window,
                         &CApplicationDlg::accept);
        window.show();
        QApplication::exec();
    }
    core::CSqlManagement::SetOpenFailureNotifier({});
    return 0;
}

}  // namespace brelvo::gui
