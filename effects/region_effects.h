// The effect buttons of the region-tool pages: each plays its sound and changes the whole picture at once.
#pragma once

#include "base/tool_groups.h"

// Button n (1 to 12) of a region-tool page; a button that is a tool does nothing here.
void RunRegionEffect(ToolGroup page, int n);
