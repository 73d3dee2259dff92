// The system calls of the kernel that the program and its tools make.
#pragma once

#include "types.h"

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count);
BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency);
