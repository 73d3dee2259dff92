// The effects pages' one-click actions on the whole picture.
#pragma once

#include "base/tool_groups.h"

// The action of button n (1 to 12) of the effects page shown, one of the two effects groups.
void RunEffectsAction(ToolGroup page, int n);
