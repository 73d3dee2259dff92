#include "canvas/tools.h"

#include "shell/state.h"

int strokeActive;
POINT pointA, pointB, pointC, pointD;

void ToolPress(POINT point) {
    pointA = point;
    pointB = pointA;
    strokeActive = 1;
    SetCapture(canvasWindow);
}

void ToolMove(POINT) {}

void ToolRelease(POINT) {
    strokeActive = 0;
    ReleaseCapture();
}

void ToolStop() { strokeActive = 0; }
