#include "core/support/system_info.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace brelvo::core {
namespace {

TEST(SystemInfoTest, ProgramFolderIsCutAfterTheLastSeparator) {
    const struct {
        const char* executable;
        const char* folder;
    } cases[] = {
        {"/opt/brelvo/bin/brelvo", "/opt/brelvo/bin/"},
        {"/brelvo", "/"},
        {"brelvo", "brelvo"},  // no separator: whole
        {"/a b/c/", "/a b/c/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFolderOf(c.executable), c.folder) << c.executable;
}

TEST(SystemInfoTest, ProgramFolderIsTheFolderOfThisExecutable) {
    const std::filesystem::path folder = GetProgramFolder();
    EXPECT_TRUE(folder.native().ends_with('/'));
    EXPECT_EQ(folder, std::filesystem::read_symlink("/proc/self/exe").parent_path() / "");
}

TEST(SystemInfoTest, VersionTextHasFourParts) {
    EXPECT_EQ(VersionText(), "V" BRELVO_VERSION_TEXT);
    // Four decimal parts, dot-separated.
    const std::string version = VersionText().substr(1);
    int parts = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = version.find('.', start);
        const std::string_view part = std::string_view(version).substr(start, dot - start);
        EXPECT_FALSE(part.empty());
        EXPECT_EQ(part.find_first_not_of("0123456789"), std::string_view::npos) << version;
        ++parts;
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    EXPECT_EQ(parts, 4) << version;
}

}  // namespace
}  // namespace brelvo::core
