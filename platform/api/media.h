// Sound effects and MCI music: the calls and constants, with Windows' names and values.
#pragma once

#include "types.h"
