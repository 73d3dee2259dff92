// The shell's file operation the program makes: deleting its pictures, into the desktop's trash.
#pragma once

#include "types.h"

typedef WORD FILEOP_FLAGS;

#define FO_DELETE 0x0003

#define FOF_SILENT 0x0004
#define FOF_NOCONFIRMATION 0x0010
#define FOF_ALLOWUNDO 0x0040
#define FOF_NOERRORUI 0x0400

typedef struct _SHFILEOPSTRUCTA {
    HWND hwnd;
    UINT wFunc;
    LPCSTR pFrom;
    LPCSTR pTo;
    FILEOP_FLAGS fFlags;
    BOOL fAnyOperationsAborted;
    LPVOID hNameMappings;
    LPCSTR lpszProgressTitle;
} SHFILEOPSTRUCTA, *LPSHFILEOPSTRUCTA;

// Only FO_DELETE, of files (not folders), never asking: pFrom lists names each ended by a zero, the list by a
// second one. With FOF_ALLOWUNDO a file goes to the desktop's trash, and is deleted when no trash can take
// it. Returns 0 when every file went, else the Windows error of the first that did not.
int WINAPI SHFileOperationA(LPSHFILEOPSTRUCTA fileOperation);
