// Fakes for the shell's tests: an engine that records its calls, a store that holds nothing,
// list pages that count their refreshes, and a language folder written by the test.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/support/theme.h"
#include "core/support/translation.h"
#include "fakes/quiet_fakes.h"
#include "gui/app/page_services.h"
#include "gui/support/child_dlg.h"

namespace brelvo::test {

class FakeEngine : public QuietDeviceEngine {
public:
    // Each call as "leave" or "search", with what `clock` returned at that moment.
    struct Call {
        std::string what;
        int when;
    };
    std::vector<Call> calls;
    std::function<int()> clock = [] { return 0; };

    void SearchDevices() override { calls.push_back({"search", clock()}); }
    void SendLeaveToFound() override { calls.push_back({"leave", clock()}); }
};

// The shell's tests look at no row; the store's answers only have to be harmless.
using FakeStore = QuietDeviceStore;

// What the fake pages saw, shared by all of them.
struct PageLog {
    std::vector<gui::PageId> created;
    std::vector<gui::PageId> destroyed;
    std::vector<gui::PageId> refreshed;
    std::vector<std::pair<gui::PageId, int>> went_to;
};

// A list page with an edit box, so that keys can be typed into a page.
class FakeListPage : public QWidget, public gui::DeviceListPage {
public:
    FakeListPage(gui::PageId id, PageLog& log, QWidget* parent)
        : QWidget(parent), id_(id), log_(log), edit_(new QLineEdit(this)) {
        resize(gui::CChildDlg::kWidth, gui::CChildDlg::kHeight);
        edit_->setGeometry(20, 20, 200, 24);
    }
    ~FakeListPage() override { log_.destroyed.push_back(id_); }

    void RefreshCurrentPage() override { log_.refreshed.push_back(id_); }
    void GoToPage(int page) override { log_.went_to.emplace_back(id_, page); }
    QLineEdit& Edit() const { return *edit_; }

private:
    gui::PageId id_;
    PageLog& log_;
    QLineEdit* edit_;
};

// A page that is not a list (install help, system tool).
class FakePlainPage : public QWidget {
public:
    FakePlainPage(gui::PageId id, PageLog& log, QWidget* parent)
        : QWidget(parent), id_(id), log_(log) {}
    ~FakePlainPage() override { log_.destroyed.push_back(id_); }

private:
    gui::PageId id_;
    PageLog& log_;
};

inline gui::PageFactory FakePageFactory(PageLog& log) {
    return [&log](gui::PageId id, gui::PageServices&, QWidget* parent) -> std::unique_ptr<QWidget> {
        log.created.push_back(id);
        if (id == gui::kPageInstallHelp || id == gui::kPageSystemTool)
            return std::make_unique<FakePlainPage>(id, log, parent);
        return std::make_unique<FakeListPage>(id, log, parent);
    };
}

// The committed skin, as the program folder's "Skin" would hold it.
inline core::SkinPaths SourceSkin(uint16_t language = core::kLanguageEnglish) {
    return core::BuildSkinPaths(std::filesystem::path(BRELVO_SKIN_SOURCE_DIR).parent_path(),
                                language);
}

// A program folder holding only "Languages/Language.ini" (2052 and 1033 map to "Test") and
// "Languages/Test.lng" with the given "ProgramOutStr" lines; the language is loaded from it.
class TestLanguage {
public:
    explicit TestLanguage(const std::string& entries, uint16_t locale = core::kLanguageChinese) {
        const std::filesystem::path folder = dir_.path().toStdString();
        std::filesystem::create_directories(folder / "Languages");
        std::ofstream(folder / "Languages" / "Language.ini") << "[LCID]\n2052=Test\n1033=Test\n";
        std::ofstream(folder / "Languages" / "Test.lng") << "[ProgramOutStr]\n" << entries;
        core::LoadLanguage(folder.string() + "/", locale);
    }

private:
    QTemporaryDir dir_;
};

}  // namespace brelvo::test
