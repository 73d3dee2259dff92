// The stamp a child has chosen on a stamp page: the icon the stamp tool presses onto the canvas.
#pragma once

#include "platform/win32.h"

// The stamp of icon resource ICON_n.
void ChooseStamp(int icon);
HICON StampIcon();
