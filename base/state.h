// The program-wide state that the windows, tools, option bar, effects and files share. Each variable is
// defined once, in state.cpp; variables that one module owns are declared in that module's header.
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

extern COLORREF currentColour;
extern int colourFamily;
extern int colourShade;

extern int toolGroup;
extern int selectedOption;
extern int toolState;
extern int penWidth;
extern int fillPattern;
extern int rainbowMode;
extern int colouringMode;

extern int widthChooserShown;
extern int patternChooserShown;
extern int rainbowChooserShown;
extern int pictureChooserShown;

extern int selectionMode;
extern int textPlacePending;
extern int textEntryActive;

extern int soundOn;
extern int musicOpen;
extern int musicNumber;
extern int firstPaintPending;

// Without a trailing separator; any length.
extern std::string programDirectory;
