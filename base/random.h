// The program's one pseudo-random generator: seeded once at start, 31 bits a draw.
#pragma once

#include <cstdint>

void SeedRandom(uint32_t seconds);
// A non-negative number below 2^31.
int RandomNumber();
// RandomNumber() mod n, for n > 0.
int RandomBelow(int n);
// The current time in seconds, from the system clock.
uint32_t ClockSeconds();
