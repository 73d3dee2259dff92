#include <cstring>

#include "platform/api/kernel.h"
#include "platform/api/shell.h"
#include "platform/kernel/deletion.h"
#include "platform/kernel/overlay.h"
#include "platform/shell/trash.h"

namespace {

// The file DeleteFileA would reach by that name, into the trash when asked and one can take it, else
// deleted as DeleteFileA deletes it.
DWORD Delete(LPCSTR name, bool toTrash) {
    std::string path = kernel::ResolvePathForReading(name);
    if (DWORD refusal = kernel::DeletionRefusal(path)) return refusal;
    if (toTrash && shell::MoveToTrash(path)) return 0;
    return DeleteFileA(name) ? 0 : GetLastError();
}

}  // namespace

int WINAPI SHFileOperationA(LPSHFILEOPSTRUCTA operation) {
    if (!operation || operation->wFunc != FO_DELETE || !operation->pFrom || !*operation->pFrom)
        return ERROR_INVALID_PARAMETER;
    operation->fAnyOperationsAborted = FALSE;
    DWORD result = 0;
    for (LPCSTR name = operation->pFrom; *name; name += std::strlen(name) + 1) {
        DWORD failure = Delete(name, operation->fFlags & FOF_ALLOWUNDO);
        if (!result) result = failure;
    }
    return int(result);
}
