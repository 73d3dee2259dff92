// Fonts and text: the calls, constants and structures, with Windows' names and values.
#pragma once

#include "types.h"
