#include "core/store/search_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelvo::core {
namespace {

struct FoldCaseRow {
    const char* label;
    std::string input;
    std::string folded;
};

TEST(StoreSearchMatch, FoldsTheCasesOfTheCoveredScripts) {
    const std::vector<FoldCaseRow> rows{
        {"ascii", "AbC-09 %_'\\", "abc-09 %_'\\"},
        {"latin-1", "\xc3\x80\xc3\x89\xc3\x8e\xc3\x95\xc3\x9c\xc3\x9e",  // ÀÉÎÕÜÞ
         "\xc3\xa0\xc3\xa9\xc3\xae\xc3\xb5\xc3\xbc\xc3\xbe"},            // àéîõüþ
        {"multiplication sign and sharp s", "\xc3\x97\xc3\x9f", "\xc3\x97\xc3\x9f"},  // ×ß
        {"latin extended-a", "\xc4\x80\xc4\xb9\xc5\xb8\xc5\xbd\xc5\x8a",              // ĀĹŸŽŊ
         "\xc4\x81\xc4\xba\xc3\xbf\xc5\xbe\xc5\x8b"},                                 // āĺÿžŋ
        {"dotted capital I is left alone", "\xc4\xb0", "\xc4\xb0"},
        {"greek", "\xce\x91\xce\xa3\xce\xa9\xce\x86\xce\x8f",             // ΑΣΩΆΏ
         "\xce\xb1\xcf\x83\xcf\x89\xce\xac\xcf\x8e"},                     // ασωάώ
        {"cyrillic", "\xd0\x9c\xd0\x9e\xd0\xa1\xd0\xa2\xd0\x81\xd0\x82",  // МОСТЁЂ
         "\xd0\xbc\xd0\xbe\xd1\x81\xd1\x82\xd1\x91\xd1\x92"},             // мостёђ
        {"cjk has no case", "\xe8\xae\xbe\xe5\xa4\x87", "\xe8\xae\xbe\xe5\xa4\x87"},
        {"cut and stray bytes stay", "A\xc3", "a\xc3"},
        {"bytes that start no character", "\xff\xfe\x80Z", "\xff\xfe\x80z"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(FoldCase(row.input), row.folded);
    }
}

TEST(StoreSearchMatch, ContainsComparesFoldedTexts) {
    EXPECT_TRUE(ContainsFolded("Roof-North", FoldCase("NORTH")));
    EXPECT_TRUE(ContainsFolded("anything", ""));
    EXPECT_FALSE(ContainsFolded("ab", "abc"));
    EXPECT_FALSE(ContainsFolded("100 percent", "%"));
    const std::string long_text = std::string(300, 'x') + "Needle";
    EXPECT_TRUE(ContainsFolded(long_text, "needle"));
}

}  // namespace
}  // namespace brelvo::core
