#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/api/kernel.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/paths.h"
#include "platform/kernel/wildcard.h"

namespace {

struct Entry {
    std::string directory;
    std::string name;
};

struct Search {
    std::vector<Entry> entries;
    size_t next = 0;
};

struct Searches {
    std::map<intptr_t, Search> byHandle;
    intptr_t lastHandle = 0;
};

Searches& AllSearches() {
    static Searches searches;
    return searches;
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// NTFS lists a directory in the order of its upper-cased names.
bool ListedBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(UpperAscii(x)) < static_cast<unsigned char>(UpperAscii(y));
    });
}

void AddMatchingEntries(const std::string& directory, std::string_view pattern, std::vector<Entry>& entries) {
    DIR* listing = opendir(directory.c_str());
    if (!listing) return;
    while (const dirent* entry = readdir(listing)) {
        if (kernel::MatchesWildcard(pattern, entry->d_name)) entries.push_back({directory, entry->d_name});
    }
    closedir(listing);
}

// Under the overlay the program's folder lists the user's files and the installed ones, a name the user's
// folder has shadowing the installed file of that name in any case.
std::vector<Entry> MatchingEntries(const std::string& directory, std::string_view pattern) {
    std::vector<Entry> entries;
    if (pattern.empty()) return entries;
    const std::optional<kernel::Overlay>& overlay = kernel::ProgramOverlay();
    std::error_code error;
    bool overlaid = overlay && std::filesystem::equivalent(directory, overlay->installed, error);
    if (overlaid) AddMatchingEntries(overlay->user, pattern, entries);
    AddMatchingEntries(directory, pattern, entries);
    // A stable sort keeps the user's entry ahead of an installed one with the same name.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return ListedBefore(a.name, b.name); });
    auto sameName = [](const Entry& a, const Entry& b) { return kernel::EqualIgnoringCase(a.name, b.name); };
    if (overlaid) entries.erase(std::unique(entries.begin(), entries.end(), sameName), entries.end());
    return entries;
}

unsigned Attributes(const std::string& path, const std::string& name, mode_t mode) {
    unsigned attributes = S_ISDIR(mode) ? _A_SUBDIR : _A_ARCH;
    if (access(path.c_str(), W_OK) != 0) attributes |= _A_RDONLY;
    if (name.starts_with('.') && name != "." && name != "..") attributes |= _A_HIDDEN;
    return attributes;
}

// Fills in the next entry that is still there and is a file or a folder, as every entry on Windows is;
// false when none is left. A pipe, a socket or a device is no file the program could open.
bool FillNext(Search& search, _finddata_t* fileInfo) {
    while (search.next < search.entries.size()) {
        const auto& [directory, name] = search.entries[search.next++];
        std::string path = directory + "/" + name;
        struct statx info;
        if (statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info) != 0) continue;
        if (!S_ISREG(info.stx_mode) && !S_ISDIR(info.stx_mode)) continue;
        fileInfo->attrib = Attributes(path, name, info.stx_mode);
        fileInfo->time_write = info.stx_mtime.tv_sec;
        fileInfo->time_access = info.stx_atime.tv_sec;
        fileInfo->time_create = (info.stx_mask & STATX_BTIME) ? info.stx_btime.tv_sec : info.stx_mtime.tv_sec;
        fileInfo->size = S_ISDIR(info.stx_mode) ? 0 : _fsize_t(info.stx_size);
        size_t length = std::min(name.size(), sizeof fileInfo->name - 1);
        std::memcpy(fileInfo->name, name.data(), length);
        fileInfo->name[length] = '\0';
        return true;
    }
    return false;
}

}  // namespace

intptr_t _findfirst(const char* wanted, struct _finddata_t* fileInfo) {
    if (!wanted || !fileInfo) {
        errno = EINVAL;
        return -1;
    }
    std::string_view path = wanted;
    size_t separator = path.find_last_of("/\\");
    std::string_view pattern = separator == std::string_view::npos ? path : path.substr(separator + 1);
    std::string directory = separator == std::string_view::npos ? "."
                            : separator == 0                    ? "/"
                                                                : kernel::ResolvePath(path.substr(0, separator));

    Search search{MatchingEntries(directory, pattern)};
    if (!FillNext(search, fileInfo)) {
        errno = ENOENT;
        return -1;
    }
    Searches& searches = AllSearches();
    // Never handed out twice, so a closed search's handle stays closed.
    searches.lastHandle += 1;
    searches.byHandle[searches.lastHandle] = std::move(search);
    return searches.lastHandle;
}

int _findnext(intptr_t handle, struct _finddata_t* fileInfo) {
    auto& byHandle = AllSearches().byHandle;
    auto found = byHandle.find(handle);
    if (found == byHandle.end() || !fileInfo) {
        errno = EINVAL;
        return -1;
    }
    if (!FillNext(found->second, fileInfo)) {
        errno = ENOENT;
        return -1;
    }
    return 0;
}

int _findclose(intptr_t handle) {
    if (AllSearches().byHandle.erase(handle) == 0) {
        errno = EINVAL;
        return -1;
    }
    return 0;
}
