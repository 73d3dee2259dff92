// The one system header of the program: the real one on Windows, ours everywhere else.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>
// The C runtime's directory search.
#include <io.h>
#else
#include "api/types.h"
#include "api/gdi.h"
#include "api/text.h"
#include "api/kernel.h"
#include "api/user.h"
#include "api/media.h"
#include "api/print.h"
#include "api/shell.h"
#endif
