#include "canvas/stamp.h"

#include <string>

#include "base/state.h"

namespace {

HICON stampIcon;

}  // namespace

void ChooseStamp(int icon) { stampIcon = LoadIconA(appInstance, ("ICON_" + std::to_string(icon)).c_str()); }

HICON StampIcon() { return stampIcon; }
