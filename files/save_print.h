// Saving the canvas as a new picture file in the program's folder, and printing it on the default printer.
#pragma once

#include "platform/win32.h"

// Saves what the canvas shows as a new picture and says whether that worked.
void SavePicture();
// Writes the whole canvas picture (canvasWidth × canvasHeight) as a new picture in the program's folder,
// under a random name no file has yet; 1 when the whole file is on the disk.
int SaveCanvasPicture(HDC canvas);
// Writes the block as a new picture the same way, without the box; the block stays the caller's.
int SavePictureBlock(HGLOBAL block);
// The whole canvas picture (canvasWidth × canvasHeight) as an 8-bit block through appPalette.
HGLOBAL CanvasPicture(HDC canvas);
// A name of 7 random capital letters and ".BMP", in a buffer of 20 characters.
void MakePictureName(char name[20]);

// Prints what the canvas shows on the default printer; says so when there is none or the picture was refused.
void PrintPicture();
// The rectangle a page of that many device pixels gets a picture of that size in: within all of a landscape
// page or the full width and about three fifths of the height of a portrait one, in the picture's proportions.
RECT PrintedArea(int pageWidth, int pageHeight, int pictureWidth, int pictureHeight);

// A width × height picture of the canvas's top-left shownWidth × shownHeight pixels on white, as an 8-bit
// block through appPalette; the canvas has it selected.
HGLOBAL CanvasBlock(HDC canvas, int width, int height, int shownWidth, int shownHeight);
