#include "options/choosers.h"

HICON stampIcon;
HCURSOR stampCursor;
int stampCursorExists;
