#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/api/kernel.h"
#include "platform/kernel/open_files.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/paths.h"
#include "platform/kernel/regular_files.h"
#include "platform/kernel/windows_error.h"

namespace {

void RecordFullPath(OFSTRUCT* record, const std::string& path) {
    std::error_code error;
    std::string full = kernel::WindowsPath(std::filesystem::absolute(path, error).lexically_normal().string());
    size_t length = std::min(full.size(), size_t(OFS_MAXPATHNAME - 1));
    std::memcpy(record->szPathName, full.data(), length);
    record->szPathName[length] = '\0';
}

int OpenFlags(UINT style) {
    int flags = 0;
    switch (style & 3) {
        case OF_WRITE: flags |= O_WRONLY; break;
        case OF_READWRITE: flags |= O_RDWR; break;
        default: flags |= O_RDONLY; break;
    }
    if (style & OF_CREATE) flags |= O_CREAT | O_TRUNC;
    return flags;
}

// A file opened for writing under the overlay is the user's copy.
std::string PathToOpen(LPCSTR fileName, UINT style) {
    if ((style & 3) == OF_READ && !(style & OF_CREATE)) return kernel::ResolvePathForReading(fileName);
    return kernel::ResolvePathForChanging(fileName, !(style & OF_CREATE));
}

HFILE Fail(OFSTRUCT* record, WORD error) {
    record->nErrCode = error;
    return HFILE_ERROR;
}

}  // namespace

HFILE WINAPI OpenFile(LPCSTR fileName, LPOFSTRUCT reOpenBuffer, UINT style) {
    OFSTRUCT scratch;
    OFSTRUCT* record = reOpenBuffer ? reOpenBuffer : &scratch;
    record->cBytes = sizeof(OFSTRUCT);
    record->fFixedDisk = 1;
    record->nErrCode = 0;
    record->szPathName[0] = '\0';
    if (!fileName || !*fileName || (style & 3) == 3) return Fail(record, ERROR_INVALID_PARAMETER);

    std::string path = PathToOpen(fileName, style);
    RecordFullPath(record, path);
    int descriptor = kernel::OpenRegularFile(path, OpenFlags(style));
    if (descriptor < 0) return Fail(record, WORD(kernel::WindowsError(errno, path)));
    HFILE file = kernel::AddOpenFile(descriptor);
    // The test for existence leaves nothing open; its handle only says the file was there.
    if (style & OF_EXIST) kernel::CloseOpenFile(file);
    return file;
}
