// A source drawn with the engine's own GDI calls in the program's palette colours, and written as the
// program's bitmap writer writes pictures: 8 bits a pixel, the palette as the colour table.
#pragma once

#include <filesystem>
#include <string>

#include "picture_source.h"
#include "platform/win32.h"

namespace pictures {

// The palette colours and appPalette, made once.
void PreparePalette();

// A device bitmap of the source's size with its commands drawn; the caller deletes it.
HBITMAP DrawSource(const Source& source);

// The drawn source as a DIB block of 8 bits a pixel; the caller frees it.
HGLOBAL PictureBlock(const Source& source);

// Writes the picture into the folder under its file name; false when it can't be made or written.
bool WritePicture(const Source& source, const std::filesystem::path& folder);

}  // namespace pictures
