// The path of one streak of the star field: the top-left corners of its clusters, left to right.
#pragma once

#include <vector>

#include "platform/win32.h"

// A drift that is not negative shrinks by a third after each cluster, so a falling streak flattens out
// while a rising one keeps its slope.
std::vector<POINT> StarStreakPath(int step, int clusters, int drift, int startY);
