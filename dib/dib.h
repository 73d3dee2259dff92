// Device-independent bitmaps: the BMP files the program reads and writes, and the one movable memory block
// a picture lives in (a 40-byte info header, the colour table, the pixel bits, without gaps). Whoever
// receives a block frees it with GlobalFree.
#pragma once

#include "platform/win32.h"

// A new block with the file's picture, or null when the file is missing or is no picture this program
// can safely take. The block holds no more bits than the file does.
HGLOBAL ReadDibFile(LPCSTR fileName);
// 1 when every byte was written and the file closed, else 0.
int WriteDibFile(LPCSTR fileName, HGLOBAL dib);
// The file header a picture file of the block begins with; false for a block shorter than its header says.
bool DibFileHeader(HGLOBAL dib, BITMAPFILEHEADER* header);
// The device bitmap as a block of the given compression and bit count, its colours from the palette.
HGLOBAL DibFromBitmap(HBITMAP bitmap, DWORD compression, WORD bitCount, HPALETTE palette);
// Draws the source rectangle of the picture (in its own coordinates, y 0 the bottom row of a bottom-up
// picture; -1 and -1 for its whole size) stretched into the destination rectangle. A block holding fewer
// bits than the drawing reads draws nothing.
int StretchDibToDevice(HDC dc, int x, int y, int width, int height, HGLOBAL dib, int sourceX, int sourceY,
                       int sourceWidth, int sourceHeight, DWORD rop);

HGLOBAL ReadDibHeader(HFILE file);
int GetDibInfo(HGLOBAL dib, BITMAPINFOHEADER* info);
WORD DibColourCount(const BITMAPINFOHEADER* info);
WORD DibColourTableSize(const BITMAPINFOHEADER* info);
DWORD ReadInChunks(HFILE file, void* buffer, DWORD count);
DWORD WriteInChunks(HFILE file, const void* buffer, DWORD count);
void ReadFileHeader(HFILE file, BITMAPFILEHEADER* header);
void WriteFileHeader(HFILE file, const BITMAPFILEHEADER* header);
