#include "base/settings.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "base/state.h"

namespace {

constexpr char kSection[] = "dab";
// A folder's path is the longest value.
constexpr int kValueSize = 1024;
constexpr int kKeyListSize = 8192;
constexpr int kMostPagesPerHour = 10000;
constexpr int kMostWindowSide = 100000;

Settings& TheSettings() {
    static Settings settings;
    return settings;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); i++) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? char(a[i] + 32) : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? char(b[i] + 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

// A whole number of at most digits digits, and nothing else; -1 when it isn't one.
int WholeNumber(std::string_view text, size_t digits) {
    if (text.empty() || text.size() > digits) return -1;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

// A key's value as one file gives it.
struct Found {
    std::string value;
    const char* key;
    const char* file;
};

bool OnOff(const std::string& value, bool& setting) {
    if (SameWord(value, "on")) setting = true;
    else if (SameWord(value, "off")) setting = false;
    else return false;
    return true;
}

bool ReadQuit(const Found& found, Settings& settings) {
    const std::string& value = found.value;
    if (SameWord(value, "ask")) settings.quit = QuitRule::kAsk;
    else if (SameWord(value, "hold")) settings.quit = QuitRule::kHold;
    else if (SameWord(value, "never")) settings.quit = QuitRule::kNever;
    else return false;
    return true;
}

// Only digits: the profile's number alone would take "5 pages" as 5 and "many" as 0.
bool ReadPrintPages(const Found& found, Settings& settings) {
    int pages = WholeNumber(found.value, 5);
    if (pages < 0 || pages > kMostPagesPerHour) return false;
    settings.printPagesPerHour = int(GetPrivateProfileIntA(kSection, found.key, -1, found.file));
    return true;
}

bool ReadSound(const Found& found, Settings& settings) { return OnOff(found.value, settings.sound); }
bool ReadMusic(const Found& found, Settings& settings) { return OnOff(found.value, settings.music); }
bool ReadKeep(const Found& found, Settings& settings) { return OnOff(found.value, settings.keepUnsavedWork); }

// The screen's scale and window are the display's to apply; here they are only checked, so that a
// mistake is named.
bool CheckScale(const Found& found, Settings&) {
    const std::string& value = found.value;
    int scale = WholeNumber(value, 1);
    return SameWord(value, "auto") || (scale >= 1 && scale <= 4);
}

bool CheckWindow(const Found& found, Settings&) {
    const std::string& value = found.value;
    if (SameWord(value, "full")) return true;
    size_t by = value.find_first_of("xX");
    if (by == std::string::npos) return false;
    int width = WholeNumber(std::string_view(value).substr(0, by), 6);
    int height = WholeNumber(std::string_view(value).substr(by + 1), 6);
    return width > 0 && height > 0 && width <= kMostWindowSide && height <= kMostWindowSide;
}

// A whole path: from a drive ("C:\..."), a share or the root.
bool ReadPictures(const Found& found, Settings& settings) {
    const std::string& value = found.value;
    bool whole = (value.size() >= 3 && value[1] == ':' && (value[2] == '\\' || value[2] == '/')) ||
                 (!value.empty() && (value[0] == '\\' || value[0] == '/'));
    if (!whole) return false;
    settings.pictures = value;
    while (settings.pictures.size() > 1 && (settings.pictures.back() == '\\' || settings.pictures.back() == '/'))
        settings.pictures.pop_back();
    return true;
}

struct KeyRow {
    const char* key;
    bool (*read)(const Found& found, Settings& settings);
    const char* expected;  // what a good value looks like, for the message about a bad one
};

const KeyRow kKeys[] = {
    {"Quit", ReadQuit, "ask, hold or never"},
    {"PrintPagesPerHour", ReadPrintPages, "a number of pages from 0 to 10000"},
    {"Sound", ReadSound, "on or off"},
    {"Music", ReadMusic, "on or off"},
    {"Scale", CheckScale, "auto, 1, 2, 3 or 4"},
    {"Window", CheckWindow, "full or a size such as 1024x768"},
    {"Pictures", ReadPictures, "a folder's whole path"},
    {"KeepUnsavedWork", ReadKeep, "on or off"},
};

std::vector<std::string> SettingsFiles() {
    std::vector<std::string> files;
    char folder[MAX_PATH];
    for (int csidl : {CSIDL_APPDATA, CSIDL_COMMON_APPDATA}) {
        if (SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder) == S_OK)
            files.push_back(std::string(folder) + "\\dab\\dab.ini");
    }
    files.push_back(programDirectory + "\\dab.ini");
    return files;
}

// The keys the file's section holds, as written there.
std::vector<std::string> KeysIn(const std::string& file) {
    std::vector<char> list(kKeyListSize);
    DWORD length = GetPrivateProfileStringA(kSection, nullptr, "", list.data(), DWORD(list.size()), file.c_str());
    std::vector<std::string> keys;
    for (size_t at = 0; at < length && list[at]; at += keys.back().size() + 1) keys.emplace_back(&list[at]);
    return keys;
}

const KeyRow* RowOf(const std::string& key) {
    for (const KeyRow& row : kKeys)
        if (SameWord(key, row.key)) return &row;
    return nullptr;
}

}  // namespace

void ReadSettings() {
    Settings settings;
    std::vector<bool> found(std::size(kKeys), false);
    for (const std::string& file : SettingsFiles()) {
        for (const std::string& key : KeysIn(file)) {
            const KeyRow* row = RowOf(key);
            if (!row) {
                std::fprintf(stderr, "dab: %s: unknown setting %s, left out\n", file.c_str(), key.c_str());
                continue;
            }
            size_t index = size_t(row - kKeys);
            if (found[index]) continue;
            found[index] = true;
            char value[kValueSize];
            GetPrivateProfileStringA(kSection, row->key, "", value, sizeof value, file.c_str());
            if (!row->read({value, row->key, file.c_str()}, settings)) {
                std::fprintf(stderr, "dab: %s: %s=%s is not %s; using the default\n", file.c_str(),
                             row->key, value, row->expected);
            }
        }
    }
    TheSettings() = settings;
}

const Settings& CurrentSettings() { return TheSettings(); }

void UseSettings(const Settings& settings) { TheSettings() = settings; }
