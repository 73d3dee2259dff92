// The journal: the child's unsaved picture kept on the disk while they draw, and kept as a saved picture at
// every ending of the program, so that no quit, window close, end of the session, crash or power cut
// loses it.
#pragma once

#include "platform/win32.h"

// The frame's timer that brings the journal up to date once the child pauses.
constexpr UINT_PTR kJournalTimer = 1;

// At start: a journal a run left behind becomes a saved picture (a broken one is set aside), and the
// blank canvas counts as kept.
void StartJournal();
// A press, release or key: the canvas may change, so the journal is written at the next pause.
void NoteChildActivity(UINT message);
// The journal's timer went off.
void JournalTimer();
// While a box covers the screen the canvas is not read for the journal.
void HoldJournal(bool held);
// The picture just saved or opened: the canvas now holds nothing unsaved, and the journal goes. Takes the
// block.
void PictureKept(HGLOBAL picture);
// The picture the child sees, when it holds unsaved work and is not blank; else null.
HGLOBAL UnsavedPicture();
// Saves the block as a new picture, which then counts as kept; takes the block. 1 when it was saved.
int SaveAsKeptPicture(HGLOBAL picture);
// Saves the block, when there is one, as a new picture, and takes it.
void KeepPicture(HGLOBAL unsaved);
// Every ending of the program: unsaved work becomes a saved picture.
void KeepUnsavedPicture();
// The frame's end: no more timer, the kept picture let go. The journal stays only when unsaved work could
// not be saved.
void EndJournal();
