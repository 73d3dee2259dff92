#include "base/state.h"

HINSTANCE appInstance;
char frameClassName[10];
HWND frameWindow;
HWND canvasWindow;

int screenWidth, screenHeight;
int canvasWidth, canvasHeight;

HPALETTE appPalette;
HDC pictureDC;

std::string programDirectory;
