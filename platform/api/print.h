// Printer device contexts and print jobs, with Windows' names, values and layouts.
#pragma once

#include "types.h"

// Escape codes
#define NEWFRAME 1
#define ABORTDOC 2
#define QUERYESCSUPPORT 8
#define STARTDOC 10
#define ENDDOC 11

// What the job calls and escapes return when they fail
#define SP_ERROR (-1)

// Printer settings are only ever passed on, never read here: the structure stays opaque.
typedef struct _devicemodeA DEVMODEA, *LPDEVMODEA;

typedef struct _DOCINFOA {
    int cbSize;
    LPCSTR lpszDocName;
    LPCSTR lpszOutput;
    LPCSTR lpszDatatype;
    DWORD fwType;
} DOCINFOA, *LPDOCINFOA;

HDC WINAPI CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR port, const DEVMODEA* devmode);
int WINAPI Escape(HDC dc, int escape, int count, LPCSTR input, LPVOID output);
int WINAPI StartDocA(HDC dc, const DOCINFOA* info);
int WINAPI StartPage(HDC dc);
int WINAPI EndPage(HDC dc);
int WINAPI EndDoc(HDC dc);
int WINAPI AbortDoc(HDC dc);
