// The system calls of the kernel and the C runtime's directory search that the program and its tools make,
// with Windows' names, values and layouts.
#pragma once

#include <ctime>

#include "types.h"

typedef size_t SIZE_T;
typedef const CHAR* LPCCH;

// Files.
typedef int HFILE;
#define HFILE_ERROR ((HFILE)-1)

#define OFS_MAXPATHNAME 128
typedef struct _OFSTRUCT {
    BYTE cBytes;
    BYTE fFixedDisk;
    WORD nErrCode;
    WORD Reserved1;
    WORD Reserved2;
    CHAR szPathName[OFS_MAXPATHNAME];
} OFSTRUCT, *LPOFSTRUCT, *POFSTRUCT;

#define OF_READ 0x00000000
#define OF_WRITE 0x00000001
#define OF_READWRITE 0x00000002
#define OF_CREATE 0x00001000
#define OF_EXIST 0x00004000

#define FILE_BEGIN 0
#define FILE_CURRENT 1
#define FILE_END 2

#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_TOO_MANY_OPEN_FILES 4L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_NOT_SAME_DEVICE 17L
#define ERROR_GEN_FAILURE 31L
#define ERROR_SHARING_VIOLATION 32L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_FILE_EXISTS 80L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_DISK_FULL 112L
#define ERROR_ALREADY_EXISTS 183L
#define ERROR_ENVVAR_NOT_FOUND 203L
#define ERROR_FILENAME_EXCED_RANGE 206L

HFILE WINAPI OpenFile(LPCSTR fileName, LPOFSTRUCT reOpenBuffer, UINT style);
UINT WINAPI _lread(HFILE file, LPVOID buffer, UINT bytes);
UINT WINAPI _lwrite(HFILE file, LPCCH buffer, UINT bytes);
LONG WINAPI _llseek(HFILE file, LONG offset, int origin);
HFILE WINAPI _lclose(HFILE file);
BOOL WINAPI DeleteFileA(LPCSTR fileName);
// Renames a file or folder; refuses, changing nothing, when the new name is taken.
BOOL WINAPI MoveFileA(LPCSTR existingFileName, LPCSTR newFileName);

// The process's environment. The length without the terminating zero when the value fits in size, else
// the size it needs with the zero, the buffer untouched; 0 and ERROR_ENVVAR_NOT_FOUND when it is not set.
DWORD WINAPI GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size);

// The error of the calling thread's last failed call (and of CreateFileA's success).
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);

// Files by handle. Their handles are the HFILEs of OpenFile, so either family's calls take them.
typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef struct _OVERLAPPED {
    ULONG_PTR Internal;
    ULONG_PTR InternalHigh;
    union {
        struct {
            DWORD Offset;
            DWORD OffsetHigh;
        };
        PVOID Pointer;
    };
    HANDLE hEvent;
} OVERLAPPED, *LPOVERLAPPED;

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

#define GENERIC_READ 0x80000000
#define GENERIC_WRITE 0x40000000

#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define FILE_SHARE_DELETE 0x00000004

#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define TRUNCATE_EXISTING 5

#define FILE_ATTRIBUTE_NORMAL 0x00000080

// CREATE_NEW never follows a link: any entry of that name, even a dangling link, makes it fail.
// Of the share modes only FILE_SHARE_DELETE is kept: without it the open file cannot be deleted or renamed.
HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES securityAttributes, DWORD creationDisposition,
                          DWORD flagsAndAttributes, HANDLE templateFile);
// Writes everything or fails; a full disk fails with ERROR_DISK_FULL. Only synchronous writes (no overlap).
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
                      LPOVERLAPPED overlapped);
// Returns once the file's content is on the disk.
BOOL WINAPI FlushFileBuffers(HANDLE file);
BOOL WINAPI CloseHandle(HANDLE object);
// One folder, in a folder that exists; ERROR_ALREADY_EXISTS when anything has the name.
BOOL WINAPI CreateDirectoryA(LPCSTR pathName, LPSECURITY_ATTRIBUTES securityAttributes);

#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_WRITE_THROUGH 0x00000008

// MoveFileA with choices: replacing a file (never a folder) in one step, and returning only once the
// rename is on the disk.
BOOL WINAPI MoveFileExA(LPCSTR existingFileName, LPCSTR newFileName, DWORD flags);

// Global and local memory.
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

#define LMEM_FIXED 0x0000
#define LMEM_MOVEABLE 0x0002
#define LMEM_ZEROINIT 0x0040
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID WINAPI GlobalLock(HGLOBAL memory);
BOOL WINAPI GlobalUnlock(HGLOBAL memory);
HGLOBAL WINAPI GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT flags);
HGLOBAL WINAPI GlobalFree(HGLOBAL memory);
SIZE_T WINAPI GlobalSize(HGLOBAL memory);

HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes);
LPVOID WINAPI LocalLock(HLOCAL memory);
BOOL WINAPI LocalUnlock(HLOCAL memory);
HLOCAL WINAPI LocalFree(HLOCAL memory);

// The classic limit of a path; longer ones exist, so callers grow their buffer past it.
#define MAX_PATH 260

// The module and the current directory. Paths handed back use backslashes, as on Windows.
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
BOOL WINAPI SetCurrentDirectoryA(LPCSTR pathName);
DWORD WINAPI GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer);

// The C runtime's directory search.
#define _A_NORMAL 0x00
#define _A_RDONLY 0x01
#define _A_HIDDEN 0x02
#define _A_SYSTEM 0x04
#define _A_SUBDIR 0x10
#define _A_ARCH 0x20

typedef uint32_t _fsize_t;
struct _finddata_t {
    unsigned attrib;
    time_t time_create;
    time_t time_access;
    time_t time_write;
    _fsize_t size;
    char name[260];
};

intptr_t _findfirst(const char* pattern, struct _finddata_t* fileInfo);
int _findnext(intptr_t handle, struct _finddata_t* fileInfo);
int _findclose(intptr_t handle);

// Profile strings: section "Windows", key "device" names the default printer.
DWORD WINAPI GetProfileStringA(LPCSTR appName, LPCSTR keyName, LPCSTR defaultString, LPSTR returnedString,
                               DWORD size);

// Settings files read as Windows reads them: names ignore case, blanks around names and values and one pair
// of matching quotes around a value are dropped, lines starting with ';' are comments, and the first of a
// repeated section or key counts. A NULL key lists the section's keys and a NULL section the file's
// sections, each name ended by a zero and the list by a second one; a list cut short ends with two zeros
// and gives size - 2. A missing file, section or key gives the default without its trailing blanks. A file
// that is not a regular file reads as missing, one over 1 MB as empty; a zero byte ends the text. A UTF-8
// mark is skipped and the text kept as it is; UTF-16 with its mark is read as UTF-8.
DWORD WINAPI GetPrivateProfileStringA(LPCSTR appName, LPCSTR keyName, LPCSTR defaultString,
                                      LPSTR returnedString, DWORD size, LPCSTR fileName);
// The number at the start of the value after blanks, with a sign, decimal or 0x, 0o or 0b, kept to 32 bits:
// anything else reads as 0. A missing or empty value gives the default.
UINT WINAPI GetPrivateProfileIntA(LPCSTR appName, LPCSTR keyName, INT defaultValue, LPCSTR fileName);

// The clock.
typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *PSYSTEMTIME, *LPSYSTEMTIME;

typedef struct _FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME, *PFILETIME, *LPFILETIME;

DWORD WINAPI GetTickCount(void);
void WINAPI GetLocalTime(LPSYSTEMTIME time);
void WINAPI GetSystemTime(LPSYSTEMTIME time);
void WINAPI GetSystemTimeAsFileTime(LPFILETIME time);

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count);
BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency);
