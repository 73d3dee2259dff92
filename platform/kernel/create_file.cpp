#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/api/kernel.h"
#include "platform/kernel/open_files.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/regular_files.h"
#include "platform/kernel/windows_error.h"

namespace {

struct Disposition {
    DWORD creation;
    int flags;
    bool keepsContent;  // an installed file changed in place is copied to the user's folder first
};

// A new file never follows a link, so a link planted under the name cannot send the write elsewhere.
const Disposition dispositions[] = {
    {CREATE_NEW, O_CREAT | O_EXCL | O_NOFOLLOW, false},
    {CREATE_ALWAYS, O_CREAT | O_TRUNC, false},
    {OPEN_EXISTING, 0, true},
    {OPEN_ALWAYS, O_CREAT, true},
    {TRUNCATE_EXISTING, O_TRUNC, false},
};

const Disposition* DispositionOf(DWORD creation) {
    for (const Disposition& disposition : dispositions)
        if (disposition.creation == creation) return &disposition;
    return nullptr;
}

int AccessFlags(DWORD access) {
    if ((access & GENERIC_READ) && (access & GENERIC_WRITE)) return O_RDWR;
    return access & GENERIC_WRITE ? O_WRONLY : O_RDONLY;
}

HANDLE Fail(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

// Where the file is: only reading an existing file finds an installed one; every other open is of the
// user's file under the overlay.
std::string PathToOpen(LPCSTR fileName, DWORD access, const Disposition& disposition) {
    if (!(access & GENERIC_WRITE) && disposition.creation == OPEN_EXISTING)
        return kernel::ResolvePathForReading(fileName);
    return kernel::ResolvePathForChanging(fileName, disposition.keepsContent);
}

// A name an installed file has is taken, though the user's folder may not have it.
bool TakenByInstalledFile(LPCSTR fileName) {
    std::string installed = kernel::ResolvePathForReading(fileName);
    struct stat info;
    return kernel::IsInstalledFile(installed) && lstat(installed.c_str(), &info) == 0;
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES,
                          DWORD creationDisposition, DWORD, HANDLE) {
    const Disposition* disposition = DispositionOf(creationDisposition);
    if (!fileName || !*fileName || !disposition) return Fail(ERROR_INVALID_PARAMETER);
    if (creationDisposition == TRUNCATE_EXISTING && !(desiredAccess & GENERIC_WRITE))
        return Fail(ERROR_INVALID_PARAMETER);
    if (creationDisposition == CREATE_NEW && TakenByInstalledFile(fileName)) return Fail(ERROR_FILE_EXISTS);

    std::string path = PathToOpen(fileName, desiredAccess, *disposition);
    // Whether the name was taken, for the ERROR_ALREADY_EXISTS that CREATE_ALWAYS and OPEN_ALWAYS report.
    struct stat before;
    bool existed = lstat(path.c_str(), &before) == 0;
    int descriptor = kernel::OpenRegularFile(path, AccessFlags(desiredAccess) | disposition->flags);
    if (descriptor < 0) return Fail(kernel::WindowsError(errno, path));
    bool reportsExisting = creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS;
    SetLastError(reportsExisting && existed ? ERROR_ALREADY_EXISTS : 0);
    return kernel::HandleOf(kernel::AddOpenFile(descriptor, shareMode & FILE_SHARE_DELETE));
}
