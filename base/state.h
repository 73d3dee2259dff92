// What is set once as the program starts and read everywhere: its instance, windows, sizes, palette and
// folder. Each variable is defined once, in state.cpp; state that one module owns stays in that module.
#pragma once

#include <string>

#include "platform/win32.h"

extern HINSTANCE appInstance;
extern char frameClassName[10];
extern HWND frameWindow;
extern HWND canvasWindow;

extern int screenWidth, screenHeight;
// The picture's size, which is the canvas window's size with its border.
extern int canvasWidth, canvasHeight;

extern HPALETTE appPalette;
// The off-screen picture: the snapshot a repaint and undo put back.
extern HDC pictureDC;

// Without a trailing separator; any length.
extern std::string programDirectory;
