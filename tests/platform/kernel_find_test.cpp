// The directory search behind _findfirst and _findnext: Windows' wildcards in any case, what an entry
// reports, and a folder that goes away during the search.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/kernel/wildcard.h"
#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

class KernelFind : public TempFolder {
protected:
    static void Make(const fs::path& path, size_t size = 1) { std::ofstream(path) << std::string(size, 'x'); }
};

using Names = std::vector<std::string>;

TEST_F(KernelFind, BmpPatternMatchesEveryCaseInUpperCaseOrder) {
    for (const char* name : {"b.bmp", "CBHOUSE.BMP", "a_1.Bmp", "ab.bmp", "notes.txt", "x.bmpx", "bmp"}) Make(name);
    EXPECT_EQ(Found("*.bmp"), (Names{"ab.bmp", "a_1.Bmp", "b.bmp", "CBHOUSE.BMP"}));
    EXPECT_EQ(Found("*.BMP"), Found("*.bmp"));
    EXPECT_EQ(Found("CB*.bmp"), (Names{"CBHOUSE.BMP"}));
}

TEST_F(KernelFind, EntriesReportSizeAttributesAndTheNameAsStored) {
    Make("Picture.BMP", 1234);
    fs::create_directory("Folder.bmp");
    _finddata_t entry;
    intptr_t search = _findfirst("*.bmp", &entry);
    ASSERT_NE(search, -1);
    EXPECT_STREQ(entry.name, "Folder.bmp");
    EXPECT_TRUE(entry.attrib & _A_SUBDIR);
    ASSERT_EQ(_findnext(search, &entry), 0);
    EXPECT_STREQ(entry.name, "Picture.BMP");
    EXPECT_EQ(entry.size, 1234u);
    EXPECT_FALSE(entry.attrib & _A_SUBDIR);
    struct stat info;
    ASSERT_EQ(stat("Picture.BMP", &info), 0);
    EXPECT_EQ(entry.time_write, info.st_mtime);
    EXPECT_EQ(_findnext(search, &entry), -1);
    EXPECT_EQ(_findnext(search, &entry), -1);
    EXPECT_EQ(_findclose(search), 0);
}

TEST_F(KernelFind, FolderPartOfTheSpecIsFoundInAnyCase) {
    fs::create_directory("Data");
    Make("Data/A1.MUB");
    Make("Data/a2.mub");
    EXPECT_EQ(Found("data\\*.MUB"), (Names{"A1.MUB", "a2.mub"}));
    EXPECT_EQ(Found((directory_ / "DATA" / "a?.mub").string().c_str()), (Names{"A1.MUB", "a2.mub"}));
}

TEST_F(KernelFind, NothingToFindFailsAndClosedSearchesStayClosed) {
    Make("one.txt");
    _finddata_t entry;
    EXPECT_EQ(_findfirst("*.bmp", &entry), -1);
    EXPECT_EQ(_findfirst("missing\\*.*", &entry), -1);
    EXPECT_EQ(_findfirst("", &entry), -1);
    EXPECT_EQ(_findfirst("one.txt\\", &entry), -1);
    EXPECT_EQ(_findfirst(nullptr, &entry), -1);
    EXPECT_EQ(_findfirst("*.txt", nullptr), -1);

    intptr_t search = _findfirst("*.txt", &entry);
    ASSERT_NE(search, -1);
    EXPECT_EQ(_findclose(search), 0);
    EXPECT_EQ(_findnext(search, &entry), -1);
    EXPECT_EQ(_findclose(search), -1);
    EXPECT_EQ(_findnext(-1, &entry), -1);
    EXPECT_EQ(_findclose(12345), -1);
}

TEST_F(KernelFind, SearchEndsCleanlyWhenTheFolderIsRemoved) {
    fs::create_directory("Gone");
    for (int i = 0; i < 20; ++i) Make("Gone/P" + std::to_string(i) + ".BMP");
    _finddata_t entry;
    intptr_t search = _findfirst("gone\\*.bmp", &entry);
    ASSERT_NE(search, -1);
    fs::remove_all("Gone");
    EXPECT_EQ(_findnext(search, &entry), -1);
    EXPECT_EQ(_findnext(search, &entry), -1);
    EXPECT_EQ(_findclose(search), 0);
}

TEST_F(KernelFind, FilesDeletedDuringTheSearchAreSkipped) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) Make(name);
    _finddata_t entry;
    intptr_t search = _findfirst("*.bmp", &entry);
    ASSERT_NE(search, -1);
    EXPECT_STREQ(entry.name, "a.bmp");
    fs::remove("b.bmp");
    ASSERT_EQ(_findnext(search, &entry), 0);
    EXPECT_STREQ(entry.name, "c.bmp");
    EXPECT_EQ(_findnext(search, &entry), -1);
    _findclose(search);
}

struct WildcardCase {
    const char* pattern;
    const char* name;
    bool matches;
};

TEST(KernelWildcard, MatchesAsWindowsDoes) {
    const WildcardCase cases[] = {
        {"*", "anything.at.all", true},     {"*.*", "README", true},         {"*.*", "a.b.c", true},
        {"*.", "README", true},             {"*.", "a.bmp", false},          {"*.bmp", "x.y.BMP", true},
        {"*.bmp", "x.bmpx", false},         {"*.bmp", "bmp", false},         {"*.bmp", ".bmp", true},
        {"a?c", "abc", true},               {"a?c", "ac", false},            {"a??", "a", true},
        {"a??", "abcd", false},             {"a?.txt", "a.txt", true},       {"a?.txt", "ab.txt", true},
        {"a?b", "a.b", false},              {"abc.*", "abc", true},          {"abc.*", "ABC.DEF", true},
        {"*a*b", "xAyB", true},             {"*a*b", "xbya", false},         {"dab?.mid", "DAB5.MID", true},
        {"*.b?p", "x.bmp", true},           {"*.b?p", "x.bp", false},         {"*.b?p", "x.bmmp", false},
        {"exact.txt", "EXACT.TXT", true},   {"exact.txt", "exact.txt2", false},
    };
    for (const WildcardCase& c : cases) {
        EXPECT_EQ(kernel::MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " against " << c.name;
    }
}

}  // namespace
