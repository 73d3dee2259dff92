#include "effects/effects_pages.h"

void RunEffectsAction(int) {}
