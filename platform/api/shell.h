// The shell calls the program makes: deleting its pictures into the desktop's trash, and finding the
// folders that hold settings.
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

// Results of the shell's COM-style calls.
typedef LONG HRESULT;

#define S_OK ((HRESULT)0x00000000)
#define S_FALSE ((HRESULT)0x00000001)
#define E_FAIL ((HRESULT)0x80004005)
#define E_INVALIDARG ((HRESULT)0x80070057)
#define SUCCEEDED(hr) ((HRESULT)(hr) >= 0)
#define FAILED(hr) ((HRESULT)(hr) < 0)
#define HRESULT_FROM_WIN32(x) \
    ((HRESULT)(x) <= 0 ? ((HRESULT)(x)) : ((HRESULT)(((x) & 0x0000FFFF) | (7 << 16) | 0x80000000)))

// The folders a program keeps its settings in.
#define CSIDL_APPDATA 0x001a
#define CSIDL_COMMON_APPDATA 0x0023

#define CSIDL_FLAG_PER_USER_INIT 0x0800
#define CSIDL_FLAG_NO_ALIAS 0x1000
#define CSIDL_FLAG_DONT_UNEXPAND 0x2000
#define CSIDL_FLAG_DONT_VERIFY 0x4000
#define CSIDL_FLAG_CREATE 0x8000
#define CSIDL_FLAG_MASK 0xff00

typedef enum {
    SHGFP_TYPE_CURRENT = 0,
    SHGFP_TYPE_DEFAULT = 1,
} SHGFP_TYPE;

// CSIDL_APPDATA is the user's settings folder (XDG_CONFIG_HOME when absolute, else ~/.config; with
// SHGFP_TYPE_DEFAULT always ~/.config) and CSIDL_COMMON_APPDATA the system's (/etc), as Windows paths;
// other folders give E_INVALIDARG. A folder that does not exist gives HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)
// and an empty path, unless CSIDL_FLAG_DONT_VERIFY takes it unchecked or CSIDL_FLAG_CREATE makes it. The
// window and the token are not used; path holds MAX_PATH characters.
HRESULT WINAPI SHGetFolderPathA(HWND hwnd, int csidl, HANDLE token, DWORD flags, LPSTR path);
