// Saving the canvas as a new picture file in the program's folder, and printing it on the default printer.
#pragma once

#include "platform/win32.h"

// Where a save writes before the picture has its name: not a picture name, so the chooser never lists
// a file still being written.
constexpr char kSaveTemporaryName[] = "DABSAVE.TMP";

// Saves what the canvas shows as a new picture and says whether that worked.
void SavePicture();
// Writes the canvas's top-left (screenWidth - 53) × (screenHeight - 102) pixels as a new picture in the
// program's folder, under a random name no file has yet; 1 when the whole file is there.
int SaveCanvasPicture(HDC canvas);
// A name of 7 random capital letters and ".BMP", in a buffer of 20 characters.
void MakePictureName(char name[20]);

void PrintPicture();
// The rectangle a page of that many device pixels gets the picture in: all of a landscape page, the
// full width and about three fifths of the height of a portrait one.
RECT PrintedArea(int pageWidth, int pageHeight);

// The canvas's top-left pixels as an 8-bit block through appPalette; the canvas has it selected.
HGLOBAL CanvasBlock(HDC canvas, int width, int height);
