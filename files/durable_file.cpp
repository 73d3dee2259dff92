#include "files/durable_file.h"

#include "dib/dib.h"

namespace {

bool WriteWhole(HANDLE file, const void* bytes, DWORD count) {
    DWORD written = 0;
    return WriteFile(file, bytes, count, &written, nullptr) && written == count;
}

// Windows refuses a name a folder has as access denied rather than as a name taken.
bool NameTaken(DWORD error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
}

}  // namespace

NewFileWrite WriteNewDibFile(LPCSTR name, HGLOBAL dib) {
    BITMAPFILEHEADER header;
    if (!DibFileHeader(dib, &header)) return NewFileWrite::kFailed;
    HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return NameTaken(GetLastError()) ? NewFileWrite::kNameTaken : NewFileWrite::kFailed;
    const void* bytes = GlobalLock(dib);
    bool written = bytes && WriteWhole(file, &header, sizeof header) &&
                   WriteWhole(file, bytes, header.bfSize - DWORD(sizeof header));
    GlobalUnlock(dib);
    // The bytes reach the disk before the file may take a name anyone reads.
    bool flushed = written && FlushFileBuffers(file);
    bool closed = CloseHandle(file);
    if (flushed && closed) return NewFileWrite::kWhole;
    DeleteFileA(name);
    return NewFileWrite::kFailed;
}

bool MoveFileDurably(LPCSTR from, LPCSTR to, bool replace) {
    DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    return MoveFileExA(from, to, flags) != FALSE;
}
