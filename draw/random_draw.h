// The routines' random numbers: r mod n from the program's generator, and 0 where n is 0 or less.
#pragma once

#include "base/random.h"

inline int RandomMod(int n) { return n > 0 ? RandomBelow(n) : 0; }
