// GetPrivateProfileStringA and GetPrivateProfileIntA on settings files written by the test: Windows'
// reading of names, blanks, quotes, comments and repeats, the lists of keys and sections cut to the buffer,
// numbers, and files that must read as missing or empty without hanging.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class KernelPrivateProfile : public TempFolder {
protected:
    static void Write(const std::string& content, const char* name = "dab.ini") {
        std::ofstream(name, std::ios::binary) << content;
    }
    // The value read, checked against the length returned.
    static std::string Get(LPCSTR section, LPCSTR key, LPCSTR fallback, DWORD size = 64,
                           LPCSTR file = "dab.ini") {
        std::string buffer(size, '#');
        DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer.data(), size, file);
        EXPECT_EQ(length, std::string(buffer.c_str()).size());
        return buffer.c_str();
    }
    // What a list call left: the characters it counted and the two after them.
    static std::string List(LPCSTR section, DWORD size, LPCSTR fallback = "") {
        std::string buffer(size + 2, '#');
        DWORD length = GetPrivateProfileStringA(section, nullptr, fallback, buffer.data(), size, "dab.ini");
        return buffer.substr(0, length + 2);
    }
};

struct ValueCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    const char* fallback;
    std::string value;
};

const ValueCase kValueCases[] = {
    {"plain", "[dab]\nSound=off\n", "dab", "Sound", "x", "off"},
    {"names ignore case", "[DAB]\nsOUND=off\n", "Dab", "SOUND", "x", "off"},
    {"blanks around names and values", "  [ dab ]  \n \t Sound  =  off  \n", "dab", "Sound", "x", "off"},
    {"blanks around the names asked for", "[dab]\nSound=off\n", " dab ", " Sound\t", "x", "off"},
    {"quotes keep what they hold", "[dab]\nSound=\" off \"\n", "dab", "Sound", "x", " off "},
    {"quotes that do not match stay", "[dab]\nSound=\"off'\n", "dab", "Sound", "x", "\"off'"},
    {"a lone quote stays", "[dab]\nSound=\"\n", "dab", "Sound", "x", "\""},
    {"an empty value is a value", "[dab]\nSound=\n", "dab", "Sound", "x", ""},
    {"a comment line", "[dab]\n;Sound=on\n  ; [other]\nSound=off\n", "dab", "Sound", "x", "off"},
    {"no comments after a value", "[dab]\nSound=off ; quiet\n", "dab", "Sound", "x", "off ; quiet"},
    {"the first of a repeated key", "[dab]\nSound=off\nsound=on\n", "dab", "Sound", "x", "off"},
    {"a key without '=' comes first", "[dab]\nSound\nSound=on\n", "dab", "Sound", "x", "x"},
    {"a repeated section is not read", "[dab]\nSound=off\n[dab]\nMusic=on\n", "dab", "Music", "x", "x"},
    {"text after the section's ']'", "[dab] settings\nSound=off\n", "dab", "Sound", "x", "off"},
    {"keys before any section", "Sound=off\n[dab]\n", "dab", "Sound", "x", "x"},
    {"CR LF", "[dab]\r\nSound=off\r\nMusic=on\r\n", "dab", "Music", "x", "on"},
    {"CR alone", "[dab]\rSound=off\rMusic=on\r", "dab", "Music", "x", "on"},
    {"^Z is a blank", "[dab]\nSound=off\x1A", "dab", "Sound", "x", "off"},
    {"a missing key's default loses trailing blanks", "[dab]\n", "dab", "Sound", " on  ", " on"},
    {"and its quotes", "[dab]\n", "dab", "Sound", "'on'", "on"},
    {"no default is empty", "[dab]\n", "dab", "Sound", nullptr, ""},
    {"a UTF-8 mark is skipped", "\xEF\xBB\xBF[dab]\nSound=off\n", "dab", "Sound", "x", "off"},
    {"UTF-8 stays as it is", "[dab]\nPictures=/home/k\xC3\xBCnstler\n", "dab", "Pictures", "x",
     "/home/k\xC3\xBCnstler"},
    {"UTF-16 with its mark", "\xFF\xFE[\0d\0a\0b\0]\0\n\0S\0=\0\xFC\0\n\0"s, "dab", "S", "x",
     "\xC3\xBC"},
    {"big-endian UTF-16", "\xFE\xFF\0[\0d\0a\0b\0]\0\n\0S\0=\x20\xAC"s, "dab", "S", "x",
     "\xE2\x82\xAC"},
    {"a zero ends the text", "[dab]\nSound=off\nMusic=o\0n\nQuit=no\n"s, "dab", "Music", "x",
     "o"},
    {"nothing after the zero", "[dab]\nSound=off\nMusic=o\0n\nQuit=no\n"s, "dab", "Quit", "x",
     "x"},
};

TEST_F(KernelPrivateProfile, ReadsValuesAsWindowsDoes) {
    for (const ValueCase& c : kValueCases) {
        Write(c.file);
        EXPECT_EQ(Get(c.section, c.key, c.fallback), c.value) << c.name;
    }
}

TEST_F(KernelPrivateProfile, CutsAValueToTheBuffer) {
    Write("[dab]\nPictures='/home/anne'\n");
    EXPECT_EQ(Get("dab", "Pictures", "", 5), "/hom");
    EXPECT_EQ(Get("dab", "Pictures", "", 1), "");
    EXPECT_EQ(GetPrivateProfileStringA("dab", "Pictures", "", nullptr, 5, "dab.ini"), 0u);
    char untouched = '#';
    EXPECT_EQ(GetPrivateProfileStringA("dab", "Pictures", "", &untouched, 0, "dab.ini"), 0u);
    EXPECT_EQ(untouched, '#');
}

// A list that fills the buffer exactly counts as cut short, as on Windows.
TEST_F(KernelPrivateProfile, ListsKeysAndSectionsCutToTheBuffer) {
    Write("[dab]\nQuit=yes\nSound=off\nNoValue\n;Music=on\nMusic=on\n[Other]\n[dab]\nScale=2\n[]\n");
    const struct {
        const char* section;
        DWORD size;
        std::string list;
    } cases[] = {
        {"dab", 64, "Quit\0Sound\0Music\0\0#"s},
        {"dab", 19, "Quit\0Sound\0Music\0\0#"s},
        {"dab", 18, "Quit\0Sound\0Music\0\0"s},
        {"dab", 8, "Quit\0S\0\0"s},
        {"dab", 6, "Quit\0\0"s},
        {"dab", 2, "\0\0"s},
        {nullptr, 64, "dab\0Other\0dab\0\0#"s},
        {nullptr, 15, "dab\0Other\0dab\0\0"s},
        {nullptr, 6, "dab\0\0\0"s},
    };
    for (const auto& c : cases) EXPECT_EQ(List(c.section, c.size), c.list) << c.size;

    EXPECT_EQ(List("missing", 64, "none"), "none\0#"s) << "a missing section lists the default";
    Write("; nothing yet\n");
    EXPECT_EQ(List(nullptr, 64), "\0#"s) << "no sections: one zero";
}

TEST_F(KernelPrivateProfile, ReadsNumbersAsWindowsDoes) {
    Write("[dab]\nplain=25\nnegative=-3\nplus=+7\ntrailing=12 pages\nword=often\nhex=0x1F\nupper=0X1F\n"
          "octal=0o17\nbinary=0b101\nwide=4294967297\nquoted=\" 42\"\nempty=\nbare\n");
    const struct {
        const char* key;
        UINT value;
    } cases[] = {
        {"plain", 25},   {"negative", 4294967293u}, {"plus", 7},   {"trailing", 12}, {"word", 0},
        {"hex", 31},     {"upper", 0},              {"octal", 15}, {"binary", 5},    {"wide", 1},
        {"quoted", 42},  {"empty", 99},             {"bare", 99},  {"missing", 99},
    };
    for (const auto& c : cases) EXPECT_EQ(GetPrivateProfileIntA("dab", c.key, 99, "dab.ini"), c.value) << c.key;
    EXPECT_EQ(GetPrivateProfileIntA("dab", "plain", -1, "missing.ini"), 4294967295u);
}

// File names are found ignoring case, as other files are. Anything but a regular file reads as missing, a
// file over 1 MB as empty: none of them may hang or grow the program without end.
TEST_F(KernelPrivateProfile, FindsFilesAndReadsOddOnesAsMissingOrEmpty) {
    fs::create_directory("Settings");
    Write("[dab]\nSound=off\n", "Settings/DAB.INI");
    fs::create_directory("folder.ini");
    ASSERT_EQ(mkfifo("fifo.ini", 0600), 0);
    const std::string settings = "[dab]\nSound=off\n";
    Write(settings + std::string((1 << 20) - settings.size(), ' '), "largest.ini");
    Write(settings + std::string((1 << 20) - settings.size() + 1, ' '), "huge.ini");
    std::string binary;
    for (int i = 0; i < 4096; i++) binary += char(1 + (i * 7919) % 255);
    Write(binary, "binary.ini");
    Write("\0\0\0[dab]\nSound=off\n"s, "zeros.ini");

    const struct {
        const char* file;
        const char* value;
    } cases[] = {
        {"settings\\dab.ini", "off"}, {"largest.ini", "off"}, {"missing.ini", "x"}, {"", "x"},
        {"folder.ini", "x"},         {"fifo.ini", "x"},       {"/dev/zero", "x"},    {"huge.ini", "x"},
        {"binary.ini", "x"},         {"zeros.ini", "x"},
    };
    for (const auto& c : cases) EXPECT_EQ(Get("dab", "Sound", "x", 64, c.file), c.value) << c.file;
}

}  // namespace
