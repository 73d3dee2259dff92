// Picture files that survive a power cut: written whole under a name made new for them, so that no link is
// followed and no other writer shares the file, flushed to the disk, then moved to their name with the
// move itself on the disk before anyone is told.
#pragma once

#include "platform/win32.h"

enum class NewFileWrite { kWhole, kNameTaken, kFailed };

// Writes the block as a picture file under a name no file, folder or link has; a write that fails part
// way leaves no file.
NewFileWrite WriteNewDibFile(LPCSTR name, HGLOBAL dib);
// Moves a written file to its name and waits until the move is on the disk; a taken name is refused
// unless replace is set.
bool MoveFileDurably(LPCSTR from, LPCSTR to, bool replace);
