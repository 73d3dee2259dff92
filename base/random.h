// The program's one pseudo-random generator: seeded once at start, 31 bits a draw.
#pragma once

#include <cstdint>

void SeedRandom(uint32_t seconds);
// A non-negative number below 2^31.
int RandomNumber();
// RandomNumber() mod n, and 0 without a draw when n is 0. The value is never negative, so a negative n
// (a canvas smaller than an effect's margins) still gives a number between 0 and |n| - 1.
int RandomBelow(int n);
// The current time in seconds, from the system clock.
uint32_t ClockSeconds();
// The number in DAB_SEED, so that two runs (the Windows and the Linux program side by side) draw the same;
// the clock's seconds when it is unset or not a number.
uint32_t StartSeed();
