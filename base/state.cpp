#include "base/state.h"

HINSTANCE appInstance;
char frameClassName[10];
HWND frameWindow;
HWND canvasWindow;

int screenWidth, screenHeight;
int canvasWidth, canvasHeight;

HPALETTE appPalette;
HDC pictureDC;

COLORREF currentColour;
int colourFamily;
int colourShade;

int toolGroup;
int selectedOption;
int toolState;
int penWidth;
int fillPattern;
int rainbowMode;
int colouringMode;

int widthChooserShown;
int patternChooserShown;
int rainbowChooserShown;
int pictureChooserShown;

int selectionMode;
int textPlacePending;
int textEntryActive;

int soundOn;
int musicOpen;
int musicNumber;
int firstPaintPending;

std::string programDirectory;
