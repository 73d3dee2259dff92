// The ways out: the quit picture and the window's close, as a parent's Quit setting allows them.
#pragma once

#include "platform/win32.h"

// The frame's timer that ends a held press on the quit picture.
constexpr UINT_PTR kQuitHoldTimer = 2;

// A press on the quit picture: the question at once, after the press is held, or nothing.
void QuitPicturePressed();
// The frame's mouse messages while a press on the quit picture is held: a release, or a move off the
// picture, ends the hold without a question.
void QuitHoldPointer(UINT message, LPARAM point);
// The hold's timer went off: the press lasted long enough.
void QuitHoldTimer();
// A window close (WM_CLOSE): the program ends, keeping the picture, unless the setting forbids a way out
// other than the question.
void WindowCloseAsked(HWND frame);
