// The effects' random numbers: the generator's next value mod n, and 0 without a draw when n is 0. The
// value is never negative, so a negative n (a canvas smaller than an effect's margins) still gives a number
// between 0 and |n| - 1 rather than failing.
#pragma once

#include "base/random.h"

inline int EffectRandom(int n) { return n == 0 ? 0 : RandomNumber() % n; }
