#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "platform/api/kernel.h"
#include "platform/kernel/open_files.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/rename.h"
#include "platform/kernel/windows_error.h"

namespace {

const DWORD knownFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

bool SameFolder(const std::string& a, const std::string& b) {
    struct stat first, second;
    std::string folderA = std::filesystem::path(a).parent_path().string();
    std::string folderB = std::filesystem::path(b).parent_path().string();
    return stat(folderA.empty() ? "." : folderA.c_str(), &first) == 0 &&
           stat(folderB.empty() ? "." : folderB.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// Replaces a file, never a folder, and never with a folder.
BOOL Replace(const std::string& from, bool fromIsFolder, const std::string& to) {
    struct stat info;
    if (lstat(to.c_str(), &info) == 0) {
        if (fromIsFolder || S_ISDIR(info.st_mode)) return kernel::Fail(ERROR_ACCESS_DENIED);
        if (kernel::IsHeldAgainstDeletion(info.st_dev, info.st_ino))
            return kernel::Fail(ERROR_SHARING_VIOLATION);
    }
    if (rename(from.c_str(), to.c_str()) != 0) return kernel::Fail(kernel::WindowsError(errno, to));
    return TRUE;
}

}  // namespace

BOOL WINAPI MoveFileExA(LPCSTR existingFileName, LPCSTR newFileName, DWORD flags) {
    if (!existingFileName || !*existingFileName || !newFileName || !*newFileName || (flags & ~knownFlags))
        return kernel::Fail(ERROR_INVALID_PARAMETER);
    std::string from = kernel::ResolvePathForReading(existingFileName);
    if (kernel::IsInstalledFile(from)) return kernel::Fail(ERROR_ACCESS_DENIED);
    struct stat source;
    if (lstat(from.c_str(), &source) != 0) return kernel::Fail(kernel::WindowsError(errno, from));
    if (kernel::IsHeldAgainstDeletion(source.st_dev, source.st_ino)) return kernel::Fail(ERROR_SHARING_VIOLATION);

    bool replace = flags & MOVEFILE_REPLACE_EXISTING;
    // A name taken by an installed file is taken, though the rename itself would go to the user's folder;
    // replacing it lays the user's file over it.
    std::string taken = kernel::ResolvePathForReading(newFileName);
    struct stat info;
    if (!replace && kernel::IsInstalledFile(taken) && lstat(taken.c_str(), &info) == 0)
        return kernel::Fail(ERROR_ALREADY_EXISTS);
    // A name taken in another case resolves to the file that has it, which the rename then refuses or
    // replaces.
    std::string to = kernel::ResolvePathForWriting(newFileName);
    if (replace) {
        if (!Replace(from, S_ISDIR(source.st_mode), to)) return FALSE;
    } else if (!kernel::RenameWithoutReplacing(from, to)) {
        return kernel::Fail(errno == EEXIST ? ERROR_ALREADY_EXISTS : kernel::WindowsError(errno, to));
    }

    if (flags & MOVEFILE_WRITE_THROUGH) {
        if (!kernel::SyncFolderOf(to)) return kernel::Fail(kernel::WindowsError(errno, to));
        if (!SameFolder(from, to) && !kernel::SyncFolderOf(from))
            return kernel::Fail(kernel::WindowsError(errno, from));
    }
    return TRUE;
}

BOOL WINAPI MoveFileA(LPCSTR existingFileName, LPCSTR newFileName) {
    return MoveFileExA(existingFileName, newFileName, 0);
}
